// The main window's layout and commands: "Set Su Doku", "Solve", "Solve Cell", the Options menu,
// their enabling in the edit and set states, the Status and Solved fields and every message.
#include "GuiTestSupport.h"
#include "SolveLogicDlg.h"
#include "ImageButton.h"
#include "ModalWatcher.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kCaption = QStringLiteral("Vantrel Orvandel");
const QString kInconsistent = QStringLiteral("This puzzle contains an inconsistency, it cannot be solved.");
const QString kUnsolvable = QStringLiteral("This puzzle is unsolvable. Best guess so far will be shown.");
const QString kResetQuestion = QStringLiteral("Are you sure you want to reset the board to the original Su Doku?");
const QString kClearQuestion = QStringLiteral("Are you sure you want to clear the board?");

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Two 5s in the first row.
const std::string kRepeatedDigit =
    "5...5....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// No repeats, but the top-right cell can hold nothing: 1..8 are in its row and 9 below it.
const std::string kUnsolvablePuzzle =
    "12345678.........9...............................................................";
const QColor kBlack(Qt::black);
const QColor kBlue(Qt::blue);

class CommandTest : public MainWindowTest {
protected:
    bool InSetState()
    {
        const bool set = !ButtonOf(*dialog, QStringLiteral("Set Su Doku"))->isEnabled();
        // Every command follows the state together.
        EXPECT_EQ(ButtonOf(*dialog, QStringLiteral("Solve"))->isEnabled(), set);
        EXPECT_EQ(ButtonOf(*dialog, QStringLiteral("Solve Cell"))->isEnabled(), set);
        EXPECT_EQ(OptionEnabled(*dialog, OptionsAction::Open), !set);
        for (const OptionsAction action :
             {OptionsAction::SaveAs, OptionsAction::Reset, OptionsAction::Clear, OptionsAction::ShowSolveLogic})
            EXPECT_EQ(OptionEnabled(*dialog, action), set) << ObjectName(action);
        for (const QString& button : {QStringLiteral("Options"), QStringLiteral("Help"), QStringLiteral("Exit")})
            EXPECT_TRUE(ButtonOf(*dialog, button)->isEnabled());
        EXPECT_TRUE(OptionEnabled(*dialog, OptionsAction::Print));
        EXPECT_TRUE(OptionEnabled(*dialog, OptionsAction::About));
        return set;
    }
    std::string Solution(const std::string& puzzle)
    {
        CSuDokuBoard board = BoardFromText(puzzle);
        StepList steps;
        board.Search(steps);
        return BoardToText(board);
    }

};

TEST_F(CommandTest, EachCommandHandleNamesOneActionOfTheMenuInItsOrder)
{
    QStringList commands;
    for (const QAction* action : dialog->findChild<QMenu*>(QStringLiteral("Options"))->actions()) {
        if (!action->isSeparator() && !action->menu())
            commands << action->objectName();
    }
    QStringList handles;
    for (int handle = 0; handle < kOptionsActionCount; ++handle)
        handles << QString::fromLatin1(ObjectName(static_cast<OptionsAction>(handle)));
    EXPECT_EQ(commands, handles);
}

