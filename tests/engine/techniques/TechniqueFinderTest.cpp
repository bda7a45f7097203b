// The technique finder: each family on hand-made candidate boards, and the whole path checked
// against the solution finder.
#include "SolutionCount.h"
#include "techniques/TechniqueFinders.h"
#include "techniques/TechniqueLadder.h"
#include "TechniqueCuts.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stop_token>
#include <thread>

void PrintTo(const CellDigit& cellDigit, std::ostream* out)
{
    *out << cellDigit.digit << "@(x=" << cellDigit.cell % 9 + 1 << ",y=" << cellDigit.cell / 9 + 1 << ')';
}

namespace {

using namespace technique;

// Every digit but `kept` cut from the cells.
std::vector<CellDigit> Keep(std::initializer_list<int> cells, std::initializer_list<int> kept)
{
    std::vector<CellDigit> list;
    for (const int cell : cells) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (std::find(kept.begin(), kept.end(), digit) == kept.end())
                list.push_back({cell, digit});
        }
    }
    return list;
}

struct FinderRow {
    const char* name;
    Technique technique;
    std::string puzzle;
    std::vector<CellDigit> cut;  // candidates removed from the puzzle's board first
    std::vector<CellDigit> placed;
    std::vector<CellDigit> removed;
    bool knownUnique = false;
};

const std::string kEmpty(81, '.');
const std::vector<CellDigit> kBoxRows23 = Each({9, 10, 11, 18, 19, 20}, {4});
// Digit 4 in rows y=1 and y=5 only in columns x=2 and x=7.
const std::vector<CellDigit> kXWing = OnlyIn(0, {1, 6}, 4) + OnlyIn(4, {37, 42}, 4);
// Digit 6 in row y=1 only at x=2 and x=7, in column x=1 only at y=3 and y=8; (x=2, y=1) and (x=1, y=3) share a square.
const std::vector<CellDigit> kKite = OnlyIn(0, {1, 6}, 6) + OnlyIn(9, {18, 63}, 6);
// (x=1, y=1) and (x=5, y=5) hold only 1 and 2; digit 1 in row y=9 only at x=1 and x=5.
const std::vector<CellDigit> kWWing = Each({0, 40}, {3, 4, 5, 6, 7, 8, 9}) + OnlyIn(8, {72, 76}, 1);

// A rectangle in rows y=1, y=2 and columns x=1, x=4 whose top side holds only 1 and 2.
const std::vector<CellDigit> kFloor = Keep({0, 3}, {1, 2});
const std::vector<CellDigit> kRoof78 = kFloor + Keep({9}, {1, 2, 7}) + Keep({12}, {1, 2, 8});
// Digit 2 in rows y=1, y=3, y=6 and y=9 only in columns x=2, x=4, x=6 and x=8, and at (x=9, y=9).
const std::vector<CellDigit> kFinnedJellyfish =
    OnlyIn(0, {1, 3}, 2) + OnlyIn(2, {21, 23}, 2) + OnlyIn(5, {50, 52}, 2) + OnlyIn(8, {73, 79, 80}, 2);
// (x=1, y=1) and (x=4, y=1) in row y=1, (x=5, y=2) and (x=6, y=3) in the square x=4..6, y=1..3.
const std::vector<CellDigit> kAls = Keep({0}, {1, 2}) + Keep({3}, {1, 3}) + Keep({13}, {3, 4}) + Keep({23}, {2, 4});

// Made for the pattern, not from a puzzle: a solved grid's 1s, 2s and 3s blanked, each keeping its
// digit and the next (3: 1), which gives every digit two places or none in every unit; with
// `extra`, (x=1, y=1) keeps all three.
const std::string kSolved = "123675948456982371789314562964157283517238496832496157271849635395761824648523719";
std::string Blanked()
{
    std::string line = kSolved;
    std::replace_if(line.begin(), line.end(), [](char digit) { return digit <= '3'; }, '.');
    return line;
}
std::vector<CellDigit> Bivalue(bool extra)
{
    std::vector<CellDigit> cut;
    for (int cell = extra ? 1 : 0; cell < 81; ++cell) {
        if (kSolved[static_cast<std::size_t>(cell)] <= '3')
            cut.push_back({cell, (kSolved[static_cast<std::size_t>(cell)] - '0' + 1) % 3 + 1});
    }
    return cut;
}
// Digit 7 in rows y=1, y=5 and y=9 only at x=1, x=5; x=5, x=8; x=8, x=3: the X-chain (x=1, y=1) =
// (x=5, y=1) - (x=5, y=5) = (x=8, y=5) - (x=8, y=9) = (x=3, y=9).
const std::vector<CellDigit> kXChain = OnlyIn(0, {0, 4}, 7) + OnlyIn(4, {40, 43}, 7) + OnlyIn(8, {74, 79}, 7);
// (x=1, y=1) 1,2 - (x=5, y=1) 2,3 - (x=5, y=5) 3,4 - (x=9, y=5) 4,1.
const std::vector<CellDigit> kXYChain = Each({0}, {3, 4, 5, 6, 7, 8, 9}) + Each({4}, {1, 4, 5, 6, 7, 8, 9})
    + Each({40}, {1, 2, 5, 6, 7, 8, 9}) + Each({44}, {2, 3, 5, 6, 7, 8, 9});
// Digit 5 in row y=1 only at x=1 and in the group x=7..8; (x=9, y=2) holds only 3 and 5, (x=2, y=2)
// only 3 and 4.
const std::vector<CellDigit> kGroupChain = OnlyIn(0, {0, 6, 7}, 5) + Each({17}, {1, 2, 4, 6, 7, 8, 9}) + Each({10}, {1, 2, 5, 6, 7, 8, 9});
// Digit 7's conjugate pairs (x=1, y=1) = (x=5, y=1) = (x=5, y=4) = (x=2, y=4).
const std::vector<CellDigit> kColours = OnlyIn(0, {0, 4}, 7) + OnlyIn(13, {4, 31}, 7) + OnlyIn(3, {31, 28}, 7);
// (x=5, y=5) holds 1 and 2, (x=5, y=1) 1 and 3, (x=1, y=5) 2 and 3: whichever of 1 and 2 the first holds, 3 leaves (x=1, y=1).
const std::vector<CellDigit> kForcingCell = Each({40}, {3, 4, 5, 6, 7, 8, 9}) + Each({4}, {2, 4, 5, 6, 7, 8, 9}) + Each({36}, {1, 4, 5, 6, 7, 8, 9});
// Digit 1 in row y=1 only at x=1 and x=5; (x=1, y=5) and (x=5, y=5) hold 1 and 3: either way
// (x=1, y=2) loses 1, seeing (x=1, y=1) or, through (x=5, y=5) and (x=1, y=5), a 1 at (x=1, y=5).
const std::vector<CellDigit> kForcingUnit = OnlyIn(0, {0, 4}, 1) + Each({36, 40}, {2, 4, 5, 6, 7, 8, 9});
// (x=1, y=1) holds 1, 2 and 3, (x=2, y=3) 1 and 2, (x=3, y=2) 1 and 3: a 1 elsewhere in their square empties (x=1, y=1).
const std::vector<CellDigit> kForcingEmpty = Each({0}, {4, 5, 6, 7, 8, 9}) + Each({19}, {3, 4, 5, 6, 7, 8, 9}) + Each({11}, {2, 4, 5, 6, 7, 8, 9});

