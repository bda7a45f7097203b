#include "WindowPlacement.h"

#include <algorithm>

namespace {

constexpr int kGap = 8;  // between the two windows' frames

// The start of a span of `length` as near `wanted` as the room from `first` on, `room` long, allows.
int Fit(int wanted, int length, int first, int room)
{
    return std::max(first, std::min(wanted, first + room - length));
}

}  // namespace

WindowPlacement PlaceBeside(const QRect& screen, const QRect& owner, const QRect& keepClear, const QSize& size)
{
    const int screenRight = screen.left() + screen.width();
    const int screenBottom = screen.top() + screen.height();
    const int besideTop = Fit(owner.top(), size.height(), screen.top(), screen.height());
    const int belowLeft = Fit(owner.left(), size.width(), screen.left(), screen.width());
    const int ownerRight = owner.left() + owner.width();
    const int ownerBottom = owner.top() + owner.height();

    if (ownerRight + kGap + size.width() <= screenRight)
        return {{ownerRight + kGap, besideTop}, owner.topLeft()};
    if (owner.left() - kGap - size.width() >= screen.left())
        return {{owner.left() - kGap - size.width(), besideTop}, owner.topLeft()};
    if (owner.width() + kGap + size.width() <= screen.width()) {
        const int left = screenRight - size.width();
        return {{left, besideTop}, {left - kGap - owner.width(), owner.top()}};
    }
    if (ownerBottom + kGap + size.height() <= screenBottom)
        return {{belowLeft, ownerBottom + kGap}, owner.topLeft()};
    if (owner.height() + kGap + size.height() <= screen.height()) {
        const int top = screenBottom - size.height();
        return {{belowLeft, top}, {owner.left(), top - kGap - owner.height()}};
    }
    // Too small a screen for both: the board stays clear, the buttons beside it may be covered.
    const int left = std::max(keepClear.left() + keepClear.width() + kGap, screenRight - size.width());
    return {{left, besideTop}, owner.topLeft()};
}
