// New puzzles for the window and for orvandel-solve --generate: unique, minimal, of a chosen
// rating as Set Su Doku rates them and, when asked, of a band of the technique scale.
#pragma once

#include "Difficulty.h"
#include "Puzzle.h"

#include <cstdint>
#include <functional>
#include <optional>

// A band of the technique scale, both ends included: 2.0 to 4.5, say.
struct DifficultyBand {
    double lowest;
    double highest;
};

struct GeneratorOptions {
    std::optional<Difficulty> rating = Difficulty::Easy;  // none: any rating
    bool symmetric = true;      // givens in 180-degree rotational symmetry
    std::uint64_t seed = 0;
    // The band the puzzle's technique difficulty lies in; a puzzle whose technique path needs a
    // guess lies in none. None: any difficulty.
    std::optional<DifficultyBand> band = std::nullopt;
    // The grids tried before giving up, so that a band few puzzles reach cannot hold the generator
    // for ever; 0 tries until a puzzle fits.
    std::uint64_t maxAttempts = 0;
};

// Whether the band is one of the scale: two finite numbers, 1.0 <= lowest <= highest.
bool IsValidBand(const DifficultyBand& band);

// A new puzzle with exactly one solution, of the requested rating by SolvePuzzle's own rating,
// and minimal: without any one of its givens it would have several solutions, with symmetric
// givens too. The same options always give the same puzzle. `cancelled`, when given, is asked
// before each attempt; the result is empty once it answers true, and once maxAttempts have failed.
std::optional<Puzzle> GeneratePuzzle(const GeneratorOptions& options,
                                     const std::function<bool()>& cancelled = {});

// The solution of a puzzle with exactly one, as printed beside it; empty cells for a puzzle without.
Puzzle SolutionOf(const Puzzle& puzzle);
