// The technique finder on the board: where a hint says to look, what its stages mark, the hint's
// three presses on the model, and the replay of the technique path.
#include "PuzzleModel.h"
#include "techniques/TechniqueLadder.h"
#include "TechniqueView.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

namespace {

using technique::TechniqueBoard;

const std::string kEmpty(81, '.');
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string Where(const TechniqueLook& look)
{
    std::string out = look.technique + ':';
    const auto list = [&out](const char* name, const std::vector<int>& items) {
        if (items.empty())
            return;
        out += std::string(" ") + name;
        for (const int item : items)
            out += ' ' + std::to_string(item);
    };
    std::vector<int> digits;
    for (int digit = 1; digit <= 9; ++digit) {
        if (look.digits >> (digit - 1) & 1u)
            digits.push_back(digit);
    }
    list("digits", digits);
    list("rows", look.rows);
    list("columns", look.columns);
    list("squares", look.squares);
    list("cells", look.cells);
    return out;
}

int Count(const CandidateMasks& masks)
{
    int count = 0;
    for (const auto mask : masks)
        count += std::popcount(unsigned{mask});
    return count;
}

TEST(TechniqueLook, NamesTheUnitsAndCellsThatHoldThePatternAndMarksItInStages)
{
    const struct {
        const char* name;
        std::vector<CellDigit> cut;  // from an empty board's candidates
        const char* where;
    } rows[] = {
        {"fish: the base rows", OnlyIn(0, {1, 6}, 4) + OnlyIn(4, {37, 42}, 4), "X-Wing: digits 4 rows 1 5"},
        {"kite: the row and the column", OnlyIn(0, {1, 6}, 6) + OnlyIn(9, {18, 63}, 6),
         "2-String Kite: digits 6 rows 1 columns 1"},
        {"wing: the link's row and the two cells", Each({0, 40}, {3, 4, 5, 6, 7, 8, 9}) + OnlyIn(8, {72, 76}, 1),
         "W-Wing: digits 1 2 rows 9 cells 0 40"},
        {"pointing: the square", Each({9, 10, 11, 18, 19, 20}, {4}), "Pointing: digits 4 squares 0"},
        {"naked pair: the row", Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}), "Naked Pair: digits 1 2 rows 1"},
        {"hidden single: the row, not the digit", OnlyIn(0, {4}, 5), "Hidden Single: rows 1"},
        {"naked single: the cell, not the digit", Each({40}, {1, 2, 3, 4, 5, 6, 7, 8}), "Naked Single: cells 40"},
        {"nothing moves: a cell of the solution", {}, "Guess: cells 0"},
    };
    for (const auto& row : rows) {
        TechniqueBoard board = TechniqueBoard(Puzzle::FromLine(kEmpty));
        for (const CellDigit& cut : row.cut)
            board.Remove(cut.cell, cut.digit);
        const TechniqueStep step = *HintStep(board, Puzzle::FromLine(kSolution));
        const TechniqueLook look = LookOf(step, board);
        EXPECT_EQ(Where(look), row.where) << row.name;

        // First what to look at, nothing of the answer; then the step whole.
        const StepPicture pattern = PatternPicture(step, look, board);
        EXPECT_EQ(Count(pattern.highlights.removed) + Count(pattern.highlights.placed), 0) << row.name;
        for (const CellDigit& placed : step.placed) {
            const bool named = std::find(look.cells.begin(), look.cells.end(), placed.cell) != look.cells.end();
            EXPECT_EQ(pattern.marks[static_cast<std::size_t>(placed.cell)] == CellMark::SetCell, named && !look.guess)
                << row.name;
        }
        EXPECT_NE(std::count(pattern.marks.begin(), pattern.marks.end(), CellMark::None), kCellCount) << row.name;
        const StepPicture effect = EffectPicture(step, board);
        EXPECT_EQ(Count(effect.highlights.removed), static_cast<int>(step.removed.size())) << row.name;
        EXPECT_EQ(Count(effect.highlights.placed), static_cast<int>(step.placed.size())) << row.name;
        for (const CellDigit& removed : step.removed)
            EXPECT_TRUE(effect.highlights.removed[static_cast<std::size_t>(removed.cell)] >> (removed.digit - 1) & 1u);
    }
}

