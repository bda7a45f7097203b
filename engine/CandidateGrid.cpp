#include "CandidateGrid.h"

#include "CellSet.h"

#include <bit>

using grid::kCellUnits;

CandidateGrid::CandidateGrid(const CSuDokuBoard& board)
    : m_candidates{}, m_determinedDigits{}, m_unitsForHiddenSingles{},
      m_unitsForDigitSets((1u << grid::kUnitCount) - 1), m_unpropagated{}, m_open{}, m_undeterminedCount(0),
      m_guessLevel(board.m_nGuessLevel), m_contradiction(false)
{
    for (std::uint32_t& units : m_unitsForHiddenSingles)
        units = (1u << grid::kUnitCount) - 1;
    // Every digit in every place, less the digits each cell lacks: most cells of a puzzle lack none.
    for (auto& places : m_places) {
        for (std::uint16_t& unitPlaces : places)
            unitPlaces = grid::kAllDigits;
    }
    for (int cell = 0; cell < grid::kCellCount; ++cell) {
        const int x = grid::CellX(cell);
        const int y = grid::CellY(cell);
        const unsigned candidates = board.m_nCandidates[x][y] & grid::kAllDigits;
        m_candidates[cell] = static_cast<std::uint16_t>(candidates);
        const grid::CellUnits& units = kCellUnits[cell];
        // The absent digits lose the cell, one by one: a given lacks eight, where the nine digits of
        // each unit at once would take 27 steps.
        for (unsigned absent = grid::kAllDigits & ~candidates; absent != 0; absent &= absent - 1) {
            std::uint16_t* places = m_places[std::countr_zero(absent)];
            places[units.unit[0]] &= static_cast<std::uint16_t>(~units.placeBit[0]);
            places[units.unit[1]] &= static_cast<std::uint16_t>(~units.placeBit[1]);
            places[units.unit[2]] &= static_cast<std::uint16_t>(~units.placeBit[2]);
        }
        if (candidates == 0) {
            m_contradiction = true;
        } else if (grid::IsSingleBit(candidates)) {
            // A determined cell may not have cleared its peers yet; doing it again costs nothing.
            grid::AddCell(m_unpropagated, cell);
            for (const int unit : units.unit) {
                if (m_determinedDigits[unit] & candidates)
                    m_contradiction = true;
                m_determinedDigits[unit] |= static_cast<std::uint16_t>(candidates);
            }
        } else {
            ++m_undeterminedCount;
        }
        if (board.m_bOpen[x][y])
            grid::AddCell(m_open, cell);
    }
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

void CandidateGrid::NoteFewCandidates(int cell, unsigned before, unsigned after)
{
    if (after == 0)
        m_contradiction = true;
    if (grid::IsSingleBit(before))
        return;
    --m_undeterminedCount;
    if (after == 0)
        return;
    grid::AddCell(m_unpropagated, cell);
    for (const int unit : kCellUnits[cell].unit) {
        if (m_determinedDigits[unit] & after)
            m_contradiction = true;
        m_determinedDigits[unit] |= static_cast<std::uint16_t>(after);
    }
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
    grid::ForEachCell(m_open, [&](int cell) {
        const int count = grid::kBitCounts[m_candidates[cell]];
        if (count >= 2 && count < fewest) {
            fewest = count;
            found = cell;
        }
    });
    return found;
}
