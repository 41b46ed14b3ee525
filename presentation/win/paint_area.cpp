#include "presentation/win/paint_area.h"

void PaintArea(TForm& form, const TRect& area, TColor color, int penWidth) {
    form.PaintPen = CreatePen(PS_SOLID, penWidth, color);
    form.PaintBrush = CreateSolidBrush(color);
    HGDIOBJ previousPen = SelectObject(form.BackDC, form.PaintPen);
    HGDIOBJ previousBrush = SelectObject(form.BackDC, form.PaintBrush);
    Rectangle(form.BackDC, area.left, area.top, area.right, area.bottom);
    SelectObject(form.BackDC, previousBrush);
    DeleteObject(form.PaintBrush);
    SelectObject(form.BackDC, previousPen);
    DeleteObject(form.PaintPen);
}

RECT ToRECT(const TRect& r) { return {r.left, r.top, r.right, r.bottom}; }
