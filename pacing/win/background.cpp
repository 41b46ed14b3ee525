#include "pacing/texture.h"
#include "pacing/win/form.h"
#include "settings/settings.h"

bool TForm::MakeBackground() {
    if (!Settings.ShowBkgr) return false;
    Background = CreateCompatibleBitmap(WindowDC, TextureWidth, TextureHeight);
    if (!Background) return false;
    GenerateTexture(Settings.Palette);

    HDC dc = CreateCompatibleDC(WindowDC);
    if (!dc) {
        // An unpainted bitmap would be stretched over the screen as garbage.
        DeleteObject(Background);
        Background = nullptr;
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, Background);
    for (int32_t x = 0; x < TextureWidth; ++x)
        for (int32_t y = 0; y < TextureHeight; ++y) SetPixel(dc, x, y, Ramp[HeightAt(x, y)]);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return true;
}
