#include "SolvePuzzle.h"

void SolvePuzzle(const Puzzle& puzzle, SolveOutcome& outcome)
{
    outcome.puzzle = puzzle;
    outcome.steps.Truncate(0);
    outcome.rating.reset();
    outcome.board.Load(puzzle);  // sets every field but the verdicts, which the check below sets
    if (!outcome.board.IsConsistent()) {
        // A digit twice in a unit: no solution.
        outcome.solutionCount = 0;
        outcome.result = SolveResult::Inconsistent;
        return;
    }
    // The search counts the solutions itself, where it first guesses: by then its reasoning has
    // narrowed the board, so the count costs less than on the puzzle as given, and a puzzle that
    // reasoning solves needs none.
    const bool solved = outcome.board.Search(outcome.steps, &outcome.solutionCount);
    outcome.result = solved ? SolveResult::Solved : SolveResult::Unsolvable;
    outcome.rating = RateSearch(solved, outcome.board.m_nGuessLevel, outcome.steps.HasDigitSet());
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
