// The puzzle generator: one solution, the rating asked for, minimal, symmetric when asked, and the
// same puzzle from the same seed.
#include "Engine.h"
#include "NewPuzzleChoice.h"
#include "PuzzleGenerator.h"
#include "techniques/TechniqueLadder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

bool Fits(const Puzzle& puzzle, int cell, int digit)
{
    const int row = cell / 9;
    const int column = cell % 9;
    const int box = row / 3 * 27 + column / 3 * 3;
    for (int i = 0; i < 9; ++i) {
        if (puzzle[row * 9 + i] == digit || puzzle[i * 9 + column] == digit || puzzle[box + i / 3 * 9 + i % 3] == digit)
            return false;
    }
    return true;
}

// Solutions up to two, by plain backtracking on the empty cell with the fewest digits that fit:
// a count that shares nothing with the engine's.
int CountByBacktracking(Puzzle& puzzle)
{
    int best = -1;
    int bestFits = 10;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!puzzle.IsEmpty(cell))
            continue;
        int fits = 0;
        for (int digit = 1; digit <= 9; ++digit)
            fits += Fits(puzzle, cell, digit) ? 1 : 0;
        if (fits < bestFits) {
            best = cell;
            bestFits = fits;
        }
    }
    if (best < 0)
        return 1;
    int count = 0;
    for (int digit = 1; digit <= 9 && count < 2; ++digit) {
        if (Fits(puzzle, best, digit)) {
            puzzle[best] = digit;
            count += CountByBacktracking(puzzle);
            puzzle[best] = Puzzle::kEmpty;
        }
    }
    return count;
}

// One solution, and several once any single given is left out, by the engine's counter; with
// symmetry, every given's partner is a given too.
void ExpectMinimal(const Puzzle& puzzle, bool symmetric, const std::string& name)
{
    EXPECT_EQ(CountSolutions(puzzle.data()), 1) << name;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (symmetric) {
            EXPECT_EQ(puzzle.IsEmpty(cell), puzzle.IsEmpty(kCellCount - 1 - cell)) << name << ", cell " << cell;
        }
        if (puzzle.IsEmpty(cell))
            continue;
        Puzzle fewer = puzzle;
        fewer[cell] = Puzzle::kEmpty;
        EXPECT_EQ(CountSolutions(fewer.data()), kSeveralSolutions) << name << ", without cell " << cell;
    }
}

struct GeneratorCase {
    Difficulty rating;
    bool symmetric;
    std::uint64_t seed;
};

TEST(PuzzleGenerator, UniqueRatedMinimalAndSymmetricWhenAsked)
{
    const GeneratorCase cases[] = {
        {Difficulty::Easy, true, 1},   {Difficulty::Easy, false, 2}, {Difficulty::Mild, true, 3},
        {Difficulty::Mild, false, 4},  {Difficulty::Hard, true, 5},  {Difficulty::Hard, false, 6},
        {Difficulty::RiverAzevod, true, 7},
    };
    const auto outcome = std::make_unique<SolveOutcome>();
    for (const GeneratorCase& c : cases) {
        const std::string name = std::string(DifficultyName(c.rating)) + (c.symmetric ? ", symmetric" : "");
        const std::optional<Puzzle> generated = GeneratePuzzle({c.rating, c.symmetric, c.seed});
        ASSERT_TRUE(generated) << name;
        Puzzle puzzle = *generated;
        EXPECT_EQ(CountByBacktracking(puzzle), 1) << name;
        SolvePuzzle(puzzle, *outcome);
        EXPECT_EQ(outcome->rating, c.rating) << name;
        ExpectMinimal(puzzle, c.symmetric, name);
        EXPECT_EQ(GeneratePuzzle({c.rating, c.symmetric, c.seed}), puzzle) << name;
        EXPECT_NE(GeneratePuzzle({c.rating, c.symmetric, c.seed + 100}), puzzle) << name;
    }
}

// Emptying pair by pair alone leaves most symmetric puzzles with a pair of which one cell can go.
TEST(PuzzleGenerator, SymmetricPuzzlesAreMinimalOneGivenAtATime)
{
    for (std::uint64_t seed = 11; seed <= 22; ++seed) {
        const Difficulty rating = seed % 2 == 0 ? Difficulty::Easy : Difficulty::Hard;
        const std::optional<Puzzle> puzzle = GeneratePuzzle({rating, true, seed});
        ASSERT_TRUE(puzzle) << seed;
        ExpectMinimal(*puzzle, true, "seed " + std::to_string(seed));
    }
}

TEST(PuzzleGenerator, CancelledAtOnceGivesNothing)
{
    int asked = 0;
    EXPECT_EQ(GeneratePuzzle({Difficulty::RiverAzevod, true, 9}, [&] { return ++asked > 0; }), std::nullopt);
    EXPECT_EQ(asked, 1);
}

TEST(PuzzleGenerator, ABandOfTheTechniqueScaleIsMetOrGivenUpAfterTheAttemptsAllowed)
{
    const struct {
        DifficultyBand band;
        std::uint64_t attempts;
        bool found;
    } rows[] = {{{1.0, 1.5}, 0, true}, {{2.6, 4.5}, 0, true}, {{11.5, 12.0}, 20, false}};
    for (const auto& row : rows) {
        const std::optional<Puzzle> puzzle =
            GeneratePuzzle({std::nullopt, false, 9, row.band, row.attempts});
        ASSERT_EQ(puzzle.has_value(), row.found) << row.band.lowest;
        if (!puzzle)
            continue;
        const technique::Explanation explanation = technique::ExplainPuzzle(*puzzle);
        EXPECT_GE(explanation.difficulty, row.band.lowest - 1e-9);
        EXPECT_LE(explanation.difficulty, row.band.highest + 1e-9);
        EXPECT_NE(explanation.hardest, Technique::Guess);
    }
    for (const auto& [band, valid] : {std::pair{DifficultyBand{1.0, 1.0}, true}, {{0.9, 2.0}, false}, {{4.5, 2.0}, false}})
        EXPECT_EQ(IsValidBand(band), valid) << band.lowest << '-' << band.highest;
}

}  // namespace

TEST(PrintPuzzlesChoice, StoredNumbersComeBackInRange)
{
    const struct {
        const char* name;
        std::optional<int> count;
        std::optional<int> rating;
        PrintPuzzlesChoice expected;
    } rows[] = {{"nothing stored", {}, {}, {4, Difficulty::Easy}},
                {"as stored", 7, 2, {7, Difficulty::Hard}},
                {"too few", 0, 3, {1, Difficulty::RiverAzevod}},
                {"too many", 101, 1, {100, Difficulty::Mild}},
                {"no such rating", 5, 4, {5, Difficulty::Easy}},
                {"a negative rating", 5, -1, {5, Difficulty::Easy}}};
    for (const auto& row : rows)
        EXPECT_EQ(PrintPuzzlesChoice::FromStored(row.count, row.rating), row.expected) << row.name;
}
