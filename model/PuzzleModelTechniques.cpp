// The model's side of the technique finder: the technique path explained at Set Su Doku, and the
// hint that shows a step of it on the board as shown, in three presses.
#include "PuzzleModel.h"

#include <algorithm>

void PuzzleModel::Hint()
{
    const ChangeScope change(*this);
    if (!IsEnabled(Command::Hint))
        return;
    switch (m_hintStage) {
    case HintStage::None: {
        // The board the replay stands at, with the marks of the hint instead of the step's.
        ShowReplay(StepPosition());
        if ((m_wrongHint = FirstWrongOwnCell())) {
            m_wrong.set(static_cast<std::size_t>(m_wrongHint->cell));
            return;
        }
        m_hintBoard = ShownTechniqueBoard();
        m_hintStep = HintStep(m_hintBoard, m_boardSolved.Values());
        m_look = LookOf(m_hintStep, m_hintBoard);
        const StepPicture picture = PatternPicture(m_hintStep, m_look, m_hintBoard);
        m_marks = picture.marks;
        m_highlights = picture.highlights;
        m_chain = picture.chain;
        m_hintStage = HintStage::Pattern;
        return;
    }
    case HintStage::Pattern: {
        const StepPicture picture = EffectPicture(m_hintStep, m_hintBoard);
        m_marks = picture.marks;
        m_highlights = picture.highlights;
        m_chain = picture.chain;
        m_stepText = TechniqueSentence(m_hintStep);
        m_hintStage = HintStage::Effect;
        return;
    }
    case HintStage::Effect:
        for (const CellDigit& removal : m_hintStep.removed)
            m_struck[static_cast<std::size_t>(removal.cell)] |= static_cast<std::uint16_t>(1u << (removal.digit - 1));
        m_marks.fill(CellMark::None);
        for (const CellDigit& placement : m_hintStep.placed) {
            m_revealed.set(static_cast<std::size_t>(placement.cell));
            m_marks[static_cast<std::size_t>(placement.cell)] = CellMark::StepCell;
        }
        ShowRevealed();
        m_highlights = CandidateHighlights();
        m_chain = ChainPicture();
        m_hintStage = HintStage::None;
        return;
    }
}

technique::TechniqueBoard PuzzleModel::ShownTechniqueBoard() const
{
    technique::TechniqueBoard board(ShownPuzzle());
    board.SetKnownUnique(m_solve.solutionCount == 1);
    const CandidateMasks shown = ComputedCandidates();
    for (int cell = 0; cell < kCellCount; ++cell) {
        // The candidates the board would have that the cell no longer shows; the person's own
        // marks, where a cell has any, narrow them further.
        const unsigned marks = m_ownDigitsOn ? m_own.marks[static_cast<std::size_t>(cell)] : 0u;
        const unsigned kept = shown[static_cast<std::size_t>(cell)] & (marks != 0 ? marks : 0x1FFu);
        const unsigned gone = board.IsEmpty(cell) ? board.Candidates(cell) & ~kept : 0;
        for (int digit = 1; digit <= 9; ++digit) {
            if (gone >> (digit - 1) & 1u)
                board.Remove(cell, digit);
        }
    }
    return board;
}

bool PuzzleModel::HasEmptyCell() const
{
    return std::any_of(m_shown.begin(), m_shown.end(), [](const ShownCell& cell) { return cell.text.empty(); });
}

void PuzzleModel::ExplainTechniques(const Puzzle& puzzle)
{
    const technique::Explanation explanation = technique::ExplainPuzzle(puzzle);
    m_techniqueReplay.Start(puzzle, explanation);
    m_techniqueLines.clear();
    m_techniqueRating.reset();
    for (const TechniqueStep& step : explanation.steps)
        m_techniqueLines.push_back({step.difficulty, TechniqueSentence(step)});
    if (!explanation.explained || !explanation.hardest)
        return;
    // The technique of the hardest step, also where a guess comes after it.
    const std::vector<TechniqueStep>& steps = explanation.steps;
    const auto hardest = std::find_if(steps.begin(), steps.end(), [&](const TechniqueStep& step) {
        return step.technique != Technique::Guess && step.difficulty == explanation.difficulty;
    });
    m_techniqueRating = TechniqueRating{explanation.difficulty,
                                        hardest == steps.end() ? "" : TechniqueName(hardest->technique),
                                        *explanation.hardest == Technique::Guess};
}
