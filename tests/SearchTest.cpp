// The logic pass and the guessing search.
#include "SolutionCount.h"
#include "solver/StepRecord.h"
#include "solver/SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSolvedGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string kLogicOnly =
    "9475182.3.1243.957..592.4...5169.83.6.4.8.1.5.83.7.694.38.49.26.7.25.38.5.9..37..";
// Consistent, 64 empty cells, and no solution: the contradiction lies deep below the first guess.
const std::string kDeepContradiction =
    "48.3............71.2.......1.5....6....2..8.............1.76...3.....4......5....";

struct GuessSentence {
    int x, y, digit, level;
};

std::vector<GuessSentence> GuessesIn(const StepList& steps)
{
    static const std::regex pattern(R"(Guessing x=(\d), y=(\d), digit=(\d), recursion level=(\d+)\.)");
    std::vector<GuessSentence> guesses;
    for (const std::string& step : steps) {
        std::smatch match;
        if (std::regex_match(step, match, pattern))
            guesses.push_back({std::stoi(match[1]), std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4])});
    }
    return guesses;
}

TEST(Search, CompleteGridIsSolvedAtOnce)
{
    CSuDokuBoard board = BoardFromText(kSolvedGrid);
    StepList steps;
    EXPECT_TRUE(board.Search(steps));
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(board.m_nGuessLevel, 0);
}

TEST(Search, LogicAlonePuzzleNeedsNoGuess)
{
    CSuDokuBoard board = BoardFromText(kLogicOnly);
    StepList steps;
    EXPECT_TRUE(board.Search(steps));
    EXPECT_FALSE(steps.empty());
    EXPECT_TRUE(GuessesIn(steps).empty());
    EXPECT_EQ(board.m_nGuessLevel, 0);
    EXPECT_TRUE(IsValidSolution(BoardToText(board), kLogicOnly));
}

TEST(Search, EmptyBoardStartsByGuessingOneTopLeft)
{
    CSuDokuBoard board;
    StepList steps;
    EXPECT_TRUE(board.Search(steps));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "Guessing x=1, y=1, digit=1, recursion level=1.");
    EXPECT_TRUE(IsValidSolution(BoardToText(board), std::string(81, '.')));
}

TEST(Search, RepeatedDigitOnALoadedBoardFailsBeforeAnyDeduction)
{
    CSuDokuBoard board = BoardFromText("11" + std::string(79, '.'));
    StepList steps = {"earlier sentence"};
    EXPECT_FALSE(board.Search(steps));
    EXPECT_EQ(steps, StepList({"earlier sentence"}));
    EXPECT_TRUE(board.HasCandidate(5, 5, 1)) << "no rule ran";
}

TEST(Search, UnsolvableBoardKeepsWhatTheTopLevelLogicFound)
{
    CSuDokuBoard logicOnly = BoardFromText(kDeepContradiction);
    StepList logicSteps;
    logicOnly.ApplyLogic(logicSteps);
    logicOnly.Evaluate();
    ASSERT_TRUE(logicOnly.m_bConsistent);
    ASSERT_FALSE(logicOnly.m_bSolved);

    // Without stopping after the first guess cell, this board would take the search hours.
    CSuDokuBoard board = BoardFromText(kDeepContradiction);
    StepList steps;
    EXPECT_FALSE(board.Search(steps));
    EXPECT_EQ(steps, logicSteps);
    EXPECT_EQ(BoardToText(board), BoardToText(logicOnly));
    EXPECT_EQ(board.m_nGuessLevel, 0);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y)
            EXPECT_TRUE(board.IsOpen(x, y)) << "no guess survives a failed search";
    }

    StepList again;
    EXPECT_FALSE(board.Search(again));
}

// The successful chain reads in order: levels 1, 2, 3 ..., the level of the board equals the
// number of guesses, and every guessed cell is closed and holds its guessed digit.
void ExpectConsistentGuessChain(const std::string& puzzle)
{
    CSuDokuBoard board = BoardFromText(puzzle);
    StepList steps;
    ASSERT_TRUE(board.Search(steps)) << puzzle;
    EXPECT_TRUE(IsValidSolution(BoardToText(board), puzzle)) << puzzle;
    const std::vector<GuessSentence> guesses = GuessesIn(steps);
    EXPECT_EQ(board.m_nGuessLevel, static_cast<int>(guesses.size())) << puzzle;
    for (size_t i = 0; i < guesses.size(); ++i) {
        const GuessSentence& g = guesses[i];
        EXPECT_EQ(g.level, static_cast<int>(i) + 1) << puzzle;
        EXPECT_FALSE(board.IsOpen(g.x - 1, g.y - 1)) << puzzle;
        EXPECT_EQ(board.GetValue(g.x - 1, g.y - 1), g.digit) << puzzle;
    }
}

