// Where a second window goes beside the main window so that both can be seen at once: the
// arithmetic alone, on frame rectangles in screen coordinates, so that it can be tested without a
// screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

struct WindowPlacement {
    QPoint window;  // the new window's top left
    QPoint owner;   // the main window's top left: where it was, unless it had to make room
};

// Places a window of `size` on the `screen` (its available area) beside `owner`: to the right where
// the screen has room, else to the left, else below, top or left edges aligned with the owner's.
// Where neither side has room as the owner stands but the screen is wide enough for both, the owner
// moves over to make room on its right; likewise for below. When nothing fits, the window keeps to
// the right of `keepClear` (the owner's board, which it must never cover), at the screen's right
// edge where the screen allows.
WindowPlacement PlaceBeside(const QRect& screen, const QRect& owner, const QRect& keepClear, const QSize& size);
