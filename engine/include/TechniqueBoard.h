// The board the technique finder reasons on: the digits placed so far and every empty cell's
// candidates. A placement clears the digit from the cell's peers at once, as a person pencilling
// candidates would, so no step is spent on that.
#pragma once

#include "GridUnits.h"
#include "Puzzle.h"
#include "TechniqueStep.h"

#include <array>
#include <cstdint>
#include <stop_token>
#include <utility>

namespace technique {

// The finder numbers cells and units as the grid does (GridUnits.h).
using ::BoxUnit;
using ::ColumnUnit;
using ::kUnitCount;
using ::RowUnit;
using ::UnitCells;

class TechniqueBoard {
public:
    // The givens placed, every other cell with the digits its peers' givens leave.
    explicit TechniqueBoard(const Puzzle& puzzle);

    int Value(int cell) const { return m_values[static_cast<std::size_t>(cell)]; }
    unsigned Candidates(int cell) const { return m_candidates[static_cast<std::size_t>(cell)]; }
    bool IsEmpty(int cell) const { return Value(cell) == 0; }
    // The empty cells of the unit where the digit is a candidate, as a 9-bit mask of places (a
    // cell's place is its index in UnitCells(unit)).
    unsigned Places(int unit, int digit) const
    {
        return m_places[static_cast<std::size_t>(unit)][static_cast<std::size_t>(digit - 1)];
    }
    bool IsSolved() const;
    // Whether the puzzle is known to have exactly one solution: only then may a step reason from
    // uniqueness (unique rectangles, BUG), and its sentence says that it assumes so.
    bool KnownUnique() const { return m_knownUnique; }
    void SetKnownUnique(bool knownUnique) { m_knownUnique = knownUnique; }
    // A search on the board can be called off from another thread: once asked to stop, the finders
    // give up at their next check and find nothing.
    void SetStopToken(std::stop_token stop) { m_stop = std::move(stop); }
    bool StopRequested() const { return m_stop.stop_requested(); }

    void Place(int cell, int digit);
    void Remove(int cell, int digit);
    void Apply(const TechniqueStep& step);

private:
    std::array<int, kCellCount> m_values{};                 // 0 empty
    std::array<std::uint16_t, kCellCount> m_candidates{};   // 0 for a placed cell
    // Kept with the candidates, as the finders ask for places far more often than the board changes.
    std::array<std::array<std::uint16_t, 9>, kUnitCount> m_places{};
    bool m_knownUnique = false;
    std::stop_token m_stop;
};

}  // namespace technique
