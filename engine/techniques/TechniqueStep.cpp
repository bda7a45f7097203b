#include "TechniqueStep.h"

#include "TechniqueFinders.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace {

using technique::BoxUnit;
using technique::ColumnUnit;
using technique::RowUnit;
using technique::SharesUnit;

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

// "rows y=1 and y=5" or "columns x=2, x=4 and x=7": the lines of that kind the cells lie in.
void AppendLines(std::string& out, const std::vector<int>& cells, bool rows)
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
}

bool InUnit(int cell, int unit)
{
    return RowUnit(cell) == unit || ColumnUnit(cell) == unit || BoxUnit(cell) == unit;
}

// The pattern's cells outside `unit`, or inside it.
std::vector<int> CellsBy(const TechniqueStep& step, int unit, bool inside)
{
    std::vector<int> cells;
    for (const int cell : step.cells) {
        if (InUnit(cell, unit) == inside)
            cells.push_back(cell);
    }
    return cells;
}

// ", so either (a) or (b) holds digit d, and it is removed from the cells that see both: ...".
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
    std::vector<int> cells;
    for (const CellDigit& removal : removed)
        cells.push_back(removal.cell);
    AppendCells(out, cells);
    out += '.';
}

// "." or, for a direct technique, "; that leaves digit 4 one place in row y=2, (x=5, y=2), so it goes there."
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

// The digits the step's pattern gives the cells, bit d - 1 for digit d.
unsigned PatternDigits(const TechniqueStep& step, const std::vector<int>& cells)
{
    unsigned digits = 0;
    for (const CellDigit& candidate : step.pattern) {
        if (std::find(cells.begin(), cells.end(), candidate.cell) != cells.end())
            digits |= 1u << (candidate.digit - 1);
    }
    return digits;
}

// The rectangle, what breaks its deadly pattern and what that removes. The roof is the side whose
// cells hold other digits: the cells of step.unit (types 2 and 4), or the pattern's corners (type 3).
void AppendUniqueRectangle(std::string& out, const TechniqueStep& step)
{
    const std::string a = std::to_string(std::countr_zero(step.digits) + 1);
    const std::string b = std::to_string(32 - std::countl_zero(step.digits));
    const std::string swap = ", the four cells would let " + a + " and " + b + " swap, and the puzzle has one solution";
    const int target = step.removed.front().cell;
    const int removedDigit = step.removed.front().digit;
    const std::string kept = std::to_string(std::countr_zero(step.digits & ~(1u << (removedDigit - 1))) + 1);
    std::vector<int> corners;
    std::vector<int> roof;
    std::vector<int> subset;
    for (const int cell : step.cells) {
        const unsigned digits = PatternDigits(step, {cell});
        if (step.technique == Technique::UniqueRectangleType3 && digits != 0 && !(digits & step.digits)) {
            subset.push_back(cell);
            continue;
        }
        corners.push_back(cell);
        const bool inRoof = step.technique == Technique::UniqueRectangleType3
            ? digits != 0
            : (step.technique == Technique::UniqueRectangleType2 || step.technique == Technique::UniqueRectangleType4)
                && InUnit(cell, step.unit);
        if (inRoof)
            roof.push_back(cell);
    }
    std::vector<int> floor;
    for (const int cell : corners) {
        if (std::ranges::count(roof, cell) == 0)
            floor.push_back(cell);
    }
    AppendCells(out, corners);
    out += ", in two rows, two columns and two squares, all hold digits " + a + " and " + b + ", and ";
    switch (step.technique) {
    case Technique::UniqueRectangleType1:
        out += "all but ";
        AppendCell(out, target);
        out += " nothing else; were ";
        AppendCell(out, target);
        out += " to take " + a + " or " + b + swap + ", so both are removed from ";
        AppendCell(out, target);
        out += '.';
        break;
    case Technique::UniqueRectangleType2:
    case Technique::UniqueRectangleType3: {
        const unsigned others = PatternDigits(step, roof) & ~step.digits;
        AppendCells(out, floor);
        out += " nothing else; were neither ";
        AppendCell(out, roof[0]);
        out += " nor ";
        AppendCell(out, roof[1]);
        if (step.technique == Technique::UniqueRectangleType2) {
            out += " to take their other digit " + std::to_string(removedDigit) + swap;
            AppendEitherEnd(out, roof, removedDigit, step.removed);
            break;
        }
        out += std::popcount(others) == 1 ? " to take their other " : " to take one of their other ";
        AppendDigits(out, others);
        out += swap + ", so one of them does, and with ";
        AppendCells(out, subset);
        out += " they hold a naked subset of ";
        AppendDigits(out, PatternDigits(step, step.cells) & ~step.digits);
        out += " in ";
        AppendUnit(out, step.unit);
        out += ", which leave the unit's other cells: ";
        AppendRemovals(out, step.removed);
        out += '.';
        break;
    }
    case Technique::UniqueRectangleType4:
        AppendCells(out, floor);
        out += " nothing else; in ";
        AppendUnit(out, step.unit);
        out += " digit " + kept + " goes only in ";
        AppendCells(out, roof);
        out += ", so one of them holds it, and were the other to take " + std::to_string(removedDigit) + swap
            + ", so digit " + std::to_string(removedDigit) + " is removed from ";
        AppendCells(out, roof);
        out += '.';
        break;
    default: {
        // Hidden: the corner opposite the target holds only the two digits; the target's row and
        // column hold the kept digit only in the rectangle.
        int opposite = target;
        int inRow = target;
        int inColumn = target;
        for (const int cell : corners) {
            if (cell != target && RowUnit(cell) == RowUnit(target))
                inRow = cell;
            else if (cell != target && ColumnUnit(cell) == ColumnUnit(target))
                inColumn = cell;
            else if (cell != target)
                opposite = cell;
        }
        AppendCell(out, opposite);
        out += " nothing else; in ";
        AppendUnit(out, RowUnit(target));
        out += " and in ";
        AppendUnit(out, ColumnUnit(target));
        out += " digit " + kept + " goes only in the rectangle, so were ";
        AppendCell(out, target);
        out += " to take " + std::to_string(removedDigit) + ", ";
        AppendCell(out, inRow);
        out += " and ";
        AppendCell(out, inColumn);
        out += " would take " + kept + " and ";
        AppendCell(out, opposite);
        out += ' ' + std::to_string(removedDigit) + ", which would let " + a + " and " + b
            + " swap, and the puzzle has one solution, so digit " + std::to_string(removedDigit) + " is removed from ";
        AppendCell(out, target);
        out += '.';
        break;
    }
    }
}

