// Peer elimination and hidden singles, with their sentences.
#include "solver/SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

const std::string kEmpty(81, '.');

// A board with digit 5 given top left and its right-hand neighbour narrowed to `keep`.
CSuDokuBoard FiveWithNeighbour(std::initializer_list<int> keep)
{
    CSuDokuBoard board = BoardFromText("5" + std::string(80, '.'));
    for (int d = 1; d <= 9; ++d) {
        if (std::find(keep.begin(), keep.end(), d) == keep.end())
            board.RemoveCandidate(1, 0, d);
    }
    return board;
}

TEST(SingleDeductions, PassesThatClearNothingReportNoChangeAndWriteNothing)
{
    for (const std::string& text :
         {kEmpty, std::string("534678912672195348198342567859761423426853791713924856961537284287419635345286179")}) {
        CSuDokuBoard board = BoardFromText(text);
        StepList steps;
        EXPECT_FALSE(board.DeduceSingles(steps));
        EXPECT_FALSE(board.DeduceSingles(steps));
        EXPECT_TRUE(steps.empty());
    }
}

TEST(SingleDeductions, PeerLeftWithOneCandidateIsAnnouncedInOneBasedCoordinates)
{
    CSuDokuBoard board = FiveWithNeighbour({5, 7});
    StepList steps;
    EXPECT_TRUE(board.DeduceSingles(steps));
    EXPECT_EQ(steps, StepList({"Cell (x=2, y=1) now determined: can be nothing other than digit 7."}));
    EXPECT_FALSE(board.HasCandidate(1, 0, 5));
    EXPECT_FALSE(board.HasCandidate(8, 0, 5));
    EXPECT_FALSE(board.HasCandidate(0, 8, 5));
    EXPECT_FALSE(board.HasCandidate(2, 2, 5));
    EXPECT_TRUE(board.HasCandidate(3, 1, 5)) << "not a peer";
}

TEST(SingleDeductions, PeerLeftWithSeveralCandidatesChangesSilently)
{
    CSuDokuBoard board = FiveWithNeighbour({5, 7, 8});
    StepList steps;
    EXPECT_TRUE(board.DeduceSingles(steps));
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(board.HasCandidate(1, 0, 5));
}

TEST(SingleDeductions, CellDeterminedDuringEliminationPropagatesOnlyInTheNextPass)
{
    CSuDokuBoard board = FiveWithNeighbour({5, 7});
    StepList steps;
    board.DeduceSingles(steps);
    EXPECT_TRUE(board.HasCandidate(2, 0, 7)) << "the newly determined 7 has not spread yet";
    board.DeduceSingles(steps);
    EXPECT_FALSE(board.HasCandidate(2, 0, 7));
    EXPECT_FALSE(board.HasCandidate(1, 8, 7));
}

TEST(SingleDeductions, RepeatedGivenDigitsEmptyEachOtherWithoutASentence)
{
    std::string text = kEmpty;
    text[0] = '3';
    text[5] = '3';
    CSuDokuBoard board = BoardFromText(text);
    StepList steps;
    EXPECT_TRUE(board.DeduceSingles(steps));
    EXPECT_TRUE(steps.empty());
    board.Evaluate();
    EXPECT_FALSE(board.m_bConsistent);
    EXPECT_EQ(board.GetValue(0, 0), -2);
    EXPECT_EQ(board.GetValue(5, 0), -2);
}

struct HiddenSingleCase {
    const char* name;
    int digit, x, y;
    bool clearColumn, clearRow, clearSquare;  // units in which (x, y) becomes the digit's only place
    const char* sentence;
};

TEST(SingleDeductions, HiddenSinglesNameTheirUnit)
{
    const HiddenSingleCase cases[] = {
        {"column", 2, 8, 0, true, false, false, "In column x=9, digit 2 must go in row y=1."},
        {"row", 6, 3, 4, false, true, false, "In row y=5, digit 6 must go in column x=4."},
        {"square", 8, 7, 1, false, false, true, "In its square, digit 8 must go in cell (x=8, y=2)."},
        {"all three units: the column speaks first and alone", 4, 2, 6, true, true, true,
         "In column x=3, digit 4 must go in row y=7."},
    };
    for (const HiddenSingleCase& c : cases) {
        CSuDokuBoard board;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                const bool inUnit = (c.clearColumn && x == c.x) || (c.clearRow && y == c.y)
                    || (c.clearSquare && CSuDokuBoard::SquareOf(x, y) == CSuDokuBoard::SquareOf(c.x, c.y));
                if (inUnit && !(x == c.x && y == c.y))
                    board.RemoveCandidate(x, y, c.digit);
            }
        }
        StepList steps;
        EXPECT_TRUE(board.DeduceSingles(steps)) << c.name;
        EXPECT_EQ(steps, StepList({c.sentence})) << c.name;
        board.Evaluate();
        EXPECT_EQ(board.GetValue(c.x, c.y), c.digit) << c.name;
    }
}

TEST(SingleDeductions, CellAlreadyReducedToItsHiddenSingleWritesNothing)
{
    std::string text = kEmpty;
    text[0] = '9';
    CSuDokuBoard board = BoardFromText(text);
    for (int y = 1; y < 9; ++y)
        board.RemoveCandidate(0, y, 9);
    for (int x = 1; x < 9; ++x)
        board.RemoveCandidate(x, 0, 9);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            if (x || y)
                board.RemoveCandidate(x, y, 9);
        }
    }
    StepList steps;
    EXPECT_FALSE(board.DeduceSingles(steps));
    EXPECT_TRUE(steps.empty());
}

}  // namespace
