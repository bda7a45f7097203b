// How many solutions a puzzle has: none, exactly one, or more than one. Counted by the engine's
// fast solution finder, which explains nothing and follows no fixed order, so the verdict does
// not depend on the explained search (SolvePuzzle) and never touches a board or a step list.
#pragma once

// CountSolutions stops counting here: the result 2 means "two or more".
constexpr int kSeveralSolutions = 2;

// Counts the solutions of a puzzle given as 81 values row by row (element y * 9 + x): 1..9 a
// given digit, -1 an empty cell. Any other value is a cell that can hold nothing, so such a puzzle
// has no solution; so has a puzzle that repeats a given digit in a column, row or square.
// Returns 0, 1 or kSeveralSolutions. When solution is given and the result is at least 1, it
// receives the first solution found (81 digits row by row); otherwise it is left untouched.
int CountSolutions(const int puzzle[81], int solution[81] = nullptr);
