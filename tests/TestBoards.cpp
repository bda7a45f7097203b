#include "TestBoards.h"

#include "TechniqueBoard.h"

#include <algorithm>
#include <fstream>
#include <set>

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

bool IsValidSolution(const std::string& solution81, const std::string& puzzle81)
{
    if (solution81.size() != 81)
        return false;
    for (size_t cell = 0; cell < 81; ++cell) {
        const char given = cell < puzzle81.size() ? puzzle81[cell] : '.';
        if (given >= '1' && given <= '9' && solution81[cell] != given)
            return false;
    }
    for (int unit = 0; unit < 9; ++unit) {
        std::set<char> row, column, square;
        for (int i = 0; i < 9; ++i) {
            row.insert(solution81[static_cast<size_t>(unit * 9 + i)]);
            column.insert(solution81[static_cast<size_t>(i * 9 + unit)]);
            const int y = (unit / 3) * 3 + i / 3;
            const int x = (unit % 3) * 3 + i % 3;
            square.insert(solution81[static_cast<size_t>(y * 9 + x)]);
        }
        const std::set<char> all{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
        if (row != all || column != all || square != all)
            return false;
    }
    return true;
}

std::vector<std::string> ReadPuzzleFile(const std::string& fileName)
{
    std::ifstream file(std::string(ORVANDEL_TEST_DATA) + "/" + fileName);
    std::vector<std::string> puzzles;
    std::string line;
    while (std::getline(file, line)) {
        if (line.size() >= 81 && line[0] != '#')
            puzzles.push_back(line.substr(0, 81));
    }
    return puzzles;
}

std::vector<CellDigit> Each(std::initializer_list<int> cells, std::initializer_list<int> digits)
{
    std::vector<CellDigit> list;
    for (const int cell : cells) {
        for (const int digit : digits)
            list.push_back({cell, digit});
    }
    return list;
}

std::vector<CellDigit> OnlyIn(int unit, std::initializer_list<int> keep, int digit)
{
    std::vector<CellDigit> list;
    for (const int cell : technique::UnitCells(unit)) {
        if (std::find(keep.begin(), keep.end(), cell) == keep.end())
            list.push_back({cell, digit});
    }
    return list;
}

std::vector<CellDigit> operator+(std::vector<CellDigit> a, const std::vector<CellDigit>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
