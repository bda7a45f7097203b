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

// Generates and writes the puzzles; the output does not depend on the number of jobs. Where a
// puzzle is not found within generator.maxAttempts, the puzzles before it are written and its
// number (from 0) is returned. Throws WriteFailure when a write fails.
std::optional<std::uint64_t> WriteGeneratedPuzzles(const GenerateRequest& request, ResultOutput& output);
