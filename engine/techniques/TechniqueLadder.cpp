#include "TechniqueLadder.h"

#include "SolutionCount.h"
#include "TechniqueFinders.h"
#include "TechniqueSentences.h"

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

// No technique: a digit taken from the solution, where no rung applies.
void WriteGuess(std::string& out, const TechniqueStep& step)
{
    out += "no technique of the ladder applies, so cell ";
    AppendCell(out, step.placed.front().cell);
    out += " takes digit " + std::to_string(step.placed.front().digit) + " from the puzzle's only solution.";
}

constexpr LadderRung kGuess = {Technique::Guess, "Guess", 0.0, nullptr, WriteGuess};

constexpr LadderRung kLadder[] = {
    {Technique::FullHouse, "Full House", 1.0, FindFullHouse, WriteFullHouse},
    {Technique::HiddenSingleBox, "Hidden Single", 1.2, FindHiddenSingleInBox, WriteHiddenSingle},
    {Technique::HiddenSingleLine, "Hidden Single", 1.5, FindHiddenSingleInLine, WriteHiddenSingle},
    {Technique::DirectPointing, "Direct Pointing", 1.7, FindDirectPointing, WriteLockedCandidates},
    {Technique::DirectClaiming, "Direct Claiming", 1.9, FindDirectClaiming, WriteLockedCandidates},
    {Technique::DirectHiddenPair, "Direct Hidden Pair", 2.0, FindDirectHiddenPair, WriteHiddenSubset},
    {Technique::NakedSingle, "Naked Single", 2.3, FindNakedSingle, WriteNakedSingle},
    {Technique::DirectHiddenTriple, "Direct Hidden Triple", 2.5, FindDirectHiddenTriple, WriteHiddenSubset},
    {Technique::Pointing, "Pointing", 2.6, FindPlainPointing, WriteLockedCandidates},
    {Technique::Claiming, "Claiming", 2.8, FindPlainClaiming, WriteLockedCandidates},
    {Technique::NakedPair, "Naked Pair", 3.0, FindNakedPair, WriteNakedSubset},
    {Technique::XWing, "X-Wing", 3.2, FindXWing, WriteFish},
    {Technique::HiddenPair, "Hidden Pair", 3.4, FindHiddenPair, WriteHiddenSubset},
    {Technique::NakedTriple, "Naked Triple", 3.6, FindNakedTriple, WriteNakedSubset},
    {Technique::Swordfish, "Swordfish", 3.8, FindSwordfish, WriteFish},
    {Technique::HiddenTriple, "Hidden Triple", 4.0, FindHiddenTriple, WriteHiddenSubset},
    {Technique::XYWing, "XY-Wing", 4.2, FindXYWing, WriteXYWing},
    {Technique::XYZWing, "XYZ-Wing", 4.4, FindXYZWing, WriteXYZWing},
    {Technique::UniqueRectangleType1, "Unique Rectangle Type 1", 4.5, FindUniqueRectangleType1, WriteUniqueRectangle},
    {Technique::UniqueRectangleType4, "Unique Rectangle Type 4", 4.5, FindUniqueRectangleType4, WriteUniqueRectangle},
    {Technique::UniqueRectangleType2, "Unique Rectangle Type 2", 4.6, FindUniqueRectangleType2, WriteUniqueRectangle},
    {Technique::UniqueRectangleType3, "Unique Rectangle Type 3", 4.6, FindUniqueRectangleType3, WriteUniqueRectangle},
    {Technique::HiddenUniqueRectangle, "Hidden Unique Rectangle", 4.8, FindHiddenUniqueRectangle, WriteUniqueRectangle},
    {Technique::NakedQuad, "Naked Quad", 5.0, FindNakedQuad, WriteNakedSubset},
    {Technique::Jellyfish, "Jellyfish", 5.2, FindJellyfish, WriteFish},
    {Technique::HiddenQuad, "Hidden Quad", 5.4, FindHiddenQuad, WriteHiddenSubset},
    {Technique::BugPlusOne, "BUG+1", 5.6, FindBugPlusOne, WriteBugPlusOne},
    // Players rate these as the chains they are, from a base that grows with the chain's length:
    // one digit's links (6.5 for a loop, 6.6), with a group of cells or a fin (6.7, the larger fish
    // more), several digits' links (7.0; a W-Wing's five make 7.1, and it comes first to be named
    // as the pattern people know).
    {Technique::SimpleColouring, "Simple Colouring", 6.5, FindSimpleColouring, WriteSimpleColouring},
    {Technique::Skyscraper, "Skyscraper", 6.6, FindSkyscraper, WriteSkyscraper},
    {Technique::TwoStringKite, "2-String Kite", 6.6, FindTwoStringKite, WriteTwoStringKite},
    {Technique::TurbotFish, "Turbot Fish", 6.6, FindTurbotFish, WriteTurbotFish},
    {Technique::XChain, "X-Chain", 6.6, FindXChain, WriteChain},
    {Technique::XYChain, "XY-Chain", 6.6, FindXYChain, WriteChain},
    {Technique::EmptyRectangle, "Empty Rectangle", 6.7, FindEmptyRectangle, WriteEmptyRectangle},
    {Technique::FinnedXWing, "Finned X-Wing", 6.7, FindFinnedXWing, WriteFinnedFish},
    {Technique::SashimiXWing, "Sashimi X-Wing", 6.7, FindSashimiXWing, WriteFinnedFish},
    {Technique::FinnedSwordfish, "Finned Swordfish", 6.9, FindFinnedSwordfish, WriteFinnedFish},
    {Technique::SashimiSwordfish, "Sashimi Swordfish", 6.9, FindSashimiSwordfish, WriteFinnedFish},
    {Technique::WWing, "W-Wing", 7.0, FindWWing, WriteWWing},
    {Technique::AlternatingChain, "Alternating Inference Chain", 7.0, FindAlternatingChain, WriteChain},
    {Technique::FinnedJellyfish, "Finned Jellyfish", 7.0, FindFinnedJellyfish, WriteFinnedFish},
    {Technique::SashimiJellyfish, "Sashimi Jellyfish", 7.0, FindSashimiJellyfish, WriteFinnedFish},
    // Almost locked sets are not on the players' scale; they come after every chain.
    {Technique::AlsXz, "ALS-XZ", 7.5, FindAlsXz, WriteAlsXz},
    {Technique::NishioForcingChain, "Nishio Forcing Chain", 7.6, FindNishioForcingChain, WriteContradiction},
    {Technique::ContradictionForcingChain, "Contradiction Forcing Chain", 8.2, FindContradictionForcingChain, WriteContradiction},
    {Technique::CellForcingChains, "Cell Forcing Chains", 8.2, FindCellForcingChains, WriteCellForcing},
    {Technique::UnitForcingChains, "Unit Forcing Chains", 8.2, FindUnitForcingChains, WriteUnitForcing},
    {Technique::DynamicContradictionChain, "Dynamic Contradiction Forcing Chain", 8.8, FindDynamicContradictionChain, WriteContradiction},
    {Technique::DynamicCellForcingChains, "Dynamic Cell Forcing Chains", 8.8, FindDynamicCellForcingChains, WriteCellForcing},
    {Technique::DynamicUnitForcingChains, "Dynamic Unit Forcing Chains", 8.8, FindDynamicUnitForcingChains, WriteUnitForcing},
    {Technique::DynamicDoubleForcingChains, "Dynamic Double Forcing Chains", 8.8, FindDynamicDoubleForcingChains, WriteDoubleForcing},
    {Technique::NestedContradictionChain, "Nested Contradiction Forcing Chain", 9.4, FindNestedContradictionChain, WriteContradiction},
    {Technique::NestedCellForcingChains, "Nested Cell Forcing Chains", 9.4, FindNestedCellForcingChains, WriteCellForcing},
    {Technique::NestedUnitForcingChains, "Nested Unit Forcing Chains", 9.4, FindNestedUnitForcingChains, WriteUnitForcing},
    {Technique::NestedDynamicContradictionChain, "Nested Dynamic Contradiction Forcing Chain", 10.0, FindNestedDynamicContradictionChain, WriteContradiction},
    {Technique::NestedDynamicCellForcingChains, "Nested Dynamic Cell Forcing Chains", 10.0, FindNestedDynamicCellForcingChains, WriteCellForcing},
    {Technique::NestedDynamicUnitForcingChains, "Nested Dynamic Unit Forcing Chains", 10.0, FindNestedDynamicUnitForcingChains, WriteUnitForcing},
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

double AddTenths(double base, int tenths)
{
    // Rounded to tenths, as the scale is.
    return static_cast<double>(static_cast<int>(base * 10.0 + 0.5) + tenths) / 10.0;
}

double ChainDifficulty(double base, int links)
{
    int tenths = 0;
    int threshold = 4;
    for (bool byHalf = true; links > threshold; byHalf = !byHalf) {
        ++tenths;
        threshold = byHalf ? threshold * 3 / 2 : threshold * 4 / 3;
    }
    return AddTenths(base, tenths);
}

std::span<const LadderRung> Ladder()
{
    return kLadder;
}

const LadderRung& RungOf(Technique technique)
{
    const auto rung = std::ranges::find(kLadder, technique, &LadderRung::technique);
    return rung == std::end(kLadder) ? kGuess : *rung;
}

double RatingBase(Technique technique)
{
    return RungOf(technique).difficulty;
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

const char* TechniqueName(Technique technique)
{
    return technique::RungOf(technique).name;
}

std::string TechniqueSentence(const TechniqueStep& step)
{
    const technique::LadderRung& rung = technique::RungOf(step.technique);
    std::string out = rung.name;
    out += ": ";
    rung.write(out, step);
    return out;
}
