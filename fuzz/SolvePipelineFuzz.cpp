// libFuzzer target for all that "Set Su Doku" does with a board: consistency check, explained
// search, solution count and rating. Every answer is checked against the rules and against a
// plain backtracker, and a board that takes more than 100 ms of processor time is a finding.
#include "Engine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

int Square(int cell)
{
    return cell / 27 * 3 + cell % 9 / 3;
}

bool Conflicts(const int (&grid)[81], int cell, int digit)
{
    for (int other = 0; other < 81; ++other) {
        const bool peer = other / 9 == cell / 9 || other % 9 == cell % 9 || Square(other) == Square(cell);
        if (other != cell && peer && grid[other] == digit)
            return true;
    }
    return false;
}

// Counts solutions up to two by trying every digit in the first empty cell, with no deduction at
// all; gives up (false) after `budget` nodes. used[unit] holds the digits of rows 0..8, columns
// 9..17 and squares 18..26 as bits.
bool PlainCount(int (&grid)[81], unsigned (&used)[27], int& count, long& budget)
{
    if (--budget < 0)
        return false;
    const int cell = static_cast<int>(std::find(grid, grid + 81, -1) - grid);
    if (cell == 81) {
        ++count;
        return true;
    }
    const int units[3] = {cell / 9, 9 + cell % 9, 18 + Square(cell)};
    for (int digit = 1; digit <= 9 && count < 2; ++digit) {
        const unsigned bit = 1u << digit;
        if ((used[units[0]] | used[units[1]] | used[units[2]]) & bit)
            continue;
        grid[cell] = digit;
        for (const int unit : units)
            used[unit] |= bit;
        const bool finished = PlainCount(grid, used, count, budget);
        for (const int unit : units)
            used[unit] &= ~bit;
        grid[cell] = -1;
        if (!finished)
            return false;
    }
    return true;
}

void Fail(const char* what, const int (&puzzle)[81])
{
    char text[82] = {};
    for (int cell = 0; cell < 81; ++cell)
        text[cell] = puzzle[cell] > 0 ? static_cast<char>('0' + puzzle[cell]) : '.';
    std::fprintf(stderr, "%s: %s\n", what, text);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A byte '1'..'9' is a given, any other byte or a missing one an empty cell.
    int puzzle[81];
    for (std::size_t cell = 0; cell < 81; ++cell)
        puzzle[cell] = cell < size && data[cell] >= '1' && data[cell] <= '9' ? data[cell] - '0' : -1;
    bool consistent = true;
    for (int cell = 0; cell < 81; ++cell)
        consistent = consistent && (puzzle[cell] < 0 || !Conflicts(puzzle, cell, puzzle[cell]));

    const std::clock_t start = std::clock();
    static SolveOutcome outcome;  // large: the step records
    SolvePuzzle(Puzzle(puzzle), outcome);
    if (static_cast<double>(std::clock() - start) > 0.1 * CLOCKS_PER_SEC)
        Fail("slower than 100 ms", puzzle);

    if (consistent != (outcome.result != SolveResult::Inconsistent))
        Fail("consistency misjudged", puzzle);
    if ((outcome.result == SolveResult::Solved) != (outcome.solutionCount > 0))
        Fail("search and count disagree on whether there is a solution", puzzle);
    if (outcome.rating.has_value() != (outcome.result == SolveResult::Solved))
        Fail("rating without solution, or solution without rating", puzzle);
    if (outcome.result == SolveResult::Solved) {
        int solved[81];
        for (int cell = 0; cell < 81; ++cell) {
            solved[cell] = outcome.board.Value(cell);
            if (solved[cell] < 1 || solved[cell] > 9 || (puzzle[cell] > 0 && solved[cell] != puzzle[cell]))
                Fail("solution misses a cell or a given", puzzle);
        }
        for (int cell = 0; cell < 81; ++cell) {
            if (Conflicts(solved, cell, solved[cell]))
                Fail("solution breaks a rule", puzzle);
        }
    }
    if (consistent) {
        int grid[81];
        std::copy(puzzle, puzzle + 81, grid);
        unsigned used[27] = {};
        for (int cell = 0; cell < 81; ++cell) {
            if (puzzle[cell] > 0) {
                for (const int unit : {cell / 9, 9 + cell % 9, 18 + Square(cell)})
                    used[unit] |= 1u << puzzle[cell];
            }
        }
        int count = 0;
        long budget = 20000;
        if (PlainCount(grid, used, count, budget) && count != outcome.solutionCount)
            Fail("solution count differs from plain backtracking", puzzle);
    }
    return 0;
}
