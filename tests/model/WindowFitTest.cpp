// The size a kept main window reopens at, against screens and window-manager frames.
#include "WindowFit.h"

#include <gtest/gtest.h>

#include <climits>

TEST(WindowFit, TheKeptSizeAndItsFrameFitTheScreenAndNeverGoBelowNatural)
{
    constexpr PixelSize natural{600, 420};
    constexpr PixelSize screen{1280, 1024};
    const struct {
        const char* name;
        PixelSize kept, available, frame, expected;
    } rows[] = {
        {"nothing kept", {0, 0}, screen, {2, 21}, natural},
        {"negative", {-900, 700}, screen, {2, 21}, natural},
        {"fits with its frame", {900, 700}, screen, {2, 21}, {900, 700}},
        {"a maximised window's inside", {1280, 1005}, screen, {2, 21}, {1278, 1003}},
        {"largest number, a panel", {INT_MAX, INT_MAX}, {1280, 990}, {8, 30}, {1272, 960}},
        {"screen too small", {900, 700}, {640, 400}, {2, 21}, {638, 420}},
        {"frame out of range", {INT_MAX, INT_MAX}, screen, {-5, INT_MAX}, screen},
    };
    for (const auto& row : rows) {
        const PixelSize size = ReopenedSize(row.kept, natural, row.available, row.frame);
        EXPECT_EQ(size, row.expected) << row.name << ": " << size.width << " x " << size.height;
    }
}
