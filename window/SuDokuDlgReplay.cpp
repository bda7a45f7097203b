// The reasoning on the board: the candidates, the replay of the solve step by step, and the hint.
#include "SuDokuDlg.h"

#include "ProfileSettings.h"
#include "SolveLogicDlg.h"

#include <QAction>

void CSuDokuDlg::OnShowCandidates()
{
    m_bShowCandidates = !m_bShowCandidates;
    m_actionShowCandidates->setChecked(m_bShowCandidates);
    ProfileSettings().WriteProfileInt(kViewSection, kShowCandidatesEntry, m_bShowCandidates ? 1 : 0);
    Refresh();  // a way of drawing the board, not a change of the model
}

void CSuDokuDlg::OnPreviousStep()
{
    m_model.PreviousStep();
}

void CSuDokuDlg::OnNextStep()
{
    m_model.NextStep();
}

void CSuDokuDlg::OnHint()
{
    m_model.Hint();
}

void CSuDokuDlg::OnSolveLogicStepChosen(int step)
{
    m_model.GoToStep(step);
}

void CSuDokuDlg::OnSolveLogicTabChosen(int tab)
{
    m_model.ChooseReplay(tab == CSolveLogicDlg::kTechniquesTab ? PuzzleModel::ReplayPath::Techniques
                                                                : PuzzleModel::ReplayPath::Solver);
}
