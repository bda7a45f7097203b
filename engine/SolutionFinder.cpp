#include "SolutionFinder.h"

#include "GridGeometry.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace grid {
namespace {

// A segment is the three cells a column or row shares with a square. Segments 0..26 lie in rows
// (row y, square column b: y * 3 + b), 27..53 in columns (column x, square row b: 27 + x * 3 + b).
constexpr int kSegmentCount = 54;

struct Segment {
    std::uint8_t cells[3];
    std::uint8_t lineOthers[2];    // the line's segments in the two other squares
    std::uint8_t squareOthers[2];  // the square's segments of the same direction in the other lines
};

constexpr std::array<Segment, kSegmentCount> MakeSegments()
{
    std::array<Segment, kSegmentCount> table{};
    for (int direction = 0; direction < 2; ++direction) {
        for (int line = 0; line < 9; ++line) {
            for (int block = 0; block < 3; ++block) {
                Segment& segment = table[direction * 27 + line * 3 + block];
                for (int i = 0; i < 3; ++i) {
                    const int along = block * 3 + i;
                    segment.cells[i] = static_cast<std::uint8_t>(direction == 0 ? CellIndex(along, line)
                                                                                : CellIndex(line, along));
                }
                for (int other = 1; other <= 2; ++other) {
                    const int otherBlock = (block + other) % 3;
                    const int otherLine = line / 3 * 3 + (line + other) % 3;
                    segment.lineOthers[other - 1] = static_cast<std::uint8_t>(direction * 27 + line * 3 + otherBlock);
                    segment.squareOthers[other - 1] = static_cast<std::uint8_t>(direction * 27 + otherLine * 3 + block);
                }
            }
        }
    }
    return table;
}

inline constexpr std::array<Segment, kSegmentCount> kSegments = MakeSegments();

struct SolverState {
    std::uint16_t candidates[kCellCount];
    std::uint32_t changedUnits;  // units that lost a candidate since hidden singles were last sought
};

// Cells determined but not yet removed from their peers' candidates. A cell enters at most once
// per propagation, when it becomes determined.
struct PendingCells {
    std::uint8_t cells[kCellCount];
    int count = 0;

