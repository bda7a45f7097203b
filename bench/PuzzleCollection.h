// The puzzle collections the benchmark times: text files with one puzzle a line, and JSON-lines
// transcripts whose "puzzle" field holds the puzzle.
#pragma once

#include <string>
#include <vector>

struct CollectionPuzzle {
    std::string text;  // 81 characters: '1'..'9' a digit, anything else an empty cell
    int line = 0;      // 1-based line in the file, to find the puzzle again
};

struct PuzzleCollection {
    std::string name;  // the file name without folder and extension
    std::vector<CollectionPuzzle> puzzles;
};

// Reads at most `limit` puzzles (all when limit is 0). Lines that hold no puzzle (blank, '#'
// comments, shorter than 81 characters, JSON without a "puzzle" field) are skipped. Returns false
// with a message when the file cannot be read.
bool ReadCollection(const std::string& path, size_t limit, PuzzleCollection& collection, std::string& error);
