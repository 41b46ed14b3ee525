#include "settings/win/system_error.h"

std::string SystemErrorText(DWORD error) {
    char text[256] = {};
    // System texts may hold %1 inserts; with no arguments they must not be expanded.
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text - 1, nullptr);
    return text;
}