    void Push(int cell) { cells[count++] = static_cast<std::uint8_t>(cell); }
};

// Removes digits from a cell. False when the cell is left without any.
bool Eliminate(SolverState& state, int cell, unsigned digits, PendingCells& pending)
{
    const unsigned before = state.candidates[cell];
    if ((before & digits) == 0)
        return true;
    const unsigned left = before & ~digits;
    state.candidates[cell] = static_cast<std::uint16_t>(left);
    state.changedUnits |= kCellUnitMasks[cell];
    if (left == 0)
        return false;
    if (IsSingleBit(left))
        pending.Push(cell);
    return true;
}

// Naked singles: every determined cell's digit leaves its peers.
bool PropagateNakedSingles(SolverState& state, PendingCells& pending)
{
    while (pending.count > 0) {
        const int cell = pending.cells[--pending.count];
        const unsigned digit = state.candidates[cell];
        for (const int peer : kPeers[cell]) {
            if (!Eliminate(state, peer, digit, pending))
                return false;
        }
    }
    return true;
}

// Hidden singles in the units that changed. False on a digit without a place in a unit or two
// digits bound to one cell.
bool FindHiddenSingles(SolverState& state, PendingCells& pending)
{
    const std::uint32_t units = state.changedUnits;
    state.changedUnits = 0;
    for (std::uint32_t left = units; left != 0; left &= left - 1) {
        const auto& cells = kUnitCells[std::countr_zero(left)];
        unsigned once = 0;
        unsigned twice = 0;
        unsigned determined = 0;
        for (const int cell : cells) {
            const unsigned digits = state.candidates[cell];
            twice |= once & digits;
            once |= digits;
            determined |= IsSingleBit(digits) ? digits : 0;
        }
        if (once != kAllDigits)
            return false;
        const unsigned hidden = once & ~twice & ~determined;
        if (hidden == 0)
            continue;
        for (const int cell : cells) {
            const unsigned digit = state.candidates[cell] & hidden;
            if (digit == 0)
                continue;
            if (!IsSingleBit(digit))
                return false;
            state.candidates[cell] = static_cast<std::uint16_t>(digit);
            state.changedUnits |= kCellUnitMasks[cell];
            pending.Push(cell);
        }
    }
    return true;
}

// Locked candidates: a digit that a square holds only in one segment leaves the rest of that
// segment's line, and a digit that a line holds only in one segment leaves the rest of the
// square. The masks are read once up front; a mask that has since lost digits only makes a
// deduction weaker, never wrong. Sets `changed` when a candidate went.
bool FindLockedCandidates(SolverState& state, PendingCells& pending, bool& changed)
{
    unsigned digits[kSegmentCount];
    for (int s = 0; s < kSegmentCount; ++s) {
        const auto& cells = kSegments[s].cells;
        digits[s] = state.candidates[cells[0]] | state.candidates[cells[1]] | state.candidates[cells[2]];
    }
    const std::uint32_t unitsBefore = state.changedUnits;
    state.changedUnits = 0;
    for (int s = 0; s < kSegmentCount; ++s) {
        const Segment& segment = kSegments[s];
        const unsigned lineRest = digits[segment.lineOthers[0]] | digits[segment.lineOthers[1]];
        const unsigned squareRest = digits[segment.squareOthers[0]] | digits[segment.squareOthers[1]];
        const unsigned pointing = digits[s] & ~squareRest & lineRest;
        const unsigned claiming = digits[s] & ~lineRest & squareRest;
        for (int other = 0; other < 2 && pointing != 0; ++other) {
            for (const int cell : kSegments[segment.lineOthers[other]].cells) {
                if (!Eliminate(state, cell, pointing, pending))
                    return false;
            }
        }
        for (int other = 0; other < 2 && claiming != 0; ++other) {
            for (const int cell : kSegments[segment.squareOthers[other]].cells) {
                if (!Eliminate(state, cell, claiming, pending))
                    return false;
            }
        }
    }
    changed = state.changedUnits != 0;
    state.changedUnits |= unitsBefore;
    return true;
}

// Singles, then locked candidates, until none of them finds anything more. False on a
// contradiction.
bool Propagate(SolverState& state, PendingCells& pending)
{
    for (;;) {
        if (!PropagateNakedSingles(state, pending))
            return false;
        if (!FindHiddenSingles(state, pending))
            return false;
        if (pending.count > 0)
            continue;
        bool changed = false;
        if (!FindLockedCandidates(state, pending, changed))
            return false;
        if (!changed)
            return true;
    }
}

// Where to branch: either one cell's digits, or the places of one digit in one unit. Both split
// the solutions into disjoint parts, so counting stays exact.
struct Branch {
    int cell = -1;        // branch on this cell's candidates, or
    int unit = -1;        // on the places of `digit` in this unit
    unsigned digit = 0;
};

// The cell with the fewest candidates; when it has more than two, a digit with only two places in
// a unit, if there is one. No branch at all means the board is solved.
Branch ChooseBranch(const SolverState& state)
{
    Branch branch;
    int fewest = 10;
    for (int cell = 0; cell < kCellCount && fewest > 2; ++cell) {
        const int count = kBitCounts[state.candidates[cell]];
        if (count >= 2 && count < fewest) {
            fewest = count;
            branch.cell = cell;
        }
    }
    if (fewest <= 2)
        return branch;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        unsigned once = 0;
        unsigned twice = 0;
        unsigned thrice = 0;
        for (const int cell : kUnitCells[unit]) {
            const unsigned digits = state.candidates[cell];
            thrice |= twice & digits;
            twice |= once & digits;
            once |= digits;
        }
        const unsigned pairs = twice & ~thrice;
        if (pairs != 0) {
            branch.cell = -1;
            branch.unit = unit;
            branch.digit = pairs & (~pairs + 1);
            return branch;
        }
    }
    return branch;
}

