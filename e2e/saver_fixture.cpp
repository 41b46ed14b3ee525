#include "e2e/saver_fixture.h"

HWND SaverTest::StartSaver(TProcess& saver, const std::string& arguments, const std::string& exe) {
    EXPECT_TRUE(saver.Start(arguments, exe)) << exe;
    HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
    EXPECT_NE(window, nullptr) << "no saver window";
    EXPECT_GE(WaitForFrame(saver, PatienceMs), 0) << "no full frame";
    return window;
}

int32_t SaverTest::WaitForFrame(const TProcess& saver, DWORD timeoutMs) {
    for (;;) {
        const TScreenShot shot = ReadScreen();
        // The well's grid and the panel's texture both show many colors.
        if (CountColors(shot, GlassArea) > 3 && CountColors(shot, RECT{0, 0, 300, 700}) > 50 &&
            CountColors(shot, TimeArea) > 1)
            return int32_t(GetTickCount() - saver.StartedAt);
        if (GetTickCount() - saver.StartedAt > timeoutMs || !saver.Running()) return -1;
        Sleep(10);
    }
}

uint32_t SaverTest::EmptyColor(const TScreenShot& firstFrame) {
    return firstFrame.At(GlassArea.left + CellSize / 2, GlassArea.bottom - CellSize / 2);
}

int32_t SaverTest::FilledCells(const TScreenShot& shot, uint32_t emptyColor) {
    int32_t filled = 0;
    for (int32_t c = 0; c < 10; ++c)
        for (int32_t r = 0; r < 20; ++r)
            filled += shot.At(GlassArea.left + c * CellSize + CellSize / 2,
                              GlassArea.top + r * CellSize + CellSize / 2) != emptyColor;
    return filled;
}

bool SaverTest::EndsWithZero(TProcess& saver, DWORD timeoutMs) {
    DWORD code = 12345;
    if (!saver.WaitExit(timeoutMs, &code)) return false;
    EXPECT_EQ(code, 0u);
    return code == 0;
}