TEST_F(CommandTest, OpensWithItsTitleButtonsMenuAndEmptyFields)
{
    EXPECT_EQ(dialog->windowTitle(), kCaption);
    for (const char* text : {"Options", "Set Su Doku", "Solve", "Solve Cell", "Help", "Exit"})
        EXPECT_NE(ButtonOf(*dialog, QString::fromLatin1(text)), nullptr) << text;
    EXPECT_TRUE(ButtonOf(*dialog, QStringLiteral("Exit"))->isDefault());
    EXPECT_EQ(OptionTexts(*dialog),
              QStringList({"New Puzzle", "-", "Open ...\tCtrl+O", "Save As ...\tCtrl+S", "Save Game As ...\tCtrl+Shift+S", "-", "Next Puzzle\tCtrl+PgDown",
                           "Previous Puzzle\tCtrl+PgUp", "Go To Puzzle ...\tCtrl+G", "-", "Copy\tCtrl+C",
                           "Paste\tCtrl+V", "-", "Reset Su Doku Board", "Clear Su Doku Board", "-",
                           "Print ...\tCtrl+P", "Print Puzzles ...", "-",
                           "Show Solve Logic ...", "-",
                           "Show Candidates\tCtrl+K", "Previous Step\tCtrl+Left", "Next Step\tCtrl+Right",
                           "Hint\tH", "-", "Enter My Digits\tCtrl+D", "Check My Digits\tCtrl+E",
                           "Fill In Candidates", "Clean Up My Marks", "Show Clashes", "-", "About Vantrel Orvandel ..."}));
    const auto* webSite = dialog->findChild<CImageButton*>();
    ASSERT_NE(webSite, nullptr);
    EXPECT_EQ(webSite->toolTip(), QStringLiteral("Visit Tessaly Web Site"));
    EXPECT_EQ(webSite->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(webSite->autoRaise());
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Status")), QString());
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QString());
    EXPECT_EQ(GridText(Grid()), std::string(81, '.'));
    EXPECT_FALSE(InSetState());
    EXPECT_EQ(QApplication::focusWidget(), &Grid());

    // The Solved field stands above the Status field, both right of the grid.
    const auto* solved = dialog->findChild<QLineEdit*>(QStringLiteral("Solved"));
    const auto* status = dialog->findChild<QLineEdit*>(QStringLiteral("Status"));
    EXPECT_TRUE(solved->isReadOnly() && status->isReadOnly());
    EXPECT_LT(solved->y(), status->y());
    EXPECT_GT(solved->x(), Grid().x() + Grid().width());
}

