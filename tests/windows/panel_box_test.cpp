#include "screen_fixture.h"

namespace {

constexpr TColor Marker = Rgb(1, 2, 3);

// What one pixel around the score box must be after DrawBox at 1024 x 768.
TColor ExpectedAroundScoreBox(int x, int y) {
    if (Contains({776, 207, 930, 261}, x, y)) return BackgroundColor;
    if (Contains({774, 205, 932, 207}, x, y) || Contains({774, 205, 776, 263}, x, y))
        return ShadowColor;
    if (Contains({930, 207, 932, 263}, x, y) || Contains({776, 261, 932, 263}, x, y))
        return HighlightColor;
    return Marker;
}

class PanelBox : public TScreenTest {};

TEST_F(PanelBox, FillsTheGrownBoxAndPaintsFourBands) {
    Open(1024, 768);
    FillBack(Marker);
    Form.Dirty = TRect{};
    Form.DrawBox(Form.ScoreBox);
    EXPECT_EQ(Form.Dirty, (TRect{776, 207, 930, 261}));

    const TPixels p = Capture(Form.BackDC, {764, 195, 942, 273});
    int wrong = 0;
    for (int y = 195; y < 273; ++y)
        for (int x = 764; x < 942; ++x) wrong += p.At(x, y) != ExpectedAroundScoreBox(x, y);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(p.At(774, 205), ShadowColor);
    EXPECT_EQ(p.At(931, 262), HighlightColor);
    EXPECT_EQ(p.At(775, 262), ShadowColor);  // bottom-left corner square is dark
    EXPECT_EQ(p.At(931, 205), ShadowColor);  // top-right corner square is dark
}

TEST_F(PanelBox, ShowInfoOffDrawsOnlyTheWellFrame) {
    Open(1024, 768);
    FillBack(Marker);
    Settings.ShowInfo = false;
    Form.Dirty = {1, 1, 2, 2};
    Form.DrawBox(Form.ScoreBox);
    EXPECT_EQ(Form.Dirty, (TRect{1, 1, 2, 2}));
    EXPECT_EQ(CountOther(Back(), All(), Marker), 0);

    Form.DrawBox(Form.ScoreBox, true);
    EXPECT_EQ(Form.Dirty, (TRect{1, 1, 930, 261}));
    EXPECT_EQ(Capture(Form.BackDC, {776, 207, 930, 261}).At(800, 230), BackgroundColor);
}

TEST_F(PanelBox, DegenerateBoxesStayInsideTheBuffer) {
    Open(64, 48);
    for (const TRect& box : {TRect{}, TRect{-100, -100, -50, -50}, TRect{60, 40, 10, 10},
                             TRect{INT32_MIN / 2, 0, INT32_MAX / 2, 48}}) {
        Form.Dirty = TRect{};
        Form.DrawBox(box);
        EXPECT_EQ(Form.Dirty, Unite(TRect{}, Grown(box, 2)));
    }
    EXPECT_EQ(Back().Width, 64);
}

}  // namespace
