#include "TechniqueFinders.h"
#include "TechniqueSentences.h"
#include "TechniqueSets.h"
#include "GridSets.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace technique {

namespace {

// Larger sets are rare in a step a person would take and multiply the pairs to try.
constexpr int kMaxSetCells = 5;

// An almost locked set: `size` empty cells of one unit holding size + 1 digits between them. The
// pair search reads only the cells and digits, kept apart from the rest for a compact scan.
struct SetKey {
    CellSet cells;
    unsigned digits = 0;
};

struct SetDetail {
    int unit = -1;
    CellSet holding[9];  // the set's cells holding each digit
    CellSet seeing[9];   // the cells that see every one of those
};

// The first unit holding all the cells: their row, else their column, else their square.
int FirstUnit(const int* cells, int count)
{
    const bool oneRow = std::all_of(cells, cells + count, [&](int cell) { return RowUnit(cell) == RowUnit(cells[0]); });
    if (oneRow)
        return RowUnit(cells[0]);
    const bool oneColumn = std::all_of(cells, cells + count, [&](int cell) { return ColumnUnit(cell) == ColumnUnit(cells[0]); });
    return oneColumn ? ColumnUnit(cells[0]) : BoxUnit(cells[0]);
}

struct AlmostLockedSets {
    std::vector<SetKey> keys;  // by size
    std::vector<SetDetail> details;
    std::size_t sizeBegin[kMaxSetCells + 2] = {};  // where the sets of each size begin in keys

    void Add(const TechniqueBoard& board, const int* cells, int count, unsigned digits, int unit)
    {
        SetKey& key = keys.emplace_back();
        SetDetail& detail = details.emplace_back();
        key.digits = digits;
        detail.unit = unit;
        for (CellSet& seeing : detail.seeing)
            seeing = CellSet::All();
        for (int index = 0; index < count; ++index) {
            const int cell = cells[index];
            key.cells.Add(cell);
            for (unsigned held = board.Candidates(cell); held != 0; held &= held - 1) {
                const int digit = std::countr_zero(held);
                detail.holding[digit].Add(cell);
                detail.seeing[digit] = detail.seeing[digit] & PeerSet(cell);
            }
        }
    }
};

// Every almost locked set of up to kMaxSetCells cells, each once (from the first unit holding it).
AlmostLockedSets CollectSets(const TechniqueBoard& board)
{
    AlmostLockedSets sets;
    sets.keys.reserve(512);
    sets.details.reserve(512);
    int chosen[kMaxSetCells];
    for (int size = 1; size <= kMaxSetCells; ++size) {
        sets.sizeBegin[size] = sets.keys.size();
        for (int unit = 0; unit < kUnitCount; ++unit) {
            int empty[9];
            int emptyCount = 0;
            for (const int cell : UnitCells(unit)) {
                if (board.IsEmpty(cell))
                    empty[emptyCount++] = cell;
            }
            auto extend = [&](auto& self, int from, int count, unsigned digits) -> void {
                if (count == size) {
                    if (CountNine(digits) == size + 1 && FirstUnit(chosen, count) == unit)
                        sets.Add(board, chosen, count, digits, unit);
                    return;
                }
                for (int index = from; index < emptyCount; ++index) {
                    const unsigned more = digits | board.Candidates(empty[index]);
                    if (CountNine(more) > size + 1)
                        continue;
                    chosen[count] = empty[index];
                    self(self, index + 1, count + 1, more);
                }
            };
            extend(extend, 0, 0, 0u);
        }
    }
    sets.sizeBegin[kMaxSetCells + 1] = sets.keys.size();
    return sets;
}

std::vector<int> CellList(const CellSet& cells)
{
    std::vector<int> list;
    cells.ForEach([&](int cell) { list.push_back(cell); });
    return list;
}

// The ALS-XZ step of two disjoint sets sharing a restricted digit x: every place of x in one sees
// every place in the other, so at most one set holds x and the other is locked to its remaining
// digits; any other shared digit then lies in one of them. With two restricted digits each set
// lacks one of them and is locked to all its others.
bool Try(const TechniqueBoard& board, const AlmostLockedSets& sets, const CellSet (&holding)[9], std::size_t first,
         std::size_t second, TechniqueStep& step)
{
    const SetKey& aKey = sets.keys[first];
    const SetKey& bKey = sets.keys[second];
    const unsigned common = aKey.digits & bKey.digits;
    if ((common & (common - 1)) == 0 || !(aKey.cells & bKey.cells).Empty())
        return false;
    const SetDetail& a = sets.details[first];
    const SetDetail& b = sets.details[second];
    unsigned restricted = 0;
    for (unsigned xs = common; xs != 0; xs &= xs - 1) {
        const int x = std::countr_zero(xs);
        if (a.holding[x].Within(b.seeing[x]))
            restricted |= 1u << x;
    }
    if (restricted == 0)
        return false;
    std::vector<CellDigit> removed;
    auto removeSeen = [&](unsigned digits, auto seen) {
        for (; digits != 0; digits &= digits - 1) {
            const int digit = std::countr_zero(digits);
            (seen(digit) & holding[digit]).ForEach([&](int cell) { removed.push_back({cell, digit + 1}); });
        }
    };
    auto seenFromBoth = [&](int digit) { return a.seeing[digit] & b.seeing[digit]; };
    if (CountNine(restricted) == 1) {
        removeSeen(common & ~restricted, seenFromBoth);
    } else {
        removeSeen(restricted, seenFromBoth);
        removeSeen(aKey.digits & ~restricted, [&](int digit) { return a.seeing[digit]; });
        removeSeen(bKey.digits & ~restricted, [&](int digit) { return b.seeing[digit]; });
    }
    if (removed.empty())
        return false;
    std::sort(removed.begin(), removed.end(), [](const CellDigit& left, const CellDigit& right) {
        return left.cell != right.cell ? left.cell < right.cell : left.digit < right.digit;
    });
    removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
    step.cells = CellList(aKey.cells | bKey.cells);
    step.sets = {CellList(aKey.cells), CellList(bKey.cells)};
    step.baseUnit = a.unit;
    step.coverUnit = b.unit;
    step.digits = restricted;
    step.candidates.clear();
    for (const int cell : step.cells)
        AppendDigitRemovals(step.candidates, cell, board.Candidates(cell));
    step.removed = std::move(removed);
    return true;
}

}  // namespace

