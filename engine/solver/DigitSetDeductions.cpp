// Digit sets: n digits confined to the same n cells of a unit own those cells outright.
//
// The rule scans digit masks in ascending order and, for each, all columns, rows and squares, and
// every removal is seen by the checks after it. Most (mask, unit) pairs find nothing, and a set
// whose cells hold nothing else clears nothing, so instead of walking every mask this finds the
// next pair in that order that would clear a candidate, applies it, and looks again from there.
#include "CandidateGrid.h"

#include <array>
#include <bit>
#include <string>

namespace {

// True when (mask, unit) comes after (afterMask, afterUnit) in scan order.
bool ComesAfter(unsigned mask, int unit, unsigned afterMask, int afterUnit)
{
    return mask > afterMask || (mask == afterMask && unit > afterUnit);
}

// For places of n = 2..7 cells, a one in the four bits that count the digits with n places (bits
// 4n..4n+3); nothing for the other sizes, which make no set.
constexpr std::array<std::uint32_t, 512> MakeSizeCountUnits()
{
    std::array<std::uint32_t, 512> table{};
    for (unsigned places = 0; places < 512; ++places) {
        const int size = grid::kBitCounts[places];
        if (size >= 2 && size <= 7)
            table[places] = std::uint32_t{1} << (4 * size);
    }
    return table;
}

constexpr std::array<std::uint32_t, 512> kSizeCountUnits = MakeSizeCountUnits();

// The numbers n = 2..7 with n digits of n places, as the top bit of each one's count (bit 4n + 3):
// 8 - n added to the count of n sets that bit when the count reaches n (no count exceeds 9).
std::uint32_t SizesWithEnoughDigits(std::uint32_t counts)
{
    constexpr std::uint32_t kToReach = 0x12345600;
    constexpr std::uint32_t kReached = 0x88888800;
    return (counts + kToReach) & kReached;
}

}  // namespace

bool CandidateGrid::FindNextEffectiveDigitSet(int size, unsigned& mask, int& unit) const
{
    unsigned bestMask = grid::kAllDigits + 1;
    int bestUnit = grid::kUnitCount;
    for (std::uint32_t units = UnitsForDigitSets(); units != 0; units &= units - 1) {
        const int u = std::countr_zero(units);
        unsigned grouped = 0;
        for (int digitIndex = 0; digitIndex < 9; ++digitIndex) {
            const unsigned places = m_places[digitIndex][u];
            if ((grouped >> digitIndex) & 1 || grid::kBitCounts[places] != size)
                continue;
            // The digits whose places in this unit are exactly these.
            unsigned group = 1u << digitIndex;
            for (int other = digitIndex + 1; other < 9; ++other) {
                if (m_places[other][u] == places)
                    group |= 1u << other;
            }
            grouped |= group;
            const int groupSize = grid::kBitCounts[group];
            if (groupSize < size)
                continue;
            if (groupSize == size) {
                // The set fires; it clears something when its cells hold another digit.
                if (ComesAfter(group, u, mask, unit) && ComesAfter(bestMask, bestUnit, group, u) &&
                    (CandidatesIn(u, places) & ~group) != 0) {
                    bestMask = group;
                    bestUnit = u;
                }
                continue;
            }
            // More digits than cells: every choice of `size` of them fires and clears the others.
            for (unsigned subset = mask; subset <= grid::kAllDigits; ++subset) {
                if ((subset & ~group) != 0 || grid::kBitCounts[subset] != size || !ComesAfter(subset, u, mask, unit))
                    continue;
                if (ComesAfter(bestMask, bestUnit, subset, u)) {
                    bestMask = subset;
                    bestUnit = u;
                }
                break;
            }
        }
    }
    if (bestUnit == grid::kUnitCount)
        return false;
    mask = bestMask;
    unit = bestUnit;
    return true;
}