// Both almost locked sets (the second's cells are step.fins), the restricted digit, the removals.
void AppendAlsXz(std::string& out, const TechniqueStep& step)
{
    std::vector<int> first;
    for (const int cell : step.cells) {
        if (std::ranges::count(step.fins, cell) == 0)
            first.push_back(cell);
    }
    auto appendSet = [&](const std::vector<int>& cells, int unit) {
        AppendCells(out, cells);
        if (cells.size() > 1) {
            out += " in ";
            AppendUnit(out, unit);
        }
        out += cells.size() > 1 ? " hold only " : " holds only ";
        AppendDigits(out, PatternDigits(step, cells));
    };
    appendSet(first, step.unit);
    out += ", and ";
    appendSet(step.fins, step.crossUnit);
    out += ", one digit more than cells each; ";
    if (std::popcount(step.digits) == 1) {
        out += "digit " + std::to_string(std::countr_zero(step.digits) + 1)
            + " can lie in only one of the sets, as each of its places in one sees all in the other, so the other set "
              "is locked to its other digits, and each other digit both sets hold lies in one of them and leaves the "
              "cells that see all its places in both: ";
    } else {
        AppendDigits(out, step.digits);
        out += " can each lie in only one of the sets, as each of their places in one sees all in the other, so "
               "each set lacks one of them and holds all its other digits, which leave the cells that see all their "
               "places: ";
    }
    AppendRemovals(out, step.removed);
    out += '.';
}

std::vector<int> CellsOf(const std::vector<CellDigit>& candidates)
{
    std::vector<int> cells;
    for (const CellDigit& candidate : candidates)
        cells.push_back(candidate.cell);
    return cells;
}

