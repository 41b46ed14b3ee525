#include "pacing/layout.h"

namespace {

// trunc(base + k x Scale) with Scale = width / 1024, in integers so that no
// rounding of the double can move a box by a pixel.
int32_t Scaled(int32_t base, int32_t k, int32_t width) {
    return static_cast<int32_t>((int64_t{base} * 1024 + int64_t{k} * width) / 1024);
}

TRect Band(int32_t left, int32_t right, int32_t top, int32_t height) {
    return {left, top, right, top + height};
}

}  // namespace

TLayout ComputeLayout(const TRect& client) {
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    TLayout l;
    l.Scale = width / 1024.0;
    l.UnitA = Scaled(0, 50, width);
    l.UnitB = Scaled(0, 30, width);

    const int32_t glassTop = client.top + height / 20;
    const int32_t provisionalBottom = client.bottom - height / 20;
    l.CellSize = (provisionalBottom - glassTop + 1) / 20;
    const int32_t glassLeft = (client.left + client.right - 10 * l.CellSize) / 2;
    l.GlassRect = {glassLeft, glassTop, glassLeft + 10 * l.CellSize, glassTop + 20 * l.CellSize};

    const int32_t rightCentre = (client.right + l.GlassRect.right) / 2;
    const int32_t leftCentre = (client.left + l.GlassRect.left) / 2;
    const int32_t middle = (client.top + client.bottom) / 2;

    const int32_t boxLeft = Scaled(rightCentre, -75, width);
    const int32_t boxRight = Scaled(rightCentre, 75, width);
    l.LinesBox = {boxLeft, middle - l.UnitA / 2, boxRight, middle + l.UnitA / 2};
    l.ScoreBox = Band(boxLeft, boxRight, l.LinesBox.top - 3 * l.UnitA, l.UnitA);
    l.TimeBox = Band(boxLeft, boxRight, l.LinesBox.top + 3 * l.UnitA, l.UnitA);
    l.ScoresBox = {Scaled(leftCentre, -100, width), middle - (3 * l.UnitB) / 2,
                   Scaled(leftCentre, 100, width), middle + (3 * l.UnitB) / 2};
    return l;
}
