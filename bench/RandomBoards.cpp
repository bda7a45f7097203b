#include "RandomBoards.h"

#include <algorithm>
#include <bit>
#include <numeric>

RandomBoards::RandomBoards(std::uint64_t seed, int fewestGivens, int mostGivens)
    : m_random(seed), m_fewestGivens(fewestGivens), m_mostGivens(mostGivens)
{
}

Puzzle RandomBoards::Next()
{
    Puzzle board;
    int order[kCellCount];
    std::iota(order, order + kCellCount, 0);
    std::shuffle(order, order + kCellCount, m_random);
    const int givens = std::uniform_int_distribution<int>(m_fewestGivens, m_mostGivens)(m_random);
    // Digits already used per row, column and square, bit d - 1 for digit d.
    unsigned used[27] = {};
    int placed = 0;
    for (int i = 0; i < kCellCount && placed < givens; ++i) {
        const int cell = order[i];
        const int row = cell / 9;
        const int column = cell % 9;
        const int square = 18 + row / 3 * 3 + column / 3;
        const unsigned free = 0x1FFu & ~(used[row] | used[9 + column] | used[square]);
        if (free == 0)
            continue;
        // The k-th free digit, k uniform.
        unsigned pick = free;
        for (int k = std::uniform_int_distribution<int>(0, std::popcount(free) - 1)(m_random); k > 0; --k)
            pick &= pick - 1;
        const unsigned bit = pick & (~pick + 1);
        used[row] |= bit;
        used[9 + column] |= bit;
        used[square] |= bit;
        board[cell] = std::countr_zero(bit) + 1;
        ++placed;
    }
    return board;
}
