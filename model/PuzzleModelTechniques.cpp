// The model's side of the technique finder: the technique path explained at Set Su Doku, and the
// hint that shows a step of it on the board as shown, in three presses; both worked out in the
// background once the owner takes finished work in.
#include "PuzzleModel.h"

#include <algorithm>
#include <utility>

void PuzzleModel::Hint()
{
    const ChangeScope change(*this);
    if (!IsEnabled(Command::Hint))
        return;
    switch (m_hintStage) {
    case HintStage::None: {
        // The board the replay stands at, with the marks of the hint instead of the step's.
        ShowReplay(StepPosition());
        if ((m_hintStop = OwnWorkFault())) {
            if (m_hintStop->cell >= 0)
                m_wrong.set(static_cast<std::size_t>(m_hintStop->cell));
            // Of two own digits that clash, either may be the one to change.
            if (const int other = m_hintStop->otherCell; other >= 0 && ShownOwnDigit(other) != Puzzle::kEmpty)
                m_wrong.set(static_cast<std::size_t>(other));
            return;
        }
        m_hintBoard = ShownTechniqueBoard();
        // Without one solution, a guess would take one of several: the hint shows only what the board proves.
        std::optional<Puzzle> solution;
        if (m_solve.solutionCount == 1)
            solution = m_boardSolved.Values();
        if (!m_workFinished) {
            ShowHintPattern(HintStep(m_hintBoard, solution));
            return;
        }
        m_hintStage = HintStage::Working;
        m_hintWork.Start(
            [board = m_hintBoard, solution](std::stop_token stop) mutable {
                board.SetStopToken(std::move(stop));
                return HintStep(board, solution);
            },
            m_workFinished);
        return;
    }
    case HintStage::Working:
        return;  // the hint comes with the finished work
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
            m_hintPlaced[placement.cell] = placement.digit;
            m_marks[static_cast<std::size_t>(placement.cell)] = CellMark::StepCell;
        }
        ShowRevealed();
        m_highlights = CandidateHighlights();
        m_chain = ChainPicture();
        m_hintStage = HintStage::None;
        return;
    }
}

void PuzzleModel::ShowHintPattern(const std::optional<TechniqueStep>& step)
{
    m_hintStage = HintStage::None;
    if (!step) {
        m_hintStop = HintStop{HintStop::Reason::SeveralSolutions};
        return;
    }
    m_hintStep = *step;
    m_look = LookOf(m_hintStep, m_hintBoard);
    const StepPicture picture = PatternPicture(m_hintStep, m_look, m_hintBoard);
    m_marks = picture.marks;
    m_highlights = picture.highlights;
    m_chain = picture.chain;
    m_hintStage = HintStage::Pattern;
}

void PuzzleModel::SetWorkFinishedNotice(std::function<void()> notice)
{
    m_workFinished = std::move(notice);
}

void PuzzleModel::TakeFinishedWork()
{
    BringInWork(false);
}

void PuzzleModel::FinishWork()
{
    BringInWork(true);
}

void PuzzleModel::BringInWork(bool wait)
{
    const ChangeScope change(*this);
    if (const std::optional<technique::Explanation> explanation =
            wait ? m_pathWork.WaitAndTake() : m_pathWork.TakeIfFinished())
        ShowExplanation(*explanation);
    // A hint still wanted: a change of the board stops the work on it.
    if (const std::optional<std::optional<TechniqueStep>> step = wait ? m_hintWork.WaitAndTake() : m_hintWork.TakeIfFinished())
        ShowHintPattern(*step);
}

technique::TechniqueBoard PuzzleModel::ShownTechniqueBoard() const
{
    technique::TechniqueBoard board(ShownPuzzle());
    board.SetKnownUnique(m_solve.solutionCount == 1);
    const CandidateMasks shown = ComputedCandidates();
    for (int cell = 0; cell < kCellCount; ++cell) {
        // The candidates the board would have that the cell no longer shows; the person's own
        // marks on show, where a cell has any, narrow them further once judged against the only
        // solution (with several, nothing proves them).
        const bool marksCount = m_ownDigitsOn && m_solve.solutionCount == 1;
        const unsigned marks = marksCount ? m_own.marks[static_cast<std::size_t>(cell)] : 0u;
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
    m_pathWork.Stop();
    // Until the path comes, the replay holds only the givens.
    ShowExplanation(technique::Explanation());
    if (m_solve.solutionCount != 1)
        return;  // the path explains only a puzzle with one solution
    if (!m_workFinished) {
        ShowExplanation(technique::ExplainPuzzle(puzzle));
        return;
    }
    m_pathWork.Start([puzzle](std::stop_token stop) { return technique::ExplainPuzzle(puzzle, std::move(stop)); },
                     m_workFinished);
}

void PuzzleModel::ShowExplanation(const technique::Explanation& explanation)
{
    m_techniqueReplay.Start(m_boardEntered, explanation);
    m_techniqueLines.clear();
    m_techniqueRating.reset();
    for (const TechniqueStep& step : explanation.steps) {
        const bool guess = step.technique == Technique::Guess;
        m_techniqueLines.push_back({guess ? std::nullopt : std::optional<double>(step.difficulty), TechniqueSentence(step)});
    }
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
