#include <gtest/gtest.h>

#include "engine_support.h"

using namespace engine_test;

namespace {

class Drawing : public ::testing::Test {
protected:
    Drawing() { Attach(Game, Device); }
    TClockScope Ticks;
    TRowfall Game;
    TRecordingDevice Device;
};

TEST_F(Drawing, CellRectangleComesFromTheWellOriginAndCellSize) {
    Game.ShowCell(2, 3, 1);
    ASSERT_EQ(Device.Cells.size(), 1u);
    EXPECT_EQ(Device.Cells[0].Cell, (TRect{140, 100, 160, 120}));
    EXPECT_TRUE(Device.Cells[0].Filled);
    EXPECT_EQ(Game.Dirty, (TRect{140, 100, 160, 120}));

    Game.ShowCell(9, 19, 0);
    ASSERT_EQ(Device.Cells.size(), 2u);
    EXPECT_EQ(Device.Cells[1].Cell, (TRect{280, 420, 300, 440}));
    EXPECT_FALSE(Device.Cells[1].Filled);
    EXPECT_EQ(Game.Dirty, (TRect{140, 100, 300, 440}));

    Game.ShowCell(0, 0, 7);  // any nonzero value is filled
    EXPECT_TRUE(Device.Cells[2].Filled);
}

TEST_F(Drawing, CellsOutsideTheWellDrawNothing) {
    Game.Dirty = {1, 2, 3, 4};
    for (auto [c, r] : {std::pair{10, 0}, {0, -1}, {-1, 5}, {3, 20}}) Game.ShowCell(c, r, 1);
    EXPECT_TRUE(Device.Cells.empty());
    EXPECT_EQ(Game.Dirty, (TRect{1, 2, 3, 4}));

    Game.Device = nullptr;
    Game.ShowCell(2, 3, 1);
    EXPECT_EQ(Game.Dirty, (TRect{1, 2, 3, 4}));
}

TEST_F(Drawing, FigureWithACellAboveTheTopDrawsThreeCells) {
    SpawnKind(Game, 5);
    Game.ShowFigure();
    ASSERT_EQ(Device.Cells.size(), 3u);
    for (const TDrawnCell& drawn : Device.Cells) EXPECT_TRUE(drawn.Filled);
    Game.HideFigure();
    ASSERT_EQ(Device.Cells.size(), 6u);
    for (size_t i = 3; i < 6; ++i) EXPECT_FALSE(Device.Cells[i].Filled);
}

TEST_F(Drawing, MovesEraseTheOldPlaceThenDrawTheNew) {
    SpawnKind(Game, 0);
    Game.Dirty = {};
    EXPECT_EQ(Game.ShiftX(1), 1);
    ASSERT_EQ(Device.Cells.size(), 8u);
    EXPECT_EQ(Device.Cells[0].Cell, (TRect{180, 40, 200, 60}));  // old pivot (4, 0)
    EXPECT_FALSE(Device.Cells[0].Filled);
    EXPECT_EQ(Device.Cells[4].Cell, (TRect{200, 40, 220, 60}));  // new pivot (5, 0)
    EXPECT_TRUE(Device.Cells[4].Filled);
    EXPECT_EQ(Game.Dirty, (TRect{180, 40, 240, 80}));
}

TEST_F(Drawing, ShowGlassDrawsTheSettledWellRowByRow) {
    Game.Cell(3, 0) = 1;
    Game.Cell(0, 19) = 1;
    Game.ShowGlass();
    ASSERT_EQ(Device.Cells.size(), 200u);
    for (int32_t i = 0; i < 200; ++i) {
        const int32_t col = i % 10;
        const int32_t row = i / 10;
        EXPECT_EQ(Device.Cells[i].Cell.left, 100 + 20 * col) << i;
        EXPECT_EQ(Device.Cells[i].Cell.top, 40 + 20 * row) << i;
        EXPECT_EQ(Device.Cells[i].Filled, Game.Cell(col, row) != 0) << i;
    }
}

TEST_F(Drawing, NothingIsDrawnWhileNotLive) {
    Game.Live = false;
    Game.ShowCell(2, 3, 1);
    Game.ShowFigure();
    Game.HideFigure();
    Game.ShowGlass();
    EXPECT_TRUE(Device.Cells.empty());
    EXPECT_TRUE(IsEmpty(Game.Dirty));
}

TEST_F(Drawing, AFailingDeviceDoesNotStopTheMove) {
    Device.ThrowOnDraw = true;
    SpawnKind(Game, 1);
    EXPECT_EQ(Game.ShiftX(1), 1);
    EXPECT_EQ(Game.X, 5);
    EXPECT_EQ(Game.Rotate(1), 1);
    EXPECT_TRUE(IsEmpty(Game.Dirty));
}

}  // namespace
