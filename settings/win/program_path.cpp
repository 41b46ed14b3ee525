#include "settings/win/program_path.h"

#include <windows.h>

bool ToAnsi(const std::wstring& wide, std::string& ansi) {
    if (wide.empty()) return false;
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr,
                                           0, nullptr, &lossy);
    if (length <= 0 || lossy) return false;
    ansi.assign(size_t(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, &ansi[0], length, nullptr,
                        &lossy);
    ansi.resize(size_t(length - 1));
    return !lossy;
}

const wchar_t* ProgramPathW() {
    static wchar_t path[WidePathCapacity] = {};
    static const bool known = [] {
        const DWORD length = GetModuleFileNameW(nullptr, path, WidePathCapacity);
        // A full buffer may hold a cut-off path without its terminator.
        return length > 0 && length < WidePathCapacity;
    }();
    return known ? path : L"";
}

const char* ProgramPath() {
    static char path[MAX_PATH] = {};
    static const bool known = [] {
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        return length > 0 && length < MAX_PATH;
    }();
    return known ? path : "";
}

std::wstring ShortPathOf(const wchar_t* path) {
    std::wstring shortPath(WidePathCapacity, L'\0');
    const DWORD length = GetShortPathNameW(path, &shortPath[0], WidePathCapacity);
    if (length == 0 || length >= WidePathCapacity) return path;
    shortPath.resize(length);
    return shortPath;
}

std::string ProgramPathInAnsi() {
    std::string ansi;
    if (ToAnsi(ProgramPathW(), ansi) || ToAnsi(ShortPathOf(ProgramPathW()), ansi)) return ansi;
    return "";
}
