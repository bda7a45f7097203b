// Where orvandel-solve finds its puzzles: saved-board files, text files with one puzzle a line,
// puzzles given on the command line, and standard input. Text files are streamed a line at a time.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

struct Puzzle {
    int values[81];  // row by row, -1 for an empty cell
};

// A puzzle in text: "1".."9" are digits, any other character an empty cell.
Puzzle PuzzleFromText(const std::string& text81);

// Receives each puzzle in input order.
using PuzzleSink = std::function<void(const Puzzle&)>;
// Receives one message for each problem with the input; reading goes on where it can.
using ErrorSink = std::function<void(const std::string&)>;

// Reads puzzles from a text stream, one a line: the first 81 characters are the puzzle and the
// rest of the line is ignored; blank lines and lines starting with '#' are skipped; a shorter
// line is reported as "<sourceName>:<line>: ..." and skipped.
void ReadPuzzleLines(std::istream& in, const std::string& sourceName, const PuzzleSink& onPuzzle,
                     const ErrorSink& onError);

// Reads every puzzle that one command-line argument names: "-" (standard input), a .sdf file,
// a text file, or an 81-character puzzle.
void ReadPuzzleArgument(const std::string& argument, const PuzzleSink& onPuzzle, const ErrorSink& onError);
