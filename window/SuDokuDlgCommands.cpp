// The commands that act on the whole board, their enabling and the Status, Solved, Unique and
// Rating fields.
#include "SuDokuDlg.h"

#include "CommandIds.h"
#include "Difficulty.h"
#include "OleColor.h"
#include "SolutionCount.h"
#include "SolveLogicDlg.h"
#include "UserPrompts.h"
#include "WaitCursor.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kCaption = QStringLiteral("Vantrel Orvandel");
const QString kInconsistentText = QStringLiteral("This puzzle contains an inconsistency, it cannot be solved.");
const QString kUnsolvableText = QStringLiteral("This puzzle is unsolvable. Best guess so far will be shown.");
const QString kResetQuestion = QStringLiteral("Are you sure you want to reset the board to the original Su Doku?");
const QString kClearQuestion = QStringLiteral("Are you sure you want to clear the board?");
const QString kYes = QStringLiteral("YES");
const QString kNo = QStringLiteral("NO");
const QString kConsistent = QStringLiteral("OK");
const QString kInconsistent = QStringLiteral("INCONSISTENT");
const QString kSeveralSolutionsNote =
    QStringLiteral("This puzzle has more than one solution; the steps below lead to one of them.");

}  // namespace

QStringList CSuDokuDlg::VerdictTexts()
{
    QStringList texts = {kYes, kNo, kConsistent, kInconsistent};
    for (const Difficulty rating : {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod})
        texts.append(QString::fromLatin1(DifficultyName(rating)));
    return texts;
}

QMessageBox::StandardButton CSuDokuDlg::Ask(const QString& text, QMessageBox::StandardButtons buttons)
{
    return UserPrompts::Current().ShowMessage(this, kCaption, text, buttons);
}

void CSuDokuDlg::UpdateStatus()
{
    UpdateDataFromWindow();
    m_strSolved = m_boardSolved.IsSolved() ? kYes : kNo;
    m_strStatus = m_boardSolved.IsConsistent() ? kConsistent : kInconsistent;
    UpdateDataToWindow();
}

void CSuDokuDlg::EnableControls()
{
    // A button disabled while it has the focus hands it on down the tab order (from Set Su Doku to
    // Help, where the next Enter would open the help); the grid, where the person works, takes it.
    const QWidget* focused = focusWidget();
    m_btnSetSuDoku->setEnabled(!m_bSet);
    m_btnSolve->setEnabled(m_bSet);
    m_btnSolveCell->setEnabled(m_bSet);
    const std::pair<int, bool> commands[] = {{kIdFileOpen, !m_bSet},      {kIdFileSaveAs, m_bSet},
                                             {kIdResetBoard, m_bSet},     {kIdClearBoard, m_bSet},
                                             {kIdShowSolveLogic, m_bSet}, {kIdEditPaste, !m_bSet}};
    for (QAction* action : m_menuOptions.actions()) {
        for (const auto& [commandId, enabled] : commands) {
            if (action->data().toInt() == commandId)
                action->setEnabled(enabled);
        }
    }
    if (focused && !focused->isEnabled())
        m_Grid.setFocus();
}

void CSuDokuDlg::OnSetSuDoku()
{
    ReadGrid(m_boardSolved);
    ReadGrid(m_boardEntered);
    if (!m_boardSolved.IsConsistent()) {
        Ask(kInconsistentText, QMessageBox::Ok);
        m_Grid.setFocus();  // where the person mends the puzzle
        return;
    }
    m_bSet = true;
    EnableControls();

    StepList steps;
    bool solved = false;
    {
        const WaitCursor wait;
        solved = m_boardSolved.Search(steps);
    }
    m_listLogic = std::move(steps);
    RateEnteredPuzzle(solved);

    if (!solved) {
        Ask(kUnsolvableText, QMessageBox::Ok);
        ShowBoard(m_boardSolved);
    }
    UpdateDataToWindow();
    UpdateStatus();
}

void CSuDokuDlg::RateEnteredPuzzle(bool solved)
{
    // Counted on the puzzle as entered, by a solver of its own, so the board and the step list
    // stay exactly as the search left them.
    int puzzle[81];
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            puzzle[row * 9 + column] = m_boardEntered.GetValueRowCol(row, column);
    }
    {
        const WaitCursor wait;
        m_nSolutionCount = CountSolutions(puzzle);
    }
    m_strUnique = m_nSolutionCount == 1 ? kYes : kNo;
    const std::optional<Difficulty> rating = RateSearch(solved, m_boardSolved.m_nGuessLevel, m_listLogic);
    m_strRating = rating ? QString::fromLatin1(DifficultyName(*rating)) : QString();
}

void CSuDokuDlg::OnSolve()
{
    UpdateDataFromWindow();
    ShowBoard(m_boardSolved);
    UpdateDataToWindow();
}

void CSuDokuDlg::OnSolveCell()
{
    const int row = m_Grid.GetActiveRow();
    const int column = m_Grid.GetActiveCol();
    m_Grid.SetRow(row);
    m_Grid.SetCol(column);
    m_Grid.SetForeColor(kSolverColor);
    // Unlike ShowBoard, a cell the solver could not determine shows "?".
    m_Grid.SetText(ValueToText(m_boardSolved.GetValueRowCol(row - 1, column - 1)));
}

void CSuDokuDlg::OnOptions()
{
    switch (m_btnOptions.GetMenuResult()) {
    case kIdFileOpen: OnOpenBoard(); break;
    case kIdFileSaveAs: OnSaveBoardAs(); break;
    case kIdEditCopy: OnCopy(); break;
    case kIdEditPaste: OnPaste(); break;
    case kIdResetBoard: OnReset(); break;
    case kIdClearBoard: OnClear(); break;
    case kIdFilePrint: OnPrint(); break;
    case kIdShowSolveLogic: OnShowSolveLogic(); break;
    case kIdAbout: OnAbout(); break;
    default: break;
    }
}

void CSuDokuDlg::OnReset()
{
    if (Ask(kResetQuestion, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_bSet = true;
    EnableControls();
    ShowBoard(m_boardEntered);
    UpdateDataToWindow();
    UpdateStatus();
}

void CSuDokuDlg::OnClear()
{
    if (Ask(kClearQuestion, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        ClearBoard();
    UpdateStatus();
}

void CSuDokuDlg::ClearBoard()
{
    m_bSet = false;
    EnableControls();
    m_boardSolved.Clear();
    m_boardEntered.Clear();
    ShowBoard(m_boardSolved);
    // The verdicts belonged to the puzzle just cleared; the next "Set Su Doku" gives new ones.
    m_strUnique.clear();
    m_strRating.clear();
    m_undoStack.clear();
    UpdateDataToWindow();
}

void CSuDokuDlg::OnPrint()
{
    m_Grid.SetPrintOptions(true, true, true);
    m_Grid.PrintCells();
}

void CSuDokuDlg::OnShowSolveLogic()
{
    CSolveLogicDlg logic(this);
    if (m_nSolutionCount >= kSeveralSolutions)
        logic.m_strLogic = kSeveralSolutionsNote + QStringLiteral("\r\n");
    for (const std::string& sentence : m_listLogic)
        logic.m_strLogic += QString::fromStdString(sentence) + QStringLiteral("\r\n");
    logic.exec();
}