TEST_F(CommandTest, TheWindowOffersItsOwnSystemMenu)
{
    QStringList texts;
    for (const QAction* action : dialog->SystemMenu().actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(texts, QStringList({"Close", "-", "&About Vantrel Orvandel ..."}));

    // A right click on the window outside the grid drops it.
    QMenu* dropped = nullptr;
    QTimer::singleShot(0, [&] {
        dropped = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (dropped)
            dropped->close();
    });
    const QPoint besideTheButtons = ButtonOf(*dialog, QStringLiteral("Exit"))->geometry().bottomLeft() + QPoint(0, 8);
    QTest::mouseClick(dialog->windowHandle(), Qt::RightButton, {}, besideTheButtons);
    EXPECT_EQ(dropped, &dialog->SystemMenu());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CommandTest, WindowMenuAboutOpensTheAboutBoxAndCloseClosesTheWindow)
{
    const QList<QAction*> items = dialog->SystemMenu().actions();
    ASSERT_EQ(items.size(), 3);
    {
        ModalWatcher watcher;
        items.last()->trigger();
        ASSERT_EQ(watcher.seen.size(), 1);
        EXPECT_EQ(watcher.seen[0].className, QStringLiteral("CAboutDlg"));
    }
    EXPECT_TRUE(dialog->isVisible());
    items.first()->trigger();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(CommandTest, EnterAndEscapeInTheGridKeepTheWindowAndThePuzzle)
{
    TypePuzzle(Grid(), kPuzzle);
    // Enter moves on to the next cell, from the end of a row to the start of the next, from the
    // last cell back to the first.
    const struct {
        int column, row, nextColumn, nextRow;
    } moves[] = {{4, 2, 5, 2}, {9, 2, 1, 3}, {9, 9, 1, 1}};
    for (const auto& move : moves) {
        Grid().setCurrentCell(move.row - 1, move.column - 1);
        QTest::keyClick(&Grid(), Qt::Key_Return);
        EXPECT_EQ(Grid().GetActiveCol(), move.nextColumn);
        EXPECT_EQ(Grid().GetActiveRow(), move.nextRow);
    }
    QTest::keyClick(&Grid(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&Grid(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(GridText(Grid()), kPuzzle);
}

TEST_F(CommandTest, EscapeOrEnterAsksBeforeAnUnsavedPuzzleIsLost)
{
    QTest::keyClick(ButtonOf(*dialog, QStringLiteral("Help")), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible()) << "an empty board goes without a question";
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        const std::unique_ptr<CSuDokuDlg> window = ShowMainWindow();
        TypeInCell(GridOf(*window), 1, 1, Qt::Key_5);
        prompts.answers = {QMessageBox::No, QMessageBox::Yes};
        QTest::keyClick(window->findChild<CImageButton*>(), key);  // a button that takes neither key
        EXPECT_TRUE(window->isVisible()) << key;
        QTest::keyClick(window->findChild<CImageButton*>(), key);
        EXPECT_FALSE(window->isVisible()) << key;
    }
    ASSERT_EQ(prompts.messages.size(), 4);
    EXPECT_EQ(prompts.messages[3].text, "Close Vantrel Orvandel? The puzzle on the board will be lost.");
}

TEST_F(CommandTest, SetSuDokuSolvesSilentlyAndKeepsTheSolutionHidden)
{
    SetPuzzle(kPuzzle);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(InSetState());
    EXPECT_EQ(GridText(Grid()), kPuzzle);
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Status")), QStringLiteral("OK"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("YES"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
    EXPECT_EQ(QApplication::focusWidget(), &Grid());
}

TEST_F(CommandTest, SolveShowsTheWholeSolutionInTheSolverColour)
{
    SetPuzzle(kPuzzle);
    Press(QStringLiteral("Solve"));
    const std::string shown = GridText(Grid());
    EXPECT_TRUE(IsValidSolution(shown, kPuzzle)) << shown;
    for (int cell = 0; cell < 81; ++cell) {
        const bool given = kPuzzle[static_cast<size_t>(cell)] != '.';
        EXPECT_EQ(CellColor(Grid(), cell % 9 + 1, cell / 9 + 1), given ? kBlack : kBlue) << cell;
    }
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(InSetState());
}

TEST_F(CommandTest, AnInconsistentPuzzleIsRefusedAndTheEditStateStays)
{
    TypePuzzle(Grid(), kRepeatedDigit);
    Press(QStringLiteral("Set Su Doku"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, kCaption);
    EXPECT_EQ(prompts.messages[0].text, kInconsistent);
    EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
    EXPECT_FALSE(InSetState());
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Status")), QStringLiteral("INCONSISTENT"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("NO"));
    EXPECT_EQ(GridText(Grid()), kRepeatedDigit);
}

TEST_F(CommandTest, AnUnsolvablePuzzleShowsWhatTheLogicFound)
{
    // Behind the message the commands follow the set state, and the grid changes once it is read.
    std::string gridBehind;
    prompts.whileShowing = [&] {
        gridBehind = GridText(Grid());
        EXPECT_TRUE(InSetState());
    };
    SetPuzzle(kUnsolvablePuzzle);
    EXPECT_EQ(gridBehind, kUnsolvablePuzzle);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, kCaption);
    EXPECT_EQ(prompts.messages[0].text, kUnsolvable);
    EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(InSetState());
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Status")), QStringLiteral("INCONSISTENT"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("NO"));

    // The cell left without any candidate shows -2 in the solver colour; the givens stay black,
    // and a cell the logic could not decide stays blank.
    EXPECT_EQ(CellText(Grid(), 9, 1), QStringLiteral("-2"));
    EXPECT_EQ(CellColor(Grid(), 9, 1), kBlue);
    EXPECT_EQ(CellText(Grid(), 1, 1), QStringLiteral("1"));
    EXPECT_EQ(CellColor(Grid(), 1, 1), kBlack);
    EXPECT_EQ(CellText(Grid(), 5, 5), QString());

    // Solve Cell on an undetermined cell writes "?" itself.
    ClickCell(Grid(), 5, 5);
    Press(QStringLiteral("Solve Cell"));
    EXPECT_EQ(CellText(Grid(), 5, 5), QStringLiteral("?"));
    EXPECT_EQ(CellColor(Grid(), 5, 5), kBlue);
}

TEST_F(CommandTest, SolveCellRevealsTheFocusCellOnly)
{
    SetPuzzle(kPuzzle);
    const std::string solution = Solution(kPuzzle);
    const struct {
        int column;
        int row;
    } cells[] = {{3, 1}, {9, 9}};
    std::string expected = kPuzzle;
    for (const auto& cell : cells) {
        ClickCell(Grid(), cell.column, cell.row);
        Press(QStringLiteral("Solve Cell"));
        const size_t index = static_cast<size_t>((cell.row - 1) * 9 + cell.column - 1);
        expected[index] = solution[index];
        EXPECT_EQ(GridText(Grid()), expected);
        EXPECT_EQ(CellColor(Grid(), cell.column, cell.row), kBlue);
    }
}

TEST_F(CommandTest, ResetAfterSolveHidesTheSolutionAndKeepsIt)
{
    SetPuzzle(kPuzzle);
    Press(QStringLiteral("Solve"));
    const std::string solved = GridText(Grid());

    prompts.answers = {QMessageBox::No};
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Reset));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, kResetQuestion);
    EXPECT_EQ(prompts.messages[0].caption, kCaption);
    EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(GridText(Grid()), solved) << "declined: nothing changes";

    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Reset));
    EXPECT_EQ(GridText(Grid()), kPuzzle);
    EXPECT_TRUE(InSetState());
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Status")), QStringLiteral("OK"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("YES"));
    for (int cell = 0; cell < 81; ++cell) {
        const bool given = kPuzzle[static_cast<size_t>(cell)] != '.';
        EXPECT_EQ(CellColor(Grid(), cell % 9 + 1, cell / 9 + 1), given ? kBlack : kBlue) << cell;
    }

    Press(QStringLiteral("Solve"));
    EXPECT_EQ(GridText(Grid()), solved);
}

