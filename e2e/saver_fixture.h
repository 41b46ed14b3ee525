// Shared set-up of the full-screen tests: WIN.INI and the password value are
// put back after each test, and the saver's first frame is waited for.
#pragma once
#include <gtest/gtest.h>

#include "e2e/driver.h"

// Geometry of the full-screen layout on the 1024 x 768 desktop.
constexpr RECT GlassArea = {342, 38, 682, 718};
constexpr RECT TimeArea = {780, 511, 926, 557};
constexpr int32_t CellSize = 34;

class SaverTest : public ::testing::Test {
protected:
    SaverTest() : Password_("Control Panel\\Desktop", "ScreenSaveUsePassword") {}

    // Starts the saver and waits for its window and first full frame.
    HWND StartSaver(TProcess& saver, const std::string& arguments = "/s",
                    const std::string& exe = ScrPath());
    // Milliseconds from the process start until the well and panel are on screen; -1 on timeout.
    static int32_t WaitForFrame(const TProcess& saver, DWORD timeoutMs);
    // Cells of the well whose centre differs from the empty-cell color.
    static int32_t FilledCells(const TScreenShot& shot, uint32_t emptyColor);
    static uint32_t EmptyColor(const TScreenShot& firstFrame);
    // True when the process ends within timeoutMs with exit code 0.
    static bool EndsWithZero(TProcess& saver, DWORD timeoutMs = PatienceMs);

private:
    TIniBackup Ini_;
    TRegistryBackup Password_;
};