// The first node limit of a search for one solution. Counts run without limit: they mostly
// settle a board with one solution or none, where every order must search the whole tree and a
// run cut short is only lost work.
constexpr long kFirstNodeLimit = 1000;

struct Search {
    int limit;
    const std::uint8_t* preferred;  // a digit per cell to try first, or null
    bool descending;                // try the other digits from 9 down instead of from 1 up
    long nodesLeft;                 // the search gives up when they run out
    std::uint8_t (&solution)[81];
    int found = 0;
    bool gaveUp = false;

    bool Done() const { return found >= limit || gaveUp; }

    // Adds the solutions below this state to `found`, stopping at `limit`; the first one is written.
    void Solve(SolverState& state, PendingCells& pending)
    {
        if (--nodesLeft < 0) {
            gaveUp = true;
            return;
        }
        if (!Propagate(state, pending))
            return;
        const Branch branch = ChooseBranch(state);
        if (branch.cell < 0 && branch.unit < 0) {
            if (found++ == 0) {
                for (int cell = 0; cell < kCellCount; ++cell)
                    solution[cell] = static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(state.candidates[cell])) + 1);
            }
            return;
        }
        const auto tryDigit = [&](int cell, unsigned digit) {
            SolverState trial = state;
            trial.candidates[cell] = static_cast<std::uint16_t>(digit);
            trial.changedUnits |= kCellUnitMasks[cell];
            pending.count = 0;
            pending.Push(cell);
            Solve(trial, pending);
        };
        if (branch.cell >= 0) {
            unsigned digits = state.candidates[branch.cell];
            if (const unsigned first = PreferredDigit(branch.cell) & digits; first != 0) {
                tryDigit(branch.cell, first);
                digits &= ~first;
            }
            for (; digits != 0 && !Done(); digits &= ~Next(digits))
                tryDigit(branch.cell, Next(digits));
            return;
        }
        int skip = -1;
        for (const int cell : kUnitCells[branch.unit]) {
            if ((state.candidates[cell] & branch.digit) && (PreferredDigit(cell) & branch.digit)) {
                tryDigit(cell, branch.digit);
                skip = cell;
            }
        }
        for (int place = 0; place < 9 && !Done(); ++place) {
            const int cell = kUnitCells[branch.unit][descending ? 8 - place : place];
            if (cell != skip && (state.candidates[cell] & branch.digit))
                tryDigit(cell, branch.digit);
        }
    }

    unsigned Next(unsigned digits) const { return descending ? 1u << (31 - std::countl_zero(digits)) : digits & (~digits + 1); }

    unsigned PreferredDigit(int cell) const { return preferred ? 1u << preferred[cell] >> 1 : 0; }
};

}  // namespace

int CountSolutions(const std::uint16_t (&candidates)[81], int limit, std::uint8_t (&solution)[81],
                   const std::uint8_t* preferred)
{
    SolverState state;
    state.changedUnits = (1u << kUnitCount) - 1;
    PendingCells pending;
    for (int cell = 0; cell < kCellCount; ++cell) {
        state.candidates[cell] = static_cast<std::uint16_t>(candidates[cell] & kAllDigits);
        if (state.candidates[cell] == 0)
            return 0;
        if (IsSingleBit(state.candidates[cell]))
            pending.Push(cell);
    }
    // A depth-first search for one solution can spend long below one early choice that leads
    // nowhere, when a solution lies below another. So it runs with a node limit, from the same
    // start in the two digit orders by turns, the limit doubling each round: a search that
    // completes proves as much as one without limit, and the rounds before it cost at most about
    // as much again.
    const SolverState start = state;
    const PendingCells startPending = pending;
    constexpr long kNoLimit = std::numeric_limits<long>::max();
    for (long nodes = limit == 1 ? kFirstNodeLimit : kNoLimit;; nodes = std::min(nodes, kNoLimit / 2) * 2) {
        for (const bool descending : {false, true}) {
            Search search{limit, preferred, descending, nodes, solution};
            state = start;
            pending = startPending;
            search.Solve(state, pending);
            if (!search.gaveUp)
                return search.found;
        }
    }
}

}  // namespace grid
