// The replay of a solve: the board after every step agrees with what the step says, and ends where
// the search ended, on every golden puzzle; the marks point where the step was found.
#include "Engine.h"
#include "SolveReplay.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <memory>

namespace {

bool HasCandidate(const CandidateMasks& candidates, int cell, int digit)
{
    return (candidates[static_cast<std::size_t>(cell)] >> (digit - 1) & 1u) != 0;
}

std::vector<std::string> GoldenPuzzles()
{
    std::ifstream golden(std::string(ORVANDEL_TEST_DATA) + "/golden.jsonl");
    const std::string prefix = "{\"puzzle\":\"";
    std::vector<std::string> puzzles;
    for (std::string line; std::getline(golden, line);)
        puzzles.push_back(line.substr(prefix.size(), 81));
    return puzzles;
}

// The cell a sentence names first, row by row: "x=5" and "y=3" are column 5, row 3.
int NamedCell(const std::string& sentence)
{
    const auto x = sentence.find("x=");
    const auto y = sentence.find("y=");
    return (sentence[y + 2] - '1') * 9 + (sentence[x + 2] - '1');
}

// Every step of every golden puzzle, checked against the board before it: the cell its sentence
// names is the one marked, a placed digit was still a candidate there, a hidden single's digit had
// that one place left in its unit, a digit set covers as many cells as it has digits; the
// candidates always hold the solution's digits. The replay ends on the solution.
TEST(SolveReplay, EveryStepFitsTheBoardItWasTakenOn)
{
    const std::vector<std::string> puzzles = GoldenPuzzles();
    ASSERT_EQ(puzzles.size(), 257u);
    auto outcome = std::make_unique<SolveOutcome>();
    int digitSets = 0;
    for (const std::string& text : puzzles) {
        SolvePuzzle(Puzzle::FromLine(text), *outcome);
        const bool solved = outcome->result == SolveResult::Solved;
        const Puzzle solution = outcome->board.Values();
        StepList sentences;
        AppendSentences(sentences, outcome->steps);
        SolveReplay replay;
        replay.Start(outcome->puzzle, outcome->steps);
        ASSERT_EQ(replay.StepCount(), static_cast<int>(sentences.size()));
        for (int position = 1; position <= replay.StepCount(); ++position) {
            replay.GoTo(position - 1);
            const CandidateMasks before = replay.Candidates();
            const StepRecord& step = outcome->steps[static_cast<std::size_t>(position - 1)];
            const int cell = step.cell;
            const CellMarks marks = StepMarks(step, before);
            const std::string& sentence = sentences[static_cast<std::size_t>(position - 1)];
            EXPECT_EQ(NamedCell(sentence), cell) << sentence;
            EXPECT_EQ(marks[static_cast<std::size_t>(cell)],
                      step.kind == StepKind::Guess ? CellMark::GuessCell : CellMark::StepCell) << sentence;
            if (!solved)
                continue;  // the steps of a puzzle without solution run into a contradiction
            if (step.kind == StepKind::DigitSet) {
                const auto setCells = std::count(marks.begin(), marks.end(), CellMark::SetCell) +
                                      std::count(marks.begin(), marks.end(), CellMark::StepCell);
                EXPECT_EQ(setCells, std::popcount(unsigned{step.digitMask})) << text << ": " << sentence;
                ++digitSets;
            } else {
                EXPECT_TRUE(HasCandidate(before, cell, step.digit)) << text << ": " << sentence;
            }
            if (step.kind == StepKind::HiddenSingle) {
                int places = 0;
                for (int other = 0; other < kCellCount; ++other)
                    places += marks[static_cast<std::size_t>(other)] != CellMark::None && HasCandidate(before, other, step.digit);
                EXPECT_EQ(places, 1) << text << ": " << sentence;
            }
            for (int other = 0; other < kCellCount; ++other)
                ASSERT_TRUE(HasCandidate(before, other, solution[other])) << text << ": " << sentence;
        }
        replay.GoTo(replay.StepCount());
        if (solved) {
            EXPECT_EQ(replay.Digits().ToLine(), solution.ToLine()) << text;
        }
    }
    EXPECT_GT(digitSets, 0) << "the puzzles should need digit sets";
}

TEST(SolveReplay, PositionsStayOnTheSolve)
{
    auto outcome = std::make_unique<SolveOutcome>();
    SolvePuzzle(Puzzle::FromLine(ReadPuzzleFile("norvig_hardest11.txt").front()), *outcome);
    SolveReplay replay;
    replay.Start(outcome->puzzle, outcome->steps);
    ASSERT_GT(replay.StepCount(), 2);
    EXPECT_EQ(replay.Digits(), outcome->puzzle);
    EXPECT_EQ(replay.StepTaken(), nullptr);
    const CellMarks marks = replay.Marks();
    EXPECT_EQ(std::count(marks.begin(), marks.end(), CellMark::None), kCellCount);
    for (const auto& [asked, kept] : {std::pair{-3, 0}, {1, 1}, {replay.StepCount() + 5, replay.StepCount()}}) {
        replay.GoTo(asked);
        EXPECT_EQ(replay.Position(), kept) << asked;
    }
}

}  // namespace
