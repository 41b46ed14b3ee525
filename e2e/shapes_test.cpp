// Screens far from 4:3 (run by the shapes tier on 5120 x 1440 and 1080 x 1920 screens),
// and one that changes its size during the run.
#include "e2e/saver_fixture.h"
#include "pacing/layout.h"

#include <string>

namespace {

using Shapes = SaverTest;

// One colour along the row from left to right (exclusive); 0xFFFFFFFF when it changes.
uint32_t RowColour(const TScreenShot& shot, int32_t left, int32_t right, int32_t y) {
    const uint32_t colour = shot.At(left, y);
    for (int32_t x = left; x < right; ++x)
        if (shot.At(x, y) != colour) return 0xFFFFFFFFu;
    return colour;
}

// The panel boxes that do not show their whole sunk frame (dark above, light below)
// where the layout for the screen puts them; empty when all do.
std::string FrameFaults(const TScreenShot& shot, const RECT& screen) {
    const TLayout layout = ComputeLayout({screen.left, screen.top, screen.right, screen.bottom});
    std::string faults;
    for (const TRect& box : {layout.ScoreBox, layout.LinesBox, layout.TimeBox, layout.ScoresBox}) {
        const bool inside = box.left - 4 >= screen.left && box.top - 4 >= screen.top &&
                            box.right + 4 <= screen.right && box.bottom + 4 <= screen.bottom;
        // Along the box's own width: at 3:4 the list's frame meets the well's.
        const uint32_t dark = inside ? RowColour(shot, box.left, box.right, box.top - 3) : 0xFFFFFFFFu;
        const uint32_t light = inside ? RowColour(shot, box.left, box.right, box.bottom + 3) : dark;
        if (dark == 0xFFFFFFFFu || light == 0xFFFFFFFFu || dark == light)
            faults += "box at " + std::to_string(box.left) + "," + std::to_string(box.top) + "; ";
    }
    return faults;
}

TEST_F(Shapes, EveryBoxShowsItsWholeFrame) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    RECT screen = {};
    GetWindowRect(GetDesktopWindow(), &screen);
    EXPECT_EQ(FrameFaults(ReadScreen(), screen), "") << "on " << screen.right << "x" << screen.bottom;
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
}

// Run in Wine's virtual desktop of 1024 x 768, which a program may resize (a remote
// session reconnecting at another size would): the saver window covers the new screen
// and the game is laid out anew for it, going on.
using Resize = SaverTest;

TEST_F(Resize, TheSaverFollowsTheScreensNewSize) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = 1280;
    mode.dmPelsHeight = 1024;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    ASSERT_EQ(ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
    const RECT big = {0, 0, 1280, 1024};
    RECT covered = {};
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(window, &covered) && EqualRect(&covered, &big); }))
        << "the window covers " << covered.left << "," << covered.top << "-" << covered.right << ","
        << covered.bottom;
    WaitUntil([&] { return FrameFaults(ReadScreen(), big).empty(); });
    EXPECT_EQ(FrameFaults(ReadScreen(), big), "");
    EXPECT_TRUE(IsWindowVisible(window));
    ChangeDisplaySettingsA(nullptr, 0);
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
}

}  // namespace
