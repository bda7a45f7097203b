// The finders of the technique families and their sentence writers. Each finder looks at the
// board and, when its technique makes progress somewhere, fills in the roles of the step's pattern
// and what it places or removes, and returns true; the ladder adds the technique and its
// difficulty. Each reports the first such pattern in unit order (rows, columns, squares), then
// digit order. Each writer says, from those roles, what a step of its family proves.
#pragma once

#include "TechniqueBoard.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace technique {

// The rating a technique's steps start from, read from its row of the ladder.
double RatingBase(Technique technique);
// The rating `tenths` tenths above `base`, on the scale's tenths.
double AddTenths(double base, int tenths);
// The difficulty of a chain of `links` links on a technique's base: a tenth more each time the
// length passes 4, 6, 8, 12, 16, 24, 32, ... (the thresholds growing by half and by a third in
// turn), as players rate long chains harder than short ones. A finder that rates its own steps
// sets step.difficulty; otherwise the ladder gives the rung's.
double ChainDifficulty(double base, int links);

// Board helpers that the finders and the sentences share (TechniqueBoard.cpp).
bool SharesUnit(int a, int b);
// The digit removed from every cell that holds it and shares a unit with each of `seen`, the cells
// of `seen` themselves left alone; in cell order.
std::vector<CellDigit> RemovalsSeeingAll(const TechniqueBoard& board, int digit, std::initializer_list<int> seen);
// Appends the removal of each digit of `digits` (bit d - 1 for digit d) from the cell, in digit order.
void AppendDigitRemovals(std::vector<CellDigit>& removed, int cell, unsigned digits);

// TechniqueSingles.cpp
bool FindFullHouse(const TechniqueBoard& board, TechniqueStep& step);
bool FindHiddenSingleInBox(const TechniqueBoard& board, TechniqueStep& step);
bool FindHiddenSingleInLine(const TechniqueBoard& board, TechniqueStep& step);
bool FindNakedSingle(const TechniqueBoard& board, TechniqueStep& step);
void WriteFullHouse(std::string& out, const TechniqueStep& step);
void WriteHiddenSingle(std::string& out, const TechniqueStep& step);
void WriteNakedSingle(std::string& out, const TechniqueStep& step);

// Whether a pattern's removals are the progress sought. The plain techniques take any removal; their
// direct forms only removals that leave a digit one place in a unit, as a person without pencil
// marks sees it: LeavesHiddenSingle then adds that placement to the step.
using StepFilter = bool (*)(const TechniqueBoard& board, TechniqueStep& step);
inline bool AnyRemoval(const TechniqueBoard&, TechniqueStep&) { return true; }
bool LeavesHiddenSingle(const TechniqueBoard& board, TechniqueStep& step);

// TechniqueLockedCandidates.cpp
// A square's digit confined to one row or column: it leaves the rest of that line.
bool FindPointing(const TechniqueBoard& board, TechniqueStep& step, StepFilter accept = AnyRemoval);
// A row's or column's digit confined to one square: it leaves the rest of that square.
bool FindClaiming(const TechniqueBoard& board, TechniqueStep& step, StepFilter accept = AnyRemoval);
void WriteLockedCandidates(std::string& out, const TechniqueStep& step);

// TechniqueSubsets.cpp; size 2, 3 or 4.
// `size` cells of a unit holding only `size` digits between them: the digits leave the unit's other cells.
bool FindNakedSubset(const TechniqueBoard& board, int size, TechniqueStep& step);
// `size` digits of a unit fitting only in `size` cells: the cells' other candidates go.
bool FindHiddenSubset(const TechniqueBoard& board, int size, TechniqueStep& step, StepFilter accept = AnyRemoval);
void WriteNakedSubset(std::string& out, const TechniqueStep& step);
void WriteHiddenSubset(std::string& out, const TechniqueStep& step);

// TechniqueFish.cpp; size 2 (X-Wing), 3 (Swordfish) or 4 (Jellyfish).
// A digit whose places in `size` rows lie in just `size` columns (or the same with rows and
// columns swapped): those columns' other cells lose it. step.baseUnit is the first base line,
// step.coverUnit the first cover line.
bool FindFish(const TechniqueBoard& board, int size, TechniqueStep& step);
// The same where some base places (step.fins) lie outside the cover lines, all in one square:
// whether or not a fin holds the digit, the cover lines' cells in that square outside the base
// lines lose it. Sashimi: a base line holds just one place in the cover lines.
bool FindFinnedFish(const TechniqueBoard& board, int size, bool sashimi, TechniqueStep& step);
void WriteFish(std::string& out, const TechniqueStep& step);
void WriteFinnedFish(std::string& out, const TechniqueStep& step);

