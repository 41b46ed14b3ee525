#include "settings/settings.h"

#include <utility>

TSettings Settings;

const char SettingsSection[] = "Korvex Rowfall Screen Saver";

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

void FoldScore(TSettings& s, int32_t score) {
    SortHiScores(s);
    if (score > s.Score3) s.Score3 = score;
    SortHiScores(s);
}
