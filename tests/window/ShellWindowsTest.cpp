// The help window, the splash screen and the About box, driven as a person would.
#include "AboutDlg.h"
#include "HelpDlg.h"
#include "ModalWatcher.h"
#include "SplashDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace {

QPushButton* ButtonNamed(const QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QTimer* SplashTimer(const CSplashDlg& splash)
{
    return splash.findChild<QTimer*>(QStringLiteral("splashTimer"));
}

// --- Help window ----------------------------------------------------------------------------------

TEST(HelpWindow, ShowsTheHelpTextFormattedReadOnlyFromTheTop)
{
    CHelpDlg help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Vantrel Orvandel Help"));
    EXPECT_EQ(help.parentWidget(), nullptr);

    QTextEdit* text = help.HelpControl();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Vantrel Orvandel\n")));
    EXPECT_EQ(text->textCursor().position(), 0);
    EXPECT_TRUE(text->toHtml().contains(QStringLiteral("font-weight:700")));

    // Typing changes nothing.
    help.show();
    QTest::keyClicks(text, QStringLiteral("xyz"));
    EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("xyz")));
}

// A name wider than its paragraph's hanging indent pushes the text after the tab to the next tab
// stop and leaves a ragged gap.
void ExpectEveryHangingIndentHoldsTheNameBeforeItsTab(const char* resource)
{
    CHelpDlg help(nullptr, QString::fromLatin1(resource));
    int hanging = 0;
    for (QTextBlock block = help.HelpControl()->document()->begin(); block.isValid(); block = block.next()) {
        const double indent = -block.blockFormat().textIndent();
        if (indent <= 0 || !block.text().contains(u'\t'))
            continue;
        ++hanging;
        double nameWidth = 0;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString text = fragment.fragment().text();
            const QFontMetricsF metrics(fragment.fragment().charFormat().font());
            nameWidth += metrics.horizontalAdvance(text.left(text.indexOf(u'\t')));
            if (text.contains(u'\t'))
                break;
        }
        EXPECT_LE(nameWidth, indent) << resource << ": " << block.text().left(30).toStdString();
    }
    EXPECT_GT(hanging, 0) << "the buttons are listed with hanging indents";
}

TEST(HelpWindow, EveryHangingIndentHoldsTheNameBeforeItsTab)
{
    ExpectEveryHangingIndentHoldsTheNameBeforeItsTab(":/res/help.rtf");
    ExpectEveryHangingIndentHoldsTheNameBeforeItsTab(":/res/help_de.rtf");
}

TEST(HelpWindow, CtrlEndAndCtrlHomeGoToTheEndAndTheStart)
{
    CHelpDlg help;
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QApplication::setActiveWindow(&help);
    QTextEdit* text = help.HelpControl();
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(text->verticalScrollBar()->value(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST(HelpWindow, ExitButtonAndEscapeCloseIt)
{
    CHelpDlg help;
    help.show();
    QPushButton* exitButton = ButtonNamed(help, QStringLiteral("Exit"));
    ASSERT_NE(exitButton, nullptr);
    EXPECT_TRUE(exitButton->isDefault());
    QTest::mouseClick(exitButton, Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.result(), QDialog::Accepted);

    help.show();
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindow, MissingHelpTextGivesAnEmptyWindowWithoutAMessage)
{
    RecordingPrompts prompts;
    QTemporaryDir folder;
    CHelpDlg help(nullptr, folder.filePath(QStringLiteral("no-such-help.rtf")));
    EXPECT_TRUE(help.HelpControl()->toPlainText().isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(HelpWindow, RunsModallyWithoutOwner)
{
    ModalWatcher watcher;
    RunHelpDialog();
    ASSERT_EQ(watcher.seen.size(), 1);
    EXPECT_EQ(watcher.seen[0].className, QStringLiteral("CHelpDlg"));
    EXPECT_FALSE(watcher.seen[0].hasParent);
}

// --- Splash screen --------------------------------------------------------------------------------

TEST(SplashScreen, IsAFramelessWindowFilledByThePicture)
{
    CSplashDlg splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.size(), QSize(384, 192));
    const auto* picture = splash.findChild<QLabel*>();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 384, 192));
    EXPECT_FALSE(picture->pixmap().isNull());
}

TEST(SplashScreen, ShowingStartsItsThreeSecondTimer)
{
    CSplashDlg splash;
    QTimer* timer = SplashTimer(splash);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    splash.show();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), CSplashDlg::kSplashMilliseconds);
    EXPECT_EQ(CSplashDlg::kSplashMilliseconds, 3000);
}

