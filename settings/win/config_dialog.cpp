#include "settings/win/config_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "settings/win/system_error.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/win/settings_store.h"

static_assert(IDC_CURRENT_TIME == TimeCurrent && IDC_RUN_TIME == TimeRun &&
                  IDC_GAME_TIME == TimeGame,
              "Time is stored as the id of its radio button");
static_assert(IDC_LOW == PriorityLow && IDC_NORMAL == PriorityNormal && IDC_HIGH == PriorityHigh,
              "Priority is stored as the id of its radio button");

namespace {

const char GamesPage[] = "http://www.korvex.example/cgi-bin/screen.pl/games.html?r=s&c=b";
const char* const PaletteNames[] = {"Brown palette", "Blue palette", "Green palette",
                                    "Black background"};
constexpr LRESULT PaletteCount = sizeof PaletteNames / sizeof PaletteNames[0];

HWND PaletteList = nullptr;  // the live dialog's combo box, fetched once per dialog

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The first of two radios that is checked, else the third id: no choice means the middle one.
int32_t CheckedRadio(HWND dialog, int32_t first, int32_t second, int32_t otherwise) {
    if (IsChecked(dialog, first)) return first;
    if (IsChecked(dialog, second)) return second;
    return otherwise;
}

void FillPaletteList(HWND dialog) {
    if (!PaletteList) PaletteList = GetDlgItem(dialog, IDC_PALETTE);
    if (PaletteList) {
        SendMessageA(PaletteList, CB_RESETCONTENT, 0, 0);
        for (const char* name : PaletteNames) {
            SendMessageA(PaletteList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        }
    }
    SendMessageA(PaletteList, CB_SETCURSEL, Settings.Palette, 0);
}

void ReportUnsavedSettings(HWND dialog, DWORD error) {
    const std::string text =
        "The settings could not be saved. The file Korvex Rowfall\\rowfall.ini of your "
        "application data folder keeps them where WIN.INI cannot be written, and it could "
        "not be written or removed either.\r\n\r\n" +
        SystemErrorText(error);
    MessageBoxA(dialog, text.c_str(), "Korvex Rowfall", MB_OK | MB_ICONERROR);
}

INT_PTR OnInitDialog(HWND dialog) {
    LoadSettings();
    CheckRadioButton(dialog, IDC_CURRENT_TIME, IDC_GAME_TIME, Settings.Time);
    CheckRadioButton(dialog, IDC_LOW, IDC_HIGH, Settings.Priority);
    SetChecked(dialog, IDC_PLAIN_BACKGROUND, !Settings.ShowBkgr);
    SetChecked(dialog, IDC_SHOW_INFO, Settings.ShowInfo);
    SetChecked(dialog, IDC_MANUAL_CONTROL, Settings.ManualControl);
    SetChecked(dialog, IDC_EVERY_MONITOR, Settings.EveryMonitor);
    FillPaletteList(dialog);
    return TRUE;
}

void OnOk(HWND dialog) {
    Settings.Time = CheckedRadio(dialog, IDC_CURRENT_TIME, IDC_RUN_TIME, IDC_GAME_TIME);
    Settings.Priority = CheckedRadio(dialog, IDC_LOW, IDC_HIGH, IDC_NORMAL);
    Settings.ShowBkgr = !IsChecked(dialog, IDC_PLAIN_BACKGROUND);
    Settings.ShowInfo = IsChecked(dialog, IDC_SHOW_INFO);
    Settings.ManualControl = IsChecked(dialog, IDC_MANUAL_CONTROL);
    Settings.EveryMonitor = IsChecked(dialog, IDC_EVERY_MONITOR);
    // CB_ERR (nothing selected) and anything past the list both mean the first palette.
    const LRESULT selection = SendMessageA(PaletteList, CB_GETCURSEL, 0, 0);
    Settings.Palette = selection < 0 || selection >= PaletteCount ? 0 : static_cast<int32_t>(selection);
    // A full-screen run may have ended while the dialog was open: its scores stand.
    LoadScores();
    // A failed save keeps the dialog open: closing would look as if it had worked.
    if (SaveSettings(Settings))
        EndDialog(dialog, IDOK);
    else
        ReportUnsavedSettings(dialog, GetLastError());
}

void OnGetNewGames() {
    ShellExecuteA(nullptr, "open", GamesPage, nullptr, nullptr, SW_SHOWMAXIMIZED);
}

INT_PTR OnCommand(HWND dialog, int id) {
    switch (id) {
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDC_GET_GAMES: OnGetNewGames(); return TRUE;
        default: return FALSE;
    }
}

INT_PTR OnDestroy() {
    PaletteList = nullptr;
    PostQuitMessage(0);
    return TRUE;
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog);
        case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
        case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
        case WM_DESTROY: return OnDestroy();
        default: return FALSE;
    }
}

}  // namespace

// Loaded for the dialog alone: as an import, the controls' set-up delayed every
// full-screen start's first frame. By name, as the import was, so the manifest's
// version 6 is the one loaded.
int32_t RunConfigDialog() {
    using TInitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    HMODULE controlsLibrary = LoadLibraryA("comctl32.dll");
    auto initControls = controlsLibrary ? reinterpret_cast<TInitControls>(reinterpret_cast<void*>(
                                              GetProcAddress(controlsLibrary, "InitCommonControlsEx")))
                                        : nullptr;
    // XP builds the version-6 controls the manifest asks for only after this call.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    if (initControls) initControls(&controls);
    const INT_PTR result = DialogBoxParamA(Instance, MAKEINTRESOURCEA(IDD_CONFIG),
                                           GetForegroundWindow(), ConfigDialogProc, 0);
    if (result < 0) Trace(SystemErrorText(GetLastError()).c_str());
    if (controlsLibrary) FreeLibrary(controlsLibrary);
    return 0;
}
