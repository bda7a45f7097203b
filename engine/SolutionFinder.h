// Finds the solutions of a board, or proves that it has none, as fast as it can: no sentences and
// no fixed order, so it is free to pick its own guesses.
//
// The explained search uses it to skip guesses that are bound to fail. A guess fails exactly when
// the board it leaves has no solution, because the rules only remove digits that no solution can
// hold and the search tries every digit of the cell it guesses on.
#pragma once

#include <cstdint>

namespace grid {

// A solution: for every cell (index x * 9 + y) one of its candidates, with no digit twice in a
// column, row or square. Candidates are 9-bit masks, bit d - 1 for digit d.
// Counts the solutions, stopping once `limit` (at least 1) are found, and writes the digits
// (1..9) of the first one found into solution; leaves it untouched when there is none.
// `preferred`, when given, holds a digit (1..9, or 0 for none) per cell to try before the others:
// a solution of a similar board, near which a solution of this one is likely. It changes only
// how soon one is found, never the count.
int CountSolutions(const std::uint16_t (&candidates)[81], int limit, std::uint8_t (&solution)[81],
                   const std::uint8_t* preferred = nullptr);

// True, with a solution written, when the board has one.
inline bool FindSolution(const std::uint16_t (&candidates)[81], std::uint8_t (&solution)[81],
                         const std::uint8_t* preferred = nullptr)
{
    return CountSolutions(candidates, 1, solution, preferred) > 0;
}

}  // namespace grid
