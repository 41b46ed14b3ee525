#include "settings/win/reg_key.h"

#include <cstring>

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

void TRegKey::ReadString(const char* name, char* buffer, DWORD capacity) {
    DWORD size = capacity;
    Status = RegQueryValueExA(Key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    if (size < capacity) {
        buffer[size] = '\0';
    } else if (capacity != 0) {
        buffer[capacity - 1] = '\0';
    }
}

void TRegKey::WriteString(const char* name, const char* text) {
    // REG_SZ data counts its terminator; readers that take the stored size as is rely on it.
    const DWORD size = static_cast<DWORD>(std::strlen(text) + 1);
    Status = RegSetValueExA(Key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
}
