#include "SolutionCount.h"

#include "SolutionFinder.h"

#include <cstdint>

int CountSolutions(const int puzzle[81], int solution[81])
{
    // The finder takes candidate masks column by column; a value outside 1..9 other than -1 leaves
    // its cell without candidates, as loading it into a board would.
    std::uint16_t candidates[81];
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const int value = puzzle[y * 9 + x];
            candidates[x * 9 + y] = value == -1 ? std::uint16_t{0x1FF}
                : (value >= 1 && value <= 9) ? static_cast<std::uint16_t>(1u << (value - 1))
                                              : std::uint16_t{0};
        }
    }
    std::uint8_t found[81];
    const int count = grid::CountSolutions(candidates, kSeveralSolutions, found, true);
    if (count > 0 && solution) {
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 9; ++x)
                solution[y * 9 + x] = found[x * 9 + y];
        }
    }
    return count;
}
