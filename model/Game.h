// A game: all of the person's work on one puzzle that outlasts the window, as one value that the
// puzzle model gives (PuzzleModel::CurrentGame) and takes back (PuzzleModel::RestoreGame).
#pragma once

#include "Engine.h"
#include "SolveReplay.h"

#include <bitset>
#include <cstddef>
#include <filesystem>

struct Game {
    // Set: the puzzle as entered at Set Su Doku. Not set: the digits being entered, and nothing
    // below but the collection and whether own digits are on.
    Puzzle puzzle;
    bool set = false;
    // The person's own digits and marks, in cells the puzzle leaves empty.
    Puzzle ownDigits;
    CandidateMasks ownMarks{};
    bool ownDigitsOn = false;
    // Cells Solve Cell and the hints taken revealed, the digits the hints placed there and the
    // candidates they removed.
    std::bitset<kCellCount> revealed;
    Puzzle hintPlaced;
    CandidateMasks struck{};
    // The collection the puzzle was opened from, and its number there (1-based); empty and 0 when none.
    std::filesystem::path collection;
    std::size_t number = 0;

    bool operator==(const Game&) const = default;
};
