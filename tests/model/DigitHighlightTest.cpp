// The highlighted digit, the marks placing a digit cleans up, and clashing own digits, on the plain model.
#include "PuzzleModel.h"

#include <gtest/gtest.h>

namespace {

// Cells row by row from 0: its 4s stand in cells 36 and 66, its 9s in 13, 19, 68 and 80, a 7 in 4.
const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

using Typed = std::vector<std::pair<int, int>>;  // cell, digit

void SetAndType(PuzzleModel& model, const Typed& typed)
{
    model.Paste(kPuzzle);
    model.SetSuDoku();
    model.SetOwnDigitsOn(true);
    for (const auto& [cell, digit] : typed)
        model.TypeDigit(cell, digit);
}

std::bitset<kCellCount> Cells(const std::vector<int>& cells)
{
    std::bitset<kCellCount> set;
    for (const int cell : cells)
        set.set(static_cast<std::size_t>(cell));
    return set;
}

TEST(DigitHighlight, PicksTheCellsShowingTheDigitByKeyOrClick)
{
    const struct { const char* name; std::vector<int> keys, clicks; int digit; std::vector<int> cells; } rows[] = {
        {"givens and own digits", {4}, {}, 4, {2, 36, 66}},
        {"the same digit again clears", {4, 4}, {}, 0, {}},
        {"another digit takes over", {4, 9}, {}, 9, {13, 19, 68, 80}},
        {"out of range changes nothing", {4, 10, -1}, {}, 4, {2, 36, 66}},
        {"a click on a given", {}, {13}, 9, {13, 19, 68, 80}},
        {"a click on an empty cell changes nothing", {4}, {3}, 4, {2, 36, 66}},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        SetAndType(model, {{2, 4}});
        for (const int digit : row.keys)
            model.HighlightDigit(digit);
        for (const int cell : row.clicks)
            model.HighlightDigitOf(cell);
        EXPECT_EQ(std::pair(model.HighlightedDigit(), model.HighlightedCells()), std::pair(row.digit, Cells(row.cells)))
            << row.name;
    }
}

TEST(DigitHighlight, PlacingADigitTakesItOutOfTheMarksThatSeeItInOneUndoStep)
{
    const struct { const char* name; bool clean; std::vector<std::uint16_t> marks; } rows[] = {
        {"cleaned in row, column and square", true, {0b1, 0b0, 0b1000}},
        {"left alone when turned off", false, {0b1001, 0b1000, 0b1000}},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        SetAndType(model, {});
        model.SetCleanMarksOnPlace(row.clean);
        for (const auto& [cell, digit] : Typed{{3, 4}, {3, 1}, {11, 4}, {72, 4}})  // row, column and square, elsewhere
            model.ToggleOwnMark(cell, digit);
        const auto marks = [&model](std::size_t cell) { return model.ShownCandidates(false)[cell].own; };
        model.TypeDigit(2, 4);
        EXPECT_EQ((std::vector{marks(3), marks(11), marks(72)}), row.marks) << row.name;
        model.Undo();
        EXPECT_TRUE(model.Shown()[2].text.empty() && (marks(3) | marks(11)) == 0b1001) << row.name << ": one undo";
    }
}

TEST(DigitHighlight, ClashesAreWhatTheBoardProves)
{
    const struct { const char* name; Typed typed; bool show; std::vector<int> ownDigits, repeated; } rows[] = {
        {"a given in its row", {{2, 7}}, true, {2}, {4}},
        {"givens in its row, column and square", {{10, 9}}, true, {10}, {13, 19}},
        {"two own digits in a square", {{2, 2}, {10, 2}}, true, {2, 10}, {2, 10}},
        {"a wrong digit nothing on the board contradicts", {{2, 1}}, true, {}, {}},
        {"not shown when turned off", {{2, 7}}, false, {}, {}},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        SetAndType(model, row.typed);
        model.SetShowClashes(row.show);
        const auto [own, repeated] = model.ShownClashes();
        EXPECT_EQ(std::pair(own, repeated), std::pair(Cells(row.ownDigits), Cells(row.repeated))) << row.name;
    }
}

}  // namespace