// Ordinary puzzles: one whose path needs pointing, one a turbot fish.
const std::string kPointing = "..3.7..4...6..23.1.89.........1.7.8.517.....6...4.....271..9..5.95..........2....";
const std::string kTurbot = "12.74.6.94..8......89..3.1....4.2..1..........4.6..9..3...2...62....6.....8...4..";

PuzzleModel SetPuzzle(const std::string& line)
{
    PuzzleModel model;
    model.EnterPuzzle(Puzzle::FromLine(line));
    model.SetSuDoku();
    return model;
}

std::string Shown(const PuzzleModel& model)
{
    std::string text;
    for (const PuzzleModel::ShownCell& cell : model.Shown())
        text += cell.text.empty() ? '.' : cell.text[0];
    return text;
}

TEST(TechniqueHint, HintsAloneSolveTheBoardWithoutAGuessAndAnyChangeStartsAfresh)
{
    for (const std::string& line : {kPointing, kTurbot}) {
        PuzzleModel model = SetPuzzle(line);
        ASSERT_TRUE(model.TechniqueDifficulty());
        EXPECT_FALSE(model.TechniqueDifficulty()->guess);
        int hints = 0;
        while (model.IsEnabled(PuzzleModel::Command::Hint) && hints < 3 * kCellCount * 9) {
            const std::string before = Shown(model);
            const CandidateMasks candidates = model.Candidates();
            model.Hint();
            ASSERT_NE(model.ShownLook(), nullptr);
            EXPECT_FALSE(model.ShownLook()->guess) << line << " at " << before;
            EXPECT_EQ(model.StepText(), "");
            model.Hint();
            EXPECT_EQ(model.ShownLook(), nullptr);
            EXPECT_NE(model.StepText(), "");
            EXPECT_EQ(Shown(model), before) << "the second press only shows";
            model.Hint();
            EXPECT_TRUE(Shown(model) != before || model.Candidates() != candidates) << "the third takes the step";
            hints += 3;
        }
        EXPECT_TRUE(IsValidSolution(Shown(model), line)) << Shown(model);
    }
    PuzzleModel model = SetPuzzle(kTurbot);
    model.Hint();
    model.NextStep();
    EXPECT_EQ(model.ShownLook(), nullptr) << "the replay moved";
    model.Hint();
    model.SolveCell(0);
    EXPECT_EQ(model.ShownLook(), nullptr) << "a cell was revealed";
    EXPECT_TRUE(std::all_of(model.Highlights().pattern.begin(), model.Highlights().pattern.end(),
                            [](std::uint16_t mask) { return mask == 0; }));
}

TEST(TechniqueHint, OnTheTechniquePathTheHintTakesItsNextStepAndKeepsItsRemovals)
{
    PuzzleModel model = SetPuzzle(kPointing);
    model.ChooseReplay(PuzzleModel::ReplayPath::Techniques);
    ASSERT_EQ(model.StepCount(), static_cast<int>(model.TechniqueLines().size()));
    int removal = 0;
    for (int step = 1; step <= model.StepCount() && removal == 0; ++step) {
        model.GoToStep(step);
        EXPECT_EQ(model.StepText(), model.TechniqueLines()[static_cast<std::size_t>(step - 1)].sentence);
        if (Count(model.Highlights().removed) > 0)
            removal = step;
    }
    ASSERT_GT(removal, 0) << "the path should remove a candidate";
    const CandidateMasks after = model.Candidates();
    const CandidateHighlights shown = model.Highlights();
    model.GoToStep(removal - 1);
    for (int press = 0; press < 3; ++press) {
        model.Hint();
        if (press == 1) {
            EXPECT_EQ(model.StepText(), model.TechniqueLines()[static_cast<std::size_t>(removal - 1)].sentence);
            EXPECT_EQ(model.Highlights().removed, shown.removed);
        }
    }
    EXPECT_EQ(model.Candidates(), after) << "the removals stay";
    model.Hint();
    EXPECT_EQ(model.Candidates(), after);
    model.Reset();
    model.GoToStep(removal - 1);
    EXPECT_NE(model.Candidates(), after) << "until Reset";

    model.GoToStep(model.StepCount());
    EXPECT_TRUE(IsValidSolution(Shown(model), kPointing));
    EXPECT_FALSE(model.IsEnabled(PuzzleModel::Command::Hint));
    model.ChooseReplay(PuzzleModel::ReplayPath::Solver);
    EXPECT_EQ(model.StepCount(), static_cast<int>(model.Steps().size()));
}

