#include "TechniqueFinders.h"
#include "TechniqueSentences.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace technique {

namespace {

std::vector<int> BivalueCells(const TechniqueBoard& board)
{
    std::vector<int> cells;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (std::popcount(board.Candidates(cell)) == 2)
            cells.push_back(cell);
    }
    return cells;
}

bool SetStep(std::vector<CellDigit> removed, std::vector<int> pattern, unsigned digits, int unit, TechniqueStep& step)
{
    if (removed.empty())
        return false;
    std::sort(pattern.begin(), pattern.end());
    step.baseUnit = unit;
    step.cells = std::move(pattern);
    step.digits = digits;
    step.removed = std::move(removed);
    return true;
}

// The wing's cells one of which holds z, ascending: the pincers, and for an XYZ-Wing its pivot.
std::vector<int> WingEnds(int pivot, int a, int b, bool withPivot)
{
    std::vector<int> ends = {a, b};
    if (withPivot)
        ends.push_back(pivot);
    std::sort(ends.begin(), ends.end());
    return ends;
}

// A pivot with `pivotSize` candidates and two pincers it sees, two candidates each, sharing one
// digit z: an XY-Wing's pivot holds the pincers' other digits, an XYZ-Wing's those and z. z goes
// from the cells that see both pincers, and for an XYZ-Wing the pivot as well.
bool FindWing(const TechniqueBoard& board, int pivotSize, TechniqueStep& step)
{
    const std::vector<int> pairs = BivalueCells(board);
    for (int pivot = 0; pivot < kCellCount; ++pivot) {
        const unsigned pivotDigits = board.Candidates(pivot);
        if (std::popcount(pivotDigits) != pivotSize)
            continue;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const int a = pairs[i];
            const unsigned aDigits = board.Candidates(a);
            if (a == pivot || !SharesUnit(pivot, a))
                continue;
            for (std::size_t j = i + 1; j < pairs.size(); ++j) {
                const int b = pairs[j];
                const unsigned bDigits = board.Candidates(b);
                if (b == pivot || !SharesUnit(pivot, b) || SharesUnit(a, b))
                    continue;
                const unsigned z = aDigits & bDigits;
                if (std::popcount(z) != 1)
                    continue;
                // XY: the pivot holds the pincers' other digits, not z; XYZ: all three.
                const unsigned all = aDigits | bDigits;
                const bool fits = pivotSize == 2 ? pivotDigits == (all & ~z) : pivotDigits == all;
                if (!fits)
                    continue;
                const int digit = LowestDigit(z);
                std::vector<CellDigit> removed = pivotSize == 2 ? RemovalsSeeingAll(board, digit, {a, b})
                                                                : RemovalsSeeingAll(board, digit, {a, b, pivot});
                if (SetStep(std::move(removed), {pivot, a, b}, all, -1, step)) {
                    step.pivot = pivot;
                    step.ends = WingEnds(pivot, a, b, pivotSize == 3);
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

bool FindXYWing(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindWing(board, 2, step);
}

bool FindXYZWing(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindWing(board, 3, step);
}

bool FindWWing(const TechniqueBoard& board, TechniqueStep& step)
{
    const std::vector<int> pairs = BivalueCells(board);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int a = pairs[i];
        const unsigned digits = board.Candidates(a);
        for (std::size_t j = i + 1; j < pairs.size(); ++j) {
            const int b = pairs[j];
            if (board.Candidates(b) != digits || SharesUnit(a, b))
                continue;
            // x is the linked digit, y the one removed.
            for (const unsigned x : {digits & (0u - digits), digits & (digits - 1)}) {
                const int linked = LowestDigit(x);
                const int removedDigit = LowestDigit(digits & ~x);
                for (int unit = 0; unit < kUnitCount; ++unit) {
                    const unsigned places = board.Places(unit, linked);
                    if (std::popcount(places) != 2)
                        continue;
                    const std::array<int, 9>& cells = UnitCells(unit);
                    const int first = cells[static_cast<std::size_t>(std::countr_zero(places))];
                    const int second = cells[static_cast<std::size_t>(31 - std::countl_zero(places))];
                    // Neither end is a or b (they hold x, so they would be the ends), each sees one.
                    if (first == a || first == b || second == a || second == b)
                        continue;
                    const bool linksThem = (SharesUnit(first, a) && SharesUnit(second, b))
                        || (SharesUnit(first, b) && SharesUnit(second, a));
                    if (linksThem
                        && SetStep(RemovalsSeeingAll(board, removedDigit, {a, b}), {a, b, first, second}, digits, unit, step)) {
                        step.ends = {a, b};
                        step.inner = {first, second};
                        // Rated as the chain it is: y=x in one cell, the link's x, x=y in the other.
                        step.difficulty = ChainDifficulty(RatingBase(Technique::WWing), 5);
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

namespace {

// "the pivot (p) with digits 1 and 2 sees (a) and (b), each holding digit 3 and one of the pivot's other digits".
void WritePivot(std::string& out, const TechniqueStep& step, unsigned pivotDigits)
{
    const int z = step.removed.front().digit;
    std::vector<int> pincers;
    std::ranges::copy_if(step.cells, std::back_inserter(pincers), [&](int cell) { return cell != step.pivot; });
    out += "the pivot ";
    AppendCell(out, step.pivot);
    out += " with ";
    AppendDigits(out, pivotDigits);
    out += " sees ";
    AppendCells(out, pincers);
    out += ", each holding digit " + std::to_string(z) + " and one of the pivot's other digits";
    AppendEitherEnd(out, step.ends, z, step.removed);
}

}  // namespace

void WriteXYWing(std::string& out, const TechniqueStep& step)
{
    WritePivot(out, step, step.digits & ~(1u << (step.removed.front().digit - 1)));
}

void WriteXYZWing(std::string& out, const TechniqueStep& step)
{
    WritePivot(out, step, step.digits);
}

void WriteWWing(std::string& out, const TechniqueStep& step)
{
    const int y = step.removed.front().digit;
    AppendCells(out, step.ends);
    out += " both hold only ";
    AppendDigits(out, step.digits);
    out += ", and in ";
    AppendUnit(out, step.baseUnit);
    out += " digit " + std::to_string(LowestDigit(step.digits & ~(1u << (y - 1)))) + " goes only in ";
    AppendCells(out, step.inner);
    out += ", one seeing each";
    AppendEitherEnd(out, step.ends, y, step.removed);
}

}  // namespace technique
