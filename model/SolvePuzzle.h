// All that "Set Su Doku" does to a puzzle, in one place for the window, orvandel-solve and the
// benchmark: the consistency check, the search with its steps, the solution count and the rating.
#pragma once

#include "Difficulty.h"
#include "Puzzle.h"
#include "StepRecord.h"
#include "SuDokuBoard.h"

#include <optional>

enum class SolveResult { Solved, Unsolvable, Inconsistent };

struct SolveOutcome {
    Puzzle puzzle;  // as given
    SolveResult result = SolveResult::Inconsistent;
    CSuDokuBoard board;  // after the search, or as the consistency check left it
    StepRecorder steps;  // what each step did, as records; empty for an inconsistent puzzle
    int solutionCount = 0;  // 0, 1 or kSeveralSolutions, as the search counted them
    std::optional<Difficulty> rating;  // none unless solved
};

// A puzzle that repeats a digit in a unit is refused before any search, as the window refuses it;
// it has no solution and no rating. The outcome is large (the step records), so it is filled in
// place rather than returned, and one outcome serves puzzle after puzzle without allocating.
void SolvePuzzle(const Puzzle& puzzle, SolveOutcome& outcome);

// "solved", "unsolvable" or "inconsistent".
const char* ResultName(SolveResult result);
