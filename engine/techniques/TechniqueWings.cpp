#include "TechniqueFinders.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

int LowestDigit(unsigned digits)
{
    return std::countr_zero(digits) + 1;
}

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
    step.unit = unit;
    step.cells = std::move(pattern);
    step.digits = digits;
    step.removed = std::move(removed);
    return true;
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
                if (SetStep(std::move(removed), {pivot, a, b}, all, -1, step))
                    return true;
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
                        // Rated as the chain it is: y=x in one cell, the link's x, x=y in the other.
                        step.difficulty = ChainDifficulty(7.0, 5);
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

}  // namespace technique
