#include "pacing/layout.h"

#include <algorithm>

namespace {

// trunc(base + k x Scale) with Scale = width / 1024, in integers so that no
// rounding of the double can move a box by a pixel.
int32_t Scaled(int32_t base, int32_t k, int32_t width) {
    return static_cast<int32_t>((int64_t{base} * 1024 + int64_t{k} * width) / 1024);
}

TRect Band(int32_t left, int32_t right, int32_t top, int32_t height) {
    return {left, top, right, top + height};
}

bool Inside(const TRect& r, const TRect& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
           r.bottom <= area.bottom;
}

// The layout of the saver for an area, by its fixed rules: everything scales with the
// area's width; the well is centred, the boxes stand around the vertical middle.
TLayout LayoutIn(const TRect& area) {
    const int32_t width = area.right - area.left;
    const int32_t height = area.bottom - area.top;
    TLayout l;
    l.Stage = area;
    l.Scale = width / 1024.0;
    l.UnitA = Scaled(0, 50, width);
    l.UnitB = Scaled(0, 30, width);

    const int32_t glassTop = area.top + height / 20;
    const int32_t provisionalBottom = area.bottom - height / 20;
    l.CellSize = (provisionalBottom - glassTop + 1) / 20;
    const int32_t glassLeft = (area.left + area.right - 10 * l.CellSize) / 2;
    l.GlassRect = {glassLeft, glassTop, glassLeft + 10 * l.CellSize, glassTop + 20 * l.CellSize};

    const int32_t rightCentre = (area.right + l.GlassRect.right) / 2;
    const int32_t leftCentre = (area.left + l.GlassRect.left) / 2;
    const int32_t middle = (area.top + area.bottom) / 2;

    const int32_t boxLeft = Scaled(rightCentre, -75, width);
    const int32_t boxRight = Scaled(rightCentre, 75, width);
    l.LinesBox = {boxLeft, middle - l.UnitA / 2, boxRight, middle + l.UnitA / 2};
    l.ScoreBox = Band(boxLeft, boxRight, l.LinesBox.top - 3 * l.UnitA, l.UnitA);
    l.TimeBox = Band(boxLeft, boxRight, l.LinesBox.top + 3 * l.UnitA, l.UnitA);
    l.ScoresBox = {Scaled(leftCentre, -100, width), middle - (3 * l.UnitB) / 2,
                   Scaled(leftCentre, 100, width), middle + (3 * l.UnitB) / 2};
    return l;
}

// The largest rectangle centred in the client with the shape the layout was made for:
// 2:1 for a client too wide, 3:4 for one too tall.
TRect StageOf(const TRect& client) {
    const int64_t width = client.right - client.left;
    const int64_t height = client.bottom - client.top;
    int64_t w, h;
    if (3 * width > 4 * height) {
        w = std::min(width, 2 * height);
        h = w / 2;
    } else {
        h = std::min(height, width * 4 / 3);
        w = h * 3 / 4;
    }
    const auto left = static_cast<int32_t>(client.left + (width - w) / 2);
    const auto top = static_cast<int32_t>(client.top + (height - h) / 2);
    return {left, top, static_cast<int32_t>(left + w), static_cast<int32_t>(top + h)};
}

TRect Moved(const TRect& r, int32_t dx, int32_t dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Laid out at the origin and moved there: the rules' integer truncations then fall alike
// wherever the stage lies in the client.
TLayout LayoutInStage(const TRect& stage) {
    TLayout l = LayoutIn({0, 0, stage.right - stage.left, stage.bottom - stage.top});
    for (TRect* r : {&l.Stage, &l.GlassRect, &l.ScoreBox, &l.LinesBox, &l.TimeBox, &l.ScoresBox})
        *r = Moved(*r, stage.left, stage.top);
    return l;
}

}  // namespace

bool ShowsEverything(const TLayout& l, const TRect& area) {
    if (!Inside(l.GlassRect, area)) return false;
    for (const TRect& box : {l.ScoreBox, l.LinesBox, l.TimeBox, l.ScoresBox})
        if (!Inside(box, area)) return false;
    // The labels stand half a box above theirs, the three title rows above the list and
    // the address below it.
    return l.ScoreBox.top - l.UnitA / 2 >= area.top && l.ScoresBox.top - 6 * l.UnitB >= area.top &&
           l.ScoresBox.bottom + 2 * l.UnitB <= area.bottom && l.ScoreBox.left >= l.GlassRect.right &&
           l.ScoresBox.right <= l.GlassRect.left;
}

TLayout ComputeLayout(const TRect& client) {
    const TLayout whole = LayoutIn(client);
    if (ShowsEverything(whole, client)) return whole;
    const TLayout staged = LayoutInStage(StageOf(client));
    // A stage too small for a cell of one pixel shows nothing better.
    return staged.CellSize > 0 && ShowsEverything(staged, staged.Stage) ? staged : whole;
}
