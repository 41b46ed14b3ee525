// The yardstick for the saver's start-up: a bare full-screen Win32 window, topmost
// like the saver's, that paints one picture of many colors once and then waits to be
// ended (any key or click, or bench/win/first_frame.cpp ending the process).
#include <windows.h>

#include <cstdint>
#include <vector>

#include "engine/win/top_down_dib.h"

namespace {

void PaintOnce(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[size_t(y) * width + x] = uint32_t(x * 7 ^ y * 13) & 0xFFFFFF;
    const BITMAPINFO info = TopDownDib(width, height);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: PaintOnce(window); return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA bareClass = {};
    bareClass.lpfnWndProc = BareProc;
    bareClass.hInstance = instance;
    bareClass.lpszClassName = "Rowfall Bare Window";
    if (!RegisterClassA(&bareClass)) return 1;
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    CreateWindowExA(WS_EX_TOPMOST, bareClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                    desktop.right, desktop.bottom, nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
