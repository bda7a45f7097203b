// Helpers shared by the tests: puzzles as 81-character strings, and an independent checker.
#pragma once

#include "SuDokuBoard.h"

#include <array>
#include <string>
#include <vector>

// "1".."9" are digits; any other character is an empty cell.
CSuDokuBoard BoardFromText(const std::string& text81);
// The board's values row by row: the digit, '.' for -1, '!' for -2 (no Evaluate is run).
std::string BoardToText(const CSuDokuBoard& board);
// True when every row, column and square holds 1..9 once and every given digit is kept.
bool IsValidSolution(const std::string& solution81, const std::string& puzzle81);
// Every puzzle line of a file in the test data folder.
std::vector<std::string> ReadPuzzleFile(const std::string& fileName);