TEST(SplashScreen, TheTimerEndsAModalRun)
{
    CSplashDlg splash;
    QSignalSpy finished(&splash, &QDialog::finished);
    // The real timer drives the end; it is only made quicker than three seconds.
    QTimer::singleShot(0, &splash, [&splash] { SplashTimer(splash)->start(1); });
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(SplashTimer(splash)->isActive());
}

struct SplashEnding {
    const char* name;
    std::function<void(CSplashDlg&)> act;
    int result;
};

void PrintTo(const SplashEnding& ending, std::ostream* out)
{
    *out << ending.name;
}

class SplashEndings : public ::testing::TestWithParam<SplashEnding> {};

TEST_P(SplashEndings, EndItAtOnceAndStopTheTimer)
{
    CSplashDlg splash;
    splash.show();
    GetParam().act(splash);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), GetParam().result);
    EXPECT_FALSE(SplashTimer(splash)->isActive());
}

INSTANTIATE_TEST_SUITE_P(
    SplashScreen, SplashEndings,
    ::testing::Values(
        SplashEnding{"ClickOnThePicture",
                     [](CSplashDlg& s) { QTest::mouseClick(s.findChild<QLabel*>(), Qt::LeftButton, {}, {200, 100}); },
                     QDialog::Accepted},
        SplashEnding{"ClickOnTheWindow", [](CSplashDlg& s) { QTest::mouseClick(&s, Qt::LeftButton); }, QDialog::Accepted},
        SplashEnding{"Enter", [](CSplashDlg& s) { QTest::keyClick(&s, Qt::Key_Return); }, QDialog::Accepted},
        SplashEnding{"Escape", [](CSplashDlg& s) { QTest::keyClick(&s, Qt::Key_Escape); }, QDialog::Rejected}),
    [](const auto& info) { return info.param.name; });

TEST(SplashScreen, RightClickDoesNotEndIt)
{
    CSplashDlg splash;
    splash.show();
    QTest::mouseClick(&splash, Qt::RightButton);
    EXPECT_TRUE(splash.isVisible());
}

// --- About box ------------------------------------------------------------------------------------

TEST(AboutBox, NamesTheProgramAndItsVersion)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vantrel Orvandel"));
    EXPECT_EQ(about.parentWidget(), nullptr);
    QStringList texts;
    bool hasIcon = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            hasIcon = true;
        else
            texts.append(label->text());
    }
    EXPECT_TRUE(hasIcon);
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0], QStringLiteral("Vantrel Orvandel Version " ORVANDEL_VERSION));
    EXPECT_TRUE(texts[3].contains(QStringLiteral("GNU General Public License, version 3")));
    EXPECT_TRUE(ButtonNamed(about, QStringLiteral("OK"))->isDefault());
}

TEST(AboutBox, ClickOnIconOrBackgroundShowsTheSplashEachTime)
{
    CAboutDlg about;
    about.show();
    ModalWatcher watcher;
    QLabel* icon = nullptr;
    for (QLabel* label : about.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            icon = label;
    ASSERT_NE(icon, nullptr);
    QTest::mouseClick(icon, Qt::LeftButton);
    QTest::mouseClick(&about, Qt::LeftButton, {}, {2, about.height() - 2});
    ASSERT_EQ(watcher.seen.size(), 2);
    EXPECT_EQ(watcher.seen[0].className, QStringLiteral("CSplashDlg"));
    EXPECT_FALSE(watcher.seen[0].hasParent);
    EXPECT_EQ(watcher.seen[1].className, QStringLiteral("CSplashDlg"));
    EXPECT_TRUE(about.isVisible());
}

TEST(AboutBox, OkClosesItWithoutTheSplash)
{
    CAboutDlg about;
    about.show();
    ModalWatcher watcher;
    QTest::mouseClick(ButtonNamed(about, QStringLiteral("OK")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_TRUE(watcher.seen.isEmpty());
}

}  // namespace
