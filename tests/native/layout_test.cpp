#include <gtest/gtest.h>

#include "pacing/layout.h"

namespace {

struct TTable {
    double Scale;
    int32_t UnitA, UnitB, Cell;
    TRect Glass, Score, Lines, Time, Scores;
};

void ExpectLayout(const TRect& client, const TTable& t) {
    const TLayout l = ComputeLayout(client);
    EXPECT_EQ(l.Scale, t.Scale);
    EXPECT_EQ(l.UnitA, t.UnitA);
    EXPECT_EQ(l.UnitB, t.UnitB);
    EXPECT_EQ(l.CellSize, t.Cell);
    EXPECT_EQ(l.GlassRect, t.Glass);
    EXPECT_EQ(l.ScoreBox, t.Score);
    EXPECT_EQ(l.LinesBox, t.Lines);
    EXPECT_EQ(l.TimeBox, t.Time);
    EXPECT_EQ(l.ScoresBox, t.Scores);
}

bool Inside(const TRect& r, int32_t width, int32_t height) {
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
}

TEST(Layout, FullScreenAt1024x768) {
    ExpectLayout({0, 0, 1024, 768}, {1.0, 50, 30, 34, {342, 38, 682, 718}, {778, 209, 928, 259},
                                     {778, 359, 928, 409}, {778, 509, 928, 559}, {71, 339, 271, 429}});
}

TEST(Layout, FullScreenAt800x600HasAShorterLinesBox) {
    ExpectLayout({0, 0, 800, 600}, {0.78125, 39, 23, 27, {265, 30, 535, 570}, {608, 164, 725, 203},
                                    {608, 281, 725, 319}, {608, 398, 725, 437}, {53, 266, 210, 334}});
    const TLayout l = ComputeLayout({0, 0, 800, 600});
    EXPECT_EQ(l.LinesBox.bottom - l.LinesBox.top, l.UnitA - 1);
}

TEST(Layout, PreviewAt152x112) {
    ExpectLayout({0, 0, 152, 112}, {0.1484375, 7, 4, 5, {51, 5, 101, 105}, {114, 32, 137, 39},
                                    {114, 53, 137, 59}, {114, 74, 137, 81}, {10, 50, 39, 62}});
}

// A client not at the origin shifts everything with it.
TEST(Layout, OffsetClientMovesTheGeometry) {
    ExpectLayout({100, 50, 1124, 818}, {1.0, 50, 30, 34, {442, 88, 782, 768}, {878, 259, 1028, 309},
                                        {878, 409, 1028, 459}, {878, 559, 1028, 609},
                                        {171, 389, 371, 479}});
}

// Sizes without a written table: the well and the boxes still fit and scale.
TEST(Layout, OtherSizesKeepEverythingInsideTheClient) {
    const struct {
        int32_t width, height, unitA, unitB;
    } sizes[] = {{1920, 1080, 93, 56}, {3840, 2160, 187, 112}, {21, 21, 1, 0}, {1280, 1024, 62, 37}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
        const TLayout l = ComputeLayout({0, 0, s.width, s.height});
        EXPECT_EQ(l.UnitA, s.unitA);
        EXPECT_EQ(l.UnitB, s.unitB);
        EXPECT_GE(l.CellSize, 1);
        EXPECT_TRUE(Inside(l.GlassRect, s.width, s.height));
        EXPECT_EQ(l.GlassRect.right - l.GlassRect.left, 10 * l.CellSize);
        EXPECT_EQ(l.GlassRect.bottom - l.GlassRect.top, 20 * l.CellSize);
        // Centred across the width, within one pixel.
        EXPECT_LE(l.GlassRect.left + l.GlassRect.right - s.width, 0);
        EXPECT_GE(l.GlassRect.left + l.GlassRect.right - s.width, -1);
        EXPECT_GE(l.ScoreBox.left, l.GlassRect.right);
        EXPECT_LE(l.ScoresBox.right, l.GlassRect.left);
        if (s.width >= 800) {
            for (const TRect& box : {l.ScoreBox, l.LinesBox, l.TimeBox, l.ScoresBox})
                EXPECT_TRUE(Inside(box, s.width, s.height));
        }
    }
}

TEST(Layout, ExactProductsWithScale) {
    // 75 x 1920 / 1024 = 140.625: both box edges truncate the exact sum.
    const TLayout l = ComputeLayout({0, 0, 1920, 1080});
    const int32_t rightCentre = (1920 + l.GlassRect.right) / 2;
    EXPECT_EQ(l.ScoreBox.left, rightCentre - 141);
    EXPECT_EQ(l.ScoreBox.right, rightCentre + 140);
    EXPECT_EQ(l.Scale, 1.875);
}

TEST(Layout, DegenerateClientsGiveEmptyButSaneGeometry) {
    const TRect clients[] = {{0, 0, 0, 0}, {0, 0, 1, 1}, {0, 0, 5, 3}, {0, 0, 1024, 0}, {0, 0, 0, 768}};
    for (const TRect& c : clients) {
        SCOPED_TRACE(testing::Message() << c.right << "x" << c.bottom);
        const TLayout l = ComputeLayout(c);
        EXPECT_GE(l.CellSize, 0);
        EXPECT_GE(l.UnitA, 0);
        EXPECT_GE(l.UnitB, 0);
        EXPECT_LE(l.GlassRect.left, l.GlassRect.right);
        EXPECT_LE(l.GlassRect.top, l.GlassRect.bottom);
    }
    EXPECT_EQ(ComputeLayout({0, 0, 0, 0}).CellSize, 0);
    EXPECT_EQ(ComputeLayout({0, 0, 0, 768}).CellSize, 34);
    EXPECT_EQ(ComputeLayout({0, 0, 0, 768}).Scale, 0.0);
}

// Where today's layout shows everything it stays the client's own, to the last pixel
// of width or height; one pixel more (or less) and the game is laid out in the largest
// centred 2:1 (or 3:4) stage instead, by the same rules.
TEST(Layout, PastTheLastClientThatShowsEverythingTheGameMovesIntoAStage) {
    EXPECT_EQ(ComputeLayout({0, 0, 1774, 768}).Stage, (TRect{0, 0, 1774, 768}));
    EXPECT_EQ(ComputeLayout({0, 0, 1775, 768}).Stage, (TRect{119, 0, 1655, 768}));
    EXPECT_EQ(ComputeLayout({0, 0, 556, 768}).Stage, (TRect{0, 0, 556, 768}));
    EXPECT_EQ(ComputeLayout({0, 0, 555, 768}).Stage, (TRect{0, 14, 555, 754}));

    const TLayout staged = ComputeLayout({0, 0, 1775, 768});
    const TLayout alone = ComputeLayout({0, 0, 1536, 768});
    EXPECT_EQ(staged.GlassRect.left - 119, alone.GlassRect.left);
    EXPECT_EQ(staged.ScoreBox.left - 119, alone.ScoreBox.left);
    EXPECT_EQ(staged.UnitA, alone.UnitA);
    EXPECT_EQ(staged.CellSize, alone.CellSize);
}

// Ultrawide, super-ultrawide and portrait monitors: everything inside the screen.
TEST(Layout, WideAndTallMonitorsShowEverything) {
    const struct {
        int32_t width, height;
        TRect stage;
    } shapes[] = {{3440, 1440, {280, 0, 3160, 1440}}, {2560, 1080, {200, 0, 2360, 1080}},
                  {5120, 1440, {1120, 0, 4000, 1440}}, {3840, 1080, {840, 0, 3000, 1080}},
                  {1080, 1920, {0, 240, 1080, 1680}}, {1440, 2560, {0, 320, 1440, 2240}}};
    for (const auto& s : shapes) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
        const TRect client{0, 0, s.width, s.height};
        const TLayout l = ComputeLayout(client);
        EXPECT_EQ(l.Stage, s.stage);
        EXPECT_TRUE(ShowsEverything(l, client));
    }
}

}  // namespace
