// Digit sets: n digits confined to the same n cells of a unit.
#include "solver/SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

// Removes `digits` from every cell of the unit except `keep`.
template <typename InUnit>
void ConfineDigits(CSuDokuBoard& board, std::initializer_list<int> digits,
                   std::initializer_list<std::pair<int, int>> keep, InUnit inUnit)
{
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (!inUnit(x, y) || std::find(keep.begin(), keep.end(), std::make_pair(x, y)) != keep.end())
                continue;
            for (int d : digits)
                board.RemoveCandidate(x, y, d);
        }
    }
}

auto Row(int row)
{
    return [row](int, int y) { return y == row; };
}

auto Square(int square)
{
    return [square](int x, int y) { return CSuDokuBoard::SquareOf(x, y) == square; };
}

std::vector<int> Candidates(const CSuDokuBoard& board, int x, int y)
{
    std::vector<int> digits;
    for (int d = 1; d <= 9; ++d) {
        if (board.HasCandidate(x, y, d))
            digits.push_back(d);
    }
    return digits;
}

TEST(DigitSets, HiddenPairInARowRestrictsBothCellsInColumnOrder)
{
    CSuDokuBoard board;
    ConfineDigits(board, {4, 8}, {{2, 5}, {6, 5}}, Row(5));
    StepList steps;
    EXPECT_TRUE(board.DeduceDigitSets(steps, 2));
    EXPECT_EQ(steps, StepList({"In row y=6, one of digits 4,8 must go in column x=3.",
                               "In row y=6, one of digits 4,8 must go in column x=7."}));
    EXPECT_EQ(Candidates(board, 2, 5), std::vector<int>({4, 8}));
    EXPECT_EQ(Candidates(board, 6, 5), std::vector<int>({4, 8}));
}

TEST(DigitSets, OnlyCellsThatLoseACandidateGetASentence)
{
    CSuDokuBoard board;
    ConfineDigits(board, {4, 8}, {{2, 5}, {6, 5}}, Row(5));
    for (int d : {1, 2, 3, 5, 6, 7, 9})
        board.RemoveCandidate(2, 5, d);
    StepList steps;
    EXPECT_TRUE(board.DeduceDigitSets(steps, 2));
    EXPECT_EQ(steps, StepList({"In row y=6, one of digits 4,8 must go in column x=7."}));
}

TEST(DigitSets, PairInBothARowAndItsSquareIsAnnouncedOnce)
{
    CSuDokuBoard board;
    ConfineDigits(board, {1, 2}, {{0, 0}, {1, 0}}, Row(0));
    ConfineDigits(board, {1, 2}, {{0, 0}, {1, 0}}, Square(0));
    StepList steps;
    EXPECT_TRUE(board.DeduceDigitSets(steps, 2));
    EXPECT_EQ(steps, StepList({"In row y=1, one of digits 1,2 must go in column x=1.",
                               "In row y=1, one of digits 1,2 must go in column x=2."}));
}

TEST(DigitSets, SquareCellsComeInColumnMajorOrder)
{
    CSuDokuBoard board;
    ConfineDigits(board, {5, 6}, {{3, 1}, {4, 0}}, Square(1));
    StepList steps;
    EXPECT_TRUE(board.DeduceDigitSets(steps, 2));
    EXPECT_EQ(steps, StepList({"In its square, one of digits 5,6 must go in cell (x=4, y=2).",
                               "In its square, one of digits 5,6 must go in cell (x=5, y=1)."}));
}

TEST(DigitSets, ColumnSetOfThreeListsItsDigitsAscending)
{
    CSuDokuBoard board;
    ConfineDigits(board, {1, 5, 9}, {{7, 0}, {7, 4}, {7, 8}}, [](int x, int) { return x == 7; });
    StepList steps;
    EXPECT_FALSE(board.DeduceDigitSets(steps, 2)) << "a three-digit set is not a pair";
    EXPECT_TRUE(board.DeduceDigitSets(steps, 3));
    EXPECT_EQ(steps, StepList({"In column x=8, one of digits 1,5,9 must go in row y=1.",
                               "In column x=8, one of digits 1,5,9 must go in row y=5.",
                               "In column x=8, one of digits 1,5,9 must go in row y=9."}));
}

struct NoSetCase {
    const char* name;
    int size;
    std::vector<std::pair<int, std::vector<int>>> digitColumns;  // digit -> the columns of row 0 it keeps
};

TEST(DigitSets, DigitsThatDoNotShareTheSameCellsAreNoSet)
{
    const NoSetCase cases[] = {
        {"three digits over three cells pairwise", 3, {{1, {0, 1}}, {2, {1, 2}}, {3, {0, 2}}}},
        {"second digit in one of the two cells only", 2, {{1, {0, 1}}, {2, {0}}}},
        {"first digit in one cell only", 2, {{1, {0}}, {2, {0, 1}}}},
        {"first digit in three cells", 2, {{1, {0, 1, 2}}, {2, {0, 1}}}},
    };
    for (const NoSetCase& c : cases) {
        CSuDokuBoard board;
        for (const auto& [digit, columns] : c.digitColumns) {
            for (int x = 0; x < 9; ++x) {
                if (std::find(columns.begin(), columns.end(), x) == columns.end())
                    board.RemoveCandidate(x, 0, digit);
            }
        }
        const CSuDokuBoard before = board;
        StepList steps;
        EXPECT_FALSE(board.DeduceDigitSets(steps, c.size)) << c.name;
        EXPECT_TRUE(steps.empty()) << c.name;
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(Candidates(board, x, 0), Candidates(before, x, 0)) << c.name;
    }
}

TEST(DigitSets, SetWhoseCellsHoldNothingElseChangesNothing)
{
    CSuDokuBoard board;
    ConfineDigits(board, {1, 2}, {{0, 0}, {1, 0}}, Row(0));
    for (int x : {0, 1}) {
        for (int d = 3; d <= 9; ++d)
            board.RemoveCandidate(x, 0, d);
    }
    StepList steps;
    EXPECT_FALSE(board.DeduceDigitSets(steps, 2));
    EXPECT_TRUE(steps.empty());
}

TEST(DigitSets, EmptyBoardHasNoSetOfAnySize)
{
    CSuDokuBoard board;
    StepList steps;
    for (int size = 2; size <= 7; ++size)
        EXPECT_FALSE(board.DeduceDigitSets(steps, size)) << size;
    EXPECT_TRUE(steps.empty());
}

}  // namespace
