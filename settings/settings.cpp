#include "settings/settings.h"

#include <utility>

TSettings Settings;

void FoldScore(TSettings& s, int32_t score) {
    if (score > s.Score3) s.Score3 = score;
}

namespace {
void OrderPair(int32_t& earlier, int32_t& later) {
    if (later > earlier) std::swap(earlier, later);
}
}  // namespace

void SortHiScores(TSettings& s) {
    OrderPair(s.Score1, s.Score2);
    OrderPair(s.Score2, s.Score3);
    OrderPair(s.Score1, s.Score2);
}

void FoldScoreSorted(TSettings& s, int32_t score) {
    SortHiScores(s);
    FoldScore(s, score);
    SortHiScores(s);
}
