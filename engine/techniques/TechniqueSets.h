// Choosing `size` of nine items whose masks close on `size` bits: the shape shared by naked and
// hidden subsets and by fish.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace technique {

// The number of bits of a 9-bit mask (digits, or places in a unit) from a table: without a
// population-count instruction in the baseline target, std::popcount is a library call, and the
// finders count bits in their innermost loops.
inline constexpr std::array<std::uint8_t, 512> kNineBitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned mask = 1; mask < 512; ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask & (mask - 1)] + 1);
    return counts;
}();

constexpr int CountNine(unsigned mask)
{
    return kNineBitCounts[mask & 511u];
}

// Calls found(chosen) for every set of `size` items of `masks` (9-bit masks, 0 for an item that
// cannot take part) whose union has exactly `size` bits, in lexicographic order, until it returns true.
template <class Found>
bool ForEachClosedSet(const unsigned (&masks)[9], int size, Found found)
{
    unsigned chosen = 0;
    // Depth-first over the items in order; `from` is the next item that may be added.
    auto search = [&](auto& self, int from, int count, unsigned combined) -> bool {
        if (CountNine(combined) > size)
            return false;
        if (count == size)
            return CountNine(combined) == size && found(chosen, combined);
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

// Only what takes part in a set of `size`: two to `size` bits, else 0.
inline unsigned Eligible(unsigned mask, int size)
{
    const int count = CountNine(mask);
    return count >= 2 && count <= size ? mask : 0;
}

}  // namespace technique
