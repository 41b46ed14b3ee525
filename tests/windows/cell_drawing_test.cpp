#include <gtest/gtest.h>
#include <windows.h>

#include "engine/palette.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"
#include "engine/win/gdi_cell_device.h"
#include "settings/settings.h"
#include "tests/windows/lock_holder.h"
#include "tests/windows/memory_surface.h"

#include <thread>

namespace {

constexpr TColor Untouched = Rgb(1, 2, 3);
constexpr TColor WindowUntouched = Rgb(4, 5, 6);

// The color slots and the palette setting as they were before a test.
class TColorSlotsScope {
public:
    TColorSlotsScope() : Palette_(Settings.Palette) {
        for (int i = 0; i < 11; ++i) Saved_[i] = *Slots[i];
    }
    ~TColorSlotsScope() {
        for (int i = 0; i < 11; ++i) *Slots[i] = Saved_[i];
        Settings.Palette = Palette_;
    }
    TColorSlotsScope(const TColorSlotsScope&) = delete;
    TColorSlotsScope& operator=(const TColorSlotsScope&) = delete;

private:
    static constexpr TColor* Slots[11] = {
        &BackgroundColor, &TitleColor,     &InfoColor,      &TextColor,
        &ShadowColor,     &HighlightColor, &CellPenColor,   &EmptyCellColor,
        &BlockFaceColor,  &BlockLightColor, &BlockDarkColor};
    TColor Saved_[11];
    int32_t Palette_;
};

// A well at (100, 40) with 20-pixel cells drawn into a memory back buffer,
// and a second memory surface standing in for the window.
class CellDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Window.Valid());
        ASSERT_TRUE(Back.Valid());
        Settings.Palette = 0;
        ApplyPalette();
        Device.CreateBrushes();
        Window.Fill(WindowUntouched);
        Back.Fill(Untouched);
        Device.Attach(Window.DC, Back.DC);
        Game.Device = &Device;
        Game.Live = true;
        Game.GlassRect = {100, 40, 300, 440};
        Game.CellWidth = 20;
        Game.CellHeight = 20;
        Game.Dirty = {};
    }

    TColorSlotsScope Colors;
    TMemorySurface Window{320, 480};
    TMemorySurface Back{320, 480};
    TGdiCellDevice Device;
    TRowfall Game;
};

void ExpectPixels(const TMemorySurface& surface, std::initializer_list<POINT> points,
                  TColor color, const char* what) {
    for (const POINT& p : points)
        EXPECT_EQ(surface.Pixel(p.x, p.y), color) << what << " at (" << p.x << ", " << p.y << ")";
}

TEST_F(CellDrawing, FilledCellIsABevelledBlockWithAnInsetFace) {
    Game.ShowCell(2, 3, 1);

    ExpectPixels(Back, {{140, 100}, {150, 100}, {159, 100}, {140, 110}, {140, 119}},
                 CellPenColor, "outline");
    ExpectPixels(Back, {{157, 103}, {145, 115}}, CellPenColor, "diagonal");
    ExpectPixels(Back, {{141, 101}, {144, 110}, {150, 104}, {156, 103}, {141, 118}},
                 BlockLightColor, "light bevel");
    ExpectPixels(Back, {{159, 102}, {159, 110}, {155, 110}, {150, 115}, {150, 118}, {158, 118}},
                 BlockDarkColor, "dark bevel");
    ExpectPixels(Back, {{146, 106}, {153, 106}, {146, 113}, {153, 113}, {150, 110}},
                 BlockFaceColor, "face");
    ExpectPixels(Back, {{145, 105}, {154, 105}, {145, 114}, {154, 114}, {150, 105}},
                 CellPenColor, "face outline");
    ExpectPixels(Back, {{139, 110}, {150, 99}, {139, 99}}, Untouched, "left and above the cell");

    EXPECT_EQ(Game.Dirty, (TRect{140, 100, 160, 120}));
}

TEST_F(CellDrawing, EmptyCellIsAnOutlinedSquare) {
    Game.ShowCell(2, 3, 0);

    ExpectPixels(Back, {{140, 100}, {159, 100}, {140, 119}, {159, 119}, {150, 100}, {150, 119}},
                 CellPenColor, "outline");
    ExpectPixels(Back, {{141, 101}, {158, 101}, {141, 118}, {158, 118}, {150, 110}},
                 EmptyCellColor, "fill");
    ExpectPixels(Back, {{139, 110}, {160, 110}, {150, 99}, {150, 120}}, Untouched, "outside");
    EXPECT_EQ(Game.Dirty, (TRect{140, 100, 160, 120}));
}

TEST_F(CellDrawing, DirtyGrowsToTheUnionOfTheCellsDrawn) {
    Game.ShowCell(2, 3, 1);
    Game.ShowCell(4, 5, 0);
    EXPECT_EQ(Game.Dirty, (TRect{140, 100, 200, 160}));
}

