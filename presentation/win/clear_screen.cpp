#include "engine/trace.h"
#include "engine/win/lock_scope.h"
#include "host/win/host_state.h"
#include "pacing/texture.h"
#include "pacing/win/game.h"
#include "presentation/win/paint_area.h"
#include "presentation/win/panel_font.h"
#include "settings/settings.h"

namespace {

const char WebAddress[] = "www.korvex.example";

// The texture stretched over the whole buffer, or the plain color without one.
void PaintBackground(TForm& form) {
    const TRect all{0, 0, form.Width, form.Height};
    HDC texture = form.Background ? CreateCompatibleDC(form.WindowDC) : nullptr;
    if (texture) {
        HGDIOBJ previous = SelectObject(texture, form.Background);
        StretchBlt(form.BackDC, 0, 0, form.Width, form.Height, texture, 0, 0, TextureWidth,
                   TextureHeight, SRCCOPY);
        SelectObject(texture, previous);
        DeleteDC(texture);
    } else {
        PaintArea(form, all, BackgroundColor, 1);
    }
    form.AddRect(all);
}

void DrawCentred(HDC dc, const char* text, const TRect& area) {
    RECT r = ToRECT(area);
    DrawTextA(dc, text, -1, &r, DT_CENTER);
}

void DrawLabel(const TForm& form, const char* text, const TRect& box) {
    TextOutA(form.BackDC, box.left, box.top - form.UnitA / 2, text, lstrlenA(text));
}

// Title, address and box labels: full-screen only, and only with ShowInfo.
void DrawPanelTexts(TForm& form) {
    HDC dc = form.BackDC;
    const int32_t l = form.Stage.left;  // the title column runs from the stage's edge to the well
    const int32_t glassLeft = form.GlassRect.left;
    const int32_t top = form.ScoresBox.top;
    const int32_t bottom = form.ScoresBox.bottom;
    const int32_t unit = form.UnitB;
    SetBkMode(dc, TRANSPARENT);
    {
        TPanelFont font(form, SmallFontSize, FW_NORMAL, true);
        SetTextColor(dc, InfoColor);
        DrawCentred(dc, WebAddress, {l, bottom + unit, glassLeft, bottom + 2 * unit});
    }
    SetTextColor(dc, TitleColor);
    {
        TPanelFont font(form, TitleFontSize, FW_BOLD);
        DrawCentred(dc, "Korvex", {l, top - 6 * unit, glassLeft, top - 4 * unit});
        DrawCentred(dc, "Rowfall", {l, top - 4 * unit, glassLeft, top - 2 * unit});
        DrawCentred(dc, "Cup", {l, top - 2 * unit, glassLeft, top});
    }
    TPanelFont font(form, SmallFontSize, FW_NORMAL);
    DrawLabel(form, "Score:", form.ScoreBox);
    DrawLabel(form, "Lines:", form.LinesBox);
    DrawLabel(form, "Time:", form.TimeBox);
}

}  // namespace

void TForm::ClearScreen() {
    try {
        TLockScope lock(Game.Lock);
        if (!lock.Owned()) return;
        Dirty = TRect{};
        if (!BackDC || !WindowDC) return;

        PaintBackground(*this);
        if (RunMode == ModeSaver && Settings.ShowInfo) DrawPanelTexts(*this);
        ShowHiScores();
        DrawBox({GlassRect.left, GlassRect.top, GlassRect.right + 1, GlassRect.bottom + 1}, true);
        ShowScore();
        ShowTime();
        Game.Engine.ShowGlass();
        Painted = true;
        FlushEngineChanges();
    } catch (...) {
        Trace("TRowfall::ClearScreen");
    }
}