TEST(TechniqueHint, TheDifficultyIsThePathsHardestAndOnlyForOneSolution)
{
    const PuzzleModel model = SetPuzzle(kTurbot);
    ASSERT_TRUE(model.TechniqueDifficulty());
    double highest = 0;
    std::string hardest;
    for (const PuzzleModel::TechniqueLine& line : model.TechniqueLines()) {
        if (line.difficulty > highest)
            hardest = line.sentence.substr(0, line.sentence.find(':'));
        highest = std::max(highest, line.difficulty.value_or(0.0));
    }
    EXPECT_GT(highest, 4.0) << "the path needs more than singles, pointing and subsets";
    EXPECT_EQ(model.TechniqueDifficulty()->difficulty, highest);
    EXPECT_EQ(model.TechniqueDifficulty()->hardest, hardest);
    for (const std::string& line : {"12345678.........9" + std::string(63, '.'), kEmpty}) {
        const PuzzleModel unexplained = SetPuzzle(line);
        EXPECT_FALSE(unexplained.TechniqueDifficulty()) << line;
        EXPECT_TRUE(unexplained.TechniqueLines().empty());
        EXPECT_EQ(unexplained.IsEnabled(PuzzleModel::Command::Hint), line == kEmpty) << "without a solution, no hint";
    }
    PuzzleModel several = SetPuzzle(kEmpty);
    several.ChooseReplay(PuzzleModel::ReplayPath::Techniques);
    several.Solve();
    EXPECT_TRUE(IsValidSolution(Shown(several), kEmpty)) << "Solve shows a solution without a technique path too";
}

TEST(TechniqueHint, AGuessOnThePathHasNoDifficulty)
{
    const PuzzleModel model = SetPuzzle("98.7..6..5..9..7......4..3.6..8..5...5...2.....8......1.........6..791.....1...56");
    const auto isGuess = [](const PuzzleModel::TechniqueLine& line) { return line.sentence.rfind("Guess:", 0) == 0; };
    ASSERT_TRUE(std::any_of(model.TechniqueLines().begin(), model.TechniqueLines().end(), isGuess));
    for (const PuzzleModel::TechniqueLine& line : model.TechniqueLines())
        EXPECT_EQ(line.difficulty.has_value(), !isGuess(line)) << line.sentence;
}

// A model that works in the background and counts the notices of finished work.
struct BackgroundModel {
    BackgroundModel() { model.SetWorkFinishedNotice([this] { ++notices; }); }
    void Set(const std::string& line)
    {
        model.EnterPuzzle(Puzzle::FromLine(line));
        model.SetSuDoku();
    }

    std::atomic<int> notices = 0;  // outlives the model's threads
    PuzzleModel model;
};

TEST(BackgroundWork, ThePathAndTheHintArriveAsTheyWouldAtOnce)
{
    for (const std::string& line : {kPointing, kTurbot}) {
        PuzzleModel atOnce = SetPuzzle(line);
        atOnce.Hint();
        BackgroundModel background;
        int changes = 0;
        background.model.AddListener([&changes] { ++changes; });
        background.Set(line);
        PuzzleModel& model = background.model;
        EXPECT_TRUE(model.TechniquesPending());
        EXPECT_FALSE(model.TechniqueDifficulty());
        EXPECT_TRUE(model.TechniqueLines().empty());
        model.Hint();
        model.Hint();  // pressed again while it is worked out
        EXPECT_TRUE(model.HintPending());
        EXPECT_EQ(model.ShownLook(), nullptr);
        changes = 0;
        model.FinishWork();
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(background.notices, 2) << "the path's and the hint's";
        EXPECT_FALSE(model.TechniquesPending());
        EXPECT_FALSE(model.HintPending());
        ASSERT_TRUE(model.TechniqueDifficulty());
        EXPECT_EQ(model.TechniqueDifficulty()->difficulty, atOnce.TechniqueDifficulty()->difficulty);
        ASSERT_EQ(model.TechniqueLines().size(), atOnce.TechniqueLines().size());
        EXPECT_EQ(model.TechniqueLines().back().sentence, atOnce.TechniqueLines().back().sentence);
        ASSERT_NE(model.ShownLook(), nullptr);
        EXPECT_EQ(Where(*model.ShownLook()), Where(*atOnce.ShownLook()));
    }
}

