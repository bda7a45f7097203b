// A cell's candidates, or a unit's digits, as a 9-bit mask: bit d - 1 stands for digit d. All
// three parts of the engine keep digits so.
#pragma once

#include <array>
#include <cstdint>

inline constexpr unsigned kAllDigits = 0x1FF;

// True for a mask with exactly one bit set: a single digit, or a single place.
constexpr bool IsSingleBit(unsigned mask) { return mask != 0 && (mask & (mask - 1)) == 0; }

constexpr std::array<std::uint8_t, 512> MakeBitCounts()
{
    std::array<std::uint8_t, 512> table{};
    for (unsigned mask = 1; mask < 512; ++mask)
        table[mask] = static_cast<std::uint8_t>(table[mask & (mask - 1)] + 1);
    return table;
}

// The number of bits set in a 9-bit mask: a table, since a portable build has no popcount
// instruction and the library call costs more than the lookup.
inline constexpr std::array<std::uint8_t, 512> kBitCounts = MakeBitCounts();
