// A technique step's chains as the board draws them: arrows from candidate to candidate, strong
// links apart from weak ones, and each branch of a forcing chain in a colour of its own.
//
// Cells are numbered row by row (row * 9 + column), as in Puzzle and the technique board.
#pragma once

#include "Engine.h"

#include <vector>

// One link of a chain, from the candidate it follows from to the candidate it makes true or false.
struct ChainArrow {
    CellDigit from;
    CellDigit to;
    bool strong = false;  // makes `to` true; false: a weak link rules `to` out
    int branch = 0;       // which of the step's chains, from 0: its colour
    bool operator==(const ChainArrow&) const = default;
};

// Where a chain starts: the candidate it assumes true or, for an alternating chain and the second
// branch of a double forcing chain, false.
struct ChainStart {
    CellDigit candidate;
    bool assumedTrue = false;
    int branch = 0;
    bool operator==(const ChainStart&) const = default;
};

struct ChainPicture {
    std::vector<ChainStart> starts;
    std::vector<ChainArrow> arrows;
    bool operator==(const ChainPicture&) const = default;
};

// Where each of the step's chains starts and, with `links`, every link of it too. A link to or from
// a group of cells is drawn between the nearest of their cells.
ChainPicture ChainPictureOf(const TechniqueStep& step, bool links);
// The candidates a person looks at first: where each chain starts, where it ends (on what it
// proves or on a contradiction), and what the step places or removes; each once, in that order.
std::vector<CellDigit> ChainEnds(const TechniqueStep& step);
