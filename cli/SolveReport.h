// Writing the outcome of solving one puzzle, as text, JSON or CSV.
#pragma once

#include "Engine.h"

#include <string>

// Each writer appends to the end of out; sentences go straight into it.
// The window's verdicts and message, with the grid: nine lines of nine, '.' where no digit is known.
// "Unique: YES|NO" follows the Solved line, then "Rating: <name>" when the puzzle has one.
void AppendText(std::string& out, const SolveOutcome& outcome, bool withSteps);
// One JSON object on one line: puzzle, result, level, board, steps, unique, rating (null when none),
// and with a trace, "trace": per step, the digits known after it ("board", '.' elsewhere), every
// cell's candidates row by row ("candidates") and the step's marked cells as [x,y] ("cells").
void AppendJson(std::string& out, const SolveOutcome& outcome, bool withTrace = false);
// One CSV record under kCsvHeader; number is the puzzle's ordinal in the input, from 1.
inline constexpr const char* kCsvHeader = "number,puzzle,result,unique,rating,level,solution\n";
void AppendCsv(std::string& out, long number, const SolveOutcome& outcome);