bool FindAlsXz(const TechniqueBoard& board, TechniqueStep& step)
{
    const AlmostLockedSets sets = CollectSets(board);
    CellSet holding[9];
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (unsigned held = board.Candidates(cell); held != 0; held &= held - 1)
            holding[std::countr_zero(held)].Add(cell);
    }
    // Every pair once, the fewest cells first, for the simplest step.
    for (int cells = 2; cells <= 2 * kMaxSetCells; ++cells) {
        for (int firstSize = std::max(1, cells - kMaxSetCells); firstSize <= cells / 2; ++firstSize) {
            const int secondSize = cells - firstSize;
            for (std::size_t first = sets.sizeBegin[firstSize]; first < sets.sizeBegin[firstSize + 1]; ++first) {
                const std::size_t secondBegin = firstSize == secondSize ? first + 1 : sets.sizeBegin[secondSize];
                for (std::size_t second = secondBegin; second < sets.sizeBegin[secondSize + 1]; ++second) {
                    if (Try(board, sets, holding, first, second, step))
                        return true;
                }
            }
        }
    }
    return false;
}

// Both almost locked sets, the restricted digit, the removals.
void WriteAlsXz(std::string& out, const TechniqueStep& step)
{
    auto appendSet = [&](const std::vector<int>& cells, int unit) {
        AppendCells(out, cells);
        if (cells.size() > 1) {
            out += " in ";
            AppendUnit(out, unit);
        }
        out += cells.size() > 1 ? " hold only " : " holds only ";
        AppendDigits(out, DigitsIn(step.candidates, cells));
    };
    appendSet(step.sets[0], step.baseUnit);
    out += ", and ";
    appendSet(step.sets[1], step.coverUnit);
    out += ", one digit more than cells each; ";
    if (std::popcount(step.digits) == 1) {
        out += "digit " + std::to_string(LowestDigit(step.digits))
            + " can lie in only one of the sets, as each of its places in one sees all in the other, so the other set "
              "is locked to its other digits, and each other digit both sets hold lies in one of them and leaves the "
              "cells that see all its places in both: ";
    } else {
        AppendDigits(out, step.digits);
        out += " can each lie in only one of the sets, as each of their places in one sees all in the other, so "
               "each set lacks one of them and holds all its other digits, which leave the cells that see all their "
               "places: ";
    }
    AppendRemovals(out, step.removed);
    out += '.';
}

}  // namespace technique
