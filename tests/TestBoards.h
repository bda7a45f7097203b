// Helpers shared by the tests: puzzles as 81-character strings, and an independent checker.
#pragma once

#include "solver/SuDokuBoard.h"
#include "TechniqueStep.h"

#include <array>
#include <initializer_list>
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

// Candidates to cut from a technique board, to make a pattern by hand (cells row * 9 + column).
// Every pairing of the cells with the digits, cell by cell.
std::vector<CellDigit> Each(std::initializer_list<int> cells, std::initializer_list<int> digits);
// The digit from the unit's cells other than `keep` (units as the technique board numbers them).
std::vector<CellDigit> OnlyIn(int unit, std::initializer_list<int> keep, int digit);
std::vector<CellDigit> operator+(std::vector<CellDigit> a, const std::vector<CellDigit>& b);
