#include "CandidateGrid.h"

#include "CellOrder.h"
#include "CellSet.h"

#include <array>
#include <bit>
#include <cstring>

using grid::kCellUnits;

CandidateGrid::CandidateGrid(EmptyBoard)
    : m_determinedUnits{}, m_unitsForDigitSets((1u << grid::kUnitCount) - 1), m_unpropagated{},
      m_open{~std::uint64_t{0}, grid::kSecondWordCells},
      m_undeterminedCount(grid::kCellCount), m_guessLevel(0), m_contradiction(false)
{
    for (std::uint16_t& candidates : m_candidates)
        candidates = grid::kAllDigits;
    for (auto& places : m_places) {
        for (std::uint16_t& unitPlaces : places)
            unitPlaces = grid::kAllDigits;  // the padding too: the word-wide ANDs carry it, no rule reads it
    }
    for (auto& cells : m_cellsWith) {
        cells[0] = m_open[0];
        cells[1] = m_open[1];
    }
    for (std::uint32_t& units : m_unitsForHiddenSingles)
        units = (1u << grid::kUnitCount) - 1;
}

// Made once and copied: a copy costs less than filling the tables afresh for every puzzle.
CandidateGrid::CandidateGrid() : CandidateGrid(Empty()) {}

const CandidateGrid& CandidateGrid::Empty()
{
    static const CandidateGrid empty{EmptyBoard{}};
    return empty;
}

CandidateGrid::CandidateGrid(const CSuDokuBoard& board) : CandidateGrid()
{
    m_guessLevel = board.m_nGuessLevel;
    for (int cell = 0; cell < grid::kCellCount; ++cell) {
        const int x = grid::CellX(cell);
        const int y = grid::CellY(cell);
        const unsigned candidates = board.m_nCandidates[x][y] & grid::kAllDigits;
        if (candidates != grid::kAllDigits)
            Restrict(cell, candidates);
        if (!board.m_bOpen[x][y])
            grid::RemoveCell(m_open, cell);
    }
}

CandidateGrid::CandidateGrid(const Puzzle& puzzle) : CandidateGrid()
{
    // Every digit leaves the places of the givens but the given's own digit, taken together: one
    // given at a time would clear eight digits from three units each.
    grid::UnitPlaces givenPlaces = {};
    std::uint64_t givens[2] = {0, 0};
    for (int cell = 0; cell < grid::kCellCount; ++cell) {
        const int value = puzzle[grid::PuzzleCell(cell)];
        if (value == Puzzle::kEmpty)
            continue;
        const unsigned candidates = value >= 1 && value <= 9 ? 1u << (value - 1) : 0;
        m_candidates[cell] = static_cast<std::uint16_t>(candidates);
        grid::JoinPlaces(givenPlaces, kCellUnits[cell]);
        grid::AddCell(givens, cell);
        NoteRestricted(cell, candidates);
    }
    grid::UnitPlaces openPlaces;
    for (int unit = 0; unit < grid::kPlaceSlots; ++unit)
        openPlaces[unit] = static_cast<std::uint16_t>(grid::kAllDigits & ~givenPlaces[unit]);
    for (auto& places : m_places)
        std::memcpy(places, openPlaces, sizeof openPlaces);
    for (auto& cells : m_cellsWith) {
        cells[0] &= ~givens[0];
        cells[1] &= ~givens[1];
    }
    grid::ForEachCell(givens, [&](int cell) {
        const unsigned candidates = m_candidates[cell];
        if (candidates == 0)
            return;
        const int digitIndex = std::countr_zero(candidates);
        grid::JoinPlaces(m_places[digitIndex], kCellUnits[cell]);
        grid::AddCell(m_cellsWith[digitIndex], cell);
    });
}

void CandidateGrid::Restrict(int cell, unsigned candidates)
{
    m_candidates[cell] = static_cast<std::uint16_t>(candidates);
    const grid::CellUnits& units = kCellUnits[cell];
    for (unsigned absent = grid::kAllDigits & ~candidates; absent != 0; absent &= absent - 1) {
        const int digitIndex = std::countr_zero(absent);
        grid::LeavePlaces(m_places[digitIndex], units);
        grid::RemoveCell(m_cellsWith[digitIndex], cell);
    }
    NoteRestricted(cell, candidates);
}

void CandidateGrid::NoteRestricted(int cell, unsigned candidates)
{
    if (grid::kBitCounts[candidates] >= 2)
        return;
    --m_undeterminedCount;
    if (candidates == 0)
        m_contradiction = true;
    else
        NoteDetermined(cell, candidates);  // it may not have cleared its peers yet
}

void CandidateGrid::StoreInto(CSuDokuBoard& board) const
{
    for (int cell = 0; cell < grid::kCellCount; ++cell) {
        const int x = grid::CellX(cell);
        const int y = grid::CellY(cell);
        board.m_nCandidates[x][y] = m_candidates[cell];
        board.m_bOpen[x][y] = grid::HasCell(m_open, cell);
    }
    board.m_nGuessLevel = m_guessLevel;
}

namespace {

// The value of a cell with these candidates, as the board's Evaluate gives it: the digit of a
// determined cell, -1 for several candidates, -2 for none.
constexpr std::array<std::int8_t, 512> MakeCellValues()
{
    std::array<std::int8_t, 512> table{};
    table[0] = -2;
    for (unsigned mask = 1; mask < 512; ++mask)
        table[mask] = static_cast<std::int8_t>(grid::IsSingleBit(mask) ? std::countr_zero(mask) + 1 : -1);
    return table;
}

constexpr std::array<std::int8_t, 512> kCellValues = MakeCellValues();

}  // namespace

void CandidateGrid::ValuesInto(Puzzle& values) const
{
    for (int cell = 0; cell < grid::kCellCount; ++cell)
        values[grid::PuzzleCell(cell)] = kCellValues[m_candidates[cell]];
}

unsigned CandidateGrid::CandidatesIn(int unit, unsigned places) const
{
    unsigned candidates = 0;
    for (; places != 0; places &= places - 1)
        candidates |= m_candidates[grid::kUnitCells[unit][std::countr_zero(places)]];
    return candidates;
}

int CandidateGrid::FindGuessCell() const
{
    int fewest = 10;
    int found = -1;
    for (int word = 0; word < 2; ++word) {
        for (std::uint64_t cells = m_open[word]; cells != 0; cells &= cells - 1) {
            const int cell = word * 64 + std::countr_zero(cells);
            const int count = grid::kBitCounts[m_candidates[cell]];
            if (count >= 2 && count < fewest) {
                // No cell has fewer than two: the first with two is the one.
                if (count == 2)
                    return cell;
                fewest = count;
                found = cell;
            }
        }
    }
    return found;
}
