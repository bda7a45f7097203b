// The solve of a set puzzle, step by step: the board as it stood after each step and the cells
// each step is about, so that the window can replay the solve on the board.
//
// Cells are numbered row by row (cell = row * 9 + column), as in Puzzle. The board after a step
// holds the givens, the digits the steps so far have placed, and as candidates the digits that no
// placed digit of the cell's column, row or square rules out, narrowed by the digit sets found so
// far.
#pragma once

#include "Engine.h"
#include "StepReplay.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What a cell is to the step on show, for drawing it.
enum class CellMark : std::uint8_t {
    None,
    Unit,       // in the column, row or square the step was found in
    SetCell,    // one of the cells a digit set is confined to
    StepCell,   // the cell the step gives a digit or a digit set
    GuessCell,  // the cell the solver guesses
};
using CellMarks = std::array<CellMark, kCellCount>;
// Per cell, bit d - 1 for digit d.
using CandidateMasks = std::array<std::uint16_t, kCellCount>;

// Per cell, bit d - 1 for digit d: the candidates a step is shown with.
struct CandidateHighlights {
    CandidateMasks pattern{};  // the candidates that prove the step
    CandidateMasks removed{};  // the candidates it strikes out
    CandidateMasks placed{};   // the digits it places

    bool operator==(const CandidateHighlights&) const = default;
};

// The candidates of a puzzle's cells: for a cell with a digit that digit alone, for an empty cell
// every digit that no digit of its column, row or square rules out.
CandidateMasks PeerCandidates(const Puzzle& puzzle);
// The candidates once digit stands in cell: the cell holds it alone, its peers lose it.
void PlaceCandidate(CandidateMasks& candidates, int cell, int digit);

// The cells of a step: its unit, the cells of its digit set and its own cell, judged on the board
// it was taken on.
CellMarks StepMarks(const StepRecord& step, const CandidateMasks& before);
// The candidates a step is about, so that they show whether or not candidates are shown: for a
// digit set its digits in the cells it is confined to, and the other candidates of its cell struck
// out; nothing for a step that places a digit, which the board shows.
CandidateHighlights StepHighlights(const StepRecord& step, const CandidateMasks& before);
// The board after a step of the solve: the digits known (Puzzle::kEmpty elsewhere) and the candidates.
struct SolveBoard {
    Puzzle digits;
    CandidateMasks candidates{};
};

class SolveReplay : public StepReplay<StepRecord, SolveBoard> {
public:
    SolveReplay() : StepReplay(SolveBoard{}) {}
    // Starts before the first step, with the board as entered.
    void Start(const Puzzle& entered, std::span<const StepRecord> steps);

    const Puzzle& Digits() const { return BoardNow().digits; }
    const CandidateMasks& Candidates() const { return BoardNow().candidates; }
    // The marks of StepTaken on the board it was taken on; no marks at the start.
    CellMarks Marks() const;
    // The StepHighlights of StepTaken; none at the start.
    CandidateHighlights Highlights() const;
    // Each step's sentence, and that of StepTaken (empty at the start).
    const StepList& Sentences() const { return m_sentences; }
    std::string Sentence() const;

private:
    StepList m_sentences;
};