TEST_F(CellDrawing, NothingOutsideTheWellOrWhileNotLive) {
    Game.Dirty = {1, 2, 3, 4};
    const auto before = Back.Snapshot();

    Game.ShowCell(10, 0, 1);
    Game.ShowCell(0, -1, 1);
    Game.ShowCell(-1, 0, 0);
    Game.ShowCell(0, 20, 0);
    Game.Live = false;
    Game.ShowCell(2, 3, 1);
    Game.ShowCell(2, 3, 0);

    EXPECT_TRUE(Back.Snapshot() == before);
    EXPECT_EQ(Game.Dirty, (TRect{1, 2, 3, 4}));
}

TEST_F(CellDrawing, NewBrushesTakeTheCurrentPalette) {
    Settings.Palette = 1;
    ApplyPalette();
    Device.CreateBrushes();
    Game.ShowCell(0, 0, 1);
    Game.ShowCell(1, 0, 0);

    EXPECT_EQ(Back.Pixel(100, 40), Rgb(100, 164, 204));
    EXPECT_EQ(Back.Pixel(101, 41), Rgb(200, 250, 255));
    EXPECT_EQ(Back.Pixel(118, 58), Rgb(110, 180, 255));
    EXPECT_EQ(Back.Pixel(110, 50), Rgb(150, 220, 255));
    EXPECT_EQ(Back.Pixel(130, 50), Rgb(20, 193, 255));
}

TEST_F(CellDrawing, DissolvePixelGoesToTheBackBuffer) {
    Device.SetPixel(7, 9, Rgb(10, 20, 30));
    EXPECT_EQ(Back.Pixel(7, 9), Rgb(10, 20, 30));
    EXPECT_EQ(Window.Pixel(7, 9), WindowUntouched);
}

TEST_F(CellDrawing, BlitRectCopiesTheAreaAndEmptiesIt) {
    Game.ShowCell(2, 3, 1);
    TRect area{140, 100, 160, 120};
    Game.BlitRect(area);

    EXPECT_TRUE(area == TRect{});
    EXPECT_EQ(Window.Pixel(150, 110), BlockFaceColor);
    EXPECT_EQ(Window.Pixel(141, 101), BlockLightColor);
    EXPECT_EQ(Window.Pixel(159, 119), Back.Pixel(159, 119));
    EXPECT_EQ(Window.Pixel(160, 110), WindowUntouched);
    EXPECT_EQ(Window.Pixel(150, 120), WindowUntouched);
}

TEST_F(CellDrawing, WithoutAWindowTheCopyFailsAndTheAreaStays) {
    Device.Attach(nullptr, Back.DC);
    TRect area{140, 100, 160, 120};
    Game.BlitRect(area);
    EXPECT_EQ(area, (TRect{140, 100, 160, 120}));
    EXPECT_FALSE(Device.CopyToWindow(area));
}

TEST_F(CellDrawing, WithoutABackBufferNothingIsDrawn) {
    Device.Attach(Window.DC, nullptr);
    const auto before = Window.Snapshot();
    Game.Dirty = TRect{};
    Game.ShowCell(2, 3, 1);
    EXPECT_EQ(Game.Dirty, TRect{}) << "nothing was drawn, so nothing is to be copied";
    Device.SetPixel(7, 9, Rgb(10, 20, 30));
    TRect area{140, 100, 160, 120};
    EXPECT_FALSE(Device.CopyToWindow(area));
    EXPECT_TRUE(Window.Snapshot() == before);
    EXPECT_EQ(Back.Pixel(150, 110), Untouched);
}

// The dissolve waits for each tick with the game lock let go, the engine marked as
// dissolving, and a stop ends the wait; on a clock that never moves only the stop can.
TEST_F(CellDrawing, DissolveWaitsWithoutTheLockAndEndsAtTheStop) {
    HANDLE lock = CreateMutexA(nullptr, FALSE, nullptr);
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Device.Lock = lock;
    Device.Stops[0] = stop;
    SetTickSource([]() -> uint32_t { return 5000; });
    bool sawDissolving = false;
    WaitForSingleObject(lock, INFINITE);
    std::thread other([&] {
        WaitForSingleObject(lock, INFINITE);  // only free while the dissolve waits
        sawDissolving = Game.Dissolving;
        ReleaseMutex(lock);
        SetEvent(stop);
    });
    Game.FlashLine(5);
    other.join();
    EXPECT_TRUE(sawDissolving);
    EXPECT_FALSE(Game.Dissolving);
    EXPECT_EQ(TryFromOtherThread(lock), WAIT_TIMEOUT) << "the lock was not taken back";
    ReleaseMutex(lock);
    SetTickSource(nullptr);
    Device.Lock = Device.Stops[0] = nullptr;
    CloseHandle(lock);
    CloseHandle(stop);
}

}  // namespace