TEST(Search, SuccessfulChainsReadInOrderOnHardPuzzles)
{
    for (const std::string& puzzle : ReadPuzzleFile("norvig_hardest11.txt"))
        ExpectConsistentGuessChain(puzzle);
}

TEST(Search, PuzzleWithSeveralSolutionsGetsOneOfThem)
{
    // Two givens fewer than a unique puzzle: several solutions, and the search settles on one.
    const std::string unique = ReadPuzzleFile("magictour_top95.txt").front();
    std::string ambiguous = unique;
    int removed = 0;
    for (char& c : ambiguous) {
        if (c != '.' && removed < 2) {
            c = '.';
            ++removed;
        }
    }
    ExpectConsistentGuessChain(ambiguous);
}

// The search counts the solutions where it first guesses. The finder, counting on the puzzle as
// given, must agree: when reasoning alone solves it, when guesses do, when there are several
// solutions and when there is none.
TEST(Search, CountsTheSolutionsAsTheFinderDoesOnThePuzzleAsGiven)
{
    std::vector<std::string> puzzles = {kLogicOnly, kDeepContradiction, std::string(81, '.')};
    for (const std::string& puzzle : ReadPuzzleFile("magictour_top95.txt")) {
        puzzles.push_back(puzzle);
        std::string fewerGivens = puzzle;
        fewerGivens[fewerGivens.find_first_not_of('.')] = '.';
        fewerGivens[fewerGivens.find_first_not_of('.')] = '.';
        puzzles.push_back(fewerGivens);
    }
    std::set<int> countsSeen;
    for (const std::string& puzzle : puzzles) {
        CSuDokuBoard board = BoardFromText(puzzle);
        StepRecorder records;
        int count = -1;
        const bool solved = board.Search(records, &count);
        EXPECT_EQ(count, CountSolutions(Puzzle::FromLine(puzzle).data())) << puzzle;
        EXPECT_EQ(solved, count > 0) << puzzle;
        countsSeen.insert(count);
    }
    EXPECT_EQ(countsSeen, (std::set<int>{0, 1, kSeveralSolutions}));
}

// orvandel-solve writes the sentences into JSON strings as they are: no template may hold a
// character that would need escaping there.
TEST(Search, SentencesHoldNothingAJsonStringMustEscape)
{
    std::string sentences;
    for (const StepKind kind : {StepKind::Determined, StepKind::HiddenSingle, StepKind::DigitSet, StepKind::Guess}) {
        for (std::uint8_t unitKind = 0; unitKind < 3; ++unitKind)
            AppendSentence(sentences, {kind, unitKind, 80, 0x1FF, 9, 81});
    }
    EXPECT_EQ(std::count_if(sentences.begin(), sentences.end(),
                            [](char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }),
              0)
        << sentences;
}

// The joined form gathers sentences in a buffer of its own: a long list, and a separator longer
// than that buffer, must come out as the sentences one by one would.
TEST(Search, JoinedSentencesReadAsTheSentencesOneByOne)
{
    std::vector<StepRecord> steps;
    for (int i = 0; i < 300; ++i)
        steps.push_back({static_cast<StepKind>(i % 4), static_cast<std::uint8_t>(i % 3), static_cast<std::uint8_t>(i % 81),
                         static_cast<std::uint16_t>(i % 512), i % 9 + 1, i});
    for (const std::string& separator : {std::string(), std::string("\",\""), std::string(5000, '-')}) {
        std::string expected = "[";
        for (size_t i = 0; i < steps.size(); ++i) {
            if (i > 0)
                expected += separator;
            AppendSentence(expected, steps[i]);
        }
        std::string joined = "[";
        AppendSentences(joined, steps, separator);
        EXPECT_EQ(joined, expected) << "separator of " << separator.size() << " characters";
    }
}

}  // namespace
