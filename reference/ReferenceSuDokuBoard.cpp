#include "ReferenceSuDokuBoard.h"

namespace reference {

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
            for (bool& candidate : m_bCandidate[x][y])
                candidate = true;
        }
    }
    m_nGuessLevel = 0;
}

void CSuDokuBoard::Load(const int values[81])
{
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const int v = values[y * 9 + x];
            m_nInitial[x][y] = v;
            m_nValue[x][y] = v;
            m_bOpen[x][y] = true;
            for (int d = 1; d <= 9; ++d)
                m_bCandidate[x][y][d] = (v == -1 || v == d);
        }
    }
    m_nGuessLevel = 0;
}

void CSuDokuBoard::Evaluate()
{
    m_bSolved = true;
    m_bConsistent = true;
    bool seenInColumn[9][10] = {};
    bool seenInRow[9][10] = {};
    bool seenInSquare[9][10] = {};
    // Marks digit d as seen in a unit; a second sighting is a contradiction.
    auto markSeen = [this](bool (&seen)[9][10], int unit, int d) {
        if (seen[unit][d])
            m_bConsistent = false;
        seen[unit][d] = true;
    };

    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            m_nValue[x][y] = -1;
            int count = 0;
            int lastDigit = 0;
            for (int d = 1; d <= 9; ++d) {
                if (m_bCandidate[x][y][d]) {
                    ++count;
                    lastDigit = d;
                }
            }
            if (count == 1) {
                m_nValue[x][y] = lastDigit;
                markSeen(seenInColumn, x, lastDigit);
                markSeen(seenInRow, y, lastDigit);
                markSeen(seenInSquare, SquareOf(x, y), lastDigit);
            } else if (count == 0) {
                m_nValue[x][y] = -2;
                m_bConsistent = false;
            } else {
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

}  // namespace reference
