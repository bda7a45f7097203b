// One step of the technique path: which technique, how hard it is, the pattern that proves it and
// what it places and removes. Plain data, so the command line, the tests and any view can read it.
#pragma once

#include <string>
#include <vector>

// In order of difficulty; Guess comes last and is no technique: a digit taken from the solution.
enum class Technique {
    FullHouse,
    HiddenSingleBox,
    HiddenSingleLine,
    DirectPointing,
    DirectClaiming,
    DirectHiddenPair,
    NakedSingle,
    DirectHiddenTriple,
    Pointing,
    Claiming,
    NakedPair,
    XWing,
    HiddenPair,
    NakedTriple,
    Swordfish,
    HiddenTriple,
    Skyscraper,
    TwoStringKite,
    XYWing,
    TurbotFish,
    FinnedXWing,
    SashimiXWing,
    XYZWing,
    WWing,
    EmptyRectangle,
    FinnedSwordfish,
    SashimiSwordfish,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    // Uniqueness (only on a puzzle known to have one solution), the larger finned fish, and
    // almost locked sets; they sit in the ladder at their difficulty.
    UniqueRectangleType1,
    UniqueRectangleType2,
    UniqueRectangleType3,
    UniqueRectangleType4,
    HiddenUniqueRectangle,
    FinnedJellyfish,
    SashimiJellyfish,
    BugPlusOne,
    AlsXz,
    SimpleColouring,
    XChain,
    XYChain,
    AlternatingChain,
    NishioForcingChain,
    ContradictionForcingChain,
    CellForcingChains,
    UnitForcingChains,
    DynamicContradictionChain,
    DynamicCellForcingChains,
    DynamicUnitForcingChains,
    DynamicDoubleForcingChains,
    NestedContradictionChain,
    NestedCellForcingChains,
    NestedUnitForcingChains,
    NestedDynamicContradictionChain,
    NestedDynamicCellForcingChains,
    NestedDynamicUnitForcingChains,
    Guess,
};

// A digit in a cell; cells are numbered row by row from the top left (row * 9 + column).
struct CellDigit {
    int cell;
    int digit;
    bool operator==(const CellDigit&) const = default;
};

struct TechniqueStep {
    Technique technique = Technique::Guess;
    double difficulty = 0.0;
    int unit = -1;                // the unit the pattern lies in (TechniqueBoard's numbering), -1 none
    int crossUnit = -1;           // locked candidates: the unit the digit is confined to
    std::vector<int> cells;       // the pattern's cells, ascending
    // Finned fish: the cells of `cells` outside the cover lines; ALS-XZ: the second set's cells.
    std::vector<int> fins;
    unsigned digits = 0;          // the pattern's digits, bit d - 1 for digit d
    // The candidates that prove the step where `cells` and `digits` do not say which: a chain's
    // candidates in chain order (links alternating strong, weak, from a strong one), the cells of
    // one colour; a unique rectangle of type 3: every candidate of its two cells with other digits
    // and of the cells completing their naked subset; ALS-XZ: every candidate of both sets; empty
    // otherwise. A chain that closes into a loop ends on its first node again.
    std::vector<CellDigit> pattern;
    // A chain with grouped nodes (a digit's places in one square within one row or column, true
    // when one of them holds it): how many of `pattern`'s candidates each node takes, in chain
    // order; empty when each candidate is a node of its own.
    std::vector<int> nodeSizes;
    std::vector<CellDigit> placed;
    int placedUnit = -1;          // direct techniques: the unit the removals leave the placed digit one place in
    std::vector<CellDigit> removed;
};

// "Full House", "Hidden Single", "Pointing", "Naked Pair", ... "Guess".
const char* TechniqueName(Technique technique);
// One English sentence naming the technique and saying what it proves, cells as "(x=C, y=R)".
std::string TechniqueSentence(const TechniqueStep& step);
