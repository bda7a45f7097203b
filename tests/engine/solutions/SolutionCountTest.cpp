// The unique-solution check: none, one, or two and more, confirmed by the independent checker.
#include "Puzzle.h"
#include "SolutionCount.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

const std::string kSolvedGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string kEasy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Consistent as entered, yet without a solution; the contradiction lies several guesses deep.
const std::string kDeepContradiction =
    "48.3............71.2.......1.5....6....2..8.............1.76...3.....4......5....";

int Count(const std::string& puzzle, std::string* solution = nullptr)
{
    Puzzle found;
    const int count = CountSolutions(Puzzle::FromLine(puzzle).data(), found.cells.data());
    if (solution != nullptr)
        *solution = found.ToLine();
    return count;
}

// Another solution than `first`, found by pinning one empty cell to another digit. The checker,
// not the counter, vouches that it solves the puzzle.
std::optional<std::string> SecondSolution(const std::string& puzzle, const std::string& first)
{
    for (size_t cell = 0; cell < 81; ++cell) {
        if (puzzle[cell] >= '1' && puzzle[cell] <= '9')
            continue;
        for (char digit = '1'; digit <= '9'; ++digit) {
            if (digit == first[cell])
                continue;
            std::string pinned = puzzle;
            pinned[cell] = digit;
            std::string solution;
            if (Count(pinned, &solution) >= 1)
                return solution;
        }
    }
    return std::nullopt;
}

// Removes the four cells of a rectangle that spans two squares and reads a, b / b, a: the grid
// with a and b swapped there is a second solution, and no third one exists.
std::string PuzzleWithTwoSolutions(const std::string& grid, std::string& swapped)
{
    for (int r1 = 0; r1 < 9; ++r1) {
        for (int r2 = r1 + 1; r2 < 9 && r2 / 3 == r1 / 3; ++r2) {
            for (int c1 = 0; c1 < 9; ++c1) {
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const auto at = [](int row, int column) { return static_cast<size_t>(row * 9 + column); };
                    if (c1 / 3 == c2 / 3 || grid[at(r1, c1)] != grid[at(r2, c2)] || grid[at(r1, c2)] != grid[at(r2, c1)])
                        continue;
                    std::string puzzle = grid;
                    swapped = grid;
                    for (const size_t cell : {at(r1, c1), at(r1, c2), at(r2, c1), at(r2, c2)})
                        puzzle[cell] = '.';
                    std::swap(swapped[at(r1, c1)], swapped[at(r1, c2)]);
                    std::swap(swapped[at(r2, c1)], swapped[at(r2, c2)]);
                    return puzzle;
                }
            }
        }
    }
    return "";
}

struct CountCase {
    const char* name;
    std::string puzzle;
    int count;
};

TEST(SolutionCount, EdgeCases)
{
    // The top-left cell sees 1..8 in its row and 9 in its column.
    const std::string noCandidateLeft = ".12345678" "9" + std::string(71, '.');
    const CountCase cases[] = {
        {"complete grid", kSolvedGrid, 1},
        {"one cell open", "." + kSolvedGrid.substr(1), 1},
        {"puzzle solved by singles", kEasy, 1},
        {"empty grid", std::string(81, '.'), kSeveralSolutions},
        {"digit twice in a row", "11" + std::string(79, '.'), 0},
        {"digit twice in a column", "1" + std::string(8, '.') + "1" + std::string(71, '.'), 0},
        {"digit twice in a square", "1" + std::string(9, '.') + "1" + std::string(70, '.'), 0},
        {"consistent, no solution", kDeepContradiction, 0},
        // Fourteen givens and no solution: a finder without locked candidates searched this for minutes.
        {"sparse, no solution", ".....5.8....6.1...............5........1.6...3.......55......61........4.........", 0},
        {"a cell with no digit left", noCandidateLeft, 0},
    };
    for (const CountCase& c : cases) {
        std::string solution;
        EXPECT_EQ(Count(c.puzzle, &solution), c.count) << c.name;
        if (c.count > 0) {
            EXPECT_TRUE(IsValidSolution(solution, c.puzzle)) << c.name << ": " << solution;
        }
    }
}

