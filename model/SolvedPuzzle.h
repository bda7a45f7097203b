// The puzzle set and what the solver made of it, with the verdicts the window's fields show.
// Set Su Doku solves the puzzle as entered; one that repeats a digit in a unit is refused: judged,
// but not set.
#pragma once

#include "Engine.h"

#include <string>
#include <vector>

class SolvedPuzzle {
public:
    // Solves the puzzle and judges it; true when it is set, false when it is refused.
    bool Solve(const Puzzle& puzzle);
    // No puzzle: an empty board, judged.
    void Clear();

    bool IsSet() const { return m_set; }
    // As entered at the last Solve; empty after Clear.
    const Puzzle& Givens() const { return m_outcome.puzzle; }
    const SolveOutcome& Outcome() const { return m_outcome; }
    // The solver's board: the solution where there is one, else what logic found.
    const Puzzle& Solution() const { return m_outcome.board.Values(); }
    int SolutionCount() const { return m_outcome.solutionCount; }
    bool HasOneSolution() const { return m_outcome.solutionCount == 1; }

    // The Solved and Status verdicts are shown from each Solve or Clear until HideJudgement.
    void HideJudgement() { m_judged = false; }
    std::string Solved() const;
    std::string Status() const;
    // Unique and Rating are shown while the puzzle is set.
    std::string Unique() const;
    std::string Rating() const;
    // Every text the verdicts can show.
    static std::vector<std::string> VerdictTexts();

private:
    SolveOutcome m_outcome;
    bool m_set = false;
    bool m_judged = false;
};
