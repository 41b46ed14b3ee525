// A registry key held open, and the result of the last call made through it.
#pragma once
#include <windows.h>

#include <cstdint>

extern const char DesktopKeyName[];  // "Control Panel\Desktop" under HKEY_CURRENT_USER

class TRegKey {
public:
    TRegKey() = default;
    TRegKey(const TRegKey&) = delete;
    TRegKey& operator=(const TRegKey&) = delete;
    ~TRegKey() { Close(); }

    void Open(HKEY root, const char* subkey, bool create);
    void Close();
    // Wide, so any path fits. The text always ends inside the buffer, however long or
    // unterminated the stored value; capacity counts characters.
    void ReadString(const wchar_t* name, wchar_t* buffer, DWORD capacity);
    void WriteString(const wchar_t* name, const wchar_t* text);

    HKEY Key = nullptr;
    int32_t Status = 0;  // ERROR_SUCCESS or the error of the last registry call
};
