// What the screen tools share: the saver's state without its entry point, and a
// popup window of a chosen client size with its own device context.
#pragma once
#include <windows.h>

#include "host/win/host_state.h"
#include "host/win/locks.h"

inline void PrepareSaverState() {
    RunMode = ModeSaver;
    if (!GameLock) GameLock = CreateMutexA(nullptr, FALSE, nullptr);
}

inline HWND CreateToolWindow(int width, int height) {
    static const ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "Rowfall Screen Tool";
        return RegisterClassA(&wc);
    }();
    if (!atom) return nullptr;
    return CreateWindowExA(0, "Rowfall Screen Tool", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}
