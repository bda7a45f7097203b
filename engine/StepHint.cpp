#include "StepHint.h"

#include "GridGeometry.h"

#include <bit>

namespace {

const char* const kSquareNames[9] = {"top left",    "top centre",    "top right",
                                     "middle left", "centre",        "middle right",
                                     "bottom left", "bottom centre", "bottom right"};
const char* const kCountWords[10] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};

// "column x=5", "row y=3" or "the top left square": the unit of the cell's that the step is found in.
std::string UnitName(int unitKind, int cell)
{
    const int x = grid::CellX(cell);
    const int y = grid::CellY(cell);
    switch (SentenceUnitKind(unitKind)) {
    case 0:
        return "column x=" + std::to_string(x + 1);
    case 1:
        return "row y=" + std::to_string(y + 1);
    default:
        return std::string("the ") + kSquareNames[(y / 3) * 3 + x / 3] + " square";
    }
}

}  // namespace

std::string HintSentence(const StepRecord& step)
{
    switch (step.kind) {
    case StepKind::Determined:
        return "Look at cell (x=" + std::to_string(grid::CellX(step.cell) + 1) + ", y=" +
               std::to_string(grid::CellY(step.cell) + 1) + "): only one digit is left for it.";
    case StepKind::HiddenSingle:
        return "Look at " + UnitName(step.unitKind, step.cell) + ": one digit has only one place left.";
    case StepKind::DigitSet: {
        const char* count = kCountWords[std::popcount(unsigned{step.digitMask})];
        return "Look at " + UnitName(step.unitKind, step.cell) + ": " + count + " digits have only the same " +
               count + " cells left.";
    }
    case StepKind::Guess:
        return "No logical step is left: the solver guesses here.";
    }
    return std::string();
}