TEST(SolutionCount, OnlyMinusOneAndOneToNineAreCells)
{
    for (const int odd : {0, 10, -2, -100}) {
        Puzzle values = Puzzle::FromLine(kEasy);
        values[2] = odd;
        EXPECT_EQ(CountSolutions(values.data()), 0) << odd;
    }
}

TEST(SolutionCount, SolutionIsOnlyWrittenWhenThereIsOne)
{
    const Puzzle puzzle = Puzzle::FromLine(kDeepContradiction);
    Puzzle solution = Puzzle::FromLine(std::string(81, '7'));
    EXPECT_EQ(CountSolutions(puzzle.data(), solution.cells.data()), 0);
    EXPECT_EQ(solution.ToLine(), std::string(81, '7'));
    EXPECT_EQ(puzzle, Puzzle::FromLine(kDeepContradiction)) << "the puzzle is only read";
}

TEST(SolutionCount, RectangleOfTwoDigitsGivesExactlyTwoSolutions)
{
    std::string swapped;
    const std::string puzzle = PuzzleWithTwoSolutions(kSolvedGrid, swapped);
    ASSERT_FALSE(puzzle.empty());
    ASSERT_TRUE(IsValidSolution(swapped, puzzle));
    ASSERT_NE(swapped, kSolvedGrid);
    std::string first;
    EXPECT_EQ(Count(puzzle, &first), kSeveralSolutions);
    EXPECT_TRUE(first == kSolvedGrid || first == swapped) << first;
}

// No Su Doku with 16 givens has a unique solution, so every given of a 17-given puzzle is needed.
TEST(SolutionCount, RemovingAnyGivenOfASeventeenGivenPuzzleAllowsSeveralSolutions)
{
    const std::vector<std::string> puzzles = ReadPuzzleFile("17_clue.txt");
    ASSERT_GE(puzzles.size(), 3u);
    for (size_t index : {size_t{0}, puzzles.size() / 2, puzzles.size() - 1}) {
        const std::string& unique = puzzles[index];
        EXPECT_EQ(Count(unique), 1) << unique;
        for (size_t cell = 0; cell < 81; ++cell) {
            if (unique[cell] == '.')
                continue;
            std::string fewer = unique;
            fewer[cell] = '.';
            std::string first;
            ASSERT_EQ(Count(fewer, &first), kSeveralSolutions) << fewer;
            ASSERT_TRUE(IsValidSolution(first, fewer)) << fewer;
            const std::optional<std::string> second = SecondSolution(fewer, first);
            ASSERT_TRUE(second) << fewer;
            EXPECT_NE(*second, first);
            EXPECT_TRUE(IsValidSolution(*second, fewer)) << fewer;
        }
    }
}

struct CollectionCase {
    const char* file;
    size_t stride;  // every stride-th puzzle, from the first
    int count;
};

TEST(SolutionCount, PuzzleCollections)
{
    const CollectionCase cases[] = {
        {"magictour_top95.txt", 1, 1},
        {"unbiased_first1000.txt", 25, 1},
        {"17_clue.txt", 997, 1},
        {"forum_hardest_1106.txt", 25, 1},
        {"forum_hardest_1905_11plus.txt", 4999, 1},
        {"serg_benchmark.txt", 499, kSeveralSolutions},
    };
    for (const CollectionCase& c : cases) {
        const std::vector<std::string> puzzles = ReadPuzzleFile(c.file);
        ASSERT_FALSE(puzzles.empty()) << c.file;
        for (size_t index = 0; index < puzzles.size(); index += c.stride) {
            const std::string& puzzle = puzzles[index];
            std::string first;
            ASSERT_EQ(Count(puzzle, &first), c.count) << c.file << " #" << index + 1 << ": " << puzzle;
            EXPECT_TRUE(IsValidSolution(first, puzzle)) << c.file << " #" << index + 1;
            if (c.count == kSeveralSolutions) {
                const std::optional<std::string> second = SecondSolution(puzzle, first);
                ASSERT_TRUE(second) << puzzle;
                EXPECT_NE(*second, first);
                EXPECT_TRUE(IsValidSolution(*second, puzzle)) << puzzle;
            }
        }
    }
}

}  // namespace
