// A number or the clock, centred in a band of the number font's height across a box.
#pragma once
#include "engine/rect.h"
#include "pacing/win/form.h"

// Draws the form's TextBuffer and adds the band to the form's dirty area.
void DrawBandText(TForm& form, const TRect& box);
