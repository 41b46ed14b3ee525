// The one pixel layout every DIB here uses: 32 bits, top row first, 0x00RRGGBB.
#pragma once
#include <windows.h>

#include <cstdint>

inline BITMAPINFO TopDownDib(int32_t width, int32_t height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
