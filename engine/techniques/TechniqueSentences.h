// The pieces every technique's sentence is written from: cells as "(x=C, y=R)", units, digit
// lists and removals. Each family's sentence writer sits beside its finder and builds on these.
#pragma once

#include "TechniqueStep.h"

#include <string>
#include <vector>

namespace technique {

void AppendCell(std::string& out, int cell);

// "a", "a and b", "a, b and c".
template <class Item, class AppendItem>
void AppendList(std::string& out, const std::vector<Item>& items, AppendItem append)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += i + 1 == items.size() ? " and " : ", ";
        append(out, items[i]);
    }
}

void AppendCells(std::string& out, const std::vector<int>& cells);
// "1, 2 and 3": the digits of the mask, bit d - 1 for digit d.
void AppendDigitList(std::string& out, unsigned digits);
// "digit 4" or "digits 1 and 2".
void AppendDigits(std::string& out, unsigned digits);
// "row y=2", "column x=5" or "the square x=4..6, y=1..3".
void AppendUnit(std::string& out, int unit);
// "digit 3 from (x=1, y=2) and (x=4, y=2), and digit 7 from (x=4, y=2)".
void AppendRemovals(std::string& out, const std::vector<CellDigit>& removed);
// "rows y=1 and y=5" or "columns x=2, x=4 and x=7": the lines of that kind the cells lie in;
// returns how many.
int AppendLines(std::string& out, const std::vector<int>& cells, bool rows);
// ", so either (a) or (b) holds digit d, and it is removed from the cells that see both: ...".
void AppendEitherEnd(std::string& out, const std::vector<int>& ends, int digit, const std::vector<CellDigit>& removed);
// "." or, for a direct technique, "; that leaves digit 4 one place in row y=2, (x=5, y=2), so it goes there."
void AppendSingleLeft(std::string& out, const TechniqueStep& step);

std::vector<int> CellsOf(const std::vector<CellDigit>& candidates);
// The digits the candidates give the cells, bit d - 1 for digit d.
unsigned DigitsIn(const std::vector<CellDigit>& candidates, const std::vector<int>& cells);
bool InUnit(int cell, int unit);
int LowestDigit(unsigned digits);

}  // namespace technique
