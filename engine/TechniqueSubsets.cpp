#include "TechniqueFinders.h"

#include <bit>

namespace technique {

namespace {

// Calls found(chosen) for every set of `size` items of `masks` (9-bit masks, 0 for an item that
// cannot take part) whose union has exactly `size` bits, in lexicographic order, until it returns true.
template <class Found>
bool ForEachClosedSet(const unsigned (&masks)[9], int size, Found found)
{
    unsigned chosen = 0;
    // Depth-first over the items in order; `from` is the next item that may be added.
    auto search = [&](auto& self, int from, int count, unsigned combined) -> bool {
        if (std::popcount(combined) > size)
            return false;
        if (count == size)
            return std::popcount(combined) == size && found(chosen, combined);
        for (int item = from; item < 9; ++item) {
            if (masks[item] == 0)
                continue;
            chosen |= 1u << item;
            if (self(self, item + 1, count + 1, combined | masks[item]))
                return true;
            chosen &= ~(1u << item);
        }
        return false;
    };
    return search(search, 0, 0, 0u);
}

// Only what takes part in a subset of `size`: two to `size` elements.
unsigned Eligible(unsigned mask, int size)
{
    const int count = std::popcount(mask);
    return count >= 2 && count <= size ? mask : 0;
}

}  // namespace

bool FindNakedSubset(const TechniqueBoard& board, int size, TechniqueStep& step)
{
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::array<int, 9>& cells = UnitCells(unit);
        unsigned candidates[9];
        for (int place = 0; place < 9; ++place)
            candidates[place] = Eligible(board.Candidates(cells[static_cast<std::size_t>(place)]), size);
        const bool found = ForEachClosedSet(candidates, size, [&](unsigned places, unsigned digits) {
            std::vector<CellDigit> removed;
            for (int place = 0; place < 9; ++place) {
                const unsigned clear = (places >> place & 1u) ? 0 : board.Candidates(cells[static_cast<std::size_t>(place)]) & digits;
                for (int digit = 1; digit <= 9; ++digit) {
                    if (clear >> (digit - 1) & 1u)
                        removed.push_back({cells[static_cast<std::size_t>(place)], digit});
                }
            }
            if (removed.empty())
                return false;
            step.unit = unit;
            step.cells.clear();
            for (int place = 0; place < 9; ++place) {
                if (places >> place & 1u)
                    step.cells.push_back(cells[static_cast<std::size_t>(place)]);
            }
            step.digits = digits;
            step.removed = std::move(removed);
            return true;
        });
        if (found)
            return true;
    }
    return false;
}

bool FindHiddenSubset(const TechniqueBoard& board, int size, TechniqueStep& step)
{
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::array<int, 9>& cells = UnitCells(unit);
        unsigned places[9];
        for (int digit = 1; digit <= 9; ++digit)
            places[digit - 1] = Eligible(board.Places(unit, digit), size);
        const bool found = ForEachClosedSet(places, size, [&](unsigned digitIndices, unsigned placeMask) {
            const unsigned digits = digitIndices;  // item i is digit i + 1: the same bits
            std::vector<CellDigit> removed;
            std::vector<int> pattern;
            for (int place = 0; place < 9; ++place) {
                if (!(placeMask >> place & 1u))
                    continue;
                const int cell = cells[static_cast<std::size_t>(place)];
                pattern.push_back(cell);
                const unsigned clear = board.Candidates(cell) & ~digits;
                for (int digit = 1; digit <= 9; ++digit) {
                    if (clear >> (digit - 1) & 1u)
                        removed.push_back({cell, digit});
                }
            }
            if (removed.empty())
                return false;
            step.unit = unit;
            step.cells = std::move(pattern);
            step.digits = digits;
            step.removed = std::move(removed);
            return true;
        });
        if (found)
            return true;
    }
    return false;
}

}  // namespace technique
