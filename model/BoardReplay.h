// The replay of the set puzzle on the board, along the path chosen: the solver's steps or the
// technique path, each keeping its own position. Until it is first moved, the board shows the
// givens, or the solver's board where that is what the command called for.
#pragma once

#include "Engine.h"
#include "SolveReplay.h"
#include "TechniqueReplay.h"
#include "TechniqueView.h"

#include <string>

class BoardReplay {
public:
    enum class Path { Solver, Techniques };

    // Both paths to their start: the solver's from the outcome, the technique path with no steps
    // until StartTechniques; the board shows the givens.
    void Start(const SolveOutcome& outcome);
    // The technique path's steps; its position to the start.
    void StartTechniques(const Puzzle& givens, const technique::Explanation& explanation);
    // True when the path changed.
    bool Choose(Path path);
    Path Chosen() const { return m_path; }

    int StepCount() const;
    int Position() const;
    // Moves the path chosen, kept within 0..StepCount(), and shows its board.
    void GoTo(int position);
    // Both paths to their start, the givens on show.
    void Rewind();
    // The solver's board on show instead, the position kept.
    void ShowSolution();

    // The digits on show; at the end of the solver's steps its own board, which tells what it made
    // of a puzzle whose steps run into a contradiction.
    Puzzle Digits(const SolveOutcome& outcome) const;
    // The candidates at the position, whatever the board shows.
    CandidateMasks Candidates() const;
    // The marks of the step that led to the position on show, and its sentence.
    const StepPicture& Picture() const { return m_picture; }
    std::string Sentence() const;

    const SolveReplay& Solver() const { return m_solver; }
    const TechniqueReplay& Techniques() const { return m_techniques; }

private:
    enum class Shown { Givens, Steps, Solution };

    // Draws the marks of what is on show afresh.
    void Show(Shown shown);

    SolveReplay m_solver;
    TechniqueReplay m_techniques;
    Path m_path = Path::Solver;
    Shown m_shown = Shown::Givens;
    StepPicture m_picture;
};
