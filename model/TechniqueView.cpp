#include "TechniqueView.h"

#include "Engine.h"

#include <algorithm>
#include <bit>

namespace {

using technique::BoxUnit;
using technique::ColumnUnit;
using technique::RowUnit;
using technique::TechniqueBoard;
using technique::UnitCells;

// More places than this are not read out one by one; the marks show them.
constexpr std::size_t kMostNames = 4;

std::uint16_t DigitBit(int digit)
{
    return static_cast<std::uint16_t>(1u << (digit - 1));
}

bool InUnit(int cell, int unit)
{
    return RowUnit(cell) == unit || ColumnUnit(cell) == unit || BoxUnit(cell) == unit;
}

bool Contains(const std::vector<int>& cells, int cell)
{
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

bool IsPlaced(const TechniqueStep& step, int cell)
{
    return std::any_of(step.placed.begin(), step.placed.end(), [cell](const CellDigit& p) { return p.cell == cell; });
}

std::vector<int> CellsOf(std::vector<int> cells, const std::vector<CellDigit>& candidates)
{
    for (const CellDigit& candidate : candidates)
        cells.push_back(candidate.cell);
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

// The step's cells and the cells of its candidates, ascending.
std::vector<int> PatternCells(const TechniqueStep& step)
{
    return CellsOf(step.cells, step.candidates);
}

// Where to look first, ascending: a chain's ends, any other step's whole pattern.
std::vector<int> LookCells(const TechniqueStep& step)
{
    return step.chains.empty() ? PatternCells(step) : CellsOf({}, ChainEnds(step));
}

// The step's digits and those of its candidates (a chain's ends only).
unsigned LookDigits(const TechniqueStep& step)
{
    unsigned digits = step.chains.empty() ? step.digits : 0u;
    for (const CellDigit& candidate : step.chains.empty() ? step.candidates : ChainEnds(step))
        digits |= DigitBit(candidate.digit);
    return digits;
}

// Whether every place the digits have in the unit is one of the pattern's cells.
bool IsStrongSet(const TechniqueBoard& board, int unit, unsigned digits, const std::vector<int>& pattern)
{
    for (int digit = 1; digit <= 9; ++digit) {
        if ((digits & DigitBit(digit)) == 0)
            continue;
        for (unsigned places = board.Places(unit, digit); places != 0; places &= places - 1) {
            if (!Contains(pattern, UnitCells(unit)[static_cast<std::size_t>(std::countr_zero(places))]))
                return false;
        }
    }
    return true;
}

int UncoveredIn(int unit, const std::vector<int>& pattern, const std::vector<bool>& covered)
{
    int count = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        count += !covered[i] && InUnit(pattern[i], unit);
    return count;
}

// The units that name the pattern: the step's own unit, then, greedily, the strong set covering the
// most cells not yet covered (at least two, else the cell is named itself), units of the step's own
// kind first where that is a tie.
std::vector<int> NamedUnits(const TechniqueStep& step, const TechniqueBoard& board, unsigned digits,
                            const std::vector<int>& pattern, std::vector<bool>& covered)
{
    std::vector<int> units;
    const auto take = [&](int unit) {
        units.push_back(unit);
        for (std::size_t i = 0; i < pattern.size(); ++i)
            covered[i] = covered[i] || InUnit(pattern[i], unit);
    };
    if (step.baseUnit >= 0)
        take(step.baseUnit);
    const int firstKind = step.baseUnit >= 0 ? step.baseUnit / 9 : 0;
    for (;;) {
        int best = -1;
        int bestCount = 1;
        for (int k = 0; k < 3; ++k) {
            const int kind = (firstKind + k) % 3;
            for (int unit = kind * 9; unit < kind * 9 + 9; ++unit) {
                const int count = UncoveredIn(unit, pattern, covered);
                if (count > bestCount && IsStrongSet(board, unit, digits, pattern)) {
                    best = unit;
                    bestCount = count;
                }
            }
        }
        if (best < 0)
            return units;
        take(best);
    }
}

void Mark(StepPicture& picture, int cell, CellMark mark)
{
    picture.marks[static_cast<std::size_t>(cell)] = mark;
}

// The pattern's candidates: those the step lists, else its digits in its cells; none in a cell the
// step gives a digit, which would tell the answer.
void HighlightPattern(StepPicture& picture, const TechniqueStep& step, const TechniqueBoard& board)
{
    if (!step.candidates.empty()) {
        for (const CellDigit& candidate : step.candidates)
            picture.highlights.pattern[static_cast<std::size_t>(candidate.cell)] |= DigitBit(candidate.digit);
        return;
    }
    for (const int cell : step.cells) {
        if (!IsPlaced(step, cell))
            picture.highlights.pattern[static_cast<std::size_t>(cell)] =
                static_cast<std::uint16_t>(board.Candidates(cell) & step.digits);
    }
}

void MarkUnit(StepPicture& picture, int unit)
{
    for (const int cell : UnitCells(unit))
        Mark(picture, cell, CellMark::Unit);
}

}  // namespace

std::optional<TechniqueStep> HintStep(const TechniqueBoard& board, const std::optional<Puzzle>& solution)
{
    TechniqueStep step;
    if (technique::FindEasiestStep(board, step))
        return step;
    if (!solution)
        return std::nullopt;
    int digits[kCellCount];
    std::copy(solution->cells.begin(), solution->cells.end(), digits);
    return technique::GuessStep(board, digits);
}

TechniqueLook LookOf(const TechniqueStep& step, const TechniqueBoard& board)
{
    TechniqueLook look;
    look.technique = TechniqueName(step.technique);
    if (step.technique == Technique::Guess) {
        look.guess = true;
        look.cells = step.cells;
        return look;
    }
    const std::vector<int> pattern = LookCells(step);
    const unsigned digits = LookDigits(step);
    std::vector<bool> covered(pattern.size(), false);
    for (const int unit : NamedUnits(step, board, digits, pattern, covered)) {
        std::vector<int>& names = unit < 9 ? look.rows : unit < 18 ? look.columns : look.squares;
        names.push_back(unit < 18 ? unit % 9 + 1 : unit - 18);
    }
    for (std::vector<int>* names : {&look.rows, &look.columns, &look.squares})
        std::sort(names->begin(), names->end());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!covered[i])
            look.cells.push_back(pattern[i]);
    }
    // A step that only places a digit: its unit or cell, not the digit it gives.
    look.digits = step.removed.empty() && !step.placed.empty() ? 0 : digits;
    if (look.rows.size() + look.columns.size() + look.squares.size() + look.cells.size() > kMostNames) {
        look.rows.clear();
        look.columns.clear();
        look.squares.clear();
        look.cells.clear();
        look.markedCells = static_cast<int>(pattern.size());
    }
    return look;
}

