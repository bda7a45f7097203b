#include "PuzzleGenerator.h"

#include "Engine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <utility>

namespace {

using Random = std::mt19937_64;

// A number in 0..count-1. Not std::uniform_int_distribution: its results differ between standard
// libraries, and a seed must give the same puzzle everywhere. The bias of the remainder is far
// below anything a puzzle could show.
int Below(Random& random, int count)
{
    return static_cast<int>(random() % static_cast<std::uint64_t>(count));
}

template <class T, std::size_t N>
void Shuffle(std::array<T, N>& items, int count, Random& random)
{
    for (int i = count - 1; i > 0; --i)
        std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(Below(random, i + 1))]);
}

// A complete grid, filled cell by cell in row order with the digits of each cell tried in random
// order. On an empty grid that rarely has to step back far.
class GridFiller {
public:
    explicit GridFiller(Random& random) : m_random(random) {}

    Puzzle Fill()
    {
        m_rows.fill(0);
        m_columns.fill(0);
        m_boxes.fill(0);
        FillFrom(0);
        return m_grid;
    }

private:
    bool FillFrom(int cell)
    {
        if (cell == kCellCount)
            return true;
        const auto row = static_cast<std::size_t>(cell / 9);
        const auto column = static_cast<std::size_t>(cell % 9);
        const auto box = row / 3 * 3 + column / 3;
        const unsigned used = m_rows[row] | m_columns[column] | m_boxes[box];
        std::array<int, 9> digits{};
        int count = 0;
        for (int digit = 0; digit < 9; ++digit) {
            if ((used & (1u << digit)) == 0)
                digits[static_cast<std::size_t>(count++)] = digit;
        }
        Shuffle(digits, count, m_random);
        for (int i = 0; i < count; ++i) {
            const int digit = digits[static_cast<std::size_t>(i)];
            const unsigned bit = 1u << digit;
            m_rows[row] |= bit;
            m_columns[column] |= bit;
            m_boxes[box] |= bit;
            m_grid[cell] = digit + 1;
            if (FillFrom(cell + 1))
                return true;
            m_rows[row] &= ~bit;
            m_columns[column] &= ~bit;
            m_boxes[box] &= ~bit;
        }
        m_grid[cell] = Puzzle::kEmpty;
        return false;
    }

    Random& m_random;
    Puzzle m_grid;
    std::array<unsigned, 9> m_rows{};
    std::array<unsigned, 9> m_columns{};
    std::array<unsigned, 9> m_boxes{};
};

// With symmetry, cell c stands for the pair c and 80 - c; the centre is its own partner.
int Partner(int cell, bool symmetric)
{
    return symmetric ? kCellCount - 1 - cell : cell;
}

bool HasOneSolution(const Puzzle& puzzle)
{
    return CountSolutions(puzzle.data()) == 1;
}

void PutBack(Puzzle& puzzle, const Puzzle& grid, int cell, bool symmetric)
{
    puzzle[cell] = grid[cell];
    puzzle[Partner(cell, symmetric)] = grid[Partner(cell, symmetric)];
}

// Empties the puzzle's givens in random order, each cell or symmetric pair at once, keeping every
// removal that leaves one solution. Afterwards no further given (or pair) can go: a removal
// refused once is refused for good, since later puzzles only have fewer givens.
void EmptyWherePossible(Puzzle& puzzle, const Puzzle& grid, bool symmetric, Random& random)
{
    const int groupCount = symmetric ? kCellCount / 2 + 1 : kCellCount;
    std::array<int, kCellCount> order{};
    int count = 0;
    for (int cell = 0; cell < groupCount; ++cell) {
        if (!puzzle.IsEmpty(cell))
            order[static_cast<std::size_t>(count++)] = cell;
    }
    Shuffle(order, count, random);
    for (int i = 0; i < count; ++i) {
        const int cell = order[static_cast<std::size_t>(i)];
        puzzle[cell] = Puzzle::kEmpty;
        puzzle[Partner(cell, symmetric)] = Puzzle::kEmpty;
        if (!HasOneSolution(puzzle))
            PutBack(puzzle, grid, cell, symmetric);
    }
}

