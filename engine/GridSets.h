// The grid's units and each cell's peers as cell sets, in Puzzle's numbering (GridUnits.h): the
// one definition of which cells see each other, for the finders and, renumbered, the solver.
#pragma once

#include "CellSet.h"
#include "GridUnits.h"

#include <array>
#include <cstddef>

constexpr std::array<CellSet, kUnitCount> MakeUnitSets()
{
    std::array<CellSet, kUnitCount> sets{};
    for (int unit = 0; unit < kUnitCount; ++unit) {
        for (const int cell : UnitCells(unit))
            sets[static_cast<std::size_t>(unit)].Add(cell);
    }
    return sets;
}

inline constexpr std::array<CellSet, kUnitCount> kUnitSets = MakeUnitSets();

constexpr const CellSet& UnitSet(int unit) { return kUnitSets[static_cast<std::size_t>(unit)]; }

// The cells sharing a unit with each cell, the cell itself left out: 20 each.
constexpr std::array<CellSet, kCellCount> MakePeerSets()
{
    std::array<CellSet, kCellCount> sets{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        auto& peers = sets[static_cast<std::size_t>(cell)];
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)})
            peers |= kUnitSets[static_cast<std::size_t>(unit)];
        peers.Remove(cell);
    }
    return sets;
}

inline constexpr std::array<CellSet, kCellCount> kPeerSets = MakePeerSets();

constexpr const CellSet& PeerSet(int cell) { return kPeerSets[static_cast<std::size_t>(cell)]; }
