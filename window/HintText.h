// The hint under the board in the language in use: what kind of step comes next and where to
// look, in the words the solver's English hint uses ("Look at row y=3: one digit has only one
// place left.").
#pragma once

#include "SolveReplay.h"

#include <QString>

QString HintText(const HintFacts& hint);
