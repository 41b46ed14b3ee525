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

TEST(HiScores, FoldEntersOnlyABeatingScoreAndKeepsTheOrder) {
    TSettings s = WithScores(900, 700, 300);
    FoldScore(s, 300);
    ExpectScores(s, 900, 700, 300);
    FoldScore(s, 301);
    ExpectScores(s, 900, 700, 301);
    FoldScore(s, 5000);  // greater than the first entry: it goes first, the last one drops
    ExpectScores(s, 5000, 900, 700);
}

TEST(HiScores, NoFoldLosesAScoreThatBeatsTwoEntries) {
    // Nothing but the fold orders the list (the panel may be off): the second game's
    // 100 beats two entries and must not meet the first one's 200 in the last place.
    TSettings s = WithScores(0, 0, 0);
    FoldScore(s, 200);
    FoldScore(s, 100);
    ExpectScores(s, 200, 100, 0);
    // A list read unsorted is put in order at its first fold.
    s = WithScores(10, 30, 20);
    FoldScore(s, 15);
    ExpectScores(s, 30, 20, 15);
}

}  // namespace
