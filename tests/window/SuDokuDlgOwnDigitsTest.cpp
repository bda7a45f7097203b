// The person's own digits in the main window: the keys and commands reach the model (whose rules
// are tested there), the digits take their own colour, and Check frames the wrong one.
#include "GuiTestSupport.h"

#include "GridDrawing.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

namespace {

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

const auto MyDigitsOn = [](CSuDokuDlg& window) { return OptionAction(window, OptionsAction::EnterMyDigits)->isChecked(); };

TEST_F(MainWindowTest, OwnDigitKeysReachTheModelAndCheckFramesTheWrongOne)
{
    SetPuzzle(kPuzzle);
    PressKeysInGrid(*dialog, Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(MyDigitsOn(*dialog));
    EXPECT_TRUE(MyDigitsOn(*ShowMainWindow(appPath))) << "remembered";

    TypeInCell(Grid(), 3, 1, Qt::Key_4);
    TypeInCell(Grid(), 4, 1, Qt::Key_1);  // a 6 belongs there
    TypeInCell(Grid(), 1, 1, Qt::Key_9);  // a given
    EXPECT_EQ(GridText(Grid()).substr(0, 4), "5341");
    const QColor own = CellColor(Grid(), 3, 1);
    Grid().setCurrentCell(2, 4);
    Press(QStringLiteral("Solve Cell"));
    EXPECT_NE(own, CellColor(Grid(), 1, 1)) << "apart from the givens";
    EXPECT_NE(own, CellColor(Grid(), 5, 3)) << "apart from the solver's digits";

    PressKeysInGrid(*dialog, Qt::Key_E, Qt::ControlModifier);
    const BoardPicture board = Grid().Picture();
    EXPECT_EQ(std::count_if(board.begin(), board.end(), [](const CellPicture& c) { return c.wrongFrame; }), 1);
    EXPECT_TRUE(board[3].wrongFrame);
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Step"))->text(), QStringLiteral("1 of your digits is wrong"));

    Grid().setCurrentCell(0, 5);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent shift2(type, Qt::Key_At, Qt::ShiftModifier, 0, '2', 0, QStringLiteral("@"));  // as Windows sends it
        QApplication::sendEvent(&Grid(), &shift2);
    }
    EXPECT_EQ(Grid().Picture()[5].ownMarks, 0b10) << "a mark, not a digit, shown with the candidates hidden";
    PressKeysInGrid(*dialog, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Grid().Picture()[5].ownMarks, 0);

    PressKeysInGrid(*dialog, Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(MyDigitsOn(*dialog));
    PressKeysInGrid(*dialog, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(GridText(Grid()).substr(0, 4), "5341") << "locked while off";
    Press(QStringLiteral("Solve"));
    EXPECT_TRUE(GridText(Grid()).substr(0, 4) == "5346" && Grid().Picture()[3].wrongFrame) << "the own 1 Solve replaced";
}

TEST_F(MainWindowTest, AltDigitOrAClickHighlightsEscapeClearsAndClashesShowAtOnce)
{
    SetPuzzle(kPuzzle);
    PressKeysInGrid(*dialog, Qt::Key_D, Qt::ControlModifier);
    TypeInCell(Grid(), 3, 1, Qt::Key_7);  // a given 7 stands in the row
    EXPECT_TRUE(Grid().Picture()[2].clashingDigit && Grid().Picture()[4].clashFrame);
    EXPECT_EQ(Grid().item(0, 2)->data(Qt::AccessibleTextRole).toString(),
              "Row 1, column 3, 7, yours, repeats a digit of its row, column or square");
    Grid().setCurrentCell(0, 3);
    PressKeysInGrid(*dialog, Qt::Key_5, Qt::AltModifier);
    const auto highlighted = [this](std::size_t cell) { return Grid().Picture()[cell].digitHighlight; };
    EXPECT_TRUE(highlighted(0) && highlighted(71) && !highlighted(1) && CellText(Grid(), 4, 1).isEmpty());
    QTest::keyClick(ButtonOf(*dialog, QStringLiteral("Help")), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible() && !highlighted(0)) << "Escape cleared the highlight only";
    ChooseOption(*dialog, OptionsAction::FillInCandidates);
    ClickCell(Grid(), 5, 1);  // the given 7
    EXPECT_TRUE(highlighted(2) && highlighted(79) && Grid().Picture()[15].highlight.pattern == 0b1000000);
    ChooseOption(*dialog, OptionsAction::ShowClashes);
    EXPECT_FALSE(OptionAction(*ShowMainWindow(appPath), OptionsAction::ShowClashes)->isChecked()) << "remembered";
    prompts.answers = {QMessageBox::Yes};
    QTest::keyClick(&Grid(), Qt::Key_Escape);
    QTest::keyClick(ButtonOf(*dialog, QStringLiteral("Help")), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible()) << "closed once nothing is highlighted";
}

TEST(OwnDigitColour, StandsApartUnderADarkPaletteToo)
{
    const auto dark = [](const QColor& colour) { return ForDarkPalette({QStringLiteral("1"), colour, Qt::white}).textColor; };
    EXPECT_NE(dark(OwnDigitColour()), dark(Qt::black));
    EXPECT_NE(dark(OwnDigitColour()), dark(Qt::blue));
}

}  // namespace
