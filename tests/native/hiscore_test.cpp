#include <gtest/gtest.h>

#include "settings/settings.h"

namespace {

TSettings WithScores(int32_t a, int32_t b, int32_t c) {
    TSettings s;
    s.Score1 = a;
    s.Score2 = b;
    s.Score3 = c;
    return s;
}

void ExpectScores(const TSettings& s, int32_t a, int32_t b, int32_t c) {
    EXPECT_EQ(s.Score1, a);
    EXPECT_EQ(s.Score2, b);
    EXPECT_EQ(s.Score3, c);
}

TEST(HiScores, SortingPutsTheListInDescendingOrder) {
    TSettings s = WithScores(300, 900, 500);
    SortHiScores(s);
    ExpectScores(s, 900, 500, 300);

    s = WithScores(500, 500, 700);
    SortHiScores(s);
    ExpectScores(s, 700, 500, 500);

    s = WithScores(-5, 0, -20);
    SortHiScores(s);
    ExpectScores(s, 0, -5, -20);
}

TEST(HiScores, FoldReplacesOnlyTheLastEntryAndOnlyWhenBeaten) {
    TSettings s = WithScores(900, 700, 300);
    FoldScore(s, 300);
    ExpectScores(s, 900, 700, 300);
    FoldScore(s, 301);
    ExpectScores(s, 900, 700, 301);
    FoldScore(s, 5000);  // greater than the first entry: still only the last moves
    ExpectScores(s, 900, 700, 5000);
}

TEST(HiScores, UnsortedListKeepsComparingWithItsLastEntry) {
    // Without a repaint nothing sorts: the second game meets the first one's score.
    TSettings s = WithScores(0, 0, 0);
    FoldScore(s, 200);
    FoldScore(s, 100);
    ExpectScores(s, 0, 0, 200);
}

}  // namespace
