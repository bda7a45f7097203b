// All that the layers above the engine use of it. A Puzzle goes in; out come the outcome of the
// solve (its board, step records and their sentences, the solution count and the rating) and the
// technique path that explains a puzzle step by step. Everything here numbers cells row by row from
// the top left, cell = row * 9 + column, as Puzzle does; the engine's working numbering stays inside.
#pragma once

#include "Difficulty.h"
#include "Puzzle.h"
#include "SolutionCount.h"
#include "TechniqueBoard.h"
#include "TechniqueStep.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

// --- The solve: the search's steps and outcome --------------------------------------------------

enum class StepKind : std::uint8_t {
    Determined,    // a peer left with one candidate by elimination
    HiddenSingle,  // a digit with one place left in a unit
    DigitSet,      // a cell restricted to a digit set
    Guess,
};

// One step of the solve, as the search took it.
struct StepRecord {
    StepKind kind;
    std::uint8_t unitKind;    // for hidden singles and digit sets: 0 column, 1 row, 2 square
    std::uint8_t cell;        // row * 9 + column
    std::uint16_t digitMask;  // the digit set, bit d - 1 for digit d
    int digit;                // the determined, placed or guessed digit
    int guessLevel;
};

// One sentence per step, in the order the solver reasoned.
using StepList = std::vector<std::string>;

// Writes the step's sentence at the end of out.
void AppendSentence(std::string& out, const StepRecord& step);
// Appends the sentence of every step, in order.
void AppendSentences(StepList& sentences, std::span<const StepRecord> steps);
// Writes the sentence of every step at the end of out, in order, with `separator` between them.
void AppendSentences(std::string& out, std::span<const StepRecord> steps, std::string_view separator);

enum class SolveResult { Solved, Unsolvable, Inconsistent };

struct SolveOutcome;
class CSuDokuBoard;

// A board as the solver leaves it: every cell's value (1..9 a digit, -1 undetermined, -2 no
// candidate left), the guesses on the way to it and two verdicts. Solved: no cell has more than one
// candidate. Consistent: no cell is without candidates and no digit repeats in a unit. The two are
// independent: a board can be "solved" and inconsistent at once.
class SolverBoard {
public:
    SolverBoard() : SolverBoard(Puzzle()) {}
    // The puzzle before any reasoning: the givens, and the verdicts on them.
    explicit SolverBoard(const Puzzle& puzzle);

    const Puzzle& Values() const { return m_values; }
    int Value(int cell) const { return m_values[cell]; }
    int GuessLevel() const { return m_guessLevel; }
    bool IsSolved() const { return m_solved; }
    bool IsConsistent() const { return m_consistent; }

private:
    friend void SolvePuzzle(const Puzzle& puzzle, SolveOutcome& outcome);
    // Keeps the engine's board's values, guess level and the verdicts of its last Evaluate.
    void Keep(const CSuDokuBoard& board);

    Puzzle m_values;
    int m_guessLevel = 0;
    bool m_solved = false;
    bool m_consistent = true;
};

// All that "Set Su Doku" does to a puzzle, for the window, the command line and the benchmark: the
// consistency check, the search with its steps, the solution count and the rating.
struct SolveOutcome {
    Puzzle puzzle;  // as given
    SolveResult result = SolveResult::Inconsistent;
    SolverBoard board;  // after the search, or as the consistency check left it
    std::vector<StepRecord> steps;  // what each step did; empty for an inconsistent puzzle
    int solutionCount = 0;  // 0, 1 or kSeveralSolutions, as the search counted them
    std::optional<Difficulty> rating;  // none unless solved
};

// A puzzle that repeats a digit in a unit is refused before any search, as the window refuses it;
// it has no solution and no rating. The outcome is filled in place, so that one outcome serves
// puzzle after puzzle without allocating once its step list has grown.
void SolvePuzzle(const Puzzle& puzzle, SolveOutcome& outcome);

// "solved", "unsolvable" or "inconsistent".
const char* ResultName(SolveResult result);

// --- The technique path ----------------------------------------------------------------------------

namespace technique {

struct Explanation {
    bool explained = false;  // false: the puzzle does not have exactly one solution
    std::vector<TechniqueStep> steps;  // from the givens to the solution
    double difficulty = 0.0;  // the highest difficulty of a technique on the path
    // Its technique; Guess when the path holds a guess; none for a puzzle given complete.
    std::optional<Technique> hardest;
};

// Walks the techniques from the easiest up; the easiest step that makes progress on the board, as
// a complete step; false when none does, or when the board's search is asked to stop.
bool FindEasiestStep(const TechniqueBoard& board, TechniqueStep& step);

// A guess, for where no technique moves: the empty cell with the fewest candidates (the first in
// row order) takes the solution's digit.
TechniqueStep GuessStep(const TechniqueBoard& board, const int (&solution)[kCellCount]);

// The path from the givens to the solution, the easiest step each time; where no technique
// moves, the path takes a GuessStep. Asked to stop, it gives up soon after with no explanation.
Explanation ExplainPuzzle(const Puzzle& puzzle, std::stop_token stop = {});

}  // namespace technique
