// Solving one puzzle as the window's "Set Su Doku" does, and printing the outcome.
#pragma once

#include "Difficulty.h"
#include "SuDokuBoard.h"

#include <iosfwd>
#include <optional>

enum class SolveResult { Solved, Unsolvable, Inconsistent };

struct SolveOutcome {
    int puzzle[81];      // the puzzle as given, row by row
    SolveResult result;
    CSuDokuBoard board;  // after the search, or as the consistency check left it
    StepList steps;      // empty for an inconsistent puzzle: no search is run
    int solutionCount;   // 0, 1 or kSeveralSolutions, counted apart from the search
    std::optional<Difficulty> rating;  // none unless solved
};

// A puzzle that repeats a digit in a unit is refused before any search, as the window refuses it;
// it has no solution and no rating.
SolveOutcome SolvePuzzle(const int puzzle[81]);

// The window's verdicts and message, with the grid: nine lines of nine, '.' where no digit is known.
// "Unique: YES|NO" follows the Solved line, then "Rating: <name>" when the puzzle has one.
void PrintText(std::ostream& out, const SolveOutcome& outcome, bool withSteps);
// One JSON object on one line: puzzle, result, level, board, steps, unique, rating (null when none).
void PrintJson(std::ostream& out, const SolveOutcome& outcome);
