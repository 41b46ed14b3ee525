#include "pacing/layout.h"
#include "screen_fixture.h"

namespace {

class ClearScreen : public TScreenTest {
protected:
    TRect WellFrame() const {
        const TRect g = Form.GlassRect;
        return Grown({g.left, g.top, g.right + 1, g.bottom + 1}, 4);
    }
    std::vector<TRect> FramedBoxes() const {
        return {Grown(Form.ScoreBox, 4), Grown(Form.LinesBox, 4), Grown(Form.TimeBox, 4),
                Grown(Form.ScoresBox, 4), WellFrame()};
    }
    // The inside of a box, its text band excluded, holds no text.
    void ExpectPlainBox(const TPixels& p, const TRect& box, const TRect& band) {
        int other = 0;
        const TRect g = Grown(box, 2);
        for (int y = g.top; y < g.bottom; ++y)
            for (int x = g.left; x < g.right; ++x)
                other += !Contains(band, x, y) && p.At(x, y) != BackgroundColor;
        EXPECT_EQ(other, 0);
    }
    void ExpectFrame(const TPixels& p, const TRect& box) {
        EXPECT_EQ(p.At(box.left - 3, box.top - 3), ShadowColor);
        EXPECT_EQ(p.At(box.left - 3, box.bottom + 1), ShadowColor);
        EXPECT_EQ(p.At(box.right + 3, box.bottom + 3), HighlightColor);
        EXPECT_EQ(p.At(box.right + 3, box.top), HighlightColor);
    }
};

TEST_F(ClearScreen, PanelTextsStayInTheirPlaces) {
    Settings.Score1 = 1234;
    Rowfall.Score = 4567;
    Rowfall.Lines = 89;
    Open(1024, 768);
    Form.ClearScreen();
    const TPixels p = Back();

    const TRect titles[] = {{0, 159, 342, 219}, {0, 219, 342, 279}, {0, 279, 342, 339}};
    const TRect address{0, 459, 342, 489};
    const TRect labels[] = {{778, 184, 928, 205}, {778, 334, 928, 355}, {778, 484, 928, 505}};
    for (const TRect& r : titles) EXPECT_GT(CountOther(p, r, BackgroundColor), 100);
    EXPECT_GT(CountOther(p, address, BackgroundColor), 50);
    for (const TRect& r : labels) EXPECT_GT(CountOther(p, r, BackgroundColor), 30);

    // Everything else is background, frames and the well.
    std::vector<TRect> allowed = FramedBoxes();
    allowed.insert(allowed.end(), {{0, 159, 342, 339}, address, {778, 184, 928, 209},
                                   {778, 334, 928, 359}, {778, 484, 928, 509}});
    EXPECT_EQ(CountOtherOutside(p, allowed, BackgroundColor), 0);

    // Numbers only inside their bands; the time band at (778, 518, 928, 550).
    ExpectPlainBox(p, Form.ScoreBox, {778, 218, 928, 250});
    ExpectPlainBox(p, Form.LinesBox, {778, 368, 928, 400});
    ExpectPlainBox(p, Form.TimeBox, {778, 518, 928, 550});
    EXPECT_GT(CountOther(p, {778, 218, 928, 250}, BackgroundColor), 30);
    EXPECT_GT(CountOther(p, {778, 368, 928, 400}, BackgroundColor), 30);
    EXPECT_GT(CountOther(p, {778, 518, 928, 550}, BackgroundColor), 30);
    EXPECT_GT(CountOther(p, Form.ScoresBox, BackgroundColor), 100);
    for (const TRect& box : {Form.ScoreBox, Form.LinesBox, Form.TimeBox, Form.ScoresBox})
        ExpectFrame(p, box);

    EXPECT_TRUE(IsEmpty(Form.Dirty));
    EXPECT_TRUE(IsEmpty(Rowfall.Dirty));
    EXPECT_EQ(Screen(), p);
}

TEST_F(ClearScreen, TextColorsFollowThePalette) {
    Open(1024, 768);
    Form.ClearScreen();
    const TPixels p = Back();
    const auto has = [&](const TRect& r, TColor c) {
        return CountOther(p, r, c) < (r.right - r.left) * (r.bottom - r.top);
    };
    EXPECT_TRUE(has({0, 159, 342, 339}, TitleColor));
    EXPECT_TRUE(has({0, 459, 342, 489}, InfoColor));
    EXPECT_TRUE(has({778, 218, 928, 250}, TextColor));
}

TEST_F(ClearScreen, WellInteriorIsPlainEvenOverTheTexture) {
    Settings.ShowBkgr = true;
    Rowfall.Cell(0, 19) = 1;
    Rowfall.Cell(9, 19) = 1;
    Rowfall.Cell(4, 0) = 1;
    Open(1024, 768);
    Form.ClearScreen();
    const TPixels p = Back();
    const TRect g = Form.GlassRect;
    // A filled cell's outline reaches one pixel past its right and bottom edges.
    const TRect cells{g.left, g.top, g.right + 1, g.bottom + 1};
    const TRect ring = Grown(g, 2);
    int other = 0;
    for (int y = ring.top; y < ring.bottom; ++y)
        for (int x = ring.left; x < ring.right; ++x)
            other += !Contains(cells, x, y) && p.At(x, y) != BackgroundColor;
    EXPECT_EQ(other, 0);
    EXPECT_EQ(CountOther(p, {g.left - 2, g.top - 2, g.left, g.bottom + 2}, BackgroundColor), 0);
    EXPECT_EQ(CountOther(p, {g.left - 2, g.top - 2, g.right + 2, g.top}, BackgroundColor), 0);
    // A settled cell shows its face, an empty one the plain fill.
    EXPECT_EQ(p.At(g.left + 17, g.bottom - 17), BlockFaceColor);
    EXPECT_EQ(p.At(g.left + 34 + 17, g.bottom - 17), EmptyCellColor);
    EXPECT_EQ(p.At(g.left + 4 * 34 + 17, g.top + 17), BlockFaceColor);
    ExpectFrame(p, {g.left, g.top, g.right + 1, g.bottom + 1});
}

TEST_F(ClearScreen, ShowInfoOffLeavesBackgroundFramedWellAndCells) {
    Settings.ShowInfo = false;
    Settings.Score1 = 300;
    Settings.Score2 = 900;
    Open(1024, 768);
    Form.ClearScreen();
    const TPixels p = Back();
    EXPECT_EQ(CountOtherOutside(p, {WellFrame()}, BackgroundColor), 0);
    const TRect g = Form.GlassRect;
    ExpectFrame(p, {g.left, g.top, g.right + 1, g.bottom + 1});
    EXPECT_EQ(p.At(g.left, g.top), CellPenColor);
    EXPECT_EQ(Settings.Score1, 300);  // not sorted either
    EXPECT_EQ(Screen(), p);
}

TEST_F(ClearScreen, PreviewDrawsFourEmptyFramedBoxes) {
    RunMode = ModePreview;
    Settings.Score1 = 5;
    Rowfall.Score = 77;
    Open(1024, 768);
    Form.ClearScreen();
    const TPixels p = Back();
    EXPECT_EQ(CountOtherOutside(p, FramedBoxes(), BackgroundColor), 0);
    for (const TRect& box : {Form.ScoreBox, Form.LinesBox, Form.TimeBox, Form.ScoresBox}) {
        ExpectPlainBox(p, box, TRect{});
        ExpectFrame(p, box);
    }
}

TEST_F(ClearScreen, PreviewSizeStaysInsideTheBuffer) {
    RunMode = ModePreview;
    Settings.ShowBkgr = true;
    Open(152, 112);
    Form.ClearScreen();
    const TPixels p = Back();
    ExpectFrame(p, Form.ScoreBox);
    EXPECT_EQ(Screen(), p);
}

TEST_F(ClearScreen, PlainBackgroundFillsTheWholeBuffer) {
    Settings.ShowInfo = false;
    Open(800, 600);
    FillBack(Rgb(9, 9, 9));
    Form.ClearScreen();
    EXPECT_EQ(CountOtherOutside(Back(), {WellFrame()}, BackgroundColor), 0);
    Settings.Palette = 2;
    Form.SetWindow(Form.Window);
    Form.ClearScreen();
    EXPECT_EQ(BackgroundColor, Rgb(0, 186, 155));
    EXPECT_EQ(CountOtherOutside(Back(), {WellFrame()}, BackgroundColor), 0);
}

TEST_F(ClearScreen, BadValuesAreDrawnByTheirRules) {
    Settings.Score1 = -5;
    Settings.Score2 = INT32_MIN;
    Settings.Score3 = INT32_MAX;
    Rowfall.Score = INT32_MIN;
    Rowfall.Lines = -1;
    Open(1024, 768);
    for (int32_t time : {0, 102, 103, 104, 105, -1, INT32_MIN, INT32_MAX}) {
        Settings.Time = time;
        Form.ClearScreen();
    }
    EXPECT_EQ(Settings.Score1, -5) << "a repaint leaves the list as it stands";
    EXPECT_EQ(Settings.Score3, INT32_MAX);
    const TPixels p = Back();
    EXPECT_GT(CountOther(p, {778, 218, 928, 250}, BackgroundColor), 30);
    ExpectPlainBox(p, Form.ScoreBox, {778, 218, 928, 250});
}

}  // namespace
