// Puzzles as plain text, the way people paste them from web pages, newspapers' sites, e-mails and
// other programs, and the way puzzle collections store them.
//
// What the reader takes from a text
//   cells      "1".."9" are digits; ".", "0", "_", "*" and "?" are empty cells. Cells are read
//              row by row in the order they stand, whatever the layout: one line of 81, nine lines
//              of nine, blanks between cells, or a grid drawn with "|", "-", "+" and "=" (or with
//              box-drawing characters).
//   separators whitespace, every other punctuation mark, single letters (row labels such as "A")
//              and every non-ASCII character that is not a letter (no-break spaces, stars, bullets,
//              box drawing) stand between cells and are ignored. Fullwidth digits count as digits.
//   rule lines a line of only drawing characters ("-", "=", "+", "|", ":", "'", "." and "*",
//              box drawing, blanks) with at least two "-" or "=" in a row draws a line of the grid:
//              it holds no cells, so corners such as "*-------*" are not taken for empty cells.
//   comments   "#" and everything after it on its line.
//   words      two letters in a row, in any script, make a word. A word and the rest of its line
//              are a note. What stands before the word counts only if it holds at least nine cells
//              (a row or a puzzle with a note after it); fewer are the note's label, so captions
//              such as "Puzzle 1:", "No. 5 (hard)" or "17 clues" add no cells.
//   bytes      text is read as UTF-8; a byte that is not part of a valid sequence is a separator.
// The reader never fails: every text yields a count of the cells it holds.
#pragma once

#include "Puzzle.h"

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

struct PuzzleText {
    std::size_t cellCount = 0;  // the cells found
    // The first cells found; cells past cellCount are empty.
    Puzzle puzzle;

    // True when exactly one board's cells were found, so puzzle holds a whole one.
    bool IsBoard() const { return cellCount == kCellCount; }
};

// Every cell of a text, as pasted: a board only when the text holds exactly 81 cells. Reads the
// text once, front to back.
PuzzleText ReadPuzzleText(std::string_view text);

// The first puzzle of a text stream, for files that hold one puzzle or a whole collection.
// A line that by itself holds 81 cells or more, met before any other cell, is a puzzle on one line:
// its first 81 cells are taken and the rest of the line ignored (a solution or a rating often
// follows). Otherwise cells are gathered line by line until there are exactly 81 at the end of a
// line. Reading stops as soon as that is decided, so a large collection costs no more than its
// first puzzle. When no puzzle is found, cellCount tells what was gathered: fewer than 81 at the
// end of the text, or more than 81 when lines did not end exactly at the 81st cell (two grids side
// by side, say).
PuzzleText ReadFirstPuzzle(std::istream& in);

// The most of a file that ReadFirstPuzzleFile reads: far more than any one puzzle with its notes,
// and a bound on what an endless file can cost.
inline constexpr std::size_t kMaxPuzzleFileBytes = 1024 * 1024;

// ReadFirstPuzzle on the first kMaxPuzzleFileBytes of a regular file. Returns false, leaving
// result untouched, when the file cannot be opened or read or is not a regular file.
bool ReadFirstPuzzleFile(const std::filesystem::path& path, PuzzleText& result);
