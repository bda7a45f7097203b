// The fast engine against the first, straightforward one it replaced: on every puzzle and every
// board the two must agree exactly: result, level, board, and every step sentence in order.
#include "ReferenceSuDokuBoard.h"
#include "SolveTranscript.h"
#include "solver/SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// The reference engine is slow, and slower still in a sanitizer build: such builds check every
// n-th puzzle of each sample only.
#ifndef ORVANDEL_EQUIVALENCE_STRIDE
#define ORVANDEL_EQUIVALENCE_STRIDE 1
#endif
constexpr size_t kBuildStride = ORVANDEL_EQUIVALENCE_STRIDE;

void LoadText(const std::string& text81, int values[81])
{
    for (size_t cell = 0; cell < 81; ++cell) {
        const char c = text81[cell];
        values[cell] = (c >= '1' && c <= '9') ? c - '0' : -1;
    }
}

template <class Board>
SolveTranscript SolveText(const std::string& text81)
{
    int values[81];
    LoadText(text81, values);
    Board board;
    SolveTranscript transcript;
    Solve(values, board, transcript);
    RecordBoard(board, transcript);
    return transcript;
}

const char* ResultName(SolveTranscript::Result result)
{
    switch (result) {
    case SolveTranscript::Result::Solved:
        return "solved";
    case SolveTranscript::Result::Unsolvable:
        return "unsolvable";
    case SolveTranscript::Result::Inconsistent:
        return "inconsistent";
    }
    return "?";
}

// Compares the two step lists and names the first sentence where they part.
::testing::AssertionResult SameSteps(const StepList& fast, const StepList& reference)
{
    const size_t common = std::min(fast.size(), reference.size());
    for (size_t i = 0; i < common; ++i) {
        if (fast[i] != reference[i])
            return ::testing::AssertionFailure() << "step " << i << " differs:\n  engine:    " << fast[i]
                                                 << "\n  reference: " << reference[i];
    }
    if (fast.size() != reference.size())
        return ::testing::AssertionFailure() << "the engine wrote " << fast.size() << " steps, the reference "
                                             << reference.size();
    return ::testing::AssertionSuccess();
}

// Solves the puzzle with both engines; returns the reference's result so callers can count kinds.
SolveTranscript::Result ExpectSameSolve(const std::string& puzzle)
{
    const SolveTranscript fast = SolveText<CSuDokuBoard>(puzzle);
    const SolveTranscript reference = SolveText<reference::CSuDokuBoard>(puzzle);
    EXPECT_STREQ(ResultName(fast.result), ResultName(reference.result)) << puzzle;
    EXPECT_EQ(fast.level, reference.level) << puzzle;
    EXPECT_EQ(fast.board, reference.board) << puzzle;
    EXPECT_TRUE(SameSteps(fast.steps, reference.steps)) << puzzle;
    return reference.result;
}

