// libFuzzer target for the technique finder on candidate boards no puzzle path would reach: a
// valid grid, shuffled by the input, some cells given and the others with a random set of
// candidates that keeps the grid's digit. Every step the finder takes must hold in every
// solution of the board it was taken on, checked with the solution finder; a runaway step is a
// finding too (see kMostStepSeconds).
#include "solutions/SolutionFinder.h"
#include "techniques/TechniqueLadder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>

namespace {

using namespace technique;

// Reads the input a byte at a time, zero once it runs out.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    unsigned Next() { return m_next < m_size ? m_data[m_next++] : 0u; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
};

// A valid grid: the pattern grid with its digits relabelled, rows and columns shuffled within
// their bands and stacks, and the bands and stacks shuffled.
void ShuffledGrid(Bytes& bytes, int (&grid)[kCellCount])
{
    int digits[9];
    std::iota(digits, digits + 9, 1);
    for (int i = 8; i > 0; --i)
        std::swap(digits[i], digits[static_cast<int>(bytes.Next() % static_cast<unsigned>(i + 1))]);
    auto shuffledLines = [&bytes](int (&lines)[9]) {
        int groups[3] = {0, 1, 2};
        std::swap(groups[bytes.Next() % 3], groups[2]);
        std::swap(groups[bytes.Next() % 2], groups[1]);
        for (int group = 0; group < 3; ++group) {
            int within[3] = {0, 1, 2};
            std::swap(within[bytes.Next() % 3], within[2]);
            std::swap(within[bytes.Next() % 2], within[1]);
            for (int i = 0; i < 3; ++i)
                lines[group * 3 + i] = groups[group] * 3 + within[i];
        }
    };
    int rows[9];
    int columns[9];
    shuffledLines(rows);
    shuffledLines(columns);
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int r = rows[row];
            const int c = columns[column];
            grid[row * 9 + column] = digits[(r * 3 + r / 3 + c) % 9];
        }
    }
}

// Whether any solution of the board, with `cell` allowed only `allowed`, exists.
bool HasSolution(const TechniqueBoard& board, int cell, unsigned allowed)
{
    std::uint16_t candidates[kCellCount];
    for (int each = 0; each < kCellCount; ++each) {
        const unsigned mask = board.IsEmpty(each) ? board.Candidates(each) : 1u << (board.Value(each) - 1);
        candidates[each] = static_cast<std::uint16_t>(each == cell ? mask & allowed : mask);
    }
    std::uint8_t solution[kCellCount];
    return solutions::CountSolutions(candidates, 1, solution, false) > 0;
}

// A hint may take 100 ms for one step in a release build. The sanitizers and the coverage
// counters of this build slow the finder ten to twenty times, and a loaded machine more: a step of
// 3 to 7 ms in a release build can take over 100 ms here.
constexpr double kMostStepSeconds = 2.0;

void Fail(const char* what, const TechniqueStep& step)
{
    std::fprintf(stderr, "%s: %s\n", what, TechniqueSentence(step).c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    int grid[kCellCount];
    ShuffledGrid(bytes, grid);
    // Per cell one byte: below 64 a given, otherwise its low nine bits, with the grid's digit, are
    // its candidates (the next byte gives the ninth bit).
    Puzzle givens;
    unsigned masks[kCellCount];
    for (int cell = 0; cell < kCellCount; ++cell) {
        const unsigned byte = bytes.Next();
        masks[cell] = (byte | (bytes.Next() & 1u) << 8 | 1u << (grid[cell] - 1)) & 0x1FFu;
        if (byte < 64)
            givens[cell] = grid[cell];
    }
    TechniqueBoard board(givens);
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (board.IsEmpty(cell) && !(masks[cell] >> (digit - 1) & 1u))
                board.Remove(cell, digit);
        }
    }
    std::uint16_t candidates[kCellCount];
    for (int cell = 0; cell < kCellCount; ++cell)
        candidates[cell] = board.IsEmpty(cell) ? board.Candidates(cell) : 1u << (board.Value(cell) - 1);
    std::uint8_t solution[kCellCount];
    board.SetKnownUnique(solutions::CountSolutions(candidates, 2, solution, false) == 1);

    for (int steps = 0; steps < 100 && !board.IsSolved(); ++steps) {
        TechniqueStep step;
        const std::clock_t start = std::clock();
        const bool found = FindEasiestStep(board, step);
        if (static_cast<double>(std::clock() - start) > kMostStepSeconds * CLOCKS_PER_SEC)
            Fail("a runaway step", step);
        if (!found)
            break;
        if (step.placed.empty() && step.removed.empty())
            Fail("a step that makes no progress", step);
        // A removal is sound when no solution holds it, a placement when no solution lacks it.
        for (const CellDigit& removal : step.removed) {
            if (!(board.Candidates(removal.cell) >> (removal.digit - 1) & 1u))
                Fail("removes a candidate the cell does not have", step);
            if (HasSolution(board, removal.cell, 1u << (removal.digit - 1)))
                Fail("removes a digit a solution holds", step);
        }
        for (const CellDigit& placement : step.placed) {
            if (HasSolution(board, placement.cell, ~(1u << (placement.digit - 1))))
                Fail("places a digit a solution does without", step);
        }
        board.Apply(step);
    }
    return 0;
}
