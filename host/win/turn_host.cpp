#include "host/win/turn_host.h"

#include "host/win/locks.h"
#include "pacing/win/form.h"

bool TSaverTurnHost::StopRequested() { return ::StopRequested(); }

bool TSaverTurnHost::IsAutoPlay() { return ::IsAutoPlay(); }

bool TSaverTurnHost::LockGame() { return WaitForLock(GameLock); }

void TSaverTurnHost::UnlockGame() { ReleaseMutex(GameLock); }

bool TSaverTurnHost::HasDevice() { return Form.WindowDC && Form.BackDC; }

void TSaverTurnHost::ClearScreen() { Form.ClearScreen(); }

void TSaverTurnHost::ShowScore() { Form.ShowScore(); }

void TSaverTurnHost::FlushEngineChanges() { Form.FlushEngineChanges(); }
