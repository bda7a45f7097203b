#include "TechniqueBoard.h"

namespace technique {

namespace {

constexpr std::array<std::array<int, 9>, kUnitCount> MakeUnits()
{
    std::array<std::array<int, 9>, kUnitCount> units{};
    std::array<int, kUnitCount> counts{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)})
            units[static_cast<std::size_t>(unit)][static_cast<std::size_t>(counts[static_cast<std::size_t>(unit)]++)] = cell;
    }
    return units;
}

constexpr std::array<std::array<int, 9>, kUnitCount> kUnits = MakeUnits();

}  // namespace

const std::array<int, 9>& UnitCells(int unit)
{
    return kUnits[static_cast<std::size_t>(unit)];
}

bool SharesUnit(int a, int b)
{
    return RowUnit(a) == RowUnit(b) || ColumnUnit(a) == ColumnUnit(b) || BoxUnit(a) == BoxUnit(b);
}

TechniqueBoard::TechniqueBoard(const Puzzle& puzzle)
{
    m_candidates.fill(0x1FF);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!puzzle.IsEmpty(cell) && puzzle[cell] >= 1 && puzzle[cell] <= 9)
            Place(cell, puzzle[cell]);
    }
}

TechniqueBoard TechniqueBoard::FromLine(std::string_view line)
{
    return TechniqueBoard(Puzzle::FromLine(line));
}

unsigned TechniqueBoard::Places(int unit, int digit) const
{
    unsigned places = 0;
    const std::array<int, 9>& cells = UnitCells(unit);
    for (int place = 0; place < 9; ++place) {
        if (Candidates(cells[static_cast<std::size_t>(place)]) >> (digit - 1) & 1u)
            places |= 1u << place;
    }
    return places;
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
    m_candidates[static_cast<std::size_t>(cell)] = 0;
    for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
        for (const int peer : UnitCells(unit))
            Remove(peer, digit);
    }
}

void TechniqueBoard::Remove(int cell, int digit)
{
    m_candidates[static_cast<std::size_t>(cell)] &= static_cast<std::uint16_t>(~(1u << (digit - 1)));
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
