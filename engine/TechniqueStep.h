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
    NakedSingle,
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
    std::vector<int> fins;        // finned fish: the cells of `cells` outside the cover lines
    unsigned digits = 0;          // the pattern's digits, bit d - 1 for digit d
    // The candidates that prove the step where `cells` and `digits` do not say which: a chain's
    // candidates in chain order (links alternating strong, weak, from a strong one), the cells of
    // one colour; empty otherwise.
    std::vector<CellDigit> pattern;
    std::vector<CellDigit> placed;
    std::vector<CellDigit> removed;
};

// "Full House", "Hidden Single", "Pointing", "Naked Pair", ... "Guess".
const char* TechniqueName(Technique technique);
// One English sentence naming the technique and saying what it proves, cells as "(x=C, y=R)".
std::string TechniqueSentence(const TechniqueStep& step);
