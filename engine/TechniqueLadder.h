// The technique ladder: the techniques from the easiest up, each with its difficulty on the scale
// puzzle players rate by (1.0 full house ... 3.2 X-Wing ... 4.2 XY-Wing ... 5.4 hidden quad).
// Walking it in order finds the easiest step that makes progress; repeating that from the givens
// explains a whole puzzle.
#pragma once

#include "Puzzle.h"
#include "TechniqueBoard.h"
#include "TechniqueStep.h"

#include <optional>
#include <span>
#include <vector>

namespace technique {

struct LadderRung {
    Technique technique;
    double difficulty;
    bool (*find)(const TechniqueBoard& board, TechniqueStep& step);
};

std::span<const LadderRung> Ladder();
// The first rung that makes progress on the board, as a complete step; false when none does.
bool FindEasiestStep(const TechniqueBoard& board, TechniqueStep& step);

struct Explanation {
    bool explained = false;  // false: the puzzle does not have exactly one solution
    std::vector<TechniqueStep> steps;  // from the givens to the solution
    double difficulty = 0.0;  // the highest difficulty of a technique on the path
    // Its technique; Guess when the path holds a guess; none for a puzzle given complete.
    std::optional<Technique> hardest;
};

// A guess, for where no rung moves: the empty cell with the fewest candidates (the first in row
// order) takes the solution's digit.
TechniqueStep GuessStep(const TechniqueBoard& board, const int (&solution)[kCellCount]);

// Where no rung moves, the path takes a GuessStep.
Explanation ExplainPuzzle(const Puzzle& puzzle);

}  // namespace technique
