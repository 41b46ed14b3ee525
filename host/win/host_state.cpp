#include "host/win/host_state.h"

uint8_t RunMode = ModeNone;
HINSTANCE Instance = nullptr;
HWND ParentWindow = nullptr;
TCalendarSeconds StartTime = 0;
HWND SaverWindow = nullptr;
int32_t MouseMoveCountdown = 7;
POINT LastMousePosition = {};

const char SaverClassName[] = "Korvex Rowfall Screen Saver";
const char SaverTitle[] = "Rowfall screen saver";

