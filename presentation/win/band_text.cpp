#include "presentation/win/band_text.h"

#include "presentation/win/paint_area.h"
#include "presentation/win/panel_font.h"

void DrawBandText(TForm& form, const TRect& box) {
    SetTextColor(form.BackDC, TextColor);
    SetBkColor(form.BackDC, BackgroundColor);
    SetBkMode(form.BackDC, TRANSPARENT);
    TPanelFont font(form, NumberFontSize, FW_NORMAL);
    const int32_t h = FontHeight(NumberFontSize, form.Scale);
    TRect band = box;
    band.top = (box.top + box.bottom) / 2 - h / 2;
    band.bottom = band.top + h;
    RECT r = ToRECT(band);
    // No single-line flag: centred across, starting at the band's top.
    DrawTextA(form.BackDC, form.TextBuffer, -1, &r, DT_CENTER | DT_VCENTER);
    form.AddRect(band);
}
