// What the person chooses for new puzzles: the rating of one for the grid, and how many of which
// rating to print. The window only asks; the ranges and the generator's options are decided here.
#pragma once

#include "Difficulty.h"
#include "PuzzleGenerator.h"

#include <cstdint>
#include <optional>

struct PrintPuzzlesChoice {
    static constexpr int kFewest = 1;
    static constexpr int kMost = 100;
    static constexpr int kPerPage = 4;

    int count = kPerPage;  // one page at first
    Difficulty rating = Difficulty::Easy;

    // The choice from stored numbers: a count out of range is brought into it; a missing count
    // is one page, and a rating that is missing or none of kDifficulties is Easy.
    static PrintPuzzlesChoice FromStored(std::optional<int> count, std::optional<int> rating);
    bool operator==(const PrintPuzzlesChoice&) const = default;
};

// A new puzzle of the rating, its givens symmetric as a printed puzzle's are; the seed makes it.
GeneratorOptions NewPuzzleOptions(Difficulty rating, std::uint64_t seed);
