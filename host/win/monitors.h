// The monitors of the current layout other than the primary one.
#pragma once
#include <windows.h>

#include <vector>

std::vector<RECT> OtherMonitors();

bool HasArea(const std::vector<RECT>& areas, const RECT& area);
