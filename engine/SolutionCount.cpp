#include "SolutionCount.h"

#include <array>
#include <bit>

namespace {

using Mask = unsigned;  // bit d set: digit d (1..9) is still possible
constexpr Mask kAllDigits = 0x3FE;

constexpr Mask Bit(int digit)
{
    return 1u << digit;
}

struct Geometry {
    std::array<std::array<int, 9>, 27> units{};   // 9 columns, 9 rows, 9 squares
    std::array<std::array<int, 20>, 81> peers{};  // the cells sharing a unit with each cell
};

constexpr Geometry MakeGeometry()
{
    Geometry geometry;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            geometry.units[i][j] = j * 9 + i;
            geometry.units[9 + i][j] = i * 9 + j;
            geometry.units[18 + i][j]
                = ((i / 3) * 3 + j / 3) * 9 + (i % 3) * 3 + j % 3;
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        const int x = cell % 9;
        const int y = cell / 9;
        int count = 0;
        for (int other = 0; other < 81; ++other) {
            const int ox = other % 9;
            const int oy = other / 9;
            const bool sameSquare = ox / 3 == x / 3 && oy / 3 == y / 3;
            if (other != cell && (ox == x || oy == y || sameSquare))
                geometry.peers[cell][count++] = other;
        }
    }
    return geometry;
}

constexpr Geometry kGeometry = MakeGeometry();

// A grid as candidate masks. A cell is placed once its digit is set; every placed digit has been
// removed from all its peers, so an open cell with a single candidate is always about to be placed.
struct Grid {
    std::array<Mask, 81> candidates;
    std::array<int, 81> digit;  // 0 while open
};

// Places digit in cell and follows every naked single this causes. False on a contradiction.
bool Place(Grid& grid, int cell, int digit)
{
    std::array<int, 82> pending;  // a cell enters only on becoming single, so once at most
    int count = 0;
    grid.candidates[cell] = Bit(digit);
    pending[count++] = cell;
    while (count > 0) {
        const int current = pending[--count];
        if (grid.digit[current] != 0)
            continue;
        const Mask mask = grid.candidates[current];
        grid.digit[current] = std::countr_zero(mask);
        for (const int peer : kGeometry.peers[current]) {
            Mask& peerMask = grid.candidates[peer];
            if ((peerMask & mask) == 0)
                continue;
            if (grid.digit[peer] != 0)
                return false;  // the peer already holds this digit
            peerMask &= ~mask;
            if (peerMask == 0)
                return false;
            if (std::has_single_bit(peerMask))
                pending[count++] = peer;
        }
    }
    return true;
}

// Places every digit that has one cell left in some unit, until none has. False on a
// contradiction: a digit with no cell left in a unit.
bool PlaceHiddenSingles(Grid& grid)
{
    bool progress = true;
    while (progress) {
        progress = false;
        for (const auto& unit : kGeometry.units) {
            Mask once = 0;
            Mask twice = 0;
            Mask placed = 0;
            for (const int cell : unit) {
                const Mask mask = grid.candidates[cell];
                twice |= once & mask;
                once |= mask;
                if (grid.digit[cell] != 0)
                    placed |= mask;
            }
            if (once != kAllDigits)
                return false;
            Mask hidden = once & ~twice & ~placed;
            while (hidden != 0) {
                const int digit = std::countr_zero(hidden);
                hidden &= hidden - 1;
                int home = -1;
                for (const int cell : unit) {
                    if ((grid.candidates[cell] & Bit(digit)) != 0)
                        home = cell;
                }
                // An earlier placement in this unit may have taken the digit's last cell.
                if (home < 0 || !Place(grid, home, digit))
                    return false;
                progress = true;
            }
        }
    }
    return true;
}

// Clears digits from cell, placing it when one candidate is left. False on a contradiction.
bool Remove(Grid& grid, int cell, Mask digits, bool& changed)
{
    Mask& mask = grid.candidates[cell];
    if ((mask & digits) == 0)
        return true;
    changed = true;
    if (grid.digit[cell] != 0)
        return false;
    mask &= ~digits;
    if (mask == 0)
        return false;
    return !std::has_single_bit(mask) || Place(grid, cell, std::countr_zero(mask));
}

