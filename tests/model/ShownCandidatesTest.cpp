// Own marks and computed candidates as two layers of a cell, and a step's digits shown always.
#include "CellText.h"
#include "PuzzleModel.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

namespace {

TEST(CandidateLayers, MarksShowAlwaysCandidatesOnRequestAndAStepItsDigits)
{
    // The cell's candidates are 1, 2 and 4.
    const std::tuple<const char*, std::uint16_t, std::uint16_t, bool, CandidateLayers> rows[] = {
        {"nothing asked", 0, 0, false, {0, 0}},           {"candidates asked", 0, 0, true, {0, 0b1011}},
        {"marks alone", 0b11, 0, false, {0b11, 0}},       {"marks stand for candidates", 0b11, 0, true, {0b11, 0}},
        {"a step, with its struck 3", 0, 0b101, false, {0, 0b1111}}, {"a step beside marks", 0b11, 0b1001, false, {0b11, 0b1000}}};
    for (const auto& [name, own, step, asked, shown] : rows)
        EXPECT_EQ(CandidateLayersOf(own, 0b1011, step, asked), shown) << name;
}

// With own marks on the board and candidates hidden, each step of either replay shows its digits.
TEST(ShownCandidates, EveryReplayStepShowsItsDigitsBesideOwnMarks)
{
    for (const auto path : {PuzzleModel::ReplayPath::Solver, PuzzleModel::ReplayPath::Techniques}) {
        PuzzleModel model;
        model.Paste(ReadPuzzleFile("unbiased_first1000.txt").front());  // digit sets, a hidden pair
        model.SetSuDoku();
        model.SetOwnDigitsOn(true);
        model.ToggleOwnMark(0, 1);
        model.ChooseReplay(path);
        int stepDigitsShown = 0;
        for (int position = 1; position <= model.StepCount(); ++position) {
            model.GoToStep(position);
            const auto shown = model.ShownCandidates(false);
            const CandidateHighlights& step = model.Highlights();
            for (std::size_t cell = 0; cell < shown.size(); ++cell) {
                const unsigned digits = model.Shown()[cell].text.empty() ? step.pattern[cell] | step.removed[cell] : 0;
                ASSERT_EQ((shown[cell].own | shown[cell].computed) & digits, digits) << position << ": " << cell;
                stepDigitsShown += digits != 0;
            }
        }
        EXPECT_GT(stepDigitsShown, 0);
    }
}

}  // namespace
