// Making new puzzles without freezing the window: the generator runs on a thread of its own while
// the window stays responsive; a wait longer than half a second shows a progress dialog whose
// Cancel stops the generator.
#pragma once

#include "PuzzleGenerator.h"

#include <optional>
#include <vector>

class QWidget;

// `count` puzzles with the options, seeds counting up from options.seed; empty when cancelled.
std::vector<Puzzle> GeneratePuzzlesWithProgress(QWidget* parent, const GeneratorOptions& options, int count);
