#include "pacing/layout.h"
#include "pacing/texture.h"
#include "screen_fixture.h"

namespace {

class ScreenAttach : public TScreenTest {};

BITMAP BitmapInfo(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return info;
}

TEST_F(ScreenAttach, LaysOutTheWindowAndHandsTheWellToTheEngine) {
    Open(1024, 768);
    EXPECT_EQ(Form.Scale, 1.0);
    EXPECT_EQ(Form.UnitA, 50);
    EXPECT_EQ(Form.UnitB, 30);
    EXPECT_EQ(Form.CellWidth, 34);
    EXPECT_EQ(Form.CellHeight, 34);
    EXPECT_EQ(Form.GlassRect, (TRect{342, 38, 682, 718}));
    EXPECT_EQ(Form.ScoreBox, (TRect{778, 209, 928, 259}));
    EXPECT_EQ(Form.LinesBox, (TRect{778, 359, 928, 409}));
    EXPECT_EQ(Form.TimeBox, (TRect{778, 509, 928, 559}));
    EXPECT_EQ(Form.ScoresBox, (TRect{71, 339, 271, 429}));

    EXPECT_EQ(Rowfall.GlassRect, Form.GlassRect);
    EXPECT_EQ(Rowfall.CellWidth, 34);
    EXPECT_EQ(Rowfall.CellHeight, 34);
    EXPECT_EQ(Rowfall.Device, &CellDevice);
    EXPECT_EQ(CellDevice.WindowDC, Form.WindowDC);
    EXPECT_EQ(CellDevice.BackDC, Form.BackDC);
    EXPECT_NE(CellDevice.BackDCState, 0);

    const BITMAP back = BitmapInfo(Form.BackBitmap);
    EXPECT_EQ(back.bmWidth, 1024);
    EXPECT_EQ(back.bmHeight, 768);
    EXPECT_EQ(GetCurrentObject(Form.BackDC, OBJ_BITMAP), Form.BackBitmap);
    EXPECT_EQ(Form.Background, nullptr);  // ShowBkgr is off in the fixture
}

TEST_F(ScreenAttach, TextureOnlyWithShowBkgr) {
    Settings.ShowBkgr = true;
    Open(800, 600);
    EXPECT_EQ(Form.UnitA, 39);
    EXPECT_EQ(Form.LinesBox, (TRect{608, 281, 725, 319}));
    ASSERT_NE(Form.Background, nullptr);
    const BITMAP texture = BitmapInfo(Form.Background);
    EXPECT_EQ(texture.bmWidth, 400);
    EXPECT_EQ(texture.bmHeight, 320);
    // Every pixel is its height's ramp color, the right way up and round.
    HDC dc = CreateCompatibleDC(Form.WindowDC);
    HGDIOBJ previous = SelectObject(dc, Form.Background);
    const TPixels p = Capture(dc, {0, 0, TextureWidth, TextureHeight});
    SelectObject(dc, previous);
    DeleteDC(dc);
    int wrong = 0;
    for (int y = 0; y < TextureHeight; ++y)
        for (int x = 0; x < TextureWidth; ++x) wrong += p.At(x, y) != Ramp[HeightAt(x, y)];
    EXPECT_EQ(wrong, 0);

    Settings.ShowBkgr = false;
    Form.SetWindow(Form.Window);
    EXPECT_EQ(Form.Background, nullptr);
}

TEST_F(ScreenAttach, PaletteThreeTextureIsAlmostBlack) {
    Settings.ShowBkgr = true;
    Settings.ShowInfo = false;
    Settings.Palette = 3;
    Open(800, 600);
    EXPECT_EQ(ShadowColor, Rgb(80, 80, 80));
    Form.ClearScreen();
    const TPixels p = Back();
    EXPECT_EQ(CountOther(p, {0, 0, 800, 20}, Rgb(15, 15, 15)), 0);
    EXPECT_EQ(CountOther(p, {0, 0, 200, 600}, Rgb(15, 15, 15)), 0);
}

TEST_F(ScreenAttach, UnknownPaletteKeepsTheColorsAndDarkensTheTexture) {
    Settings.Palette = 1;
    Open(800, 600);
    const TColor blue = BackgroundColor;
    EXPECT_EQ(blue, Rgb(20, 193, 255));
    Settings.Palette = 7;
    Settings.ShowBkgr = true;
    Form.SetWindow(Form.Window);
    EXPECT_EQ(BackgroundColor, blue);
    Settings.ShowInfo = false;
    Form.ClearScreen();
    EXPECT_EQ(CountOther(Back(), {0, 0, 800, 20}, Rgb(15, 15, 15)), 0);
}

TEST_F(ScreenAttach, TextureCoversTheScreenOutsideTheWell) {
    Settings.ShowBkgr = true;
    Open(1024, 768);
    Form.ClearScreen();
    const TPixels p = Back();
    // Palette 0 ramp: red 255, green 185..230, blue 92..230.
    int ramp = 0, plain = 0;
    for (int x = 0; x < 1024; ++x) {
        const TColor c = p.At(x, 5);
        ramp += RedOf(c) == 255 && GreenOf(c) >= 185 && GreenOf(c) <= 230 && BlueOf(c) >= 92;
        plain += c == BackgroundColor;
    }
    EXPECT_EQ(ramp, 1024);
    EXPECT_LT(plain, 512);
}

TEST_F(ScreenAttach, ReattachingReleasesAndRebuilds) {
    Open(152, 112);
    HDC firstBack = Form.BackDC;
    Open(1024, 768);
    EXPECT_EQ(GetObjectType(firstBack), 0u);  // the old memory context is gone
    EXPECT_EQ(Form.GlassRect, (TRect{342, 38, 682, 718}));
    Form.SetWindow(nullptr);
    EXPECT_EQ(Form.BackDC, nullptr);
    EXPECT_EQ(Form.BackBitmap, nullptr);
    EXPECT_EQ(Form.WindowDC, nullptr);
    EXPECT_EQ(Form.Background, nullptr);
    Form.ClearScreen();  // detached: nothing to draw into, nothing breaks
    EXPECT_TRUE(IsEmpty(Form.Dirty));
}

TEST_F(ScreenAttach, TinyClientsAttachAndRepaint) {
    for (const SIZE size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{21, 21}, SIZE{19, 19}, SIZE{3, 40}, SIZE{300, 2}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        for (bool texture : {false, true}) {
            Settings.ShowBkgr = texture;
            Open(size.cx, size.cy);
            Form.ClearScreen();
            Form.ShowTime();
            Form.Flush();
            EXPECT_TRUE(IsEmpty(Form.Dirty));
            EXPECT_EQ(Back(), Screen());
        }
    }
}

}  // namespace

namespace {

// No back buffer for a client this large: the process ends with status 1.
TEST_F(ScreenAttach, BackBufferThatCannotBeMadeEndsTheProcess) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            HWND window = CreateToolWindow(30000, 30000);
            if (!window) ExitProcess(3);
            RECT r{};
            GetClientRect(window, &r);
            if (r.right < 20000) ExitProcess(4);
            Form.SetWindow(window);
            ExitProcess(0);
        },
        testing::ExitedWithCode(1), "");
}

}  // namespace
