// The main window made larger: the board grows with it, the step bar widens, and the size is
// there again at the next start; at its natural size the window follows the font as before.
#include "GridDrawing.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLineEdit>
#include <QTest>

namespace {

class WindowSizeTest : public MainWindowTest {};

TEST_F(WindowSizeTest, AnEnlargedWindowScalesTheBoardAndIsRememberedAtThatSize)
{
    const int natural = CSpreadSheet::NaturalSide();
    EXPECT_EQ(Grid().size(), QSize(natural, natural));
    EXPECT_EQ(QFontInfo(Grid().font()).pixelSize(), QFontInfo(CellFont()).pixelSize());

    const QSize enlarged(760, 560);  // within the offscreen screen's 800 x 600
    dialog->resize(enlarged);
    QTest::qWait(50);
    EXPECT_GT(Grid().width(), natural * 4 / 3);
    EXPECT_EQ(Grid().width(), Grid().height());
    EXPECT_GT(QFontInfo(Grid().font()).pixelSize(), QFontInfo(CellFont()).pixelSize()) << "the digits grow too";
    EXPECT_GT(dialog->findChild<QLineEdit*>(QStringLiteral("Step"))->width(), Grid().width())
        << "a wider window shows more of the step's sentence";
    const int enlargedSide = Grid().width();
    dialog->close();

    dialog = ShowMainWindow(appPath);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->size(), enlarged);
    EXPECT_EQ(Grid().width(), enlargedSide);

    dialog->resize(dialog->minimumSizeHint());
    QTest::qWait(50);
    EXPECT_EQ(Grid().width(), natural) << "made smaller again";
    dialog->close();
    dialog = ShowMainWindow(appPath);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Grid().width(), natural) << "the natural size is not kept as a size of its own";
}

}  // namespace
