#include <vector>

#include "engine/win/top_down_dib.h"
#include "pacing/texture.h"
#include "pacing/win/form.h"
#include "settings/settings.h"

namespace {

// The texture as a top-down 32-bit DIB: one SetDIBits call instead of 128,000
// SetPixel calls, with the same colors (0x00RRGGBB here, 0x00BBGGRR in a TColor).
std::vector<uint32_t> TexturePixels() {
    std::vector<uint32_t> pixels(size_t(TextureWidth) * TextureHeight);
    for (int32_t y = 0; y < TextureHeight; ++y)
        for (int32_t x = 0; x < TextureWidth; ++x) {
            const TColor c = Ramp[HeightAt(x, y)];
            pixels[size_t(y) * TextureWidth + x] = RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c);
        }
    return pixels;
}

}  // namespace

bool TForm::MakeBackground() {
    if (!Settings.ShowBkgr) return false;
    Background = CreateCompatibleBitmap(WindowDC, TextureWidth, TextureHeight);
    if (!Background) return false;
    GenerateTexture(Settings.Palette);

    const BITMAPINFO info = TopDownDib(TextureWidth, TextureHeight);
    const std::vector<uint32_t> pixels = TexturePixels();
    if (SetDIBits(WindowDC, Background, 0, TextureHeight, pixels.data(), &info, DIB_RGB_COLORS) !=
        TextureHeight) {
        // An unpainted bitmap would be stretched over the screen as garbage.
        DeleteObject(Background);
        Background = nullptr;
        return false;
    }
    return true;
}
