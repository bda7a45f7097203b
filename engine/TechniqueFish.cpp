#include "TechniqueFinders.h"
#include "TechniqueSets.h"

#include <algorithm>

namespace technique {

bool FindFish(const TechniqueBoard& board, int size, TechniqueStep& step)
{
    // Base lines rows (cover columns), then base lines columns (cover rows).
    for (const int firstBase : {0, 9}) {
        const int firstCover = 9 - firstBase;
        for (int digit = 1; digit <= 9; ++digit) {
            unsigned places[9];
            for (int line = 0; line < 9; ++line)
                places[line] = Eligible(board.Places(firstBase + line, digit), size);
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
                step.unit = firstBase + std::countr_zero(lines);
                step.crossUnit = firstCover + std::countr_zero(covers);
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

}  // namespace technique