const FinderRow kFinderRows[] = {
    {"FullHouse", Technique::FullHouse, "12345678." + kEmpty, {}, {{8, 9}}, {}},
    {"FullHouseTwoEmpty", Technique::FullHouse, "1234567.." + kEmpty, {}, {}, {}},
    {"HiddenSingleBox", Technique::HiddenSingleBox, kEmpty, Each({1, 2, 9, 10, 11, 18, 19, 20}, {5}), {{0, 5}}, {}},
    {"HiddenSingleBoxTwoPlaces", Technique::HiddenSingleBox, kEmpty, Each({1, 2, 9, 10, 11, 18, 19}, {5}), {}, {}},
    {"HiddenSingleRow", Technique::HiddenSingleLine, kEmpty, Each({0, 1, 2, 3, 5, 6, 7, 8}, {5}), {{4, 5}}, {}},
    {"NakedSingle", Technique::NakedSingle, kEmpty, Each({40}, {1, 2, 3, 4, 5, 6, 7, 8}), {{40, 9}}, {}},
    {"NakedSingleTwoLeft", Technique::NakedSingle, kEmpty, Each({40}, {1, 2, 3, 4, 5, 6, 7}), {}, {}},
    {"Pointing", Technique::Pointing, kEmpty, kBoxRows23, {}, Each({3, 4, 5, 6, 7, 8}, {4})},
    {"PointingNothingLeft", Technique::Pointing, kEmpty, kBoxRows23 + Each({3, 4, 5, 6, 7, 8}, {4}), {}, {}},
    // The pointing leaves (x=4, y=2) the only place for 4 in column x=4.
    {"DirectPointing", Technique::DirectPointing, kEmpty, kBoxRows23 + Each({21, 30, 39, 48, 57, 66, 75}, {4}), {{12, 4}},
     Each({3, 4, 5, 6, 7, 8}, {4})},
    {"DirectPointingNoSingleLeft", Technique::DirectPointing, kEmpty, kBoxRows23, {}, {}},
    // The pair's cells lose 3, which leaves (x=1, y=2) the only place for 3 in the top left square.
    {"DirectHiddenPair", Technique::DirectHiddenPair, kEmpty, Each({2, 3, 4, 5, 6, 7, 8}, {1, 2}) + Each({2, 10, 11, 18, 19, 20}, {3}),
     {{9, 3}}, Each({0, 1}, {3, 4, 5, 6, 7, 8, 9})},
    {"DirectHiddenPairNoSingleLeft", Technique::DirectHiddenPair, kEmpty, Each({2, 3, 4, 5, 6, 7, 8}, {1, 2}), {}, {}},
    {"Claiming", Technique::Claiming, kEmpty, Each({3, 4, 5, 6, 7, 8}, {4}), {}, kBoxRows23},
    // The claiming leaves (x=1, y=1) the only place for 4 in column x=1.
    {"DirectClaiming", Technique::DirectClaiming, kEmpty, Each({3, 4, 5, 6, 7, 8, 27, 36, 45, 54, 63, 72}, {4}), {{0, 4}}, kBoxRows23},
    {"ClaimingNothingLeft", Technique::Claiming, kEmpty, kBoxRows23 + Each({3, 4, 5, 6, 7, 8}, {4}), {}, {}},
    {"NakedPair", Technique::NakedPair, kEmpty, Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}), {},
     Each({2, 3, 4, 5, 6, 7, 8}, {1, 2})},
    // The triple's cells lose 4, which leaves (x=1, y=2) the only place for 4 in the top left square.
    {"DirectHiddenTriple", Technique::DirectHiddenTriple, kEmpty, Each({3, 4, 5, 6, 7, 8}, {1, 2, 3}) + Each({10, 11, 18, 19, 20}, {4}),
     {{9, 4}}, Each({0, 1, 2}, {4, 5, 6, 7, 8, 9})},
    {"NakedPairAlreadyClean", Technique::NakedPair, kEmpty,
     Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}) + Each({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}, {1, 2}), {}, {}},
    {"HiddenPair", Technique::HiddenPair, kEmpty, Each({2, 3, 4, 5, 6, 7, 8}, {1, 2}), {},
     Each({0, 1}, {3, 4, 5, 6, 7, 8, 9})},
    {"HiddenPairAlreadyClean", Technique::HiddenPair, kEmpty,
     Each({2, 3, 4, 5, 6, 7, 8}, {1, 2}) + Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}), {}, {}},
    // No cell holds all three digits.
    {"NakedTriple", Technique::NakedTriple, kEmpty,
     Each({0, 1, 2}, {4, 5, 6, 7, 8, 9}) + Each({0}, {3}) + Each({1}, {1}) + Each({2}, {2}), {},
     Each({3, 4, 5, 6, 7, 8}, {1, 2, 3})},
    {"HiddenTriple", Technique::HiddenTriple, kEmpty, Each({3, 4, 5, 6, 7, 8}, {1, 2, 3}) + Each({0}, {3}), {},
     Each({0, 1, 2}, {4, 5, 6, 7, 8, 9})},
    {"NakedQuad", Technique::NakedQuad, kEmpty,
     Each({0, 1, 2, 3}, {5, 6, 7, 8, 9}) + Each({0}, {3, 4}) + Each({1}, {1, 4}) + Each({2}, {1, 2}) + Each({3}, {2, 3}), {},
     Each({4, 5, 6, 7, 8}, {1, 2, 3, 4})},
    {"HiddenQuad", Technique::HiddenQuad, kEmpty, Each({4, 5, 6, 7, 8}, {1, 2, 3, 4}), {},
     Each({0, 1, 2, 3}, {5, 6, 7, 8, 9})},
    {"HiddenQuadFiveCells", Technique::HiddenQuad, kEmpty, Each({5, 6, 7, 8}, {1, 2, 3, 4}), {}, {}},
    {"XWing", Technique::XWing, kEmpty, kXWing, {}, Each({10, 15, 19, 24, 28, 33, 46, 51, 55, 60, 64, 69, 73, 78}, {4})},
    {"XWingAlreadyClean", Technique::XWing, kEmpty, kXWing + OnlyIn(10, {1, 37}, 4) + OnlyIn(15, {6, 42}, 4), {}, {}},
    // Digit 4 in rows y=1 and y=5 only in columns x=2 and x=7 and, in row y=5, the fin (x=8, y=5).
    {"FinnedXWing", Technique::FinnedXWing, kEmpty, OnlyIn(0, {1, 6}, 4) + OnlyIn(4, {37, 42, 43}, 4), {}, Each({33, 51}, {4})},
    // Read first as columns x=2 and x=8 with the fin (x=7, y=1), row y=1 holding one place in them.
    {"SashimiXWing", Technique::SashimiXWing, kEmpty, OnlyIn(0, {1, 6}, 4) + OnlyIn(4, {37, 43}, 4), {}, Each({16, 25}, {4})},
    {"FinnedXWingFinsInTwoSquares", Technique::FinnedXWing, kEmpty, OnlyIn(0, {1, 2, 6}, 4) + OnlyIn(4, {37, 42, 43}, 4), {}, {}},
    // Digit 7 in columns x=1, x=4 and x=9 only in rows y=2, y=5 and y=8, two places each.
    {"Swordfish", Technique::Swordfish, kEmpty, OnlyIn(9, {9, 36}, 7) + OnlyIn(12, {39, 66}, 7) + OnlyIn(17, {17, 71}, 7), {},
     Each({10, 11, 13, 14, 15, 16, 37, 38, 40, 41, 42, 43, 64, 65, 67, 68, 69, 70}, {7})},
    // The same with the fin (x=1, y=6) in column x=1; sashimi: without (x=1, y=2).
    {"FinnedSwordfish", Technique::FinnedSwordfish, kEmpty, OnlyIn(9, {9, 36, 45}, 7) + OnlyIn(12, {39, 66}, 7) + OnlyIn(17, {17, 71}, 7), {}, Each({37, 38}, {7})},
    {"SashimiSwordfish", Technique::SashimiSwordfish, kEmpty, OnlyIn(9, {36, 45}, 7) + OnlyIn(12, {39, 66}, 7) + OnlyIn(17, {17, 71}, 7), {}, Each({37, 38}, {7})},
    // Digit 2 in rows y=1, y=3, y=6 and y=9 only in columns x=2, x=4, x=6 and x=8.
    {"Jellyfish", Technique::Jellyfish, kEmpty, OnlyIn(0, {1, 3}, 2) + OnlyIn(2, {21, 23}, 2) + OnlyIn(5, {50, 52}, 2) + OnlyIn(8, {73, 79}, 2), {},
     Each({10, 12, 14, 16, 28, 30, 32, 34, 37, 39, 41, 43, 55, 57, 59, 61, 64, 66, 68, 70}, {2})},
    // Digit 5 in rows y=1 and y=5 only at x=2, x=5 and at x=2, x=6.
    {"Skyscraper", Technique::Skyscraper, kEmpty, OnlyIn(0, {1, 4}, 5) + OnlyIn(4, {37, 41}, 5), {}, Each({14, 23, 31, 49}, {5})},
    // The roofs (x=6, y=1) and (x=8, y=5) see no cell in common that holds 5.
    {"SkyscraperRoofsApart", Technique::Skyscraper, kEmpty, OnlyIn(0, {1, 5}, 5) + OnlyIn(4, {37, 43}, 5), {}, {}},
    {"TwoStringKite", Technique::TwoStringKite, kEmpty, kKite, {}, Each({69}, {6})},
    {"TwoStringKiteAlreadyClean", Technique::TwoStringKite, kEmpty, kKite + Each({69}, {6}), {}, {}},
    // Digit 8 in the top left square only at (x=1, y=1) and (x=3, y=3), in column x=7 only at y=3 and y=8.
    {"TurbotFish", Technique::TurbotFish, kEmpty, Each({1, 2, 9, 10, 11, 18, 19}, {8}) + OnlyIn(15, {24, 69}, 8), {}, Each({63}, {8})},
    {"TurbotFishAlreadyClean", Technique::TurbotFish, kEmpty, Each({1, 2, 9, 10, 11, 18, 19, 63}, {8}) + OnlyIn(15, {24, 69}, 8), {}, {}},
    // Pivot (x=1, y=1) with 1 and 2, pincers (x=6, y=1) with 1 and 3 and (x=1, y=4) with 2 and 3.
    {"XYWing", Technique::XYWing, kEmpty,
     Each({0}, {3, 4, 5, 6, 7, 8, 9}) + Each({5}, {2, 4, 5, 6, 7, 8, 9}) + Each({27}, {1, 4, 5, 6, 7, 8, 9}), {}, Each({32}, {3})},
    // Pivot (x=1, y=1) with 1, 2 and 3, pincers (x=5, y=1) with 1 and 3 and (x=2, y=3) with 2 and 3.
    {"XYZWing", Technique::XYZWing, kEmpty,
     Each({0}, {4, 5, 6, 7, 8, 9}) + Each({4}, {2, 4, 5, 6, 7, 8, 9}) + Each({19}, {1, 4, 5, 6, 7, 8, 9}), {}, Each({1, 2}, {3})},
    {"WWing", Technique::WWing, kEmpty, kWWing, {}, Each({4, 36}, {2})},
    // Digit 3 in the top left square only on row y=1 and column x=1; in column x=5 only at y=1 and y=7.
    {"EmptyRectangle", Technique::EmptyRectangle, kEmpty, Each({10, 11, 19, 20}, {3}) + OnlyIn(13, {4, 58}, 3), {}, Each({54}, {3})},
    // The link's far end (x=5, y=2) lies in the square's rows.
    {"EmptyRectangleLinkInBand", Technique::EmptyRectangle, kEmpty, Each({10, 11, 19, 20}, {3}) + OnlyIn(13, {4, 13}, 3), {}, {}},
    {"XChain", Technique::XChain, kEmpty, kXChain, {}, Each({11, 20, 54, 63}, {7})},
    {"XChainAlreadyClean", Technique::XChain, kEmpty, kXChain + Each({11, 20, 54, 63}, {7}), {}, {}},
    // Rows y=1 and y=5 hold 7 only at x=1 and x=5: the chain closes into a loop through column x=1.
    {"XChainLoop", Technique::XChain, kEmpty, OnlyIn(0, {0, 4}, 7) + OnlyIn(4, {36, 40}, 7), {},
     Each({9, 13, 18, 22, 27, 31, 45, 49, 54, 58, 63, 67, 72, 76}, {7})},
    {"XYChain", Technique::XYChain, kEmpty, kXYChain, {}, Each({8, 36}, {1})},
    {"XYChainAlreadyClean", Technique::XYChain, kEmpty, kXYChain + Each({8, 36}, {1}), {}, {}},
    {"AlternatingChainGrouped", Technique::AlternatingChain, kEmpty, kGroupChain, {}, {{0, 4}}},
    {"AlternatingChainAlreadyClean", Technique::AlternatingChain, kEmpty, kGroupChain + Each({0}, {4}), {}, {}},
    {"ColourTrap", Technique::SimpleColouring, kEmpty, kColours, {}, Each({10, 19, 36, 45}, {7})},
    // (x=1, y=1) = (x=2, y=1) = (x=2, y=2): the first and last share a square.
    {"ColourWrap", Technique::SimpleColouring, kEmpty, OnlyIn(0, {0, 1}, 7) + OnlyIn(10, {1, 10}, 7), {}, Each({0, 10}, {7})},
    // Three conjugate pairs, none joined to another: nothing sees both colours of one.
    {"ColoursApart", Technique::SimpleColouring, kEmpty, kXChain, {}, {}},
    // Digit 1 in row y=9 only at x=1 and x=2: (x=2, y=9) sees neither cell.
    // Digit 1 in row y=1 only at x=1 and x=2: a 1 at (x=1, y=2) leaves the row none.
    {"Nishio", Technique::NishioForcingChain, kEmpty, OnlyIn(0, {0, 1}, 1), {}, Each({9}, {1})},
    {"NishioNoCellSeesBothPlaces", Technique::NishioForcingChain, kEmpty, OnlyIn(0, {0, 4}, 1), {}, {}},
    // (x=1, y=1) and (x=2, y=1) hold 1 and 2: a 1 at (x=3, y=1) makes both 2.
    {"ContradictionForcingChain", Technique::ContradictionForcingChain, kEmpty, Each({0, 1}, {3, 4, 5, 6, 7, 8, 9}), {}, Each({2}, {1})},
    {"ContradictionForcingChainNoClash", Technique::ContradictionForcingChain, kEmpty,
     Each({0}, {3, 4, 5, 6, 7, 8, 9}) + Each({1}, {2, 4, 5, 6, 7, 8, 9}), {}, {}},
    {"CellForcingChains", Technique::CellForcingChains, kEmpty, kForcingCell, {}, Each({0}, {3})},
    {"CellForcingChainsApart", Technique::CellForcingChains, kEmpty,
     Each({40}, {3, 4, 5, 6, 7, 8, 9}) + Each({4}, {2, 4, 5, 6, 7, 8, 9}) + Each({36}, {1, 3, 5, 6, 7, 8, 9}), {}, {}},
    {"UnitForcingChains", Technique::UnitForcingChains, kEmpty, kForcingUnit, {}, Each({9}, {1})},
    {"UnitForcingChainsApart", Technique::UnitForcingChains, kEmpty,
     OnlyIn(0, {0, 4}, 1) + Each({36}, {2, 4, 5, 6, 7, 8, 9}) + Each({40}, {2, 3, 4, 6, 7, 8, 9}), {}, {}},
    {"DynamicContradiction", Technique::DynamicContradictionChain, kEmpty, kForcingEmpty, {}, Each({1}, {1})},
    // (x=1, y=1) keeps 4 as well: nothing empties it.
    {"DynamicContradictionCellKeepsOne", Technique::DynamicContradictionChain, kEmpty,
     Each({0}, {5, 6, 7, 8, 9}) + Each({19}, {3, 4, 5, 6, 7, 8, 9}) + Each({11}, {2, 4, 5, 6, 7, 8, 9}), {}, {}},
    {"DynamicCellForcingChains", Technique::DynamicCellForcingChains, kEmpty, kForcingCell, {}, Each({0}, {3})},
    {"DynamicUnitForcingChains", Technique::DynamicUnitForcingChains, kEmpty, kForcingUnit, {}, Each({9}, {1})},
    {"DynamicDoubleForcingChains", Technique::DynamicDoubleForcingChains, kEmpty, kForcingCell, {}, Each({0}, {3})},
    {"DynamicDoubleForcingChainsEmptyBoard", Technique::DynamicDoubleForcingChains, kEmpty, {}, {}, {}},
    {"NestedContradiction", Technique::NestedContradictionChain, kEmpty, kForcingEmpty, {}, Each({1}, {1})},
    {"NestedCellForcingChains", Technique::NestedCellForcingChains, kEmpty, kForcingCell, {}, Each({0}, {3})},
    {"NestedUnitForcingChains", Technique::NestedUnitForcingChains, kEmpty, kForcingUnit, {}, Each({9}, {1})},
    {"NestedDynamicCellForcingChains", Technique::NestedDynamicCellForcingChains, kEmpty, kForcingCell, {}, Each({0}, {3})},
    {"NestedDynamicContradiction", Technique::NestedDynamicContradictionChain, kEmpty, kForcingEmpty, {}, Each({1}, {1})},
    {"NestedDynamicUnitForcingChains", Technique::NestedDynamicUnitForcingChains, kEmpty, kForcingUnit, {}, Each({9}, {1})},
    {"NestedDynamicCellForcingChainsEmptyBoard", Technique::NestedDynamicCellForcingChains, kEmpty, {}, {}, {}},
    {"WWingLinkSeesOneCell", Technique::WWing, kEmpty, Each({0, 40}, {3, 4, 5, 6, 7, 8, 9}) + OnlyIn(8, {72, 73}, 1), {}, {}},
    {"UniqueRectangleType1", Technique::UniqueRectangleType1, kEmpty, Keep({0, 3, 9}, {1, 2}), {}, Each({12}, {1, 2}), true},
    {"UniqueRectangleNotKnownUnique", Technique::UniqueRectangleType1, kEmpty, Keep({0, 3, 9}, {1, 2}), {}, {}},
    {"UniqueRectangleType2", Technique::UniqueRectangleType2, kEmpty, kFloor + Keep({9, 12}, {1, 2, 7}), {},
     Each({10, 11, 13, 14, 15, 16, 17}, {7}), true},
    {"UniqueRectangleType2TwoExtras", Technique::UniqueRectangleType2, kEmpty, kRoof78, {}, {}, true},
    // (x=7, y=2) with 7 and 8 completes a pair with the roof's 7 and 8.
    {"UniqueRectangleType3", Technique::UniqueRectangleType3, kEmpty, kRoof78 + Keep({15}, {7, 8}), {},
     Each({10, 11, 13, 14, 16, 17}, {7, 8}), true},
    {"UniqueRectangleType3NoSubset", Technique::UniqueRectangleType3, kEmpty, kRoof78 + Keep({15}, {6, 7, 8}), {}, {}, true},
    {"UniqueRectangleType4", Technique::UniqueRectangleType4, kEmpty, kFloor + OnlyIn(1, {9, 12}, 1), {}, Each({9, 12}, {2}), true},
    {"UniqueRectangleType4NotConfined", Technique::UniqueRectangleType4, kEmpty, kFloor + OnlyIn(1, {9, 12, 15}, 1), {}, {}, true},
    // (x=4, y=2) holds only 1 and 2; digit 1 in row y=1 and column x=1 only in the rectangle.
    {"HiddenUniqueRectangle", Technique::HiddenUniqueRectangle, kEmpty,
     Keep({12}, {1, 2}) + OnlyIn(0, {0, 3}, 1) + OnlyIn(9, {0, 9}, 1), {}, Each({0}, {2}), true},
    {"HiddenUniqueRectangleRowOpen", Technique::HiddenUniqueRectangle, kEmpty,
     Keep({12}, {1, 2}) + OnlyIn(0, {0, 3, 6}, 1) + OnlyIn(9, {0, 9}, 1), {}, {}, true},
    {"BugPlusOne", Technique::BugPlusOne, Blanked(), Bivalue(true), {{0, 3}}, {}, true},
    {"BugPlusOneAllBivalue", Technique::BugPlusOne, Blanked(), Bivalue(false), {}, {}, true},
    {"BugPlusOneNotKnownUnique", Technique::BugPlusOne, Blanked(), Bivalue(true), {}, {}},
    // The fin (x=9, y=9) covers column x=8's cells of its square.
    {"FinnedJellyfish", Technique::FinnedJellyfish, kEmpty, kFinnedJellyfish, {}, Each({61, 70}, {2})},
    // Read with the fins (x=4, y=1) and (x=4, y=3), row y=1 holding one place in the columns x=2, x=6, x=8, x=9.
    {"SashimiJellyfish", Technique::SashimiJellyfish, kEmpty, kFinnedJellyfish, {}, Each({14}, {2})},
    {"FinnedJellyfishNoFin", Technique::FinnedJellyfish, kEmpty,
     OnlyIn(0, {1, 3}, 2) + OnlyIn(2, {21, 23}, 2) + OnlyIn(5, {50, 52}, 2) + OnlyIn(8, {73, 79}, 2), {}, {}},
    // {1, 2} and {1, 3} in the row, {3, 4} and {2, 4} in the square: 3 restricted, 2 seen from both ends.
    {"AlsXz", Technique::AlsXz, kEmpty, kAls, {}, Each({4, 5, 18, 19, 20}, {2})},
    {"AlsXzNothingSeen", Technique::AlsXz, kEmpty, kAls + Each({4, 5, 18, 19, 20}, {2}), {}, {}},
    // (x=1, y=1) with 1 and 2 sees both places of each in {1, 3} and {2, 3} beside it: doubly linked.
    {"AlsXzDoublyLinked", Technique::AlsXz, kEmpty, Keep({0}, {1, 2}) + Keep({1}, {1, 3}) + Keep({2}, {2, 3}), {},
     Each({3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}, {1, 2, 3})},
};

