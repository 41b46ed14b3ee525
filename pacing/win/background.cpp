#include "engine/win/top_down_dib.h"
#include "pacing/texture.h"
#include "pacing/win/form.h"
#include "settings/settings.h"

bool TForm::MakeBackground() {
    if (!Settings.ShowBkgr) return false;
    // Written straight into a DIB section: no copy of the pixels on the way.
    const BITMAPINFO info = TopDownDib(TextureWidth, TextureHeight);
    void* bits = nullptr;
    Background = CreateDIBSection(WindowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!Background) return false;
    GenerateTexture(Settings.Palette);
    auto* pixels = static_cast<uint32_t*>(bits);  // 0x00RRGGBB here, 0x00BBGGRR in a TColor
    for (int32_t y = 0; y < TextureHeight; ++y)
        for (int32_t x = 0; x < TextureWidth; ++x) {
            const TColor c = Ramp[HeightAt(x, y)];
            pixels[size_t(y) * TextureWidth + x] = RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c);
        }
    return true;
}
