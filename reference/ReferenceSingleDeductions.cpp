// Peer elimination and hidden singles: the two simplest rules, one pass at a time.
#include "ReferenceStepText.h"
#include "ReferenceSuDokuBoard.h"

namespace reference {

namespace {

bool IsPeer(int x, int y, int j, int k)
{
    if (j == x && k == y)
        return false;
    return j == x || k == y || CSuDokuBoard::SquareOf(j, k) == CSuDokuBoard::SquareOf(x, y);
}

}  // namespace

bool CSuDokuBoard::DeduceSingles(StepList& steps)
{
    bool changed = false;
    Evaluate();

    // The values are those of the Evaluate above: a cell determined during this phase propagates
    // its digit only in the next pass.
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const int v = m_nValue[x][y];
            if (v == -1)
                continue;
            for (int j = 0; j < 9; ++j) {
                for (int k = 0; k < 9; ++k) {
                    if (IsPeer(x, y, j, k))
                        EliminateFromPeer(j, k, v, steps, changed);
                }
            }
        }
    }

    for (int d = 1; d <= 9; ++d) {
        for (int x = 0; x < 9; ++x) {
            int count = 0;
            int lastY = 0;
            for (int y = 0; y < 9; ++y) {
                if (m_bCandidate[x][y][d]) {
                    ++count;
                    lastY = y;
                }
            }
            if (count == 1)
                PlaceHiddenSingle(x, lastY, d, steps, kUnitColumn, changed);
        }
        for (int y = 0; y < 9; ++y) {
            int count = 0;
            int lastX = 0;
            for (int x = 0; x < 9; ++x) {
                if (m_bCandidate[x][y][d]) {
                    ++count;
                    lastX = x;
                }
            }
            if (count == 1)
                PlaceHiddenSingle(lastX, y, d, steps, kUnitRow, changed);
        }
        for (int s = 0; s < 9; ++s) {
            int firstX, lastX, firstY, lastY;
            GetSquareBounds(s, firstX, lastX, firstY, lastY);
            int count = 0;
            int foundX = 0;
            int foundY = 0;
            for (int x = firstX; x <= lastX; ++x) {
                for (int y = firstY; y <= lastY; ++y) {
                    if (m_bCandidate[x][y][d]) {
                        ++count;
                        foundX = x;
                        foundY = y;
                    }
                }
            }
            if (count == 1)
                PlaceHiddenSingle(foundX, foundY, d, steps, kUnitSquare, changed);
        }
    }
    return changed;
}

void CSuDokuBoard::EliminateFromPeer(int x, int y, int digit, StepList& steps, bool& changed)
{
    int total = 0;
    int others = 0;
    int remaining = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!m_bCandidate[x][y][d])
            continue;
        ++total;
        if (d == digit) {
            m_bCandidate[x][y][d] = false;
            changed = true;
        } else {
            ++others;
            remaining = d;
        }
    }
    // Only when the digit was there and exactly one other is left: the peer is now determined.
    if (others == 1 && total > others) {
        steps.push_back(FormatStep("Cell (x=%d, y=%d) now determined: can be nothing other than digit %d.",
                                   x + 1, y + 1, remaining));
    }
}

void CSuDokuBoard::PlaceHiddenSingle(int x, int y, int digit, StepList& steps, int unitKind, bool& changed)
{
    bool cleared = false;
    for (int e = 1; e <= 9; ++e) {
        if (e != digit && m_bCandidate[x][y][e]) {
            m_bCandidate[x][y][e] = false;
            cleared = true;
        }
    }
    if (!cleared)
        return;
    changed = true;
    switch (unitKind) {
    case kUnitColumn:
        steps.push_back(FormatStep("In column x=%d, digit %d must go in row y=%d.", x + 1, digit, y + 1));
        break;
    case kUnitRow:
        steps.push_back(FormatStep("In row y=%d, digit %d must go in column x=%d.", y + 1, digit, x + 1));
        break;
    default:
        steps.push_back(FormatStep("In its square, digit %d must go in cell (x=%d, y=%d).", digit, x + 1, y + 1));
        break;
    }
}

}  // namespace reference
