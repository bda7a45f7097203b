// A technique step on the board: which cells and candidates to mark for it, and where a person
// should look to find it, derived from the step's units, cells and digits alone, so that it holds
// for every technique the finder knows or will know.
//
// Cells are numbered row by row (row * 9 + column), as in Puzzle and the technique board.
#pragma once

#include "ChainPicture.h"
#include "Engine.h"
#include "SolveReplay.h"

#include <string>
#include <vector>

// The marks of a step on the board it is taken on.
struct StepPicture {
    CellMarks marks{};  // every cell CellMark::None
    CandidateHighlights highlights;
    ChainPicture chain;  // a chain step's starts, and in the step shown whole its links
};

// Where to look for a step, for the window to say in the person's language: "X-Wing: look at digit
// 7 in rows y=2 and y=8." The units and cells named hold the whole pattern between them.
struct TechniqueLook {
    std::string technique;  // its name, as the technique sentences write it
    bool guess = false;     // no technique moves: the first named cell takes the solution's digit
    unsigned digits = 0;    // the digits to name (bit d - 1 for digit d); 0 names none
    std::vector<int> rows;     // from 1
    std::vector<int> columns;  // from 1
    std::vector<int> squares;  // 0..8, left to right, then down
    std::vector<int> cells;    // row by row
    // Nonzero where the pattern is too large to name its places: look at the digits in this many
    // marked cells instead.
    int markedCells = 0;

    bool operator==(const TechniqueLook&) const = default;
};

// The easiest step of the technique ladder on the board, or where none moves, a guess that takes
// the solution's digit; none where no step moves and the puzzle has no one solution to take it from.
std::optional<TechniqueStep> HintStep(const technique::TechniqueBoard& board, const std::optional<Puzzle>& solution);
// Where to look for the step on the board it is to be taken on. A unit is named where it holds
// pattern cells that are all the places its digits have there (a strong set: the base of a fish,
// the two places of a link) or where the step names it; what no such unit covers is named cell by
// cell. Of a chain step the pattern is its ends. A step that only places a digit names the unit it is found in, or its cell, without the
// digit.
TechniqueLook LookOf(const TechniqueStep& step, const technique::TechniqueBoard& board);

// The first stage of a hint: the units and cells to look at marked, the pattern's candidates
// highlighted, nothing of what the step places. Of a chain only its ends are marked and
// highlighted (ChainEnds), and where each chain starts is drawn.
StepPicture PatternPicture(const TechniqueStep& step, const TechniqueLook& look,
                           const technique::TechniqueBoard& board);
// The step shown whole: its pattern, the cells it gives a digit and what it places and removes; a
// chain drawn link by link over its candidates, with only the cells it starts from marked.
StepPicture EffectPicture(const TechniqueStep& step, const technique::TechniqueBoard& board);

// The candidates of the board as the replay keeps them: a placed cell holds its digit alone.
CandidateMasks CandidatesOf(const technique::TechniqueBoard& board);
// The board's digits, Puzzle::kEmpty where a cell is empty.
Puzzle DigitsOf(const technique::TechniqueBoard& board);
