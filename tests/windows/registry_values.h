// Raw registry values for the tests: what is stored, byte for byte, and putting it back.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TRawValue {
    LONG Status = ERROR_FILE_NOT_FOUND;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;

    std::string Text() const { return std::string(Data.begin(), Data.end()); }
};

inline TRawValue ReadRawValue(HKEY root, const char* key, const char* name) {
    TRawValue value;
    HKEY opened = nullptr;
    value.Status = RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &opened);
    if (value.Status != ERROR_SUCCESS) return value;
    DWORD size = 0;
    value.Status = RegQueryValueExA(opened, name, nullptr, &value.Type, nullptr, &size);
    if (value.Status == ERROR_SUCCESS) {
        value.Data.resize(size);
        value.Status = RegQueryValueExA(opened, name, nullptr, &value.Type, value.Data.data(), &size);
        value.Data.resize(size);
    }
    RegCloseKey(opened);
    return value;
}

inline LONG WriteRawValue(HKEY root, const char* key, const char* name, DWORD type,
                          const void* data, DWORD size) {
    HKEY opened = nullptr;
    LONG status = RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExA(opened, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(opened);
    return status;
}

inline void DeleteRawValue(HKEY root, const char* key, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return;
    RegDeleteValueA(opened, name);
    RegCloseKey(opened);
}

// Puts a value back as it was found, or removes it if it was missing.
class TValueBackup {
public:
    TValueBackup(HKEY root, const char* key, const char* name)
        : Root_(root), Key_(key), Name_(name), Saved_(ReadRawValue(root, key, name)) {}
    ~TValueBackup() {
        if (Saved_.Status == ERROR_SUCCESS) {
            WriteRawValue(Root_, Key_.c_str(), Name_.c_str(), Saved_.Type, Saved_.Data.data(),
                          static_cast<DWORD>(Saved_.Data.size()));
        } else {
            DeleteRawValue(Root_, Key_.c_str(), Name_.c_str());
        }
    }
    TValueBackup(const TValueBackup&) = delete;
    TValueBackup& operator=(const TValueBackup&) = delete;

private:
    HKEY Root_;
    std::string Key_, Name_;
    TRawValue Saved_;
};
