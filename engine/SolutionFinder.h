// Finds one solution of a board, or proves that it has none, as fast as it can: no sentences and
// no fixed order, so it is free to pick its own guesses.
//
// The explained search uses it to skip guesses that are bound to fail. A guess fails exactly when
// the board it leaves has no solution, because the rules only remove digits that no solution can
// hold and the search tries every digit of the cell it guesses on.
#pragma once

#include <cstdint>

namespace grid {

// A solution: for every cell (index x * 9 + y) one of its candidates, with no digit twice in a
// column, row or square. Candidates are 9-bit masks, bit d - 1 for digit d. Returns false when
// the board has no solution; otherwise writes the digits (1..9) of the one it found.
bool FindSolution(const std::uint16_t (&candidates)[81], std::uint8_t (&solution)[81]);

}  // namespace grid
