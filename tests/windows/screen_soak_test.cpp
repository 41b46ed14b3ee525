#include "screen_fixture.h"

namespace {

class ScreenSoak : public TScreenTest {};

// Every repaint makes and deletes a few hundred pens, brushes, fonts and a DC;
// thousands of them go far past Wine's table of about 65,000 objects.
TEST_F(ScreenSoak, ThousandsOfRepaintsLeakNoDrawingObjects) {
    Settings.ShowBkgr = true;
    Settings.Score1 = 12;
    Rowfall.Cell(3, 19) = 1;
    Rowfall.Cell(4, 19) = 1;
    Open(200, 150);
    const TRect clock = Grown(Form.TimeBox, 4);
    const auto withoutClock = [&] {
        TPixels p = Back();
        for (int y = clock.top; y < clock.bottom; ++y)
            for (int x = clock.left; x < clock.right; ++x) p.Colors[y * p.Width + x] = 0;
        return p;
    };
    Form.ClearScreen();
    const TPixels before = withoutClock();

    for (int i = 0; i < 1500; ++i) Form.ClearScreen();
    for (int i = 0; i < 10000; ++i) Form.ShowTime();
    Form.Flush();

    Form.ClearScreen();
    EXPECT_EQ(withoutClock(), before);
    EXPECT_EQ(Back(), Screen());
    HBRUSH brush = CreateSolidBrush(Rgb(1, 2, 3));
    EXPECT_NE(brush, nullptr);
    DeleteObject(brush);
}

}  // namespace
