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
    using Stage = HintSession::Stage;
    switch (m_hint.CurrentStage()) {
    case Stage::None:
    case Stage::Taken: {
        // The board the replay stands at, with the marks of the hint instead of the step's.
        ShowReplay(StepPosition());
        if (const std::optional<HintStop> stop = OwnWorkFault()) {
            m_hint.Refuse(*stop);
            if (stop->cell >= 0)
                m_wrong.set(static_cast<std::size_t>(stop->cell));
            // Of two own digits that clash, either may be the one to change.
            if (const int other = stop->otherCell; other >= 0 && ShownOwnDigit(other) != Puzzle::kEmpty)
                m_wrong.set(static_cast<std::size_t>(other));
            return;
        }
        // Without one solution, a guess would take one of several: the hint shows only what the board proves.
        std::optional<Puzzle> solution;
        if (m_puzzle.HasOneSolution())
            solution = m_puzzle.Solution();
        m_hint.Find(ShownTechniqueBoard(), solution, m_workFinished);
        return;
    }
    case Stage::Working: return;  // the hint comes with the finished work
    case Stage::Pattern: m_hint.ShowEffect(); return;
    case Stage::Effect: m_revealed.TakeHint(m_hint.Take()); return;
    }
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
        m_replay.StartTechniques(m_puzzle.Givens(), *explanation);
    // A hint still wanted: a change of the board stops the work on it.
    m_hint.TakeFinished(wait);
}

technique::TechniqueBoard PuzzleModel::ShownTechniqueBoard() const
{
    technique::TechniqueBoard board(ShownPuzzle());
    board.SetKnownUnique(m_puzzle.HasOneSolution());
    const CandidateMasks shown = ComputedCandidates();
    for (int cell = 0; cell < kCellCount; ++cell) {
        // The candidates the board would have that the cell no longer shows; the person's own
        // marks on show, where a cell has any, narrow them further once judged against the only
        // solution (with several, nothing proves them).
        const bool marksCount = m_work.IsOn() && m_puzzle.HasOneSolution();
        const unsigned marks = marksCount ? m_work.MarksOf(cell) : 0u;
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
    const ShownBoard shown = Shown();
    return std::any_of(shown.begin(), shown.end(), [](const ShownCell& cell) { return cell.text.empty(); });
}

void PuzzleModel::ExplainTechniques()
{
    // Until the path comes, the replay holds only the givens.
    m_pathWork.Stop();
    if (!m_puzzle.HasOneSolution())
        return;  // the path explains only a puzzle with one solution
    const Puzzle& givens = m_puzzle.Givens();
    if (!m_workFinished) {
        m_replay.StartTechniques(givens, technique::ExplainPuzzle(givens));
        return;
    }
    m_pathWork.Start([givens](std::stop_token stop) { return technique::ExplainPuzzle(givens, std::move(stop)); },
                     m_workFinished);
}
