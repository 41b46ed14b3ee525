#include "e2e/wait_until.h"

#include "e2e/screen_input.h"

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        PumpMessages(20);
    }
    return true;
}
