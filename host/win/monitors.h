// The monitors of the current layout other than the primary one.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TMonitor {
    std::string Device;  // the display device's name: the same monitor after a resize
    RECT Area;
};

std::vector<TMonitor> OtherMonitors();

bool HasArea(const std::vector<RECT>& areas, const RECT& area);
