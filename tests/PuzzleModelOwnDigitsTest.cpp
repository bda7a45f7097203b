// The person's own digits and marks on a puzzle set: where they go, undo, Check and the hint that
// starts from them, on the plain model.
#include "PuzzleModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// kPuzzle set, with own digits on.
void SetPuzzle(PuzzleModel& model)
{
    model.Paste(kPuzzle);
    model.SetSuDoku();
    model.SetOwnDigitsOn(true);
}

std::string Texts(const PuzzleModel& model)
{
    std::string texts;
    for (const PuzzleModel::ShownCell& cell : model.Shown())
        texts += cell.text + ',';
    return texts;
}

int Right(int cell) { return kSolution[static_cast<std::size_t>(cell)] - '0'; }

TEST(OwnDigits, GoOnlyIntoEmptyCellsAndStayThroughTheReplayUntilReset)
{
    PuzzleModel model;
    SetPuzzle(model);
    model.SetOwnDigitsOn(false);
    model.TypeDigit(2, 4);
    EXPECT_EQ(model.Shown()[2].text, "") << "locked while off";
    model.SetOwnDigitsOn(true);
    model.SolveCell(3);
    for (const int cell : {0, 3, 2})  // a given, a revealed cell, an empty one
        model.TypeDigit(cell, 9);
    model.TypeDigit(2, 4);
    EXPECT_EQ(Texts(model).substr(0, 8), "5,3,4,6,");
    EXPECT_EQ(model.Shown()[2], (PuzzleModel::ShownCell{"4", false, true}));

    model.Undo();
    EXPECT_EQ(model.Shown()[2].text, "9");
    model.Redo();
    model.Solve();
    model.GoToStep(0);
    EXPECT_EQ(model.Shown()[2], (PuzzleModel::ShownCell{"4", false, true})) << "kept through the replay";
    model.NoteSaved();
    EXPECT_TRUE(model.HasUnsavedPuzzle()) << "no file keeps own digits";
    model.Reset();
    EXPECT_EQ(model.Shown()[2].text, "");
    EXPECT_FALSE(model.HasUnsavedPuzzle());
    model.Undo();
    EXPECT_EQ(model.Shown()[2].text, "") << "Reset leaves nothing to undo";
}

TEST(OwnDigits, MarksToggleAndFillIn)
{
    PuzzleModel model;
    SetPuzzle(model);
    const auto marks = [&model](std::size_t cell) { return model.ShownCandidates(false)[cell].own; };
    EXPECT_EQ(marks(2), 0);
    for (const int digit : {4, 1, 4})
        model.ToggleOwnMark(2, digit);
    model.ToggleOwnMark(0, 1);  // a given takes no marks
    EXPECT_EQ(marks(2) + marks(0), 0b1);
    EXPECT_EQ(model.ShownCandidates(true)[3].computed, model.Candidates()[3]) << "the others keep their candidates";
    model.EmptyCell(2);
    EXPECT_EQ(marks(2), 0);
    model.TypeDigit(3, 6);
    model.FillInCandidates();
    EXPECT_EQ(marks(2), 0b1011) << "1, 2 or 4, as the board shows";
    EXPECT_EQ(marks(5), 0b10001010) << "2, 4 or 8: the own 6 beside it counts";
    model.Undo();
    EXPECT_EQ(marks(2), 0);
}

TEST(OwnDigits, CheckFramesExactlyTheWrongDigitsAndMarks)
{
    struct Row {
        const char* name;
        std::function<void(PuzzleModel&)> work;
        std::string found;  // wrong digits, wrong marks: the framed cells
    };
    const Row rows[] = {
        {"nothing typed", [](PuzzleModel&) {}, "0 0:"},
        {"right digits", [](PuzzleModel& m) { m.TypeDigit(2, Right(2)); m.TypeDigit(71, Right(71)); }, "0 0:"},
        {"one wrong", [](PuzzleModel& m) { m.TypeDigit(2, Right(2)); m.TypeDigit(3, 1); }, "1 0: 3"},
        {"two wrong", [](PuzzleModel& m) { m.TypeDigit(2, 1); m.TypeDigit(3, 1); }, "2 0: 2 3"},
        {"marks without the digit", [](PuzzleModel& m) { m.ToggleOwnMark(2, 1); m.ToggleOwnMark(3, 6); }, "0 1: 2"},
    };
    for (const Row& row : rows) {
        PuzzleModel model;
        SetPuzzle(model);
        row.work(model);
        const std::string before = Texts(model);
        model.Check();
        ASSERT_TRUE(model.ShownCheck()) << row.name;
        std::string found = std::to_string(model.ShownCheck()->wrongDigits) + ' ' +
                            std::to_string(model.ShownCheck()->wrongMarks) + ':';
        for (int cell = 0; cell < 81; ++cell)
            found += model.WrongCells().test(static_cast<std::size_t>(cell)) ? ' ' + std::to_string(cell) : "";
        EXPECT_EQ(found, row.found) << row.name;
        EXPECT_EQ(Texts(model), before) << row.name << ": nothing revealed";
        model.TypeDigit(2, 7);
        EXPECT_TRUE(!model.ShownCheck() && model.WrongCells().none())
            << row.name << ": a change of the board takes the check away";
    }
}

TEST(OwnDigits, TheHintStartsFromTheBoardAsShown)
{
    PuzzleModel model;
    SetPuzzle(model);
    model.TypeDigit(2, 4);
    model.TypeDigit(56, 5);  // row 7, column 3 holds a 1
    model.Hint();
    ASSERT_TRUE(model.WrongHint());
    EXPECT_EQ(*model.WrongHint(), (CellDigit{56, 5}));
    EXPECT_TRUE(model.WrongCells().test(56));

    // Every empty cell but the last typed right: the only step left is that cell.
    model.Reset();
    const auto last = static_cast<int>(kPuzzle.find_last_of('.'));
    for (int cell = 0; cell < last; ++cell)
        model.TypeDigit(cell, Right(cell));  // the givens take nothing
    for (int press = 0; press < 3; ++press)
        model.Hint();
    EXPECT_EQ(model.Shown()[static_cast<std::size_t>(last)], (PuzzleModel::ShownCell{std::to_string(Right(last)), true}));
}

}  // namespace
