// A real popup window of a chosen client size with the screen object attached,
// and pixel reads from its back buffer or its window.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "engine/palette.h"
#include "bench/win/screen_tool.h"
#include "engine/rect.h"
#include "engine/win/lock_scope.h"
#include "host/win/host_state.h"
#include "pacing/win/saver_objects.h"
#include "settings/settings.h"
#include "shared_locks.h"
#include "memory_surface.h"

// One copy of an area of a device context, readable pixel by pixel.
struct TPixels {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Colors;

    TColor At(int x, int y) const { return Colors[(y - Top) * Width + (x - Left)]; }
    bool operator==(const TPixels& other) const { return Colors == other.Colors; }
};

inline TPixels Capture(HDC dc, const TRect& area) {
    TPixels p{area.left, area.top, area.right - area.left, area.bottom - area.top, {}};
    TMemorySurface surface(p.Width, p.Height);
    BitBlt(surface.DC, 0, 0, p.Width, p.Height, dc, area.left, area.top, SRCCOPY);
    for (uint32_t raw : surface.Snapshot())
        p.Colors.push_back(Rgb((raw >> 16) & 0xFF, (raw >> 8) & 0xFF, raw & 0xFF));
    return p;
}

inline bool Contains(const TRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

inline TRect Grown(const TRect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// Pixels of the area that are not the given color.
inline int CountOther(const TPixels& p, const TRect& area, TColor color) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += p.At(x, y) != color;
    return count;
}

// Pixels of the whole capture, outside every allowed area, that are not the color.
inline int CountOtherOutside(const TPixels& p, const std::vector<TRect>& allowed, TColor color) {
    int count = 0;
    for (int y = p.Top; y < p.Top + p.Height; ++y) {
        for (int x = p.Left; x < p.Left + p.Width; ++x) {
            bool inside = false;
            for (const TRect& r : allowed) inside = inside || Contains(r, x, y);
            count += !inside && p.At(x, y) != color;
        }
    }
    return count;
}

// A game's well, read under its lock; played once any cell is taken.
inline std::vector<int32_t> WellOf(TGame& game) {
    TLockScope lock(game.Lock);
    return std::vector<int32_t>(std::begin(game.Engine.Glass), std::end(game.Engine.Glass));
}

inline bool Played(const std::vector<int32_t>& well) {
    for (int32_t cell : well)
        if (cell) return true;
    return false;
}

class TScreenTest : public testing::Test {
protected:
    void SetUp() override {
        SavedSettings_ = Settings;
        SavedRunMode_ = RunMode;
        SavedRowfall_ = Rowfall;
        RunMode = ModeSaver;
        Settings.Palette = 0;
        Settings.ShowBkgr = false;
        Settings.ShowInfo = true;
        Rowfall.ClearGlass();
    }

    void TearDown() override {
        Form.SetWindow(nullptr);
        Rowfall = SavedRowfall_;
        Rowfall.Device = nullptr;
        CellDevice.Attach(nullptr, nullptr);
        Settings = SavedSettings_;
        RunMode = SavedRunMode_;
    }

    // One window per size for the whole run: without a window manager, Wine waits
    // two seconds for every unmapped window.
    static HWND WindowOfSize(int width, int height) {
        static std::vector<HWND> windows;
        for (HWND window : windows) {
            RECT r{};
            GetClientRect(window, &r);
            if (r.right == width && r.bottom == height) {
                SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                return window;
            }
        }
        HWND window = CreateToolWindow(width, height);
        if (window) windows.push_back(window);
        return window;
    }

    // A window of that client size with the screen object attached to it.
    void Open(int width, int height) {
        HWND window = WindowOfSize(width, height);
        ASSERT_NE(window, nullptr);
        Form.SetWindow(window);
        ASSERT_EQ(Form.Width, width);
        ASSERT_EQ(Form.Height, height);
    }

    TRect All() const { return {0, 0, Form.Width, Form.Height}; }
    TPixels Back() const { return Capture(Form.BackDC, All()); }
    TPixels Screen() const { return Capture(Form.WindowDC, All()); }

    void FillBack(TColor color) {
        HBRUSH brush = CreateSolidBrush(color);
        RECT r = {0, 0, Form.Width, Form.Height};
        FillRect(Form.BackDC, &r, brush);
        DeleteObject(brush);
    }

    TSharedLocks Locks_;

private:
    TSettings SavedSettings_;
    uint8_t SavedRunMode_ = ModeNone;
    TRowfall SavedRowfall_;
};
