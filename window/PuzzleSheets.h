// New puzzles on paper: four to a page, each under its number and rating, and their solutions,
// small, on the last pages.
#pragma once

#include "Difficulty.h"
#include "Puzzle.h"

#include <vector>

class QPainter;
class QPagedPaintDevice;

// Paints the pages on a painter begun on the device. Every puzzle must have exactly one solution.
void PaintPuzzleSheets(QPainter& painter, QPagedPaintDevice& device, const std::vector<Puzzle>& puzzles,
                       Difficulty rating);
