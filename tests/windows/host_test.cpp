// The worker thread, the game keys and the password check on real Win32 objects.
#include <gtest/gtest.h>
#include <windows.h>

#include "e2e/wait_until.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/manual_key.h"
#include "host/win/password.h"
#include "host/win/worker.h"
#include "pacing/win/saver_objects.h"
#include "tests/windows/lock_holder.h"

namespace {

UINT DestroysSeen = 0;

LRESULT CALLBACK CountDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) ++DestroysSeen;
    return DefWindowProcA(window, message, wParam, lParam);
}

class HostObjects : public ::testing::Test {
protected:
    void SetUp() override {
        GameLock = CreateMutexA(nullptr, FALSE, nullptr);
        AutoPlayLock = CreateMutexA(nullptr, FALSE, nullptr);
        StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        AutoPlay = true;
    }
    void TearDown() override {
        EndWorker(5000);
        for (HANDLE* h : {&GameLock, &AutoPlayLock, &StopEvent}) {
            CloseHandle(*h);
            *h = nullptr;
        }
    }
};

TEST_F(HostObjects, WorkerEndsOnStopAndPostsDestroyToTheSaverWindow) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountDestroy;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RowfallWorkerTest";
    RegisterClassA(&windowClass);
    SaverWindow = CreateWindowExA(0, "RowfallWorkerTest", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(SaverWindow, nullptr);
    DestroysSeen = 0;
    // No window attached to the screen object: every turn ends at its restart check.
    ASSERT_NE(StartWorker(), nullptr);
    HANDLE worker = WorkerThread;
    Sleep(700);
    EXPECT_EQ(WaitForSingleObject(worker, 0), WAIT_TIMEOUT) << "the worker ended by itself";
    SetEvent(StopEvent);
    EXPECT_EQ(WaitForSingleObject(worker, PatienceMs), WAIT_OBJECT_0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(DestroysSeen, 1u);
    EXPECT_TRUE(IsWindow(SaverWindow)) << "only the message is posted; the window stays";
    DestroyWindow(SaverWindow);
    SaverWindow = nullptr;
}

TEST_F(HostObjects, GameKeysMoveTheFigureAndHandOverSteering) {
    EXPECT_TRUE(IsGameKey(VK_LEFT));
    EXPECT_TRUE(IsGameKey(VK_SPACE));
    EXPECT_FALSE(IsGameKey(VK_ESCAPE));
    EXPECT_FALSE(IsGameKey('A'));
    Rowfall.ClearGlass();
    Rowfall.NewFigure();
    const int32_t x = Rowfall.X;
    ManualKey(VK_LEFT);
    EXPECT_EQ(Rowfall.X, x - 1);
    EXPECT_FALSE(AutoPlay);
    ManualKey(VK_RIGHT);
    ManualKey(VK_RIGHT);
    EXPECT_EQ(Rowfall.X, x + 1);
    const int32_t y = Rowfall.Y;
    ManualKey(VK_DOWN);
    EXPECT_EQ(Rowfall.Y, y + 1);
    // SPACE drops the figure to the floor: it lands and a new one starts at the top.
    ManualKey(VK_SPACE);
    EXPECT_EQ(Rowfall.Y, 0);
    int32_t settled = 0;
    for (int32_t col = 0; col < GlassColumns; ++col) settled += Rowfall.Cell(col, GlassRows - 1);
    EXPECT_GT(settled, 0);
    Rowfall.ClearGlass();
}

TEST_F(HostObjects, GameKeyIsDroppedWhenTheLockIsHeldElsewhere) {
    Rowfall.ClearGlass();
    Rowfall.NewFigure();
    const int32_t x = Rowfall.X;
    TLockHolder holder(GameLock);
    ManualKey(VK_LEFT);
    EXPECT_EQ(Rowfall.X, x);
    EXPECT_FALSE(AutoPlay) << "the pause holds even for a dropped key";
}

TEST(PasswordCheck, NoUsableValueMeansNoCheck) {
    HKEY desktop;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                              KEY_READ | KEY_WRITE, nullptr, &desktop, nullptr),
              ERROR_SUCCESS);
    RegDeleteValueA(desktop, "ScreenSaveUsePassword");
    MouseMoveCountdown = 3;
    // The end-to-end build puts a refusing PASSWORD.CPL beside this program:
    // without a non-zero value it must not be asked.
    SetEnvironmentVariableA("ROWFALL_TEST_PASSWORD", "refuse");
    EXPECT_TRUE(AskPassword());
    const DWORD zero = 0;
    RegSetValueExA(desktop, "ScreenSaveUsePassword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero),
                   sizeof zero);
    EXPECT_TRUE(AskPassword());
    // Longer than four bytes: the read fails, so there is no check.
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    RegSetValueExA(desktop, "ScreenSaveUsePassword", 0, REG_BINARY, eight, sizeof eight);
    EXPECT_TRUE(AskPassword());
    EXPECT_EQ(MouseMoveCountdown, 3);
    SetEnvironmentVariableA("ROWFALL_TEST_PASSWORD", nullptr);
    RegDeleteValueA(desktop, "ScreenSaveUsePassword");
    RegCloseKey(desktop);
    EXPECT_EQ(ChangePassword(), 0);
}

}  // namespace
