#include "TechniqueFinders.h"
#include "TechniqueSentences.h"

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

// Two links, endA to innerA in `baseUnit` and innerB to endB, the inner places seeing each other
// (`coverUnit`: the unit each pattern reads them against): one of the ends holds the digit; true
// when that removes it somewhere.
bool TakeFromBothSeen(const TechniqueBoard& board, int digit, int endA, int innerA, int innerB, int endB,
                      int baseUnit, int coverUnit, TechniqueStep& step)
{
    std::vector<int> pattern = {endA, innerA, innerB, endB};
    std::vector<CellDigit> removed = RemovalsSeeingAll(board, digit, {endA, endB});
    std::erase_if(removed, [&](const CellDigit& removal) {
        return std::find(pattern.begin(), pattern.end(), removal.cell) != pattern.end();
    });
    if (removed.empty())
        return false;
    std::sort(pattern.begin(), pattern.end());
    step.baseUnit = baseUnit;
    step.coverUnit = coverUnit;
    step.cells = std::move(pattern);
    step.digits = 1u << (digit - 1);
    step.ends = {endA, endB};
    step.inner = {innerA, innerB};
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
                            if (TakeFromBothSeen(board, digit, aCells[1 - i], aCells[i], bCells[j], bCells[1 - j], a,
                                                 crossOf(aCells[i]), step))
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
                        if (TakeFromBothSeen(board, digit, rowCells[1 - i], rowLink, columnLink, columnCells[1 - j], row,
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
                        if (TakeFromBothSeen(board, digit, ends[0], inner[0], inner[1], ends[1], first.unit, second.unit,
                                             step))
                            return true;
                    }
                }
            }
        }
    }
    return false;
}

namespace {

// "digit 5 has only two places in <where>, and one place of each lies in <the cover unit>, so either ...".
void WriteTwoLinks(std::string& out, const TechniqueStep& step, const std::string& where)
{
    std::vector<int> ends = step.ends;
    std::sort(ends.begin(), ends.end());
    out += "digit " + std::to_string(LowestDigit(step.digits)) + " has only two places in " + where;
    out += ", and one place of each lies in ";
    AppendUnit(out, step.coverUnit);
    AppendEitherEnd(out, ends, LowestDigit(step.digits), step.removed);
}

}  // namespace

void WriteSkyscraper(std::string& out, const TechniqueStep& step)
{
    std::string where = "each of ";
    AppendLines(where, step.cells, step.baseUnit < 9);
    WriteTwoLinks(out, step, where);
}

void WriteTwoStringKite(std::string& out, const TechniqueStep& step)
{
    std::string where;
    AppendUnit(where, step.baseUnit);
    where += " and in ";
    AppendUnit(where, ColumnUnit(step.inner[1]));
    WriteTwoLinks(out, step, where);
}

void WriteTurbotFish(std::string& out, const TechniqueStep& step)
{
    const int digit = LowestDigit(step.digits);
    out += "digit " + std::to_string(digit) + " has only two places in ";
    AppendUnit(out, step.baseUnit);
    out += ", ";
    AppendCell(out, step.ends[0]);
    out += " and ";
    AppendCell(out, step.inner[0]);
    out += ", and in ";
    AppendUnit(out, step.coverUnit);
    out += ", ";
    AppendCell(out, step.inner[1]);
    out += " and ";
    AppendCell(out, step.ends[1]);
    out += ", and ";
    AppendCell(out, step.inner[0]);
    out += " sees ";
    AppendCell(out, step.inner[1]);
    AppendEitherEnd(out, step.ends, digit, step.removed);
}

}  // namespace technique
