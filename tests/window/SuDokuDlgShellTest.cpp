// The main window's ways into the application shell: the start-up splash screen, Help, About and
// the web-site button.
#include "GuiTestSupport.h"
#include "ImageButton.h"
#include "ModalWatcher.h"
#include "WebSiteLink.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

TEST(MainWindowSplash, ShowsOnceOverTheNewWindowWhenItRuns)
{
    CSuDokuDlg dialog;
    ModalWatcher watcher;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.seen.isEmpty(); }));
    // However long the window stays open, no second splash screen follows.
    QTest::qWait(50);
    ASSERT_EQ(watcher.seen.size(), 1);
    EXPECT_EQ(watcher.seen[0].className, QStringLiteral("CSplashDlg"));
    EXPECT_FALSE(watcher.seen[0].hasParent);
    EXPECT_TRUE(dialog.isVisible());
}

class ShellWindowsFromMainWindow : public MainWindowTest {};

TEST_F(ShellWindowsFromMainWindow, HelpButtonOpensTheHelpWindowOnItsOwn)
{
    ModalWatcher watcher;
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Help")), Qt::LeftButton);
    ASSERT_EQ(watcher.seen.size(), 1);
    EXPECT_EQ(watcher.seen[0].className, QStringLiteral("CHelpDlg"));
    EXPECT_FALSE(watcher.seen[0].hasParent);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ShellWindowsFromMainWindow, OptionsMenuAndWindowMenuOpenTheSameAboutBox)
{
    ModalWatcher watcher;
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::About));
    dialog->SystemMenu().actions().last()->trigger();
    ASSERT_EQ(watcher.seen.size(), 2);
    for (const ModalWatcher::Seen& window : watcher.seen) {
        EXPECT_EQ(window.className, QStringLiteral("CAboutDlg"));
        EXPECT_FALSE(window.hasParent);
    }
}

TEST_F(ShellWindowsFromMainWindow, ImageButtonOpensTheWebSite)
{
    auto* webSite = dialog->findChild<CImageButton*>();
    ASSERT_NE(webSite, nullptr);
    QTest::mouseClick(webSite, Qt::LeftButton);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0], QUrl(QString::fromLatin1(kTessalyWebSite)));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ShellWindowsFromMainWindow, AWebSiteTheDesktopCannotOpenIsReported)
{
    prompts.desktopAcceptsUrls = false;
    QTest::mouseClick(dialog->findChild<CImageButton*>(), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, WebSiteFailureMessage(QString::fromLatin1(kTessalyWebSite)));
    EXPECT_EQ(prompts.messages[0].parent, dialog.get());
}

}  // namespace
