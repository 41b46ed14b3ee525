// A stand-in PASSWORD.CPL for the tests only: answers as ROWFALL_TEST_PASSWORD
// says ("accept" or anything else for refuse) and appends one line per call to
// the file ROWFALL_TEST_PASSWORD_LOG names, so the driver can count the calls.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner) {
    char answer[32] = {};
    GetEnvironmentVariableA("ROWFALL_TEST_PASSWORD", answer, sizeof answer);
    char log[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_LOG", log, sizeof log)) {
        HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char line[64];
            DWORD n = wsprintfA(line, "call owner=%lu\r\n", DWORD(UINT_PTR(owner)));
            WriteFile(file, line, n, &n, nullptr);
            CloseHandle(file);
        }
    }
    return lstrcmpA(answer, "accept") == 0;
}
