// The person's own digits and marks on a puzzle set: where they go, undo, Check and the hint that
// starts from them, on the plain model.
#include "PuzzleModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The puzzle set, with own digits on.
void SetPuzzle(PuzzleModel& model, const std::string& puzzle = kPuzzle)
{
    model.Paste(puzzle);
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
    // Every empty cell but the last typed right: the only step left is that cell.
    const auto last = static_cast<int>(kPuzzle.find_last_of('.'));
    for (int cell = 0; cell < last; ++cell)
        model.TypeDigit(cell, Right(cell));  // the givens take nothing
    for (int press = 0; press < 3; ++press)
        model.Hint();
    EXPECT_EQ(model.Shown()[static_cast<std::size_t>(last)], (PuzzleModel::ShownCell{std::to_string(Right(last)), true}));
}

TEST(OwnDigits, TheHintJudgesTheOwnWorkOnShowBeforeItReasonsFromTheBoard)
{
    using Reason = PuzzleModel::HintStop::Reason;
    const std::string several(81, '.');
    const auto mark = [](PuzzleModel& m) { m.ToggleOwnMark(2, 1); };
    const struct {
        const char* name;
        const std::string& puzzle;
        std::string own;  // own digits typed from the top left, '.' none
        std::optional<Reason> reason;  // none: the hint shows a step
        std::size_t framed;
        bool on = true;  // own digits on at the hint
        void (*work)(PuzzleModel&) = [](PuzzleModel&) {};
    } rows[] = {
        // Filled in after the wrong 3, the marks of row 2, column 7 lose their 3 too.
        {"a wrong digit before the marks it spoilt", kPuzzle, std::string(78, '.') + '3', Reason::WrongDigit, 1, true,
         [](PuzzleModel& m) { m.FillInCandidates(); }},
        {"marks without the digit", kPuzzle, "", Reason::WrongMarks, 1, true, mark},
        {"hidden marks do not count", kPuzzle, "", std::nullopt, 0, false, mark},
        {"a locked wrong digit still does", kPuzzle, std::string(56, '.') + '5', Reason::WrongDigit, 1, false},
        {"several solutions: nothing decides a cell", several, "", Reason::SeveralSolutions, 0},
        {"two own 5s in a row", several, "5...5", Reason::ClashingDigit, 2},
        {"digits no solution agrees with", several, "12345678.........9", Reason::NoSolutionLeft, 0},
        {"a single the digits prove", several, "23456789", std::nullopt, 0},
    };
    for (const auto& row : rows) {
        PuzzleModel model;
        SetPuzzle(model, row.puzzle);
        for (std::size_t cell = 0; cell < row.own.size(); ++cell)
            model.TypeDigit(static_cast<int>(cell), row.own[cell] == '.' ? Puzzle::kEmpty : row.own[cell] - '0');
        row.work(model);
        model.SetOwnDigitsOn(row.on);
        const std::string before = Texts(model);
        model.Hint();
        EXPECT_EQ(model.StoppedHint() ? std::optional(model.StoppedHint()->reason) : std::nullopt, row.reason) << row.name;
        EXPECT_EQ(model.WrongCells().count(), row.framed) << row.name;
        model.Hint();
        model.Hint();
        EXPECT_EQ(Texts(model) == before, row.reason.has_value()) << row.name << ": a step is taken, a stop takes none";
        EXPECT_TRUE(row.reason || CountSolutions(Puzzle::FromLine(model.CopyText()).data()) > 0) << row.name;
    }
}

TEST(OwnDigits, SolveShowsTheSolutionFramesTheOwnDigitsItReplacedAndOneUndoGivesThemBack)
{
    PuzzleModel model;
    SetPuzzle(model);
    model.TypeDigit(2, 6);  // a 4 belongs there
    model.TypeDigit(3, Right(3));
    model.Solve();
    EXPECT_EQ(Texts(model).substr(0, 8) + (model.Shown()[3].own ? " own" : ""), "5,3,4,6, own");
    EXPECT_TRUE(model.WrongCells().count() == 1 && model.WrongCells().test(2)) << "the 6 framed, alone";
    model.SetOwnDigitsOn(false);
    model.Undo();
    EXPECT_EQ(model.Shown()[2].text, "4") << "own work is locked while off";
    model.SetOwnDigitsOn(true);
    model.Undo();
    EXPECT_EQ(model.Shown()[2], (PuzzleModel::ShownCell{"6", false, true}));
    model.SolveCell(2);
    EXPECT_TRUE(model.Shown()[2].text == "4" && model.WrongCells().test(2)) << "Solve Cell frames the digit it replaced";
}

}  // namespace
