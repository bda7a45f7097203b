// The finders of the technique families. Each looks at the board and, when its technique makes
// progress somewhere, fills in the step's pattern (unit, cells, digits) and what it places or
// removes, and returns true; the ladder adds the technique and its difficulty. Each reports the
// first such pattern in unit order (rows, columns, squares), then digit order.
#pragma once

#include "TechniqueBoard.h"

namespace technique {

// TechniqueSingles.cpp
bool FindFullHouse(const TechniqueBoard& board, TechniqueStep& step);
bool FindHiddenSingleInBox(const TechniqueBoard& board, TechniqueStep& step);
bool FindHiddenSingleInLine(const TechniqueBoard& board, TechniqueStep& step);
bool FindNakedSingle(const TechniqueBoard& board, TechniqueStep& step);

// TechniqueLockedCandidates.cpp
// A square's digit confined to one row or column: it leaves the rest of that line.
bool FindPointing(const TechniqueBoard& board, TechniqueStep& step);
// A row's or column's digit confined to one square: it leaves the rest of that square.
bool FindClaiming(const TechniqueBoard& board, TechniqueStep& step);

// TechniqueSubsets.cpp; size 2, 3 or 4.
// `size` cells of a unit holding only `size` digits between them: the digits leave the unit's other cells.
bool FindNakedSubset(const TechniqueBoard& board, int size, TechniqueStep& step);
// `size` digits of a unit fitting only in `size` cells: the cells' other candidates go.
bool FindHiddenSubset(const TechniqueBoard& board, int size, TechniqueStep& step);

}  // namespace technique
