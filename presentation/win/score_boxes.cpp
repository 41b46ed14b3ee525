#include <cstdio>

#include "host/win/host_state.h"
#include "pacing/win/game.h"
#include "presentation/win/band_text.h"
#include "settings/settings.h"

void TForm::ShowScore() {
    if (!Settings.ShowInfo) return;
    ShowNumber(Game.Engine.Score, ScoreBox);
    ShowNumber(Game.Engine.Lines, LinesBox);
}

void TForm::ShowNumber(int32_t value, const TRect& box) {
    if (!Settings.ShowInfo) return;
    DrawBox(box);
    if (RunMode != ModeSaver) return;
    std::snprintf(TextBuffer, sizeof TextBuffer, "%d", static_cast<int>(value));
    DrawBandText(*this, box);
}
