// Monitors far from 4:3 (run by the shapes tier on 5120 x 1440 and 1080 x 1920 screens):
// every panel box shows its whole sunk frame on the screen, dark above, light below.
#include "e2e/saver_fixture.h"
#include "pacing/layout.h"

namespace {

using Shapes = SaverTest;

// One colour along the row from left to right (exclusive); 0xFFFFFFFF when it changes.
uint32_t RowColour(const TScreenShot& shot, int32_t left, int32_t right, int32_t y) {
    const uint32_t colour = shot.At(left, y);
    for (int32_t x = left; x < right; ++x)
        if (shot.At(x, y) != colour) return 0xFFFFFFFFu;
    return colour;
}

TEST_F(Shapes, EveryBoxShowsItsWholeFrame) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    RECT screen = {};
    GetWindowRect(GetDesktopWindow(), &screen);
    const TLayout layout = ComputeLayout({screen.left, screen.top, screen.right, screen.bottom});
    const TScreenShot shot = ReadScreen();
    for (const TRect& box : {layout.ScoreBox, layout.LinesBox, layout.TimeBox, layout.ScoresBox}) {
        SCOPED_TRACE(testing::Message() << "box " << box.left << "," << box.top << "-" << box.right
                                        << "," << box.bottom << " on " << screen.right << "x" << screen.bottom);
        ASSERT_GE(box.left - 4, screen.left);
        ASSERT_GE(box.top - 4, screen.top);
        ASSERT_LE(box.right + 4, screen.right);
        ASSERT_LE(box.bottom + 4, screen.bottom);
        // Along the box's own width: at 3:4 the list's frame meets the well's.
        const uint32_t dark = RowColour(shot, box.left, box.right, box.top - 3);
        const uint32_t light = RowColour(shot, box.left, box.right, box.bottom + 3);
        EXPECT_NE(dark, 0xFFFFFFFFu) << "no frame above the box";
        EXPECT_NE(light, 0xFFFFFFFFu) << "no frame below the box";
        EXPECT_NE(dark, light);
    }
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
}

}  // namespace
