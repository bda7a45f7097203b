// New puzzles for the window and for orvandel-solve --generate: unique, minimal, and of
// a chosen rating as Set Su Doku rates them.
#pragma once

#include "Difficulty.h"
#include "Puzzle.h"

#include <cstdint>
#include <functional>
#include <optional>

struct GeneratorOptions {
    Difficulty rating = Difficulty::Easy;
    bool symmetric = true;      // givens in 180-degree rotational symmetry
    std::uint64_t seed = 0;
};

// A new puzzle with exactly one solution, of the requested rating by SolvePuzzle's own rating,
// and minimal: without any one of its givens it would have several solutions, with symmetric
// givens too. The same options always give the same puzzle. `cancelled`, when given, is asked
// between attempts; the result is empty once it answers true.
std::optional<Puzzle> GeneratePuzzle(const GeneratorOptions& options,
                                     const std::function<bool()>& cancelled = {});
