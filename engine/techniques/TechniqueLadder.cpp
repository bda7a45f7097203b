#include "TechniqueLadder.h"

#include "SolutionCount.h"
#include "TechniqueFinders.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace technique {

namespace {

bool FindDirectPointing(const TechniqueBoard& board, TechniqueStep& step) { return FindPointing(board, step, LeavesHiddenSingle); }
bool FindDirectClaiming(const TechniqueBoard& board, TechniqueStep& step) { return FindClaiming(board, step, LeavesHiddenSingle); }
bool FindDirectHiddenPair(const TechniqueBoard& board, TechniqueStep& step) { return FindHiddenSubset(board, 2, step, LeavesHiddenSingle); }
bool FindDirectHiddenTriple(const TechniqueBoard& board, TechniqueStep& step) { return FindHiddenSubset(board, 3, step, LeavesHiddenSingle); }
bool FindPlainPointing(const TechniqueBoard& board, TechniqueStep& step) { return FindPointing(board, step); }
bool FindPlainClaiming(const TechniqueBoard& board, TechniqueStep& step) { return FindClaiming(board, step); }
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
bool FindFinnedJellyfish(const TechniqueBoard& board, TechniqueStep& step) { return FindFinnedFish(board, 4, false, step); }
bool FindSashimiJellyfish(const TechniqueBoard& board, TechniqueStep& step) { return FindFinnedFish(board, 4, true, step); }

constexpr LadderRung kLadder[] = {
    {Technique::FullHouse, 1.0, FindFullHouse},
    {Technique::HiddenSingleBox, 1.2, FindHiddenSingleInBox},
    {Technique::HiddenSingleLine, 1.5, FindHiddenSingleInLine},
    {Technique::DirectPointing, 1.7, FindDirectPointing},
    {Technique::DirectClaiming, 1.9, FindDirectClaiming},
    {Technique::DirectHiddenPair, 2.0, FindDirectHiddenPair},
    {Technique::NakedSingle, 2.3, FindNakedSingle},
    {Technique::DirectHiddenTriple, 2.5, FindDirectHiddenTriple},
    {Technique::Pointing, 2.6, FindPlainPointing},
    {Technique::Claiming, 2.8, FindPlainClaiming},
    {Technique::NakedPair, 3.0, FindNakedPair},
    {Technique::XWing, 3.2, FindXWing},
    {Technique::HiddenPair, 3.4, FindHiddenPair},
    {Technique::NakedTriple, 3.6, FindNakedTriple},
    {Technique::Swordfish, 3.8, FindSwordfish},
    {Technique::HiddenTriple, 4.0, FindHiddenTriple},
    {Technique::XYWing, 4.2, FindXYWing},
    {Technique::XYZWing, 4.4, FindXYZWing},
    {Technique::UniqueRectangleType1, 4.5, FindUniqueRectangleType1},
    {Technique::UniqueRectangleType4, 4.5, FindUniqueRectangleType4},
    {Technique::UniqueRectangleType2, 4.6, FindUniqueRectangleType2},
    {Technique::UniqueRectangleType3, 4.6, FindUniqueRectangleType3},
    {Technique::HiddenUniqueRectangle, 4.8, FindHiddenUniqueRectangle},
    {Technique::NakedQuad, 5.0, FindNakedQuad},
    {Technique::Jellyfish, 5.2, FindJellyfish},
    {Technique::HiddenQuad, 5.4, FindHiddenQuad},
    {Technique::BugPlusOne, 5.6, FindBugPlusOne},
    // Players rate these as the chains they are, from a base that grows with the chain's length:
    // one digit's links (6.5 for a loop, 6.6), with a group of cells or a fin (6.7, the larger fish
    // more), several digits' links (7.0; a W-Wing's five make 7.1, and it comes first to be named
    // as the pattern people know).
    {Technique::SimpleColouring, 6.5, FindSimpleColouring},
    {Technique::Skyscraper, 6.6, FindSkyscraper},
    {Technique::TwoStringKite, 6.6, FindTwoStringKite},
    {Technique::TurbotFish, 6.6, FindTurbotFish},
    {Technique::XChain, 6.6, FindXChain},
    {Technique::XYChain, 6.6, FindXYChain},
    {Technique::EmptyRectangle, 6.7, FindEmptyRectangle},
    {Technique::FinnedXWing, 6.7, FindFinnedXWing},
    {Technique::SashimiXWing, 6.7, FindSashimiXWing},
    {Technique::FinnedSwordfish, 6.9, FindFinnedSwordfish},
    {Technique::SashimiSwordfish, 6.9, FindSashimiSwordfish},
    {Technique::WWing, 7.0, FindWWing},
    {Technique::AlternatingChain, 7.0, FindAlternatingChain},
    {Technique::FinnedJellyfish, 7.0, FindFinnedJellyfish},
    {Technique::SashimiJellyfish, 7.0, FindSashimiJellyfish},
    // Almost locked sets are not on the players' scale; they come after every chain.
    {Technique::AlsXz, 7.5, FindAlsXz},
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

}  // namespace

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

bool FindEasiestStep(const TechniqueBoard& board, TechniqueStep& step)
{
    // A chain rates above its rung by its length, so the rungs after it whose base lies below
    // are asked too, and the lowest rated step wins (the earlier rung on a tie).
    bool found = false;
    for (const LadderRung& rung : kLadder) {
        if (board.StopRequested())
            return false;
        if (found && rung.difficulty >= step.difficulty)
            break;
        TechniqueStep candidate;
        if (rung.find(board, candidate)) {
            candidate.technique = rung.technique;
            if (candidate.difficulty == 0.0)
                candidate.difficulty = rung.difficulty;
            if (!found || candidate.difficulty < step.difficulty)
                step = std::move(candidate);
            found = true;
        }
    }
    return found;
}

Explanation ExplainPuzzle(const Puzzle& puzzle, std::stop_token stop)
{
    Explanation explanation;
    int solution[kCellCount];
    if (CountSolutions(puzzle.data(), solution) != 1)
        return explanation;
    explanation.explained = true;
    TechniqueBoard board(puzzle);
    board.SetKnownUnique(true);
    board.SetStopToken(std::move(stop));
    while (!board.IsSolved()) {
        TechniqueStep step;
        const bool found = FindEasiestStep(board, step);
        if (board.StopRequested())
            return Explanation();
        if (!found) {
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