// "along the conjugate pairs of 7, A and B take one colour and C the other, so one colour holds 7,
// and X, which sees both colours, cannot." A wrap names two cells of the false colour in one unit.
void AppendColouring(std::string& out, const TechniqueStep& step)
{
    const int digit = std::countr_zero(step.digits) + 1;
    const std::vector<int> shown = CellsOf(step.pattern);
    std::vector<int> other;
    std::set_difference(step.cells.begin(), step.cells.end(), shown.begin(), shown.end(), std::back_inserter(other));
    out += "along the conjugate pairs of " + std::to_string(digit) + ", ";
    AppendCells(out, shown);
    out += " take one colour and ";
    AppendCells(out, other);
    out += " the other";
    const std::vector<int> removed = CellsOf(step.removed);
    if (removed == shown) {
        for (std::size_t a = 0; a < shown.size(); ++a) {
            for (std::size_t b = a + 1; b < shown.size(); ++b) {
                if (!SharesUnit(shown[a], shown[b]))
                    continue;
                out += "; ";
                AppendCell(out, shown[a]);
                out += " and ";
                AppendCell(out, shown[b]);
                out += " of the first colour share a unit, so " + std::to_string(digit)
                    + " leaves every cell of that colour.";
                return;
            }
        }
    }
    out += ", so one colour holds " + std::to_string(digit) + ", and ";
    AppendCells(out, removed);
    out += removed.size() > 1 ? ", which see both colours, cannot." : ", which sees both colours, cannot.";
}

// A chain's node: "(x=1, y=2)" on one digit, else "7 in (x=1, y=2)" or "7 in [(x=1, y=2), (x=2, y=2)]".
void AppendNode(std::string& out, const std::vector<CellDigit>& node, bool oneDigit)
{
    if (!oneDigit)
        out += std::to_string(node.front().digit) + " in ";
    if (node.size() > 1)
        out += '[';
    for (std::size_t i = 0; i < node.size(); ++i) {
        if (i > 0)
            out += ", ";
        AppendCell(out, node[i].cell);
    }
    if (node.size() > 1)
        out += ']';
}

// "X-Chain on 7: (x=1, y=2) = (x=1, y=8) - (x=5, y=8) = (x=5, y=3), so one of its ends holds 7
// and (x=5, y=2) cannot." An XY-Chain writes each cell once with its two digits; a loop removes
// what conflicts with both nodes of any weak link.
void AppendChain(std::string& out, const TechniqueStep& step)
{
    std::vector<std::vector<CellDigit>> nodes;
    for (std::size_t at = 0, node = 0; at < step.pattern.size(); ++node) {
        const std::size_t size = node < step.nodeSizes.size() ? static_cast<std::size_t>(step.nodeSizes[node]) : 1;
        nodes.emplace_back(step.pattern.begin() + static_cast<std::ptrdiff_t>(at),
                           step.pattern.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    }
    const int first = nodes.front().front().digit;
    const bool oneDigit = step.technique != Technique::AlternatingChain;
    if (step.technique == Technique::XChain)
        out.insert(out.size() - 2, " on " + std::to_string(first));  // "X-Chain on 7: "
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (step.technique == Technique::XYChain) {
            // Strong links join a cell's two digits, weak ones the cells.
            if (i % 2 == 1)
                continue;
            if (i > 0)
                out += " - ";
            AppendCell(out, nodes[i].front().cell);
            if (i + 1 < nodes.size())
                out += ' ' + std::to_string(nodes[i].front().digit) + '=' + std::to_string(nodes[i + 1].front().digit);
            continue;
        }
        if (i > 0)
            out += i % 2 == 1 ? " = " : " - ";
        AppendNode(out, nodes[i], oneDigit);
    }
    // A loop repeats its first node at the end, so its links, one more than a chain's, are even.
    const bool loop = nodes.size() % 2 == 1;
    if (loop && step.technique == Technique::XChain) {
        out += ", which closes into a loop: one cell of each weak link holds " + std::to_string(first) + ", so ";
        AppendCells(out, CellsOf(step.removed));
        out += " cannot.";
    } else if (loop) {
        out += ", which closes into a loop: one node of each weak link is true, so what conflicts with both goes: ";
        AppendRemovals(out, step.removed);
        out += '.';
    } else if (oneDigit) {
        out += ", so one of its ends holds " + std::to_string(first) + " and ";
        AppendCells(out, CellsOf(step.removed));
        out += " cannot.";
    } else {
        out += ", so one of its ends is true, and what conflicts with both goes: ";
        AppendRemovals(out, step.removed);
        out += '.';
    }
}

