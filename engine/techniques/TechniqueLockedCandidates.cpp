#include "TechniqueFinders.h"
#include "TechniqueSentences.h"

#include <bit>

namespace technique {

namespace {

// The digit's places in `unit` all lie in `crossUnit`: it leaves crossUnit's other cells.
// True when that removes something.
bool Confine(const TechniqueBoard& board, int unit, int crossUnit, int digit, TechniqueStep& step, StepFilter accept)
{
    const unsigned bit = 1u << (digit - 1);
    std::vector<int> pattern;
    for (const int cell : UnitCells(unit)) {
        if (board.Candidates(cell) & bit)
            pattern.push_back(cell);
    }
    std::vector<CellDigit> removed;
    for (const int cell : UnitCells(crossUnit)) {
        const bool inUnit = RowUnit(cell) == unit || ColumnUnit(cell) == unit || BoxUnit(cell) == unit;
        if (!inUnit && (board.Candidates(cell) & bit))
            removed.push_back({cell, digit});
    }
    if (removed.empty())
        return false;
    step.baseUnit = unit;
    step.coverUnit = crossUnit;
    step.cells = std::move(pattern);
    step.digits = bit;
    step.removed = std::move(removed);
    if (accept(board, step))
        return true;
    step = TechniqueStep{};
    return false;
}

// The one unit among the candidates' units `unitOf` gives for every cell, or -1.
template <class UnitOf>
int CommonUnit(const TechniqueBoard& board, int unit, int digit, UnitOf unitOf)
{
    int common = -1;
    for (const int cell : UnitCells(unit)) {
        if (!(board.Candidates(cell) >> (digit - 1) & 1u))
            continue;
        if (common != -1 && common != unitOf(cell))
            return -1;
        common = unitOf(cell);
    }
    return common;
}

}  // namespace

bool FindPointing(const TechniqueBoard& board, TechniqueStep& step, StepFilter accept)
{
    for (int box = 18; box < kUnitCount; ++box) {
        for (int digit = 1; digit <= 9; ++digit) {
            for (const auto lineOf : {RowUnit, ColumnUnit}) {
                const int line = CommonUnit(board, box, digit, lineOf);
                if (line != -1 && Confine(board, box, line, digit, step, accept))
                    return true;
            }
        }
    }
    return false;
}

bool FindClaiming(const TechniqueBoard& board, TechniqueStep& step, StepFilter accept)
{
    for (int line = 0; line < 18; ++line) {
        for (int digit = 1; digit <= 9; ++digit) {
            const int box = CommonUnit(board, line, digit, BoxUnit);
            if (box != -1 && Confine(board, line, box, digit, step, accept))
                return true;
        }
    }
    return false;
}

void WriteLockedCandidates(std::string& out, const TechniqueStep& step)
{
    out += "in ";
    AppendUnit(out, step.baseUnit);
    out += ", ";
    AppendDigits(out, step.digits);
    out += " can go only in ";
    AppendUnit(out, step.coverUnit);
    out += ", so it is removed from the rest of ";
    AppendUnit(out, step.coverUnit);
    out += ": ";
    AppendCells(out, CellsOf(step.removed));
    AppendSingleLeft(out, step);
}

}  // namespace technique
