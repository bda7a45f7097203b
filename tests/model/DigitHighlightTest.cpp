// The highlighted digit, the marks placing a digit cleans up, and clashing own digits, on the plain model.
#include "PuzzleModel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

//  5 3 . | . 7 . | . . .
//  6 . . | 1 9 5 | . . .
//  . 9 8 | . . . | . 6 .
//  8 . . | . 6 . | . . 3
//  4 . . | 8 . 3 | . . 1
//  7 . . | . 2 . | . . 6
//  . 6 . | . . . | 2 8 .
//  . . . | 4 1 9 | . . 5
//  . . . | . 8 . | . 7 9
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

TEST(DigitHighlight, PicksTheCellsShowingTheDigit)
{
    struct Row {
        const char* name;
        std::vector<int> presses;
        int digit;
        std::vector<int> cells;
    };
    const Row rows[] = {
        {"givens and own digits", {4}, 4, {2, 36, 66}},
        {"the same digit again clears", {4, 4}, 0, {}},
        {"another digit takes over", {4, 9}, 9, {13, 19, 68, 80}},
        {"zero clears", {4, 0}, 0, {}},
        {"out of range changes nothing", {4, 10, -1}, 4, {2, 36, 66}},
    };
    for (const Row& row : rows) {
        PuzzleModel model;
        SetAndType(model, {{2, 4}});
        for (const int digit : row.presses)
            model.HighlightDigit(digit);
        EXPECT_EQ(model.HighlightedDigit(), row.digit) << row.name;
        EXPECT_EQ(model.HighlightedCells(), Cells(row.cells)) << row.name;
    }
}

TEST(DigitHighlight, PlacingADigitTakesItOutOfTheMarksThatSeeIt)
{
    struct Row {
        const char* name;
        bool clean;
        std::uint16_t sameRow, sameColumnAndSquare, elsewhere;
    };
    const Row rows[] = {
        {"cleaned in row, column and square", true, 0b1, 0b0, 0b1000},
        {"left alone when turned off", false, 0b1001, 0b1000, 0b1000},
    };
    for (const Row& row : rows) {
        PuzzleModel model;
        SetAndType(model, {});
        model.SetCleanMarksOnPlace(row.clean);
        for (const auto& [cell, digit] : Typed{{3, 4}, {3, 1}, {11, 4}, {72, 4}})
            model.ToggleOwnMark(cell, digit);
        const auto marks = [&model](std::size_t cell) { return model.ShownCandidates(false)[cell].own; };
        model.TypeDigit(2, 4);
        EXPECT_EQ(marks(3), row.sameRow) << row.name;
        EXPECT_EQ(marks(11), row.sameColumnAndSquare) << row.name;
        EXPECT_EQ(marks(72), row.elsewhere) << row.name;
        model.Undo();
        EXPECT_EQ(model.Shown()[2].text, "") << row.name;
        EXPECT_EQ(marks(3) | marks(11), 0b1001) << row.name << ": one undo brings the marks back";
    }
}

TEST(DigitHighlight, ClashesAreWhatTheBoardProves)
{
    struct Row {
        const char* name;
        Typed typed;
        bool show;
        std::vector<int> ownDigits, repeated;
    };
    const Row rows[] = {
        {"a given in its row", {{2, 7}}, true, {2}, {4}},
        {"givens in its row, column and square", {{10, 9}}, true, {10}, {13, 19}},
        {"two own digits in a square", {{2, 2}, {10, 2}}, true, {2, 10}, {2, 10}},
        {"a wrong digit nothing on the board contradicts", {{2, 1}}, true, {}, {}},
        {"not shown when turned off", {{2, 7}}, false, {}, {}},
    };
    for (const Row& row : rows) {
        PuzzleModel model;
        SetAndType(model, row.typed);
        model.SetShowClashes(row.show);
        EXPECT_EQ(model.ShownClashes().ownDigits, Cells(row.ownDigits)) << row.name;
        EXPECT_EQ(model.ShownClashes().repeated, Cells(row.repeated)) << row.name;
    }
}

}  // namespace
