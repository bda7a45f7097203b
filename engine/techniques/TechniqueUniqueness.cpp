#include "TechniqueFinders.h"
#include "TechniqueSentences.h"
#include "TechniqueSets.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

// Four empty cells at the corners of two rows and two columns, lying in two squares, all holding
// both digits of `digits`. Corners 0 and 1 share the top row, 2 and 3 the bottom one; 0 and 2 the
// left column, 1 and 3 the right one.
struct Rectangle {
    int corners[4];
    unsigned digits;
};

// The rectangle's sides as pairs of corners; side ^ 1 is the opposite side.
constexpr int kSides[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};

// Calls found(rectangle) for every such rectangle and pair of digits, rows first, until it returns true.
template <class Found>
bool ForEachRectangle(const TechniqueBoard& board, Found found)
{
    for (int top = 0; top < 9; ++top) {
        for (int bottom = top + 1; bottom < 9; ++bottom) {
            for (int left = 0; left < 9; ++left) {
                const unsigned leftDigits = board.Candidates(top * 9 + left) & board.Candidates(bottom * 9 + left);
                if (CountNine(leftDigits) < 2)
                    continue;
                for (int right = left + 1; right < 9; ++right) {
                    // Two squares: the rows share a band or the columns a stack, not both.
                    if ((top / 3 == bottom / 3) == (left / 3 == right / 3))
                        continue;
                    const Rectangle shape{{top * 9 + left, top * 9 + right, bottom * 9 + left, bottom * 9 + right}, 0};
                    const unsigned common = leftDigits & board.Candidates(shape.corners[1]) & board.Candidates(shape.corners[3]);
                    for (unsigned first = common; first != 0; first &= first - 1) {
                        for (unsigned second = first & (first - 1); second != 0; second &= second - 1) {
                            Rectangle rectangle = shape;
                            rectangle.digits = (first & (0u - first)) | (second & (0u - second));
                            if (found(rectangle))
                                return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

void SetRectangle(const Rectangle& rectangle, int unit, std::vector<CellDigit> removed, TechniqueStep& step)
{
    step.cells.assign(rectangle.corners, rectangle.corners + 4);
    std::sort(step.cells.begin(), step.cells.end());
    std::sort(removed.begin(), removed.end(), [](const CellDigit& a, const CellDigit& b) {
        return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
    });
    step.baseUnit = unit;
    step.digits = rectangle.digits;
    step.removed = std::move(removed);
}

std::vector<int> Ascending(const int (&cells)[2])
{
    return {std::min(cells[0], cells[1]), std::max(cells[0], cells[1])};
}

// The row or column both cells lie in.
int LineOf(int a, int b)
{
    return RowUnit(a) == RowUnit(b) ? RowUnit(a) : ColumnUnit(a);
}

// The units the two cells share: their line, and their square when they share one too.
std::vector<int> SharedUnits(int a, int b)
{
    std::vector<int> units{LineOf(a, b)};
    if (BoxUnit(a) == BoxUnit(b))
        units.push_back(BoxUnit(a));
    return units;
}

// Calls found(rectangle, roof) for each side of a rectangle whose two cells (the floor) hold
// only its digits while the opposite side's two cells (the roof) both hold others, until it returns true.
template <class Found>
bool ForEachRoof(const TechniqueBoard& board, Found found)
{
    return ForEachRectangle(board, [&](const Rectangle& rectangle) {
        for (int side = 0; side < 4; ++side) {
            const int floor[2] = {rectangle.corners[kSides[side][0]], rectangle.corners[kSides[side][1]]};
            const int roof[2] = {rectangle.corners[kSides[side ^ 1][0]], rectangle.corners[kSides[side ^ 1][1]]};
            if (board.Candidates(floor[0]) == rectangle.digits && board.Candidates(floor[1]) == rectangle.digits
                && board.Candidates(roof[0]) != rectangle.digits && board.Candidates(roof[1]) != rectangle.digits
                && found(rectangle, roof))
                return true;
        }
        return false;
    });
}

// Chooses `size` cells of `pool` (empty cells of a unit) whose digits together with `digits` make
// size + 1 digits; calls found(chosen cells, all digits) until it returns true.
template <class Found>
bool ForEachNakedCompletion(const TechniqueBoard& board, const std::vector<int>& pool, int size, unsigned digits,
                            std::size_t from, std::vector<int>& chosen, Found& found)
{
    if (CountNine(digits) > size + 1)
        return false;
    if (static_cast<int>(chosen.size()) == size)
        return CountNine(digits) == size + 1 && found(chosen, digits);
    for (std::size_t index = from; index < pool.size(); ++index) {
        chosen.push_back(pool[index]);
        if (ForEachNakedCompletion(board, pool, size, digits | board.Candidates(pool[index]), index + 1, chosen, found))
            return true;
        chosen.pop_back();
    }
    return false;
}

}  // namespace

bool FindUniqueRectangleType1(const TechniqueBoard& board, TechniqueStep& step)
{
    if (!board.KnownUnique())
        return false;
    return ForEachRectangle(board, [&](const Rectangle& rectangle) {
        int others = -1;
        for (const int cell : rectangle.corners) {
            if (board.Candidates(cell) == rectangle.digits)
                continue;
            if (others != -1)
                return false;
            others = cell;
        }
        if (others == -1)
            return false;
        std::vector<CellDigit> removed;
        AppendDigitRemovals(removed, others, rectangle.digits);
        SetRectangle(rectangle, -1, std::move(removed), step);
        return true;
    });
}

bool FindUniqueRectangleType2(const TechniqueBoard& board, TechniqueStep& step)
{
    if (!board.KnownUnique())
        return false;
    return ForEachRoof(board, [&](const Rectangle& rectangle, const int (&roof)[2]) {
        const unsigned extra = board.Candidates(roof[0]) & ~rectangle.digits;
        if (CountNine(extra) != 1 || (board.Candidates(roof[1]) & ~rectangle.digits) != extra)
            return false;
        std::vector<CellDigit> removed = RemovalsSeeingAll(board, std::countr_zero(extra) + 1, {roof[0], roof[1]});
        if (removed.empty())
            return false;
        SetRectangle(rectangle, LineOf(roof[0], roof[1]), std::move(removed), step);
        step.sets = {Ascending(roof)};
        return true;
    });
}

bool FindUniqueRectangleType3(const TechniqueBoard& board, TechniqueStep& step)
{
    if (!board.KnownUnique())
        return false;
    // The roof's other digits act as one cell of a naked subset; the smallest subsets first.
    for (int size = 1; size <= 3; ++size) {
        const bool found = ForEachRoof(board, [&](const Rectangle& rectangle, const int (&roof)[2]) {
            const unsigned extra = (board.Candidates(roof[0]) | board.Candidates(roof[1])) & ~rectangle.digits;
            if (CountNine(extra) > size + 1)
                return false;
            for (const int unit : SharedUnits(roof[0], roof[1])) {
                std::vector<int> pool;
                for (const int cell : UnitCells(unit)) {
                    if (board.IsEmpty(cell) && cell != roof[0] && cell != roof[1] && !(board.Candidates(cell) & rectangle.digits))
                        pool.push_back(cell);
                }
                std::vector<int> chosen;
                auto tryCompletion = [&](const std::vector<int>& cells, unsigned digits) {
                    std::vector<CellDigit> removed;
                    for (const int cell : UnitCells(unit)) {
                        if (cell != roof[0] && cell != roof[1] && std::find(cells.begin(), cells.end(), cell) == cells.end())
                            AppendDigitRemovals(removed, cell, board.Candidates(cell) & digits);
                    }
                    if (removed.empty())
                        return false;
                    SetRectangle(rectangle, unit, std::move(removed), step);
                    step.cells.insert(step.cells.end(), cells.begin(), cells.end());
                    std::sort(step.cells.begin(), step.cells.end());
                    step.sets = {Ascending(roof), cells};
                    std::sort(step.sets[1].begin(), step.sets[1].end());
                    step.candidates.clear();
                    for (const int cell : step.cells) {
                        if (board.Candidates(cell) != rectangle.digits)
                            AppendDigitRemovals(step.candidates, cell, board.Candidates(cell));
                    }
                    step.difficulty = AddTenths(RatingBase(Technique::UniqueRectangleType3), size - 1);  // a tenth per cell
                    return true;
                };
                if (ForEachNakedCompletion(board, pool, size, extra, 0, chosen, tryCompletion))
                    return true;
            }
            return false;
        });
        if (found)
            return true;
    }
    return false;
}

bool FindUniqueRectangleType4(const TechniqueBoard& board, TechniqueStep& step)
{
    if (!board.KnownUnique())
        return false;
    return ForEachRoof(board, [&](const Rectangle& rectangle, const int (&roof)[2]) {
        for (const int unit : SharedUnits(roof[0], roof[1])) {
            // One digit confined to the roof in the unit: the roof holds it, so it cannot hold the other too.
            for (unsigned held = rectangle.digits; held != 0; held &= held - 1) {
                if (CountNine(board.Places(unit, std::countr_zero(held) + 1)) != 2)
                    continue;
                std::vector<CellDigit> removed;
                for (const int cell : roof)
                    AppendDigitRemovals(removed, cell, rectangle.digits & ~(held & (0u - held)));
                SetRectangle(rectangle, unit, std::move(removed), step);
                step.sets = {Ascending(roof)};
                return true;
            }
        }
        return false;
    });
}

bool FindHiddenUniqueRectangle(const TechniqueBoard& board, TechniqueStep& step)
{
    if (!board.KnownUnique())
        return false;
    return ForEachRectangle(board, [&](const Rectangle& rectangle) {
        for (int corner = 0; corner < 4; ++corner) {
            // The corner opposite holds only the two digits; one of them is confined to the
            // rectangle in both this corner's row and column, so this corner cannot take the other.
            if (board.Candidates(rectangle.corners[3 - corner]) != rectangle.digits)
                continue;
            const int cell = rectangle.corners[corner];
            for (unsigned held = rectangle.digits; held != 0; held &= held - 1) {
                const int digit = std::countr_zero(held) + 1;
                if (CountNine(board.Places(RowUnit(cell), digit)) != 2 || CountNine(board.Places(ColumnUnit(cell), digit)) != 2)
                    continue;
                std::vector<CellDigit> removed;
                AppendDigitRemovals(removed, cell, rectangle.digits & ~(held & (0u - held)));
                SetRectangle(rectangle, RowUnit(cell), std::move(removed), step);
                step.coverUnit = ColumnUnit(cell);
                return true;
            }
        }
        return false;
    });
}

bool FindBugPlusOne(const TechniqueBoard& board, TechniqueStep& step)
{
    if (!board.KnownUnique())
        return false;
    int extra = -1;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int count = CountNine(board.Candidates(cell));
        if (!board.IsEmpty(cell) || count == 2)
            continue;
        if (count != 3 || extra != -1)
            return false;
        extra = cell;
    }
    if (extra == -1)
        return false;
    for (unsigned held = board.Candidates(extra); held != 0; held &= held - 1) {
        const int digit = std::countr_zero(held) + 1;
        // Without this candidate, every digit would have two places or none in every unit.
        bool grave = true;
        for (int unit = 0; unit < kUnitCount && grave; ++unit) {
            const bool holdsExtra = unit == RowUnit(extra) || unit == ColumnUnit(extra) || unit == BoxUnit(extra);
            for (int other = 1; other <= 9 && grave; ++other) {
                const int places = CountNine(board.Places(unit, other)) - (holdsExtra && other == digit ? 1 : 0);
                grave = places == 0 || places == 2;
            }
        }
        if (grave) {
            step.cells = {extra};
            step.digits = board.Candidates(extra);
            step.placed = {{extra, digit}};
            return true;
        }
    }
    return false;
}

namespace {

// Type 1: "all but (t) nothing else; were (t) to take a or b, ... so both are removed from (t)."
void WriteType1(std::string& out, const std::string& swap, const std::string& a, const std::string& b, int target)
{
    out += "all but ";
    AppendCell(out, target);
    out += " nothing else; were ";
    AppendCell(out, target);
    out += " to take " + a + " or " + b + swap + ", so both are removed from ";
    AppendCell(out, target);
    out += '.';
}

// Hidden: the corner opposite the target holds only the two digits; the target's row and column
// hold the kept digit only in the rectangle.
void WriteHidden(std::string& out, const TechniqueStep& step, const std::vector<int>& corners, const std::string& a,
                 const std::string& b, const std::string& kept)
{
    const int target = step.removed.front().cell;
    const int removedDigit = step.removed.front().digit;
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
    AppendUnit(out, step.baseUnit);
    out += " and in ";
    AppendUnit(out, step.coverUnit);
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
}

}  // namespace

// The rectangle, what breaks its deadly pattern and what that removes.
void WriteUniqueRectangle(std::string& out, const TechniqueStep& step)
{
    const std::string a = std::to_string(std::countr_zero(step.digits) + 1);
    const std::string b = std::to_string(32 - std::countl_zero(step.digits));
    const std::string swap = ", the four cells would let " + a + " and " + b + " swap, and the puzzle has one solution";
    const int removedDigit = step.removed.front().digit;
    const std::string kept = std::to_string(std::countr_zero(step.digits & ~(1u << (removedDigit - 1))) + 1);
    const std::vector<int> noCells;
    const std::vector<int>& roof = step.sets.empty() ? noCells : step.sets[0];
    const std::vector<int>& subset = step.sets.size() > 1 ? step.sets[1] : noCells;
    std::vector<int> corners;
    std::vector<int> floor;
    for (const int cell : step.cells) {
        if (std::ranges::count(subset, cell) != 0)
            continue;
        corners.push_back(cell);
        if (std::ranges::count(roof, cell) == 0)
            floor.push_back(cell);
    }
    AppendCells(out, corners);
    out += ", in two rows, two columns and two squares, all hold digits " + a + " and " + b + ", and ";
    if (step.technique == Technique::UniqueRectangleType1) {
        WriteType1(out, swap, a, b, step.removed.front().cell);
        return;
    }
    if (step.technique == Technique::HiddenUniqueRectangle) {
        WriteHidden(out, step, corners, a, b, kept);
        return;
    }
    AppendCells(out, floor);
    if (step.technique == Technique::UniqueRectangleType4) {
        out += " nothing else; in ";
        AppendUnit(out, step.baseUnit);
        out += " digit " + kept + " goes only in ";
        AppendCells(out, roof);
        out += ", so one of them holds it, and were the other to take " + std::to_string(removedDigit) + swap
            + ", so digit " + std::to_string(removedDigit) + " is removed from ";
        AppendCells(out, roof);
        out += '.';
        return;
    }
    out += " nothing else; were neither ";
    AppendCell(out, roof[0]);
    out += " nor ";
    AppendCell(out, roof[1]);
    if (step.technique == Technique::UniqueRectangleType2) {
        out += " to take their other digit " + std::to_string(removedDigit) + swap;
        AppendEitherEnd(out, roof, removedDigit, step.removed);
        return;
    }
    const unsigned others = DigitsIn(step.candidates, roof) & ~step.digits;
    out += std::popcount(others) == 1 ? " to take their other " : " to take one of their other ";
    AppendDigits(out, others);
    out += swap + ", so one of them does, and with ";
    AppendCells(out, subset);
    out += " they hold a naked subset of ";
    AppendDigits(out, DigitsIn(step.candidates, step.cells) & ~step.digits);
    out += " in ";
    AppendUnit(out, step.baseUnit);
    out += ", which leave the unit's other cells: ";
    AppendRemovals(out, step.removed);
    out += '.';
}

void WriteBugPlusOne(std::string& out, const TechniqueStep& step)
{
    const CellDigit placed = step.placed.front();
    out += "every empty cell but ";
    AppendCell(out, placed.cell);
    out += " holds two candidates, and every digit has two places or none in each row, column and square but digit "
        + std::to_string(placed.digit) + ", which has three in those of ";
    AppendCell(out, placed.cell);
    out += "; without it the board would have no solution or more than one, and the puzzle has one solution, so ";
    AppendCell(out, placed.cell);
    out += " holds digit " + std::to_string(placed.digit) + '.';
}

}  // namespace technique
