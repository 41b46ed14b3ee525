// A registry key held open, and the result of the last call made through it.
#pragma once
#include <windows.h>

#include <cstdint>

class TRegKey {
public:
    TRegKey() = default;
    TRegKey(const TRegKey&) = delete;
    TRegKey& operator=(const TRegKey&) = delete;
    ~TRegKey() { Close(); }

    void Open(HKEY root, const char* subkey, bool create);
    void Close();
    // The text always ends inside the buffer, however long or unterminated the stored value.
    void ReadString(const char* name, char* buffer, DWORD capacity);
    void WriteString(const char* name, const char* text);

    HKEY Key = nullptr;
    int32_t Status = 0;  // ERROR_SUCCESS or the error of the last registry call
};