// TechniqueSingleDigitPatterns.cpp
// Two rows (or columns) holding the digit twice each, one place of each in the same column (row):
// step.coverUnit is that line, and the other two places (step.ends), one of which holds the digit,
// take it from the cells that see both. step.inner: the places in step.coverUnit.
bool FindSkyscraper(const TechniqueBoard& board, TechniqueStep& step);
// A row and a column holding the digit twice each, in two squares each, one place of each in the
// same square (step.coverUnit): the other two places, one of which holds the digit, take it from
// the cells that see both. step.baseUnit is the row.
bool FindTwoStringKite(const TechniqueBoard& board, TechniqueStep& step);
// Two units (step.baseUnit, step.coverUnit) holding the digit twice each, one place of the first seeing
// one of the second (step.inner): the other two places (step.ends), one of which holds the digit,
// take it from the cells that see both.
bool FindTurbotFish(const TechniqueBoard& board, TechniqueStep& step);
void WriteSkyscraper(std::string& out, const TechniqueStep& step);
void WriteTwoStringKite(std::string& out, const TechniqueStep& step);
void WriteTurbotFish(std::string& out, const TechniqueStep& step);

// TechniqueWings.cpp. The digit removed is the one the wing proves lies in one of its cells.
// A pivot (step.pivot) holding only x and y sees two pincers (step.ends), not seeing each other,
// holding only x and z and only y and z: z leaves the cells that see both pincers.
bool FindXYWing(const TechniqueBoard& board, TechniqueStep& step);
// The same with the pivot holding x, y and z: z leaves the cells that see all three.
bool FindXYZWing(const TechniqueBoard& board, TechniqueStep& step);
// Two cells (step.ends) holding only x and y, not seeing each other, and a unit (step.baseUnit) where x
// has only two places (step.inner), one seeing each cell: y leaves the cells that see both.
bool FindWWing(const TechniqueBoard& board, TechniqueStep& step);
void WriteXYWing(std::string& out, const TechniqueStep& step);
void WriteXYZWing(std::string& out, const TechniqueStep& step);
void WriteWWing(std::string& out, const TechniqueStep& step);

// TechniqueEmptyRectangle.cpp
// A square (step.baseUnit) whose places for a digit all lie on the cross of one of its rows and one of
// its columns, and a strong link (step.coverUnit: a column from that row, or a row from that
// column, outside the square): the cell where the link's far end meets the cross's other line
// loses the digit, for whichever end holds it, that cell sees it or the square's last places.
bool FindEmptyRectangle(const TechniqueBoard& board, TechniqueStep& step);
void WriteEmptyRectangle(std::string& out, const TechniqueStep& step);

// TechniqueUniqueness.cpp. Only on a board whose puzzle is known to have one solution: a pattern
// whose two digits could swap would give it a second one. A unique rectangle is four cells in two
// rows, two columns and two squares, all holding two digits a and b (step.digits); step.cells holds
// its corners (type 3: and the subset's cells), step.sets the roof (type 3: and the subset's cells).
// Type 1: three corners hold only a and b, so the fourth loses them.
bool FindUniqueRectangleType1(const TechniqueBoard& board, TechniqueStep& step);
// Type 2: two corners on one side hold only a and b, the other two (the roof, in step.baseUnit) one more
// digit, the same: one of the roof holds it, so the cells that see both lose it.
bool FindUniqueRectangleType2(const TechniqueBoard& board, TechniqueStep& step);
// Type 3: as type 2 with the roof's other digits forming a naked subset with cells of a unit both
// roof cells share (step.baseUnit), cells without a and b (rated 4.5 and a tenth per such cell): the
// unit's other cells lose those digits. step.candidates: the candidates of the roof and of those cells.
bool FindUniqueRectangleType3(const TechniqueBoard& board, TechniqueStep& step);
// Type 4: as type 2 with a or b confined to the roof in a unit it shares (step.baseUnit): the roof
// holds that digit, so neither roof cell can hold the other.
bool FindUniqueRectangleType4(const TechniqueBoard& board, TechniqueStep& step);
// A corner whose opposite corner holds only a and b, with a confined to the rectangle in the
// corner's row (step.baseUnit) and column (step.coverUnit): the corner loses b.
bool FindHiddenUniqueRectangle(const TechniqueBoard& board, TechniqueStep& step);
// Every empty cell holds two candidates but one with three, and every digit has two places or none
// in every unit but one digit of that cell, with three in its units: the cell holds that digit.
bool FindBugPlusOne(const TechniqueBoard& board, TechniqueStep& step);
void WriteUniqueRectangle(std::string& out, const TechniqueStep& step);
void WriteBugPlusOne(std::string& out, const TechniqueStep& step);

