#include "screen_fixture.h"

namespace {

class HiScores : public TScreenTest {
protected:
    void SetScores(int32_t a, int32_t b, int32_t c) {
        Settings.Score1 = a;
        Settings.Score2 = b;
        Settings.Score3 = c;
    }
    void ExpectScores(int32_t a, int32_t b, int32_t c) {
        EXPECT_EQ(Settings.Score1, a);
        EXPECT_EQ(Settings.Score2, b);
        EXPECT_EQ(Settings.Score3, c);
    }
    TPixels RepaintedList(int32_t a, int32_t b, int32_t c) {
        SetScores(a, b, c);
        Form.ClearScreen();
        return Capture(Form.BackDC, Form.ScoresBox);
    }
};

TEST_F(HiScores, RepaintShowsTheListAsItStands) {
    Open(1024, 768);
    const TPixels shown = RepaintedList(900, 500, 300);
    ExpectScores(900, 500, 300);
    EXPECT_FALSE(shown == RepaintedList(900, 500, 301));
    EXPECT_FALSE(shown == RepaintedList(300, 500, 900)) << "the repaint sorts: only folds may";
}

TEST_F(HiScores, RowsStartUnitBApart) {
    Open(1024, 768);
    const TPixels p = RepaintedList(900, 500, 300);
    for (int row = 0; row < 3; ++row) {
        const int top = 339 + row * 30;
        EXPECT_GT(CountOther(p, {71, top, 271, top + 24}, BackgroundColor), 20) << row;
        EXPECT_EQ(CountOther(p, {71, top + 24, 271, top + 30}, BackgroundColor), 0) << row;
    }
    // A leading blank keeps the first column of every row clear.
    EXPECT_EQ(CountOther(p, {71, 339, 75, 429}, BackgroundColor), 0);
}

TEST_F(HiScores, PreviewDrawsNothing) {
    RunMode = ModePreview;
    Open(1024, 768);
    const TPixels p = RepaintedList(3, 2, 1);
    EXPECT_EQ(CountOther(p, Form.ScoresBox, BackgroundColor), 0);
}

// With the panel off nothing draws the list, and no score is lost for it.
TEST_F(HiScores, ShowInfoOffDrawsNothingAndLosesNoScore) {
    Settings.ShowInfo = false;
    Open(1024, 768);
    SetScores(0, 0, 0);
    FoldScore(Settings, 200);
    Form.ClearScreen();
    FoldScore(Settings, 100);
    Form.ClearScreen();
    ExpectScores(200, 100, 0);
    EXPECT_EQ(CountOther(Capture(Form.BackDC, Form.ScoresBox), Form.ScoresBox, BackgroundColor), 0);
}

TEST_F(HiScores, NegativeScoresAreShownWithTheirSign) {
    Open(1024, 768);
    const TPixels negative = RepaintedList(-5, -20, -900);
    EXPECT_FALSE(negative == RepaintedList(5, -20, -900));
}

}  // namespace
