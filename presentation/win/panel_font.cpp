#include "presentation/win/panel_font.h"


namespace {
constexpr BYTE ModernFixedPitch = FIXED_PITCH | FF_MODERN;  // 49
}

int32_t FontHeight(double size, double scale) { return static_cast<int32_t>(size * scale); }

TPanelFont::TPanelFont(const TForm& form, double size, int weight, bool underline)
    : DC_(form.BackDC) {
    const int32_t height = FontHeight(size, form.Scale);
    Font_ = CreateFontA(height, height / 2, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, ModernFixedPitch,
                        "Arial");
    Previous_ = SelectObject(DC_, Font_);
}

TPanelFont::~TPanelFont() {
    SelectObject(DC_, Previous_);
    if (Font_) DeleteObject(Font_);
}
