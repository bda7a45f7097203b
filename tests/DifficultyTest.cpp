// The difficulty rating: the rule itself, and real searches on puzzles of every rating.
#include "Difficulty.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace {

const std::string kSingleSentence = "In column x=4, digit 1 must go in row y=2.";
const std::string kDigitSetSentence = "In its square, one of digits 2,6 must go in cell (x=6, y=5).";
const std::string kGuessSentence = "Guessing x=2, y=7, digit=8, recursion level=1.";

struct RuleCase {
    const char* name;
    bool solved;
    int guessLevel;
    StepList steps;
    std::optional<Difficulty> rating;
};

TEST(Difficulty, RuleTable)
{
    const RuleCase cases[] = {
        {"complete as given", true, 0, {}, Difficulty::Easy},
        {"singles only", true, 0, {kSingleSentence, kSingleSentence}, Difficulty::Easy},
        {"one digit set among singles", true, 0, {kSingleSentence, kDigitSetSentence, kSingleSentence},
         Difficulty::Mild},
        {"digit set in a row sentence", true, 0, {"In row y=3, one of digits 4,8,9 must go in column x=2."},
         Difficulty::Mild},
        {"one guess", true, 1, {kGuessSentence}, Difficulty::Hard},
        {"two guesses after digit sets", true, 2, {kDigitSetSentence, kGuessSentence, kGuessSentence},
         Difficulty::Hard},
        {"three guesses", true, 3, {}, Difficulty::RiverAzevod},
        {"many guesses", true, 47, {kSingleSentence}, Difficulty::RiverAzevod},
        {"unsolvable after logic", false, 0, {kDigitSetSentence}, std::nullopt},
        {"unsolvable with a level", false, 2, {}, std::nullopt},
    };
    for (const RuleCase& c : cases)
        EXPECT_EQ(RateSearch(c.solved, c.guessLevel, c.steps), c.rating) << c.name;
}

TEST(Difficulty, NamesAreTheSavedBoardFolders)
{
    EXPECT_STREQ(DifficultyName(Difficulty::Easy), "Easy");
    EXPECT_STREQ(DifficultyName(Difficulty::Mild), "Mild");
    EXPECT_STREQ(DifficultyName(Difficulty::Hard), "Hard");
    EXPECT_STREQ(DifficultyName(Difficulty::RiverAzevod), "RiverAzevod");
}

// Single-digit deductions alone, repeated until they stall.
bool SinglesAloneSolve(const std::string& puzzle)
{
    CSuDokuBoard board = BoardFromText(puzzle);
    StepList ignored;
    while (!board.IsSolved() && board.DeduceSingles(ignored)) {
    }
    return board.IsSolved() && board.IsConsistent();
}

// Real searches on a stretch of random puzzles, which hold every rating. The expected rating is
// read off the sentences; Easy and Mild are also told apart by running the single-digit rules alone.
TEST(Difficulty, RandomPuzzlesOfEveryRatingFollowTheRule)
{
    static const std::regex guessing(R"(^Guessing x=\d, y=\d, digit=\d, recursion level=\d+\.$)");
    static const std::regex digitSet(R"(one of digits \d(,\d)+ must go)");
    std::vector<std::string> puzzles = ReadPuzzleFile("unbiased_first1000.txt");
    ASSERT_GE(puzzles.size(), 60u);
    puzzles.resize(60);
    std::map<Difficulty, int> seen;
    for (const std::string& puzzle : puzzles) {
        CSuDokuBoard board = BoardFromText(puzzle);
        StepList steps;
        const bool solved = board.Search(steps);
        ASSERT_TRUE(solved) << puzzle;
        const auto guesses = std::count_if(steps.begin(), steps.end(),
                                           [](const std::string& s) { return std::regex_match(s, guessing); });
        const bool usedDigitSets = std::any_of(steps.begin(), steps.end(),
                                               [](const std::string& s) { return std::regex_search(s, digitSet); });
        const Difficulty expected = guesses >= 3 ? Difficulty::RiverAzevod
            : guesses >= 1                       ? Difficulty::Hard
            : usedDigitSets                      ? Difficulty::Mild
                                                 : Difficulty::Easy;
        const std::optional<Difficulty> rating = RateSearch(solved, board.m_nGuessLevel, steps);
        ASSERT_TRUE(rating) << puzzle;
        EXPECT_EQ(*rating, expected) << puzzle;
        if (*rating == Difficulty::Easy || *rating == Difficulty::Mild) {
            EXPECT_EQ(SinglesAloneSolve(puzzle), *rating == Difficulty::Easy) << puzzle;
        }
        ++seen[*rating];
    }
    EXPECT_EQ(seen.size(), 4u) << "the stretch should hold every rating";
}

TEST(Difficulty, PuzzlesWithoutASolutionHaveNoRating)
{
    for (const std::string& puzzle :
         {std::string("48.3............71.2.......1.5....6....2..8.............1.76...3.....4......5...."),
          std::string(".12345678" "9") + std::string(71, '.')}) {
        CSuDokuBoard board = BoardFromText(puzzle);
        StepList steps;
        const bool solved = board.Search(steps);
        EXPECT_FALSE(solved) << puzzle;
        EXPECT_FALSE(RateSearch(solved, board.m_nGuessLevel, steps)) << puzzle;
    }
}

}  // namespace
