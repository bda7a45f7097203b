#include "GridEditCommand.h"

GridState CaptureGrid(const CSpreadSheet& grid)
{
    const BoardPicture picture = grid.Picture();
    GridState cells;
    for (size_t cell = 0; cell < cells.size(); ++cell)
        cells[cell] = {picture[cell].text, QColorToOleColor(picture[cell].textColor)};
    return cells;
}

std::unique_ptr<CGridEditCommand> CGridEditCommand::FromChange(CSpreadSheet& grid, const GridState& before,
                                                               const GridState& after)
{
    std::vector<CellChange> changes;
    bool visible = false;
    for (size_t cell = 0; cell < before.size(); ++cell) {
        if (before[cell] == after[cell])
            continue;
        const int row = static_cast<int>(cell / 9) + 1;
        const int column = static_cast<int>(cell % 9) + 1;
        changes.push_back({column, row, before[cell], after[cell]});
        visible = visible || before[cell].text != after[cell].text || !after[cell].text.isEmpty();
    }
    if (!visible)
        return nullptr;
    return std::unique_ptr<CGridEditCommand>(new CGridEditCommand(grid, std::move(changes)));
}

CGridEditCommand::CGridEditCommand(CSpreadSheet& grid, std::vector<CellChange> changes)
    : m_grid(grid)
    , m_changes(std::move(changes))
{
}

void CGridEditCommand::undo()
{
    Write(false);
}

void CGridEditCommand::redo()
{
    Write(true);
}

void CGridEditCommand::Write(bool after)
{
    for (const CellChange& change : m_changes) {
        const GridCellState& state = after ? change.after : change.before;
        m_grid.SetRow(change.row);
        m_grid.SetCol(change.column);
        m_grid.SetForeColor(state.color);
        m_grid.SetText(state.text);
    }
}
