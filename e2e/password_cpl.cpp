// A stand-in PASSWORD.CPL for the tests only. It accepts when the answer is
// "accept" and refuses otherwise; the answer is read at every call from the
// file ROWFALL_TEST_PASSWORD_ANSWER names (so a test can change it while the
// saver runs), else from ROWFALL_TEST_PASSWORD. Each call appends one line to
// the file ROWFALL_TEST_PASSWORD_LOG names, so the driver can count the calls.
#include <windows.h>

namespace {

void ReadAnswer(char* answer, DWORD size) {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_ANSWER", path, sizeof path)) {
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD n = 0;
            ReadFile(file, answer, size - 1, &n, nullptr);
            answer[n] = '\0';
            CloseHandle(file);
            return;
        }
    }
    GetEnvironmentVariableA("ROWFALL_TEST_PASSWORD", answer, size);
}

void LogCall(HWND owner) {
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_LOG", log, sizeof log)) return;
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char line[64];
    DWORD n = wsprintfA(line, "call owner=%lu\r\n", DWORD(UINT_PTR(owner)));
    WriteFile(file, line, n, &n, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner) {
    char answer[32] = {};
    ReadAnswer(answer, sizeof answer);
    LogCall(owner);
    return lstrcmpA(answer, "accept") == 0;
}

// The same file, named MPR.DLL, stands for a copy planted beside the saver: any call
// of its password change is logged as a call.
extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR, HWND owner, DWORD, LPVOID) {
    LogCall(owner);
    return 0;
}
