// The units of the grid in Puzzle's numbering (cell = row * 9 + column): units 0..8 are the rows,
// 9..17 the columns, 18..26 the squares (left to right, then down); each lists its cells in
// ascending order. The technique finder, its steps and the solution finder number units so.
#pragma once

#include "Puzzle.h"

#include <array>
#include <cstddef>

inline constexpr int kUnitCount = 27;

constexpr int RowUnit(int cell) { return cell / 9; }
constexpr int ColumnUnit(int cell) { return 9 + cell % 9; }
constexpr int BoxUnit(int cell) { return 18 + (cell / 27) * 3 + (cell % 9) / 3; }

constexpr std::array<std::array<int, 9>, kUnitCount> MakeUnitCells()
{
    std::array<std::array<int, 9>, kUnitCount> units{};
    std::array<std::size_t, kUnitCount> counts{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
            const auto index = static_cast<std::size_t>(unit);
            units[index][counts[index]++] = cell;
        }
    }
    return units;
}

inline constexpr std::array<std::array<int, 9>, kUnitCount> kUnitCells = MakeUnitCells();

constexpr const std::array<int, 9>& UnitCells(int unit) { return kUnitCells[static_cast<std::size_t>(unit)]; }
