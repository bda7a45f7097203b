#include "TestPuzzles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

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

std::string TestNameOfFile(const std::string& fileName)
{
    std::string name = fileName.substr(0, fileName.rfind('.'));
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}