// A given that can be left out on its own, one solution remaining, or -1 when there is none.
int RedundantGiven(const Puzzle& puzzle)
{
    Puzzle fewer = puzzle;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (puzzle.IsEmpty(cell))
            continue;
        fewer[cell] = Puzzle::kEmpty;
        if (HasOneSolution(fewer))
            return cell;
        fewer[cell] = puzzle[cell];
    }
    return -1;
}

// Pairs of the grid that come back when a pair with a redundant given goes, and the rounds of that
// before a grid is given up. Measured: fewer pairs back change too little, more undo too much; a
// round ends without a redundant given about once in 33.
constexpr int kPairsBack = 4;
constexpr int kRepairRounds = 20;

// The pair of `cell` goes and a few other pairs of the grid come back, more if needed for one
// solution (a full grid without one pair has one), before the pairs are emptied again.
void Reshuffle(Puzzle& puzzle, const Puzzle& grid, int cell, Random& random)
{
    const int group = std::min(cell, Partner(cell, true));
    puzzle[cell] = Puzzle::kEmpty;
    puzzle[Partner(cell, true)] = Puzzle::kEmpty;
    std::array<int, kCellCount> empty{};
    int count = 0;
    for (int other = 0; other <= kCellCount / 2; ++other) {
        if (puzzle.IsEmpty(other) && other != group)
            empty[static_cast<std::size_t>(count++)] = other;
    }
    Shuffle(empty, count, random);
    for (int i = 0; i < count && (i < kPairsBack || !HasOneSolution(puzzle)); ++i)
        PutBack(puzzle, grid, empty[static_cast<std::size_t>(i)], true);
    EmptyWherePossible(puzzle, grid, true, random);
}

// A puzzle of the grid with one solution from which no single given can be left out, or empty when
// this grid does not give one soon. Without symmetry, emptying cell by cell gives that at once.
// With symmetry, emptying pair by pair often keeps a pair of which only one cell is needed; then
// that pair goes and the pairs are shuffled again until no such pair is left.
std::optional<Puzzle> MinimalPuzzle(const Puzzle& grid, bool symmetric, Random& random)
{
    Puzzle puzzle = grid;
    EmptyWherePossible(puzzle, grid, symmetric, random);
    if (!symmetric)
        return puzzle;
    for (int round = 0;; ++round) {
        const int redundant = RedundantGiven(puzzle);
        if (redundant < 0)
            return puzzle;
        if (round == kRepairRounds)
            return std::nullopt;
        Reshuffle(puzzle, grid, redundant, random);
    }
}

// The scale counts in tenths; a difficulty on an end of the band is in it.
constexpr double kBandTolerance = 1e-9;

bool InBand(const Puzzle& puzzle, const DifficultyBand& band)
{
    const technique::Explanation explanation = technique::ExplainPuzzle(puzzle);
    return explanation.explained && explanation.hardest != Technique::Guess
        && explanation.difficulty >= band.lowest - kBandTolerance
        && explanation.difficulty <= band.highest + kBandTolerance;
}

}  // namespace

bool IsValidBand(const DifficultyBand& band)
{
    return std::isfinite(band.highest) && band.lowest >= 1.0 && band.lowest <= band.highest;
}

std::optional<Puzzle> GeneratePuzzle(const GeneratorOptions& options, const std::function<bool()>& cancelled)
{
    Random random(options.seed);
    GridFiller filler(random);
    const auto outcome = std::make_unique<SolveOutcome>();
    for (std::uint64_t attempt = 0; options.maxAttempts == 0 || attempt < options.maxAttempts; ++attempt) {
        if (cancelled && cancelled())
            return std::nullopt;
        const std::optional<Puzzle> puzzle = MinimalPuzzle(filler.Fill(), options.symmetric, random);
        if (!puzzle)
            continue;
        if (options.rating) {
            SolvePuzzle(*puzzle, *outcome);
            if (outcome->rating != options.rating)
                continue;
        }
        if (!options.band || InBand(*puzzle, *options.band))
            return puzzle;
    }
    return std::nullopt;
}

Puzzle SolutionOf(const Puzzle& puzzle)
{
    Puzzle solution;
    CountSolutions(puzzle.data(), solution.cells.data());
    return solution;
}
