#include "TestBoards.h"

CSuDokuBoard BoardFromText(const std::string& text81)
{
    CSuDokuBoard board;
    board.Load(Puzzle::FromLine(text81));
    return board;
}

std::string BoardToText(const CSuDokuBoard& board)
{
    std::string text;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int value = board.GetValueRowCol(row, column);
            text += value == -2 ? '!' : (value >= 1 && value <= 9 ? static_cast<char>('0' + value) : '.');
        }
    }
    return text;
}
