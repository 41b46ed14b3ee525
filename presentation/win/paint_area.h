// The one way the panel fills an area: Rectangle with pen and brush of one color,
// which covers the pixels left..right-1 and top..bottom-1.
#pragma once
#include "engine/palette.h"
#include "engine/rect.h"
#include "pacing/win/form.h"

// The pen and brush live in the form's scratch fields for this one fill only.
void PaintArea(TForm& form, const TRect& area, TColor color, int penWidth);

RECT ToRECT(const TRect& r);