// Locked candidates. Where a digit's places in a square all lie in one row (column), no other cell
// of that row (column) can hold it; where its places in a row (column) all lie in one square, no
// other cell of that square can. Segments are the three cells a line shares with a square; masks
// read before a removal stay sound afterwards, since candidates only ever shrink.
bool ClearLockedCandidates(Grid& grid, bool& changed)
{
    for (const bool columns : {false, true}) {
        const auto cellAt = [columns](int line, int position) {
            return columns ? position * 9 + line : line * 9 + position;
        };
        Mask segment[9][3];
        for (int line = 0; line < 9; ++line) {
            for (int block = 0; block < 3; ++block) {
                segment[line][block] = grid.candidates[cellAt(line, block * 3)]
                    | grid.candidates[cellAt(line, block * 3 + 1)] | grid.candidates[cellAt(line, block * 3 + 2)];
            }
        }
        for (int line = 0; line < 9; ++line) {
            const int band = line / 3 * 3;
            const int otherLine1 = band + (line + 1) % 3;
            const int otherLine2 = band + (line + 2) % 3;
            for (int block = 0; block < 3; ++block) {
                const Mask here = segment[line][block];
                const Mask restOfSquare = segment[otherLine1][block] | segment[otherLine2][block];
                const Mask restOfLine = segment[line][(block + 1) % 3] | segment[line][(block + 2) % 3];
                const Mask pointing = here & ~restOfSquare & restOfLine;
                const Mask claiming = here & ~restOfLine & restOfSquare;
                for (int position = 0; pointing != 0 && position < 9; ++position) {
                    if (position / 3 != block && !Remove(grid, cellAt(line, position), pointing, changed))
                        return false;
                }
                for (int offset = 0; claiming != 0 && offset < 3; ++offset) {
                    if (!Remove(grid, cellAt(otherLine1, block * 3 + offset), claiming, changed)
                        || !Remove(grid, cellAt(otherLine2, block * 3 + offset), claiming, changed))
                        return false;
                }
            }
        }
    }
    return true;
}

// Every deduction above, repeated until none applies. False on a contradiction.
bool Propagate(Grid& grid)
{
    bool changed = true;
    while (changed) {
        changed = false;
        if (!PlaceHiddenSingles(grid) || !ClearLockedCandidates(grid, changed))
            return false;
    }
    return true;
}

// The open cell with the fewest candidates; -1 when every cell is placed.
int MostConstrainedCell(const Grid& grid)
{
    int best = -1;
    int fewest = 10;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid.digit[cell] != 0)
            continue;
        const int count = std::popcount(grid.candidates[cell]);
        if (count < fewest) {
            fewest = count;
            best = cell;
            if (count == 2)
                break;
        }
    }
    return best;
}

class SolutionCounter {
public:
    explicit SolutionCounter(int* firstSolution) : m_firstSolution(firstSolution) {}

    // Counts the solutions below a grid whose singles have all been placed.
    void CountFrom(const Grid& grid)
    {
        const int cell = MostConstrainedCell(grid);
        if (cell < 0) {
            Record(grid);
            return;
        }
        Mask choices = grid.candidates[cell];
        while (choices != 0 && m_count < kSeveralSolutions) {
            const int digit = std::countr_zero(choices);
            choices &= choices - 1;
            Grid trial = grid;
            if (Place(trial, cell, digit) && Propagate(trial))
                CountFrom(trial);
        }
    }

    int Count() const { return m_count; }

private:
    void Record(const Grid& grid)
    {
        if (m_count == 0 && m_firstSolution != nullptr) {
            for (int cell = 0; cell < 81; ++cell)
                m_firstSolution[cell] = grid.digit[cell];
        }
        ++m_count;
    }

    int* m_firstSolution;
    int m_count = 0;
};

}  // namespace

int CountSolutions(const int puzzle[81], int solution[81])
{
    Grid grid;
    grid.candidates.fill(kAllDigits);
    grid.digit.fill(0);
    for (int cell = 0; cell < 81; ++cell) {
        const int value = puzzle[cell];
        if (value == -1)
            continue;
        if (value < 1 || value > 9 || (grid.candidates[cell] & Bit(value)) == 0)
            return 0;
        if (!Place(grid, cell, value))
            return 0;
    }
    if (!Propagate(grid))
        return 0;
    SolutionCounter counter(solution);
    counter.CountFrom(grid);
    return counter.Count();
}