int CandidateGrid::SmallestEffectiveDigitSetSize(int unit) const
{
    // A set of n digits needs n digits with n places each. Most units have no such n: counting the
    // digits of each number of places, four bits a count, finds that out at little cost.
    unsigned placesOf[9];
    std::uint32_t counts = 0;
    for (int digitIndex = 0; digitIndex < 9; ++digitIndex) {
        placesOf[digitIndex] = m_places[digitIndex][unit];
        counts += kSizeCountUnits[placesOf[digitIndex]];
    }
    const std::uint32_t sizes = SizesWithEnoughDigits(counts);
    if (sizes == 0)
        return 0;
    // Only digits with n places, for an n in `sizes`, can be in a set, and only together with the
    // digits that have the same places. A few comparisons group them: most units have few such
    // digits.
    unsigned ungrouped = 0;
    for (int digitIndex = 0; digitIndex < 9; ++digitIndex)
        ungrouped |= static_cast<unsigned>(((kSizeCountUnits[placesOf[digitIndex]] << 3) & sizes) != 0) << digitIndex;
    int smallest = 0;
    while (ungrouped != 0) {
        const unsigned places = placesOf[std::countr_zero(ungrouped)];
        unsigned group = 0;
        for (unsigned digits = ungrouped; digits != 0; digits &= digits - 1) {
            const int digitIndex = std::countr_zero(digits);
            group |= static_cast<unsigned>(placesOf[digitIndex] == places) << digitIndex;
        }
        ungrouped &= ~group;
        const int size = grid::kBitCounts[places];
        const int groupSize = grid::kBitCounts[group];
        if (groupSize < size || (smallest != 0 && size >= smallest))
            continue;
        if (groupSize > size || (CandidatesIn(unit, places) & ~group) != 0)
            smallest = size;
    }
    return smallest;
}

int CandidateGrid::SmallestEffectiveDigitSetSize()
{
    // A unit without a set that clears anything keeps it that way until one of its cells changes.
    m_unitsForDigitSets = UnitsForDigitSets();
    int smallest = 0;
    for (std::uint32_t units = m_unitsForDigitSets; units != 0; units &= units - 1) {
        const int unit = std::countr_zero(units);
        const int size = SmallestEffectiveDigitSetSize(unit);
        if (size == 0)
            m_unitsForDigitSets &= ~(1u << unit);
        else if (smallest == 0 || size < smallest)
            smallest = size;
    }
    return smallest;
}

std::uint32_t CandidateGrid::UnitsForDigitSets() const
{
    std::uint32_t units = m_unitsForDigitSets;
    for (const std::uint32_t changed : m_unitsForHiddenSingles)
        units |= changed;
    return units;
}

bool CandidateGrid::DeduceDigitSets(int size, StepRecorder& steps)
{
    bool changed = false;
    if (size < 1 || size > 9)
        return changed;
    unsigned mask = 0;
    int unit = grid::kUnitCount;
    while (FindNextEffectiveDigitSet(size, mask, unit)) {
        // The places of the set's first digit, in the unit's scan order.
        for (unsigned places = m_places[std::countr_zero(mask)][unit]; places != 0; places &= places - 1) {
            const int cell = grid::kUnitCells[unit][std::countr_zero(places)];
            RestrictToDigitSet(cell, mask, grid::UnitKindOf(unit), steps, changed);
        }
    }
    return changed;
}

void CandidateGrid::RestrictToDigitSet(int cell, unsigned digitMask, int unitKind, StepRecorder& steps, bool& changed)
{
    const unsigned others = m_candidates[cell] & ~digitMask;
    if (others == 0)
        return;
    ClearCandidates(cell, others);
    changed = true;
    steps.Append({StepKind::DigitSet, SentenceUnitKind(unitKind), static_cast<std::uint8_t>(cell),
                  static_cast<std::uint16_t>(digitMask), 0, 0});
}

bool CSuDokuBoard::DeduceDigitSets(StepList& steps, int size)
{
    Evaluate();
    CandidateGrid grid(*this);
    StepRecorder records;
    const bool changed = grid.DeduceDigitSets(size, records);
    grid.StoreInto(*this);
    records.AppendSentencesTo(steps);
    return changed;
}
