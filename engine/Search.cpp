// The logic pass and the guessing search that completes it.
#include "CandidateGrid.h"
#include "CellSet.h"

#include <bit>

void CandidateGrid::ApplyLogic(StepRecorder& steps)
{
    // Every return to the top follows the removal of at least one candidate, so this ends. The
    // digit-set sizes below the first that clears something would change nothing, so they are
    // skipped.
    while (!IsSolved()) {
        if (DeduceSingles(steps))
            continue;
        const int size = SmallestEffectiveDigitSetSize();
        if (size == 0)
            return;
        DeduceDigitSets(size, steps);
    }
}

bool CandidateGrid::Search(StepRecorder& steps)
{
    if (m_guessLevel == 0 && !IsConsistent())
        return false;
    ApplyLogic(steps);
    if (!IsConsistent())
        return false;
    if (IsSolved())
        return true;

    // Only the first guess cell is tried. The rules only remove digits that no solution can hold,
    // so when every digit here fails the board has no solution, and trying further cells would
    // only fail again, at exponential cost.
    const int cell = FindGuessCell();
    if (cell < 0)
        return false;
    const size_t stepsBefore = steps.Size();
    CandidateGrid trial;
    for (unsigned digits = m_candidates[cell]; digits != 0; digits &= digits - 1) {
        trial = *this;
        trial.Guess(cell, std::countr_zero(digits) + 1, steps);
        if (trial.Search(steps)) {
            *this = trial;
            return true;
        }
        steps.Truncate(stepsBefore);
    }
    return false;
}

void CandidateGrid::Guess(int cell, int digit, StepRecorder& steps)
{
    const unsigned digitBit = (digit >= 1 && digit <= 9) ? 1u << (digit - 1) : 0;
    const unsigned others = m_candidates[cell] & ~digitBit;
    if (others != 0)
        ClearCandidates(cell, others);
    grid::RemoveCell(m_open, cell);
    ++m_guessLevel;
    steps.Append({StepKind::Guess, 0, static_cast<std::uint8_t>(cell), 0, digit, m_guessLevel});
}

void CSuDokuBoard::ApplyLogic(StepList& steps)
{
    CandidateGrid grid(*this);
    StepRecorder records;
    grid.ApplyLogic(records);
    grid.StoreInto(*this);
    Evaluate();
    records.AppendSentencesTo(steps);
}

bool CSuDokuBoard::Search(StepList& steps)
{
    CandidateGrid grid(*this);
    StepRecorder records;
    const bool solved = grid.Search(records);
    grid.StoreInto(*this);
    Evaluate();
    records.AppendSentencesTo(steps);
    return solved;
}

void CSuDokuBoard::Guess(int x, int y, int digit, StepList& steps)
{
    CandidateGrid grid(*this);
    StepRecorder records;
    grid.Guess(grid::CellIndex(x, y), digit, records);
    grid.StoreInto(*this);
    records.AppendSentencesTo(steps);
}
