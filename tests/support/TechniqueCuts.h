// Candidates to cut from a technique board, to make a pattern by hand (cells row * 9 + column).
#pragma once

#include "TechniqueStep.h"

#include <initializer_list>
#include <vector>

// Every pairing of the cells with the digits, cell by cell.
std::vector<CellDigit> Each(std::initializer_list<int> cells, std::initializer_list<int> digits);
// The digit from the unit's cells other than `keep` (units as the technique board numbers them).
std::vector<CellDigit> OnlyIn(int unit, std::initializer_list<int> keep, int digit);
std::vector<CellDigit> operator+(std::vector<CellDigit> a, const std::vector<CellDigit>& b);
