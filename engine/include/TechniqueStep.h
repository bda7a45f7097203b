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

// What a finder found, each part under the name of the role it plays, so the sentence and the
// hint's marks read the pattern rather than work it out again. A role a technique has not is left
// empty (-1 for a unit or a cell).
struct TechniqueStep {
    Technique technique = Technique::Guess;
    double difficulty = 0.0;
    // Units in TechniqueBoard's numbering. The base is the unit the pattern lies in: a single's, a
    // subset's, a locked digit's square or line, a fish's first base line, the first link of a
    // skyscraper, kite (its row) or turbot fish, a W-Wing's link, an empty rectangle's square, a
    // unique rectangle's roof unit (hidden: the target's row), the first almost locked set's unit,
    // a unit forcing chain's unit, a contradiction's unit left without a place for the digit.
    int baseUnit = -1;
    // The cover is the unit the base is read against: a locked digit's other unit, a fish's first
    // cover line, the line joining a skyscraper's links, the square joining a kite's, a turbot
    // fish's second link, an empty rectangle's strong link, the second almost locked set's unit, a
    // hidden unique rectangle's column, a contradiction's unit the digit would go into twice.
    int coverUnit = -1;
    std::vector<int> cells;       // the pattern's cells, ascending
    unsigned digits = 0;          // the pattern's digits, bit d - 1 for digit d
    int pivot = -1;               // XY- and XYZ-Wing: the cell that sees the others
    // The cells one of which holds the digit the step removes: a wing's pincers (XYZ-Wing: and its
    // pivot), a W-Wing's two cells, each ascending; the far ends of a skyscraper, kite or turbot
    // fish, the base's first; an empty rectangle's link, the end in line with the square first.
    std::vector<int> ends;
    // The places joining two links, that see each other (a skyscraper, kite or turbot fish: the
    // base's first) or that each see one end (a W-Wing's link, ascending).
    std::vector<int> inner;
    std::vector<int> fins;        // a finned fish's places outside the cover lines
    // Groups of cells by their part: two almost locked sets, each ascending; a unique rectangle's
    // roof (the corners holding other digits; none for type 1 and the hidden one) and the cells
    // completing type 3's naked subset.
    std::vector<std::vector<int>> sets;
    // The candidates that prove the step where `cells` and `digits` do not say which: a chain's in
    // chain order, closing a loop on its first node again; one colour's cells; every candidate of
    // a type 3 unique rectangle's roof and subset with other digits, or of both almost locked sets;
    // those of a forcing chain's branches in order.
    std::vector<CellDigit> candidates;
    std::vector<CellDigit> placed;
    int placedUnit = -1;          // direct techniques: the unit the removals leave the placed digit one place in
    std::vector<CellDigit> removed;
    // Chains and forcing chains: the chain, or each branch in turn; empty for other techniques.
    std::vector<TechniqueChain> chains;
};

// "Full House", "Hidden Single", "Pointing", "Naked Pair", ... "Guess"; each technique's row of
// the ladder names it.
const char* TechniqueName(Technique technique);
// One English sentence naming the technique and saying what it proves, cells as "(x=C, y=R)".
std::string TechniqueSentence(const TechniqueStep& step);
