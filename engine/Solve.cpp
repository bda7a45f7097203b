#include "Engine.h"

#include "solver/CandidateGrid.h"
#include "solver/Rating.h"
#include "solver/StepRecord.h"
#include "solver/SuDokuBoard.h"

void SolverBoard::Keep(const CSuDokuBoard& board)
{
    m_values = board.Values();
    m_guessLevel = board.m_nGuessLevel;
    m_solved = board.m_bSolved;
    m_consistent = board.m_bConsistent;
}

SolverBoard::SolverBoard(const Puzzle& puzzle)
{
    CSuDokuBoard board;
    board.Load(puzzle);
    board.Evaluate();
    Keep(board);
}

void SolvePuzzle(const Puzzle& puzzle, SolveOutcome& outcome)
{
    outcome.puzzle = puzzle;
    outcome.steps.clear();
    outcome.rating.reset();
    // The working board straight from the puzzle, and the outcome's board straight from it: its
    // verdicts are those the board's Evaluate would give.
    CandidateGrid grid(puzzle);
    const auto keep = [&outcome, &grid] {
        grid.ValuesInto(outcome.board.m_values);
        outcome.board.m_guessLevel = grid.GuessLevel();
        outcome.board.m_solved = grid.IsSolved();
        outcome.board.m_consistent = grid.IsConsistent();
    };
    if (!grid.IsConsistent()) {
        // A digit twice in a unit: no solution.
        keep();
        outcome.solutionCount = 0;
        outcome.result = SolveResult::Inconsistent;
        return;
    }
    // The search counts the solutions itself, where it first guesses: by then its reasoning has
    // narrowed the board, so the count costs less than on the puzzle as given, and a puzzle that
    // reasoning solves needs none.
    StepRecorder steps;
    const bool solved = grid.Solve(steps, &outcome.solutionCount);
    keep();
    outcome.steps.assign(steps.Records().begin(), steps.Records().end());
    outcome.result = solved ? SolveResult::Solved : SolveResult::Unsolvable;
    outcome.rating = RateSearch(solved, grid.GuessLevel(), steps.HasDigitSet());
}

const char* ResultName(SolveResult result)
{
    switch (result) {
    case SolveResult::Solved:
        return "solved";
    case SolveResult::Unsolvable:
        return "unsolvable";
    case SolveResult::Inconsistent:
        return "inconsistent";
    }
    return "";
}
