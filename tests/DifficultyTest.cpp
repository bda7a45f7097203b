// The difficulty rating: the rule itself, and Set Su Doku on puzzles of every rating.
#include "Difficulty.h"
#include "Engine.h"
#include "solver/Rating.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>

namespace {

struct RuleCase {
    const char* name;
    bool solved;
    int guessLevel;
    bool usedDigitSets;
    std::optional<Difficulty> rating;
};

TEST(Difficulty, RuleTable)
{
    const RuleCase cases[] = {
        {"singles only", true, 0, false, Difficulty::Easy},
        {"a digit set", true, 0, true, Difficulty::Mild},
        {"one guess", true, 1, false, Difficulty::Hard},
        {"two guesses after digit sets", true, 2, true, Difficulty::Hard},
        {"three guesses", true, 3, false, Difficulty::RiverAzevod},
        {"many guesses", true, 47, true, Difficulty::RiverAzevod},
        {"unsolvable after logic", false, 0, true, std::nullopt},
        {"unsolvable with a level", false, 2, false, std::nullopt},
    };
    for (const RuleCase& c : cases)
        EXPECT_EQ(RateSearch(c.solved, c.guessLevel, c.usedDigitSets), c.rating) << c.name;
}

TEST(Difficulty, NamesAreTheSavedBoardFolders)
{
    EXPECT_STREQ(DifficultyName(Difficulty::Easy), "Easy");
    EXPECT_STREQ(DifficultyName(Difficulty::Mild), "Mild");
    EXPECT_STREQ(DifficultyName(Difficulty::Hard), "Hard");
    EXPECT_STREQ(DifficultyName(Difficulty::RiverAzevod), "RiverAzevod");
}

TEST(Difficulty, NamesAreReadInAnyCase)
{
    const std::pair<const char*, std::optional<Difficulty>> cases[] = {
        {"easy", Difficulty::Easy}, {"MILD", Difficulty::Mild}, {"Hard", Difficulty::Hard},
        {"riverAZEVOD", Difficulty::RiverAzevod}, {"", std::nullopt}, {"eas", std::nullopt},
        {"easy ", std::nullopt}, {"river", std::nullopt},
    };
    for (const auto& [name, rating] : cases)
        EXPECT_EQ(DifficultyFromName(name), rating) << name;
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

// Set Su Doku on a stretch of random puzzles, which hold every rating. The rating comes from the
// step records; the expected one is read off the sentences, and Easy and Mild are also told apart
// by running the single-digit rules alone.
TEST(Difficulty, RandomPuzzlesOfEveryRatingFollowTheRule)
{
    static const std::regex guessing(R"(^Guessing x=\d, y=\d, digit=\d, recursion level=\d+\.$)");
    static const std::regex digitSet(R"(one of digits \d(,\d)+ must go)");
    std::vector<std::string> puzzles = ReadPuzzleFile("unbiased_first1000.txt");
    ASSERT_GE(puzzles.size(), 60u);
    puzzles.resize(60);
    std::map<Difficulty, int> seen;
    auto outcome = std::make_unique<SolveOutcome>();
    for (const std::string& puzzle : puzzles) {
        SolvePuzzle(Puzzle::FromLine(puzzle), *outcome);
        ASSERT_EQ(outcome->result, SolveResult::Solved) << puzzle;
        StepList steps;
        AppendSentences(steps, outcome->steps);
        const auto guesses = std::count_if(steps.begin(), steps.end(),
                                           [](const std::string& s) { return std::regex_match(s, guessing); });
        const bool usedDigitSets = std::any_of(steps.begin(), steps.end(),
                                               [](const std::string& s) { return std::regex_search(s, digitSet); });
        const Difficulty expected = guesses >= 3 ? Difficulty::RiverAzevod
            : guesses >= 1                       ? Difficulty::Hard
            : usedDigitSets                      ? Difficulty::Mild
                                                 : Difficulty::Easy;
        const std::optional<Difficulty> rating = outcome->rating;
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
        auto outcome = std::make_unique<SolveOutcome>();
        SolvePuzzle(Puzzle::FromLine(puzzle), *outcome);
        EXPECT_EQ(outcome->result, SolveResult::Unsolvable) << puzzle;
        EXPECT_FALSE(outcome->rating) << puzzle;
    }
}

}  // namespace
