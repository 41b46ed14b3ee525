#include "e2e/screen_input.h"

#include "engine/win/top_down_dib.h"

TScreenShot ReadScreen() {
    const int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return ReadScreen({left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       top + GetSystemMetrics(SM_CYVIRTUALSCREEN)});
}

TScreenShot ReadScreen(const RECT& area) {
    TScreenShot shot;
    HDC screen = GetDC(nullptr);
    shot.Left = area.left;
    shot.Top = area.top;
    shot.Width = area.right - area.left;
    shot.Height = area.bottom - area.top;
    const BITMAPINFO info = TopDownDib(shot.Width, shot.Height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.Width, shot.Height, screen, shot.Left, shot.Top, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<const uint32_t*>(bits);
    shot.Pixels.assign(pixels, pixels + size_t(shot.Width) * shot.Height);
    for (uint32_t& p : shot.Pixels) p &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return shot;
}

namespace {

BOOL CALLBACK KeepOtherMonitor(HMONITOR monitor, HDC, RECT* area, LPARAM found) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info) || (info.dwFlags & MONITORINFOF_PRIMARY)) return TRUE;
    *reinterpret_cast<RECT*>(found) = *area;
    return FALSE;
}

}  // namespace

RECT OtherMonitor() {
    RECT found = {};
    EnumDisplayMonitors(nullptr, nullptr, KeepOtherMonitor, reinterpret_cast<LPARAM>(&found));
    return found;
}

int32_t CountChanged(const TScreenShot& a, const TScreenShot& b, const RECT& area) {
    int32_t changed = 0;
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x)
            if (a.At(x, y) != b.At(x, y)) ++changed;
    return changed;
}

int32_t CountColors(const TScreenShot& shot, const RECT& area, int32_t enough) {
    std::vector<uint32_t> seen;
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x) {
            uint32_t p = shot.At(x, y);
            bool known = false;
            for (uint32_t s : seen) known = known || s == p;
            if (!known) seen.push_back(p);
            if (int32_t(seen.size()) > enough) return int32_t(seen.size());
        }
    return int32_t(seen.size());
}

void PostKey(HWND window, WORD virtualKey) {
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(window, WM_KEYDOWN, virtualKey, LPARAM(1 | (scan << 16)));
    PostMessageA(window, WM_KEYUP, virtualKey, LPARAM(1 | (scan << 16) | (3u << 30)));
}

void PostMouseMove(HWND window, int32_t x, int32_t y) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void PostButton(HWND window, UINT message) { PostMessageA(window, message, 0, MAKELPARAM(10, 10)); }

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}
