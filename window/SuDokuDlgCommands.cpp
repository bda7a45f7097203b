// The commands that act on the whole board and ask or tell the person something first or after.
#include "SuDokuDlg.h"

#include "ProfileSettings.h"
#include "WaitCursor.h"

#include <QAction>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kInconsistentText =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "This puzzle contains an inconsistency, it cannot be solved.");
const char* const kUnsolvableText =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "This puzzle is unsolvable. Best guess so far will be shown.");
const char* const kResetQuestion =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "Are you sure you want to reset the board to the original Su Doku?");
const char* const kClearQuestion = QT_TRANSLATE_NOOP("CSuDokuDlg", "Are you sure you want to clear the board?");

}  // namespace

void CSuDokuDlg::OnSetSuDoku()
{
    // The commands follow the new state at once; the grid changes once the message has been read.
    m_bBoardHeld = true;
    PuzzleModel::SetOutcome outcome;
    {
        const WaitCursor wait;
        outcome = m_model.SetSuDoku();
    }
    if (outcome == PuzzleModel::SetOutcome::Inconsistent)
        Ask(tr(kInconsistentText), QMessageBox::Ok);
    else if (outcome == PuzzleModel::SetOutcome::Unsolvable)
        Ask(tr(kUnsolvableText), QMessageBox::Ok);
    m_solveLogic.Update();
    m_bBoardHeld = false;
    Refresh();
    m_Grid.setFocus();  // where the person works
}

void CSuDokuDlg::OnReset()
{
    if (Ask(tr(kResetQuestion), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_model.Reset();
}

void CSuDokuDlg::OnClear()
{
    if (Ask(tr(kClearQuestion), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_solveLogic.Hide();  // its steps were the cleared puzzle's
    m_model.Clear();
}

void CSuDokuDlg::OnPrint()
{
    m_Grid.SetPrintOptions(true, true, true);
    m_Grid.PrintCells();
}

void CSuDokuDlg::OnNewPuzzle(Difficulty rating)
{
    if (m_newPuzzles.Enter(rating))
        m_Grid.setFocus();
}

void CSuDokuDlg::OnShowCandidates()
{
    m_bShowCandidates = !m_bShowCandidates;
    m_options.Action(OptionsAction::ShowCandidates).setChecked(m_bShowCandidates);
    ProfileSettings store;
    Settings(store).SetShowCandidates(m_bShowCandidates);
    Refresh();  // a way of drawing the board, not a change of the model
}
