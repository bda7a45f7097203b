// The solution finder that lets the search skip guesses bound to fail: it must find a solution
// whenever there is one and never report one that breaks a rule or a candidate.
#include "SolutionFinder.h"
#include "SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// The board's candidates in the finder's cell order (x * 9 + y).
void CandidatesOf(const CSuDokuBoard& board, std::uint16_t (&candidates)[81])
{
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y)
            candidates[x * 9 + y] = board.m_nCandidates[x][y];
    }
}

// The solution row by row, as text.
std::string SolutionText(const std::uint8_t (&solution)[81])
{
    std::string text(81, '.');
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y)
            text[static_cast<size_t>(y * 9 + x)] = static_cast<char>('0' + solution[x * 9 + y]);
    }
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
    CandidatesOf(BoardFromText(c.puzzle), candidates);
    std::uint8_t solution[81] = {};
    ASSERT_EQ(grid::FindSolution(candidates, solution), c.solvable);
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
                   false}),
    [](const ::testing::TestParamInfo<FinderCase>& info) { return std::string(info.param.name); });

TEST_P(SolutionFinderCases, DigitsToTryFirstChangeNoCount)
{
    const FinderCase& c = GetParam();
    std::uint16_t candidates[81];
    CandidatesOf(BoardFromText(c.puzzle), candidates);
    std::uint8_t solution[81] = {};
    const int count = grid::CountSolutions(candidates, 2, solution);
    std::uint8_t preferred[81];
    for (int cell = 0; cell < 81; ++cell)
        preferred[cell] = static_cast<std::uint8_t>(9 - cell % 10);  // 0 (none) in every tenth cell
    EXPECT_EQ(grid::CountSolutions(candidates, 2, solution, preferred), count);
    if (count > 0) {
        EXPECT_TRUE(IsValidSolution(SolutionText(solution), c.puzzle)) << SolutionText(solution);
    }
}

TEST(SolutionFinder, KeepsToTheCandidatesItIsGiven)
{
    // A puzzle with one solution; take the solution's digit out of one empty cell.
    const std::string puzzle = "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..";
    std::uint16_t candidates[81];
    CandidatesOf(BoardFromText(puzzle), candidates);
    std::uint8_t solution[81] = {};
    ASSERT_TRUE(grid::FindSolution(candidates, solution));
    const int cell = 0;  // x = 0, y = 0: empty in the puzzle
    candidates[cell] = static_cast<std::uint16_t>(candidates[cell] & ~(1u << (solution[cell] - 1)));
    EXPECT_FALSE(grid::FindSolution(candidates, solution));
}

}  // namespace
