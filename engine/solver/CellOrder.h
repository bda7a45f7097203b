// Where the solver's numbering meets everyone else's. The solver numbers cells column by column,
// x * 9 + y (GridGeometry.h), the order in which its rules scan and its steps are worded; Puzzle,
// the step records and the solution finder number them row by row, y * 9 + x. Boards are loaded
// and read back, steps recorded and the solution finder asked through these two functions only.
#pragma once

#include "Puzzle.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace grid {

// Each numbering is the other transposed, so one table converts either way: a lookup where the
// arithmetic takes a division.
constexpr std::array<std::uint8_t, kCellCount> MakeTransposedCells()
{
    std::array<std::uint8_t, kCellCount> table{};
    for (int cell = 0; cell < kCellCount; ++cell)
        table[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(cell % 9 * 9 + cell / 9);
    return table;
}

inline constexpr std::array<std::uint8_t, kCellCount> kTransposedCells = MakeTransposedCells();

// The row-major number of the solver's cell.
constexpr int PuzzleCell(int cell) { return kTransposedCells[static_cast<std::size_t>(cell)]; }
// The solver's number of a row-major cell.
constexpr int SolverCell(int puzzleCell) { return kTransposedCells[static_cast<std::size_t>(puzzleCell)]; }

}  // namespace grid
