#include <cstdio>

#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "pacing/win/form.h"
#include "presentation/win/panel_font.h"
#include "settings/settings.h"

void TForm::ShowHiScores() {
    if (!Settings.ShowInfo) return;
    DrawBox(ScoresBox);
    int32_t scores[3];
    {
        // The list is every game's: the primary game's lock guards it (and is held
        // already when this is the primary game's screen).
        TLockScope list(GameLock);
        scores[0] = Settings.Score1;
        scores[1] = Settings.Score2;
        scores[2] = Settings.Score3;
    }
    SetTextColor(BackDC, TextColor);
    SetBkColor(BackDC, BackgroundColor);
    SetBkMode(BackDC, TRANSPARENT);
    if (RunMode != ModeSaver) return;

    TPanelFont font(*this, SmallFontSize, FW_NORMAL);
    for (int32_t i = 0; i < 3; ++i) {
        const int length = std::snprintf(TextBuffer, sizeof TextBuffer, " %d. %d",
                                         static_cast<int>(i + 1), static_cast<int>(scores[i]));
        TextOutA(BackDC, ScoresBox.left, ScoresBox.top + i * UnitB, TextBuffer, length);
    }
    AddRect(ScoresBox);
}