int SubsetSize(Technique technique)
{
    switch (technique) {
    case Technique::NakedPair:
    case Technique::HiddenPair:
    case Technique::DirectHiddenPair:
    case Technique::XWing:
    case Technique::FinnedXWing:
    case Technique::SashimiXWing:
        return 2;
    case Technique::NakedTriple:
    case Technique::HiddenTriple:
    case Technique::DirectHiddenTriple:
    case Technique::Swordfish:
    case Technique::FinnedSwordfish:
    case Technique::SashimiSwordfish:
        return 3;
    default:
        return 4;
    }
}


// Forcing chains. ", (x=8, y=5) must be 4." or ", (x=8, y=5) cannot be 4.": the step's conclusion.
void AppendConclusion(std::string& out, const TechniqueStep& step)
{
    const bool placed = !step.placed.empty();
    const CellDigit conclusion = placed ? step.placed.front() : step.removed.front();
    out += ", ";
    AppendCell(out, conclusion.cell);
    out += (placed ? " must be " : " cannot be ") + std::to_string(conclusion.digit) + '.';
}

// The cell the branches start from: the one of the step's cells the conclusion is not in, if any.
int StartCell(const TechniqueStep& step)
{
    const int conclusion = step.placed.empty() ? step.removed.front().cell : step.placed.front().cell;
    for (const int cell : step.cells) {
        if (cell != conclusion)
            return cell;
    }
    return conclusion;
}

// "if (x=3, y=1) were 6, row y=4 would have no place for digit 2, so it is not 6."
void AppendContradiction(std::string& out, const TechniqueStep& step)
{
    const CellDigit assumed = step.removed.front();
    int other = assumed.cell;
    for (const int cell : step.cells) {
        if (cell != assumed.cell)
            other = cell;
    }
    const int first = step.digits == 0 ? 0 : std::countr_zero(step.digits) + 1;
    out += "if ";
    AppendCell(out, assumed.cell);
    out += " were " + std::to_string(assumed.digit) + ", ";
    if (step.unit >= 0) {
        AppendUnit(out, step.unit);
        out += " would have no place for digit " + std::to_string(first);
    } else if (step.crossUnit >= 0) {
        out += "digit " + std::to_string(first) + " would go twice into ";
        AppendUnit(out, step.crossUnit);
    } else {
        AppendCell(out, other);
        if (step.digits == 0)
            out += " would have no candidate left";
        else if (std::popcount(step.digits) == 2)
            out += " would have to hold both " + std::to_string(first) + " and "
                + std::to_string(31 - std::countl_zero(step.digits) + 1);
        else
            out += " would have to hold " + std::to_string(first) + ", which a chain inside the branch rules out";
    }
    out += ", so it is not " + std::to_string(assumed.digit) + '.';
}

