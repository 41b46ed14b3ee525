// The system's screen-saver password, through libraries loaded by name.
#pragma once
#include <cstdint>

// True when the saver may close: no password set, no library, or the right one.
bool AskPassword();

// The "/a" run mode: the system's own password-change dialog; always 0.
int32_t ChangePassword();
