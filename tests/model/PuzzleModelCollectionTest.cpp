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

// A game given by one model and taken by another puts the same board before the person.
TEST_F(CollectionTest, AGameTakenBackIsTheGameGiven)
{
    const int empty = static_cast<int>(puzzles[0].find('.'));
    const int other = static_cast<int>(puzzles[0].find('.', static_cast<std::size_t>(empty) + 1));
    const struct {
        const char* name;
        std::function<void()> play;
        std::function<bool(const Game&)> holds;  // what the row is about is in the game
    } rows[] = {
        {"a puzzle being entered", [&] { model.TypeDigit(empty, 4); },
         [&](const Game& game) { return !game.set && game.puzzle[empty] == 4; }},
        {"own digits and marks",
         [&] {
             model.SetSuDoku(), model.SetOwnDigitsOn(true);
             model.TypeDigit(empty, 7), model.ToggleOwnMark(other, 2), model.ToggleOwnMark(other, 9);
         },
         [&](const Game& game) { return game.ownDigits[empty] == 7 && game.ownMarks[other] == 0x102; }},
        {"a cell solved and a hint taken",
         [&] { model.SetSuDoku(), model.SolveCell(other), model.Hint(), model.Hint(), model.Hint(); },
         [&](const Game& game) {
             return game.revealed.count() >= 1 && (game.hintPlaced != Puzzle() || game.struck != CandidateMasks{});
         }},
        {"own digits turned off on a later puzzle",
         [&] {
             model.GoToPuzzle(3), model.SetSuDoku(), model.SetOwnDigitsOn(true);
             model.TypeDigit(static_cast<int>(puzzles[2].find('.')), 1), model.SetOwnDigitsOn(false);
         },
         [&](const Game& game) { return game.number == 3 && !game.ownDigitsOn && game.ownDigits != Puzzle(); }},
    };
    for (const auto& row : rows) {
        model.Clear();
        ASSERT_EQ(model.GoToPuzzle(1).result, Result::Moved);
        row.play();
        const Game game = model.CurrentGame();
        EXPECT_TRUE(row.holds(game)) << row.name;
        EXPECT_EQ(game.collection, file) << row.name;
        PuzzleModel restored;
        ASSERT_TRUE(restored.RestoreGame(game)) << row.name;
        EXPECT_EQ(restored.CurrentGame(), game) << row.name;
        EXPECT_EQ(restored.Shown(), model.Shown()) << row.name;
        EXPECT_EQ(restored.ShownCandidates(true), model.ShownCandidates(true)) << row.name;
        EXPECT_EQ(restored.IsEnabled(Command::NextPuzzle), model.IsEnabled(Command::NextPuzzle)) << row.name;
    }
}

TEST(Game, WorkThePuzzleCannotHoldIsLeftOut)
{
    Game game;
    game.puzzle = Puzzle::FromLine(ReadPuzzleFile("magictour_top95.txt").front());
    game.set = true;
    const int given = static_cast<int>(game.puzzle.ToLine().find_first_not_of('.'));
    game.ownDigits[given] = 5;
    game.ownMarks[static_cast<std::size_t>(given)] = 1;
    game.revealed.set(static_cast<std::size_t>(given));
    game.collection = "/no/such/file.txt";
    game.number = 2;
    PuzzleModel model;
    ASSERT_TRUE(model.RestoreGame(game));
    Game kept = game;
    kept.ownDigits = Puzzle(), kept.ownMarks = {}, kept.revealed.reset(), kept.collection.clear(), kept.number = 0;
    EXPECT_EQ(model.CurrentGame(), kept);

    game.puzzle[(given + 1) % 9 + given / 9 * 9] = game.puzzle[given];  // a repeat in its row
    EXPECT_FALSE(model.RestoreGame(game));
    EXPECT_FALSE(model.IsSet());
}

}  // namespace