StepPicture PatternPicture(const TechniqueStep& step, const TechniqueLook& look, const TechniqueBoard& board)
{
    StepPicture picture;
    for (const int row : look.rows)
        MarkUnit(picture, row - 1);
    for (const int column : look.columns)
        MarkUnit(picture, 8 + column);
    for (const int square : look.squares)
        MarkUnit(picture, 18 + square);
    for (const int cell : LookCells(step)) {
        if (!IsPlaced(step, cell))
            Mark(picture, cell, CellMark::SetCell);
    }
    for (const int cell : look.cells)
        Mark(picture, cell, look.guess ? CellMark::GuessCell : CellMark::SetCell);
    if (!step.chains.empty()) {
        for (const CellDigit& end : ChainEnds(step)) {
            if (!IsPlaced(step, end.cell))
                picture.highlights.pattern[static_cast<std::size_t>(end.cell)] |= DigitBit(end.digit);
        }
        picture.chain = ChainPictureOf(step, false);
    } else if (!look.guess) {
        HighlightPattern(picture, step, board);
    }
    return picture;
}

StepPicture EffectPicture(const TechniqueStep& step, const TechniqueBoard& board)
{
    StepPicture picture;
    if (step.baseUnit >= 0 && step.removed.empty())
        MarkUnit(picture, step.baseUnit);
    picture.chain = ChainPictureOf(step, true);
    // A chain's links show its way, which marks on all its cells would only hide.
    if (step.chains.empty()) {
        for (const int cell : PatternCells(step))
            Mark(picture, cell, CellMark::SetCell);
    }
    for (const ChainStart& start : picture.chain.starts)
        Mark(picture, start.candidate.cell, CellMark::SetCell);
    const CellMark placedMark = step.technique == Technique::Guess ? CellMark::GuessCell : CellMark::StepCell;
    for (const CellDigit& placed : step.placed) {
        Mark(picture, placed.cell, placedMark);
        picture.highlights.placed[static_cast<std::size_t>(placed.cell)] |= DigitBit(placed.digit);
    }
    if (step.technique != Technique::Guess)
        HighlightPattern(picture, step, board);
    for (const CellDigit& removed : step.removed)
        picture.highlights.removed[static_cast<std::size_t>(removed.cell)] |= DigitBit(removed.digit);
    return picture;
}

CandidateMasks CandidatesOf(const TechniqueBoard& board)
{
    CandidateMasks candidates{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        candidates[static_cast<std::size_t>(cell)] = board.IsEmpty(cell)
            ? static_cast<std::uint16_t>(board.Candidates(cell))
            : DigitBit(board.Value(cell));
    }
    return candidates;
}

Puzzle DigitsOf(const TechniqueBoard& board)
{
    Puzzle digits;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!board.IsEmpty(cell))
            digits[cell] = board.Value(cell);
    }
    return digits;
}
