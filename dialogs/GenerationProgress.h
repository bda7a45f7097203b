// Making new puzzles without freezing the window: the generator runs on a thread of its own while
// the window stays responsive; a wait longer than half a second shows a progress dialog whose
// Cancel stops the generator.
#pragma once

#include "PuzzleGenerator.h"

#include <QProgressDialog>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The progress window for `count` new puzzles: shown only once the wait passes half a second, and
// wide enough that a window manager's title bar, with its icon and buttons, shows the whole title.
std::unique_ptr<QProgressDialog> MakeGenerationProgress(QWidget* parent, int count);

// `count` puzzles with the options, seeds counting up from options.seed; empty when cancelled.
std::vector<Puzzle> GeneratePuzzlesWithProgress(QWidget* parent, const GeneratorOptions& options, int count);
