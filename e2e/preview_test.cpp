// The preview ("/p <hwnd>") inside a small window of the driver, as the
// display-properties dialog shows it. Wine does not show what one process draws
// into a child window of another's, so the picture is checked by the Windows
// tests, in one process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "e2e/driver.h"

namespace {

constexpr int32_t HostLeft = 600, HostTop = 100, HostWidth = 152, HostHeight = 112;

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA hostClass = {};
        hostClass.lpfnWndProc = DefWindowProcA;
        hostClass.hInstance = GetModuleHandleA(nullptr);
        hostClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        hostClass.lpszClassName = "RowfallPreviewHost";
        RegisterClassA(&hostClass);
        Host = CreateWindowExA(0, "RowfallPreviewHost", "preview host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               HostLeft, HostTop, HostWidth, HostHeight, nullptr, nullptr,
                               hostClass.hInstance, nullptr);
        ASSERT_NE(Host, nullptr);
        PumpMessages(100);
    }
    void TearDown() override {
        if (IsWindow(Host)) DestroyWindow(Host);
    }
    // The preview's window inside host, once the saver has made it.
    static HWND WaitForChild(HWND host) {
        HWND child = nullptr;
        WaitUntil([&] { return (child = FindWindowExA(host, nullptr, SaverClass, nullptr)) != nullptr; });
        return child;
    }
    // Runs this thread's messages meanwhile: the host window is the driver's.
    static bool EndsWithZero(TProcess& saver) {
        WaitUntil([&] { return !saver.Running(); });
        DWORD code = 12345;
        return saver.WaitExit(0, &code) && code == 0;
    }

    HWND Host = nullptr;
};

TEST_F(Preview, ShowsTheWellIgnoresInputAndEndsWithItsHost) {
    TProcess saver;
    ASSERT_TRUE(saver.Start("/p " + std::to_string(reinterpret_cast<UINT_PTR>(Host))));
    HWND child = WaitForChild(Host);
    ASSERT_NE(child, nullptr);
    RECT rect = {};
    GetClientRect(child, &rect);
    EXPECT_EQ(rect.right, HostWidth);
    EXPECT_EQ(rect.bottom, HostHeight);
    EXPECT_FALSE(IsWindowEnabled(child));
    PumpMessages(1500);

    for (WORD key : {WORD('A'), WORD(VK_ESCAPE), WORD(VK_SPACE)}) PostKey(child, key);
    for (int i = 0; i < 10; ++i) PostMouseMove(child, i, i);
    PumpMessages(800);
    EXPECT_TRUE(saver.Running()) << "keys or mouse moves ended the preview";

    const DWORD destroyed = GetTickCount();
    DestroyWindow(Host);
    EXPECT_TRUE(EndsWithZero(saver));
    std::printf("[ figure ] host window destroyed to preview exit: %lu ms\n",
                static_cast<unsigned long>(GetTickCount() - destroyed));
}

TEST_F(Preview, DestroyedHostBeforeStartEndsAtOnce) {
    const std::string handle = std::to_string(reinterpret_cast<UINT_PTR>(Host));
    DestroyWindow(Host);
    TProcess saver;
    ASSERT_TRUE(saver.Start("/p " + handle));
    EXPECT_TRUE(EndsWithZero(saver));
}

}  // namespace