// Every field of the two boards, cell by cell.
::testing::AssertionResult SameBoard(const CSuDokuBoard& fast, const reference::CSuDokuBoard& reference)
{
    if (fast.m_nGuessLevel != reference.m_nGuessLevel || fast.m_bSolved != reference.m_bSolved ||
        fast.m_bConsistent != reference.m_bConsistent)
        return ::testing::AssertionFailure() << "level or verdicts differ";
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (fast.m_nInitial[x][y] != reference.m_nInitial[x][y] || fast.m_nValue[x][y] != reference.m_nValue[x][y] ||
                fast.IsOpen(x, y) != reference.IsOpen(x, y))
                return ::testing::AssertionFailure() << "cell x=" << x << ", y=" << y << " differs";
            for (int d = 1; d <= 9; ++d) {
                if (fast.HasCandidate(x, y, d) != reference.HasCandidate(x, y, d))
                    return ::testing::AssertionFailure() << "candidate " << d << " of x=" << x << ", y=" << y;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// --- Puzzle collections -------------------------------------------------------------------------

std::vector<std::string> ReadGoldenPuzzles()
{
    std::ifstream file(std::string(ORVANDEL_TEST_DATA) + "/golden.jsonl");
    const std::string key = "\"puzzle\":\"";
    std::vector<std::string> puzzles;
    std::string line;
    while (std::getline(file, line)) {
        const size_t start = line.find(key);
        if (start != std::string::npos && line.size() >= start + key.size() + 81)
            puzzles.push_back(line.substr(start + key.size(), 81));
    }
    return puzzles;
}

struct CollectionSample {
    const char* file;
    size_t stride;  // every stride-th puzzle ...
    size_t offset;  // ... starting with this one (0-based)
};

void PrintTo(const CollectionSample& sample, std::ostream* out)
{
    *out << sample.file << " every " << sample.stride << " from " << sample.offset;
}

class CollectionEquivalence : public ::testing::TestWithParam<CollectionSample> {};

TEST_P(CollectionEquivalence, EngineAndReferenceAgreeOnEveryPuzzle)
{
    const CollectionSample& sample = GetParam();
    const std::string file = sample.file;
    const std::vector<std::string> puzzles = file == "golden.jsonl" ? ReadGoldenPuzzles() : ReadPuzzleFile(file);
    ASSERT_GT(puzzles.size(), sample.offset) << "no puzzles read from " << file;
    const size_t stride = sample.stride * kBuildStride;
    for (size_t i = sample.offset; i < puzzles.size(); i += stride) {
        SCOPED_TRACE(file + " puzzle " + std::to_string(i + 1));
        ExpectSameSolve(puzzles[i]);
        if (HasFailure())
            return;
    }
}

// A few puzzles of every collection, for every test run.
INSTANTIATE_TEST_SUITE_P(
    Sample, CollectionEquivalence,
    ::testing::Values(CollectionSample{"golden.jsonl", 26, 1}, CollectionSample{"magictour_top95.txt", 10, 2},
                      CollectionSample{"norvig_hardest11.txt", 3, 0},
                      CollectionSample{"unbiased_first1000.txt", 100, 3},
                      CollectionSample{"magictour_top1465.txt", 150, 4},
                      CollectionSample{"forum_hardest_1106.txt", 125, 5},
                      CollectionSample{"forum_hardest_1905_11plus.txt", 10000, 6},
                      CollectionSample{"17_clue.txt", 5000, 7}, CollectionSample{"serg_benchmark.txt", 1000, 8}));

// The sweep, labelled "slow" for the build (continuous integration runs it): the small
// collections whole (the largest split so that the halves run in parallel), the big ones as an
// even sample, since the reference needs up to seconds for one of the hardest puzzles.
INSTANTIATE_TEST_SUITE_P(
    Sweep, CollectionEquivalence,
    ::testing::Values(CollectionSample{"golden.jsonl", 1, 0}, CollectionSample{"magictour_top95.txt", 1, 0},
                      CollectionSample{"norvig_hardest11.txt", 1, 0},
                      CollectionSample{"unbiased_first1000.txt", 1, 0},
                      CollectionSample{"magictour_top1465.txt", 2, 0},
                      CollectionSample{"magictour_top1465.txt", 2, 1},
                      CollectionSample{"forum_hardest_1106.txt", 8, 3},
                      CollectionSample{"forum_hardest_1905_11plus.txt", 1000, 7},
                      CollectionSample{"17_clue.txt", 400, 11}, CollectionSample{"serg_benchmark.txt", 100, 5}));

// --- Generated boards ---------------------------------------------------------------------------

using Grid = std::array<int, 81>;  // row by row, 1..9

// A random complete grid: a fixed valid pattern with its digits relabelled, rows shuffled within
// bands, bands shuffled, the same for columns, and a transposition half the time.
Grid RandomSolution(std::mt19937& random)
{
    std::array<int, 9> digits;
    std::iota(digits.begin(), digits.end(), 1);
    std::shuffle(digits.begin(), digits.end(), random);
    auto shuffledLines = [&random]() {
        std::array<int, 3> bands = {0, 1, 2};
        std::shuffle(bands.begin(), bands.end(), random);
        std::array<int, 9> lines{};
        for (int band = 0; band < 3; ++band) {
            std::array<int, 3> within = {0, 1, 2};
            std::shuffle(within.begin(), within.end(), random);
            for (int i = 0; i < 3; ++i)
                lines[band * 3 + i] = bands[band] * 3 + within[i];
        }
        return lines;
    };
    const std::array<int, 9> rows = shuffledLines();
    const std::array<int, 9> columns = shuffledLines();
    const bool transpose = random() % 2 == 0;
    Grid grid{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int pr = transpose ? columns[c] : rows[r];
            const int pc = transpose ? rows[r] : columns[c];
            grid[r * 9 + c] = digits[(pr * 3 + pr / 3 + pc) % 9];
        }
    }
    return grid;
}

// Keeps `givens` random cells of the grid; the others become empty.
std::string KeepGivens(const Grid& grid, int givens, std::mt19937& random)
{
    std::array<int, 81> cells;
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), random);
    std::string text(81, '.');
    for (int i = 0; i < givens; ++i)
        text[cells[i]] = static_cast<char>('0' + grid[cells[i]]);
    return text;
}