TEST(BackgroundWork, AChangeOfTheBoardStopsWorkNoLongerWanted)
{
    BackgroundModel background;
    PuzzleModel& model = background.model;
    background.Set("........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3");
    model.Hint();
    model.SolveCell(0);
    EXPECT_FALSE(model.HintPending()) << "the hint was for the board before";
    model.Clear();
    EXPECT_FALSE(model.TechniquesPending());
    model.FinishWork();
    EXPECT_EQ(model.ShownLook(), nullptr);
    EXPECT_TRUE(model.TechniqueLines().empty());
    background.Set(kTurbot);
    model.FinishWork();
    ASSERT_TRUE(model.TechniqueDifficulty());
    EXPECT_EQ(model.TechniqueDifficulty()->difficulty, SetPuzzle(kTurbot).TechniqueDifficulty()->difficulty);
}

// "1(5,1)+/0 | 1(5,1)-1(5,5)/0": each start (+ assumed true, - false), link (= strong, - weak) and its branch.
std::string Drawn(const ChainPicture& chain)
{
    const auto named = [](const CellDigit& at) { return std::to_string(at.digit) + '(' + std::to_string(at.cell % 9 + 1) + ',' + std::to_string(at.cell / 9 + 1) + ')'; };
    std::string out;
    for (const ChainStart& start : chain.starts)
        out += named(start.candidate) + (start.assumedTrue ? '+' : '-') + '/' + std::to_string(start.branch) + ' ';
    for (const ChainArrow& arrow : chain.arrows)
        out += (&arrow == chain.arrows.data() ? "| " : " ") + named(arrow.from) + (arrow.strong ? '=' : '-') + named(arrow.to) + '/' + std::to_string(arrow.branch);
    return out;
}

TEST(TechniqueChainPicture, FirstTheChainsEndsThenEveryLinkInItsBranchesColour)
{
    const struct {
        Technique technique;
        std::vector<CellDigit> cut;
        const char* first;  // where to look, and where the chains start
        const char* whole;  // the links too
    } rows[] = {
        {Technique::XYChain, Each({0}, {3, 4, 5, 6, 7, 8, 9}) + Each({4}, {1, 4, 5, 6, 7, 8, 9}) + Each({40}, {1, 2, 5, 6, 7, 8, 9}) + Each({44}, {2, 3, 5, 6, 7, 8, 9}),
         "XY-Chain: digits 1 cells 0 8 36 44 1(1,1)-/0 ",
         "1(1,1)-/0 | 1(1,1)=2(1,1)/0 2(1,1)-2(5,1)/0 2(5,1)=3(5,1)/0 3(5,1)-3(5,5)/0 3(5,5)=4(5,5)/0 4(5,5)-4(9,5)/0 4(9,5)=1(9,5)/0"},
        {Technique::CellForcingChains, Each({40}, {3, 4, 5, 6, 7, 8, 9}) + Each({4}, {2, 4, 5, 6, 7, 8, 9}) + Each({36}, {1, 4, 5, 6, 7, 8, 9}),
         "Cell Forcing Chains: digits 1 3 cells 0 4 1(5,1)+/0 3(5,1)+/1 ",
         "1(5,1)+/0 3(5,1)+/1 | 1(5,1)-1(5,5)/0 1(5,5)=2(5,5)/0 2(5,5)-2(1,5)/0 2(1,5)=3(1,5)/0 3(1,5)-3(1,1)/0 3(5,1)-3(1,1)/1"},
    };
    for (const auto& row : rows) {
        TechniqueBoard board = TechniqueBoard(Puzzle::FromLine(kEmpty));
        for (const CellDigit& cut : row.cut)
            board.Remove(cut.cell, cut.digit);
        const auto ladder = technique::Ladder();
        TechniqueStep step;
        ASSERT_TRUE(std::find_if(ladder.begin(), ladder.end(), [&](const auto& rung) { return rung.technique == row.technique; })->find(board, step));
        step.technique = row.technique;
        const TechniqueLook look = LookOf(step, board);
        EXPECT_EQ(Where(look) + ' ' + Drawn(PatternPicture(step, look, board).chain), row.first);
        EXPECT_EQ(Drawn(EffectPicture(step, board).chain), row.whole);
    }
}

}  // namespace
