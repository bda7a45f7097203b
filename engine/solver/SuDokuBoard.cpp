#include "SuDokuBoard.h"

#include "CellOrder.h"
#include "GridGeometry.h"

#include <bit>

using grid::kAllDigits;

CSuDokuBoard::CSuDokuBoard()
{
    Clear();
}

void CSuDokuBoard::Clear()
{
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            m_nInitial[x][y] = -1;
            m_nValue[x][y] = -1;
            m_bOpen[x][y] = true;
            m_nCandidates[x][y] = kAllDigits;
        }
    }
    m_nGuessLevel = 0;
}

Puzzle CSuDokuBoard::Values() const
{
    Puzzle values;
    for (int cell = 0; cell < kCellCount; ++cell)
        values[grid::PuzzleCell(cell)] = m_nValue[grid::CellX(cell)][grid::CellY(cell)];
    return values;
}

void CSuDokuBoard::Load(const int values[81])
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int x = grid::CellX(cell);
        const int y = grid::CellY(cell);
        const int v = values[grid::PuzzleCell(cell)];
        m_nInitial[x][y] = v;
        m_nValue[x][y] = v;
        m_bOpen[x][y] = true;
        m_nCandidates[x][y] = v == -1 ? kAllDigits : static_cast<std::uint16_t>(DigitBit(v));
    }
    m_nGuessLevel = 0;
}

void CSuDokuBoard::Evaluate()
{
    m_bSolved = true;
    m_bConsistent = true;
    // The determined digits seen so far per unit; a second sighting is a contradiction.
    unsigned seenInColumn[9] = {};
    unsigned seenInRow[9] = {};
    unsigned seenInSquare[9] = {};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const unsigned candidates = m_nCandidates[x][y] & kAllDigits;
            if (candidates == 0) {
                m_nValue[x][y] = -2;
                m_bConsistent = false;
            } else if ((candidates & (candidates - 1)) == 0) {
                m_nValue[x][y] = std::countr_zero(candidates) + 1;
                const int square = SquareOf(x, y);
                if ((seenInColumn[x] | seenInRow[y] | seenInSquare[square]) & candidates)
                    m_bConsistent = false;
                seenInColumn[x] |= candidates;
                seenInRow[y] |= candidates;
                seenInSquare[square] |= candidates;
            } else {
                m_nValue[x][y] = -1;
                m_bSolved = false;
            }
        }
    }
}

bool CSuDokuBoard::IsSolved()
{
    Evaluate();
    return m_bSolved;
}

bool CSuDokuBoard::IsConsistent()
{
    Evaluate();
    return m_bConsistent;
}

int CSuDokuBoard::GetValue(int x, int y) const
{
    if (x < 0 || x > 8 || y < 0 || y > 8)
        return -1;
    return m_nValue[x][y];
}

void CSuDokuBoard::GetSquareBounds(int square, int& firstX, int& lastX, int& firstY, int& lastY)
{
    firstX = (square % 3) * 3;
    lastX = firstX + 2;
    firstY = (square / 3) * 3;
    lastY = firstY + 2;
}
