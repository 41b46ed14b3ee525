// Figures, not checks: start-up to the first full frame and dismissal to
// exit, printed for the record. (Wine's GetProcessTimes reports nothing for
// another process, so processor time is read from the host system instead.)
#include <cstdio>

#include "e2e/saver_fixture.h"

namespace {

using Figures = SaverTest;

TEST_F(Figures, FirstFrameAndDismissal) {
    WriteIni("Priority", "107");
    for (int run = 0; run < 3; ++run) {
        TProcess saver;
        ASSERT_TRUE(saver.Start("/s"));
        const int32_t firstFrame = WaitForFrame(saver, PatienceMs);
        ASSERT_GE(firstFrame, 0) << "no full frame";
        std::printf("[ figure ] process start to first full frame: %d ms\n", firstFrame);
        HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
        ASSERT_NE(window, nullptr);
        Sleep(1000);
        const DWORD pressed = GetTickCount();
        PostKey(window, VK_ESCAPE);
        DWORD code = 12345;
        ASSERT_TRUE(saver.WaitExit(PatienceMs, &code));
        std::printf("[ figure ] dismissing key to process exit: %lu ms\n",
                    static_cast<unsigned long>(GetTickCount() - pressed));
    }
}

}  // namespace
