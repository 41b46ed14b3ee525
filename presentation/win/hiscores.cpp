#include <cstdio>

#include "host/win/host_state.h"
#include "pacing/layout.h"
#include "pacing/win/form.h"
#include "presentation/text_buffer.h"
#include "presentation/win/panel_font.h"
#include "settings/settings.h"

void TForm::ShowHiScores() {
    if (!Settings.ShowInfo) return;
    DrawBox(ScoresBox);
    SortHiScores(Settings);
    SetTextColor(BackDC, TextColor);
    SetBkColor(BackDC, BackgroundColor);
    SetBkMode(BackDC, TRANSPARENT);
    if (RunMode != ModeSaver) return;

    TPanelFont font(BackDC, SmallFontSize, FW_NORMAL);
    const int32_t scores[3] = {Settings.Score1, Settings.Score2, Settings.Score3};
    for (int32_t i = 0; i < 3; ++i) {
        const int length = std::snprintf(TextBuffer, sizeof TextBuffer, " %d. %d",
                                         static_cast<int>(i + 1), static_cast<int>(scores[i]));
        TextOutA(BackDC, ScoresBox.left, ScoresBox.top + i * UnitB, TextBuffer, length);
    }
    AddRect(ScoresBox);
}
