// Lays out clients up to 2^27 pixels each way, with the top left corner anywhere
// within +-2^27, and checks that the geometry is ordered and, from 32 pixels each way
// on, all of it inside the client, whatever its shape.
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

// From 32 pixels each way on everything shows: the client's own layout where it fits,
// else its centred 2:1 or 3:4 stage's. Below, the truncation of a box edge can put it a
// pixel past the client's (the smallest preview is 152 x 112).
void CheckFit(const TRect& client, const TLayout& l) {
    Check(Inside(l.Stage, client), "stage outside the client");
    if (client.right - client.left < 32 || client.bottom - client.top < 32) return;
    Check(ShowsEverything(l, client), "something outside the client or over the well");
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
