#include "engine/trace.h"
#include "engine/win/lock_scope.h"
#include "host/win/host_state.h"
#include "pacing/win/game.h"
#include "presentation/clock_text.h"
#include "presentation/win/band_text.h"
#include "settings/settings.h"

void TForm::ShowTime() {
    if (!Settings.ShowInfo) return;
    try {
        TLockScope lock(Game.Lock);
        if (!lock.Owned()) return;
        FormatClock(TextBuffer, sizeof TextBuffer, Settings.Time, CalendarNow(), StartTime,
                    Game.Engine.GameStart);
        DrawBox(TimeBox);
        if (RunMode == ModeSaver) DrawBandText(*this, TimeBox);
    } catch (...) {
        Trace("TForm::ShowTime()");
    }
}
