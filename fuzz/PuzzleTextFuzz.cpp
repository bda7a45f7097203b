// libFuzzer target for the puzzle text reader: any bytes give a cell count and a board, never a
// crash; the first puzzle of a stream never holds more cells than the whole text.
#include "PuzzleText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PuzzleText all = ReadPuzzleText(text);
    std::istringstream stream(text);
    const PuzzleText first = ReadFirstPuzzle(stream);
    if (first.cellCount > all.cellCount || all.IsBoard() != (all.cellCount == static_cast<std::size_t>(kCellCount)))
        std::abort();
    for (const PuzzleText* read : {&all, &first}) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int value = read->puzzle[cell];
            const bool expected = static_cast<std::size_t>(cell) < read->cellCount ? (value == -1 || (value >= 1 && value <= 9)) : value == -1;
            if (!expected)
                std::abort();
        }
    }
    return 0;
}
