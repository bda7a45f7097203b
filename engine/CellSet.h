// A set of the 81 cells as two 64-bit words, cell c at bit c % 64 of word c / 64; iteration runs
// in ascending cell number. The solver, the solution finder and the technique finder all keep
// cells so, each in its own numbering.
#pragma once

#include <bit>
#include <cstdint>

struct CellSet {
    std::uint64_t low = 0;   // cells 0..63
    std::uint64_t high = 0;  // cells 64..80

    // Every cell.
    static constexpr CellSet All() { return {~std::uint64_t{0}, (std::uint64_t{1} << (81 - 64)) - 1}; }
    static constexpr CellSet Of(int cell)
    {
        CellSet set;
        set.Add(cell);
        return set;
    }

    constexpr bool Has(int cell) const { return ((cell < 64 ? low : high) >> (cell & 63) & 1u) != 0; }
    constexpr void Add(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
    constexpr void Remove(int cell) { (cell < 64 ? low : high) &= ~(std::uint64_t{1} << (cell & 63)); }

    constexpr bool Empty() const { return (low | high) == 0; }
    // Without a popcount instruction to rely on, the small counts asked for by bit tricks.
    constexpr bool Single() const
    {
        return (low == 0) != (high == 0) && ((low & (low - 1)) | (high & (high - 1))) == 0;
    }
    constexpr bool Pair() const { return !Single() && !Empty() && WithoutFirst().Single(); }
    constexpr int First() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }
    constexpr CellSet WithoutFirst() const
    {
        return low != 0 ? CellSet{low & (low - 1), high} : CellSet{0, high & (high - 1)};
    }
    constexpr bool Within(const CellSet& other) const { return ((low & ~other.low) | (high & ~other.high)) == 0; }

    constexpr CellSet operator&(const CellSet& other) const { return {low & other.low, high & other.high}; }
    constexpr CellSet operator|(const CellSet& other) const { return {low | other.low, high | other.high}; }
    // The cells of this set not in the other.
    constexpr CellSet Without(const CellSet& other) const { return {low & ~other.low, high & ~other.high}; }
    constexpr CellSet& operator&=(const CellSet& other) { return *this = *this & other; }
    constexpr CellSet& operator|=(const CellSet& other) { return *this = *this | other; }
    constexpr bool operator==(const CellSet&) const = default;

    // Calls visit(cell) for every cell of the set, in ascending order.
    template <class Visit>
    constexpr void ForEach(Visit visit) const
    {
        for (std::uint64_t bits = low; bits != 0; bits &= bits - 1)
            visit(std::countr_zero(bits));
        for (std::uint64_t bits = high; bits != 0; bits &= bits - 1)
            visit(64 + std::countr_zero(bits));
    }
};
