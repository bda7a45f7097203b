// Moving through a text file of many puzzles on the model: which puzzle, the bounds, the states,
// and a file that changes or goes away under the model.
#include "PuzzleModel.h"
#include "TemporaryFolderTest.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using Command = PuzzleModel::Command;
using Result = PuzzleModel::MoveOutcome::Result;

std::string Board(const PuzzleModel& model)
{
    std::string text;
    for (const PuzzleModel::ShownCell& cell : model.Shown())
        text += cell.text.empty() ? '.' : cell.text[0];
    return text;
}

class CollectionTest : public TemporaryFolderTest {
protected:
    void SetUp() override
    {
        TemporaryFolderTest::SetUp();
        puzzles = ReadPuzzleFile("magictour_top95.txt");
        std::string text = "# the top 95\n";
        for (const std::string& puzzle : puzzles)
            text += puzzle + "\n";
        file = WriteFile("top95.txt", text);
        ASSERT_EQ(model.OpenFile(file).result, PuzzleModel::OpenOutcome::Result::Opened);
    }
    std::size_t Number() const { return model.Collection() ? model.Collection()->number : 0; }

    std::vector<std::string> puzzles;
    std::filesystem::path file;
    PuzzleModel model;
};

TEST_F(CollectionTest, MovesWithinTheFileAndNoFurther)
{
    const struct {
        const char* name;
        std::function<PuzzleModel::MoveOutcome(PuzzleModel&)> move;
        Result result;
        std::size_t number;  // where the board is afterwards
    } rows[] = {
        {"previous from the first", [](PuzzleModel& m) { return m.PreviousPuzzle(); }, Result::NoSuchPuzzle, 1},
        {"next", [](PuzzleModel& m) { return m.NextPuzzle(); }, Result::Moved, 2},
        {"go to 0", [](PuzzleModel& m) { return m.GoToPuzzle(0); }, Result::NoSuchPuzzle, 2},
        {"go to one past the end", [](PuzzleModel& m) { return m.GoToPuzzle(96); }, Result::NoSuchPuzzle, 2},
        {"go to the last", [](PuzzleModel& m) { return m.GoToPuzzle(95); }, Result::Moved, 95},
        {"next from the last", [](PuzzleModel& m) { return m.NextPuzzle(); }, Result::NoSuchPuzzle, 95},
        {"previous", [](PuzzleModel& m) { return m.PreviousPuzzle(); }, Result::Moved, 94},
        {"go to one past the resume stride", [](PuzzleModel& m) { return m.GoToPuzzle(65); }, Result::Moved, 65},
    };
    EXPECT_EQ(Number(), 1u);
    EXPECT_EQ(model.Collection()->count, 95u);
    EXPECT_EQ(Board(model), puzzles[0]);
    for (const auto& row : rows) {
        EXPECT_EQ(row.move(model).result, row.result) << row.name;
        EXPECT_EQ(Number(), row.number) << row.name;
        EXPECT_EQ(Board(model), puzzles[row.number - 1]) << row.name;
        EXPECT_EQ(model.IsEnabled(Command::PreviousPuzzle), row.number > 1) << row.name;
        EXPECT_EQ(model.IsEnabled(Command::NextPuzzle), row.number < 95) << row.name;
        EXPECT_TRUE(model.IsEnabled(Command::GoToPuzzle)) << row.name;
        EXPECT_FALSE(model.HasUnsavedPuzzle()) << row.name << ": the puzzle is in the file";
    }
}

TEST_F(CollectionTest, MovingOnLeavesTheSetStateAndTheBoardAsOpened)
{
    model.SetSuDoku();
    model.Solve();
    ASSERT_TRUE(model.IsSet());
    EXPECT_EQ(model.NextPuzzle().result, Result::Moved);
    EXPECT_FALSE(model.IsSet());
    EXPECT_EQ(Board(model), puzzles[1]);
    EXPECT_EQ(model.Unique(), "") << "the verdicts were the last puzzle's";
    model.TypeDigit(puzzles[1].find('.'), 9);
    EXPECT_TRUE(model.HasUnsavedPuzzle()) << "a change of the puzzle opened is the person's";
}

TEST_F(CollectionTest, OnlyAFileOfSeveralPuzzlesIsACollection)
{
    const struct {
        const char* name;
        std::string file;
        std::string bytes;
    } rows[] = {
        {"one puzzle of text", "one.txt", puzzles[3] + "\n"},
        {"a saved board", "board.sdf", puzzles[3]},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(model.GoToPuzzle(2).result, Result::Moved);
        ASSERT_EQ(model.OpenFile(WriteFile(row.file, row.bytes)).result, PuzzleModel::OpenOutcome::Result::Opened);
        EXPECT_FALSE(model.Collection()) << row.name;
        EXPECT_FALSE(model.IsEnabled(Command::GoToPuzzle)) << row.name;
        EXPECT_EQ(model.NextPuzzle().result, Result::NoSuchPuzzle) << row.name;
        EXPECT_EQ(Board(model), puzzles[3]) << row.name;
        ASSERT_EQ(model.OpenFile(file).result, PuzzleModel::OpenOutcome::Result::Opened);
    }
}

TEST_F(CollectionTest, AFileChangedUnderTheModelIsReadAgainAndTheBoardKept)
{
    const struct {
        const char* name;
        std::string text;  // written over the file; none: removed
        Result result;
        std::optional<std::size_t> count;  // of the collection afterwards; none: closed
    } rows[] = {
        {"cut to three puzzles", puzzles[7] + "\n" + puzzles[8] + "\n" + puzzles[9] + "\n", Result::Changed, 3},
        {"no puzzle left", "# nothing\n", Result::Unreadable, std::nullopt},
        {"removed", "", Result::Unreadable, std::nullopt},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(model.OpenFile(file).result, PuzzleModel::OpenOutcome::Result::Opened);
        ASSERT_EQ(model.GoToPuzzle(5).result, Result::Moved);
        if (row.text.empty())
            std::filesystem::remove(file);
        else
            WriteFile(file.filename().string(), row.text);
        EXPECT_EQ(model.NextPuzzle().result, row.result) << row.name;
        EXPECT_EQ(Board(model), puzzles[4]) << row.name;
        EXPECT_EQ(model.Collection() ? std::optional(model.Collection()->count) : std::nullopt, row.count) << row.name;
        if (row.count) {
            EXPECT_EQ(Number(), *row.count) << row.name << ": the place is kept within the file";
            EXPECT_EQ(model.GoToPuzzle(1).result, Result::Moved) << row.name;
            EXPECT_EQ(Board(model), puzzles[7]) << row.name;
        }
        WriteFile(file.filename().string(), "");
        for (const std::string& puzzle : puzzles)
            std::ofstream(file, std::ios::app) << puzzle << "\n";
    }
}

}  // namespace
