#include "TechniqueFinders.h"
#include "TechniqueSentences.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

bool PlaceIn(int cell, int digit, int unit, TechniqueStep& step)
{
    step.baseUnit = unit;
    step.cells = {cell};
    step.digits = 1u << (digit - 1);
    step.placed = {{cell, digit}};
    return true;
}

// The unit's empty cell holding the digit, when it is the only one.
bool FindHiddenSingleIn(const TechniqueBoard& board, int firstUnit, int lastUnit, TechniqueStep& step)
{
    for (int unit = firstUnit; unit <= lastUnit; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned places = board.Places(unit, digit);
            if (std::has_single_bit(places))
                return PlaceIn(UnitCells(unit)[static_cast<std::size_t>(std::countr_zero(places))], digit, unit, step);
        }
    }
    return false;
}

}  // namespace

bool FindFullHouse(const TechniqueBoard& board, TechniqueStep& step)
{
    for (int unit = 0; unit < kUnitCount; ++unit) {
        int empty = -1;
        int emptyCount = 0;
        unsigned present = 0;
        for (const int cell : UnitCells(unit)) {
            if (board.IsEmpty(cell)) {
                empty = cell;
                ++emptyCount;
            } else {
                present |= 1u << (board.Value(cell) - 1);
            }
        }
        const unsigned missing = 0x1FFu & ~present;
        if (emptyCount == 1 && std::has_single_bit(missing))
            return PlaceIn(empty, std::countr_zero(missing) + 1, unit, step);
    }
    return false;
}

bool FindHiddenSingleInBox(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindHiddenSingleIn(board, 18, 26, step);
}

bool FindHiddenSingleInLine(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindHiddenSingleIn(board, 0, 17, step);
}

bool LeavesHiddenSingle(const TechniqueBoard& board, TechniqueStep& step)
{
    for (const CellDigit& removal : step.removed) {
        // A square's single first, as the ladder looks there first.
        for (const int unit : {BoxUnit(removal.cell), RowUnit(removal.cell), ColumnUnit(removal.cell)}) {
            unsigned places = board.Places(unit, removal.digit);
            for (std::size_t place = 0; place < 9; ++place) {
                const CellDigit here{UnitCells(unit)[place], removal.digit};
                if (std::find(step.removed.begin(), step.removed.end(), here) != step.removed.end())
                    places &= ~(1u << place);
            }
            if (std::has_single_bit(places)) {
                step.placed = {{UnitCells(unit)[static_cast<std::size_t>(std::countr_zero(places))], removal.digit}};
                step.placedUnit = unit;
                return true;
            }
        }
    }
    return false;
}

bool FindNakedSingle(const TechniqueBoard& board, TechniqueStep& step)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board.IsEmpty(cell) && std::has_single_bit(board.Candidates(cell)))
            return PlaceIn(cell, std::countr_zero(board.Candidates(cell)) + 1, -1, step);
    }
    return false;
}

void WriteFullHouse(std::string& out, const TechniqueStep& step)
{
    out += "cell ";
    AppendCell(out, step.placed.front().cell);
    out += " is the only empty cell of ";
    AppendUnit(out, step.baseUnit);
    out += ", so it holds the missing digit " + std::to_string(step.placed.front().digit) + '.';
}

void WriteHiddenSingle(std::string& out, const TechniqueStep& step)
{
    out += "in ";
    AppendUnit(out, step.baseUnit);
    out += ", digit " + std::to_string(step.placed.front().digit) + " fits only in cell ";
    AppendCell(out, step.placed.front().cell);
    out += ", so it goes there.";
}

void WriteNakedSingle(std::string& out, const TechniqueStep& step)
{
    out += "cell ";
    AppendCell(out, step.placed.front().cell);
    out += " can hold nothing other than digit " + std::to_string(step.placed.front().digit) + '.';
}

}  // namespace technique