// TechniqueAls.cpp
// Two almost locked sets (n cells of one unit holding n + 1 digits; step.sets, in step.baseUnit
// and step.coverUnit) sharing a digit x (step.digits) whose places in one set all see
// those in the other: at most one set holds x, so the other is locked, and any other shared digit
// leaves the cells that see all its places in both sets. With two such digits (doubly linked), each
// set is locked to all its digits but one of them: those leave the cells that see all their places
// in the set, and the two leave the cells that see all their places in both.
bool FindAlsXz(const TechniqueBoard& board, TechniqueStep& step);
void WriteAlsXz(std::string& out, const TechniqueStep& step);
// TechniqueColouring.cpp
// One digit's cells joined by conjugate pairs (a unit's only two places), coloured in turn: one
// colour holds the digit. A cell seeing both colours loses it (the traps whose proof, the path
// between the two cells it sees, is the cluster's shortest); a colour with two cells in one unit is
// false and loses it everywhere (a wrap, rated as a loop). step.cells is the cluster, step.candidates
// the cells of one colour (for a wrap, the false one). The lowest rated cluster wins.
bool FindSimpleColouring(const TechniqueBoard& board, TechniqueStep& step);
void WriteSimpleColouring(std::string& out, const TechniqueStep& step);

// TechniqueChains.cpp. The shortest chain, links alternating strong and weak and both ends strong,
// that removes something: one of its ends is true, so a candidate in conflict with both goes; a
// chain whose ends see each other closes into a loop and removes what conflicts with both nodes of
// any weak link. step.chains holds the chain, rated by its length; step.candidates its candidates in
// chain order, a loop's first node again at the end.
// One digit, cells linked by conjugate pairs and by seeing each other.
bool FindXChain(const TechniqueBoard& board, TechniqueStep& step);
// Cells of two candidates, linked within a cell and by one digit in cells that see each other;
// both ends the same digit.
bool FindXYChain(const TechniqueBoard& board, TechniqueStep& step);
// Any digits, with grouped nodes.
bool FindAlternatingChain(const TechniqueBoard& board, TechniqueStep& step);
void WriteChain(std::string& out, const TechniqueStep& step);
// TechniqueForcingChains.cpp: the last resort before a guess. Each follows the consequences of
// assuming candidates true (or false) and takes the shortest chains that prove something, rated by
// ChainDifficulty on the number of candidates in all the branches together. Nishio: one digit, by
// hidden singles; plain: a cell's two candidates and a unit's two places on the board as it is;
// dynamic: naked and hidden singles on the board as it changes; nested: dynamic, and where singles
// stall, a candidate whose plain chains end in a contradiction goes; nested dynamic: the same with
// dynamic chains inside. step.candidates holds the
// candidates of the branches in order.
// A contradiction removes the assumed candidate (the first of step.cells' cells is not always it:
// it is step.removed's). How the branch fails: step.baseUnit, the unit left without a place for
// step.digits' digit; step.coverUnit, the unit that digit would go into twice; otherwise the other
// cell of step.cells (or the assumed one) would have to hold both of step.digits' two digits,
// step.digits' one digit that a nested chain ruled out, or (step.digits 0) nothing.
bool FindNishioForcingChain(const TechniqueBoard& board, TechniqueStep& step);
bool FindContradictionForcingChain(const TechniqueBoard& board, TechniqueStep& step);
bool FindDynamicContradictionChain(const TechniqueBoard& board, TechniqueStep& step);
bool FindNestedContradictionChain(const TechniqueBoard& board, TechniqueStep& step);
bool FindNestedDynamicContradictionChain(const TechniqueBoard& board, TechniqueStep& step);
void WriteContradiction(std::string& out, const TechniqueStep& step);
// Every candidate (step.digits) of one cell leads to the same placement or removal.
bool FindCellForcingChains(const TechniqueBoard& board, TechniqueStep& step);
bool FindDynamicCellForcingChains(const TechniqueBoard& board, TechniqueStep& step);
bool FindNestedCellForcingChains(const TechniqueBoard& board, TechniqueStep& step);
bool FindNestedDynamicCellForcingChains(const TechniqueBoard& board, TechniqueStep& step);
void WriteCellForcing(std::string& out, const TechniqueStep& step);
// Every place of a digit (step.digits) in one unit (step.baseUnit) leads to the same placement or removal.
bool FindUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step);
bool FindDynamicUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step);
bool FindNestedUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step);
bool FindNestedDynamicUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step);
void WriteUnitForcing(std::string& out, const TechniqueStep& step);
// A candidate (step.digits, in a cell of step.cells) true and false lead to the same placement or
// removal. Not nested: there it would double the longest search and, on the hardest collections,
// never find what the nested contradictions do not.
bool FindDynamicDoubleForcingChains(const TechniqueBoard& board, TechniqueStep& step);
void WriteDoubleForcing(std::string& out, const TechniqueStep& step);

}  // namespace technique
