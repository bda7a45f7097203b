#include "CandidateGrid.h"

#include "CellSet.h"

#include <bit>

using grid::kCellUnits;

CandidateGrid::CandidateGrid(const CSuDokuBoard& board)
    : m_candidates{}, m_places{}, m_unpropagated{}, m_open{}, m_undeterminedCount(0),
      m_guessLevel(board.m_nGuessLevel)
{
    for (int cell = 0; cell < grid::kCellCount; ++cell) {
        const int x = grid::CellX(cell);
        const int y = grid::CellY(cell);
        const unsigned candidates = board.m_nCandidates[x][y] & grid::kAllDigits;
        m_candidates[cell] = static_cast<std::uint16_t>(candidates);
        for (unsigned digits = candidates; digits != 0; digits &= digits - 1) {
            const int digitIndex = std::countr_zero(digits);
            for (int kind = 0; kind < 3; ++kind)
                m_places[digitIndex][kCellUnits[cell].unit[kind]] |= static_cast<std::uint16_t>(1u << kCellUnits[cell].place[kind]);
        }
        const int count = std::popcount(candidates);
        if (count >= 2)
            ++m_undeterminedCount;
        // A determined cell may not have cleared its peers yet; doing it again costs nothing.
        if (count == 1)
            grid::AddCell(m_unpropagated, cell);
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

void CandidateGrid::ClearCandidates(int cell, unsigned digits)
{
    const unsigned before = m_candidates[cell];
    const unsigned after = before & ~digits;
    m_candidates[cell] = static_cast<std::uint16_t>(after);
    const grid::CellUnits& units = kCellUnits[cell];
    for (; digits != 0; digits &= digits - 1) {
        std::uint16_t* places = m_places[std::countr_zero(digits)];
        places[units.unit[0]] &= static_cast<std::uint16_t>(~(1u << units.place[0]));
        places[units.unit[1]] &= static_cast<std::uint16_t>(~(1u << units.place[1]));
        places[units.unit[2]] &= static_cast<std::uint16_t>(~(1u << units.place[2]));
    }
    const bool wasUndetermined = (before & (before - 1)) != 0;
    if (wasUndetermined && (after & (after - 1)) == 0) {
        --m_undeterminedCount;
        if (after != 0)
            grid::AddCell(m_unpropagated, cell);
    }
}

bool CandidateGrid::IsConsistent() const
{
    unsigned seen[grid::kUnitCount] = {};
    for (int cell = 0; cell < grid::kCellCount; ++cell) {
        const unsigned candidates = m_candidates[cell];
        if (candidates == 0)
            return false;
        if ((candidates & (candidates - 1)) != 0)
            continue;
        for (const int unit : kCellUnits[cell].unit) {
            if (seen[unit] & candidates)
                return false;
            seen[unit] |= candidates;
        }
    }
    return true;
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
        const int count = std::popcount(static_cast<unsigned>(m_candidates[cell]));
        if (count >= 2 && count < fewest) {
            fewest = count;
            found = cell;
        }
    });
    return found;
}
