// A hint: what kind of step comes next and where to look, without the digit it gives.
#pragma once

#include "StepRecord.h"

#include <string>

// "Look at row y=3: one digit has only one place left." and the like; for a guess, "No logical
// step is left: the solver guesses here."
std::string HintSentence(const StepRecord& step);
