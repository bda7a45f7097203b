// orvandel-solve --generate: new puzzles, several at a time, written in order as one line each.
#pragma once

#include "BatchSolver.h"
#include "PuzzleGenerator.h"
#include "ResultOutput.h"

#include <cstdint>
#include <optional>

struct GenerateRequest {
    std::uint64_t count = 0;
    GeneratorOptions generator;  // puzzle i (from 0) takes the seed generator.seed + i
    OutputFormat format = OutputFormat::Text;  // Text: the 81-character line, '.' for an empty cell
    bool trace = false;  // JSON only, as when solving
    unsigned jobs = 1;
};

struct GenerateResult {
    // The first puzzle (from 0) not found within generator.maxAttempts; the puzzles before it
    // were written, none after it.
    std::optional<std::uint64_t> missing;
    std::uint64_t attempts = 0;  // the grids tried by all jobs together
};

// Generates and writes the puzzles; the output does not depend on the number of jobs. The first
// puzzle that is not found ends the run: no later puzzle is started, and those under way stop.
// Throws WriteFailure when a write fails.
GenerateResult WriteGeneratedPuzzles(const GenerateRequest& request, ResultOutput& output);
