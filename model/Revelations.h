// What Solve Cell and the hints taken have added to the set puzzle: the cells revealed, the digits
// hints placed in them and the candidates hints removed. They stay at every step of the replay
// until Reset or Clear.
#pragma once

#include "Engine.h"
#include "SolveReplay.h"

#include <bitset>

class Revelations {
public:
    bool IsRevealed(int cell) const { return m_revealed.test(static_cast<std::size_t>(cell)); }
    const std::bitset<kCellCount>& Revealed() const { return m_revealed; }
    // The digit a revealed cell shows: a hint's where one placed it (with several solutions it
    // places what the board proves, not the solver's pick), else the solution's.
    int Digit(int cell, const Puzzle& solution) const;
    const Puzzle& HintPlaced() const { return m_hintPlaced; }
    const CandidateMasks& Struck() const { return m_struck; }

    void RevealCell(int cell) { m_revealed.set(static_cast<std::size_t>(cell)); }
    void TakeHint(const TechniqueStep& step);
    // Forgets the hints' digits that differ from the solution, which then shows in their cells.
    void GiveWayToSolution(const Puzzle& solution);
    void Restore(const std::bitset<kCellCount>& revealed, const Puzzle& hintPlaced, const CandidateMasks& struck);

private:
    std::bitset<kCellCount> m_revealed;
    Puzzle m_hintPlaced;  // Puzzle::kEmpty where no hint placed a digit
    CandidateMasks m_struck{};
};
