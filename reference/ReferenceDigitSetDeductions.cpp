// Digit sets: n digits confined to the same n cells of a unit own those cells outright.
#include "ReferenceStepText.h"
#include "ReferenceSuDokuBoard.h"

#include <bitset>

namespace reference {

namespace {

// The cells of one unit where one digit is still a candidate, in the unit's scan order.
struct PositionList {
    int count = 0;
    int xs[9] = {};
    int ys[9] = {};

    void Append(int x, int y)
    {
        xs[count] = x;
        ys[count] = y;
        ++count;
    }
    bool operator==(const PositionList& other) const
    {
        if (count != other.count)
            return false;
        for (int i = 0; i < count; ++i) {
            if (xs[i] != other.xs[i] || ys[i] != other.ys[i])
                return false;
        }
        return true;
    }
};

// True when the first digit has exactly n cells and every other digit of the set has the same ones.
bool IsDigitSet(const PositionList (&lists)[10], const std::vector<int>& digitSet)
{
    const PositionList& first = lists[digitSet.front()];
    if (first.count != static_cast<int>(digitSet.size()))
        return false;
    for (size_t i = 1; i < digitSet.size(); ++i) {
        if (!(lists[digitSet[i]] == first))
            return false;
    }
    return true;
}

std::string DigitText(const std::vector<int>& digitSet)
{
    std::string text;
    for (size_t i = 0; i < digitSet.size(); ++i)
        text += (i == 0 ? FormatStep("%d", digitSet[i]) : FormatStep(",%d", digitSet[i]));
    return text;
}

}  // namespace

bool CSuDokuBoard::DeduceDigitSets(StepList& steps, int size)
{
    bool changed = false;
    Evaluate();

    for (int mask = 1; mask <= 511; ++mask) {
        if (static_cast<int>(std::bitset<9>(static_cast<unsigned>(mask)).count()) != size)
            continue;
        std::vector<int> digitSet;
        for (int d = 1; d <= 9; ++d) {
            if (mask & (1 << (d - 1)))
                digitSet.push_back(d);
        }

        for (int x = 0; x < 9; ++x) {
            PositionList lists[10];
            for (int d : digitSet) {
                for (int y = 0; y < 9; ++y) {
                    if (m_bCandidate[x][y][d])
                        lists[d].Append(x, y);
                }
            }
            if (!IsDigitSet(lists, digitSet))
                continue;
            const PositionList cells = lists[digitSet.front()];
            for (int i = 0; i < cells.count; ++i)
                RestrictToDigitSet(x, cells.ys[i], digitSet, steps, kUnitColumn, changed);
        }

        for (int y = 0; y < 9; ++y) {
            PositionList lists[10];
            for (int d : digitSet) {
                for (int x = 0; x < 9; ++x) {
                    if (m_bCandidate[x][y][d])
                        lists[d].Append(x, y);
                }
            }
            if (!IsDigitSet(lists, digitSet))
                continue;
            const PositionList cells = lists[digitSet.front()];
            for (int i = 0; i < cells.count; ++i)
                RestrictToDigitSet(cells.xs[i], y, digitSet, steps, kUnitRow, changed);
        }

        for (int s = 0; s < 9; ++s) {
            int firstX, lastX, firstY, lastY;
            GetSquareBounds(s, firstX, lastX, firstY, lastY);
            PositionList lists[10];
            for (int d : digitSet) {
                for (int x = firstX; x <= lastX; ++x) {
                    for (int y = firstY; y <= lastY; ++y) {
                        if (m_bCandidate[x][y][d])
                            lists[d].Append(x, y);
                    }
                }
            }
            if (!IsDigitSet(lists, digitSet))
                continue;
            const PositionList cells = lists[digitSet.front()];
            for (int i = 0; i < cells.count; ++i)
                RestrictToDigitSet(cells.xs[i], cells.ys[i], digitSet, steps, kUnitSquare, changed);
        }
    }
    return changed;
}

void CSuDokuBoard::RestrictToDigitSet(int x, int y, std::vector<int> digitSet, StepList& steps, int unitKind,
                                      bool& changed)
{
    bool inSet[10] = {};
    for (int d : digitSet)
        inSet[d] = true;
    bool cleared = false;
    for (int d = 1; d <= 9; ++d) {
        if (m_bCandidate[x][y][d] && !inSet[d]) {
            m_bCandidate[x][y][d] = false;
            cleared = true;
        }
    }
    if (!cleared)
        return;
    changed = true;
    const std::string digits = DigitText(digitSet);
    switch (unitKind) {
    case kUnitColumn:
        steps.push_back(FormatStep("In column x=%d, one of digits %s must go in row y=%d.", x + 1, digits.c_str(), y + 1));
        break;
    case kUnitRow:
        steps.push_back(FormatStep("In row y=%d, one of digits %s must go in column x=%d.", y + 1, digits.c_str(), x + 1));
        break;
    default:
        steps.push_back(FormatStep("In its square, one of digits %s must go in cell (x=%d, y=%d).", digits.c_str(), x + 1, y + 1));
        break;
    }
}

}  // namespace reference
