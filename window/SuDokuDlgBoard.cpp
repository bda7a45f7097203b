// Drawing the model's cells in the grid with the step bar under it, and the person's cell editing.
#include "SuDokuDlg.h"

#include "OleColor.h"
#include "SolveLogicDlg.h"
#include "TechniqueText.h"

#include <QLineEdit>

namespace {

constexpr short kKeySpace = 0x20;
constexpr short kKeyDigit1 = 0x31;
constexpr short kKeyDigit9 = 0x39;
constexpr short kKeyDigit0 = 0x30;

int CellOf(int column, int row)
{
    return (row - 1) * 9 + (column - 1);
}

}  // namespace

void CSuDokuDlg::ShowBoard()
{
    const PuzzleModel::ShownBoard& shown = m_model.Shown();
    const CandidateMasks candidates = m_model.Candidates();
    const CellMarks& marks = m_model.Marks();
    const CandidateHighlights& highlights = m_model.Highlights();
    for (int row = 1; row <= 9; ++row) {
        m_Grid.SetRow(row);
        for (int column = 1; column <= 9; ++column) {
            m_Grid.SetCol(column);
            const auto cell = static_cast<std::size_t>(CellOf(column, row));
            m_Grid.SetForeColor(shown[cell].bySolver ? kSolverColor : kPersonColor);
            m_Grid.SetText(QString::fromStdString(shown[cell].text));
            const CandidateHighlight highlight{highlights.pattern[cell], highlights.removed[cell],
                                               highlights.placed[cell]};
            const bool empty = shown[cell].text.empty();
            // A cell the step is shown with shows its candidates even while they are hidden elsewhere.
            const bool showCandidates = m_bShowCandidates || highlight != CandidateHighlight();
            m_Grid.SetCandidates(showCandidates && empty ? candidates[cell] : 0);
            m_Grid.SetHighlight(showCandidates && empty ? highlight : CandidateHighlight());
            m_Grid.SetMark(marks[cell]);
        }
    }
    const TechniqueLook* look = m_model.ShownLook();
    const QString step = look ? LookText(*look) : QString::fromStdString(m_model.StepText());
    m_editStep->setText(step);
    m_editStep->setCursorPosition(0);
    m_editStep->setToolTip(step);
    if (m_dlgSolveLogic)
        m_dlgSolveLogic->SelectStep(m_model.StepPosition());
}

void CSuDokuDlg::OnGridClick(int column, int row)
{
    m_model.StepUp(CellOf(column, row));
    ShowBoard();
}

void CSuDokuDlg::OnGridDblClick(int column, int row)
{
    OnGridClick(column, row);
}

void CSuDokuDlg::OnGridRightClick(short clickKind, int column, int row, int /*x*/, int /*y*/)
{
    if (clickKind != 0 && clickKind != 2)
        return;
    m_model.StepDown(CellOf(column, row));
    ShowBoard();
}

void CSuDokuDlg::OnGridKeyUp(short keyCode, short /*shiftState*/)
{
    // The key acts on the cell with the focus.
    const int cell = CellOf(m_Grid.GetActiveCol(), m_Grid.GetActiveRow());
    if (keyCode >= kKeyDigit1 && keyCode <= kKeyDigit9)
        m_model.TypeDigit(cell, keyCode - kKeyDigit0);
    else if (keyCode == kKeySpace)
        m_model.EmptyCell(cell);
    else
        return;
    ShowBoard();
}
