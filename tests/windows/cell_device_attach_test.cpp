#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "engine/win/gdi_cell_device.h"
#include "tests/windows/memory_surface.h"

namespace {

constexpr COLORREF GivenText = RGB(10, 20, 30);
constexpr COLORREF ChangedText = RGB(200, 100, 50);

// Two pairs of contexts; each is handed to the device with a known text color
// and, for the back buffers, a known bitmap selected.
class CellDeviceAttach : public ::testing::Test {
protected:
    void SetUp() override {
        for (TMemorySurface* s : {&WindowA, &BackA, &WindowB, &BackB}) {
            ASSERT_TRUE(s->Valid());
            SetTextColor(s->DC, GivenText);
        }
    }

    // What the drawing code might leave behind in a context.
    static void Disturb(TMemorySurface& surface, HBITMAP other) {
        SetTextColor(surface.DC, ChangedText);
        SelectObject(surface.DC, other);
    }

    static void ExpectAsGiven(const TMemorySurface& surface) {
        EXPECT_EQ(GetTextColor(surface.DC), GivenText);
        EXPECT_EQ(GetCurrentObject(surface.DC, OBJ_BITMAP), surface.Bitmap());
    }

    TMemorySurface WindowA{8, 8};
    TMemorySurface BackA{8, 8};
    TMemorySurface WindowB{8, 8};
    TMemorySurface BackB{8, 8};

    // A bitmap to select in place of a context's own.
    HBITMAP SpareBitmap() {
        HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
        Spares_.push_back(bitmap);
        return bitmap;
    }
    void TearDown() override {
        for (HBITMAP bitmap : Spares_) DeleteObject(bitmap);
    }

private:
    std::vector<HBITMAP> Spares_;
};

TEST_F(CellDeviceAttach, AttachSavesBothContexts) {
    TGdiCellDevice device;
    device.Attach(WindowA.DC, BackA.DC);
    EXPECT_EQ(device.WindowDC, WindowA.DC);
    EXPECT_EQ(device.BackDC, BackA.DC);
    EXPECT_NE(device.WindowDCState, 0);
    EXPECT_NE(device.BackDCState, 0);
}

TEST_F(CellDeviceAttach, AttachingAnotherPairRestoresTheOldOne) {
    TGdiCellDevice device;
    device.Attach(WindowA.DC, BackA.DC);
    Disturb(WindowA, SpareBitmap());
    Disturb(BackA, SpareBitmap());

    device.Attach(WindowB.DC, BackB.DC);
    ExpectAsGiven(WindowA);
    ExpectAsGiven(BackA);
    EXPECT_EQ(device.WindowDC, WindowB.DC);
    EXPECT_EQ(device.BackDC, BackB.DC);

    Disturb(WindowB, SpareBitmap());
    Disturb(BackB, SpareBitmap());
    device.Attach(nullptr, nullptr);
    ExpectAsGiven(WindowB);
    ExpectAsGiven(BackB);
    EXPECT_EQ(device.WindowDCState, 0);
    EXPECT_EQ(device.BackDCState, 0);
}

TEST_F(CellDeviceAttach, DestructorRestoresTheAttachedPair) {
    {
        TGdiCellDevice device;
        device.Attach(WindowA.DC, BackA.DC);
        Disturb(WindowA, SpareBitmap());
        Disturb(BackA, SpareBitmap());
    }
    ExpectAsGiven(WindowA);
    ExpectAsGiven(BackA);
}

TEST_F(CellDeviceAttach, DrawingLeavesNoObjectSelected) {
    TGdiCellDevice device;
    device.Attach(WindowA.DC, BackA.DC);
    const HGDIOBJ pen = GetCurrentObject(BackA.DC, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(BackA.DC, OBJ_BRUSH);
    device.DrawCell({0, 0, 8, 8}, true);
    device.DrawCell({0, 0, 8, 8}, false);
    EXPECT_EQ(GetCurrentObject(BackA.DC, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(BackA.DC, OBJ_BRUSH), brush);
}

}  // namespace
