// Waiting for a state that another process or thread is still bringing about:
// polled against a deadline instead of a pause guessed for an idle machine.
#pragma once
#include <windows.h>

#include <functional>

// How long a wait may take on a busy machine. A wait that is met returns at once,
// so only a test that is failing anyway waits this long.
constexpr DWORD PatienceMs = 20000;

// Looks at the condition about every 20 ms, running this thread's messages in
// between, until it holds or timeoutMs have passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = PatienceMs);
