#include "TechniqueLadder.h"

#include "SolutionCount.h"
#include "TechniqueFinders.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

bool FindNakedPair(const TechniqueBoard& board, TechniqueStep& step) { return FindNakedSubset(board, 2, step); }
bool FindHiddenPair(const TechniqueBoard& board, TechniqueStep& step) { return FindHiddenSubset(board, 2, step); }
bool FindNakedTriple(const TechniqueBoard& board, TechniqueStep& step) { return FindNakedSubset(board, 3, step); }
bool FindHiddenTriple(const TechniqueBoard& board, TechniqueStep& step) { return FindHiddenSubset(board, 3, step); }
bool FindNakedQuad(const TechniqueBoard& board, TechniqueStep& step) { return FindNakedSubset(board, 4, step); }
bool FindHiddenQuad(const TechniqueBoard& board, TechniqueStep& step) { return FindHiddenSubset(board, 4, step); }
bool FindXWing(const TechniqueBoard& board, TechniqueStep& step) { return FindFish(board, 2, step); }
bool FindSwordfish(const TechniqueBoard& board, TechniqueStep& step) { return FindFish(board, 3, step); }
bool FindJellyfish(const TechniqueBoard& board, TechniqueStep& step) { return FindFish(board, 4, step); }
bool FindFinnedXWing(const TechniqueBoard& board, TechniqueStep& step) { return FindFinnedFish(board, 2, false, step); }
bool FindSashimiXWing(const TechniqueBoard& board, TechniqueStep& step) { return FindFinnedFish(board, 2, true, step); }
bool FindFinnedSwordfish(const TechniqueBoard& board, TechniqueStep& step) { return FindFinnedFish(board, 3, false, step); }
bool FindSashimiSwordfish(const TechniqueBoard& board, TechniqueStep& step) { return FindFinnedFish(board, 3, true, step); }

constexpr LadderRung kLadder[] = {
    {Technique::FullHouse, 1.0, FindFullHouse},
    {Technique::HiddenSingleBox, 1.2, FindHiddenSingleInBox},
    {Technique::HiddenSingleLine, 1.5, FindHiddenSingleInLine},
    {Technique::NakedSingle, 2.3, FindNakedSingle},
    {Technique::Pointing, 2.6, FindPointing},
    {Technique::Claiming, 2.8, FindClaiming},
    {Technique::NakedPair, 3.0, FindNakedPair},
    {Technique::XWing, 3.2, FindXWing},
    {Technique::HiddenPair, 3.4, FindHiddenPair},
    {Technique::NakedTriple, 3.6, FindNakedTriple},
    {Technique::Swordfish, 3.8, FindSwordfish},
    {Technique::HiddenTriple, 4.0, FindHiddenTriple},
    {Technique::Skyscraper, 4.0, FindSkyscraper},
    {Technique::TwoStringKite, 4.1, FindTwoStringKite},
    {Technique::XYWing, 4.2, FindXYWing},
    {Technique::TurbotFish, 4.2, FindTurbotFish},
    {Technique::FinnedXWing, 4.3, FindFinnedXWing},
    {Technique::SashimiXWing, 4.3, FindSashimiXWing},
    {Technique::XYZWing, 4.4, FindXYZWing},
    {Technique::WWing, 4.4, FindWWing},
    {Technique::EmptyRectangle, 4.5, FindEmptyRectangle},
    {Technique::FinnedSwordfish, 4.6, FindFinnedSwordfish},
    {Technique::SashimiSwordfish, 4.6, FindSashimiSwordfish},
    {Technique::NakedQuad, 5.0, FindNakedQuad},
    {Technique::Jellyfish, 5.2, FindJellyfish},
    {Technique::HiddenQuad, 5.4, FindHiddenQuad},
    {Technique::NishioForcingChain, 7.6, FindNishioForcingChain},
    {Technique::ContradictionForcingChain, 8.2, FindContradictionForcingChain},
    {Technique::CellForcingChains, 8.2, FindCellForcingChains},
    {Technique::UnitForcingChains, 8.2, FindUnitForcingChains},
    {Technique::DynamicContradictionChain, 8.8, FindDynamicContradictionChain},
    {Technique::DynamicCellForcingChains, 8.8, FindDynamicCellForcingChains},
    {Technique::DynamicUnitForcingChains, 8.8, FindDynamicUnitForcingChains},
    {Technique::DynamicDoubleForcingChains, 8.8, FindDynamicDoubleForcingChains},
    {Technique::NestedContradictionChain, 9.4, FindNestedContradictionChain},
    {Technique::NestedCellForcingChains, 9.4, FindNestedCellForcingChains},
    {Technique::NestedUnitForcingChains, 9.4, FindNestedUnitForcingChains},
    {Technique::NestedDynamicContradictionChain, 10.0, FindNestedDynamicContradictionChain},
    {Technique::NestedDynamicCellForcingChains, 10.0, FindNestedDynamicCellForcingChains},
    {Technique::NestedDynamicUnitForcingChains, 10.0, FindNestedDynamicUnitForcingChains},
};

TechniqueStep GuessStep(const TechniqueBoard& board, const int (&solution)[kCellCount])
{
    int best = -1;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board.IsEmpty(cell)
            && (best == -1 || std::popcount(board.Candidates(cell)) < std::popcount(board.Candidates(best))))
            best = cell;
    }
    TechniqueStep step;
    step.cells = {best};
    step.digits = board.Candidates(best);
    step.placed = {{best, solution[best]}};
    return step;
}

}  // namespace

double ChainDifficulty(double base, int links)
{
    int tenths = 0;
    int threshold = 4;
    for (bool byHalf = true; links > threshold; byHalf = !byHalf) {
        ++tenths;
        threshold = byHalf ? threshold * 3 / 2 : threshold * 4 / 3;
    }
    // Rounded to tenths, as the scale is.
    return static_cast<double>(static_cast<int>(base * 10.0 + 0.5) + tenths) / 10.0;
}

std::span<const LadderRung> Ladder()
{
    return kLadder;
}

double DifficultyOf(Technique technique)
{
    for (const LadderRung& rung : kLadder) {
        if (rung.technique == technique)
            return rung.difficulty;
    }
    return 0.0;
}

bool FindEasiestStep(const TechniqueBoard& board, TechniqueStep& step)
{
    for (const LadderRung& rung : kLadder) {
        step = TechniqueStep{};
        if (rung.find(board, step)) {
            step.technique = rung.technique;
            if (step.difficulty == 0.0)
                step.difficulty = rung.difficulty;
            return true;
        }
    }
    return false;
}

Explanation ExplainPuzzle(const Puzzle& puzzle)
{
    Explanation explanation;
    int solution[kCellCount];
    if (CountSolutions(puzzle.data(), solution) != 1)
        return explanation;
    explanation.explained = true;
    TechniqueBoard board(puzzle);
    board.SetKnownUnique(true);
    while (!board.IsSolved()) {
        TechniqueStep step;
        if (!FindEasiestStep(board, step)) {
            step = GuessStep(board, solution);
            explanation.hardest = Technique::Guess;
        }
        if (explanation.hardest != Technique::Guess && step.difficulty > explanation.difficulty) {
            explanation.difficulty = step.difficulty;
            explanation.hardest = step.technique;
        } else {
            explanation.difficulty = std::max(explanation.difficulty, step.difficulty);
        }
        board.Apply(step);
        explanation.steps.push_back(std::move(step));
    }
    return explanation;
}

}  // namespace technique
