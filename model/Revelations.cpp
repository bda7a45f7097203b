#include "Revelations.h"

int Revelations::Digit(int cell, const Puzzle& solution) const
{
    return m_hintPlaced.IsEmpty(cell) ? solution[cell] : m_hintPlaced[cell];
}

void Revelations::TakeHint(const TechniqueStep& step)
{
    for (const CellDigit& removal : step.removed)
        m_struck[static_cast<std::size_t>(removal.cell)] |= static_cast<std::uint16_t>(1u << (removal.digit - 1));
    for (const CellDigit& placement : step.placed) {
        RevealCell(placement.cell);
        m_hintPlaced[placement.cell] = placement.digit;
    }
}

void Revelations::GiveWayToSolution(const Puzzle& solution)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_hintPlaced[cell] != solution[cell])
            m_hintPlaced[cell] = Puzzle::kEmpty;
    }
}

void Revelations::Restore(const std::bitset<kCellCount>& revealed, const Puzzle& hintPlaced, const CandidateMasks& struck)
{
    m_revealed = revealed;
    m_hintPlaced = hintPlaced;
    m_struck = struck;
}
