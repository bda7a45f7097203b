// The main window made larger: the board and its digits grow, the step bar widens, the size is kept.
#include "GridDrawing.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QTest>

namespace {

using WindowSizeTest = MainWindowTest;

TEST_F(WindowSizeTest, AnEnlargedWindowScalesTheBoardAndIsRememberedAtThatSize)
{
    const int natural = CSpreadSheet::NaturalSide();
    const int digits = QFontInfo(CellFont()).pixelSize();
    const QSize enlarged(760, 560);  // within the offscreen screen's 800 x 600
    // An invalid size is a new start.
    const std::pair<QSize, bool> rows[] = {{enlarged, true}, {{}, true}, {dialog->minimumSizeHint(), false}, {{}, false}};
    for (const auto& [size, large] : rows) {
        if (size.isValid()) {
            dialog->resize(size);
            QTest::qWait(20);
        } else {
            dialog->close();
            dialog = ShowMainWindow(appPath);
            ASSERT_TRUE(dialog);
        }
        EXPECT_EQ(dialog->size() == enlarged, large);
        EXPECT_EQ(Grid().width(), Grid().height());
        EXPECT_EQ(Grid().width() > natural * 4 / 3, large);
        EXPECT_EQ(QFontInfo(Grid().font()).pixelSize() > digits, large) << "the digits grow too";
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Step"))->width() > Grid().width(), large);
    }
}

TEST_F(WindowSizeTest, AMaximisedWindowReopensMaximisedWithItsNormalSizeBehindIt)
{
    const QSize normal(700, 500);
    dialog->resize(normal);
    dialog->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->size() != normal; }));
    dialog->close();
    dialog = ShowMainWindow(appPath);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isMaximized());
    dialog->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->size() == normal; }));
    dialog->resize(dialog->minimumSizeHint());  // the next window starts at its natural size
}

}  // namespace
