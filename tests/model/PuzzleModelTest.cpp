// The puzzle model under the main window: entering a puzzle, undo, paste and copy, the commands,
// the verdicts and which commands each state allows, as plain table rows without any widget.
#include "PuzzleModel.h"
#include "TemporaryFolderTest.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <array>
#include <functional>

namespace {

using Command = PuzzleModel::Command;
using SetOutcome = PuzzleModel::SetOutcome;

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kRepeatedDigit = "5...5....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// No repeats, but the top-right cell can hold nothing: 1..8 are in its row and 9 below it.
const std::string kNoSolution = "12345678.........9" + std::string(63, '.');
// kPuzzle without one given: several solutions.
const std::string kSeveral = "53..7....6..195....9.....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// The shown cells row by row: a cell's single character, '.' for an empty cell, '#' otherwise.
std::string ShownText(const PuzzleModel& model)
{
    std::string text;
    for (const PuzzleModel::ShownCell& cell : model.Shown())
        text += cell.text.empty() ? '.' : cell.text.size() == 1 ? cell.text[0] : '#';
    return text;
}

// The solver's cells as '*', the person's as '-'.
std::string Colours(const PuzzleModel& model)
{
    std::string colours;
    for (const PuzzleModel::ShownCell& cell : model.Shown())
        colours += cell.bySolver ? '*' : '-';
    return colours;
}

void Type(PuzzleModel& model, const std::string& puzzle)
{
    for (int cell = 0; cell < 81; ++cell) {
        const char digit = puzzle[static_cast<std::size_t>(cell)];
        if (digit >= '1' && digit <= '9')
            model.TypeDigit(cell, digit - '0');
    }
}

TEST(PuzzleModel, EachGestureStepsTheCell)
{
    const std::function<void(PuzzleModel&)> up = [](PuzzleModel& m) { m.StepUp(49); };
    const std::function<void(PuzzleModel&)> down = [](PuzzleModel& m) { m.StepDown(49); };
    const struct {
        const char* name;
        int before;  // -1 empty
        std::vector<std::function<void(PuzzleModel&)>> gestures;
        const char* after;
    } rows[] = {
        {"click on empty", -1, {up}, "1"},
        {"click on 4", 4, {up}, "5"},
        {"click on 9", 9, {up}, ""},
        {"ten clicks go round", -1, std::vector(10, up), ""},
        {"right click on empty", -1, {down}, "9"},
        {"right click on 5", 5, {down}, "4"},
        {"right click on 1", 1, {down}, ""},
        {"click then right click", 3, {up, down}, "3"},
        {"digit replaces", 2, {[](PuzzleModel& m) { m.TypeDigit(49, 9); }}, "9"},
        {"emptying", 6, {[](PuzzleModel& m) { m.EmptyCell(49); }}, ""},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        if (row.before != -1)
            model.TypeDigit(49, row.before);
        for (const auto& gesture : row.gestures)
            gesture(model);
        EXPECT_EQ(model.Shown()[49].text, row.after) << row.name;
        EXPECT_FALSE(model.Shown()[49].bySolver) << row.name;
        std::string others = ShownText(model);
        others.erase(49, 1);
        EXPECT_EQ(others, std::string(80, '.')) << row.name << ": only the cell itself changes";
    }
}

TEST(PuzzleModel, SetSuDokuSolvesSilentlyAndLocksTheCells)
{
    PuzzleModel model;
    Type(model, kPuzzle);
    ASSERT_EQ(model.SetSuDoku(), SetOutcome::Solved);
    EXPECT_TRUE(model.IsSet());
    EXPECT_EQ(ShownText(model), kPuzzle) << "the solution stays hidden";
    EXPECT_EQ(model.Solved(), "YES");
    EXPECT_EQ(model.Status(), "OK");
    EXPECT_EQ(model.Unique(), "YES");
    EXPECT_EQ(model.Rating(), "Easy");
    EXPECT_FALSE(model.Steps().empty());

    const PuzzleModel::ShownBoard locked = model.Shown();
    model.StepUp(2);
    model.StepDown(2);
    model.TypeDigit(2, 4);
    model.EmptyCell(0);
    EXPECT_EQ(model.Paste(kSeveral), 81u);
    model.Undo();
    EXPECT_EQ(model.Shown(), locked);
}

TEST(PuzzleModel, SolveAndSolveCellRevealInTheSolversColour)
{
    PuzzleModel model;
    Type(model, kPuzzle);
    model.SetSuDoku();
    model.SolveCell(2);
    EXPECT_EQ(ShownText(model).substr(0, 3), "534");
    EXPECT_EQ(Colours(model).substr(0, 3), "--*");
    model.Solve();
    EXPECT_TRUE(IsValidSolution(ShownText(model), kPuzzle)) << ShownText(model);
    for (int cell = 0; cell < 81; ++cell)
        EXPECT_EQ(model.Shown()[static_cast<std::size_t>(cell)].bySolver, kPuzzle[static_cast<std::size_t>(cell)] == '.');
    EXPECT_TRUE(IsValidSolution(model.CopyText(), kPuzzle)) << "Copy takes the grid as shown";
    model.Reset();
    EXPECT_EQ(ShownText(model), kPuzzle);
    EXPECT_TRUE(model.IsSet());
}

TEST(PuzzleModel, OutcomesOfSetSuDoku)
{
    const struct {
        const char* name;
        const std::string& puzzle;
        SetOutcome outcome;
        const char* solved;
        const char* status;
        const char* unique;
        const char* rating;
    } rows[] = {
        {"repeated digit", kRepeatedDigit, SetOutcome::Inconsistent, "NO", "INCONSISTENT", "", ""},
        {"no solution", kNoSolution, SetOutcome::Unsolvable, "NO", "INCONSISTENT", "NO", ""},
        {"several solutions", kSeveral, SetOutcome::Solved, "YES", "OK", "NO", "Hard"},
        {"empty grid", std::string(81, '.'), SetOutcome::Solved, "YES", "OK", "NO", "RiverAzevod"},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        Type(model, row.puzzle);
        EXPECT_EQ(model.SetSuDoku(), row.outcome) << row.name;
        EXPECT_EQ(model.IsSet(), row.outcome != SetOutcome::Inconsistent) << row.name;
        EXPECT_EQ(model.Solved(), row.solved) << row.name;
        EXPECT_EQ(model.Status(), row.status) << row.name;
        EXPECT_EQ(model.Unique(), row.unique) << row.name;
        EXPECT_EQ(model.Rating(), row.rating) << row.name;
    }
}

TEST(PuzzleModel, AnUnsolvablePuzzleShowsWhatLogicFound)
{
    PuzzleModel model;
    Type(model, kNoSolution);
    model.SetSuDoku();
    EXPECT_EQ(ShownText(model).substr(0, 18), "12345678#........9") << "the cell without candidate";
    EXPECT_EQ(model.CopyText().substr(0, 9), "12345678.");
}

TEST(PuzzleModel, EachStateAllowsItsCommands)
{
    const Command editOnly[] = {Command::SetSuDoku, Command::Open, Command::Paste};
    const Command setOnly[] = {Command::Solve,  Command::SolveCell, Command::SaveAs,
                               Command::Reset, Command::Clear,     Command::ShowSolveLogic};
    PuzzleModel model;
    for (int round = 0; round < 2; ++round) {
        for (const Command command : editOnly)
            EXPECT_EQ(model.IsEnabled(command), !model.IsSet());
        for (const Command command : setOnly)
            EXPECT_EQ(model.IsEnabled(command), model.IsSet());
        EXPECT_TRUE(model.IsEnabled(Command::Copy));
        Type(model, kPuzzle);
        model.SetSuDoku();
    }
}

TEST(PuzzleModel, ClearEmptiesTheBoardTheVerdictsAndTheHistory)
{
    PuzzleModel model;
    Type(model, kPuzzle);
    model.SetSuDoku();
    model.Clear();
    EXPECT_FALSE(model.IsSet());
    EXPECT_EQ(ShownText(model), std::string(81, '.'));
    EXPECT_EQ(model.Unique(), "");
    EXPECT_EQ(model.Rating(), "");
    EXPECT_EQ(model.Solved(), "NO");
    EXPECT_EQ(model.Status(), "OK");
    model.Undo();
    EXPECT_EQ(ShownText(model), std::string(81, '.'));
}

TEST(PuzzleModel, UndoAndRedoWalkThroughTheVisibleEdits)
{
    PuzzleModel model;
    model.StepUp(0);          // 1
    model.StepUp(0);          // 2
    model.TypeDigit(0, 2);    // no change: no step
    model.EmptyCell(5);       // no change: no step
    model.Paste(kPuzzle);     // one step
    model.Undo();
    EXPECT_EQ(ShownText(model), "2" + std::string(80, '.'));
    model.Undo();
    model.Undo();
    EXPECT_EQ(ShownText(model), std::string(81, '.'));
    model.Undo();  // nothing more
    model.Redo();
    EXPECT_EQ(ShownText(model), "1" + std::string(80, '.'));
    model.StepDown(80);  // a new edit drops what could be redone
    model.Redo();
    EXPECT_EQ(ShownText(model), "1" + std::string(79, '.') + "9");

    // A refused Set Su Doku keeps the history; opening a puzzle starts afresh.
    model.TypeDigit(1, 1);
    EXPECT_EQ(model.SetSuDoku(), SetOutcome::Inconsistent);
    model.Undo();
    EXPECT_EQ(ShownText(model), "1" + std::string(79, '.') + "9");
    model.Open(Puzzle::FromLine(std::string(81, '7')));
    model.Undo();
    EXPECT_EQ(ShownText(model), std::string(81, '7'));
}

TEST(PuzzleModel, PasteTakesOnlyOneWholeBoard)
{
    PuzzleModel model;
    model.TypeDigit(10, 3);
    EXPECT_EQ(model.Paste("1234"), 4u);
    EXPECT_EQ(model.Paste(kPuzzle + kPuzzle), 162u);
    EXPECT_EQ(ShownText(model), std::string(10, '.') + "3" + std::string(70, '.')) << "refused pastes change nothing";
    EXPECT_EQ(model.Paste(kPuzzle), 81u);
    EXPECT_EQ(ShownText(model), kPuzzle);
    EXPECT_EQ(Colours(model), std::string(81, '-')) << "pasted digits are the person's own";
    EXPECT_EQ(model.CopyText(), kPuzzle);
}

class PuzzleFilesTest : public TemporaryFolderTest {};

TEST_F(PuzzleFilesTest, SaveAsStartsInTheRatingsFolderOrSaysWhyItCannotBeMade)
{
    PuzzleModel model;
    Type(model, kPuzzle);
    model.SetSuDoku();  // rated Easy
    EXPECT_EQ(model.EnteredPuzzle().ToLine(), kPuzzle);
    using Problem = PuzzleModel::SaveFolderChoice::Problem;
    // Below the temporary folder: the application path, a file in the way, where Save As starts,
    // the folder that is missing and why.
    const struct {
        std::string appPath, file, start, missing;
        Problem problem;
        int systemError;
    } rows[] = {{"made/", "", "made/Saved Games/Easy/", "", Problem::None, 0},
                {"a/", "a/Saved Games/Easy", "a/Saved Games/", "a/Saved Games/Easy/", Problem::FileInTheWay, 0},
                {"b/", "b/Saved Games", "", "b/Saved Games/", Problem::FileInTheWay, 0},
                {"gone/", "", "", "gone/Saved Games/", Problem::SystemError, ENOENT}};
    for (const auto& [appPath, file, start, missing, problem, systemError] : rows) {
        if (!file.empty()) {
            std::filesystem::create_directories((folder / file).parent_path());
            WriteFile(file, "x");
        } else if (appPath != "gone/") {
            std::filesystem::create_directories(folder / appPath);
        }
        const PuzzleModel::SaveFolderChoice choice = model.SaveFolder(folder.string() + "/" + appPath);
        EXPECT_EQ(choice.folder, start.empty() ? "" : folder.string() + "/" + start) << appPath;
        EXPECT_EQ(choice.missing, missing.empty() ? "" : folder.string() + "/" + missing) << appPath;
        EXPECT_EQ(choice.problem, problem) << appPath;
        EXPECT_EQ(choice.systemError, systemError) << appPath;
    }
}

}  // namespace

