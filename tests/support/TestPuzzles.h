// Helpers shared by the tests: puzzles as 81-character strings, the test data's collections, and
// an independent checker.
#pragma once

#include <string>
#include <vector>

// True when every row, column and square holds 1..9 once and every given digit is kept.
bool IsValidSolution(const std::string& solution81, const std::string& puzzle81);
// Every puzzle line of a file in the test data folder.
std::vector<std::string> ReadPuzzleFile(const std::string& fileName);
// A data file's name as a test's name: "magictour_top95.txt" gives "magictour_top95".
std::string TestNameOfFile(const std::string& fileName);
