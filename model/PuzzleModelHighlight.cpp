// A highlighted digit, and own digits that clash with a digit they see: ways to look at the board
// that change nothing on it.
#include "PuzzleModel.h"

void PuzzleModel::HighlightDigit(int digit)
{
    const ChangeScope change(*this);
    if (digit < 0 || digit > 9)
        return;
    m_highlighted = digit == m_highlighted ? 0 : digit;
}

void PuzzleModel::HighlightDigitOf(int cell)
{
    if (cell < 0 || cell >= kCellCount)
        return;
    if (const int digit = ShownPuzzle()[cell]; digit != Puzzle::kEmpty)
        HighlightDigit(digit);
}

std::bitset<kCellCount> PuzzleModel::HighlightedCells() const
{
    std::bitset<kCellCount> cells;
    if (m_highlighted == 0)
        return cells;
    const Puzzle shown = ShownPuzzle();
    for (int cell = 0; cell < kCellCount; ++cell)
        cells.set(static_cast<std::size_t>(cell), shown[cell] == m_highlighted);
    return cells;
}

int PuzzleModel::RepeatedPeer(const Puzzle& shown, int cell)
{
    int repeated = -1;
    ForEachSeenCell(cell, [&](int peer) {
        if (repeated < 0 && shown[peer] == shown[cell])
            repeated = peer;
    });
    return repeated;
}

PuzzleModel::Clashes PuzzleModel::ShownClashes() const
{
    Clashes clashes;
    if (!m_showClashes || !IsSet())
        return clashes;
    const Puzzle shown = ShownPuzzle();
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (ShownOwnDigit(cell) == Puzzle::kEmpty || shown[cell] != ShownOwnDigit(cell))
            continue;
        ForEachSeenCell(cell, [&](int peer) {
            if (shown[peer] != shown[cell])
                return;
            clashes.ownDigits.set(static_cast<std::size_t>(cell));
            clashes.repeated.set(static_cast<std::size_t>(peer));
        });
    }
    return clashes;
}

void PuzzleModel::SetShowClashes(bool on)
{
    const ChangeScope change(*this);
    m_showClashes = on;
}
