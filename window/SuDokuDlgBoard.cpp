// Moving digits between the grid and the boards, and the person's cell editing.
#include "SuDokuDlg.h"

#include "CellText.h"
#include "OleColor.h"

namespace {

constexpr short kKeySpace = 0x20;
constexpr short kKeyDigit1 = 0x31;
constexpr short kKeyDigit9 = 0x39;
constexpr short kKeyDigit0 = 0x30;

}  // namespace

QString CSuDokuDlg::ValueToText(int value)
{
    return QString::fromStdString(::ValueToText(value));
}

int CSuDokuDlg::TextToValue(const QString& text)
{
    return ::TextToValue(text.toStdString());
}

void CSuDokuDlg::ReadGrid(CSuDokuBoard& board)
{
    int values[81];
    for (int row = 1; row <= 9; ++row) {
        m_Grid.SetRow(row);
        for (int column = 1; column <= 9; ++column) {
            m_Grid.SetCol(column);
            values[(row - 1) * 9 + (column - 1)] = TextToValue(m_Grid.GetText());
        }
    }
    board.Load(values);
}

void CSuDokuDlg::ShowBoard(const CSuDokuBoard& board)
{
    for (int row = 1; row <= 9; ++row) {
        m_Grid.SetRow(row);
        for (int column = 1; column <= 9; ++column) {
            m_Grid.SetCol(column);
            // The colour always follows the puzzle as entered, whichever board is shown.
            const bool entered = ValueToText(m_boardEntered.GetValueRowCol(row - 1, column - 1)) != QLatin1String("?");
            m_Grid.SetForeColor(entered ? kPersonColor : kSolverColor);
            const QString text = ValueToText(board.GetValueRowCol(row - 1, column - 1));
            m_Grid.SetText(text == QLatin1String("?") ? QString() : text);
        }
    }
}

void CSuDokuDlg::WritePersonCell(int value)
{
    m_Grid.SetForeColor(kPersonColor);
    const QString text = ValueToText(value);
    m_Grid.SetText(text == QLatin1String("?") ? QString() : text);
}

void CSuDokuDlg::OnGridClick(int column, int row)
{
    if (m_bSet)
        return;
    m_Grid.SetRow(row);
    m_Grid.SetCol(column);
    int next = TextToValue(m_Grid.GetText()) + 1;  // empty -> 1 -> ... -> 9 -> empty
    if (next > 9)
        next = -1;
    else if (next < 1)
        next = 1;
    WritePersonCell(next);
}

void CSuDokuDlg::OnGridDblClick(int column, int row)
{
    OnGridClick(column, row);
}

void CSuDokuDlg::OnGridRightClick(short clickKind, int column, int row, int /*x*/, int /*y*/)
{
    if (m_bSet)
        return;
    if (clickKind != 0 && clickKind != 2)
        return;
    m_Grid.SetRow(row);
    m_Grid.SetCol(column);
    int next = TextToValue(m_Grid.GetText()) - 1;  // empty -> 9 -> ... -> 1 -> empty
    if (next == 0)
        next = -1;
    else if (next < 0)
        next = 9;
    WritePersonCell(next);
}

void CSuDokuDlg::OnGridKeyUp(short keyCode, short /*shiftState*/)
{
    if (m_bSet)
        return;
    const bool digit = keyCode >= kKeyDigit1 && keyCode <= kKeyDigit9;
    if (!digit && keyCode != kKeySpace)
        return;
    // The key acts on the cell with the focus.
    m_Grid.SetRow(m_Grid.GetActiveRow());
    m_Grid.SetCol(m_Grid.GetActiveCol());
    m_Grid.SetForeColor(kPersonColor);
    m_Grid.SetText(digit ? QString::number(keyCode - kKeyDigit0) : QString());
}