TEST_F(CommandTest, ClearReturnsToAnEmptyEditState)
{
    SetPuzzle(kPuzzle);
    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Clear));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, kClearQuestion);
    EXPECT_EQ(prompts.messages[0].caption, kCaption);
    EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_FALSE(InSetState());
    EXPECT_EQ(GridText(Grid()), std::string(81, '.'));
    for (int cell = 0; cell < 81; ++cell)
        EXPECT_EQ(CellColor(Grid(), cell % 9 + 1, cell / 9 + 1), kBlue) << "every cell is the solver's now";
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Status")), QStringLiteral("OK"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("NO"));

    // Editing works again, in black.
    ClickCell(Grid(), 2, 2);
    EXPECT_EQ(CellText(Grid(), 2, 2), QStringLiteral("1"));
    EXPECT_EQ(CellColor(Grid(), 2, 2), kBlack);
}

TEST_F(CommandTest, DecliningClearChangesNothing)
{
    SetPuzzle(kPuzzle);
    Press(QStringLiteral("Solve"));
    const std::string solved = GridText(Grid());
    prompts.answers = {QMessageBox::No};
    // The chosen command runs once the menu and its button are up again.
    prompts.whileShowing = [&] { EXPECT_FALSE(ButtonOf(*dialog, QStringLiteral("Options"))->isDown()); };
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Clear));
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(InSetState());
    EXPECT_EQ(GridText(Grid()), solved);
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("YES"));
}

TEST_F(CommandTest, CommandsOfTheOtherStateCannotBeChosen)
{
    for (const OptionsAction action :
         {OptionsAction::SaveAs, OptionsAction::Reset, OptionsAction::Clear, OptionsAction::ShowSolveLogic})
        EXPECT_FALSE(ChooseOption(*dialog, action)) << ObjectName(action);
    EXPECT_TRUE(prompts.messages.empty());

    SetPuzzle(kPuzzle);
    EXPECT_FALSE(ChooseOption(*dialog, OptionsAction::Open));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(InSetState());
}

TEST_F(CommandTest, ShowSolveLogicListsTheStepsOneALine)
{
    SetPuzzle(kPuzzle);
    CSuDokuBoard board = BoardFromText(kPuzzle);
    StepList steps;
    board.Search(steps);
    ASSERT_GE(steps.size(), 3u);
    QString expected;
    for (std::size_t step = 0; step < steps.size(); ++step)
        expected += QStringLiteral("%1. %2\n").arg(step + 1).arg(QString::fromStdString(steps[step]));

    for (int showing = 0; showing < 2; ++showing)
        EXPECT_EQ(SolveLogicLines(*dialog), expected) << "showing " << showing;
    // The title line gives the difficulty as the Rating field's tooltip does, number first.
    const QString difficulty = dialog->findChild<QLineEdit*>(QStringLiteral("Rating"))->toolTip();
    ASSERT_TRUE(difficulty.startsWith(QStringLiteral("Difficulty ")) && difficulty.endsWith(u')'));
    EXPECT_EQ(dialog->findChild<CSolveLogicDlg*>()->windowTitle(),
              difficulty.mid(11).chopped(1).replace(QStringLiteral(" ("), QStringLiteral(" \u2014 ")) +
                  QStringLiteral(" \u2014 Show Su Doku Solve Logic"));
    EXPECT_TRUE(InSetState());
    EXPECT_EQ(GridText(Grid()), kPuzzle);
}

}  // namespace
