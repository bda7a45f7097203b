#include "SolveReplay.h"

namespace {

constexpr std::uint16_t kAllDigits = 0x1FF;

std::uint16_t DigitBit(int digit)
{
    return static_cast<std::uint16_t>(1u << (digit - 1));
}

// The cells of the unit of the given kind (0 column, 1 row, otherwise square) through a cell.
const std::array<int, 9>& UnitCells(int unitKind, int cell)
{
    const int unit = unitKind == 0   ? technique::ColumnUnit(cell)
                     : unitKind == 1 ? technique::RowUnit(cell)
                                     : technique::BoxUnit(cell);
    return technique::UnitCells(unit);
}

void Place(Puzzle& digits, CandidateMasks& candidates, int cell, int digit)
{
    digits[cell] = digit;
    PlaceCandidate(candidates, cell, digit);
}

}  // namespace

void PlaceCandidate(CandidateMasks& candidates, int cell, int digit)
{
    for (const int unit : {technique::RowUnit(cell), technique::ColumnUnit(cell), technique::BoxUnit(cell)}) {
        for (const int peer : technique::UnitCells(unit))
            candidates[static_cast<std::size_t>(peer)] &= static_cast<std::uint16_t>(~DigitBit(digit));
    }
    candidates[static_cast<std::size_t>(cell)] = DigitBit(digit);
}

CandidateMasks PeerCandidates(const Puzzle& puzzle)
{
    CandidateMasks candidates;
    candidates.fill(kAllDigits);
    Puzzle placed;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (puzzle[cell] >= 1 && puzzle[cell] <= 9)
            Place(placed, candidates, cell, puzzle[cell]);
    }
    // A digit repeated in a unit rules itself out; the cell still shows what it holds.
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (puzzle[cell] >= 1 && puzzle[cell] <= 9)
            candidates[static_cast<std::size_t>(cell)] = DigitBit(puzzle[cell]);
    }
    return candidates;
}

CellMarks StepMarks(const StepRecord& step, const CandidateMasks& before)
{
    CellMarks marks;
    marks.fill(CellMark::None);
    const int cell = step.cell;
    if (step.kind == StepKind::HiddenSingle || step.kind == StepKind::DigitSet) {
        for (const int member : UnitCells(step.unitKind, cell)) {
            const bool inSet = step.kind == StepKind::DigitSet &&
                               (before[static_cast<std::size_t>(member)] & step.digitMask) != 0;
            marks[static_cast<std::size_t>(member)] = inSet ? CellMark::SetCell : CellMark::Unit;
        }
    }
    marks[static_cast<std::size_t>(cell)] = step.kind == StepKind::Guess ? CellMark::GuessCell : CellMark::StepCell;
    return marks;
}

CandidateHighlights StepHighlights(const StepRecord& step, const CandidateMasks& before)
{
    CandidateHighlights highlights;
    if (step.kind != StepKind::DigitSet)
        return highlights;
    const CellMarks marks = StepMarks(step, before);
    for (std::size_t cell = 0; cell < marks.size(); ++cell) {
        if (marks[cell] == CellMark::SetCell || marks[cell] == CellMark::StepCell)
            highlights.pattern[cell] = before[cell] & step.digitMask;
    }
    const auto stepCell = static_cast<std::size_t>(step.cell);
    highlights.removed[stepCell] = before[stepCell] & static_cast<std::uint16_t>(~step.digitMask);
    return highlights;
}

void SolveReplay::Start(const Puzzle& entered, std::span<const StepRecord> steps)
{
    StepReplay::Start(SolveBoard{entered, PeerCandidates(entered)}, steps, [](SolveBoard& board, const StepRecord& step) {
        if (step.kind == StepKind::DigitSet)
            board.candidates[static_cast<std::size_t>(step.cell)] &= step.digitMask;
        else
            Place(board.digits, board.candidates, step.cell, step.digit);
    });
    m_sentences.clear();
    AppendSentences(m_sentences, steps);
}

CellMarks SolveReplay::Marks() const
{
    if (const StepRecord* step = StepTaken())
        return StepMarks(*step, BoardBefore().candidates);
    CellMarks none;
    none.fill(CellMark::None);
    return none;
}

CandidateHighlights SolveReplay::Highlights() const
{
    if (const StepRecord* step = StepTaken())
        return StepHighlights(*step, BoardBefore().candidates);
    return CandidateHighlights{};
}

std::string SolveReplay::Sentence() const
{
    return Position() > 0 ? m_sentences[static_cast<std::size_t>(Position() - 1)] : std::string();
}
