// The technique ladder: the techniques from the easiest up, each with its difficulty on the scale
// puzzle players rate by (1.0 full house ... 3.2 X-Wing ... 4.2 XY-Wing ... 5.4 hidden quad).
// Walking it in order finds the easiest step that makes progress (FindEasiestStep); repeating that
// from the givens explains a whole puzzle (ExplainPuzzle).
#pragma once

#include "Engine.h"

#include <span>
#include <string>

namespace technique {

// Everything that makes a technique, in its one row: what it is called, the rating its steps
// start from, how it is found and how a step of it is said.
struct LadderRung {
    Technique technique;
    const char* name;
    double difficulty;
    bool (*find)(const TechniqueBoard& board, TechniqueStep& step);
    // Writes what follows "Name: " in the step's sentence.
    void (*write)(std::string& out, const TechniqueStep& step);
};

std::span<const LadderRung> Ladder();
// The technique's row; Guess, which is no rung, has one of its own.
const LadderRung& RungOf(Technique technique);

}  // namespace technique
