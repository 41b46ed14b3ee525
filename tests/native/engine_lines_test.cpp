#include <gtest/gtest.h>

#include <cstring>

#include "engine/palette.h"
#include "engine_support.h"

using namespace engine_test;

namespace {

class Lines : public ::testing::Test {
protected:
    TClockScope Ticks{1000, 1};  // advances on every read, so the dissolve never stalls
    TRowfall Game;
};

TEST_F(Lines, LandingThatFillsTwoRowsScoresThreeAndDropsTheRest) {
    FillRow(Game, 18);
    FillRow(Game, 19);
    for (int32_t r : {18, 19}) {
        Game.Cell(4, r) = 0;
        Game.Cell(5, r) = 0;
    }
    Game.Cell(0, 17) = 1;
    Game.Cell(9, 16) = 1;
    SpawnKind(Game, 0);
    while (Game.ShiftY(1) != 0) {
    }
    EXPECT_EQ(Game.Score, 3);
    EXPECT_EQ(Game.Lines, 2);
    EXPECT_EQ(SettledCount(Game), 2);
    EXPECT_EQ(Game.Cell(0, 19), 1);
    EXPECT_EQ(Game.Cell(9, 18), 1);
    EXPECT_FALSE(Game.GameOver);
}

TEST_F(Lines, RowsAroundAPartialRowGoAndThePartialRowSinks) {
    FillRow(Game, 17);
    FillRow(Game, 19);
    Game.Cell(2, 18) = 1;
    Game.Cell(7, 18) = 1;
    Game.Cell(3, 10) = 1;
    Game.Score = 10;
    Game.Lines = 4;
    EXPECT_EQ(Game.ClearLines(), 2);
    EXPECT_EQ(Game.Score, 13);
    EXPECT_EQ(Game.Lines, 6);
    EXPECT_EQ(SettledCount(Game), 3);
    EXPECT_EQ(Game.Cell(2, 19), 1);
    EXPECT_EQ(Game.Cell(7, 19), 1);
    EXPECT_EQ(Game.Cell(3, 12), 1);
}

TEST_F(Lines, EachCountOfRowsScoresTwiceMinusOne) {
    for (int32_t n = 1; n <= 4; ++n) {
        Game.ClearGlass();
        for (int32_t r = 0; r < n; ++r) FillRow(Game, 19 - r);
        EXPECT_EQ(Game.ClearLines(), n);
        EXPECT_EQ(Game.Score, 2 * n - 1);
        EXPECT_EQ(Game.Lines, n);
        EXPECT_EQ(SettledCount(Game), 0);
    }
}

TEST_F(Lines, TrialRemovalIsSilent) {
    TRecordingDevice device;
    Attach(Game, device);
    FillRow(Game, 17);
    FillRow(Game, 19);
    Game.Cell(2, 18) = 1;
    TRowfall scored = Game;
    scored.Device = nullptr;
    scored.ClearLines();

    Game.Live = false;
    EXPECT_EQ(Game.ClearLines(), 2);
    EXPECT_EQ(std::memcmp(Game.Glass, scored.Glass, sizeof Game.Glass), 0);
    EXPECT_EQ(Game.Score, 0);
    EXPECT_EQ(Game.Lines, 0);
    EXPECT_TRUE(device.Cells.empty());
    EXPECT_TRUE(device.Pixels.empty());
    EXPECT_TRUE(device.Copies.empty());
    EXPECT_TRUE(IsEmpty(Game.Dirty));
}

TEST_F(Lines, RowZeroIsNeverRemoved) {
    FillRow(Game, 0);
    EXPECT_EQ(Game.ClearLines(), 0);
    EXPECT_TRUE(RowFull(Game, 0));

    // Each removal copies row 0 down; with row 0 full that must not go on for ever.
    FillRow(Game, 19);
    FillRow(Game, 5);
    Game.Cell(8, 9) = 1;
    EXPECT_EQ(Game.ClearLines(), 2);
    for (int32_t row : {0, 1, 2}) EXPECT_TRUE(RowFull(Game, row)) << row;
    EXPECT_EQ(Game.Cell(8, 10), 1);
    EXPECT_EQ(SettledCount(Game), 31);
}

TEST_F(Lines, LandingWithoutAFullRowChangesNothingElse) {
    TRecordingDevice device;
    Attach(Game, device);
    SpawnKind(Game, 2);
    int32_t falls = 0;
    while (Game.ShiftY(1) != 0) ++falls;
    EXPECT_EQ(falls, 19);
    EXPECT_EQ(Game.Score, 0);
    EXPECT_EQ(Game.Lines, 0);
    EXPECT_TRUE(device.Pixels.empty());
    EXPECT_EQ(device.Cells.size(), 8u * falls);  // the falls only, no redraw of the well
}

TEST_F(Lines, LiveRemovalDissolvesEachFullRowThenRedrawsTheWell) {
    TRecordingDevice device;
    Attach(Game, device);
    FillRow(Game, 19);
    FillRow(Game, 12);
    EXPECT_EQ(Game.ClearLines(), 2);
    EXPECT_EQ(device.Pixels.size(), 20000u);
    EXPECT_EQ(device.Copies.size(), 38u);
    // The lower row dissolves first.
    EXPECT_EQ(device.Copies.front().Area, (TRect{100, 420, 300, 440}));
    EXPECT_EQ(device.Copies.back().Area, (TRect{100, 280, 300, 300}));
    ASSERT_EQ(device.Cells.size(), 200u);
    for (const TDrawnCell& drawn : device.Cells) EXPECT_FALSE(drawn.Filled);
    EXPECT_EQ(Game.Dirty, (TRect{100, 40, 300, 440}));
}

TEST_F(Lines, DissolveSetsPixelsInsideTheStripAndCopiesOncePerTick) {
    TRecordingDevice device;
    Attach(Game, device);
    Clock = TScriptedClock{5000, 1, 7};  // the clock moves only every seventh read
    Game.FlashLine(3);
    const TRect strip{100, 100, 300, 120};
    ASSERT_EQ(device.Pixels.size(), 10000u);
    for (const TPixel& pixel : device.Pixels) {
        ASSERT_GE(pixel.X, strip.left);
        ASSERT_LT(pixel.X, strip.right);
        ASSERT_GE(pixel.Y, strip.top);
        ASSERT_LT(pixel.Y, strip.bottom);
        ASSERT_EQ(pixel.Color, EmptyCellColor);
    }
    ASSERT_EQ(device.Copies.size(), 19u);
    for (size_t i = 0; i < device.Copies.size(); ++i) {
        EXPECT_EQ(device.Copies[i].Area, strip);
        if (i > 0) {
            EXPECT_GT(device.Copies[i].Tick, device.Copies[i - 1].Tick) << i;
        }
    }
}

TEST_F(Lines, DissolveNeedsADeviceCellsAndLive) {
    Clock.Step = 0;  // a frozen clock: any busy wait would never end
    Game.FlashLine(5);

    TRecordingDevice device;
    Attach(Game, device);
    Game.CellHeight = 0;
    Game.FlashLine(5);
    Game.CellHeight = 20;
    Game.CellWidth = -3;
    Game.FlashLine(5);
    Game.CellWidth = 20;
    Game.Live = false;
    Game.FlashLine(5);
    EXPECT_TRUE(device.Pixels.empty());
    EXPECT_TRUE(device.Copies.empty());
}

TEST_F(Lines, BlitRectEmptiesTheRectOnlyWhenTheCopySucceeded) {
    TRect area{10, 20, 30, 40};
    Game.BlitRect(area);  // no device
    EXPECT_EQ(area, (TRect{10, 20, 30, 40}));

    TRecordingDevice device;
    Attach(Game, device);
    device.CopySucceeds = false;
    Game.BlitRect(area);
    EXPECT_EQ(area, (TRect{10, 20, 30, 40}));
    device.CopySucceeds = true;
    Game.BlitRect(area);
    EXPECT_EQ(area, TRect{});
    ASSERT_EQ(device.Copies.size(), 2u);
    EXPECT_EQ(device.Copies[1].Area, (TRect{10, 20, 30, 40}));
}

}  // namespace
