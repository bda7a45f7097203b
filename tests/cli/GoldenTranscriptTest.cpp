// Every golden transcript is reproduced byte for byte: result, level, board and each sentence,
// followed by the unique-solution verdict and the rating, whose values are worked out here on
// their own: the verdict from the solution counter checked against the golden result, the rating
// from the golden level and sentences.
#include "SolutionCount.h"
#include "SolveReport.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <regex>

namespace {

std::string Field(const std::string& line, const std::regex& pattern)
{
    std::smatch match;
    return std::regex_search(line, match, pattern) ? match[1].str() : "";
}

// The rating the rule gives a golden line: none unless solved; by guess level; Easy or Mild by
// whether any sentence uses a digit set.
std::string ExpectedRating(const std::string& result, int level, const std::string& line)
{
    if (result != "solved")
        return "null";
    if (level >= 3)
        return "\"RiverAzevod\"";
    if (level >= 1)
        return "\"Hard\"";
    return line.find("one of digits ") != std::string::npos ? "\"Mild\"" : "\"Easy\"";
}

TEST(GoldenTranscripts, EveryLineIsReproducedExactly)
{
    static const std::regex resultPattern(R"re("result":"([a-z]+)")re");
    static const std::regex levelPattern(R"re("level":(\d+))re");
    static const std::regex boardPattern(R"re("board":"([^"]{81})")re");
    std::ifstream golden(std::string(ORVANDEL_TEST_DATA) + "/golden.jsonl");
    ASSERT_TRUE(golden) << "data/golden.jsonl is missing";
    const std::string prefix = "{\"puzzle\":\"";
    std::string expected;
    int lines = 0;
    std::map<std::string, int> ratingsSeen;
    int uniqueSeen = 0;
    const auto outcome = std::make_unique<SolveOutcome>();
    while (std::getline(golden, expected)) {
        ++lines;
        ASSERT_EQ(expected.compare(0, prefix.size(), prefix), 0) << "line " << lines;
        ASSERT_EQ(expected.back(), '}') << "line " << lines;
        const std::string puzzle = expected.substr(prefix.size(), 81);
        const std::string result = Field(expected, resultPattern);
        const int level = std::stoi(Field(expected, levelPattern));
        const std::string board = Field(expected, boardPattern);

        const Puzzle values = Puzzle::FromLine(puzzle);
        Puzzle solution;
        const int solutions = CountSolutions(values.data(), solution.cells.data());
        if (result == "solved") {
            ASSERT_TRUE(IsValidSolution(board, puzzle)) << "line " << lines;
            ASSERT_GE(solutions, 1) << "line " << lines;
            if (solutions == 1) {
                EXPECT_EQ(solution.ToLine(), board) << "line " << lines << ": one solution, two answers";
            }
        } else {
            EXPECT_EQ(solutions, 0) << "line " << lines << " is " << result;
        }
        const std::string rating = ExpectedRating(result, level, expected);
        ++ratingsSeen[rating];
        uniqueSeen += solutions == 1 ? 1 : 0;

        std::string withVerdicts = expected;
        withVerdicts.insert(withVerdicts.size() - 1,
                            std::string(",\"unique\":") + (solutions == 1 ? "true" : "false") + ",\"rating\":" + rating);
        SolvePuzzle(values, *outcome);
        std::string actual;
        AppendJson(actual, *outcome);
        EXPECT_EQ(actual, withVerdicts + "\n") << "line " << lines;
    }
    EXPECT_EQ(lines, 257);
    EXPECT_EQ(ratingsSeen.size(), 5u) << "the transcripts hold every rating and unrated puzzles";
    EXPECT_GT(uniqueSeen, 0);
    EXPECT_LT(uniqueSeen, lines);
}

}  // namespace
