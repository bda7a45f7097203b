// The board record: loading, evaluation, accessors and copying.
#include "solver/SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

const std::string kSolvedGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(BoardState, NewAndClearedBoardsAreEmptyConsistentAndUnsolved)
{
    CSuDokuBoard fresh;
    CSuDokuBoard cleared = BoardFromText(kSolvedGrid);
    cleared.Evaluate();
    cleared.Clear();
    for (CSuDokuBoard* board : {&fresh, &cleared}) {
        EXPECT_EQ(BoardToText(*board), std::string(81, '.'));
        EXPECT_EQ(board->m_nGuessLevel, 0);
        board->Evaluate();
        EXPECT_FALSE(board->m_bSolved);
        EXPECT_TRUE(board->m_bConsistent);
    }
}

TEST(BoardState, CompleteValidGridIsSolvedAndConsistent)
{
    CSuDokuBoard board = BoardFromText(kSolvedGrid);
    EXPECT_TRUE(board.IsSolved());
    EXPECT_TRUE(board.IsConsistent());
    EXPECT_EQ(BoardToText(board), kSolvedGrid);
}

struct DuplicateCase {
    const char* name;
    int first;   // cells, row by row
    int second;
};

TEST(BoardState, RepeatedDigitInAnyUnitIsInconsistent)
{
    const DuplicateCase cases[] = {
        {"column", 0 * 9 + 4, 7 * 9 + 4},
        {"row", 3 * 9 + 0, 3 * 9 + 8},
        {"square", 0 * 9 + 0, 2 * 9 + 2},
    };
    for (const DuplicateCase& c : cases) {
        std::string text(81, '.');
        text[static_cast<size_t>(c.first)] = '6';
        text[static_cast<size_t>(c.second)] = '6';
        CSuDokuBoard board = BoardFromText(text);
        EXPECT_FALSE(board.IsConsistent()) << c.name;
        EXPECT_FALSE(board.IsSolved()) << c.name << ": other cells still have several candidates";
    }
    // A full grid with one repeat is "solved" (one candidate everywhere) yet inconsistent.
    std::string broken = kSolvedGrid;
    broken[1] = broken[0];
    CSuDokuBoard board = BoardFromText(broken);
    EXPECT_TRUE(board.IsSolved());
    EXPECT_FALSE(board.IsConsistent());
}

TEST(BoardState, OutOfRangeValueLeavesCellWithoutCandidates)
{
    for (const int bad : {0, 10, -2}) {
        int values[81];
        std::fill(values, values + 81, -1);
        values[10] = bad;  // column 1, row 1
        CSuDokuBoard board;
        board.Load(values);
        EXPECT_EQ(board.GetValue(1, 1), bad) << "raw value before Evaluate";
        board.Evaluate();
        EXPECT_EQ(board.GetValue(1, 1), -2) << bad;
        EXPECT_FALSE(board.m_bConsistent) << bad;
    }
}

TEST(BoardState, LoadTransposesRowByRowInputIntoColumnsAndRows)
{
    std::string text(81, '.');
    text[0 * 9 + 8] = '3';  // row 0, column 8
    text[8 * 9 + 0] = '7';  // row 8, column 0
    const CSuDokuBoard board = BoardFromText(text);
    EXPECT_EQ(board.GetValue(8, 0), 3);
    EXPECT_EQ(board.GetValue(0, 8), 7);
    EXPECT_EQ(board.m_nInitial[8][0], 3);
    EXPECT_TRUE(board.HasCandidate(8, 0, 3));
    EXPECT_FALSE(board.HasCandidate(8, 0, 4));
    EXPECT_TRUE(board.HasCandidate(4, 4, 9));
}

TEST(BoardState, AccessorsReadMinusOneOutsideTheBoard)
{
    const CSuDokuBoard board = BoardFromText(kSolvedGrid);
    EXPECT_EQ(board.GetValue(9, 0), -1);
    EXPECT_EQ(board.GetValue(0, -1), -1);
    EXPECT_EQ(board.GetValueRowCol(-1, 4), -1);
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            EXPECT_EQ(board.GetValueRowCol(row, column), board.GetValue(column, row));
    }
}

TEST(BoardState, SquareNumbering)
{
    EXPECT_EQ(CSuDokuBoard::SquareOf(8, 0), 2);
    EXPECT_EQ(CSuDokuBoard::SquareOf(0, 8), 6);
    EXPECT_EQ(CSuDokuBoard::SquareOf(4, 4), 4);
    for (int s = 0; s < 9; ++s) {
        int firstX, lastX, firstY, lastY;
        CSuDokuBoard::GetSquareBounds(s, firstX, lastX, firstY, lastY);
        EXPECT_EQ(lastX - firstX, 2);
        EXPECT_EQ(lastY - firstY, 2);
        for (int x = firstX; x <= lastX; ++x) {
            for (int y = firstY; y <= lastY; ++y)
                EXPECT_EQ(CSuDokuBoard::SquareOf(x, y), s);
        }
    }
    int firstX, lastX, firstY, lastY;
    CSuDokuBoard::GetSquareBounds(5, firstX, lastX, firstY, lastY);
    EXPECT_EQ(std::vector<int>({firstX, lastX, firstY, lastY}), std::vector<int>({6, 8, 3, 5}));
}

TEST(BoardState, AssigningACopyBackRestoresEveryField)
{
    CSuDokuBoard board = BoardFromText(std::string(40, '.') + "5" + std::string(40, '.'));
    const CSuDokuBoard saved = board;
    StepList steps;
    board.Guess(0, 0, 4, steps);
    board.RemoveCandidate(8, 8, 2);
    board.Evaluate();
    ASSERT_FALSE(board.IsOpen(0, 0));
    ASSERT_EQ(board.m_nGuessLevel, 1);

    board = saved;
    EXPECT_TRUE(board.IsOpen(0, 0));
    EXPECT_EQ(board.m_nGuessLevel, 0);
    EXPECT_TRUE(board.HasCandidate(0, 0, 1));
    EXPECT_TRUE(board.HasCandidate(8, 8, 2));
    EXPECT_EQ(board.GetValue(4, 4), 5);
    EXPECT_EQ(BoardToText(board), BoardToText(saved));
}

}  // namespace