class TechniqueFinderTest : public testing::TestWithParam<FinderRow> {};

const LadderRung* RungFor(Technique technique)
{
    const auto ladder = Ladder();
    const auto rung = std::find_if(ladder.begin(), ladder.end(), [&](const LadderRung& each) { return each.technique == technique; });
    return rung == ladder.end() ? nullptr : &*rung;
}

// What the technique's rung finds on the row's board, as the ladder hands it on.
bool FindOnRow(const FinderRow& row, TechniqueStep& step)
{
    TechniqueBoard board(Puzzle::FromLine(row.puzzle));
    board.SetKnownUnique(row.knownUnique);
    for (const CellDigit& cut : row.cut)
        board.Remove(cut.cell, cut.digit);
    const bool found = RungFor(row.technique)->find(board, step);
    step.technique = row.technique;
    return found;
}

TEST_P(TechniqueFinderTest, FindsExactlyThePattern)
{
    const FinderRow& row = GetParam();
    ASSERT_NE(RungFor(row.technique), nullptr) << "the technique is not on the ladder";
    TechniqueStep step;
    EXPECT_EQ(FindOnRow(row, step), !row.placed.empty() || !row.removed.empty());
    EXPECT_EQ(step.placed, row.placed);
    EXPECT_EQ(step.removed, row.removed);
}

