#include "SolutionCount.h"

#include "SolutionFinder.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

int CountSolutions(const int puzzle[81], int solution[81])
{
    // A value outside 1..9 other than -1 leaves its cell without candidates, as loading it into a
    // board would.
    std::uint16_t candidates[81];
    for (int cell = 0; cell < 81; ++cell) {
        const int value = puzzle[cell];
        candidates[cell] = value == -1 ? std::uint16_t{0x1FF}
            : (value >= 1 && value <= 9) ? static_cast<std::uint16_t>(1u << (value - 1))
                                          : std::uint16_t{0};
    }
    std::uint8_t found[81];
    const int count = solutions::CountSolutions(candidates, kSeveralSolutions, found, true);
    if (count > 0 && solution)
        std::copy(std::begin(found), std::end(found), solution);
    return count;
}