void AppendForcing(std::string& out, const TechniqueStep& step)
{
    switch (step.technique) {
    case Technique::NishioForcingChain:
    case Technique::ContradictionForcingChain:
    case Technique::DynamicContradictionChain:
    case Technique::NestedContradictionChain:
    case Technique::NestedDynamicContradictionChain:
        AppendContradiction(out, step);
        return;
    case Technique::CellForcingChains:
    case Technique::DynamicCellForcingChains:
    case Technique::NestedCellForcingChains:
    case Technique::NestedDynamicCellForcingChains: {
        out += "whichever of ";
        std::vector<int> digits;
        for (int digit = 1; digit <= 9; ++digit) {
            if (step.digits >> (digit - 1) & 1u)
                digits.push_back(digit);
        }
        AppendList(out, digits, [](std::string& text, int digit) { text += std::to_string(digit); });
        out += " goes into ";
        AppendCell(out, StartCell(step));
        break;
    }
    case Technique::UnitForcingChains:
    case Technique::DynamicUnitForcingChains:
    case Technique::NestedUnitForcingChains:
    case Technique::NestedDynamicUnitForcingChains:
        out += "wherever digit " + std::to_string(std::countr_zero(step.digits) + 1) + " goes in ";
        AppendUnit(out, step.unit);
        break;
    default:
        out += "whether or not ";
        AppendCell(out, StartCell(step));
        out += " is " + std::to_string(std::countr_zero(step.digits) + 1);
        break;
    }
    AppendConclusion(out, step);
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
    case Technique::DirectPointing:
        return "Direct Pointing";
    case Technique::DirectClaiming:
        return "Direct Claiming";
    case Technique::DirectHiddenPair:
        return "Direct Hidden Pair";
    case Technique::DirectHiddenTriple:
        return "Direct Hidden Triple";
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
    case Technique::XWing:
        return "X-Wing";
    case Technique::FinnedXWing:
        return "Finned X-Wing";
    case Technique::SashimiXWing:
        return "Sashimi X-Wing";
    case Technique::FinnedSwordfish:
        return "Finned Swordfish";
    case Technique::SashimiSwordfish:
        return "Sashimi Swordfish";
    case Technique::Swordfish:
        return "Swordfish";
    case Technique::Jellyfish:
        return "Jellyfish";
    case Technique::Skyscraper:
        return "Skyscraper";
    case Technique::TwoStringKite:
        return "2-String Kite";
    case Technique::TurbotFish:
        return "Turbot Fish";
    case Technique::XYWing:
        return "XY-Wing";
    case Technique::XYZWing:
        return "XYZ-Wing";
    case Technique::WWing:
        return "W-Wing";
    case Technique::EmptyRectangle:
        return "Empty Rectangle";
    case Technique::UniqueRectangleType1:
        return "Unique Rectangle Type 1";
    case Technique::UniqueRectangleType2:
        return "Unique Rectangle Type 2";
    case Technique::UniqueRectangleType3:
        return "Unique Rectangle Type 3";
    case Technique::UniqueRectangleType4:
        return "Unique Rectangle Type 4";
    case Technique::HiddenUniqueRectangle:
        return "Hidden Unique Rectangle";
    case Technique::FinnedJellyfish:
        return "Finned Jellyfish";
    case Technique::SashimiJellyfish:
        return "Sashimi Jellyfish";
    case Technique::BugPlusOne:
        return "BUG+1";
    case Technique::AlsXz:
        return "ALS-XZ";
    case Technique::SimpleColouring:
        return "Simple Colouring";
    case Technique::XChain:
        return "X-Chain";
    case Technique::XYChain:
        return "XY-Chain";
    case Technique::AlternatingChain:
        return "Alternating Inference Chain";
    case Technique::NishioForcingChain:
        return "Nishio Forcing Chain";
    case Technique::ContradictionForcingChain:
        return "Contradiction Forcing Chain";
    case Technique::CellForcingChains:
        return "Cell Forcing Chains";
    case Technique::UnitForcingChains:
        return "Unit Forcing Chains";
    case Technique::DynamicContradictionChain:
        return "Dynamic Contradiction Forcing Chain";
    case Technique::DynamicCellForcingChains:
        return "Dynamic Cell Forcing Chains";
    case Technique::DynamicUnitForcingChains:
        return "Dynamic Unit Forcing Chains";
    case Technique::DynamicDoubleForcingChains:
        return "Dynamic Double Forcing Chains";
    case Technique::NestedContradictionChain:
        return "Nested Contradiction Forcing Chain";
    case Technique::NestedCellForcingChains:
        return "Nested Cell Forcing Chains";
    case Technique::NestedUnitForcingChains:
        return "Nested Unit Forcing Chains";
    case Technique::NestedDynamicContradictionChain:
        return "Nested Dynamic Contradiction Forcing Chain";
    case Technique::NestedDynamicCellForcingChains:
        return "Nested Dynamic Cell Forcing Chains";
    case Technique::NestedDynamicUnitForcingChains:
        return "Nested Dynamic Unit Forcing Chains";
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
    case Technique::DirectPointing:
    case Technique::DirectClaiming:
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
        AppendSingleLeft(out, step);
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
    case Technique::DirectHiddenPair:
    case Technique::DirectHiddenTriple:
        out += "in ";
        AppendUnit(out, step.unit);
        out += ", ";
        AppendDigits(out, step.digits);
        out += " fit only in the " + std::to_string(SubsetSize(step.technique)) + " cells ";
        AppendCells(out, step.cells);
        out += ", so the other candidates leave those cells: ";
        AppendRemovals(out, step.removed);
        AppendSingleLeft(out, step);
        break;
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish: {
        const bool rowBase = step.unit < 9;
        out += "in ";
        AppendLines(out, step.cells, rowBase);
        out += ", ";
        AppendDigits(out, step.digits);
        out += " can go only in the " + std::to_string(SubsetSize(step.technique)) + ' ';
        AppendLines(out, step.cells, !rowBase);
        out += ", so it is removed from the rest of those " + std::string(rowBase ? "columns: " : "rows: ");
        AppendRemovals(out, step.removed);
        out += '.';
        break;
    }
    case Technique::FinnedXWing:
    case Technique::SashimiXWing:
    case Technique::FinnedSwordfish:
    case Technique::SashimiSwordfish:
    case Technique::FinnedJellyfish:
    case Technique::SashimiJellyfish: {
        const bool rowBase = step.unit < 9;
        std::vector<int> covered;
        for (const int cell : step.cells) {
            if (std::find(step.fins.begin(), step.fins.end(), cell) == step.fins.end())
                covered.push_back(cell);
        }
        out += "in ";
        AppendLines(out, step.cells, rowBase);
        out += ", ";
        AppendDigits(out, step.digits);
        out += " can go only in the " + std::to_string(SubsetSize(step.technique)) + ' ';
        AppendLines(out, covered, !rowBase);
        out += step.fins.size() > 1 ? " and the fins " : " and the fin ";
        AppendCells(out, step.fins);
        out += "; whether or not a fin holds it, it is removed from those " + std::string(rowBase ? "columns" : "rows")
            + " within ";
        AppendUnit(out, BoxUnit(step.fins.front()));
        out += ": ";
        AppendRemovals(out, step.removed);
        out += '.';
        break;
    }
    case Technique::Skyscraper:
    case Technique::TwoStringKite: {
        out += "digit " + std::to_string(std::countr_zero(step.digits) + 1) + " has only two places in ";
        if (step.technique == Technique::Skyscraper) {
            out += "each of ";
            AppendLines(out, step.cells, step.unit < 9);
        } else {
            AppendUnit(out, step.unit);
            out += " and in ";
            AppendUnit(out, ColumnUnit(CellsBy(step, step.unit, false).front()));
        }
        out += ", and one place of each lies in ";
        AppendUnit(out, step.crossUnit);
        AppendEitherEnd(out, CellsBy(step, step.crossUnit, false), step.removed.front().digit, step.removed);
        break;
    }
    case Technique::TurbotFish: {
        const int digit = step.removed.front().digit;
        const std::vector<int> firstLink = CellsBy(step, step.unit, true);
        const std::vector<int> secondLink = CellsBy(step, step.crossUnit, true);
        // The inner pair: one place of each link seeing the other, the outer two seen by every removal.
        int inner[2] = {firstLink[0], secondLink[0]};
        int ends[2] = {firstLink[1], secondLink[1]};
        for (int b = 0; b < 2; ++b) {
            for (int c = 0; c < 2; ++c) {
                const int a = firstLink[static_cast<std::size_t>(1 - b)];
                const int d = secondLink[static_cast<std::size_t>(1 - c)];
                const bool proves = SharesUnit(firstLink[static_cast<std::size_t>(b)], secondLink[static_cast<std::size_t>(c)])
                    && std::all_of(step.removed.begin(), step.removed.end(), [&](const CellDigit& removal) {
                           return SharesUnit(removal.cell, a) && SharesUnit(removal.cell, d);
                       });
                if (proves) {
                    inner[0] = firstLink[static_cast<std::size_t>(b)];
                    inner[1] = secondLink[static_cast<std::size_t>(c)];
                    ends[0] = a;
                    ends[1] = d;
                }
            }
        }
        out += "digit " + std::to_string(digit) + " has only two places in ";
        AppendUnit(out, step.unit);
        out += ", ";
        AppendCell(out, ends[0]);
        out += " and ";
        AppendCell(out, inner[0]);
        out += ", and in ";
        AppendUnit(out, step.crossUnit);
        out += ", ";
        AppendCell(out, inner[1]);
        out += " and ";
        AppendCell(out, ends[1]);
        out += ", and ";
        AppendCell(out, inner[0]);
        out += " sees ";
        AppendCell(out, inner[1]);
        AppendEitherEnd(out, {ends[0], ends[1]}, digit, step.removed);
        break;
    }
    case Technique::XYWing:
    case Technique::XYZWing: {
        const int z = step.removed.front().digit;
        // The pivot is the one cell that sees the other two: the pincers do not see each other.
        int pivot = step.cells.front();
        std::vector<int> pincers;
        for (const int cell : step.cells) {
            int seen = 0;
            for (const int other : step.cells)
                seen += other != cell && SharesUnit(cell, other);
            if (seen == 2)
                pivot = cell;
            else
                pincers.push_back(cell);
        }
        out += "the pivot ";
        AppendCell(out, pivot);
        out += " with ";
        AppendDigits(out, step.technique == Technique::XYWing ? step.digits & ~(1u << (z - 1)) : step.digits);
        out += " sees ";
        AppendCells(out, pincers);
        out += ", each holding digit " + std::to_string(z) + " and one of the pivot's other digits";
        AppendEitherEnd(out, step.technique == Technique::XYZWing ? step.cells : pincers, z, step.removed);
        break;
    }
    case Technique::WWing: {
        const int y = step.removed.front().digit;
        const std::vector<int> ends = CellsBy(step, step.unit, false);
        AppendCells(out, ends);
        out += " both hold only ";
        AppendDigits(out, step.digits);
        out += ", and in ";
        AppendUnit(out, step.unit);
        out += " digit " + std::to_string(std::countr_zero(step.digits & ~(1u << (y - 1))) + 1) + " goes only in ";
        AppendCells(out, CellsBy(step, step.unit, true));
        out += ", one seeing each";
        AppendEitherEnd(out, ends, y, step.removed);
        break;
    }
    case Technique::EmptyRectangle: {
        // The link's near end shares a line with the square's places; the far end does not.
        const std::vector<int> boxCells = CellsBy(step, step.unit, true);
        const std::vector<int> ends = CellsBy(step, step.unit, false);
        const bool nearFirst = std::any_of(boxCells.begin(), boxCells.end(), [&](int cell) {
            return RowUnit(cell) == RowUnit(ends[0]) || ColumnUnit(cell) == ColumnUnit(ends[0]);
        });
        const int near = nearFirst ? ends[0] : ends[1];
        const int far = nearFirst ? ends[1] : ends[0];
        const int target = step.removed.front().cell;
        const int digit = step.removed.front().digit;
        out += "in ";
        AppendUnit(out, step.unit);
        out += ", digit " + std::to_string(digit) + " lies only on one row and one column, and in ";
        AppendUnit(out, step.crossUnit);
        out += " it goes only in ";
        AppendCell(out, near);
        out += " and ";
        AppendCell(out, far);
        out += "; if ";
        AppendCell(out, far);
        out += " does not hold it, ";
        AppendCell(out, near);
        out += " does and leaves the square's digit " + std::to_string(digit) + " on the "
            + (step.crossUnit < 9 ? "row" : "column") + " through ";
        AppendCell(out, target);
        out += ", so it is removed from ";
        AppendCell(out, target);
        out += '.';
        break;
    }
    case Technique::UniqueRectangleType1:
    case Technique::UniqueRectangleType2:
    case Technique::UniqueRectangleType3:
    case Technique::UniqueRectangleType4:
    case Technique::HiddenUniqueRectangle:
        AppendUniqueRectangle(out, step);
        break;
    case Technique::BugPlusOne:
        out += "every empty cell but ";
        AppendCell(out, placed.cell);
        out += " holds two candidates, and every digit has two places or none in each row, column and square but digit "
            + std::to_string(placed.digit) + ", which has three in those of ";
        AppendCell(out, placed.cell);
        out += "; without it the board would have no solution or more than one, and the puzzle has one solution, so ";
        AppendCell(out, placed.cell);
        out += " holds digit " + std::to_string(placed.digit) + '.';
        break;
    case Technique::AlsXz:
        AppendAlsXz(out, step);
        break;
    case Technique::SimpleColouring:
        AppendColouring(out, step);
        break;
    case Technique::XChain:
    case Technique::XYChain:
    case Technique::AlternatingChain:
        AppendChain(out, step);
        break;
    case Technique::NishioForcingChain:
    case Technique::ContradictionForcingChain:
    case Technique::CellForcingChains:
    case Technique::UnitForcingChains:
    case Technique::DynamicContradictionChain:
    case Technique::DynamicCellForcingChains:
    case Technique::DynamicUnitForcingChains:
    case Technique::DynamicDoubleForcingChains:
    case Technique::NestedContradictionChain:
    case Technique::NestedCellForcingChains:
    case Technique::NestedUnitForcingChains:
    case Technique::NestedDynamicContradictionChain:
    case Technique::NestedDynamicCellForcingChains:
    case Technique::NestedDynamicUnitForcingChains:
        AppendForcing(out, step);
        break;
    case Technique::Guess:
        out += "no technique of the ladder applies, so cell ";
        AppendCell(out, placed.cell);
        out += " takes digit " + std::to_string(placed.digit) + " from the puzzle's only solution.";
        break;
    }
    return out;
}