INSTANTIATE_TEST_SUITE_P(Families, TechniqueFinderTest, testing::ValuesIn(kFinderRows),
                         [](const testing::TestParamInfo<FinderRow>& info) { return info.param.name; });

// Each technique's sentence, pinned on the step its finder row of that name finds (Guess: the
// path's last resort on the blanked grid).
struct SentenceRow {
    const char* finderRow;
    const char* sentence;
};

const SentenceRow kSentenceRows[] = {
    {"FullHouse", "Full House: cell (x=9, y=1) is the only empty cell of row y=1, so it holds the missing digit 9."},
    {"HiddenSingleBox", "Hidden Single: in the square x=1..3, y=1..3, digit 5 fits only in cell (x=1, y=1), so it goes there."},
    {"HiddenSingleRow", "Hidden Single: in row y=1, digit 5 fits only in cell (x=5, y=1), so it goes there."},
    {"DirectPointing", "Direct Pointing: in the square x=1..3, y=1..3, digit 4 can go only in row y=1, so it is removed from the rest of row y=1: (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1); that leaves digit 4 one place in column x=4, (x=4, y=2), so it goes there."},
    {"DirectClaiming", "Direct Claiming: in row y=1, digit 4 can go only in the square x=1..3, y=1..3, so it is removed from the rest of the square x=1..3, y=1..3: (x=1, y=2), (x=2, y=2), (x=3, y=2), (x=1, y=3), (x=2, y=3) and (x=3, y=3); that leaves digit 4 one place in column x=1, (x=1, y=1), so it goes there."},
    {"DirectHiddenPair", "Direct Hidden Pair: in row y=1, digits 1 and 2 fit only in the 2 cells (x=1, y=1) and (x=2, y=1), so the other candidates leave those cells: digit 3 from (x=1, y=1) and (x=2, y=1), and digit 4 from (x=1, y=1) and (x=2, y=1), and digit 5 from (x=1, y=1) and (x=2, y=1), and digit 6 from (x=1, y=1) and (x=2, y=1), and digit 7 from (x=1, y=1) and (x=2, y=1), and digit 8 from (x=1, y=1) and (x=2, y=1), and digit 9 from (x=1, y=1) and (x=2, y=1); that leaves digit 3 one place in the square x=1..3, y=1..3, (x=1, y=2), so it goes there."},
    {"NakedSingle", "Naked Single: cell (x=5, y=5) can hold nothing other than digit 9."},
    {"DirectHiddenTriple", "Direct Hidden Triple: in row y=1, digits 1, 2 and 3 fit only in the 3 cells (x=1, y=1), (x=2, y=1) and (x=3, y=1), so the other candidates leave those cells: digit 4 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 5 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 6 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 7 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 8 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 9 from (x=1, y=1), (x=2, y=1) and (x=3, y=1); that leaves digit 4 one place in the square x=1..3, y=1..3, (x=1, y=2), so it goes there."},
    {"Pointing", "Pointing: in the square x=1..3, y=1..3, digit 4 can go only in row y=1, so it is removed from the rest of row y=1: (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1)."},
    {"Claiming", "Claiming: in row y=1, digit 4 can go only in the square x=1..3, y=1..3, so it is removed from the rest of the square x=1..3, y=1..3: (x=1, y=2), (x=2, y=2), (x=3, y=2), (x=1, y=3), (x=2, y=3) and (x=3, y=3)."},
    {"NakedPair", "Naked Pair: in row y=1, the 2 cells (x=1, y=1) and (x=2, y=1) hold only digits 1 and 2 between them, so those digits leave the unit's other cells: digit 1 from (x=3, y=1), (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1), and digit 2 from (x=3, y=1), (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1)."},
    {"XWing", "X-Wing: in rows y=1 and y=5, digit 4 can go only in the 2 columns x=2 and x=7, so it is removed from the rest of those columns: digit 4 from (x=2, y=2), (x=7, y=2), (x=2, y=3), (x=7, y=3), (x=2, y=4), (x=7, y=4), (x=2, y=6), (x=7, y=6), (x=2, y=7), (x=7, y=7), (x=2, y=8), (x=7, y=8), (x=2, y=9) and (x=7, y=9)."},
    {"HiddenPair", "Hidden Pair: in row y=1, digits 1 and 2 fit only in the 2 cells (x=1, y=1) and (x=2, y=1), so the other candidates leave those cells: digit 3 from (x=1, y=1) and (x=2, y=1), and digit 4 from (x=1, y=1) and (x=2, y=1), and digit 5 from (x=1, y=1) and (x=2, y=1), and digit 6 from (x=1, y=1) and (x=2, y=1), and digit 7 from (x=1, y=1) and (x=2, y=1), and digit 8 from (x=1, y=1) and (x=2, y=1), and digit 9 from (x=1, y=1) and (x=2, y=1)."},
    {"NakedTriple", "Naked Triple: in row y=1, the 3 cells (x=1, y=1), (x=2, y=1) and (x=3, y=1) hold only digits 1, 2 and 3 between them, so those digits leave the unit's other cells: digit 1 from (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1), and digit 2 from (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1), and digit 3 from (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1)."},
    {"Swordfish", "Swordfish: in columns x=1, x=4 and x=9, digit 7 can go only in the 3 rows y=2, y=5 and y=8, so it is removed from the rest of those rows: digit 7 from (x=2, y=2), (x=3, y=2), (x=5, y=2), (x=6, y=2), (x=7, y=2), (x=8, y=2), (x=2, y=5), (x=3, y=5), (x=5, y=5), (x=6, y=5), (x=7, y=5), (x=8, y=5), (x=2, y=8), (x=3, y=8), (x=5, y=8), (x=6, y=8), (x=7, y=8) and (x=8, y=8)."},
    {"HiddenTriple", "Hidden Triple: in row y=1, digits 1, 2 and 3 fit only in the 3 cells (x=1, y=1), (x=2, y=1) and (x=3, y=1), so the other candidates leave those cells: digit 4 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 5 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 6 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 7 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 8 from (x=1, y=1), (x=2, y=1) and (x=3, y=1), and digit 9 from (x=1, y=1), (x=2, y=1) and (x=3, y=1)."},
    {"Skyscraper", "Skyscraper: digit 5 has only two places in each of rows y=1 and y=5, and one place of each lies in column x=2, so either (x=5, y=1) or (x=6, y=5) holds digit 5, and it is removed from the cells that see both: (x=6, y=2), (x=6, y=3), (x=5, y=4) and (x=5, y=6)."},
    {"TwoStringKite", "2-String Kite: digit 6 has only two places in row y=1 and in column x=1, and one place of each lies in the square x=1..3, y=1..3, so either (x=7, y=1) or (x=1, y=8) holds digit 6, and it is removed from the cells that see both: (x=7, y=8)."},
    {"XYWing", "XY-Wing: the pivot (x=1, y=1) with digits 1 and 2 sees (x=6, y=1) and (x=1, y=4), each holding digit 3 and one of the pivot's other digits, so either (x=6, y=1) or (x=1, y=4) holds digit 3, and it is removed from the cells that see both: (x=6, y=4)."},
    {"TurbotFish", "Turbot Fish: digit 8 has only two places in column x=7, (x=7, y=8) and (x=7, y=3), and in the square x=1..3, y=1..3, (x=3, y=3) and (x=1, y=1), and (x=7, y=3) sees (x=3, y=3), so either (x=7, y=8) or (x=1, y=1) holds digit 8, and it is removed from the cells that see both: (x=1, y=8)."},
    {"FinnedXWing", "Finned X-Wing: in rows y=1 and y=5, digit 4 can go only in the 2 columns x=2 and x=7 and the fin (x=8, y=5); whether or not a fin holds it, it is removed from those columns within the square x=7..9, y=4..6: digit 4 from (x=7, y=4) and (x=7, y=6)."},
    {"SashimiXWing", "Sashimi X-Wing: in rows y=1 and y=5, digit 4 can go only in the 2 columns x=2 and x=8 and the fin (x=7, y=1); whether or not a fin holds it, it is removed from those columns within the square x=7..9, y=1..3: digit 4 from (x=8, y=2) and (x=8, y=3)."},
    {"XYZWing", "XYZ-Wing: the pivot (x=1, y=1) with digits 1, 2 and 3 sees (x=5, y=1) and (x=2, y=3), each holding digit 3 and one of the pivot's other digits, so one of (x=1, y=1), (x=5, y=1) and (x=2, y=3) holds digit 3, and it is removed from the cells that see all of them: (x=2, y=1) and (x=3, y=1)."},
    {"WWing", "W-Wing: (x=1, y=1) and (x=5, y=5) both hold only digits 1 and 2, and in row y=9 digit 1 goes only in (x=1, y=9) and (x=5, y=9), one seeing each, so either (x=1, y=1) or (x=5, y=5) holds digit 2, and it is removed from the cells that see both: (x=5, y=1) and (x=1, y=5)."},
    {"EmptyRectangle", "Empty Rectangle: in the square x=1..3, y=1..3, digit 3 lies only on one row and one column, and in column x=5 it goes only in (x=5, y=1) and (x=5, y=7); if (x=5, y=7) does not hold it, (x=5, y=1) does and leaves the square's digit 3 on the column through (x=1, y=7), so it is removed from (x=1, y=7)."},
    {"FinnedSwordfish", "Finned Swordfish: in columns x=1, x=4 and x=9, digit 7 can go only in the 3 rows y=2, y=5 and y=8 and the fin (x=1, y=6); whether or not a fin holds it, it is removed from those rows within the square x=1..3, y=4..6: digit 7 from (x=2, y=5) and (x=3, y=5)."},
    {"SashimiSwordfish", "Sashimi Swordfish: in columns x=1, x=4 and x=9, digit 7 can go only in the 3 rows y=2, y=5 and y=8 and the fin (x=1, y=6); whether or not a fin holds it, it is removed from those rows within the square x=1..3, y=4..6: digit 7 from (x=2, y=5) and (x=3, y=5)."},
    {"NakedQuad", "Naked Quad: in row y=1, the 4 cells (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1) hold only digits 1, 2, 3 and 4 between them, so those digits leave the unit's other cells: digit 1 from (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1), and digit 2 from (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1), and digit 3 from (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1), and digit 4 from (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1)."},
    {"Jellyfish", "Jellyfish: in rows y=1, y=3, y=6 and y=9, digit 2 can go only in the 4 columns x=2, x=4, x=6 and x=8, so it is removed from the rest of those columns: digit 2 from (x=2, y=2), (x=4, y=2), (x=6, y=2), (x=8, y=2), (x=2, y=4), (x=4, y=4), (x=6, y=4), (x=8, y=4), (x=2, y=5), (x=4, y=5), (x=6, y=5), (x=8, y=5), (x=2, y=7), (x=4, y=7), (x=6, y=7), (x=8, y=7), (x=2, y=8), (x=4, y=8), (x=6, y=8) and (x=8, y=8)."},
    {"HiddenQuad", "Hidden Quad: in row y=1, digits 1, 2, 3 and 4 fit only in the 4 cells (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1), so the other candidates leave those cells: digit 5 from (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1), and digit 6 from (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1), and digit 7 from (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1), and digit 8 from (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1), and digit 9 from (x=1, y=1), (x=2, y=1), (x=3, y=1) and (x=4, y=1)."},
    {"UniqueRectangleType1", "Unique Rectangle Type 1: (x=1, y=1), (x=4, y=1), (x=1, y=2) and (x=4, y=2), in two rows, two columns and two squares, all hold digits 1 and 2, and all but (x=4, y=2) nothing else; were (x=4, y=2) to take 1 or 2, the four cells would let 1 and 2 swap, and the puzzle has one solution, so both are removed from (x=4, y=2)."},
    {"UniqueRectangleType2", "Unique Rectangle Type 2: (x=1, y=1), (x=4, y=1), (x=1, y=2) and (x=4, y=2), in two rows, two columns and two squares, all hold digits 1 and 2, and (x=1, y=1) and (x=4, y=1) nothing else; were neither (x=1, y=2) nor (x=4, y=2) to take their other digit 7, the four cells would let 1 and 2 swap, and the puzzle has one solution, so either (x=1, y=2) or (x=4, y=2) holds digit 7, and it is removed from the cells that see both: (x=2, y=2), (x=3, y=2), (x=5, y=2), (x=6, y=2), (x=7, y=2), (x=8, y=2) and (x=9, y=2)."},
    {"UniqueRectangleType3", "Unique Rectangle Type 3: (x=1, y=1), (x=4, y=1), (x=1, y=2) and (x=4, y=2), in two rows, two columns and two squares, all hold digits 1 and 2, and (x=1, y=1) and (x=4, y=1) nothing else; were neither (x=1, y=2) nor (x=4, y=2) to take one of their other digits 7 and 8, the four cells would let 1 and 2 swap, and the puzzle has one solution, so one of them does, and with (x=7, y=2) they hold a naked subset of digits 7 and 8 in row y=2, which leave the unit's other cells: digit 7 from (x=2, y=2), (x=3, y=2), (x=5, y=2), (x=6, y=2), (x=8, y=2) and (x=9, y=2), and digit 8 from (x=2, y=2), (x=3, y=2), (x=5, y=2), (x=6, y=2), (x=8, y=2) and (x=9, y=2)."},
    {"UniqueRectangleType4", "Unique Rectangle Type 4: (x=1, y=1), (x=4, y=1), (x=1, y=2) and (x=4, y=2), in two rows, two columns and two squares, all hold digits 1 and 2, and (x=1, y=1) and (x=4, y=1) nothing else; in row y=2 digit 1 goes only in (x=1, y=2) and (x=4, y=2), so one of them holds it, and were the other to take 2, the four cells would let 1 and 2 swap, and the puzzle has one solution, so digit 2 is removed from (x=1, y=2) and (x=4, y=2)."},
    {"HiddenUniqueRectangle", "Hidden Unique Rectangle: (x=1, y=1), (x=4, y=1), (x=1, y=2) and (x=4, y=2), in two rows, two columns and two squares, all hold digits 1 and 2, and (x=4, y=2) nothing else; in row y=1 and in column x=1 digit 1 goes only in the rectangle, so were (x=1, y=1) to take 2, (x=4, y=1) and (x=1, y=2) would take 1 and (x=4, y=2) 2, which would let 1 and 2 swap, and the puzzle has one solution, so digit 2 is removed from (x=1, y=1)."},
    {"FinnedJellyfish", "Finned Jellyfish: in rows y=1, y=3, y=6 and y=9, digit 2 can go only in the 4 columns x=2, x=4, x=6 and x=8 and the fin (x=9, y=9); whether or not a fin holds it, it is removed from those columns within the square x=7..9, y=7..9: digit 2 from (x=8, y=7) and (x=8, y=8)."},
    {"SashimiJellyfish", "Sashimi Jellyfish: in rows y=1, y=3, y=6 and y=9, digit 2 can go only in the 4 columns x=2, x=6, x=8 and x=9 and the fins (x=4, y=1) and (x=4, y=3); whether or not a fin holds it, it is removed from those columns within the square x=4..6, y=1..3: digit 2 from (x=6, y=2)."},
    {"BugPlusOne", "BUG+1: every empty cell but (x=1, y=1) holds two candidates, and every digit has two places or none in each row, column and square but digit 3, which has three in those of (x=1, y=1); without it the board would have no solution or more than one, and the puzzle has one solution, so (x=1, y=1) holds digit 3."},
    {"AlsXz", "ALS-XZ: (x=1, y=1) holds only digits 1 and 2, and (x=4, y=1), (x=5, y=2) and (x=6, y=3) in the square x=4..6, y=1..3 hold only digits 1, 2, 3 and 4, one digit more than cells each; digit 1 can lie in only one of the sets, as each of its places in one sees all in the other, so the other set is locked to its other digits, and each other digit both sets hold lies in one of them and leaves the cells that see all its places in both: digit 2 from (x=5, y=1), (x=6, y=1), (x=1, y=3), (x=2, y=3) and (x=3, y=3)."},
    {"ColourTrap", "Simple Colouring: along the conjugate pairs of 7, (x=1, y=1) and (x=5, y=4) take one colour and (x=5, y=1) and (x=2, y=4) the other, so one colour holds 7, and (x=2, y=2), (x=2, y=3), (x=1, y=5) and (x=1, y=6), which see both colours, cannot."},
    {"XChain", "X-Chain on 7: (x=1, y=1) = (x=5, y=1) - (x=5, y=5) = (x=8, y=5) - (x=8, y=9) = (x=3, y=9), so one of its ends holds 7 and (x=3, y=2), (x=3, y=3), (x=1, y=7) and (x=1, y=8) cannot."},
    {"XYChain", "XY-Chain: (x=1, y=1) 1=2 - (x=5, y=1) 2=3 - (x=5, y=5) 3=4 - (x=9, y=5) 4=1, so one of its ends holds 1 and (x=9, y=1) and (x=1, y=5) cannot."},
    {"AlternatingChainGrouped", "Alternating Inference Chain: 5 in (x=1, y=1) = 5 in [(x=7, y=1), (x=8, y=1)] - 5 in (x=9, y=2) = 3 in (x=9, y=2) - 3 in (x=2, y=2) = 4 in (x=2, y=2), so one of its ends is true, and what conflicts with both goes: digit 4 from (x=1, y=1)."},
    {"Nishio", "Nishio Forcing Chain: if (x=1, y=2) were 1, digit 1 would go twice into the square x=1..3, y=1..3, so it is not 1."},
    {"ContradictionForcingChain", "Contradiction Forcing Chain: if (x=3, y=1) were 1, digit 2 would go twice into row y=1, so it is not 1."},
    {"CellForcingChains", "Cell Forcing Chains: whichever of 1 and 3 goes into (x=5, y=1), (x=1, y=1) cannot be 3."},
    {"UnitForcingChains", "Unit Forcing Chains: wherever digit 1 goes in row y=1, (x=1, y=2) cannot be 1."},
    {"DynamicContradiction", "Dynamic Contradiction Forcing Chain: if (x=2, y=1) were 1, digit 2 would go twice into the square x=1..3, y=1..3, so it is not 1."},
    {"DynamicCellForcingChains", "Dynamic Cell Forcing Chains: whichever of 1 and 3 goes into (x=5, y=1), (x=1, y=1) cannot be 3."},
    {"DynamicUnitForcingChains", "Dynamic Unit Forcing Chains: wherever digit 1 goes in row y=1, (x=1, y=2) cannot be 1."},
    {"DynamicDoubleForcingChains", "Dynamic Double Forcing Chains: whether or not (x=5, y=1) is 1, (x=1, y=1) cannot be 3."},
    {"NestedContradiction", "Nested Contradiction Forcing Chain: if (x=2, y=1) were 1, digit 2 would go twice into the square x=1..3, y=1..3, so it is not 1."},
    {"NestedCellForcingChains", "Nested Cell Forcing Chains: whichever of 1, 2, 3, 4, 5, 6, 7, 8 and 9 goes into (x=2, y=1), (x=1, y=1) cannot be 3."},
    {"NestedUnitForcingChains", "Nested Unit Forcing Chains: wherever digit 1 goes in row y=1, (x=1, y=2) cannot be 1."},
    {"NestedDynamicContradiction", "Nested Dynamic Contradiction Forcing Chain: if (x=2, y=1) were 1, digit 2 would go twice into the square x=1..3, y=1..3, so it is not 1."},
    {"NestedDynamicCellForcingChains", "Nested Dynamic Cell Forcing Chains: whichever of 1 and 3 goes into (x=5, y=1), (x=1, y=1) cannot be 3."},
    {"NestedDynamicUnitForcingChains", "Nested Dynamic Unit Forcing Chains: wherever digit 1 goes in row y=1, (x=1, y=2) cannot be 1."},
    {"Guess", "Guess: no technique of the ladder applies, so cell (x=1, y=1) takes digit 1 from the puzzle's only solution."},
};

