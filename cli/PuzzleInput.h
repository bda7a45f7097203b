// Where orvandel-solve finds its puzzles: saved-board files, text files, puzzles given on the
// command line, and standard input. Text is divided into puzzles by the reader the window's Open
// uses (storage/PuzzleText.h), a block at a time, so a whole collection never sits in memory.
#pragma once

#include "Puzzle.h"

#include <cstddef>
#include <iosfwd>
#include <string>

// Receives what the reader finds, in input order.
class PuzzleReceiver {
public:
    virtual ~PuzzleReceiver() = default;
    virtual void OnPuzzle(const Puzzle& puzzle) = 0;
    // One message for each problem with the input; reading goes on where it can.
    virtual void OnError(const std::string& message) = 0;
    // The reader has used up what the input holds so far and is about to wait for more: the
    // moment to show the results of what came, for someone typing puzzles or a slow pipe.
    virtual void OnInputWait() {}
};

// Reads the puzzles of a text stream (PuzzleLineReader). Lines that make no puzzle are reported as
// "<sourceName>:<line>: ..." and the reading goes on after them; a NUL byte stops it, since such
// input is not text (UTF-16, a binary file, /dev/zero). A text with words but no puzzle at all
// (a JSON file, say) is reported too.
void ReadPuzzleLines(std::istream& in, const std::string& sourceName, PuzzleReceiver& receiver);

// Reads every puzzle that one command-line argument names: "-" (standard input), a saved board
// (.sdf, exactly 81 bytes read; a shorter file, or anything but a regular file, is an error), a
// text file, or, when no such file exists, the puzzles the argument itself holds as text.
void ReadPuzzleArgument(const std::string& argument, PuzzleReceiver& receiver);

// The name as messages show it, in quotes, with control characters escaped (\n, \t, \r, \xHH).
std::string QuotedName(const std::string& name);