namespace {

int MarkedCells(const PuzzleModel& model, CellMark mark)
{
    return static_cast<int>(std::count(model.Marks().begin(), model.Marks().end(), mark));
}

TEST(PuzzleModel, TheReplayWalksTheSolveOnTheBoard)
{
    PuzzleModel model;
    Type(model, kPuzzle);
    EXPECT_EQ(model.Candidates()[2], 0b1011) << "row 1, column 3 can hold 1, 2 or 4";
    EXPECT_FALSE(model.IsEnabled(Command::NextStep));
    model.SetSuDoku();
    ASSERT_GT(model.StepCount(), 3);
    EXPECT_FALSE(model.IsEnabled(Command::PreviousStep));
    EXPECT_TRUE(model.IsEnabled(Command::Hint));

    model.NextStep();
    EXPECT_EQ(model.StepPosition(), 1);
    EXPECT_EQ(model.StepText(), model.Steps()[0]);
    EXPECT_EQ(MarkedCells(model, CellMark::StepCell), 1);
    const std::string afterOne = ShownText(model);
    EXPECT_EQ(std::count(afterOne.begin(), afterOne.end(), '.') + 1, std::count(kPuzzle.begin(), kPuzzle.end(), '.'));

    model.NextStep();
    EXPECT_EQ(model.StepText(), model.Steps()[1]);
    model.PreviousStep();
    EXPECT_EQ(ShownText(model), afterOne);

    model.Solve();
    EXPECT_EQ(model.StepPosition(), model.StepCount());
    EXPECT_FALSE(model.IsEnabled(Command::NextStep));
    EXPECT_EQ(model.StepText(), model.Steps().back()) << "the step line tells the last step, as the list does";
    const std::string solved = ShownText(model);
    model.GoToStep(0);
    EXPECT_EQ(ShownText(model), kPuzzle);
    model.GoToStep(model.StepCount());
    EXPECT_EQ(ShownText(model), solved) << "the replay ends where Solve does";
    model.Reset();
    EXPECT_EQ(model.StepPosition(), 0);
    EXPECT_EQ(model.StepText(), "");

    // Without a solution too, the replay ends on what Solve shows.
    model.Clear();
    Type(model, kNoSolution);
    model.SetSuDoku();
    model.Solve();
    const std::string contradiction = ShownText(model);
    model.GoToStep(0);
    model.GoToStep(model.StepCount());
    EXPECT_EQ(ShownText(model), contradiction);
}

using Gesture = std::function<void(PuzzleModel&)>;

TEST(PuzzleModel, ACellSolveCellRevealedStaysUntilResetOrClear)
{
    const std::tuple<const char*, Gesture, bool> rows[] = {
        {"steps on and back", [](PuzzleModel& m) { m.NextStep(); m.NextStep(); m.PreviousStep(); }, true},
        {"Solve, then the start", [](PuzzleModel& m) { m.Solve(); m.GoToStep(0); }, true},
        {"Reset", [](PuzzleModel& m) { m.Reset(); }, false}};
    for (const auto& [name, gesture, kept] : rows) {
        PuzzleModel model;
        Type(model, kPuzzle);
        model.SetSuDoku();
        model.SolveCell(2);  // a 4, which row 2, column 2 in its square could hold before
        gesture(model);
        EXPECT_EQ(model.Shown()[2].text, kept ? "4" : "") << name;
        EXPECT_EQ((model.Candidates()[10] & 0b1000) == 0, kept) << name;
    }
}

TEST(PuzzleModel, APuzzleIsUnsavedUntilOpenedOrSaved)
{
    const Gesture type = [](PuzzleModel& m) { m.TypeDigit(2, 1); };
    const Gesture open = [](PuzzleModel& m) { m.Open(Puzzle::FromLine(kPuzzle)); };
    const Gesture setAndSave = [](PuzzleModel& m) { m.SetSuDoku(); m.NoteSaved(); };
    const std::tuple<const char*, std::vector<Gesture>, bool> rows[] = {
        {"empty", {}, false}, {"typed", {type}, true}, {"undone", {type, [](PuzzleModel& m) { m.Undo(); }}, false},
        {"opened", {open}, false}, {"opened, changed", {open, type}, true}, {"saved", {type, setAndSave}, false}};
    for (const auto& [name, gestures, unsaved] : rows) {
        PuzzleModel model;
        for (const Gesture& gesture : gestures)
            gesture(model);
        EXPECT_EQ(model.HasUnsavedPuzzle(), unsaved) << name;
    }
}

}  // namespace

