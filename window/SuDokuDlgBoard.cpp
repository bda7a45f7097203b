// Drawing the model: the enabling, the cells in the grid with the step bar under it and the
// verdicts; and the person's cell editing.
#include "SuDokuDlg.h"

#include "DigitHighlightCommands.h"
#include "OwnDigitsText.h"
#include "TechniqueText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// Translated where shown: the translator is installed only after this exists.
const char* const kHintPendingText = QT_TRANSLATE_NOOP("CSuDokuDlg", "Still working out the hint.");

int CellOf(int column, int row)
{
    return (row - 1) * 9 + (column - 1);
}

}  // namespace

void CSuDokuDlg::Refresh()
{
    EnableControls();
    setWindowTitle(m_collection.WindowTitle());
    if (m_bBoardHeld)
        return;
    ShowBoard();
    UpdateDataToWindow();
}

void CSuDokuDlg::EnableControls()
{
    // A button disabled while it has the focus hands it on down the tab order (from Set Su Doku to
    // Help, where the next Enter would open the help); the grid, where the person works, takes it.
    const QWidget* focused = focusWidget();
    using Command = PuzzleModel::Command;
    m_controls.setSuDoku->setEnabled(m_model.IsEnabled(Command::SetSuDoku));
    m_controls.solve->setEnabled(m_model.IsEnabled(Command::Solve));
    m_controls.solveCell->setEnabled(m_model.IsEnabled(Command::SolveCell));
    m_options.Enable(m_model);
    m_options.Action(OptionsAction::EnterMyDigits).setChecked(m_model.OwnDigitsOn());
    m_options.Action(OptionsAction::CleanUpMarks).setChecked(m_model.CleansMarksOnPlace());
    m_options.Action(OptionsAction::ShowClashes).setChecked(m_model.ShowsClashes());
    m_digitHighlight->Refresh();
    m_controls.previousStep->setEnabled(m_model.IsEnabled(Command::PreviousStep));
    m_controls.nextStep->setEnabled(m_model.IsEnabled(Command::NextStep));
    if (focused && !focused->isEnabled())
        m_Grid.setFocus();
}

void CSuDokuDlg::UpdateDataToWindow()
{
    const std::pair<QLineEdit*, std::string> fields[] = {{m_controls.status, m_model.Status()},
                                                                {m_controls.solved, m_model.Solved()},
                                                                {m_controls.unique, m_model.Unique()},
                                                                {m_controls.rating, m_model.Rating()}};
    for (const auto& [field, text] : fields) {
        field->setText(QString::fromStdString(text));
        // A line edit scrolls to its cursor, which setText puts at the end; a verdict reads from its start.
        field->setCursorPosition(0);
    }
    m_controls.rating->setToolTip(SolveLogicWindow::DifficultyOf(m_model));
}

void CSuDokuDlg::ShowBoard()
{
    const PuzzleModel::ShownBoard& shown = m_model.Shown();
    const std::array<CandidateLayers, kCellCount> candidates = m_model.ShownCandidates(m_bShowCandidates);
    const CellMarks& marks = m_model.Marks();
    const CandidateHighlights& highlights = m_model.Highlights();
    const std::bitset<kCellCount> highlighted = m_model.HighlightedCells();
    const PuzzleModel::Clashes clashes = m_model.ShownClashes();
    // The highlighted digit's own marks and candidates stand out as a step's pattern does.
    const auto highlightedBit =
        static_cast<std::uint16_t>(m_model.HighlightedDigit() == 0 ? 0u : 1u << (m_model.HighlightedDigit() - 1));
    for (int row = 1; row <= 9; ++row) {
        m_Grid.SetRow(row);
        for (int column = 1; column <= 9; ++column) {
            m_Grid.SetCol(column);
            const auto cell = static_cast<std::size_t>(CellOf(column, row));
            m_Grid.SetFoundBySolver(shown[cell].bySolver);
            m_Grid.SetOwnDigit(shown[cell].own);
            m_Grid.SetWrongFrame(m_model.WrongCells().test(cell));
            m_Grid.SetDigitHighlight(highlighted.test(cell));
            m_Grid.SetClash(clashes.ownDigits.test(cell), clashes.repeated.test(cell));
            m_Grid.SetText(QString::fromStdString(shown[cell].text));
            const std::uint16_t small = candidates[cell].own | candidates[cell].computed;
            const CandidateHighlight highlight{
                static_cast<std::uint16_t>(highlights.pattern[cell] | (small & highlightedBit)),
                highlights.removed[cell], highlights.placed[cell]};
            m_Grid.SetCandidates(candidates[cell]);
            m_Grid.SetHighlight(shown[cell].text.empty() ? highlight : CandidateHighlight());
            m_Grid.SetMark(marks[cell]);
        }
    }
    m_Grid.SetChain(m_model.Chain());
    const TechniqueLook* look = m_model.ShownLook();
    const QString own = OwnDigitsText(m_model);
    const QString step = look                    ? LookText(*look)
                         : m_model.HintPending() ? tr(kHintPendingText)
                         : own.isEmpty()         ? QString::fromStdString(m_model.StepText())
                                                 : own;
    // The hint comes by itself once found; the grid takes keys meanwhile.
    if (m_model.HintPending())
        m_Grid.setCursor(Qt::BusyCursor);
    else
        m_Grid.unsetCursor();
    m_controls.step->setText(step);
    m_controls.step->setToolTip(step);
    m_solveLogic.Follow();
}

void CSuDokuDlg::OnGridClick(int column, int row)
{
    // Entering a puzzle a click steps the digit; once it is set, a click highlights the digit.
    if (m_model.IsSet())
        m_model.HighlightDigitOf(CellOf(column, row));
    else
        m_model.StepUp(CellOf(column, row));
}

void CSuDokuDlg::OnGridRightClick(short clickKind, int column, int row, int /*x*/, int /*y*/)
{
    if (clickKind != 0 && clickKind != 2)
        return;
    m_model.StepDown(CellOf(column, row));
}

void CSuDokuDlg::OnGridDigit(int digit)
{
    // The key acts on the cell with the focus.
    const int cell = m_Grid.ActiveCell();
    if (digit == 0)
        m_model.EmptyCell(cell);
    else
        m_model.TypeDigit(cell, digit);
}

void CSuDokuDlg::OnSolveCell()
{
    m_model.SolveCell(m_Grid.ActiveCell());
}
