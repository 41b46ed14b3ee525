// The system's own words for an error code.
#pragma once
#include <windows.h>

#include <string>

// At most 255 characters; "" when the system has no text for the code.
std::string SystemErrorText(DWORD error);
