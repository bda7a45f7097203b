// A set of cells (indices 0..80) as two 64-bit words; iteration runs in ascending index, which is
// board order.
#pragma once

#include <bit>
#include <cstdint>

namespace grid {

// The bits of the second word that stand for cells, 64..80.
inline constexpr std::uint64_t kSecondWordCells = (std::uint64_t{1} << (81 - 64)) - 1;

inline void AddCell(std::uint64_t (&cells)[2], int cell)
{
    cells[cell >> 6] |= std::uint64_t{1} << (cell & 63);
}

inline void RemoveCell(std::uint64_t (&cells)[2], int cell)
{
    cells[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63));
}

inline bool HasCell(const std::uint64_t (&cells)[2], int cell)
{
    return (cells[cell >> 6] >> (cell & 63)) & 1;
}

// Calls visit(cell) for every cell of the set, in ascending order.
template <class Visit>
void ForEachCell(const std::uint64_t (&cells)[2], Visit visit)
{
    for (int word = 0; word < 2; ++word) {
        for (std::uint64_t bits = cells[word]; bits != 0; bits &= bits - 1)
            visit(word * 64 + std::countr_zero(bits));
    }
}

}  // namespace grid
