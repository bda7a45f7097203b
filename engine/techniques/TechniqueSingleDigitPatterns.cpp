#include "TechniqueFinders.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

// The two cells of the unit where the digit has exactly two places; false otherwise.
bool TwoPlaces(const TechniqueBoard& board, int unit, int digit, int (&cells)[2])
{
    const unsigned places = board.Places(unit, digit);
    if (std::popcount(places) != 2)
        return false;
    const std::array<int, 9>& unitCells = UnitCells(unit);
    cells[0] = unitCells[static_cast<std::size_t>(std::countr_zero(places))];
    cells[1] = unitCells[static_cast<std::size_t>(31 - std::countl_zero(places))];
    return true;
}

// One of `endA` and `endB` holds the digit; true when that removes it somewhere.
bool TakeFromBothSeen(const TechniqueBoard& board, int digit, int endA, int endB, std::vector<int> pattern,
                      int unit, int crossUnit, TechniqueStep& step)
{
    std::vector<CellDigit> removed = RemovalsSeeingAll(board, digit, {endA, endB});
    std::erase_if(removed, [&](const CellDigit& removal) {
        return std::find(pattern.begin(), pattern.end(), removal.cell) != pattern.end();
    });
    if (removed.empty())
        return false;
    std::sort(pattern.begin(), pattern.end());
    step.unit = unit;
    step.crossUnit = crossUnit;
    step.cells = std::move(pattern);
    step.digits = 1u << (digit - 1);
    step.removed = std::move(removed);
    return true;
}

}  // namespace

bool FindSkyscraper(const TechniqueBoard& board, TechniqueStep& step)
{
    // Towers on rows standing in a column, then on columns standing in a row.
    for (const int firstBase : {0, 9}) {
        for (int digit = 1; digit <= 9; ++digit) {
            for (int a = firstBase; a < firstBase + 9; ++a) {
                int aCells[2];
                if (!TwoPlaces(board, a, digit, aCells))
                    continue;
                for (int b = a + 1; b < firstBase + 9; ++b) {
                    int bCells[2];
                    if (!TwoPlaces(board, b, digit, bCells))
                        continue;
                    // The other orientation's line of a cell: its column for rows, its row for columns.
                    const auto crossOf = [&](int cell) { return firstBase == 0 ? ColumnUnit(cell) : RowUnit(cell); };
                    for (int i = 0; i < 2; ++i) {
                        for (int j = 0; j < 2; ++j) {
                            if (crossOf(aCells[i]) != crossOf(bCells[j]) || crossOf(aCells[1 - i]) == crossOf(bCells[1 - j]))
                                continue;
                            if (TakeFromBothSeen(board, digit, aCells[1 - i], bCells[1 - j],
                                                 {aCells[0], aCells[1], bCells[0], bCells[1]}, a, crossOf(aCells[i]), step))
                                return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

bool FindTwoStringKite(const TechniqueBoard& board, TechniqueStep& step)
{
    for (int digit = 1; digit <= 9; ++digit) {
        for (int row = 0; row < 9; ++row) {
            int rowCells[2];
            if (!TwoPlaces(board, row, digit, rowCells) || BoxUnit(rowCells[0]) == BoxUnit(rowCells[1]))
                continue;
            for (int column = 9; column < 18; ++column) {
                int columnCells[2];
                if (!TwoPlaces(board, column, digit, columnCells) || BoxUnit(columnCells[0]) == BoxUnit(columnCells[1]))
                    continue;
                for (int i = 0; i < 2; ++i) {
                    for (int j = 0; j < 2; ++j) {
                        const int rowLink = rowCells[i];
                        const int columnLink = columnCells[j];
                        // Four different cells, the two links in one square.
                        if (BoxUnit(rowLink) != BoxUnit(columnLink) || rowLink == columnLink
                            || ColumnUnit(rowCells[1 - i]) == column || RowUnit(columnCells[1 - j]) == row)
                            continue;
                        if (TakeFromBothSeen(board, digit, rowCells[1 - i], columnCells[1 - j],
                                             {rowCells[0], rowCells[1], columnCells[0], columnCells[1]}, row,
                                             BoxUnit(rowLink), step))
                            return true;
                    }
                }
            }
        }
    }
    return false;
}

bool FindTurbotFish(const TechniqueBoard& board, TechniqueStep& step)
{
    struct Link {
        int unit;
        int cells[2];
    };
    for (int digit = 1; digit <= 9; ++digit) {
        std::vector<Link> links;
        for (int unit = 0; unit < kUnitCount; ++unit) {
            Link link{unit, {}};
            if (TwoPlaces(board, unit, digit, link.cells))
                links.push_back(link);
        }
        for (std::size_t i = 0; i < links.size(); ++i) {
            for (std::size_t j = i + 1; j < links.size(); ++j) {
                const Link& first = links[i];
                const Link& second = links[j];
                for (int b = 0; b < 2; ++b) {
                    for (int c = 0; c < 2; ++c) {
                        const int ends[2] = {first.cells[1 - b], second.cells[1 - c]};
                        const int inner[2] = {first.cells[b], second.cells[c]};
                        // Four different cells, the inner two seeing each other.
                        if (ends[0] == ends[1] || ends[0] == inner[1] || inner[0] == ends[1] || inner[0] == inner[1]
                            || !SharesUnit(inner[0], inner[1]))
                            continue;
                        if (TakeFromBothSeen(board, digit, ends[0], ends[1], {ends[0], inner[0], inner[1], ends[1]},
                                             first.unit, second.unit, step))
                            return true;
                    }
                }
            }
        }
    }
    return false;
}

}  // namespace technique
