// The solution finder that lets the search skip guesses bound to fail: it must find a solution
// whenever there is one and never report one that breaks a rule or a candidate.
#include "solutions/SolutionFinder.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>

namespace {

// The puzzle's candidates: every digit in an empty cell, the given alone in a given one.
void CandidatesOf(const std::string& puzzle, std::uint16_t (&candidates)[81])
{
    const Puzzle cells = Puzzle::FromLine(puzzle);
    for (int cell = 0; cell < 81; ++cell)
        candidates[cell] = static_cast<std::uint16_t>(cells.IsEmpty(cell) ? 0x1FF : 1u << (cells[cell] - 1));
}

std::string SolutionText(const std::uint8_t (&solution)[81])
{
    std::string text(81, '.');
    for (int cell = 0; cell < 81; ++cell)
        text[static_cast<size_t>(cell)] = static_cast<char>('0' + solution[cell]);
    return text;
}

struct FinderCase {
    const char* name;
    const char* puzzle;
    bool solvable;
};

void PrintTo(const FinderCase& c, std::ostream* out)
{
    *out << c.name;
}

class SolutionFinderCases : public ::testing::TestWithParam<FinderCase> {};

TEST_P(SolutionFinderCases, FindsAValidSolutionExactlyWhenThereIsOne)
{
    const FinderCase& c = GetParam();
    std::uint16_t candidates[81];
    CandidatesOf(c.puzzle, candidates);
    std::uint8_t solution[81] = {};
    ASSERT_EQ(solutions::CountSolutions(candidates, 1, solution) > 0, c.solvable);
    if (c.solvable) {
        EXPECT_TRUE(IsValidSolution(SolutionText(solution), c.puzzle)) << SolutionText(solution);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SolutionFinderCases,
    ::testing::Values(
        FinderCase{"Complete", "534678912672195348198342567859761423426853791713924856961537284287419635345286179", true},
        FinderCase{"Empty", "", true},
        FinderCase{"Hardest", "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..", true},
        // Eleven givens: a search that goes down the wrong branch first wanders for long.
        FinderCase{"ElevenGivens", "...........1........8.................6.1........8..............1.6...3..........", true},
        FinderCase{"SeventeenGivens", ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...", true},
        // Two 5s in the first row.
        FinderCase{"RepeatedDigit", "55...............................................................................", false},
        // Consistent, but the top-left cell can hold nothing: its row, column and square hold 1..9.
        FinderCase{"CellWithoutPlace", ".12345678.........9..............................................................",
                   false},
        // Sparse and consistent, but the bottom middle square has two cells for its 1, 5 and 6.
        FinderCase{"CrowdedSquare", ".....5.8....6.1...............5........1.6...3.......55......61........4.........",
                   false}),
    [](const ::testing::TestParamInfo<FinderCase>& info) { return std::string(info.param.name); });

TEST_P(SolutionFinderCases, DigitSetsFirstChangeNoCount)
{
    const FinderCase& c = GetParam();
    std::uint16_t candidates[81];
    CandidatesOf(c.puzzle, candidates);
    std::uint8_t solution[81] = {};
    const int count = solutions::CountSolutions(candidates, 2, solution);
    EXPECT_EQ(solutions::CountSolutions(candidates, 2, solution, true), count);
    if (count > 0) {
        EXPECT_TRUE(IsValidSolution(SolutionText(solution), c.puzzle)) << SolutionText(solution);
    }
}

TEST_P(SolutionFinderCases, FindsTheSmallestDigitWithASolution)
{
    const FinderCase& c = GetParam();
    std::uint16_t candidates[81];
    CandidatesOf(c.puzzle, candidates);
    std::uint8_t solution[81] = {};
    if (solutions::CountSolutions(candidates, 1, solution) == 0)
        return;
    const auto open = std::find_if(std::begin(candidates), std::end(candidates),
                                   [](std::uint16_t digits) { return (digits & (digits - 1)) != 0; });
    if (open == std::end(candidates))
        return;
    const int cell = static_cast<int>(open - std::begin(candidates));
    std::uint8_t first[81];
    const int count = solutions::CountSolutionsSmallestFirst(candidates, 2, cell, first);
    const int digit = solutions::SmallestDigitWithSolution(candidates, cell, solution);
    EXPECT_EQ(solution[cell], digit);
    EXPECT_TRUE(IsValidSolution(SolutionText(solution), c.puzzle)) << SolutionText(solution);
    EXPECT_EQ(count, solutions::CountSolutions(candidates, 2, solution));
    EXPECT_EQ(first[cell], digit);
    for (int smaller = 1; smaller < digit; ++smaller) {
        std::uint16_t pinned[81];
        std::copy(std::begin(candidates), std::end(candidates), pinned);
        pinned[cell] = static_cast<std::uint16_t>(candidates[cell] & (1u << (smaller - 1)));
        std::uint8_t other[81];
        EXPECT_EQ(solutions::CountSolutions(pinned, 1, other), 0) << smaller;
    }
}

TEST(SolutionFinder, KeepsToTheCandidatesItIsGiven)
{
    // A puzzle with one solution; take the solution's digit out of one empty cell.
    const std::string puzzle = "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..";
    std::uint16_t candidates[81];
    CandidatesOf(puzzle, candidates);
    std::uint8_t solution[81] = {};
    ASSERT_EQ(solutions::CountSolutions(candidates, 1, solution), 1);
    const int cell = 0;  // empty in the puzzle
    candidates[cell] = static_cast<std::uint16_t>(candidates[cell] & ~(1u << (solution[cell] - 1)));
    EXPECT_EQ(solutions::CountSolutions(candidates, 1, solution), 0);
    // Given back, the digit counts again: the finder may not start from the board it just saw.
    CandidatesOf(puzzle, candidates);
    EXPECT_EQ(solutions::CountSolutions(candidates, 1, solution), 1);
}

}  // namespace
