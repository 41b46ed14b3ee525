#include "presentation/win/panel_font.h"

#include "pacing/layout.h"

namespace {
constexpr BYTE ModernFixedPitch = FIXED_PITCH | FF_MODERN;  // 49
}

int32_t FontHeight(double size) { return static_cast<int32_t>(size * Scale); }

TPanelFont::TPanelFont(HDC dc, double size, int weight, bool underline) : DC_(dc) {
    const int32_t height = FontHeight(size);
    Font_ = CreateFontA(height, height / 2, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, ModernFixedPitch,
                        "Arial");
    Previous_ = SelectObject(DC_, Font_);
}

TPanelFont::~TPanelFont() {
    SelectObject(DC_, Previous_);
    if (Font_) DeleteObject(Font_);
}
