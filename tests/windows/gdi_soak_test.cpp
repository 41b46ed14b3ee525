// Far more drawing than the process's GDI handle table holds: a pen or brush
// leaked per call would exhaust it and the last cell would come out in the
// wrong colors.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "engine/palette.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"
#include "engine/win/gdi_cell_device.h"
#include "tests/windows/memory_surface.h"

namespace {

uint32_t Ticks = 0;
uint32_t AdvancingTicks() { return ++Ticks; }  // each read is a new tick: no spin lasts

constexpr int SoakCells = 150000;
constexpr int SoakFlashes = 500;

TEST(GdiSoak, DrawingStillWorksAfterFarMoreObjectsThanTheTableHolds) {
    TMemorySurface window(240, 440);
    TMemorySurface back(240, 440);
    ASSERT_TRUE(window.Valid());
    ASSERT_TRUE(back.Valid());
    SetTickSource(AdvancingTicks);
    TGdiCellDevice device;
    device.Attach(window.DC, back.DC);
    TRowfall game;
    game.Device = &device;
    game.Live = true;
    game.GlassRect = {10, 10, 50, 90};
    game.CellWidth = 4;
    game.CellHeight = 4;

    const DWORD start = GetTickCount();
    for (int i = 0; i < SoakCells; ++i) {
        if (i % 5 == 0) device.CreateBrushes();
        game.ShowCell(i % GlassColumns, (i / GlassColumns) % GlassRows, i & 1);
    }
    const DWORD cellsDone = GetTickCount();
    for (int i = 0; i < SoakFlashes; ++i) game.FlashLine(1 + i % (GlassRows - 1));
    const DWORD flashesDone = GetTickCount();
    SetTickSource(nullptr);
    std::printf("[ figures  ] %d cells in %lu ms, %d row dissolves in %lu ms\n", SoakCells,
                cellsDone - start, SoakFlashes, flashesDone - cellsDone);

    game.CellWidth = 20;
    game.CellHeight = 20;
    game.ShowCell(1, 1, 1);  // (30, 30)-(50, 50)
    EXPECT_EQ(back.Pixel(30, 30), CellPenColor);
    EXPECT_EQ(back.Pixel(32, 32), BlockLightColor);
    EXPECT_EQ(back.Pixel(48, 48), BlockDarkColor);
    EXPECT_EQ(back.Pixel(40, 40), BlockFaceColor);
    game.ShowCell(2, 1, 0);
    EXPECT_EQ(back.Pixel(60, 40), EmptyCellColor);
    TRect area{30, 30, 70, 50};
    game.BlitRect(area);
    EXPECT_TRUE(area == TRect{});
    EXPECT_EQ(window.Pixel(40, 40), BlockFaceColor);
}

}  // namespace
