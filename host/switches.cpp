#include "host/switches.h"

#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool MatchAny(const char* text, const char* const* variants) {
    int32_t position = 0;
    for (; *variants; ++variants)
        if (MatchSwitch(text, *variants, position)) return true;
    return false;
}

const char* const InstallSwitches[] = {"/reg", nullptr};
const char* const ConfigSwitches[] = {"/C", "/c", "-C", "-c", nullptr};
const char* const PreviewSwitches[] = {"/P", "/p", "-P", "-p", nullptr};
const char* const PasswordSwitches[] = {"/A", "/a", "-A", "-a", nullptr};

}  // namespace

bool MatchSwitch(const char* text, const char* switchText, int32_t& position) {
    if (!text || !switchText || !*text || !*switchText) return false;
    const size_t textLength = std::strlen(text);
    const size_t switchLength = std::strlen(switchText);
    if (switchLength > textLength) return false;
    position = -1;
    const char* first = std::strchr(text, switchText[0]);
    if (!first) return false;
    if (textLength - size_t(first - text) < switchLength) return false;
    // Only the first occurrence counts; a later one is never tried.
    if (std::strncmp(first + 1, switchText + 1, switchLength - 1) != 0) return false;
    position = int32_t(first - text);
    return true;
}

int32_t ParseHandleArgument(const char* text) {
    if (!text) return 0;
    while (IsBlank(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + uint32_t(*text - '0');
    if (negative) value = 0u - value;
    return int32_t(value);  // two's complement, as the runtime leaves it
}

TCommand ParseCommand(const TCommandLine& line) {
    TCommand command;
    const char* text = line.Text.c_str();
    const char* handle = line.Arguments.size() > 1 ? line.Arguments[1].c_str() : nullptr;
    if (line.Text.empty()) {
        command.Switch = TSwitch::Config;
    } else if (MatchAny(text, InstallSwitches)) {
        command.Switch = TSwitch::Install;
    } else if (MatchAny(text, ConfigSwitches)) {
        command.Switch = TSwitch::Config;
    } else if (MatchAny(text, PreviewSwitches)) {
        command.Switch = TSwitch::Preview;
        command.Parent = ParseHandleArgument(handle);
    } else if (MatchAny(text, PasswordSwitches)) {
        command.Switch = TSwitch::Password;
        command.Parent = ParseHandleArgument(handle);
    }
    return command;
}
