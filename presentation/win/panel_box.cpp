#include "pacing/win/form.h"
#include "presentation/win/paint_area.h"
#include "settings/settings.h"

void TForm::DrawBox(const TRect& box, bool always) {
    if (!Settings.ShowInfo && !always) return;
    const int32_t l = box.left, t = box.top, r = box.right, b = box.bottom;
    const TRect grown{l - 2, t - 2, r + 2, b + 2};
    AddRect(grown);
    PaintArea(*this, grown, BackgroundColor, 0);
    // Sunk 2 pixels: dark above and left, light below and right.
    PaintArea(*this, {l - 4, t - 4, r + 4, t - 2}, ShadowColor, 0);
    PaintArea(*this, {l - 4, t - 4, l - 2, b + 4}, ShadowColor, 0);
    PaintArea(*this, {r + 2, t - 2, r + 4, b + 4}, HighlightColor, 0);
    PaintArea(*this, {l - 2, b + 2, r + 4, b + 4}, HighlightColor, 0);
}
