// What opening a puzzle file as a collection costs in the window: counting its puzzles, and then
// reaching one in the middle and the last.
#pragma once

#include <string>
#include <vector>

// Prints one line per file: its puzzles, and the processor time of Open and of the two moves.
void BenchCollectionOpening(const std::vector<std::string>& files);