namespace {

TEST(PuzzleModel, EveryCommandTellsItsListenersOnceAfterwards)
{
    const struct {
        const char* name;
        bool set;  // run in the set state
        std::function<void(PuzzleModel&)> command;
    } rows[] = {
        {"click", false, [](PuzzleModel& m) { m.StepUp(0); }},
        {"right click", false, [](PuzzleModel& m) { m.StepDown(0); }},
        {"digit", false, [](PuzzleModel& m) { m.TypeDigit(0, 4); }},
        {"space", false, [](PuzzleModel& m) { m.EmptyCell(0); }},
        {"paste, made of EnterPuzzle", false, [](PuzzleModel& m) { m.Paste(kPuzzle); }},
        {"undo", false, [](PuzzleModel& m) { m.Undo(); }},
        {"redo", false, [](PuzzleModel& m) { m.Redo(); }},
        {"open", false, [](PuzzleModel& m) { m.Open(Puzzle::FromLine(kPuzzle)); }},
        {"set", false, [](PuzzleModel& m) { m.SetSuDoku(); }},
        {"solve", true, [](PuzzleModel& m) { m.Solve(); }},
        {"solve cell", true, [](PuzzleModel& m) { m.SolveCell(2); }},
        {"reset", true, [](PuzzleModel& m) { m.Reset(); }},
        {"clear", true, [](PuzzleModel& m) { m.Clear(); }},
        {"next step", true, [](PuzzleModel& m) { m.NextStep(); }},
        {"previous step", true, [](PuzzleModel& m) { m.PreviousStep(); }},
        {"go to step", true, [](PuzzleModel& m) { m.GoToStep(3); }},
        {"techniques path", true, [](PuzzleModel& m) { m.ChooseReplay(PuzzleModel::ReplayPath::Techniques); }},
        {"hint", true, [](PuzzleModel& m) { m.Hint(); }},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        model.Paste(kPuzzle);
        if (row.set)
            model.SetSuDoku();
        int calls = 0;
        std::string seen;
        model.AddListener([&] {
            ++calls;
            seen = ShownText(model);
        });
        row.command(model);
        EXPECT_EQ(calls, 1) << row.name;
        EXPECT_EQ(seen, ShownText(model)) << row.name << ": told before the change was whole";
    }
}

// Which reader a file gets, and what is not read at all.
TEST_F(PuzzleFilesTest, OpenReadsTextByItsEndingAndRefusesWhatIsNoFile)
{
    using Result = PuzzleModel::OpenOutcome::Result;
    const std::string line = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    std::filesystem::create_directory(folder / "folder.txt");
    const struct {
        const char* name;
        std::filesystem::path path;
        Result result;
        std::size_t cellCount;
    } rows[] = {
        {"text in any case", WriteFile("puzzles.TXT", "# note\n" + line + "\n"), Result::Opened, 0},
        {"a text of too few cells", WriteFile("short.txt", "123\n"), Result::NotABoard, 3},
        // The same line without the .txt ending is read as a saved board, which holds '?' for empty cells.
        {"a board file", WriteFile("board.sdf", std::string(81, '?')), Result::Opened, 0},
        {"a folder", folder / "folder.txt", Result::NotAFile, 0},
        {"missing", folder / "missing.sdf", Result::Unreadable, 0},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        const PuzzleModel::OpenOutcome outcome = model.OpenFile(row.path);
        EXPECT_EQ(outcome.result, row.result) << row.name;
        EXPECT_EQ(outcome.cellCount, row.cellCount) << row.name;
    }
    PuzzleModel model;
    model.OpenFile(folder / "puzzles.TXT");
    EXPECT_EQ(model.CopyText(), line);
}

}  // namespace
