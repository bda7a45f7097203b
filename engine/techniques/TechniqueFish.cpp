#include "TechniqueFinders.h"
#include "TechniqueSentences.h"
#include "TechniqueSets.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace technique {

namespace {

// Every digit's places in every row (base 0: a place is a column) and every column (base 1: a
// place is a row), as Places gives them, from one pass over the cells.
struct LinePlaces {
    unsigned masks[2][9][9] = {};  // [base][digit - 1][line]

    explicit LinePlaces(const TechniqueBoard& board)
    {
        for (int cell = 0; cell < kCellCount; ++cell) {
            for (unsigned held = board.Candidates(cell); held != 0; held &= held - 1) {
                const int digit = std::countr_zero(held);
                masks[0][digit][cell / 9] |= 1u << (cell % 9);
                masks[1][digit][cell % 9] |= 1u << (cell / 9);
            }
        }
    }

    unsigned Of(int firstBase, int line, int digit) const { return masks[firstBase == 0 ? 0 : 1][digit - 1][line]; }
};

}  // namespace

bool FindFish(const TechniqueBoard& board, int size, TechniqueStep& step)
{
    const LinePlaces linePlaces(board);
    // Base lines rows (cover columns), then base lines columns (cover rows).
    for (const int firstBase : {0, 9}) {
        const int firstCover = 9 - firstBase;
        for (int digit = 1; digit <= 9; ++digit) {
            unsigned places[9];
            for (int line = 0; line < 9; ++line)
                places[line] = Eligible(linePlaces.Of(firstBase, line, digit), size);
            const bool found = ForEachClosedSet(places, size, [&](unsigned lines, unsigned covers) {
                // Place `line` of a cover unit is the cell on base line `line`.
                std::vector<CellDigit> removed;
                std::vector<int> pattern;
                for (int cover = 0; cover < 9; ++cover) {
                    if (!(covers >> cover & 1u))
                        continue;
                    const std::array<int, 9>& cells = UnitCells(firstCover + cover);
                    for (int line = 0; line < 9; ++line) {
                        const int cell = cells[static_cast<std::size_t>(line)];
                        if (!(board.Candidates(cell) >> (digit - 1) & 1u))
                            continue;
                        if (lines >> line & 1u)
                            pattern.push_back(cell);
                        else
                            removed.push_back({cell, digit});
                    }
                }
                if (removed.empty())
                    return false;
                std::sort(pattern.begin(), pattern.end());
                std::sort(removed.begin(), removed.end(),
                          [](const CellDigit& a, const CellDigit& b) { return a.cell < b.cell; });
                step.baseUnit = firstBase + std::countr_zero(lines);
                step.coverUnit = firstCover + std::countr_zero(covers);
                step.cells = std::move(pattern);
                step.digits = 1u << (digit - 1);
                step.removed = std::move(removed);
                return true;
            });
            if (found)
                return true;
        }
    }
    return false;
}

namespace {

// Calls found(lines, all) for every set of `size` of the nine lines marked in `eligible` whose
// places (`all`, their union) fit a finned fish: the `size` cover lines and at most two more, in
// order, until it returns true. (A fin stack without a cover line would remove nothing.)
template <class Found>
bool ForEachLineSet(const unsigned (&places)[9], unsigned eligible, int size, unsigned chosen, int count, unsigned all,
                    int from, Found& found)
{
    if (CountNine(all) > size + 2)
        return false;
    if (count == size)
        return found(chosen, all);
    for (int line = from; line < 9; ++line) {
        if ((eligible >> line & 1u)
            && ForEachLineSet(places, eligible, size, chosen | 1u << line, count + 1, all | places[line], line + 1, found))
            return true;
    }
    return false;
}

// The base lines' places outside `covers` are the fins, in the stack `stackMask`; true when they
// lie in one square, the fish is of the kind asked for (sashimi: a base line holds just one place
// in the covers) and the cover cells of that square outside the base lines lose the digit.
bool FinnedStep(const TechniqueBoard& board, const unsigned (&places)[9], unsigned lines, unsigned covers,
                unsigned stackMask, int firstBase, int firstCover, int digit, bool sashimi, TechniqueStep& step)
{
    int band = -1;
    bool thin = false;
    for (int line = 0; line < 9; ++line) {
        if (!(lines >> line & 1u))
            continue;
        const int inCovers = CountNine(places[line] & covers);
        if (inCovers == 0)
            return false;
        thin = thin || inCovers == 1;
        if (places[line] & ~covers) {
            if (band != -1 && band != line / 3)
                return false;
            band = line / 3;
        }
    }
    if (band == -1 || thin != sashimi)
        return false;
    const int stack = std::countr_zero(stackMask) / 3;
    std::vector<CellDigit> removed;
    for (int position = stack * 3; position < stack * 3 + 3; ++position) {
        if (!(covers >> position & 1u))
            continue;
        for (int line = band * 3; line < band * 3 + 3; ++line) {
            const int cell = UnitCells(firstCover + position)[static_cast<std::size_t>(line)];
            if (!(lines >> line & 1u) && (board.Candidates(cell) >> (digit - 1) & 1u))
                removed.push_back({cell, digit});
        }
    }
    if (removed.empty())
        return false;
    step.cells.clear();
    step.fins.clear();
    for (int line = 0; line < 9; ++line) {
        for (int position = 0; position < 9; ++position) {
            if (!(lines >> line & 1u) || !(places[line] >> position & 1u))
                continue;
            const int cell = UnitCells(firstBase + line)[static_cast<std::size_t>(position)];
            step.cells.push_back(cell);
            if (!(covers >> position & 1u))
                step.fins.push_back(cell);
        }
    }
    std::sort(step.cells.begin(), step.cells.end());
    std::sort(step.fins.begin(), step.fins.end());
    std::sort(removed.begin(), removed.end(), [](const CellDigit& a, const CellDigit& b) { return a.cell < b.cell; });
    step.baseUnit = firstBase + std::countr_zero(lines);
    step.coverUnit = firstCover + std::countr_zero(covers);
    step.digits = 1u << (digit - 1);
    step.removed = std::move(removed);
    return true;
}

}  // namespace

