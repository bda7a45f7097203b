// The board grid on its own: its look, the addressed and active cells, and the four events.
#include "GuiTestSupport.h"
#include "GridDrawing.h"
#include "SpreadSheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class SpreadSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    QString Read(int column, int row)
    {
        grid.SetRow(row);
        grid.SetCol(column);
        return grid.GetText();
    }
    void Write(int column, int row, const QString& text, bool bySolver = false)
    {
        grid.SetRow(row);
        grid.SetCol(column);
        grid.SetFoundBySolver(bySolver);
        grid.SetText(text);
    }

    CSpreadSheet grid;
};

TEST_F(SpreadSheetTest, StartsEmptyBlackAndCheckerboardShadedWithTheFocusTopLeft)
{
    int shaded = 0;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            EXPECT_EQ(Read(column, row), QString());
            EXPECT_EQ(CellColor(grid, column, row), QColor(Qt::black));
            const QColor background = grid.item(row - 1, column - 1)->background().color();
            const int square = ((row - 1) / 3) * 3 + (column - 1) / 3;
            const bool cornerOrCentre = square == 0 || square == 2 || square == 4 || square == 6 || square == 8;
            EXPECT_EQ(background, cornerOrCentre ? QColor(220, 217, 253) : QColor(Qt::white)) << row << "," << column;
            shaded += cornerOrCentre ? 1 : 0;
        }
    }
    EXPECT_EQ(shaded, 45);
    EXPECT_EQ(grid.GetActiveCol(), 1);
    EXPECT_EQ(grid.GetActiveRow(), 1);
}

TEST_F(SpreadSheetTest, HasSquareCellsNoHeadersNoEditorAndTheBoardFont)
{
    EXPECT_FALSE(grid.horizontalHeader()->isVisible());
    EXPECT_FALSE(grid.verticalHeader()->isVisible());
    for (int index = 0; index < 9; ++index) {
        EXPECT_EQ(grid.columnWidth(index), grid.rowHeight(0));
        EXPECT_EQ(grid.rowHeight(index), grid.rowHeight(0));
    }
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(grid.item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(grid.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(grid.font().bold());
    EXPECT_EQ(grid.font().pointSize(), 18);
}

TEST_F(SpreadSheetTest, TheFocusFrameIsDimmedWhileTheGridHasNoKeyboardFocus)
{
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
    const QPoint onTheFrame(3, grid.rowHeight(0) / 2);  // the left side of the top-left cell's frame
    const QColor focused = grid.viewport()->grab().toImage().pixelColor(onTheFrame);
    grid.clearFocus();
    const QColor unfocused = grid.viewport()->grab().toImage().pixelColor(onTheFrame);
    EXPECT_EQ(focused, QColor(230, 80, 0));
    EXPECT_GT(unfocused.lightness(), focused.lightness() + 40) << "fainter against the light cell";
}

TEST(FocusFrame, KeepsClearOfTheCandidatesAndOfTheLinesBetweenSquares)
{
    const QRectF cell(0, 0, 40, 40);
    const double half = FocusFrameOf(cell).width / 2;  // the lines between squares take 1.5 of the cell
    EXPECT_TRUE(FocusFrameOf(cell).centreLine.adjusted(half, half, -half, -half).contains(CandidateArea(cell, true)));
    EXPECT_TRUE(QRectF(1.5, 1.5, 37, 37).contains(FocusFrameOf(cell).centreLine.adjusted(-half, -half, half, half)));
}

TEST_F(SpreadSheetTest, UnderADarkPaletteTheScreenIsDarkAndThePictureForPrintingStaysLight)
{
    Write(2, 1, QStringLiteral("5"), true);
    QPalette dark = grid.palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    grid.setPalette(dark);
    const QImage screen = grid.viewport()->grab().toImage();
    const int cell = grid.rowHeight(0);
    const auto corner = [&](int column, int row) { return screen.pixelColor(column * cell + 6, row * cell + cell - 6); };
    const QColor plain = corner(3, 0);   // row 1, column 4: an unshaded square
    const QColor shaded = corner(0, 0);  // row 1, column 1: a shaded square
    EXPECT_LT(plain.lightness(), 60);
    EXPECT_GT(shaded.lightness(), plain.lightness()) << "the shaded squares a slightly lighter shade";
    EXPECT_LT(shaded.lightness(), 100);
    bool lightBlueDigit = false;
    for (int y = 0; y < cell; ++y) {
        for (int x = cell; x < 2 * cell; ++x) {
            const QColor pixel = screen.pixelColor(x, y);
            lightBlueDigit = lightBlueDigit || (pixel.blue() > 200 && pixel.red() > 90 && pixel.red() < pixel.blue());
        }
    }
    EXPECT_TRUE(lightBlueDigit) << "the solver's digit reads in a light blue";
    EXPECT_EQ(grid.Picture()[3].background, QColor(Qt::white)) << "printing draws the light board";
    EXPECT_EQ(grid.Picture()[1].textColor, QColor(Qt::blue));
    EXPECT_EQ(grid.palette().color(QPalette::WindowText), DarkPaletteLineColor()) << "the border follows";
}

TEST_F(SpreadSheetTest, TextAndColourActOnTheAddressedCellOnly)
{
    Write(4, 7, QStringLiteral("5"), true);
    EXPECT_EQ(Read(4, 7), QStringLiteral("5"));
    EXPECT_EQ(CellColor(grid, 4, 7), QColor(Qt::blue));
    EXPECT_EQ(Read(7, 4), QString());
    EXPECT_EQ(CellColor(grid, 7, 4), QColor(Qt::black));

    // A new colour and the same text again change only the colour.
    Write(4, 7, QStringLiteral("5"), false);
    EXPECT_EQ(Read(4, 7), QStringLiteral("5"));
    EXPECT_EQ(CellColor(grid, 4, 7), QColor(Qt::black));
}

TEST_F(SpreadSheetTest, GivesBackAnyTextUnchanged)
{
    for (const QString& text : {QStringLiteral("0"), QStringLiteral("12"), QStringLiteral("x"), QStringLiteral("?"),
                                QStringLiteral("-2")}) {
        Write(2, 3, text);
        EXPECT_EQ(Read(2, 3), text);
    }
}

TEST_F(SpreadSheetTest, AnAddressOffTheBoardReadsEmptyAndWritesNothing)
{
    const std::string before = GridText(grid);
    for (const auto& [column, row] : {std::pair{0, 1}, {1, 0}, {10, 5}, {5, 10}, {-1, -1}}) {
        Write(column, row, QStringLiteral("7"), true);
        EXPECT_EQ(Read(column, row), QString());
    }
    EXPECT_EQ(GridText(grid), before);
}

TEST_F(SpreadSheetTest, ReportsAClickWithColumnThenRowAndMovesTheFocus)
{
    QSignalSpy clicks(&grid, &CSpreadSheet::Click);
    ClickCell(grid, 4, 2);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 4);
    EXPECT_EQ(clicks.at(0).at(1).toInt(), 2);
    EXPECT_EQ(grid.GetActiveCol(), 4);
    EXPECT_EQ(grid.GetActiveRow(), 2);
}

TEST_F(SpreadSheetTest, ReportsARightClickAsKindZeroAndMovesTheFocus)
{
    QSignalSpy rightClicks(&grid, &CSpreadSheet::RightClick);
    QSignalSpy clicks(&grid, &CSpreadSheet::Click);
    RightClickCell(grid, 9, 8);
    ASSERT_EQ(rightClicks.count(), 1);
    EXPECT_EQ(rightClicks.at(0).at(0).value<short>(), 0);
    EXPECT_EQ(rightClicks.at(0).at(1).toInt(), 9);
    EXPECT_EQ(rightClicks.at(0).at(2).toInt(), 8);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(grid.GetActiveCol(), 9);
    EXPECT_EQ(grid.GetActiveRow(), 8);
}

TEST_F(SpreadSheetTest, ReportsADoubleClickAsOneClickAndOneDoubleClick)
{
    QSignalSpy clicks(&grid, &CSpreadSheet::Click);
    QSignalSpy doubleClicks(&grid, &CSpreadSheet::DblClick);
    DoubleClickCell(grid, 3, 5);
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks.at(0).at(0).toInt(), 3);
    EXPECT_EQ(doubleClicks.at(0).at(1).toInt(), 5);
}

