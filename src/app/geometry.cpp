#include "app/geometry.h"

namespace {
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
