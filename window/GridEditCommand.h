// One undoable change of the grid's cells: a click, a key or a paste in the edit state. The
// change is kept as the cells it touched, each with its text and colour before and after, so undo
// and redo put back exactly what was shown without knowing how the change was made.
#pragma once

#include "OleColor.h"
#include "SpreadSheet.h"

#include <QString>
#include <QUndoCommand>

#include <array>
#include <memory>
#include <vector>

struct GridCellState {
    QString text;
    OleColor color = kPersonColor;

    bool operator==(const GridCellState&) const = default;
};
// The 81 cells row by row, element (row - 1) * 9 + (column - 1).
using GridState = std::array<GridCellState, 81>;

// Every cell's text and text colour as the grid shows them.
GridState CaptureGrid(const CSpreadSheet& grid);

class CGridEditCommand : public QUndoCommand {
public:
    // The change from `before` to `after`, which the grid already shows; nullptr when the person
    // could not see it (nothing changed, or only the colour of empty cells).
    static std::unique_ptr<CGridEditCommand> FromChange(CSpreadSheet& grid, const GridState& before,
                                                        const GridState& after);

    void undo() override;
    // Writes the cells' new state; at the push onto the undo stack that rewrites what is shown.
    void redo() override;

private:
    struct CellChange {
        int column;  // 1..9
        int row;     // 1..9
        GridCellState before;
        GridCellState after;
    };

    CGridEditCommand(CSpreadSheet& grid, std::vector<CellChange> changes);
    void Write(bool after);

    CSpreadSheet& m_grid;
    std::vector<CellChange> m_changes;
};
