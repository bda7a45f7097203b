// The technique finder: each family on hand-made candidate boards, and the whole path checked
// against the solution finder.
#include "SolutionFinder.h"
#include "TechniqueLadder.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

void PrintTo(const CellDigit& cellDigit, std::ostream* out)
{
    *out << cellDigit.digit << "@(x=" << cellDigit.cell % 9 + 1 << ",y=" << cellDigit.cell / 9 + 1 << ')';
}

namespace {

using namespace technique;

// Every pairing of the cells (row * 9 + column) with the digits, cell by cell.
std::vector<CellDigit> Each(std::initializer_list<int> cells, std::initializer_list<int> digits)
{
    std::vector<CellDigit> list;
    for (const int cell : cells) {
        for (const int digit : digits)
            list.push_back({cell, digit});
    }
    return list;
}

std::vector<CellDigit> operator+(std::vector<CellDigit> a, const std::vector<CellDigit>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct FinderRow {
    const char* name;
    Technique technique;
    std::string puzzle;
    std::vector<CellDigit> cut;  // candidates removed from the puzzle's board first
    std::vector<CellDigit> placed;
    std::vector<CellDigit> removed;
};

const std::string kEmpty(81, '.');
const std::vector<CellDigit> kBoxRows23 = Each({9, 10, 11, 18, 19, 20}, {4});

const FinderRow kFinderRows[] = {
    {"FullHouse", Technique::FullHouse, "12345678." + kEmpty, {}, {{8, 9}}, {}},
    {"FullHouseTwoEmpty", Technique::FullHouse, "1234567.." + kEmpty, {}, {}, {}},
    {"HiddenSingleBox", Technique::HiddenSingleBox, kEmpty, Each({1, 2, 9, 10, 11, 18, 19, 20}, {5}), {{0, 5}}, {}},
    {"HiddenSingleBoxTwoPlaces", Technique::HiddenSingleBox, kEmpty, Each({1, 2, 9, 10, 11, 18, 19}, {5}), {}, {}},
    {"HiddenSingleRow", Technique::HiddenSingleLine, kEmpty, Each({0, 1, 2, 3, 5, 6, 7, 8}, {5}), {{4, 5}}, {}},
    {"NakedSingle", Technique::NakedSingle, kEmpty, Each({40}, {1, 2, 3, 4, 5, 6, 7, 8}), {{40, 9}}, {}},
    {"NakedSingleTwoLeft", Technique::NakedSingle, kEmpty, Each({40}, {1, 2, 3, 4, 5, 6, 7}), {}, {}},
    {"Pointing", Technique::Pointing, kEmpty, kBoxRows23, {}, Each({3, 4, 5, 6, 7, 8}, {4})},
    {"PointingNothingLeft", Technique::Pointing, kEmpty, kBoxRows23 + Each({3, 4, 5, 6, 7, 8}, {4}), {}, {}},
    {"Claiming", Technique::Claiming, kEmpty, Each({3, 4, 5, 6, 7, 8}, {4}), {}, kBoxRows23},
    {"ClaimingNothingLeft", Technique::Claiming, kEmpty, kBoxRows23 + Each({3, 4, 5, 6, 7, 8}, {4}), {}, {}},
    {"NakedPair", Technique::NakedPair, kEmpty, Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}), {},
     Each({2, 3, 4, 5, 6, 7, 8}, {1, 2})},
    {"NakedPairAlreadyClean", Technique::NakedPair, kEmpty,
     Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}) + Each({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}, {1, 2}), {}, {}},
    {"HiddenPair", Technique::HiddenPair, kEmpty, Each({2, 3, 4, 5, 6, 7, 8}, {1, 2}), {},
     Each({0, 1}, {3, 4, 5, 6, 7, 8, 9})},
    {"HiddenPairAlreadyClean", Technique::HiddenPair, kEmpty,
     Each({2, 3, 4, 5, 6, 7, 8}, {1, 2}) + Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}), {}, {}},
    // No cell holds all three digits.
    {"NakedTriple", Technique::NakedTriple, kEmpty,
     Each({0, 1, 2}, {4, 5, 6, 7, 8, 9}) + Each({0}, {3}) + Each({1}, {1}) + Each({2}, {2}), {},
     Each({3, 4, 5, 6, 7, 8}, {1, 2, 3})},
    {"HiddenTriple", Technique::HiddenTriple, kEmpty, Each({3, 4, 5, 6, 7, 8}, {1, 2, 3}) + Each({0}, {3}), {},
     Each({0, 1, 2}, {4, 5, 6, 7, 8, 9})},
    {"NakedQuad", Technique::NakedQuad, kEmpty,
     Each({0, 1, 2, 3}, {5, 6, 7, 8, 9}) + Each({0}, {3, 4}) + Each({1}, {1, 4}) + Each({2}, {1, 2}) + Each({3}, {2, 3}), {},
     Each({4, 5, 6, 7, 8}, {1, 2, 3, 4})},
    {"HiddenQuad", Technique::HiddenQuad, kEmpty, Each({4, 5, 6, 7, 8}, {1, 2, 3, 4}), {},
     Each({0, 1, 2, 3}, {5, 6, 7, 8, 9})},
    {"HiddenQuadFiveCells", Technique::HiddenQuad, kEmpty, Each({5, 6, 7, 8}, {1, 2, 3, 4}), {}, {}},
};

