#include "settings/win/reg_key.h"

#include <cwchar>

const char DesktopKeyName[] = "Control Panel\\Desktop";

void TRegKey::Open(HKEY root, const char* subkey, bool create) {
    Close();
    if (create) {
        Status = RegCreateKeyExA(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &Key, nullptr);
    } else {
        Status = RegOpenKeyExA(root, subkey, 0, KEY_ALL_ACCESS, &Key);
    }
    if (Status != ERROR_SUCCESS) Key = nullptr;
}

void TRegKey::Close() {
    Status = ERROR_SUCCESS;
    if (Key) Status = RegCloseKey(Key);
    Key = nullptr;
}

void TRegKey::ReadString(const wchar_t* name, wchar_t* buffer, DWORD capacity) {
    DWORD size = capacity * sizeof(wchar_t);
    Status = RegQueryValueExW(Key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    const DWORD read = size / sizeof(wchar_t);  // an odd byte count drops its last byte
    if (read < capacity) {
        buffer[read] = L'\0';
    } else if (capacity != 0) {
        buffer[capacity - 1] = L'\0';
    }
}

void TRegKey::WriteString(const wchar_t* name, const wchar_t* text) {
    // REG_SZ data counts its terminator; readers that take the stored size as is rely on it.
    const DWORD size = static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t));
    Status = RegSetValueExW(Key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
}
