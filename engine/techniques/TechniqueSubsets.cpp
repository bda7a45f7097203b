#include "TechniqueFinders.h"
#include "TechniqueSentences.h"
#include "TechniqueSets.h"

#include <bit>
#include <utility>

namespace technique {

namespace {

// The step of a subset: the unit's places in placeMask, holding digits, and what it removes.
void DescribeSubset(TechniqueStep& step, int unit, unsigned placeMask, unsigned digits, std::vector<CellDigit> removed)
{
    step.baseUnit = unit;
    step.cells.clear();
    for (int place = 0; place < 9; ++place) {
        if (placeMask >> place & 1u)
            step.cells.push_back(UnitCells(unit)[static_cast<std::size_t>(place)]);
    }
    step.digits = digits;
    step.removed = std::move(removed);
}

}  // namespace

bool FindNakedSubset(const TechniqueBoard& board, int size, TechniqueStep& step)
{
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::array<int, 9>& cells = UnitCells(unit);
        unsigned candidates[9];
        for (int place = 0; place < 9; ++place)
            candidates[place] = Eligible(board.Candidates(cells[static_cast<std::size_t>(place)]), size);
        const bool found = ForEachClosedSet(candidates, size, [&](unsigned places, unsigned digits) {
            std::vector<CellDigit> removed;
            for (int place = 0; place < 9; ++place) {
                const int cell = cells[static_cast<std::size_t>(place)];
                if (!(places >> place & 1u))
                    AppendDigitRemovals(removed, cell, board.Candidates(cell) & digits);
            }
            if (removed.empty())
                return false;
            DescribeSubset(step, unit, places, digits, std::move(removed));
            return true;
        });
        if (found)
            return true;
    }
    return false;
}

bool FindHiddenSubset(const TechniqueBoard& board, int size, TechniqueStep& step, StepFilter accept)
{
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::array<int, 9>& cells = UnitCells(unit);
        unsigned places[9];
        for (int digit = 1; digit <= 9; ++digit)
            places[digit - 1] = Eligible(board.Places(unit, digit), size);
        const bool found = ForEachClosedSet(places, size, [&](unsigned digitIndices, unsigned placeMask) {
            const unsigned digits = digitIndices;  // item i is digit i + 1: the same bits
            std::vector<CellDigit> removed;
            for (int place = 0; place < 9; ++place) {
                const int cell = cells[static_cast<std::size_t>(place)];
                if (placeMask >> place & 1u)
                    AppendDigitRemovals(removed, cell, board.Candidates(cell) & ~digits);
            }
            if (removed.empty())
                return false;
            DescribeSubset(step, unit, placeMask, digits, std::move(removed));
            if (accept(board, step))
                return true;
            step = TechniqueStep{};
            return false;
        });
        if (found)
            return true;
    }
    return false;
}

void WriteNakedSubset(std::string& out, const TechniqueStep& step)
{
    out += "in ";
    AppendUnit(out, step.baseUnit);
    out += ", the " + std::to_string(step.cells.size()) + " cells ";
    AppendCells(out, step.cells);
    out += " hold only ";
    AppendDigits(out, step.digits);
    out += " between them, so those digits leave the unit's other cells: ";
    AppendRemovals(out, step.removed);
    out += '.';
}

void WriteHiddenSubset(std::string& out, const TechniqueStep& step)
{
    out += "in ";
    AppendUnit(out, step.baseUnit);
    out += ", ";
    AppendDigits(out, step.digits);
    out += " fit only in the " + std::to_string(step.cells.size()) + " cells ";
    AppendCells(out, step.cells);
    out += ", so the other candidates leave those cells: ";
    AppendRemovals(out, step.removed);
    AppendSingleLeft(out, step);
}

}  // namespace technique
