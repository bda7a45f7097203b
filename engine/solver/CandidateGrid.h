// The solver's working form of a board: the same candidates as CSuDokuBoard, indexed for speed.
//
// Besides a 9-bit candidate mask per cell it keeps, for every unit and digit, the mask of the
// unit's cells (in scan order) where the digit is still possible, the same for every digit over
// the whole board as one 81-cell set, and notes of what changed since each rule last looked, so
// that a pass only looks where something can have happened. The rules
// and the search of CSuDokuBoard run here, with the same scans in the same order, and record their
// steps compactly; CSuDokuBoard's operations copy a board in, run the rule, copy it back and turn
// the records into sentences.
#pragma once

#include "CellSet.h"
#include "GridGeometry.h"
#include "StepRecord.h"
#include "SuDokuBoard.h"

#include <bit>
#include <cstdint>

class CandidateGrid {
public:
    // An empty board: every digit possible everywhere, every cell open, guess level 0.
    CandidateGrid();
    explicit CandidateGrid(const CSuDokuBoard& board);
    // The givens of a puzzle on an empty board; a value outside 1..9 leaves a cell no candidate.
    explicit CandidateGrid(const Puzzle& puzzle);
    // Writes the candidates, the open flags and the guess level back; values and verdicts are left
    // for the board's Evaluate.
    void StoreInto(CSuDokuBoard& board) const;
    // The values as the board's Evaluate would give them, row by row.
    void ValuesInto(Puzzle& values) const;
    int GuessLevel() const { return m_guessLevel; }

    // No cell with two or more candidates.
    bool IsSolved() const { return m_undeterminedCount == 0; }
    // No cell without candidates and no determined digit twice in a unit. Candidates are only ever
    // removed, so a contradiction never goes away: a flag set when one arises is enough.
    bool IsConsistent() const { return !m_contradiction; }

    // The rules, with the contracts of CSuDokuBoard's operations of the same names.
    bool DeduceSingles(StepRecorder& steps);
    bool DeduceDigitSets(int size, StepRecorder& steps);
    void RestrictToDigitSet(int cell, unsigned digitMask, int unitKind, StepRecorder& steps, bool& changed);
    void ApplyLogic(StepRecorder& steps);
    // What `solution` (row by row, as the solution finder gives it) tells of this board: nothing
    // yet, one of its solutions, or its only one.
    enum class SolutionKnown { No, One, Only };
    // The search of CSuDokuBoard, given what `solution` holds of this board; leaves in `solution` one that holds
    // every digit guessed below, when the search skipped failing guesses, and in `known` what it
    // then holds: a search that starts knowing nothing counts the solutions at its first guess.
    bool Search(StepRecorder& steps, std::uint8_t (&solution)[81], SolutionKnown& known);
    void Guess(int cell, int digit, StepRecorder& steps);
    // The search from a board as loaded, every cell open, knowing nothing of its solutions; the
    // contract of CSuDokuBoard::Search with a solution count.
    bool Solve(StepRecorder& steps, int* solutionCount);

private:
    struct EmptyBoard {};
    explicit CandidateGrid(EmptyBoard);
    static const CandidateGrid& Empty();
    // Leaves a cell of an empty board only `candidates`.
    void Restrict(int cell, unsigned candidates);
    // The bookkeeping for a cell of an empty board left `candidates`.
    void NoteRestricted(int cell, unsigned candidates);
    // A cell newly left with one digit: it has its peers to clear, and repeats a digit determined in
    // one of its units at its peril.
    void NoteDetermined(int cell, unsigned digitBit);
    // The one primitive: removes the digits of `digits` (all of them candidates, at least one)
    // from a cell.
    void ClearCandidates(int cell, unsigned digits);
    // The bookkeeping for a cell left with one candidate or none.
    void NoteFewCandidates(int cell, unsigned before, unsigned after);
    // Peer elimination of a digit that is a candidate of the cell.
    void EliminateCandidate(int cell, int digitIndex, StepRecorder& steps);
    // A hidden single in a cell that holds other candidates besides the digit.
    void PlaceDigit(int cell, int digitIndex, unsigned others, int unitKind, StepRecorder& steps);
    // The smallest size 2..7 at which DeduceDigitSets would clear a candidate, 0 when none would.
    // Forgets the changes of every unit where no size would.
    int SmallestEffectiveDigitSetSize();
    // The same for one unit.
    int SmallestEffectiveDigitSetSize(int unit) const;
    // The units that may hold a digit set that clears something: every other unit was found
    // without one and has not changed since.
    std::uint32_t UnitsForDigitSets() const;
    // The first digit set of `size` digits after (mask, unit) in scan order (mask ascending, then
    // unit) whose cells hold a candidate outside the set. Moves (mask, unit) there; false if none.
    bool FindNextEffectiveDigitSet(int size, unsigned& mask, int& unit) const;
    // The candidates of the unit's cells selected by `places`, together.
    unsigned CandidatesIn(int unit, unsigned places) const;
    // The first open cell with the fewest candidates (at least two) in board order, or -1.
    int FindGuessCell() const;
    // True unless a cell with two or more candidates is closed for guessing.
    bool CanGuessOnEveryUndeterminedCell() const;
    // The smallest candidate of the cell that leaves the board a solution, 0 when none does;
    // `solution` is then one with that digit. Raises `known` to Only when it finds the board has
    // exactly one solution.
    int FirstDigitWithSolution(int cell, std::uint8_t (&solution)[81], SolutionKnown& known) const;

