// Times attaching the screen (texture included) and one full repaint at three
// client sizes, and prints the back buffer's memory. Needs a desktop of 3840 x 2160.
#include <cstdio>

#include "pacing/win/saver_objects.h"
#include "screen_tool.h"
#include "settings/settings.h"

namespace {

constexpr int Repetitions = 5;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

template <typename TStep>
double BestOf(TStep step) {
    double best = 1e300;
    for (int i = 0; i < Repetitions; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        step();
        QueryPerformanceCounter(&end);
        const double ms = Milliseconds(start, end);
        if (ms < best) best = ms;
    }
    return best;
}

void Measure(int width, int height) {
    HWND window = CreateToolWindow(width, height);
    if (!window) {
        std::printf("%dx%d: no window\n", width, height);
        return;
    }
    Settings.ShowBkgr = true;
    const double attach = BestOf([&] { Form.SetWindow(window); });
    const double repaint = BestOf([] { Form.ClearScreen(); });
    Settings.ShowBkgr = false;
    const double attachPlain = BestOf([&] { Form.SetWindow(window); });
    const double repaintPlain = BestOf([] { Form.ClearScreen(); });

    BITMAP back = {};
    GetObjectA(Form.BackBitmap, sizeof back, &back);
    const double megabytes = static_cast<double>(back.bmWidth) * back.bmHeight * back.bmBitsPixel / 8 /
                             (1024.0 * 1024.0);
    std::printf("%4dx%-4d  SetWindow %7.2f ms (no texture %6.2f)  ClearScreen %7.2f ms"
                " (plain %6.2f)  back buffer %dx%d x %d bpp = %.2f MiB\n",
                Form.Width, Form.Height, attach, attachPlain, repaint, repaintPlain, int{back.bmWidth},
                int{back.bmHeight}, int{back.bmBitsPixel}, megabytes);
    Form.SetWindow(nullptr);
}

}  // namespace

int main() {
    PrepareSaverState();
    std::printf("best of %d runs each\n", Repetitions);
    Measure(1024, 768);
    Measure(1920, 1080);
    Measure(3840, 2160);
    return 0;
}
