#include "PuzzleGenerator.h"

#include "SolutionCount.h"
#include "SolvePuzzle.h"

#include <array>
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

// Empties the grid's cells in random order, each cell or symmetric pair at once, keeping every
// removal that leaves one solution. One pass is enough for a minimal puzzle: a removal refused
// once is refused for good, since later puzzles only have fewer givens.
Puzzle RemoveGivens(const Puzzle& grid, bool symmetric, Random& random)
{
    // With symmetry, cell c stands for the pair c and 80 - c; the centre is its own partner.
    const int groupCount = symmetric ? kCellCount / 2 + 1 : kCellCount;
    std::array<int, kCellCount> order{};
    for (int i = 0; i < groupCount; ++i)
        order[static_cast<std::size_t>(i)] = i;
    Shuffle(order, groupCount, random);
    Puzzle puzzle = grid;
    for (int i = 0; i < groupCount; ++i) {
        const int cell = order[static_cast<std::size_t>(i)];
        const int partner = symmetric ? kCellCount - 1 - cell : cell;
        puzzle[cell] = Puzzle::kEmpty;
        puzzle[partner] = Puzzle::kEmpty;
        if (CountSolutions(puzzle.data()) != 1) {
            puzzle[cell] = grid[cell];
            puzzle[partner] = grid[partner];
        }
    }
    return puzzle;
}

}  // namespace

std::optional<Puzzle> GeneratePuzzle(const GeneratorOptions& options, const std::function<bool()>& cancelled)
{
    Random random(options.seed);
    GridFiller filler(random);
    const auto outcome = std::make_unique<SolveOutcome>();
    for (;;) {
        if (cancelled && cancelled())
            return std::nullopt;
        const Puzzle puzzle = RemoveGivens(filler.Fill(), options.symmetric, random);
        SolvePuzzle(puzzle, *outcome);
        if (outcome->rating == options.rating)
            return puzzle;
    }
}