int RandomBetween(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

size_t GeneratedCount(size_t count)
{
    return std::max<size_t>(count / kBuildStride, 5);
}

TEST(GeneratedEquivalence, PuzzlesCutFromValidGrids)
{
    std::mt19937 random(20240601);
    for (size_t i = 0; i < GeneratedCount(300); ++i) {
        const std::string puzzle = KeepGivens(RandomSolution(random), RandomBetween(random, 22, 60), random);
        SCOPED_TRACE(puzzle);
        ExpectSameSolve(puzzle);
        if (HasFailure())
            return;
    }
}

// The reference engine needs up to a second for such a board: a few in `make test`, the rest with
// the slow tests.
class FewGivensEquivalence : public testing::TestWithParam<size_t> {};

TEST_P(FewGivensEquivalence, BoardsWithFewGivensAndManySolutions)
{
    std::mt19937 random(77);
    for (size_t i = 0; i < GeneratedCount(GetParam()); ++i) {
        const std::string puzzle = KeepGivens(RandomSolution(random), RandomBetween(random, 0, 16), random);
        SCOPED_TRACE(puzzle);
        ExpectSameSolve(puzzle);
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Ordinary, FewGivensEquivalence, testing::Values(size_t{15}));
INSTANTIATE_TEST_SUITE_P(Sweep, FewGivensEquivalence, testing::Values(size_t{100}));

TEST(GeneratedEquivalence, BoardsThatRepeatADigit)
{
    std::mt19937 random(4242);
    size_t refused = 0;
    for (size_t i = 0; i < GeneratedCount(150); ++i) {
        // Random digits in random cells: most repeat a digit in some unit, some do not.
        std::string puzzle(81, '.');
        const int givens = RandomBetween(random, 5, 30);
        for (int g = 0; g < givens; ++g)
            puzzle[RandomBetween(random, 0, 80)] = static_cast<char>('0' + RandomBetween(random, 1, 9));
        SCOPED_TRACE(puzzle);
        refused += ExpectSameSolve(puzzle) == SolveTranscript::Result::Inconsistent ? 1 : 0;
        if (HasFailure())
            return;
    }
    EXPECT_GT(refused, 0u) << "the generator made no board that repeats a digit";
}

TEST(GeneratedEquivalence, ConsistentBoardsWithoutSolution)
{
    std::mt19937 random(9001);
    size_t unsolvable = 0;
    for (size_t i = 0; i < GeneratedCount(150); ++i) {
        // A puzzle cut from a valid grid, with one empty cell given a digit that none of its
        // units holds yet but that the solution does not allow.
        const Grid solution = RandomSolution(random);
        std::string puzzle = KeepGivens(solution, RandomBetween(random, 24, 45), random);
        for (int attempt = 0; attempt < 200; ++attempt) {
            const int cell = RandomBetween(random, 0, 80);
            const char digit = static_cast<char>('0' + RandomBetween(random, 1, 9));
            if (puzzle[cell] != '.' || digit == '0' + solution[cell])
                continue;
            bool seen = false;
            for (int other = 0; other < 81; ++other) {
                const bool sameUnit = other / 9 == cell / 9 || other % 9 == cell % 9 ||
                                      (other / 27 == cell / 27 && other % 9 / 3 == cell % 9 / 3);
                seen = seen || (sameUnit && puzzle[other] == digit);
            }
            if (!seen) {
                puzzle[cell] = digit;
                break;
            }
        }
        SCOPED_TRACE(puzzle);
        unsolvable += ExpectSameSolve(puzzle) == SolveTranscript::Result::Unsolvable ? 1 : 0;
        if (HasFailure())
            return;
    }
    EXPECT_GT(unsolvable, 0u) << "the generator made no consistent board without a solution";
}

// The single rules, the logic pass and the search on their own, on boards with random candidates
// removed, so that every operation of the board is compared and not only whole solves.
TEST(GeneratedEquivalence, EachRuleOnBoardsWithCandidatesRemoved)
{
    std::mt19937 random(31337);
    for (size_t i = 0; i < GeneratedCount(200); ++i) {
        const Grid solution = RandomSolution(random);
        const std::string puzzle = KeepGivens(solution, RandomBetween(random, 0, 40), random);
        int values[81];
        LoadText(puzzle, values);
        CSuDokuBoard fast;
        reference::CSuDokuBoard slow;
        fast.Load(values);
        slow.Load(values);
        const int operation = static_cast<int>(i % 4);
        // The search keeps the solution's digits: a board stripped at random can need a search
        // tree of millions of boards to prove that it has no solution.
        const bool keepSolution = operation == 3;
        const int removals = RandomBetween(random, 0, 250);
        for (int r = 0; r < removals; ++r) {
            const int x = RandomBetween(random, 0, 8);
            const int y = RandomBetween(random, 0, 8);
            const int d = RandomBetween(random, 1, 9);
            if (keepSolution && solution[y * 9 + x] == d)
                continue;
            fast.RemoveCandidate(x, y, d);
            slow.RemoveCandidate(x, y, d);
        }
        SCOPED_TRACE(puzzle + " with " + std::to_string(removals) + " removals, board " + std::to_string(i));
        StepList fastSteps;
        StepList slowSteps;
        if (operation == 0) {
            EXPECT_EQ(fast.DeduceSingles(fastSteps), slow.DeduceSingles(slowSteps));
        } else if (operation == 1) {
            const int size = RandomBetween(random, 1, 9);
            EXPECT_EQ(fast.DeduceDigitSets(fastSteps, size), slow.DeduceDigitSets(slowSteps, size)) << size;
        } else if (operation == 2) {
            fast.ApplyLogic(fastSteps);
            slow.ApplyLogic(slowSteps);
        } else {
            // A board below the top level skips the first consistency check.
            fast.m_nGuessLevel = slow.m_nGuessLevel = static_cast<int>(i % 3);
            // Cells closed for guessing while they still hold several candidates: the search can
            // no longer reach every solution, and must still fail or succeed as the reference does.
            if (i % 8 == 3) {
                for (int closed = RandomBetween(random, 1, 3); closed > 0; --closed) {
                    const int x = RandomBetween(random, 0, 8);
                    const int y = RandomBetween(random, 0, 8);
                    fast.m_bOpen[x][y] = slow.m_bOpen[x][y] = false;
                }
            }
            EXPECT_EQ(fast.Search(fastSteps), slow.Search(slowSteps));
        }
        EXPECT_TRUE(SameBoard(fast, slow));
        EXPECT_TRUE(SameSteps(fastSteps, slowSteps));
        if (HasFailure())
            return;
    }
}

}  // namespace
