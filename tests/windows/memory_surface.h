// A memory device context over a 32-bit top-down DIB section whose pixels the
// tests read straight from memory.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "engine/palette.h"
#include "engine/win/top_down_dib.h"

class TMemorySurface {
public:
    TMemorySurface(int width, int height) : Width(width), Height(height) {
        const BITMAPINFO info = TopDownDib(width, height);
        void* bits = nullptr;
        Bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        Bits_ = static_cast<uint32_t*>(bits);
        DC = CreateCompatibleDC(nullptr);
        OldBitmap_ = SelectObject(DC, Bitmap_);
    }
    ~TMemorySurface() {
        SelectObject(DC, OldBitmap_);
        DeleteDC(DC);
        DeleteObject(Bitmap_);
    }
    TMemorySurface(const TMemorySurface&) = delete;
    TMemorySurface& operator=(const TMemorySurface&) = delete;

    bool Valid() const { return DC && Bitmap_ && Bits_; }
    HBITMAP Bitmap() const { return Bitmap_; }

    void Fill(TColor color) {
        GdiFlush();
        const uint32_t raw = (RedOf(color) << 16) | (GreenOf(color) << 8) | BlueOf(color);
        for (int i = 0; i < Width * Height; ++i) Bits_[i] = raw;
    }

    TColor Pixel(int x, int y) const {
        GdiFlush();
        const uint32_t raw = Bits_[y * Width + x];
        return Rgb((raw >> 16) & 0xFF, (raw >> 8) & 0xFF, raw & 0xFF);
    }

    std::vector<uint32_t> Snapshot() const {
        GdiFlush();
        return std::vector<uint32_t>(Bits_, Bits_ + Width * Height);
    }

    const int Width;
    const int Height;
    HDC DC = nullptr;

private:
    HBITMAP Bitmap_ = nullptr;
    uint32_t* Bits_ = nullptr;
    HGDIOBJ OldBitmap_ = nullptr;
};
