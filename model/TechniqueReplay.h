// The technique path of a set puzzle, step by step: the board after each step, for the window to
// replay the path the way it replays the solve, with each step's pattern marked and its removals
// struck out.
#pragma once

#include "Engine.h"
#include "TechniqueView.h"

#include <vector>

class TechniqueReplay {
public:
    // Starts before the first step, with the puzzle's givens; a puzzle the path does not explain
    // has no steps.
    void Start(const Puzzle& entered, const technique::Explanation& explanation);

    int StepCount() const { return static_cast<int>(m_steps.size()); }
    // 0 before any step; k after the k-th.
    int Position() const { return m_position; }
    // Moves to the position, kept within 0..StepCount().
    void GoTo(int position);

    // The board at the position: the digits known (Puzzle::kEmpty elsewhere) and the candidates.
    Puzzle Digits() const { return DigitsOf(m_boards[Index()]); }
    CandidateMasks Candidates() const { return CandidatesOf(m_boards[Index()]); }
    // The step that led to the position; null at the start.
    const TechniqueStep* StepTaken() const;
    // StepTaken shown whole on the board it was taken on; nothing marked at the start.
    StepPicture Picture() const;

private:
    std::size_t Index() const { return static_cast<std::size_t>(m_position); }

    std::vector<TechniqueStep> m_steps;
    std::vector<technique::TechniqueBoard> m_boards{technique::TechniqueBoard(Puzzle())};  // after k steps
    int m_position = 0;
};
