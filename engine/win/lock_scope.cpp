#include "engine/win/lock_scope.h"

bool WaitForLock(HANDLE lock, DWORD timeoutMs) {
    return WaitForSingleObject(lock, timeoutMs) != WAIT_TIMEOUT;
}

TLockScope::TLockScope(HANDLE lock, DWORD timeoutMs)
    : Lock_(lock), Owned_(WaitForLock(lock, timeoutMs)) {}

TLockScope::~TLockScope() {
    if (Owned_) ReleaseMutex(Lock_);
}
