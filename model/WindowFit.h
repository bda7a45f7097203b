// The main window's kept size against the screen, in plain pixel sizes, so that the rule is the
// same on every platform and is checked without a window.
#pragma once

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The size the window reopens at: the kept size, made small enough that it and the window
// manager's frame around it fit the screen's free area, and never below the window's natural
// size, which wins on a screen too small for it. A kept size that is not positive both ways
// means the natural size; a frame side that is negative or larger than the screen counts as none.
PixelSize ReopenedSize(PixelSize kept, PixelSize natural, PixelSize available, PixelSize frame);
