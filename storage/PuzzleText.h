// Puzzles as plain text, the way people paste them from web pages, newspapers' sites, e-mails and
// other programs, and the way puzzle collections store them. One reader serves the window's Paste
// and Open and the command-line solver, so a text means the same puzzle everywhere.
//
// What the reader takes from a text
//   cells      "1".."9" are digits; ".", "0", "_", "*" and "?" are empty cells. Cells are read
//              row by row in the order they stand, whatever the layout: one line of 81, nine lines
//              of nine, blanks between cells, or a grid drawn with "|", "-", "+" and "=" (or with
//              box-drawing characters).
//   separators whitespace, every other punctuation mark, single letters (row labels such as "A")
//              and every non-ASCII character that is not a letter (no-break spaces, middle dots,
//              stars, bullets, box drawing, byte-order marks) stand between cells and are ignored.
//              Fullwidth digits count as digits.
//   rule lines a line of only drawing characters ("-", "=", "+", "|", ":", "'", "." and "*",
//              box drawing, blanks) with at least two "-" or "=" in a row draws a line of the grid:
//              it holds no cells, so corners such as "*-------*" are not taken for empty cells.
//   comments   "#" and everything after it on its line.
//   words      two letters in a row, in any script, make a word. A word and the rest of its line
//              are a note. What stands before the word counts only if it holds at least nine cells
//              (a row or a puzzle with a note after it); fewer are the note's label, so captions
//              such as "Puzzle 1:", "No. 5 (hard)" or "17 clues" add no cells.
//   lines      LF, CRLF, a lone CR and the Unicode line separators end a line.
//   bytes      text is read as UTF-8 characters, never byte by byte.
//
// How a text divides into puzzles (PuzzleLineReader)
//   A line that by itself holds 81 cells or more is a puzzle on one line: its first 81 cells are
//   taken and the rest of the line ignored (a solution or a rating often follows). Otherwise the
//   cells of consecutive lines are gathered until exactly 81 stand at the end of a line. When a
//   line takes them past 81, the earliest lines are given up until they fit again; the lines
//   gathered before it are reported together once all of them are given up, and the next puzzle
//   is looked for after them. A line with text but no cells (a caption) ends the gathering,
//   so no puzzle is ever made of two grids' rows; blank, comment and rule lines do not. Such a line
//   with nine cells or more among its words ("53xx7xxxx6...", a JSON object) is reported.
//   A line that is not valid UTF-8, or longer than kMaxLineBytes, is reported and holds no cells;
//   a NUL byte means the input is no text at all (UTF-16, a binary file, /dev/zero), and reading
//   stops there.
#pragma once

#include "Puzzle.h"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

struct PuzzleText {
    std::size_t cellCount = 0;  // the cells found
    // ReadPuzzleText: the first cells found, cells past cellCount empty. ReadFirstPuzzle: the
    // puzzle when isBoard, otherwise empty.
    Puzzle puzzle;
    // True when one board was found, so puzzle holds a whole one (cellCount is then 81).
    bool isBoard = false;

    bool IsBoard() const { return isBoard; }
};

// Every cell of a text, as pasted: a board only when the text holds exactly 81 cells. Reads the
// text once, front to back. A byte that is not part of valid UTF-8 is a separator here: a pasted
// text has no lines to report.
PuzzleText ReadPuzzleText(std::string_view text);

// Longer lines are reported and hold no cells: no puzzle needs a mebibyte, and a bound keeps an
// endless line from being read for ever.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// Lines of a text (numbered from 1) that make no puzzle, and why.
struct PuzzleTextProblem {
    enum class Kind {
        NotAPuzzle,  // they hold cellCount cells, which end no puzzle
        NotUtf8,     // the line is not valid UTF-8
        TooLong,     // the line is longer than kMaxLineBytes
        NotText,     // the line holds a NUL byte; reading stopped
        AmongWords,  // the line's cellCount cells (nine or more) stand among words: read as a note
    };
    Kind kind = Kind::NotAPuzzle;
    long firstLine = 0;
    long lastLine = 0;
    std::size_t cellCount = 0;
};

// Receives what a PuzzleLineReader finds, in the order it stands in the text.
class PuzzleTextReceiver {
public:
    virtual ~PuzzleTextReceiver() = default;
    // A puzzle; returning false stops the reading.
    virtual bool OnPuzzle(const Puzzle& puzzle) = 0;
    virtual void OnProblem(const PuzzleTextProblem& problem) = 0;
};

// Divides a text fed in pieces of any size into puzzles, as the header's comment describes. Work
// is linear in the text and memory is bounded: at most two boards' cells are kept.
class PuzzleLineReader {
public:
    explicit PuzzleLineReader(PuzzleTextReceiver& receiver);
    ~PuzzleLineReader();
    PuzzleLineReader(const PuzzleLineReader&) = delete;
    PuzzleLineReader& operator=(const PuzzleLineReader&) = delete;

    // Reads the next piece of the text; false once reading has stopped (the receiver asked, or a
    // NUL byte), after which further pieces are ignored.
    bool Feed(std::string_view bytes);
    // The end of the text: the last line ends, and cells still gathered are reported.
    void Finish();
    // The cells of every line read so far that is text (a note's label and a rule line's corners
    // are no cells).
    std::size_t CellCount() const;
    // The lines read so far with text but no cells: captions, notes, words.
    long NoteLines() const;
    // True while lines read since the last puzzle hold cells that may yet end one: a fresh reader
    // started after a line end where this is false finds the same puzzles from there on.
    bool Gathering() const;

private:
    class Scanner;
    std::unique_ptr<Scanner> m_scanner;
};

// The first puzzle of a text stream, for files that hold one puzzle or a whole collection: the
// first one PuzzleLineReader finds. Reading stops as soon as it is found, so a large collection
// costs no more than its first puzzle. When there is none, cellCount is what the text held.
PuzzleText ReadFirstPuzzle(std::istream& in);
