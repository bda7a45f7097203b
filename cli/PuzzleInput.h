// Where orvandel-solve finds its puzzles: saved-board files, text files with one puzzle a line,
// puzzles given on the command line, and standard input. Text is read a block at a time and never
// holds more than one line, itself at most kMaxLineLength bytes, in memory.
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

// Longer lines are reported and skipped.
inline constexpr size_t kMaxLineLength = size_t{1} << 20;

// Reads puzzles from a text stream, one a line: the first 81 characters are the puzzle and the
// rest of the line is ignored; blank lines and lines starting with '#' are skipped; a shorter or
// overlong line is reported as "<sourceName>:<line>: ..." and skipped. LF, CRLF and a lone CR
// each end a line; a UTF-8 byte-order mark at the start is ignored. A NUL byte stops the stream:
// such input is not text (UTF-16, a binary file, /dev/zero).
void ReadPuzzleLines(std::istream& in, const std::string& sourceName, PuzzleReceiver& receiver);

// Reads every puzzle that one command-line argument names: "-" (standard input), a .sdf file,
// a text file, or an 81-character puzzle (one without '/', so that a mistyped path is reported as
// such).
void ReadPuzzleArgument(const std::string& argument, PuzzleReceiver& receiver);

// The name as messages show it, in quotes, with control characters escaped (\n, \t, \r, \xHH).
std::string QuotedName(const std::string& name);
