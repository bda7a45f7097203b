// The technique path on a collection: how long it takes and how far the ladder reaches.
#pragma once

#include "PuzzleCollection.h"

void PrintTechniqueHeader();
// Explains each puzzle once, in file order, so no puzzle finds the caches warm from itself; then
// looks again for the easiest step from every position on its path, as a hint does, and keeps the
// slowest look. Prints one table row.
void BenchTechniques(const PuzzleCollection& collection);
