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

// A node of a chain, made true or false: a digit in one cell, or in a group of two or three cells
// of one square within one row or column, true when one of them holds it.
struct ChainNode {
    int digit = 0;
    std::vector<int> cells;  // ascending
    bool on = false;         // the digit goes there; false: it does not
    bool operator==(const ChainNode&) const = default;
};

// One inference of a chain: nodes[to] follows from nodes[from], together with any other links
// into nodes[to] (a digit that loses every other place in a unit, or a cell every other digit).
struct ChainLink {
    int from = 0;
    int to = 0;
    bool operator==(const ChainLink&) const = default;
};

// A chain, or one branch of a forcing chain: nodes[0] is what it assumes; from there its links
// lead, in the order the nodes follow, to what it proves or to a contradiction (the same candidate
// made both true and false, or every candidate of a cell or every place of a digit in a unit made
// false). A chain that closes into a loop links its last node back to nodes[0].
struct TechniqueChain {
    std::vector<ChainNode> nodes;
    std::vector<ChainLink> links;
    bool operator==(const TechniqueChain&) const = default;
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
    // Chains and forcing chains: the chain, or each branch in turn; empty for other techniques.
    std::vector<TechniqueChain> chains;
};

// "Full House", "Hidden Single", "Pointing", "Naked Pair", ... "Guess".
const char* TechniqueName(Technique technique);
// One English sentence naming the technique and saying what it proves, cells as "(x=C, y=R)".
std::string TechniqueSentence(const TechniqueStep& step);
