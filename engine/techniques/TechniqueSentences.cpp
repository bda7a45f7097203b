#include "TechniqueSentences.h"

#include "TechniqueBoard.h"

#include <algorithm>
#include <bit>

namespace technique {

void AppendCell(std::string& out, int cell)
{
    out += "(x=" + std::to_string(cell % 9 + 1) + ", y=" + std::to_string(cell / 9 + 1) + ')';
}

void AppendCells(std::string& out, const std::vector<int>& cells)
{
    AppendList(out, cells, AppendCell);
}

void AppendDigitList(std::string& out, unsigned digits)
{
    std::vector<int> list;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits >> (digit - 1) & 1u)
            list.push_back(digit);
    }
    AppendList(out, list, [](std::string& text, int digit) { text += std::to_string(digit); });
}

void AppendDigits(std::string& out, unsigned digits)
{
    out += std::popcount(digits) > 1 ? "digits " : "digit ";
    AppendDigitList(out, digits);
}

void AppendUnit(std::string& out, int unit)
{
    if (unit < 9) {
        out += "row y=" + std::to_string(unit + 1);
    } else if (unit < 18) {
        out += "column x=" + std::to_string(unit - 8);
    } else {
        const int left = (unit - 18) % 3 * 3 + 1;
        const int top = (unit - 18) / 3 * 3 + 1;
        out += "the square x=" + std::to_string(left) + ".." + std::to_string(left + 2) + ", y="
            + std::to_string(top) + ".." + std::to_string(top + 2);
    }
}

void AppendRemovals(std::string& out, const std::vector<CellDigit>& removed)
{
    bool first = true;
    for (int digit = 1; digit <= 9; ++digit) {
        std::vector<int> cells;
        for (const CellDigit& removal : removed) {
            if (removal.digit == digit)
                cells.push_back(removal.cell);
        }
        if (cells.empty())
            continue;
        out += first ? "digit " : ", and digit ";
        first = false;
        out += std::to_string(digit) + " from ";
        AppendCells(out, cells);
    }
}

int AppendLines(std::string& out, const std::vector<int>& cells, bool rows)
{
    std::vector<int> lines;
    for (const int cell : cells) {
        const int line = rows ? cell / 9 : cell % 9;
        if (std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    out += rows ? "rows " : "columns ";
    AppendList(out, lines, [rows](std::string& text, int line) {
        text += (rows ? "y=" : "x=") + std::to_string(line + 1);
    });
    return static_cast<int>(lines.size());
}

void AppendEitherEnd(std::string& out, const std::vector<int>& ends, int digit, const std::vector<CellDigit>& removed)
{
    if (ends.size() == 2) {
        out += ", so either ";
        AppendCell(out, ends[0]);
        out += " or ";
        AppendCell(out, ends[1]);
    } else {
        out += ", so one of ";
        AppendCells(out, ends);
    }
    out += " holds digit " + std::to_string(digit) + ", and it is removed from the cells that see ";
    out += ends.size() == 2 ? "both: " : "all of them: ";
    AppendCells(out, CellsOf(removed));
    out += '.';
}

void AppendSingleLeft(std::string& out, const TechniqueStep& step)
{
    if (step.placed.empty()) {
        out += '.';
        return;
    }
    out += "; that leaves digit " + std::to_string(step.placed.front().digit) + " one place in ";
    AppendUnit(out, step.placedUnit);
    out += ", ";
    AppendCell(out, step.placed.front().cell);
    out += ", so it goes there.";
}

std::vector<int> CellsOf(const std::vector<CellDigit>& candidates)
{
    std::vector<int> cells;
    for (const CellDigit& candidate : candidates)
        cells.push_back(candidate.cell);
    return cells;
}

unsigned DigitsIn(const std::vector<CellDigit>& candidates, const std::vector<int>& cells)
{
    unsigned digits = 0;
    for (const CellDigit& candidate : candidates) {
        if (std::find(cells.begin(), cells.end(), candidate.cell) != cells.end())
            digits |= 1u << (candidate.digit - 1);
    }
    return digits;
}

bool InUnit(int cell, int unit)
{
    return RowUnit(cell) == unit || ColumnUnit(cell) == unit || BoxUnit(cell) == unit;
}

int LowestDigit(unsigned digits)
{
    return std::countr_zero(digits) + 1;
}

}  // namespace technique
