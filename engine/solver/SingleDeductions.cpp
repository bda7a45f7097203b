// Peer elimination and hidden singles: the two simplest rules, one pass at a time.
#include "CandidateGrid.h"
#include "CellSet.h"

#include <bit>

bool CandidateGrid::DeduceSingles(StepRecorder& steps)
{
    bool changed = false;

    // Elimination. Only cells determined when the pass starts propagate, each with the digit it had
    // then; a cell determined during this phase waits for the next pass. Cells that propagated
    // in an earlier pass are skipped: their peers lost the digit then, and candidates never return.
    int sources[grid::kCellCount];
    unsigned sourceDigits[grid::kCellCount];
    int sourceCount = 0;
    grid::ForEachCell(m_unpropagated, [&](int cell) {
        const unsigned candidates = m_candidates[cell];
        if (candidates != 0) {
            sources[sourceCount] = cell;
            sourceDigits[sourceCount] = candidates;
            ++sourceCount;
        }
    });
    m_unpropagated[0] = m_unpropagated[1] = 0;
    for (int i = 0; i < sourceCount; ++i) {
        const int cell = sources[i];
        const int digitIndex = std::countr_zero(sourceDigits[i]);
        // The peers still holding the digit, visited once each and in board order.
        std::uint64_t (&holding)[2] = m_cellsWith[digitIndex];
        const auto& peerSet = grid::kPeerSets[cell];
        const std::uint64_t peers[2] = {peerSet[0] & holding[0], peerSet[1] & holding[1]};
        if ((peers[0] | peers[1]) == 0)
            continue;
        holding[0] &= ~peers[0];
        holding[1] &= ~peers[1];
        changed = true;
        // ClearCandidates for one digit, written out: the places, the loop over the digits and the
        // note of the changed units, once per source rather than per peer, are most of its cost
        // here.
        grid::LeavePeerPlaces(m_places[digitIndex], cell);
        std::uint32_t changedUnits = 0;
        grid::ForEachCell(peers, [&](int peer) {
            const unsigned before = m_candidates[peer];
            const unsigned after = before & ~(1u << digitIndex);
            m_candidates[peer] = static_cast<std::uint16_t>(after);
            changedUnits |= grid::kCellUnitMasks[peer];
            if (grid::kBitCounts[after] <= 1) {
                NoteFewCandidates(peer, before, after);
                // Exactly one other digit left: the peer is now determined.
                if (after != 0)
                    steps.Append({StepKind::Determined, 0, static_cast<std::uint8_t>(peer), 0, std::countr_zero(after) + 1, 0});
            }
        });
        m_unitsForHiddenSingles[digitIndex] |= changedUnits;
    }

    // Hidden singles, by digit, then columns, rows and squares (the unit numbering's order). The
    // places are those of this moment, so clears made earlier in the pass count. A unit where the
    // digit's places did not change since the last look holds no new single: a single found then
    // was placed, and a cell only ever loses candidates. Placing a digit never changes its own
    // places, so the digit's units can be taken once.
    for (int digitIndex = 0; digitIndex < 9; ++digitIndex) {
        const std::uint16_t* places = m_places[digitIndex];
        std::uint32_t units = m_unitsForHiddenSingles[digitIndex];
        m_unitsForHiddenSingles[digitIndex] = 0;
        m_unitsForDigitSets |= units;
        // A unit where a cell was determined with the digit holds no new single of it while the
        // board has no contradiction: that cell still holds the digit alone, and if it is the
        // digit's one place there, the digit is placed already.
        if (!m_contradiction)
            units &= ~m_determinedUnits[digitIndex];
        // The units where the digit has one place, found without a branch per unit.
        std::uint32_t singles = 0;
        for (; units != 0; units &= units - 1) {
            const int unit = std::countr_zero(units);
            const unsigned place = places[unit];
            singles |= static_cast<std::uint32_t>(grid::kBitCounts[place] == 1) << unit;
        }
        for (; singles != 0; singles &= singles - 1) {
            const int unit = std::countr_zero(singles);
            const unsigned place = places[unit];
            const int cell = grid::kUnitCells[unit][std::countr_zero(place)];
            const unsigned others = m_candidates[cell] & ~(1u << digitIndex);
            if (others != 0) {
                PlaceDigit(cell, digitIndex, others, grid::UnitKindOf(unit), steps);
                changed = true;
            }
        }
    }
    return changed;
}

bool CSuDokuBoard::DeduceSingles(StepList& steps)
{
    Evaluate();
    CandidateGrid grid(*this);
    StepRecorder records;
    const bool changed = grid.DeduceSingles(records);
    grid.StoreInto(*this);
    records.AppendSentencesTo(steps);
    return changed;
}
