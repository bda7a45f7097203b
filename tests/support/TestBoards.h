// The explained solver's board from and to an 81-character puzzle, for the tests that look into it.
#pragma once

#include "solver/SuDokuBoard.h"
#include "TestPuzzles.h"

#include <string>

// "1".."9" are digits; any other character is an empty cell.
CSuDokuBoard BoardFromText(const std::string& text81);
// The board's values row by row: the digit, '.' for -1, '!' for -2 (no Evaluate is run).
std::string BoardToText(const CSuDokuBoard& board);
