// Renders the full-screen saver at 1024 x 768 (or the size given) with a game in
// progress and writes the back buffer as a 24-bit BMP: render_screen.exe out.bmp [W H]
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "pacing/win/saver_objects.h"
#include "screen_tool.h"
#include "settings/settings.h"

namespace {


// A few settled rows with gaps, as the autopilot leaves them mid-game.
void SettleSampleCells() {
    const char* rows[] = {"......##..", "#...####.#", "##.#######", "####.#####", "#########."};
    for (int i = 0; i < 5; ++i)
        for (int col = 0; col < GlassColumns; ++col)
            Rowfall.Cell(col, GlassRows - 5 + i) = rows[i][col] == '#';
    Rowfall.Score = 137;
    Rowfall.Lines = 42;
}

bool WriteBmp(const char* path, HDC source, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dib || !dc) {
        if (dc) DeleteDC(dc);
        if (dib) DeleteObject(dib);
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();

    const DWORD stride = (width * 3 + 3) & ~3u;
    const DWORD size = stride * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    info.bmiHeader.biSizeImage = size;

    FILE* out = std::fopen(path, "wb");
    bool written = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                   std::fwrite(bits, size, 1, out) == 1;
    if (out) written = std::fclose(out) == 0 && written;

    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(dib);
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: render_screen out.bmp [WIDTH HEIGHT]\n");
        return 2;
    }
    const int width = argc == 4 ? std::atoi(argv[2]) : 1024;
    const int height = argc == 4 ? std::atoi(argv[3]) : 768;
    PrepareSaverState();
    Settings.Time = TimeRun;
    StartTime = CalendarNow() - 3725;
    Settings.Score1 = 1520;
    Settings.Score2 = 980;
    Settings.Score3 = 345;
    SettleSampleCells();

    HWND window = CreateToolWindow(width, height);
    if (!window) return 1;
    Form.SetWindow(window);
    Form.ClearScreen();
    {
        TLockScope lock(GameLock);
        Rowfall.ShowFigure();
        Form.FlushEngineChanges();
    }
    const bool written = WriteBmp(argv[1], Form.BackDC, Form.Width, Form.Height);
    std::printf("%s %dx%d\n", written ? "wrote" : "could not write", Form.Width, Form.Height);
    return written ? 0 : 1;
}
