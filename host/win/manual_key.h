// The five game keys under "Manual control": the user moves the figure.
#pragma once
#include <windows.h>

bool IsGameKey(WPARAM key);  // VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE

// Hands steering to the user for 1500 ms and applies the key at once.
void ManualKey(WPARAM key);
