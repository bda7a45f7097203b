// The technique ladder: the techniques from the easiest up, each with its difficulty on the scale
// puzzle players rate by (1.0 full house ... 3.2 X-Wing ... 4.2 XY-Wing ... 5.4 hidden quad).
// Walking it in order finds the easiest step that makes progress (FindEasiestStep); repeating that
// from the givens explains a whole puzzle (ExplainPuzzle).
#pragma once

#include "Engine.h"

#include <span>

namespace technique {

struct LadderRung {
    Technique technique;
    double difficulty;
    bool (*find)(const TechniqueBoard& board, TechniqueStep& step);
};

std::span<const LadderRung> Ladder();

}  // namespace technique