class TechniqueFinderTest : public testing::TestWithParam<FinderRow> {};

TEST_P(TechniqueFinderTest, FindsExactlyThePattern)
{
    const FinderRow& row = GetParam();
    TechniqueBoard board(Puzzle::FromLine(row.puzzle));
    for (const CellDigit& cut : row.cut)
        board.Remove(cut.cell, cut.digit);
    for (const LadderRung& rung : Ladder()) {
        if (rung.technique != row.technique)
            continue;
        TechniqueStep step;
        EXPECT_EQ(rung.find(board, step), !row.placed.empty() || !row.removed.empty());
        EXPECT_EQ(step.placed, row.placed);
        EXPECT_EQ(step.removed, row.removed);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, TechniqueFinderTest, testing::ValuesIn(kFinderRows),
                         [](const testing::TestParamInfo<FinderRow>& info) { return info.param.name; });

TEST(TechniqueLadderTest, TakesTheEasiestStepAndSaysWhatItProves)
{
    // A pointing and a naked pair are both there: the ladder takes the pointing.
    TechniqueBoard board(Puzzle::FromLine(kEmpty));
    for (const CellDigit& cut : kBoxRows23 + Each({0, 1}, {3, 5, 6, 7, 8, 9}))
        board.Remove(cut.cell, cut.digit);
    TechniqueStep step;
    ASSERT_TRUE(FindEasiestStep(board, step));
    EXPECT_EQ(step.difficulty, 2.6);
    EXPECT_EQ(TechniqueSentence(step),
              "Pointing: in the square x=1..3, y=1..3, digit 4 can go only in row y=1, so it is removed from "
              "the rest of row y=1: (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1).");
}

TEST(TechniqueLadderTest, PuzzleWithoutOneSolutionIsNotExplained)
{
    EXPECT_FALSE(ExplainPuzzle(Puzzle::FromLine(kEmpty)).explained);
    EXPECT_FALSE(ExplainPuzzle(Puzzle::FromLine("11" + kEmpty)).explained);
}

// Every placement is the solution's digit, no removal takes it, and the path ends on it; the
// solution comes from the solution finder, not from the path.
class TechniquePathTest : public testing::TestWithParam<const char*> {};

TEST_P(TechniquePathTest, IsSound)
{
    for (const std::string& line : ReadPuzzleFile(GetParam())) {
        const Puzzle puzzle = Puzzle::FromLine(line);
        std::uint16_t candidates[81];
        for (int cell = 0; cell < 81; ++cell)  // the finder counts x-major
            candidates[cell] = puzzle.IsEmpty(cell % 9 * 9 + cell / 9) ? 0x1FF : 1u << (puzzle[cell % 9 * 9 + cell / 9] - 1);
        std::uint8_t xMajor[81];
        ASSERT_EQ(grid::CountSolutions(candidates, 2, xMajor), 1) << line;
        const Explanation explanation = ExplainPuzzle(puzzle);
        ASSERT_TRUE(explanation.explained) << line;
        TechniqueBoard board(puzzle);
        for (const TechniqueStep& step : explanation.steps) {
            for (const CellDigit& placed : step.placed)
                ASSERT_EQ(placed.digit, xMajor[placed.cell % 9 * 9 + placed.cell / 9]) << TechniqueSentence(step);
            for (const CellDigit& removed : step.removed)
                ASSERT_NE(removed.digit, xMajor[removed.cell % 9 * 9 + removed.cell / 9]) << TechniqueSentence(step);
            board.Apply(step);
        }
        for (int cell = 0; cell < 81; ++cell)
            ASSERT_EQ(board.Value(cell), xMajor[cell % 9 * 9 + cell / 9]) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Ordinary, TechniquePathTest, testing::Values("unbiased_first1000.txt"));
// The large collections: "ctest -L slow".
INSTANTIATE_TEST_SUITE_P(Sweep, TechniquePathTest,
                         testing::Values("17_clue.txt", "magictour_top1465.txt", "forum_hardest_1106.txt",
                                         "forum_hardest_1905_11plus.txt"));

}  // namespace
