#include "TechniqueStep.h"

#include "TechniqueBoard.h"

#include <bit>

namespace {

using technique::ColumnUnit;
using technique::RowUnit;

void AppendCell(std::string& out, int cell)
{
    out += "(x=" + std::to_string(cell % 9 + 1) + ", y=" + std::to_string(cell / 9 + 1) + ')';
}

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

void AppendCells(std::string& out, const std::vector<int>& cells)
{
    AppendList(out, cells, AppendCell);
}

void AppendDigits(std::string& out, unsigned digits)
{
    std::vector<int> list;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits >> (digit - 1) & 1u)
            list.push_back(digit);
    }
    out += list.size() > 1 ? "digits " : "digit ";
    AppendList(out, list, [](std::string& text, int digit) { text += std::to_string(digit); });
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

// "digit 3 from (x=1, y=2) and (x=4, y=2), and digit 7 from (x=4, y=2)".
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

int SubsetSize(Technique technique)
{
    switch (technique) {
    case Technique::NakedPair:
    case Technique::HiddenPair:
        return 2;
    case Technique::NakedTriple:
    case Technique::HiddenTriple:
        return 3;
    default:
        return 4;
    }
}

}  // namespace

const char* TechniqueName(Technique technique)
{
    switch (technique) {
    case Technique::FullHouse:
        return "Full House";
    case Technique::HiddenSingleBox:
    case Technique::HiddenSingleLine:
        return "Hidden Single";
    case Technique::NakedSingle:
        return "Naked Single";
    case Technique::Pointing:
        return "Pointing";
    case Technique::Claiming:
        return "Claiming";
    case Technique::NakedPair:
        return "Naked Pair";
    case Technique::HiddenPair:
        return "Hidden Pair";
    case Technique::NakedTriple:
        return "Naked Triple";
    case Technique::HiddenTriple:
        return "Hidden Triple";
    case Technique::NakedQuad:
        return "Naked Quad";
    case Technique::HiddenQuad:
        return "Hidden Quad";
    case Technique::Guess:
        break;
    }
    return "Guess";
}

std::string TechniqueSentence(const TechniqueStep& step)
{
    std::string out = TechniqueName(step.technique);
    out += ": ";
    const CellDigit placed = step.placed.empty() ? CellDigit{0, 0} : step.placed.front();
    switch (step.technique) {
    case Technique::FullHouse:
        out += "cell ";
        AppendCell(out, placed.cell);
        out += " is the only empty cell of ";
        AppendUnit(out, step.unit);
        out += ", so it holds the missing digit " + std::to_string(placed.digit) + '.';
        break;
    case Technique::HiddenSingleBox:
    case Technique::HiddenSingleLine:
        out += "in ";
        AppendUnit(out, step.unit);
        out += ", digit " + std::to_string(placed.digit) + " fits only in cell ";
        AppendCell(out, placed.cell);
        out += ", so it goes there.";
        break;
    case Technique::NakedSingle:
        out += "cell ";
        AppendCell(out, placed.cell);
        out += " can hold nothing other than digit " + std::to_string(placed.digit) + '.';
        break;
    case Technique::Pointing:
    case Technique::Claiming:
        out += "in ";
        AppendUnit(out, step.unit);
        out += ", ";
        AppendDigits(out, step.digits);
        out += " can go only in ";
        AppendUnit(out, step.crossUnit);
        out += ", so it is removed from the rest of ";
        AppendUnit(out, step.crossUnit);
        out += ": ";
        AppendCells(out, [&] {
            std::vector<int> cells;
            for (const CellDigit& removal : step.removed)
                cells.push_back(removal.cell);
            return cells;
        }());
        out += '.';
        break;
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        out += "in ";
        AppendUnit(out, step.unit);
        out += ", the " + std::to_string(SubsetSize(step.technique)) + " cells ";
        AppendCells(out, step.cells);
        out += " hold only ";
        AppendDigits(out, step.digits);
        out += " between them, so those digits leave the unit's other cells: ";
        AppendRemovals(out, step.removed);
        out += '.';
        break;
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        out += "in ";
        AppendUnit(out, step.unit);
        out += ", ";
        AppendDigits(out, step.digits);
        out += " fit only in the " + std::to_string(SubsetSize(step.technique)) + " cells ";
        AppendCells(out, step.cells);
        out += ", so the other candidates leave those cells: ";
        AppendRemovals(out, step.removed);
        out += '.';
        break;
    case Technique::Guess:
        out += "no technique of the ladder applies, so cell ";
        AppendCell(out, placed.cell);
        out += " takes digit " + std::to_string(placed.digit) + " from the puzzle's only solution.";
        break;
    }
    return out;
}
