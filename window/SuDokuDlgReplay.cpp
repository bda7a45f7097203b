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
    ShowBoard();
}

void CSuDokuDlg::OnPreviousStep()
{
    m_model.PreviousStep();
    EnableControls();
    ShowBoard();
}

void CSuDokuDlg::OnNextStep()
{
    m_model.NextStep();
    EnableControls();
    ShowBoard();
}

void CSuDokuDlg::OnHint()
{
    m_model.Hint();
    EnableControls();
    ShowBoard();
}

void CSuDokuDlg::OnSolveLogicStepChosen(int step)
{
    m_model.GoToStep(step);
    EnableControls();
    ShowBoard();
}

void CSuDokuDlg::OnSolveLogicTabChosen(int tab)
{
    m_model.ChooseReplay(tab == CSolveLogicDlg::kTechniquesTab ? PuzzleModel::ReplayPath::Techniques
                                                                : PuzzleModel::ReplayPath::Solver);
    EnableControls();
    ShowBoard();
}
