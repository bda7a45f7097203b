#include "TechniqueCuts.h"

#include "TechniqueBoard.h"

#include <algorithm>

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
