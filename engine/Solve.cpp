#include "Engine.h"

#include "Rating.h"
#include "StepRecord.h"
#include "SuDokuBoard.h"

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
    CSuDokuBoard board;
    board.Load(puzzle);
    if (!board.IsConsistent()) {
        // A digit twice in a unit: no solution.
        outcome.board.Keep(board);
        outcome.solutionCount = 0;
        outcome.result = SolveResult::Inconsistent;
        return;
    }
    // The search counts the solutions itself, where it first guesses: by then its reasoning has
    // narrowed the board, so the count costs less than on the puzzle as given, and a puzzle that
    // reasoning solves needs none.
    StepRecorder steps;
    const bool solved = board.Search(steps, &outcome.solutionCount);
    outcome.board.Keep(board);
    outcome.steps.assign(steps.Records().begin(), steps.Records().end());
    outcome.result = solved ? SolveResult::Solved : SolveResult::Unsolvable;
    outcome.rating = RateSearch(solved, board.m_nGuessLevel, steps.HasDigitSet());
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
