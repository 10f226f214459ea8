#include "base/geometry.h"

namespace {
// A side of length size starting at start, moved and cut to lie within [low, high).
void FitSide(long& start, long& size, long low, long high) {
    if (size > high - low)
        size = high - low;
    if (start + size > high)
        start = high - size;
    if (start < low)
        start = low;
}

long InRangeOr(long value, long low, long high, long fallback) {
    return value >= low && value <= high ? value : fallback;
}
} // namespace

WindowGeometry AcceptGeometry(const WindowGeometry& stored) {
    return {InRangeOr(stored.width, 200, 800, DefaultGeometry.width),
            InRangeOr(stored.height, 200, 600, DefaultGeometry.height),
            InRangeOr(stored.left, 2, 600, DefaultGeometry.left),
            InRangeOr(stored.top, 2, 360, DefaultGeometry.top)};
}

WindowGeometry FitOntoWorkArea(const WindowGeometry& accepted, const WorkArea& area) {
    WindowGeometry fitted = accepted;
    FitSide(fitted.left, fitted.width, area.left, area.right);
    FitSide(fitted.top, fitted.height, area.top, area.bottom);
    return fitted;
}
