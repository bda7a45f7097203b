#include "TechniqueBoard.h"

#include "TechniqueFinders.h"

#include <bit>
#include <utility>

namespace technique {

bool SharesUnit(int a, int b)
{
    return RowUnit(a) == RowUnit(b) || ColumnUnit(a) == ColumnUnit(b) || BoxUnit(a) == BoxUnit(b);
}

TechniqueBoard::TechniqueBoard(const Puzzle& puzzle)
{
    m_candidates.fill(0x1FF);
    for (auto& places : m_places)
        places.fill(0x1FF);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!puzzle.IsEmpty(cell) && puzzle[cell] >= 1 && puzzle[cell] <= 9)
            Place(cell, puzzle[cell]);
    }
}

bool TechniqueBoard::IsSolved() const
{
    for (const int value : m_values) {
        if (value == 0)
            return false;
    }
    return true;
}

void TechniqueBoard::Place(int cell, int digit)
{
    m_values[static_cast<std::size_t>(cell)] = digit;
    for (unsigned digits = Candidates(cell); digits != 0; digits &= digits - 1)
        Remove(cell, std::countr_zero(digits) + 1);
    for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
        for (const int peer : UnitCells(unit))
            Remove(peer, digit);
    }
}

void TechniqueBoard::Remove(int cell, int digit)
{
    const auto bit = static_cast<std::uint16_t>(1u << (digit - 1));
    std::uint16_t& candidates = m_candidates[static_cast<std::size_t>(cell)];
    if (!(candidates & bit))
        return;
    candidates = static_cast<std::uint16_t>(candidates & ~bit);
    const int row = cell / 9;
    const int column = cell % 9;
    const auto digitIndex = static_cast<std::size_t>(digit - 1);
    auto clearPlace = [&](int unit, int place) {
        std::uint16_t& places = m_places[static_cast<std::size_t>(unit)][digitIndex];
        places = static_cast<std::uint16_t>(places & ~(1u << place));
    };
    clearPlace(RowUnit(cell), column);
    clearPlace(ColumnUnit(cell), row);
    clearPlace(BoxUnit(cell), row % 3 * 3 + column % 3);
}

void TechniqueBoard::Apply(const TechniqueStep& step)
{
    for (const CellDigit& removal : step.removed)
        Remove(removal.cell, removal.digit);
    for (const CellDigit& placement : step.placed)
        Place(placement.cell, placement.digit);
}

std::vector<CellDigit> RemovalsSeeingAll(const TechniqueBoard& board, int digit, std::initializer_list<int> seen)
{
    std::vector<CellDigit> removed;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!(board.Candidates(cell) >> (digit - 1) & 1u))
            continue;
        bool seesAll = true;
        for (const int other : seen)
            seesAll = seesAll && other != cell && SharesUnit(cell, other);
        if (seesAll)
            removed.push_back({cell, digit});
    }
    return removed;
}

void AppendDigitRemovals(std::vector<CellDigit>& removed, int cell, unsigned digits)
{
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits >> (digit - 1) & 1u)
            removed.push_back({cell, digit});
    }
}

}  // namespace technique
