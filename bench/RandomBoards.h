// Random consistent boards for stress timing: no digit twice in a column, row or square, most of
// them without a solution. The same seed always gives the same boards.
#pragma once

#include "Puzzle.h"

#include <cstdint>
#include <random>

class RandomBoards {
public:
    RandomBoards(std::uint64_t seed, int fewestGivens, int mostGivens);

    Puzzle Next();

private:
    std::mt19937_64 m_random;
    int m_fewestGivens;
    int m_mostGivens;
};
