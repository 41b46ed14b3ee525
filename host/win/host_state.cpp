#include "host/win/host_state.h"

uint8_t RunMode = ModeNone;
HINSTANCE Instance = nullptr;
HWND ParentWindow = nullptr;
TCalendarSeconds StartTime = 0;
HWND SaverWindow = nullptr;
int32_t MouseMoveCountdown = 7;

const char SaverClassName[] = "Korvex Rowfall Screen Saver";
const char SaverTitle[] = "Rowfall screen saver";
const char DesktopKeyName[] = "Control Panel\\Desktop";

const char* ProgramPath() {
    static char path[MAX_PATH] = {};
    static const bool known = [] {
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        // A full buffer may hold a cut-off path without its terminator.
        return length > 0 && length < MAX_PATH;
    }();
    return known ? path : "";
}
