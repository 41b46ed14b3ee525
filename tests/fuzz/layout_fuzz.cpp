// Lays out clients up to 2^27 pixels each way, with the top left corner anywhere
// within +-2^27, and checks that the geometry is ordered and, where there is room,
// inside the client.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "pacing/layout.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

const int32_t Limit = 1 << 27;

bool Ordered(const TRect& r) { return r.left <= r.right && r.top <= r.bottom; }

// As likely below 2^k as below 2^(k+1): the integer rounding bites at small values.
int32_t AnyUpTo2To27(FuzzedDataProvider& data) {
    return data.ConsumeIntegralInRange<int32_t>(0, 1 << data.ConsumeIntegralInRange(0, 27));
}

int32_t AnyOffset(FuzzedDataProvider& data) {
    return data.ConsumeBool() ? -AnyUpTo2To27(data) : AnyUpTo2To27(data);
}

// A height at some ratio to the width, give or take a few pixels: the edges where the
// geometry stops fitting are lines through the origin, too thin to hit by chance.
int32_t NearRatio(FuzzedDataProvider& data, int32_t width) {
    const int64_t ratio = data.ConsumeIntegralInRange<int64_t>(0, 2048);  // 1/1024ths
    const int64_t height = width * ratio / 1024 + data.ConsumeIntegralInRange<int64_t>(-16, 16);
    return static_cast<int32_t>(height < 0 ? 0 : height > Limit ? Limit : height);
}

// Twenty rows of at least one pixel need 20 pixels: a 19-pixel client gets 1-pixel
// cells and a well one pixel taller than itself. The well is about 0.45 x height wide.
bool WellFits(int64_t width, int64_t height) {
    return height >= 20 && 20 * width >= 9 * height + 10;
}

// The boxes scale with the width alone: the score to the time box spans 7 x 50/1024
// of it in height (fits from height 0.342 x width), and beside a well of 0.45 x
// height they need width left over (fits up to height 1.354 x width). Both bounds hold,
// with a few pixels to spare, for every client up to 2500 x 3500 at odd and negative
// offsets.
bool BoxesFit(int64_t width, int64_t height) {
    return height >= 20 && 20 * height >= 7 * width && 20 * height + 200 <= 27 * width;
}

void CheckFit(const TRect& client, const TLayout& l) {
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    if (WellFits(width, height)) Check(Inside(l.GlassRect, client), "well outside the client");
    if (!BoxesFit(width, height)) return;
    for (const TRect& box : {l.ScoreBox, l.LinesBox, l.TimeBox, l.ScoresBox})
        Check(Inside(box, client), "box outside the client");
    Check(l.ScoreBox.left >= l.GlassRect.right && l.ScoresBox.right <= l.GlassRect.left,
          "box over the well");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int32_t width = AnyUpTo2To27(data);
    const int32_t height = data.ConsumeBool() ? AnyUpTo2To27(data) : NearRatio(data, width);
    const int32_t left = AnyOffset(data);
    const int32_t top = AnyOffset(data);
    const TRect client{left, top, left + width, top + height};
    const TLayout layout = ComputeLayout(client);
    for (const TRect& box : {layout.GlassRect, layout.ScoreBox, layout.LinesBox, layout.TimeBox,
                             layout.ScoresBox})
        Check(Ordered(box), "box not ordered");
    CheckFit(client, layout);
    return 0;
}
