#include "TechniqueFinders.h"
#include "TechniqueSentences.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace technique {

namespace {

// The two ends of the digit's strong link in `unit`, the first the one that shares `line` with
// the square (its row for a column link, its column for a row link); false when the unit does not
// hold the digit exactly twice.
bool LinkEnds(const TechniqueBoard& board, int unit, int digit, int line, int& near, int& far)
{
    const unsigned places = board.Places(unit, digit);
    if (std::popcount(places) != 2)
        return false;
    const std::array<int, 9>& cells = UnitCells(unit);
    near = cells[static_cast<std::size_t>(std::countr_zero(places))];
    far = cells[static_cast<std::size_t>(31 - std::countl_zero(places))];
    const auto lineOf = [&](int cell) { return unit < 9 ? ColumnUnit(cell) : RowUnit(cell); };
    if (lineOf(far) == line)
        std::swap(near, far);
    return lineOf(near) == line;
}

}  // namespace

bool FindEmptyRectangle(const TechniqueBoard& board, TechniqueStep& step)
{
    for (int box = 18; box < kUnitCount; ++box) {
        const int top = (box - 18) / 3 * 3;
        const int left = (box - 18) % 3 * 3;
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned bit = 1u << (digit - 1);
            std::vector<int> boxCells;
            for (const int cell : UnitCells(box)) {
                if (board.Candidates(cell) & bit)
                    boxCells.push_back(cell);
            }
            for (int row = top; row < top + 3; ++row) {
                for (int column = 9 + left; column < 9 + left + 3; ++column) {
                    // Every place on the cross of the row and the column, and some off each line.
                    bool onCross = true, offRow = false, offColumn = false;
                    for (const int cell : boxCells) {
                        onCross = onCross && (RowUnit(cell) == row || ColumnUnit(cell) == column);
                        offRow = offRow || RowUnit(cell) != row;
                        offColumn = offColumn || ColumnUnit(cell) != column;
                    }
                    if (!onCross || !offRow || !offColumn)
                        continue;
                    // A column link from the row, or a row link from the column, outside the square;
                    // its far end and the square's other line meet in the target.
                    for (int link = 0; link < 18; ++link) {
                        const bool columnLink = link >= 9;
                        const int offset = columnLink ? link - 9 : link;
                        const int first = columnLink ? left : top;
                        if (offset >= first && offset < first + 3)
                            continue;
                        int near = 0, far = 0;
                        if (!LinkEnds(board, link, digit, columnLink ? row : column, near, far))
                            continue;
                        const int target = columnLink ? RowUnit(far) * 9 + (column - 9) : row * 9 + far % 9;
                        if (BoxUnit(target) == box || !(board.Candidates(target) & bit))
                            continue;
                        std::vector<int> pattern = boxCells;
                        pattern.push_back(near);
                        pattern.push_back(far);
                        std::sort(pattern.begin(), pattern.end());
                        step.baseUnit = box;
                        step.coverUnit = link;
                        step.cells = std::move(pattern);
                        step.digits = bit;
                        step.ends = {near, far};
                        step.removed = {{target, digit}};
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

void WriteEmptyRectangle(std::string& out, const TechniqueStep& step)
{
    const int near = step.ends[0];
    const int far = step.ends[1];
    const int target = step.removed.front().cell;
    const int digit = step.removed.front().digit;
    out += "in ";
    AppendUnit(out, step.baseUnit);
    out += ", digit " + std::to_string(digit) + " lies only on one row and one column, and in ";
    AppendUnit(out, step.coverUnit);
    out += " it goes only in ";
    AppendCell(out, near);
    out += " and ";
    AppendCell(out, far);
    out += "; if ";
    AppendCell(out, far);
    out += " does not hold it, ";
    AppendCell(out, near);
    out += " does and leaves the square's digit " + std::to_string(digit) + " on the "
        + (step.coverUnit < 9 ? "row" : "column") + " through ";
    AppendCell(out, target);
    out += ", so it is removed from ";
    AppendCell(out, target);
    out += '.';
}

}  // namespace technique
