// The logic pass and the guessing search that completes it.
#include "ReferenceStepText.h"
#include "ReferenceSuDokuBoard.h"

namespace reference {

void CSuDokuBoard::ApplyLogic(StepList& steps)
{
    // Every return to the top follows the removal of at least one candidate, so this ends.
    while (!IsSolved()) {
        if (DeduceSingles(steps))
            continue;
        bool changed = false;
        for (int size = 2; size <= 7 && !changed; ++size) {
            if (IsSolved())
                return;
            changed = DeduceDigitSets(steps, size);
        }
        if (!changed)
            return;
    }
}

namespace {

// The first cell the search guesses on: open, with the fewest candidates (at least two), then the
// lowest x, then the lowest y. Returns false when no open cell has two or more candidates.
bool FindGuessCell(const CSuDokuBoard& board, int& guessX, int& guessY)
{
    int fewest = 10;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (!board.m_bOpen[x][y])
                continue;
            int count = 0;
            for (int d = 1; d <= 9; ++d)
                count += board.m_bCandidate[x][y][d] ? 1 : 0;
            if (count >= 2 && count < fewest) {
                fewest = count;
                guessX = x;
                guessY = y;
            }
        }
    }
    return fewest < 10;
}

}  // namespace

bool CSuDokuBoard::Search(StepList& steps)
{
    if (m_nGuessLevel == 0 && !IsConsistent())
        return false;
    ApplyLogic(steps);
    Evaluate();
    if (!m_bConsistent)
        return false;

    int x = 0;
    int y = 0;
    if (!m_bSolved && FindGuessCell(*this, x, y)) {
        // Only this one cell is tried. The rules only remove digits that no solution can hold, so
        // when every digit here fails the board has no solution, and trying further cells would
        // only fail again, at exponential cost.
        CSuDokuBoard trialBoard;
        StepList trialSteps;
        for (int d = 1; d <= 9; ++d) {
            if (!m_bCandidate[x][y][d])
                continue;
            trialBoard = *this;
            trialSteps.clear();
            trialBoard.Guess(x, y, d, trialSteps);
            if (trialBoard.Search(trialSteps)) {
                *this = trialBoard;
                steps.insert(steps.end(), trialSteps.begin(), trialSteps.end());
                return true;
            }
        }
    }
    Evaluate();
    return m_bSolved && m_bConsistent;
}

void CSuDokuBoard::Guess(int x, int y, int digit, StepList& steps)
{
    for (int d = 1; d <= 9; ++d) {
        if (d != digit)
            m_bCandidate[x][y][d] = false;
    }
    m_bOpen[x][y] = false;
    ++m_nGuessLevel;
    steps.push_back(FormatStep("Guessing x=%d, y=%d, digit=%d, recursion level=%d.", x + 1, y + 1, digit, m_nGuessLevel));
}

}  // namespace reference