TechniqueStep StepOf(const SentenceRow& row)
{
    TechniqueStep step;
    if (std::string_view(row.finderRow) == "Guess") {
        int solution[kCellCount];
        std::transform(kSolved.begin(), kSolved.end(), solution, [](char digit) { return digit - '0'; });
        return GuessStep(TechniqueBoard(Puzzle::FromLine(Blanked())), solution);
    }
    const auto finder = std::find_if(std::begin(kFinderRows), std::end(kFinderRows),
                                     [&](const FinderRow& each) { return std::string_view(each.name) == row.finderRow; });
    EXPECT_TRUE(FindOnRow(*finder, step)) << row.finderRow;
    return step;
}

class TechniqueSentenceTest : public testing::TestWithParam<SentenceRow> {};

TEST_P(TechniqueSentenceTest, SaysWhatTheStepProves)
{
    EXPECT_EQ(TechniqueSentence(StepOf(GetParam())), GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(Techniques, TechniqueSentenceTest, testing::ValuesIn(kSentenceRows),
                         [](const testing::TestParamInfo<SentenceRow>& info) { return info.param.finderRow; });

TEST(TechniqueLadderTest, EveryTechniqueHasARungAndAPinnedSentence)
{
    std::vector<Technique> pinned;
    for (const SentenceRow& row : kSentenceRows)
        pinned.push_back(StepOf(row).technique);
    for (int value = 0; value <= static_cast<int>(Technique::Guess); ++value) {
        const auto technique = static_cast<Technique>(value);
        EXPECT_EQ(RungFor(technique) != nullptr, technique != Technique::Guess) << TechniqueName(technique);
        EXPECT_EQ(std::ranges::count(pinned, technique), 1) << TechniqueName(technique);
    }
}

// A search asked to stop finds nothing and forgets what it half followed: asked again without the
// request, the same board gives the step in full.
TEST(TechniqueFinder, AStoppedSearchFindsNothingAndLeavesNoHalfWorkBehind)
{
    const struct {
        Technique technique;
        std::vector<CellDigit> cut;
        std::vector<CellDigit> removed;
    } rows[] = {
        {Technique::CellForcingChains, kForcingCell, Each({0}, {3})},
        {Technique::DynamicDoubleForcingChains, kForcingCell, Each({0}, {3})},
        {Technique::NestedContradictionChain, kForcingEmpty, Each({1}, {1})},
    };
    std::stop_source stop;
    stop.request_stop();
    for (const auto& row : rows) {
        // On a thread of its own, whose finders have followed nothing yet.
        std::jthread([&] {
            TechniqueBoard board(Puzzle::FromLine(kEmpty));
            for (const CellDigit& cut : row.cut)
                board.Remove(cut.cell, cut.digit);
            board.SetStopToken(stop.get_token());
            const auto ladder = Ladder();
            const auto rung = std::find_if(ladder.begin(), ladder.end(),
                                           [&](const LadderRung& each) { return each.technique == row.technique; });
            TechniqueStep step;
            EXPECT_FALSE(rung->find(board, step)) << TechniqueName(row.technique);
            EXPECT_FALSE(FindEasiestStep(board, step));
            board.SetStopToken({});
            EXPECT_TRUE(rung->find(board, step)) << TechniqueName(row.technique);
            EXPECT_EQ(step.removed, row.removed) << TechniqueName(row.technique);
        });
    }
    const Explanation stopped = ExplainPuzzle(
        Puzzle::FromLine("........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3"), stop.get_token());
    EXPECT_FALSE(stopped.explained);
    EXPECT_TRUE(stopped.steps.empty());
}

struct ChainRow {
    const char* name;
    Technique technique;
    std::vector<CellDigit> cut;
    double difficulty;
    std::string sentence;
};

const ChainRow kChainRows[] = {
    {"XChain", Technique::XChain, kXChain, 6.7,
     "X-Chain on 7: (x=1, y=1) = (x=5, y=1) - (x=5, y=5) = (x=8, y=5) - (x=8, y=9) = (x=3, y=9), so one of its ends "
     "holds 7 and (x=3, y=2), (x=3, y=3), (x=1, y=7) and (x=1, y=8) cannot."},
    {"XChainLoop", Technique::XChain, OnlyIn(0, {0, 4}, 7) + OnlyIn(4, {36, 40}, 7), 6.5,
     "X-Chain on 7: (x=1, y=1) = (x=5, y=1) - (x=5, y=5) = (x=1, y=5) - (x=1, y=1), which closes into a loop: one cell "
     "of each weak link holds 7, so (x=1, y=2), (x=5, y=2), (x=1, y=3), (x=5, y=3), (x=1, y=4), (x=5, y=4), (x=1, y=6), "
     "(x=5, y=6), (x=1, y=7), (x=5, y=7), (x=1, y=8), (x=5, y=8), (x=1, y=9) and (x=5, y=9) cannot."},
    {"XYChain", Technique::XYChain, kXYChain, 6.8,
     "XY-Chain: (x=1, y=1) 1=2 - (x=5, y=1) 2=3 - (x=5, y=5) 3=4 - (x=9, y=5) 4=1, so one of its ends holds 1 and "
     "(x=9, y=1) and (x=1, y=5) cannot."},
    {"AlternatingChainGrouped", Technique::AlternatingChain, kGroupChain, 7.1,
     "Alternating Inference Chain: 5 in (x=1, y=1) = 5 in [(x=7, y=1), (x=8, y=1)] - 5 in (x=9, y=2) = 3 in (x=9, y=2) "
     "- 3 in (x=2, y=2) = 4 in (x=2, y=2), so one of its ends is true, and what conflicts with both goes: digit 4 from "
     "(x=1, y=1)."},
    {"ColourTrap", Technique::SimpleColouring, kColours, 6.6,
     "Simple Colouring: along the conjugate pairs of 7, (x=1, y=1) and (x=5, y=4) take one colour and (x=5, y=1) and "
     "(x=2, y=4) the other, so one colour holds 7, and (x=2, y=2), (x=2, y=3), (x=1, y=5) and (x=1, y=6), which see "
     "both colours, cannot."},
    {"ColourWrap", Technique::SimpleColouring, OnlyIn(0, {0, 1}, 7) + OnlyIn(10, {1, 10}, 7), 6.5,
     "Simple Colouring: along the conjugate pairs of 7, (x=1, y=1) and (x=2, y=2) take one colour and (x=2, y=1) the "
     "other; (x=1, y=1) and (x=2, y=2) of the first colour share a unit, so 7 leaves every cell of that colour."},
};

class ChainStepTest : public testing::TestWithParam<ChainRow> {};

TEST_P(ChainStepTest, RatesTheChainByItsLengthAndSaysIt)
{
    const ChainRow& row = GetParam();
    TechniqueBoard board(Puzzle::FromLine(kEmpty));
    for (const CellDigit& cut : row.cut)
        board.Remove(cut.cell, cut.digit);
    const auto ladder = Ladder();
    const auto rung = std::find_if(ladder.begin(), ladder.end(),
                                   [&](const LadderRung& each) { return each.technique == row.technique; });
    TechniqueStep step;
    ASSERT_TRUE(rung->find(board, step));
    step.technique = row.technique;
    EXPECT_EQ(step.difficulty, row.difficulty);
    EXPECT_EQ(TechniqueSentence(step), row.sentence);
}

INSTANTIATE_TEST_SUITE_P(Chains, ChainStepTest, testing::ValuesIn(kChainRows),
                         [](const testing::TestParamInfo<ChainRow>& info) { return info.param.name; });

TEST(TechniqueLadderTest, TakesTheEasiestStepAndSaysWhatItProves)
{
    // A pointing and a naked pair are both there: the ladder takes the pointing.
    TechniqueBoard board(Puzzle::FromLine(kEmpty));
    for (const CellDigit& cut : kBoxRows23 + Each({0, 1}, {3, 5, 6, 7, 8, 9}))
        board.Remove(cut.cell, cut.digit);
    TechniqueStep step;
    ASSERT_TRUE(FindEasiestStep(board, step));
    EXPECT_EQ(step.difficulty, 2.6);
    EXPECT_EQ(TechniqueSentence(step),
              "Pointing: in the square x=1..3, y=1..3, digit 4 can go only in row y=1, so it is removed from "
              "the rest of row y=1: (x=4, y=1), (x=5, y=1), (x=6, y=1), (x=7, y=1), (x=8, y=1) and (x=9, y=1).");
}

// The README's table of techniques lists the rungs in the ladder's order, each with its name and rating.
TEST(TechniqueLadderTest, ReadmeTableNamesEveryRungWithItsRating)
{
    std::ifstream readme(ORVANDEL_TEST_DATA "/../README.md");
    std::vector<std::string> listed;
    bool inTable = false;
    for (std::string line; std::getline(readme, line) && (!inTable || line.starts_with('|'));) {
        if (inTable && !line.starts_with("|---"))
            listed.push_back(line.substr(0, line.find(" |", line.find(" | ") + 3) + 2));  // "| Name | 1.0 |"
        inTable = inTable || line.starts_with("| Technique | Rating |");
    }
    std::vector<std::string> rungs;
    for (const LadderRung& rung : Ladder()) {
        char rating[16];
        std::snprintf(rating, sizeof rating, "%.1f", rung.difficulty);
        rungs.push_back(std::string("| ") + rung.name + " | " + rating + " |");
    }
    EXPECT_EQ(listed, rungs);
}

TEST(TechniqueLadderTest, PuzzleWithoutOneSolutionIsNotExplained)
{
    EXPECT_FALSE(ExplainPuzzle(Puzzle::FromLine(kEmpty)).explained);
    EXPECT_FALSE(ExplainPuzzle(Puzzle::FromLine("11" + kEmpty)).explained);
}

// `on` true rules `off` out: another digit of its cell, or its digit in cells it sees.
bool RulesOut(const ChainNode& on, const ChainNode& off)
{
    const auto see = [](int x, int y) { return x != y && (RowUnit(x) == RowUnit(y) || ColumnUnit(x) == ColumnUnit(y) || BoxUnit(x) == BoxUnit(y)); };
    const auto seesAll = [&](int x) { return std::all_of(off.cells.begin(), off.cells.end(), [&](int y) { return see(x, y); }); };
    return on.digit == off.digit ? std::all_of(on.cells.begin(), on.cells.end(), seesAll) : on.cells.size() == 1 && on.cells == off.cells;
}

// The false nodes leave the node's cell no other digit, or its digit no other place in a unit (the
// node's own cells aside); for no node (digit 0), some cell no digit or some unit no place for one.
bool LeaveOnly(const TechniqueBoard& board, const std::vector<const ChainNode*>& off, const ChainNode& node)
{
    const auto in = [](const ChainNode& each, int cell) { return std::count(each.cells.begin(), each.cells.end(), cell) != 0; };
    const auto out = [&](int cell, int digit) {
        return (board.Candidates(cell) >> (digit - 1) & 1u) == 0
            || std::any_of(off.begin(), off.end(), [&](const ChainNode* each) { return !each->on && each->digit == digit && in(*each, cell); });
    };
    for (int cell = 0; cell < kCellCount; ++cell) {
        bool left = board.Candidates(cell) != 0 && (node.digit == 0 || node.cells == std::vector<int>{cell});
        for (int digit = 1; digit <= 9; ++digit)
            left = left && (digit == node.digit || out(cell, digit));
        if (left)
            return true;
    }
    for (int unit = 0; unit < kUnitCount; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            const auto& cells = UnitCells(unit);
            bool left = board.Places(unit, digit) != 0 && (node.digit == 0 || (node.digit == digit && std::count(cells.begin(), cells.end(), node.cells.front()) != 0));
            for (const int place : cells)
                left = left && (in(node, place) || out(place, digit));
            if (left)
                return true;
        }
    }
    return false;
}

// Each chain of the step holds on the board it is taken on: every link rests on the board's
// candidates, and each forcing branch reaches its step's conclusion or a contradiction.
void ExpectChainsHold(const TechniqueBoard& board, const TechniqueStep& step)
{
    const bool nested = step.technique >= Technique::NestedContradictionChain;  // records its inner chains' support in part
    for (const TechniqueChain& chain : step.chains) {
        std::vector<const ChainNode*> all(chain.nodes.size());
        std::transform(chain.nodes.begin(), chain.nodes.end(), all.begin(), [](const ChainNode& node) { return &node; });
        bool proves = step.technique < Technique::NishioForcingChain || nested || LeaveOnly(board, all, ChainNode{});
        const CellDigit end = step.placed.empty() ? step.removed.front() : step.placed.front();
        for (std::size_t i = 0; i < chain.nodes.size(); ++i) {
            std::vector<const ChainNode*> into;
            for (const ChainLink& link : chain.links)
                into.insert(into.end(), static_cast<std::size_t>(link.to) == i ? 1 : 0, all[static_cast<std::size_t>(link.from)]);
            const ChainNode& node = chain.nodes[i];
            ASSERT_TRUE(i == 0 || nested || (!into.empty() && (!node.on || LeaveOnly(board, into, node)))) << TechniqueSentence(step);
            for (const ChainNode* from : into)
                ASSERT_TRUE(node.on || nested || (from->on && RulesOut(*from, node))) << TechniqueSentence(step);
            proves = proves || node == ChainNode{end.digit, {end.cell}, !step.placed.empty()}  // or a clash:
                || std::any_of(all.begin(), all.begin() + static_cast<long>(i), [&](const ChainNode* other) { return other->cells == node.cells && other->digit == node.digit; });
        }
        ASSERT_TRUE(proves) << TechniqueSentence(step);
    }
}

// A collection, the puzzles swept (from the first, 0-based, a count of them; 0 all the rest), and
// whether the path must explain each without a guess.
struct Collection {
    const char* file;
    std::size_t first;
    std::size_t count;
    bool withoutGuess;
};

std::string NameOfCollection(const testing::TestParamInfo<Collection>& info)
{
    const Collection& swept = info.param;
    const std::string name = TestNameOfFile(swept.file);
    return swept.first == 0 && swept.count == 0
               ? name
               : name + "_Puzzles" + std::to_string(swept.first + 1) + "To" + std::to_string(swept.first + swept.count);
}

// Every placement is the solution's digit, no removal takes it, and the path ends on it; the
// solution comes from the solution finder, not from the path.
class TechniquePathTest : public testing::TestWithParam<Collection> {};

TEST_P(TechniquePathTest, IsSound)
{
    std::vector<std::string> lines = ReadPuzzleFile(GetParam().file);
    ASSERT_GT(lines.size(), GetParam().first) << GetParam().file;
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(GetParam().first));
    if (GetParam().count != 0 && lines.size() > GetParam().count)
        lines.resize(GetParam().count);
    for (const std::string& line : lines) {
        const Puzzle puzzle = Puzzle::FromLine(line);
        int solution[81];
        ASSERT_EQ(CountSolutions(puzzle.data(), solution), 1) << line;
        const Explanation explanation = ExplainPuzzle(puzzle);
        ASSERT_TRUE(explanation.explained) << line;
        EXPECT_TRUE(!GetParam().withoutGuess || explanation.hardest != Technique::Guess) << line;
        TechniqueBoard board(puzzle);
        for (const TechniqueStep& step : explanation.steps) {
            for (const CellDigit& placed : step.placed)
                ASSERT_EQ(placed.digit, solution[placed.cell]) << TechniqueSentence(step);
            for (const CellDigit& removed : step.removed)
                ASSERT_NE(removed.digit, solution[removed.cell]) << TechniqueSentence(step);
            ExpectChainsHold(board, step);
            board.Apply(step);
        }
        for (int cell = 0; cell < 81; ++cell)
            ASSERT_EQ(board.Value(cell), solution[cell]) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Ordinary, TechniquePathTest, testing::Values(Collection{"unbiased_first1000.txt", 0, 0, true}),
                         NameOfCollection);
// The large collections: "ctest -L slow". The hardest take the forcing chains' longest searches,
// up to seconds a puzzle: a sample of each, cut into parts that take about a minute each, so
// that the parts share the cores.
INSTANTIATE_TEST_SUITE_P(Sweep, TechniquePathTest,
                         testing::Values(Collection{"17_clue.txt", 0, 0, true},
                                         Collection{"magictour_top1465.txt", 0, 733, true},
                                         Collection{"magictour_top1465.txt", 733, 732, true},
                                         Collection{"magictour_top95.txt", 0, 0, true},
                                         Collection{"forum_hardest_1106.txt", 0, 25, false},
                                         Collection{"forum_hardest_1106.txt", 25, 25, false},
                                         Collection{"forum_hardest_1106.txt", 50, 25, false},
                                         Collection{"forum_hardest_1106.txt", 75, 25, false},
                                         Collection{"forum_hardest_1905_11plus.txt", 0, 25, false},
                                         Collection{"forum_hardest_1905_11plus.txt", 25, 25, false},
                                         Collection{"forum_hardest_1905_11plus.txt", 50, 25, false},
                                         Collection{"forum_hardest_1905_11plus.txt", 75, 25, false}),
                         NameOfCollection);

}  // namespace
