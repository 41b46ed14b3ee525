#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/random.h"
#include "pacing/texture.h"

namespace {

void ExpectColor(TColor c, uint32_t r, uint32_t g, uint32_t b) {
    EXPECT_EQ(RedOf(c), r);
    EXPECT_EQ(GreenOf(c), g);
    EXPECT_EQ(BlueOf(c), b);
}

TEST(Texture, RampTellingRows) {
    MakeRamp(0);
    ExpectColor(Ramp[0], 255, 185, 92);
    ExpectColor(Ramp[128], 255, 207, 138);
    ExpectColor(Ramp[255], 255, 230, 230);
    MakeRamp(1);
    ExpectColor(Ramp[0], 100, 200, 255);
    ExpectColor(Ramp[128], 143, 215, 255);
    ExpectColor(Ramp[255], 230, 230, 255);
    MakeRamp(2);
    ExpectColor(Ramp[0], 92, 200, 185);
    ExpectColor(Ramp[128], 138, 200, 207);
    ExpectColor(Ramp[255], 230, 200, 230);
}

TEST(Texture, BlackBackgroundAndUnknownPalettesAreAlmostBlack) {
    for (int32_t palette : {3, 4, -1, 1000}) {
        SCOPED_TRACE(palette);
        MakeRamp(0);
        MakeRamp(palette);
        for (TColor c : Ramp) ExpectColor(c, 15, 15, 15);
    }
}

std::vector<int32_t> Snapshot() { return {HeightMap, HeightMap + TextureWidth * TextureHeight}; }

bool AllInByteRange() {
    return std::all_of(HeightMap, HeightMap + TextureWidth * TextureHeight,
                       [](int32_t v) { return v >= 0 && v <= 255; });
}

TEST(Texture, HeightsStayInRangeThroughGenerationAndSmoothing) {
    for (uint32_t seed : {1u, 12345u, 0xFFFFFFFFu}) {
        SeedRandom(seed);
        MakeHeights();
        EXPECT_EQ(HeightAt(0, 0), 128);
        EXPECT_TRUE(AllInByteRange());
        SmoothHeights();
        EXPECT_TRUE(AllInByteRange());
        SmoothHeights();
        EXPECT_TRUE(AllInByteRange());
    }
}

TEST(Texture, NeighboursDifferByTheBoundedStep) {
    SeedRandom(99);
    MakeHeights();
    for (int32_t x = 1; x < TextureWidth; ++x) {
        const int32_t step = HeightAt(x, 0) - HeightAt(x - 1, 0);
        EXPECT_TRUE(step % 2 == 0 && step >= -60 && step <= 60) << x;
    }
    for (int32_t y = 1; y < TextureHeight; ++y) {
        const int32_t step = HeightAt(0, y) - HeightAt(0, y - 1);
        EXPECT_TRUE(step % 2 == 0 && step >= -60 && step <= 60) << y;
    }
}

TEST(Texture, GenerationFollowsTheDrawOrder) {
    // The first row reads the first 399 draws, turned back at the range ends.
    SeedRandom(7);
    std::vector<int32_t> draws(399);
    for (int32_t& d : draws) d = DrawRandom();
    int32_t v = 128;
    std::vector<int32_t> row{v};
    for (int32_t r : draws) {
        const int32_t d = 2 * (r % 61) - 60;
        v = (v + d > 255 || v + d < 0) ? v - d : v + d;
        row.push_back(v);
    }
    SeedRandom(7);
    MakeHeights();
    for (int32_t x = 0; x < TextureWidth; ++x) EXPECT_EQ(HeightAt(x, 0), row[x]) << x;
    // After 127,999 draws the generator is where a fresh run says it is.
    const int32_t next = DrawRandom();
    SeedRandom(7);
    for (int32_t i = 0; i < 399 + 319 * 400; ++i) DrawRandom();
    EXPECT_EQ(DrawRandom(), next);
}

TEST(Texture, SmoothingKeepsTheBorderAndSoftensTheInside) {
    SeedRandom(4242);
    MakeHeights();
    const std::vector<int32_t> raw = Snapshot();
    SeedRandom(4242);
    GenerateTexture(0);
    const std::vector<int32_t> smooth = Snapshot();

    for (int32_t x = 0; x < TextureWidth; ++x) {
        for (int32_t y = 0; y < TextureHeight; ++y) {
            const bool border = x == 0 || y == 0 || x == TextureWidth - 1 || y == TextureHeight - 1;
            if (border) {
                EXPECT_EQ(smooth[x * TextureHeight + y], raw[x * TextureHeight + y]);
            }
        }
    }
    // One inner cell by hand: the first pass sees only raw values at (1, 1).
    SeedRandom(4242);
    MakeHeights();
    const int32_t expected = HeightAt(1, 1) / 4 +
                             (HeightAt(2, 1) + HeightAt(0, 1) + HeightAt(1, 2) + HeightAt(1, 0)) / 8 +
                             (HeightAt(2, 2) + HeightAt(0, 2) + HeightAt(2, 0) + HeightAt(0, 0)) / 16;
    SmoothHeights();
    EXPECT_EQ(HeightAt(1, 1), expected);
    EXPECT_NE(smooth, raw);
}

}  // namespace
