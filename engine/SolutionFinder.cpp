#include "SolutionFinder.h"

#include "GridGeometry.h"

#include <bit>

namespace grid {
namespace {

struct SolverState {
    std::uint16_t candidates[kCellCount];
    std::uint32_t changedUnits;  // units that lost a candidate since hidden singles were last sought
};

// Cells determined but not yet removed from their peers' candidates.
struct PendingCells {
    std::uint8_t cells[kCellCount];
    int count = 0;

    void Push(int cell) { cells[count++] = static_cast<std::uint8_t>(cell); }
};

// Removes a digit that is a candidate of the cell. False when the cell is left without any.
bool Eliminate(SolverState& state, int cell, unsigned digit, PendingCells& pending)
{
    const unsigned left = state.candidates[cell] & ~digit;
    state.candidates[cell] = static_cast<std::uint16_t>(left);
    state.changedUnits |= kCellUnitMasks[cell];
    if (left == 0)
        return false;
    if (IsSingleBit(left))
        pending.Push(cell);
    return true;
}

// Naked and hidden singles until neither finds anything more. False on a contradiction: a cell
// without candidates, a digit without a place in a unit, or two digits bound to one cell.
bool Propagate(SolverState& state, PendingCells& pending)
{
    for (;;) {
        while (pending.count > 0) {
            const int cell = pending.cells[--pending.count];
            const unsigned digit = state.candidates[cell];
            for (const int peer : kPeers[cell]) {
                if ((state.candidates[peer] & digit) && !Eliminate(state, peer, digit, pending))
                    return false;
            }
        }
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
        if (pending.count == 0)
            return true;
    }
}

bool Solve(SolverState& state, PendingCells& pending, std::uint8_t (&solution)[81])
{
    if (!Propagate(state, pending))
        return false;
    // Guess on the cell with the fewest candidates.
    int guessCell = -1;
    int fewest = 10;
    for (int cell = 0; cell < kCellCount && fewest > 2; ++cell) {
        const int count = kBitCounts[state.candidates[cell]];
        if (count >= 2 && count < fewest) {
            fewest = count;
            guessCell = cell;
        }
    }
    if (guessCell < 0) {
        for (int cell = 0; cell < kCellCount; ++cell)
            solution[cell] = static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(state.candidates[cell])) + 1);
        return true;
    }
    for (unsigned digits = state.candidates[guessCell]; digits != 0; digits &= digits - 1) {
        SolverState trial = state;
        trial.candidates[guessCell] = static_cast<std::uint16_t>(digits & (~digits + 1));
        trial.changedUnits |= kCellUnitMasks[guessCell];
        pending.count = 0;
        pending.Push(guessCell);
        if (Solve(trial, pending, solution))
            return true;
    }
    return false;
}

}  // namespace

bool FindSolution(const std::uint16_t (&candidates)[81], std::uint8_t (&solution)[81])
{
    SolverState state;
    state.changedUnits = (1u << kUnitCount) - 1;
    PendingCells pending;
    for (int cell = 0; cell < kCellCount; ++cell) {
        state.candidates[cell] = static_cast<std::uint16_t>(candidates[cell] & kAllDigits);
        if (state.candidates[cell] == 0)
            return false;
        if (IsSingleBit(state.candidates[cell]))
            pending.Push(cell);
    }
    return Solve(state, pending, solution);
}

}  // namespace grid
