// libFuzzer target for the puzzle text reader: any bytes give a cell count and a board, never a
// crash; the first puzzle of a stream never holds more cells than the whole text, and is the first
// one the line reader finds, whatever pieces the text comes in; problems come in line order.
#include "PuzzleText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <optional>
#include <string>

namespace {

bool ValidCell(int value)
{
    return value == -1 || (value >= 1 && value <= 9);
}

class Checked : public PuzzleTextReceiver {
public:
    bool OnPuzzle(const Puzzle& puzzle) override
    {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (!ValidCell(puzzle[cell]))
                std::abort();
        }
        if (!first)
            first = puzzle;
        return true;
    }
    void OnProblem(const PuzzleTextProblem& problem) override
    {
        if (problem.firstLine <= lastLine || problem.lastLine < problem.firstLine)
            std::abort();
        lastLine = problem.lastLine;
    }

    std::optional<Puzzle> first;
    long lastLine = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PuzzleText all = ReadPuzzleText(text);
    std::istringstream stream(text);
    const PuzzleText first = ReadFirstPuzzle(stream);
    if (first.cellCount > all.cellCount || all.IsBoard() != (all.cellCount == static_cast<std::size_t>(kCellCount)))
        std::abort();
    Checked lines;
    PuzzleLineReader reader(lines);
    if (reader.Feed(std::string_view(text).substr(0, size / 3)) && reader.Feed(std::string_view(text).substr(size / 3)))
        reader.Finish();
    if (first.IsBoard() != lines.first.has_value() || (lines.first && first.puzzle != *lines.first))
        std::abort();
    for (const PuzzleText* read : {&all, &first}) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int value = read->puzzle[cell];
            const bool expected = static_cast<std::size_t>(cell) < read->cellCount ? ValidCell(value) : value == -1;
            if (!expected)
                std::abort();
        }
    }
    return 0;
}
