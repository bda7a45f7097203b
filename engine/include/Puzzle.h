// A puzzle: the 81 cells of the grid row by row from the top left (cell = row * 9 + column, both
// from 0), each a given digit 1..9 or empty. The one form in which a puzzle passes between the
// files, the model, the command line and the engine; its text form is the 81-character line.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr int kCellCount = 81;

struct Puzzle {
    static constexpr int kEmpty = -1;

    // 1..9 a given digit, kEmpty an empty cell. Other values are kept as they come: the engine
    // reads such a cell as one that can hold nothing.
    std::array<int, kCellCount> cells;

    Puzzle() { cells.fill(kEmpty); }
    explicit Puzzle(const int (&values)[kCellCount]);

    // "1".."9" give a digit; every other character is an empty cell, and so is every cell past
    // the end of a shorter line. Characters past the 81st are ignored.
    static Puzzle FromLine(std::string_view line);
    // One character per cell: the digit, or `empty` for any other value.
    std::string ToLine(char empty = '.') const;

    int operator[](int cell) const { return cells[static_cast<std::size_t>(cell)]; }
    int& operator[](int cell) { return cells[static_cast<std::size_t>(cell)]; }
    const int* data() const { return cells.data(); }
    bool IsEmpty(int cell) const { return (*this)[cell] == kEmpty; }

    bool operator==(const Puzzle&) const = default;
};
