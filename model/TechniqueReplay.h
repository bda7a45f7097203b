// The technique path of a set puzzle, step by step: the board after each step, for the window to
// replay the path the way it replays the solve, with each step's pattern marked and its removals
// struck out; and the path as lines and a rating for the solve-logic window.
#pragma once

#include "Engine.h"
#include "StepReplay.h"
#include "TechniqueView.h"

#include <optional>
#include <string>
#include <vector>

struct TechniqueLine {
    std::optional<double> difficulty;  // none for a guess, which has no rating
    std::string sentence;
};
struct TechniqueRating {
    double difficulty;    // the highest on the path
    std::string hardest;  // its technique's name
    bool guess;           // the path needs a guess after that
};

class TechniqueReplay : public StepReplay<TechniqueStep, technique::TechniqueBoard> {
public:
    TechniqueReplay() : StepReplay(technique::TechniqueBoard(Puzzle())) {}
    // Starts before the first step, with the puzzle's givens; a puzzle the path does not explain
    // has no steps.
    void Start(const Puzzle& entered, const technique::Explanation& explanation);

    // The board at the position: the digits known (Puzzle::kEmpty elsewhere) and the candidates.
    Puzzle Digits() const { return DigitsOf(BoardNow()); }
    CandidateMasks Candidates() const { return CandidatesOf(BoardNow()); }
    // StepTaken shown whole on the board it was taken on; nothing marked at the start.
    StepPicture Picture() const;
    // The sentence of StepTaken; empty at the start.
    std::string Sentence() const;

    // One line per step.
    const std::vector<TechniqueLine>& Lines() const { return m_lines; }
    // The path's difficulty; none where it explains nothing or the puzzle came complete.
    const std::optional<TechniqueRating>& Rating() const { return m_rating; }

private:
    std::vector<TechniqueLine> m_lines;
    std::optional<TechniqueRating> m_rating;
};
