// The solver engine's board: one 9x9 Su Doku board as candidate flags, the rules that clear them,
// and the guessing search. Pure standard C++; no user-interface code.
//
// Vocabulary
//   cell       one of the 81 squares of the grid, addressed by x (column, 0..8) and y (row, 0..8).
//   unit       a column, a row or a square (3x3 block); every cell lies in three units.
//   square     squares are numbered 0..8 left to right, then top to bottom: (y / 3) * 3 + x / 3.
//   peer       another cell that shares a unit with a cell (20 per cell).
//   candidate  a digit still possible in a cell; rules only ever clear candidates.
//   digit set  n digits that, within one unit, can each go only into the same n cells.
//
// Conventions
//   Per-cell arrays are indexed [x][y] (column-major). A board array handed to Load is given row by
//   row: element y * 9 + x is the cell in column x, row y.
//   Candidates are 9-bit masks: bit d - 1 stands for digit d.
//   Cell values: 1..9 a digit, -1 undetermined (several candidates, or empty), -2 no candidate left.
//   Step sentences print x + 1 and y + 1, so the top-left cell reads x=1, y=1.
//   Contradictions are verdicts, not exceptions: nothing here throws or allocates except the step
//   sentences themselves, and those only for the steps that end up in the list.
#pragma once

#include "Engine.h"

#include <cstdint>
#include <string>
#include <vector>

class StepRecorder;

// Unit kinds select the sentence form of a deduction.
enum UnitKind : int { kUnitColumn = 0, kUnitRow = 1, kUnitSquare = 2 };

class CSuDokuBoard {
public:
    CSuDokuBoard();  // an empty board, as after Clear
    CSuDokuBoard(const CSuDokuBoard&) = default;
    CSuDokuBoard& operator=(const CSuDokuBoard&) = default;

    // --- Board state ---------------------------------------------------------------------------
    // Every cell empty with all candidates, open for guessing; guess level 0. Verdicts untouched.
    void Clear();
    // Takes 81 values row by row. A value of -1 leaves all candidates; 1..9 leaves only that digit;
    // anything else leaves none. Values are stored raw until the next Evaluate. Verdicts untouched.
    void Load(const int values[81]);
    void Load(const Puzzle& puzzle) { Load(puzzle.data()); }
    // The stored values row by row (no Evaluate), as a puzzle: -2 stays -2.
    Puzzle Values() const;
    // Recomputes every value and both verdicts from the candidates. Solved: no cell has more than
    // one candidate. Consistent: no cell is without candidates and no determined digit repeats in a
    // unit. The two are independent: a board can be "solved" and inconsistent at once.
    void Evaluate();
    bool IsSolved();      // runs Evaluate, so it refreshes the values too
    bool IsConsistent();  // likewise

    // The stored value (no Evaluate); -1 for coordinates outside 0..8.
    int GetValue(int x, int y) const;
    int GetValueRowCol(int row, int column) const { return GetValue(column, row); }

    // Candidate access for callers that set up or inspect a board cell by cell (coordinates 0..8,
    // digit 1..9). Removing is the one primitive every rule is built on; nothing ever adds one back.
    bool HasCandidate(int x, int y, int digit) const { return (m_nCandidates[x][y] & DigitBit(digit)) != 0; }
    void RemoveCandidate(int x, int y, int digit)
    {
        m_nCandidates[x][y] = static_cast<std::uint16_t>(m_nCandidates[x][y] & ~DigitBit(digit));
    }
    bool IsOpen(int x, int y) const { return m_bOpen[x][y]; }

    static int SquareOf(int x, int y) { return (y / 3) * 3 + x / 3; }
    // Inclusive bounds of square s.
    static void GetSquareBounds(int square, int& firstX, int& lastX, int& firstY, int& lastY);

    // --- Single-digit deductions ---------------------------------------------------------------
    // One pass: every determined cell removes its digit from its peers, then every digit with one
    // place left in a column, row or square (in that order, digits 1..9) is placed there.
    // Returns true when any candidate was cleared.
    bool DeduceSingles(StepList& steps);

    // --- Digit-set deductions ------------------------------------------------------------------
    // Finds every digit set of exactly `size` digits (2..7) in columns, rows and squares, by digit
    // mask ascending, and restricts its cells to the set. Returns true when any candidate was cleared.
    bool DeduceDigitSets(StepList& steps, int size);

    // --- Logic pass and search -----------------------------------------------------------------
    // Singles until they stall, then digit sets of size 2..7, starting over after every change;
    // stops when the board is solved or no rule changes anything.
    void ApplyLogic(StepList& steps);
    // Solves the board completely: logic, then guesses on copies (fewest candidates first, then
    // x, y, digit ascending), adopting the first copy that ends solved and consistent. Returns true
    // when the board ends solved and consistent. Sentences of failed guesses are not kept. On
    // failure the board holds what the top-level logic deduced. Guesses bound to fail (they leave
    // a board without solution) are recognised and skipped unsearched; the outcome is the same.
    bool Search(StepList& steps);
    // The same search keeping its steps as records (StepRecord.h), appended to `records`, for a
    // caller that writes or inspects them itself. For a board as loaded, every cell open for
    // guessing, `solutionCount` (when not null) receives how many solutions the board has, as
    // CountSolutions gives it: the search counts them at its first guess, when the board has lost
    // only digits no solution holds, and a board solved without a guess has one.
    bool Search(StepRecorder& records, int* solutionCount = nullptr);
    // Fixes digit in cell (x, y), closes the cell for guessing and goes one guess level deeper.
    void Guess(int x, int y, int digit, StepList& steps);

    // The fields are public: the board is a plain record that the window, the file and the tests
    // read directly, and the search copies whole.
    int m_nInitial[9][9];               // values as last loaded; -1 empty
    int m_nValue[9][9];                 // current value, refreshed by Evaluate
    std::uint16_t m_nCandidates[9][9];  // [x][y]: the digits still possible, bit d - 1 for digit d
    bool m_bOpen[9][9];                 // the search may still guess on this cell
    int m_nGuessLevel = 0;              // guesses made on the way to this board
    bool m_bSolved = false;             // verdicts of the last Evaluate
    bool m_bConsistent = true;

private:
    // The mask bit of a digit; no bit for anything outside 1..9.
    static unsigned DigitBit(int digit) { return (digit >= 1 && digit <= 9) ? 1u << (digit - 1) : 0u; }
};
