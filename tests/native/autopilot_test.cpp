#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "engine_support.h"

using namespace engine_test;

namespace {

class Autopilot : public ::testing::Test {
protected:
    TClockScope Ticks{1000, 1};  // trial landings spawn other kinds than the one planned
    TRowfall Game;
};

// Where the figure would end up after the given plan, as a trial with no drawing.
int32_t ValueAfter(const TRowfall& game, int32_t rotation, int32_t shift) {
    TRowfall trial = game;
    trial.Device = nullptr;
    trial.Live = false;
    if (rotation > 0) trial.Rotate(rotation);
    if (trial.ShiftX(shift) == 0 && shift != 0) return INT32_MIN;  // not a candidate
    while (trial.ShiftY(1) != 0) {
    }
    return trial.ValueGlass();
}

// A ragged stack from a fixed pattern, never touching rows 0..5.
void BuildStack(TRowfall& game, uint32_t seed) {
    for (int32_t col = 0; col < GlassColumns; ++col) {
        seed = seed * 1103515245u + 12345u;
        const int32_t height = static_cast<int32_t>((seed >> 16) % 12);
        for (int32_t row = GlassRows - height; row < GlassRows; ++row) {
            seed = seed * 1103515245u + 12345u;
            game.Cell(col, row) = (seed >> 16) % 5 != 0;
        }
    }
}

TEST_F(Autopilot, ValueGlassRewardsALowFlatStackWithoutHoles) {
    EXPECT_EQ(Game.ValueGlass(), 2440);
    Game.Cell(0, 19) = 1;
    EXPECT_EQ(Game.ValueGlass(), 2336);
    Game.ClearGlass();
    Game.Cell(0, 18) = 1;
    EXPECT_EQ(Game.ValueGlass(), 1987);
    Game.ClearGlass();
    FillRow(Game, 19);
    Game.Cell(4, 19) = 0;
    EXPECT_EQ(Game.ValueGlass(), 2318);
    Game.Cell(5, 0) = 1;  // holes cost nothing once row 0 holds a cell
    EXPECT_EQ(Game.ValueGlass(), 2 * 3 * 19 + 6 * 2 * 19 + 2 * 20 - 1 - 400 - 361);
}

TEST_F(Autopilot, SquareGoesAgainstTheLeftWall) {
    SpawnKind(Game, 0);
    int32_t rotation = -1;
    int32_t shift = 99;
    Game.FindBestMove(rotation, shift);
    EXPECT_EQ(rotation, 0);
    EXPECT_EQ(shift, -4);
    EXPECT_EQ(ValueAfter(Game, 0, -4), 2226);
    EXPECT_EQ(ValueAfter(Game, 0, 0), 2224);
}

TEST_F(Autopilot, RowOfFourStaysFlatWhereItSpawned) {
    SpawnKind(Game, 2);
    int32_t rotation = -1;
    int32_t shift = 99;
    Game.FindBestMove(rotation, shift);
    EXPECT_EQ(rotation, 0);
    EXPECT_EQ(shift, 0);
    for (int32_t s = -3; s <= 3; ++s) EXPECT_EQ(ValueAfter(Game, 0, s), 2330) << s;
}

TEST_F(Autopilot, ChoosesThePlacementWithTheHighestValue) {
    const int32_t orientations[7] = {1, 4, 2, 4, 4, 2, 2};
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Game.ClearGlass();
        BuildStack(Game, seed);
        SpawnKind(Game, static_cast<int32_t>(seed % 7));
        int32_t rotation = -1;
        int32_t shift = 99;
        Game.FindBestMove(rotation, shift);
        ASSERT_GE(rotation, 0);
        ASSERT_LT(rotation, orientations[Game.Kind]) << "seed " << seed;
        const int32_t chosen = ValueAfter(Game, rotation, shift);
        for (int32_t r = 0; r < orientations[Game.Kind]; ++r) {
            for (int32_t s = -9; s <= 9; ++s) {
                EXPECT_LE(ValueAfter(Game, r, s), chosen) << "seed " << seed << " r " << r << " s " << s;
            }
        }
    }
}

// On this stack the S-shaped figure scores as well in either orientation: the lower
// rotation count, tried first, keeps the tie.
TEST_F(Autopilot, ATieBetweenRotationCountsGoesToTheLowerOne) {
    BuildStack(Game, 135);
    SpawnKind(Game, 6);
    int32_t best[2] = {INT32_MIN, INT32_MIN};
    for (int32_t r = 0; r < 2; ++r)
        for (int32_t s = -9; s <= 9; ++s) best[r] = std::max(best[r], ValueAfter(Game, r, s));
    ASSERT_EQ(best[0], best[1]) << "no tie to break";
    int32_t rotation = -1;
    int32_t shift = 99;
    Game.FindBestMove(rotation, shift);
    EXPECT_EQ(rotation, 0);
    EXPECT_EQ(ValueAfter(Game, rotation, shift), best[0]);
}

TEST_F(Autopilot, SearchLeavesTheGameExactlyAsItWas) {
    TRecordingDevice device;
    Attach(Game, device);
    for (uint32_t seed = 1; seed <= 14; ++seed) {
        Game.ClearGlass();
        BuildStack(Game, seed * 7919);
        SpawnKind(Game, static_cast<int32_t>(seed % 7));
        Game.ShiftY(2);
        Game.Score = 17;
        Game.Lines = 9;
        Game.Dirty = {3, 4, 5, 6};
        Game.Live = seed % 2 == 0;  // ends true either way
        device.Cells.clear();
        const TRowfall before = Game;
        int32_t rotation = 0;
        int32_t shift = 0;
        Game.FindBestMove(rotation, shift);
        EXPECT_EQ(std::memcmp(Game.Glass, before.Glass, sizeof Game.Glass), 0) << seed;
        EXPECT_EQ(std::memcmp(Game.CellX, before.CellX, sizeof Game.CellX), 0) << seed;
        EXPECT_EQ(std::memcmp(Game.CellY, before.CellY, sizeof Game.CellY), 0) << seed;
        EXPECT_EQ(Game.X, before.X);
        EXPECT_EQ(Game.Y, before.Y);
        EXPECT_EQ(Game.Kind, before.Kind);
        EXPECT_EQ(Game.GameOver, before.GameOver);
        EXPECT_EQ(Game.Score, 17);
        EXPECT_EQ(Game.Lines, 9);
        EXPECT_EQ(Game.Dirty, (TRect{3, 4, 5, 6}));
        EXPECT_TRUE(Game.Live);
        EXPECT_TRUE(device.Cells.empty());
        EXPECT_TRUE(device.Pixels.empty());
    }
}

TEST_F(Autopilot, TrialsThatEndTheGameAreUndone) {
    for (int32_t row = 2; row < GlassRows; ++row) {
        for (int32_t col = 0; col < GlassColumns; ++col) Game.Cell(col, row) = (col + row) % 3 != 0;
    }
    SpawnKind(Game, 3);
    int32_t rotation = -1;
    int32_t shift = 99;
    Game.FindBestMove(rotation, shift);
    EXPECT_FALSE(Game.GameOver);
    EXPECT_EQ(Game.Kind, 3);
    EXPECT_EQ(Game.Cell(4, 0), 0);
    EXPECT_GE(rotation, 0);
    EXPECT_LE(rotation, 3);

    Game.GameOver = true;  // nothing moves: the first candidate stands
    Game.FindBestMove(rotation, shift);
    EXPECT_EQ(rotation, 0);
    EXPECT_EQ(shift, 0);
    EXPECT_TRUE(Game.GameOver);
}

}  // namespace
