// The logic pass and the guessing search that completes it.
#include "CandidateGrid.h"
#include "CellOrder.h"
#include "CellSet.h"
#include "SolutionCount.h"
#include "solutions/SolutionFinder.h"

#include <algorithm>
#include <bit>
#include <iterator>

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

bool CandidateGrid::Search(StepRecorder& steps, std::uint8_t (&solution)[81], SolutionKnown& known)
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
    unsigned digits = m_candidates[cell];
    // A guess fails exactly when it leaves a board without solution, provided the search can
    // guess on every cell it may need to (it always can, unless a caller closed such a cell).
    // The digits that would fail are then skipped without searching them: their sentences would
    // be thrown away anyway.
    const bool skipFailures = CanGuessOnEveryUndeterminedCell();
    if (skipFailures) {
        const int digit = FirstDigitWithSolution(cell, solution, known);
        if (digit == 0)
            return false;
        digits = 1u << (digit - 1);
    }
    const size_t stepsBefore = steps.Size();
    for (; digits != 0; digits &= digits - 1) {
        CandidateGrid trial = *this;
        trial.Guess(cell, std::countr_zero(digits) + 1, steps);
        // The solution found holds the guessed digit, so it is one of the trial board's too.
        auto knownBelow = skipFailures ? known : SolutionKnown::No;
        if (trial.Search(steps, solution, knownBelow)) {
            *this = trial;
            return true;
        }
        steps.Truncate(stepsBefore);
    }
    return false;
}

bool CandidateGrid::CanGuessOnEveryUndeterminedCell() const
{
    // Only the closed cells need a look, and they are few: the cells guessed on.
    const std::uint64_t closed[2] = {~m_open[0], ~m_open[1] & grid::kSecondWordCells};
    bool canGuess = true;
    grid::ForEachCell(closed, [&](int cell) { canGuess = canGuess && grid::kBitCounts[m_candidates[cell]] < 2; });
    return canGuess;
}

int CandidateGrid::FirstDigitWithSolution(int cell, std::uint8_t (&solution)[81], SolutionKnown& known) const
{
    // A board with a single solution keeps it after every guess that agrees with it, and loses it
    // after every other guess: the solution's digit is the only one that succeeds.
    const int puzzleCell = grid::PuzzleCell(cell);
    if (known == SolutionKnown::Only)
        return solution[puzzleCell];
    std::uint16_t candidates[grid::kCellCount];
    for (int each = 0; each < grid::kCellCount; ++each)
        candidates[grid::PuzzleCell(each)] = m_candidates[each];
    if (known == SolutionKnown::No) {
        // The first look counts to two: proving one solution the only one costs about what
        // proving the other digits wrong would, and spares every look further down. Its solution
        // has the smallest digit here already.
        const int count = solutions::CountSolutionsSmallestFirst(candidates, 2, puzzleCell, solution);
        if (count == 0)
            return 0;
        known = count == 1 ? SolutionKnown::Only : SolutionKnown::One;
        return solution[puzzleCell];
    }
    // Each solution found rules out the digits above its own; the finder looks again below it.
    return solutions::SmallestDigitWithSolution(candidates, puzzleCell, solution);
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

bool CandidateGrid::Solve(StepRecorder& steps, int* solutionCount)
{
    std::uint8_t solution[grid::kCellCount];
    auto known = SolutionKnown::No;
    const bool solved = Search(steps, solution, known);
    if (solutionCount) {
        // Without a guess the logic alone solved the board; its rules keep every solution, so
        // the one it found is the only one.
        *solutionCount = !solved ? 0 : known == SolutionKnown::One ? kSeveralSolutions : 1;
    }
    return solved;
}

bool CSuDokuBoard::Search(StepRecorder& records, int* solutionCount)
{
    CandidateGrid grid(*this);
    const bool solved = grid.Solve(records, solutionCount);
    grid.StoreInto(*this);
    Evaluate();
    return solved;
}

bool CSuDokuBoard::Search(StepList& steps)
{
    StepRecorder records;
    const bool solved = Search(records);
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