bool FindFinnedFish(const TechniqueBoard& board, int size, bool sashimi, TechniqueStep& step)
{
    const LinePlaces linePlaces(board);
    for (const int firstBase : {0, 9}) {
        const int firstCover = 9 - firstBase;
        for (int digit = 1; digit <= 9; ++digit) {
            unsigned places[9];
            unsigned eligible = 0;
            for (int line = 0; line < 9; ++line) {
                places[line] = linePlaces.Of(firstBase, line, digit);
                if (places[line] != 0 && CountNine(places[line]) <= size + 2)
                    eligible |= 1u << line;
            }
            auto tryLines = [&](unsigned lines, unsigned all) {
                if (CountNine(all) <= size)
                    return false;  // no fin: a plain fish
                // The fins lie in one square: their places in one stack of three, their lines in one
                // band; at least one cover line crosses that stack, or nothing is removed.
                for (int stack = 0; stack < 3; ++stack) {
                    const unsigned stackMask = 7u << (stack * 3);
                    const unsigned outside = all & ~stackMask;  // places off the fins' stack: all covered
                    if (CountNine(outside) >= size)
                        continue;
                    for (unsigned inStack = all & stackMask; inStack != 0; inStack = (inStack - 1) & (all & stackMask)) {
                        if (CountNine(outside | inStack) == size
                            && FinnedStep(board, places, lines, outside | inStack, stackMask, firstBase, firstCover,
                                          digit, sashimi, step))
                            return true;
                    }
                }
                return false;
            };
            if (ForEachLineSet(places, eligible, size, 0u, 0, 0u, 0, tryLines))
                return true;
        }
    }
    return false;
}

namespace {

// "in rows y=1 and y=5, digit 4 can go only in the 2 columns x=2 and x=7": the base lines the
// pattern's cells lie in and the cover lines of `covered`.
void AppendBaseAndCover(std::string& out, const TechniqueStep& step, const std::vector<int>& covered)
{
    const bool rowBase = step.baseUnit < 9;
    std::string bases;
    const int size = AppendLines(bases, step.cells, rowBase);
    out += "in " + bases + ", ";
    AppendDigits(out, step.digits);
    out += " can go only in the " + std::to_string(size) + ' ';
    AppendLines(out, covered, !rowBase);
}

}  // namespace

void WriteFish(std::string& out, const TechniqueStep& step)
{
    AppendBaseAndCover(out, step, step.cells);
    out += ", so it is removed from the rest of those " + std::string(step.baseUnit < 9 ? "columns: " : "rows: ");
    AppendRemovals(out, step.removed);
    out += '.';
}

void WriteFinnedFish(std::string& out, const TechniqueStep& step)
{
    std::vector<int> covered;
    std::ranges::copy_if(step.cells, std::back_inserter(covered), [&](int cell) { return std::ranges::count(step.fins, cell) == 0; });
    AppendBaseAndCover(out, step, covered);
    out += step.fins.size() > 1 ? " and the fins " : " and the fin ";
    AppendCells(out, step.fins);
    out += "; whether or not a fin holds it, it is removed from those "
        + std::string(step.baseUnit < 9 ? "columns" : "rows") + " within ";
    AppendUnit(out, BoxUnit(step.fins.front()));
    out += ": ";
    AppendRemovals(out, step.removed);
    out += '.';
}

}  // namespace technique
