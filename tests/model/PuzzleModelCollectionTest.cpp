// Moving through a text file of many puzzles on the model: which puzzle, the bounds, the states,
// and a file that changes or goes away under the model.
#include "PuzzleModel.h"
#include "TemporaryFolderTest.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <tuple>

namespace {

using Command = PuzzleModel::Command;
using Result = PuzzleModel::MoveOutcome::Result;

class CollectionTest : public TemporaryFolderTest {
protected:
    void SetUp() override
    {
        TemporaryFolderTest::SetUp();
        puzzles = ReadPuzzleFile("magictour_top95.txt");
        Write(puzzles);
        ASSERT_EQ(model.OpenFile(file).result, PuzzleModel::OpenOutcome::Result::Opened);
    }
    void Write(const std::vector<std::string>& lines)
    {
        std::string text = "# a collection\n";
        for (const std::string& line : lines)
            text += line + "\n";
        file = WriteFile("top.txt", text);
    }
    std::string Board() const { return Puzzle::FromLine(model.CopyText()).ToLine(); }
    std::size_t Number() const { return model.Collection() ? model.Collection()->number : 0; }

    std::vector<std::string> puzzles;
    std::filesystem::path file;
    PuzzleModel model;
};

TEST_F(CollectionTest, MovesWithinTheFileAndNoFurther)
{
    constexpr std::size_t kNext = 0, kPrevious = 1000;
    // Where to go (a number, kNext or kPrevious), the answer, and the puzzle on the board afterwards.
    const std::tuple<std::size_t, Result, std::size_t> rows[] = {{kPrevious, Result::NoSuchPuzzle, 1}, {kNext, Result::Moved, 2},  {96, Result::NoSuchPuzzle, 2},
                {95, Result::Moved, 95},             {kNext, Result::NoSuchPuzzle, 95}, {kPrevious, Result::Moved, 94},
                {65, Result::Moved, 65}};
    for (const auto& [to, result, number] : rows) {
        const auto outcome = to == kNext ? model.NextPuzzle() : to == kPrevious ? model.PreviousPuzzle() : model.GoToPuzzle(to);
        EXPECT_EQ(outcome.result, result) << to;
        EXPECT_EQ(Number(), number) << to;
        EXPECT_EQ(Board(), puzzles[number - 1]) << to;
        EXPECT_EQ(model.IsEnabled(Command::PreviousPuzzle), number > 1) << to;
        EXPECT_EQ(model.IsEnabled(Command::NextPuzzle), number < 95) << to;
        EXPECT_TRUE(model.Collection()->count == 95 && !model.HasUnsavedPuzzle()) << to;
    }
    EXPECT_EQ(model.GoToPuzzle(0).result, Result::NoSuchPuzzle);
}

TEST_F(CollectionTest, MovingOnLeavesTheSetStateAndAnotherFileClosesIt)
{
    model.SetSuDoku();
    model.Solve();
    EXPECT_EQ(model.NextPuzzle().result, Result::Moved);
    EXPECT_TRUE(!model.IsSet() && Board() == puzzles[1]);
    EXPECT_EQ(model.Solved() + model.Status(), "") << "no verdict yet on the puzzle moved to";
    model.TypeDigit(static_cast<int>(puzzles[1].find('.')), 9);
    EXPECT_TRUE(model.HasUnsavedPuzzle()) << "a change of the puzzle opened is the person's";

    for (const char* name : {"one.txt", "board.sdf"}) {  // a single puzzle of text, a saved board
        ASSERT_EQ(model.OpenFile(WriteFile(name, puzzles[3])).result, PuzzleModel::OpenOutcome::Result::Opened);
        EXPECT_FALSE(model.Collection() || model.IsEnabled(Command::GoToPuzzle)) << name;
        ASSERT_EQ(model.OpenFile(file).result, PuzzleModel::OpenOutcome::Result::Opened);
    }
}

TEST_F(CollectionTest, AFileChangedUnderTheModelIsReadAgainAndTheBoardKept)
{
    // What happens to the file, what moving on answers, and the count afterwards (0: closed).
    const std::tuple<std::function<void()>, Result, std::size_t> rows[] = {
        {[&] { Write({puzzles[7], puzzles[8], puzzles[9]}); }, Result::Changed, 3},
        {[&] {  // the same bytes in a new file
             std::filesystem::copy_file(file, folder / "new.txt");
             std::filesystem::rename(folder / "new.txt", file);
         }, Result::Changed, 95},
        {[&] { Write({"# none"}); }, Result::Unreadable, 0},
        {[&] { std::filesystem::remove(file); }, Result::Unreadable, 0},
        {[&] { std::filesystem::remove(file), ::mkfifo(file.c_str(), 0600); }, Result::Unreadable, 0}};
    for (const auto& [change, result, count] : rows) {
        std::filesystem::remove(file);
        Write(puzzles);
        ASSERT_EQ(model.OpenFile(file).result, PuzzleModel::OpenOutcome::Result::Opened);
        ASSERT_EQ(model.GoToPuzzle(5).result, Result::Moved);
        change();
        EXPECT_EQ(model.NextPuzzle().result, result) << count;
        EXPECT_EQ(Board(), puzzles[4]) << count;
        EXPECT_EQ(model.Collection() ? model.Collection()->count : 0, count);
        EXPECT_EQ(Number(), count == 95 ? 5 : 0) << "only a puzzle the file still holds there";
        model.PreviousPuzzle();
        EXPECT_EQ(Number(), std::min<std::size_t>(count, 4)) << "the one before where it stood";
    }
}

}  // namespace
