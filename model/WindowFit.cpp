#include "WindowFit.h"

#include <algorithm>

namespace {

int ReopenedLength(int kept, int natural, int available, int frame)
{
    const int room = frame >= 0 && frame <= available ? available - frame : available;
    return std::max(natural, std::min(kept, room));
}

}  // namespace

PixelSize ReopenedSize(PixelSize kept, PixelSize natural, PixelSize available, PixelSize frame)
{
    if (kept.width <= 0 || kept.height <= 0)
        return natural;
    return {ReopenedLength(kept.width, natural.width, available.width, frame.width),
            ReopenedLength(kept.height, natural.height, available.height, frame.height)};
}
