// Solving one puzzle as the window's "Set Su Doku" does, and printing the outcome.
#pragma once

#include "SuDokuBoard.h"

#include <iosfwd>

enum class SolveResult { Solved, Unsolvable, Inconsistent };

struct SolveOutcome {
    int puzzle[81];      // the puzzle as given, row by row
    SolveResult result;
    CSuDokuBoard board;  // after the search, or as the consistency check left it
    StepList steps;      // empty for an inconsistent puzzle: no search is run
};

// A puzzle that repeats a digit in a unit is refused before any search, as the window refuses it.
SolveOutcome SolvePuzzle(const int puzzle[81]);

// The window's verdicts and message, with the grid: nine lines of nine, '.' where no digit is known.
void PrintText(std::ostream& out, const SolveOutcome& outcome, bool withSteps);
// One JSON object on one line: puzzle, result, level, board, steps.
void PrintJson(std::ostream& out, const SolveOutcome& outcome);