TEST_F(SpreadSheetTest, ReportsDigitsOfBothKeyboardsAndSpaceOnly)
{
    QSignalSpy digits(&grid, &CSpreadSheet::DigitTyped);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int digit;  // -1: nothing reported
    } rows[] = {{Qt::Key_5, {}, 5},  {Qt::Key_1, {}, 1},  {Qt::Key_9, Qt::ControlModifier, 9},
                {Qt::Key_Space, {}, 0}, {Qt::Key_5, Qt::KeypadModifier, 5}, {Qt::Key_0, {}, -1},
                {Qt::Key_Q, {}, -1}, {Qt::Key_Exclam, Qt::ShiftModifier, -1}};
    for (const auto& row : rows) {
        digits.clear();
        QTest::keyClick(&grid, row.key, row.modifiers);
        ASSERT_EQ(digits.count(), row.digit < 0 ? 0 : 1) << row.key;
        if (row.digit >= 0) {
            EXPECT_EQ(digits.at(0).at(0).toInt(), row.digit);
        }
    }
}

TEST_F(SpreadSheetTest, ArrowKeysMoveTheFocusAndStopAtTheEdges)
{
    const struct {
        Qt::Key key;
        int presses;
        int column;
        int row;
    } moves[] = {{Qt::Key_Right, 3, 4, 1}, {Qt::Key_Down, 2, 4, 3}, {Qt::Key_Left, 10, 1, 3},
                 {Qt::Key_Up, 10, 1, 1},   {Qt::Key_Down, 12, 1, 9}, {Qt::Key_Right, 12, 9, 9}};
    for (const auto& move : moves) {
        for (int press = 0; press < move.presses; ++press)
            QTest::keyClick(&grid, move.key);
        EXPECT_EQ(grid.GetActiveCol(), move.column);
        EXPECT_EQ(grid.GetActiveRow(), move.row);
    }
}

TEST_F(SpreadSheetTest, DigitKeysNeitherMoveTheFocusNorOpenAnEditor)
{
    Write(6, 6, QStringLiteral("7"));
    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_7);
    EXPECT_EQ(grid.GetActiveCol(), 2);
    EXPECT_EQ(grid.GetActiveRow(), 2);
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr) << "no cell editor";
    EXPECT_EQ(Read(2, 2), QString());
}

}  // namespace
