#include "SolvePuzzle.h"

#include "SolutionCount.h"

void SolvePuzzle(const Puzzle& puzzle, SolveOutcome& outcome)
{
    outcome.puzzle = puzzle;
    outcome.steps.Truncate(0);
    outcome.rating.reset();
    int solution[kCellCount];
    outcome.solutionCount = CountSolutions(puzzle.data(), solution);
    outcome.board = CSuDokuBoard();
    outcome.board.Load(puzzle);
    if (!outcome.board.IsConsistent()) {
        outcome.result = SolveResult::Inconsistent;
        return;
    }
    // A puzzle's only solution settles every guess of the search without looking again, and any
    // solution spares the search its own first count.
    const bool solved =
        outcome.board.Search(outcome.steps, outcome.solutionCount > 0 ? solution : nullptr, outcome.solutionCount);
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
