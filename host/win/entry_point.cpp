#include <windows.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/switches.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/password.h"
#include "host/win/saver_window.h"
#include "host/win/worker.h"
#include "settings/win/program_path.h"
#include "settings/win/config_dialog.h"
#include "settings/win/installer.h"
#include "settings/win/settings_store.h"

namespace {

constexpr uint32_t WorkerJoinMs = 5000;

// The game lock, the autopilot lock, the stop event, the key event and the display
// state, closed in creation order once the worker is done with them, on every way out.
class TSharedObjects {
public:
    TSharedObjects() {
        GameLock = CreateMutexA(nullptr, FALSE, nullptr);
        AutoPlayLock = CreateMutexA(nullptr, FALSE, nullptr);
        StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        KeyEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        DisplayOn = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    }
    ~TSharedObjects() {
        SetEvent(StopEvent);  // an exception may have left the run without it
        EndWorker(WorkerJoinMs);
        for (HANDLE* handle : {&GameLock, &AutoPlayLock, &StopEvent, &KeyEvent, &DisplayOn}) {
            if (*handle) CloseHandle(*handle);
            *handle = nullptr;
        }
    }
    TSharedObjects(const TSharedObjects&) = delete;
    TSharedObjects& operator=(const TSharedObjects&) = delete;
};

// Split here, not by the start-up code: it cuts an unquoted path with blanks, or
// one with a letter beyond ASCII, inside the path.
TCommandLine OwnCommandLine() {
    std::vector<std::string> paths{ProgramPath()};
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(ProgramPath(), shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) paths.push_back(shortPath);
    return SplitCommandLine(GetCommandLineA(), paths);
}

void TakeCommand() {
    const TCommand command = ParseCommand(OwnCommandLine());
    switch (command.Switch) {
    case TSwitch::Install:
        RunMode = ModeSaver;
        InstallSaver();
        break;
    case TSwitch::Config: RunMode = ModeConfig; break;
    case TSwitch::Preview:
        ParentWindow = reinterpret_cast<HWND>(intptr_t{command.Parent});
        RunMode = ModePreview;
        break;
    case TSwitch::Password:
        ParentWindow = reinterpret_cast<HWND>(intptr_t{command.Parent});
        RunMode = ModePassword;
        break;
    case TSwitch::None: RunMode = ModeSaver; break;
    }
}

int32_t RunTheMode() {
    switch (RunMode) {
    case ModeConfig: return RunConfigDialog();
    case ModePreview: return RunPreview();
    case ModePassword: return ChangePassword();
    default: return RunSaver();
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    StartTime = CalendarNow();
    Instance = instance;
    LoadSettings();
    TakeCommand();
    if ((RunMode == ModePreview || RunMode == ModeSaver) && !RegisterGameWindowClass(SaverClassName))
        return 0;
    TSharedObjects objects;
    try {
        return RunTheMode();
    } catch (...) {
        return 0;  // the objects are closed on the way out all the same
    }
}
