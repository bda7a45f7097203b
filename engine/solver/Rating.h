// The rating of a search, for SolvePuzzle.
#pragma once

#include "Difficulty.h"

#include <optional>

// Rates a search from its result, the board's guess level afterwards and whether its steps hold
// a digit set (StepRecorder::HasDigitSet). Only a successful search has a rating. Failed guesses
// leave no steps, so the steps tell whether digit sets were needed on the way to the solution.
std::optional<Difficulty> RateSearch(bool solved, int guessLevel, bool usedDigitSets);