    std::uint16_t m_candidates[grid::kCellCount];
    grid::UnitPlaces m_places[9];  // [digit - 1][unit]: the unit's cells holding it
    std::uint64_t m_cellsWith[9][2];  // [digit - 1]: the cells holding it, as a set (CellSet.h)
    // [digit - 1]: the units where a cell was determined with it, as a 27-bit mask.
    std::uint32_t m_determinedUnits[9];
    // What changed since each rule last looked, as 27-bit unit masks (bit u for unit u):
    std::uint32_t m_unitsForHiddenSingles[9];  // [digit - 1]: units where its places changed
    std::uint32_t m_unitsForDigitSets;         // units where any candidate went, as far as the
                                               // hidden-single notes have been taken over
    std::uint64_t m_unpropagated[2];           // cells determined since they last cleared their peers
    std::uint64_t m_open[2];                   // cells the search may still guess on
    int m_undeterminedCount;                   // cells with two or more candidates
    int m_guessLevel;
    bool m_contradiction;
};

inline void CandidateGrid::NoteFewCandidates(int cell, unsigned before, unsigned after)
{
    if (after == 0)
        m_contradiction = true;
    if (grid::IsSingleBit(before))
        return;
    --m_undeterminedCount;
    if (after != 0)
        NoteDetermined(cell, after);
}

inline void CandidateGrid::NoteDetermined(int cell, unsigned digitBit)
{
    grid::AddCell(m_unpropagated, cell);
    const int digitIndex = std::countr_zero(digitBit);
    const std::uint32_t units = grid::kCellUnitMasks[cell];
    if (m_determinedUnits[digitIndex] & units)
        m_contradiction = true;
    m_determinedUnits[digitIndex] |= units;
}

inline void CandidateGrid::ClearCandidates(int cell, unsigned digits)
{
    const unsigned before = m_candidates[cell];
    const unsigned after = before & ~digits;
    m_candidates[cell] = static_cast<std::uint16_t>(after);
    const grid::CellUnits& units = grid::kCellUnits[cell];
    const std::uint32_t unitMask = grid::kCellUnitMasks[cell];
    do {
        const int digitIndex = std::countr_zero(digits);
        grid::LeavePlaces(m_places[digitIndex], units);
        grid::RemoveCell(m_cellsWith[digitIndex], cell);
        m_unitsForHiddenSingles[digitIndex] |= unitMask;
        digits &= digits - 1;
    } while (digits != 0);
    if (grid::kBitCounts[after] <= 1)
        NoteFewCandidates(cell, before, after);
}

inline void CandidateGrid::EliminateCandidate(int cell, int digitIndex, StepRecorder& steps)
{
    ClearCandidates(cell, 1u << digitIndex);
    const unsigned left = m_candidates[cell];
    // The digit was there and exactly one other is left: the peer is now determined.
    if (grid::IsSingleBit(left))
        steps.Append({StepKind::Determined, 0, static_cast<std::uint8_t>(cell), 0, std::countr_zero(left) + 1, 0});
}

inline void CandidateGrid::PlaceDigit(int cell, int digitIndex, unsigned others, int unitKind, StepRecorder& steps)
{
    ClearCandidates(cell, others);
    steps.Append({StepKind::HiddenSingle, SentenceUnitKind(unitKind), static_cast<std::uint8_t>(cell), 0,
                  digitIndex + 1, 0});
}
