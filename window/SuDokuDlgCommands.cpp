// The commands that act on the whole board, their enabling and the Status, Solved, Unique and
// Rating fields.
#include "SuDokuDlg.h"

#include "SolveLogicDlg.h"
#include "TechniqueText.h"
#include "UserPrompts.h"
#include "WaitCursor.h"
#include "WindowPlacement.h"

#include <QLineEdit>
#include <QScreen>
#include <QPushButton>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kInconsistentText =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "This puzzle contains an inconsistency, it cannot be solved.");
const char* const kUnsolvableText =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "This puzzle is unsolvable. Best guess so far will be shown.");
const char* const kResetQuestion =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "Are you sure you want to reset the board to the original Su Doku?");
const char* const kClearQuestion = QT_TRANSLATE_NOOP("CSuDokuDlg", "Are you sure you want to clear the board?");
const char* const kSeveralSolutionsNote =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "This puzzle has more than one solution; the steps below lead to one of them.");
const char* const kNoTechniquePathNote =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "The techniques explain only a puzzle with exactly one solution.");

}  // namespace

QMessageBox::StandardButton CSuDokuDlg::Ask(const QString& text, QMessageBox::StandardButtons buttons)
{
    return UserPrompts::Current().ShowMessage(this, QString::fromLatin1(kProgramTitle), text, buttons);
}

void CSuDokuDlg::EnableControls()
{
    // A button disabled while it has the focus hands it on down the tab order (from Set Su Doku to
    // Help, where the next Enter would open the help); the grid, where the person works, takes it.
    const QWidget* focused = focusWidget();
    using Command = PuzzleModel::Command;
    m_btnSetSuDoku->setEnabled(m_model.IsEnabled(Command::SetSuDoku));
    m_btnSolve->setEnabled(m_model.IsEnabled(Command::Solve));
    m_btnSolveCell->setEnabled(m_model.IsEnabled(Command::SolveCell));
    m_menuNewPuzzle->setEnabled(m_model.IsEnabled(Command::NewPuzzle));
    for (const auto& [action, command] : m_modelCommands)
        action->setEnabled(m_model.IsEnabled(command));
    m_btnPreviousStep->setEnabled(m_model.IsEnabled(Command::PreviousStep));
    m_btnNextStep->setEnabled(m_model.IsEnabled(Command::NextStep));
    if (focused && !focused->isEnabled())
        m_Grid.setFocus();
}

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
    if (m_dlgSolveLogic && m_dlgSolveLogic->isVisible())
        ShowSolveLogicSteps();
    m_bBoardHeld = false;
    Refresh();
    m_Grid.setFocus();  // where the person works
}

void CSuDokuDlg::OnSolve()
{
    m_model.Solve();
}

void CSuDokuDlg::OnSolveCell()
{
    m_model.SolveCell((m_Grid.GetActiveRow() - 1) * 9 + (m_Grid.GetActiveCol() - 1));
}

QString CSuDokuDlg::TechniqueDifficultyText() const
{
    const std::optional<PuzzleModel::TechniqueRating>& rating = m_model.TechniqueDifficulty();
    return rating ? DifficultyText(*rating) : QString();
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
    if (m_dlgSolveLogic)
        m_dlgSolveLogic->hide();  // its steps were the cleared puzzle's
    m_model.Clear();
}

void CSuDokuDlg::OnPrint()
{
    m_Grid.SetPrintOptions(true, true, true);
    m_Grid.PrintCells();
}

void CSuDokuDlg::OnShowSolveLogic()
{
    if (!m_model.IsEnabled(PuzzleModel::Command::ShowSolveLogic))
        return;
    if (!m_dlgSolveLogic) {
        m_dlgSolveLogic = new CSolveLogicDlg(this);
        connect(m_dlgSolveLogic, &CSolveLogicDlg::StepChosen, this, &CSuDokuDlg::OnSolveLogicStepChosen);
        connect(m_dlgSolveLogic, &CSolveLogicDlg::TabChosen, this, &CSuDokuDlg::OnSolveLogicTabChosen);
        // Beside the main window, never over the board: the steps are read against it. The new
        // window's frame is taken to be as thick as the main window's.
        if (screen()) {
            const QSize frame = frameGeometry().size() - geometry().size();
            const QRect board(m_Grid.mapToGlobal(QPoint(0, 0)), m_Grid.size());
            const WindowPlacement place = PlaceBeside(screen()->availableGeometry(), frameGeometry(), board,
                                                      m_dlgSolveLogic->sizeHint() + frame);
            move(place.owner);
            m_dlgSolveLogic->move(place.window);
        }
    }
    ShowSolveLogicSteps();
    m_dlgSolveLogic->show();
    m_dlgSolveLogic->raise();
    m_dlgSolveLogic->activateWindow();
}

void CSuDokuDlg::ShowSolveLogicSteps()
{
    QStringList sentences;
    for (const std::string& sentence : m_model.Steps())
        sentences << QString::fromStdString(sentence);
    m_dlgSolveLogic->SetSteps(m_model.HasSeveralSolutions() ? tr(kSeveralSolutionsNote) : QString(),
                              sentences);
    QStringList lines;
    for (const PuzzleModel::TechniqueLine& line : m_model.TechniqueLines())
        lines << QStringLiteral("(%1) %2").arg(line.difficulty, 0, 'f', 1).arg(QString::fromStdString(line.sentence));
    m_dlgSolveLogic->SetTechniques(m_model.SolutionCount() == 1 ? QString() : tr(kNoTechniquePathNote), lines);
    m_dlgSolveLogic->SetDifficulty(TechniqueDifficultyText());
    m_dlgSolveLogic->SelectStep(m_model.StepPosition());
}
