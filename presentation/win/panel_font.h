// The panel fonts: one rule for every text, sized to the layout's Scale.
#pragma once
#include <windows.h>

#include <cstdint>

#include "pacing/win/form.h"

// Sizes at a 1024-pixel-wide client.
constexpr double TitleFontSize = 45.0;
constexpr double NumberFontSize = 32.0;  // score, lines and clock
constexpr double SmallFontSize = 24.0;   // labels, address and high-score rows

int32_t FontHeight(double size, double scale);  // trunc(size x scale)

// Created at the form's scale and selected into its back buffer for one drawing step;
// deselected and deleted after it.
class TPanelFont {
public:
    TPanelFont(const TForm& form, double size, int weight, bool underline = false);
    ~TPanelFont();
    TPanelFont(const TPanelFont&) = delete;
    TPanelFont& operator=(const TPanelFont&) = delete;

private:
    HDC DC_;
    HFONT Font_;
    HGDIOBJ Previous_;
};
