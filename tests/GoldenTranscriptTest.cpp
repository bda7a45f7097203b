// Every golden transcript is reproduced byte for byte: result, level, board and each sentence.
#include "SolveReport.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

TEST(GoldenTranscripts, EveryLineIsReproducedExactly)
{
    std::ifstream golden(std::string(ORVANDEL_TEST_DATA) + "/golden.jsonl");
    ASSERT_TRUE(golden) << "data/golden.jsonl is missing";
    const std::string prefix = "{\"puzzle\":\"";
    std::string expected;
    int lines = 0;
    while (std::getline(golden, expected)) {
        ++lines;
        ASSERT_EQ(expected.compare(0, prefix.size(), prefix), 0) << "line " << lines;
        const std::string puzzle = expected.substr(prefix.size(), 81);
        int values[81];
        for (int cell = 0; cell < 81; ++cell) {
            const char c = puzzle[static_cast<size_t>(cell)];
            values[cell] = (c >= '1' && c <= '9') ? c - '0' : -1;
        }
        std::ostringstream actual;
        PrintJson(actual, SolvePuzzle(values));
        EXPECT_EQ(actual.str(), expected + "\n") << "line " << lines;
    }
    EXPECT_EQ(lines, 257);
}

}  // namespace
