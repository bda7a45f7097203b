#include "Puzzle.h"

#include <algorithm>

Puzzle::Puzzle(const int (&values)[kCellCount])
{
    std::copy(std::begin(values), std::end(values), cells.begin());
}

Puzzle Puzzle::FromLine(std::string_view line)
{
    Puzzle puzzle;
    const std::size_t length = std::min(line.size(), puzzle.cells.size());
    for (std::size_t cell = 0; cell < length; ++cell) {
        const char c = line[cell];
        if (c >= '1' && c <= '9')
            puzzle.cells[cell] = c - '0';
    }
    return puzzle;
}

std::string Puzzle::ToLine(char empty) const
{
    std::string line(cells.size(), empty);
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        if (cells[cell] >= 1 && cells[cell] <= 9)
            line[cell] = static_cast<char>('0' + cells[cell]);
    }
    return line;
}
