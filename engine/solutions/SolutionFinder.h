// Finds the solutions of a board, or proves that it has none, as fast as it can: no sentences and
// no fixed order, so it is free to pick its own guesses.
//
// The explained search uses it to skip guesses that are bound to fail. A guess fails exactly when
// the board it leaves has no solution, because the rules only remove digits that no solution can
// hold and the search tries every digit of the cell it guesses on.
#pragma once

#include <cstdint>

namespace solutions {

// Cells are numbered row by row, y * 9 + x, as Puzzle numbers them. A solution: for every cell one
// of its candidates, with no digit twice in a column, row or square. Candidates are 9-bit masks,
// bit d - 1 for digit d.
// Counts the solutions, stopping once `limit` (at least 1) are found, and writes the digits
// (1..9) of the first one found into solution; leaves it untouched when there is none.
// `digitSetsFirst` clears what digit sets rule out before the search: worth it on a puzzle as
// given, which reasoning may solve outright, wasted on a board the explained search has reasoned
// out already. It changes only the time taken, never the count.
int CountSolutions(const std::uint16_t (&candidates)[81], int limit, std::uint8_t (&solution)[81],
                   bool digitSetsFirst = false);

// Counts as CountSolutions does, and the solution written holds the smallest digit the cell holds
// in any solution.
int CountSolutionsSmallestFirst(const std::uint16_t (&candidates)[81], int limit, int cell,
                                std::uint8_t (&solution)[81]);

// Given a solution of the board, the smallest digit the cell holds in any solution: the
// solution's own digit unless a solution with a smaller one exists, which is then written. That
// one leans to small digits in the cells the explained search would guess on next.
int SmallestDigitWithSolution(const std::uint16_t (&candidates)[81], int cell, std::uint8_t (&solution)[81]);

}  // namespace solutions
