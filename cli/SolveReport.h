// Solving one puzzle as the window's "Set Su Doku" does, and writing the outcome.
#pragma once

#include "Difficulty.h"
#include "StepRecord.h"
#include "SuDokuBoard.h"

#include <optional>
#include <string>

enum class SolveResult { Solved, Unsolvable, Inconsistent };

struct SolveOutcome {
    int puzzle[81];      // the puzzle as given, row by row
    SolveResult result;
    CSuDokuBoard board;  // after the search, or as the consistency check left it
    StepRecorder steps;  // empty for an inconsistent puzzle: no search is run
    int solutionCount;   // 0, 1 or kSeveralSolutions, counted apart from the search
    std::optional<Difficulty> rating;  // none unless solved
};

// A puzzle that repeats a digit in a unit is refused before any search, as the window refuses it;
// it has no solution and no rating. The outcome is large (the step records), so it is filled in
// place rather than returned.
void SolvePuzzle(const int puzzle[81], SolveOutcome& outcome);

// "solved", "unsolvable" or "inconsistent".
const char* ResultName(SolveResult result);

// Each writer appends to the end of out; sentences go straight into it.
// The window's verdicts and message, with the grid: nine lines of nine, '.' where no digit is known.
// "Unique: YES|NO" follows the Solved line, then "Rating: <name>" when the puzzle has one.
void AppendText(std::string& out, const SolveOutcome& outcome, bool withSteps);
// One JSON object on one line: puzzle, result, level, board, steps, unique, rating (null when none).
void AppendJson(std::string& out, const SolveOutcome& outcome);
// One CSV record under kCsvHeader; number is the puzzle's ordinal in the input, from 1.
inline constexpr const char* kCsvHeader = "number,puzzle,result,unique,rating,level,solution\n";
void AppendCsv(std::string& out, long number, const SolveOutcome& outcome);
