// Splits raw command lines against program paths, parses the switch and its handle, and
// matches arbitrary switch texts; checks each result against what the text holds.
#include <fuzzer/FuzzedDataProvider.h>
#include <strings.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/command_line.h"
#include "host/switches.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t SkipBlanks(const std::string& text, size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

bool EndsWord(const std::string& text, size_t at) { return at == text.size() || IsBlank(text[at]); }

bool HasBlank(const std::string& text) {
    return text.find_first_of(" \t") != std::string::npos;
}

// Any text as a program path, cut at a NUL: no path Windows hands over holds one.
std::string AnyPath(FuzzedDataProvider& data) {
    std::string path = data.ConsumeRandomLengthString(64);
    return path.substr(0, std::strlen(path.c_str()));
}

// The start of the raw line's name, some letters' case flipped: a path that matches.
std::string PathFromLine(FuzzedDataProvider& data, const std::string& raw) {
    const std::string rest = raw.substr(SkipBlanks(raw, 0));
    std::string path = rest.substr(0, data.ConsumeIntegralInRange<size_t>(0, rest.size()));
    for (char& c : path)
        if (data.ConsumeBool() && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
    return path;
}

bool PathAtStart(const std::string& rest, const std::string& path) {
    return !path.empty() && rest.size() >= path.size() &&
           strncasecmp(rest.c_str(), path.c_str(), path.size()) == 0 && EndsWord(rest, path.size());
}

// The name is whole: quoted, or the longest program path there, or else the first word.
void CheckName(const std::string& raw, size_t textAt, const std::vector<std::string>& paths) {
    const size_t nameAt = SkipBlanks(raw, 0);
    if (raw[nameAt] == '"') {
        const size_t closing = raw.find('"', nameAt + 1);
        if (closing == std::string::npos) {
            Check(textAt == raw.size(), "unclosed name leaked into the text");
        } else {
            Check(textAt > closing && SkipBlanks(raw, closing + 1) == textAt,
                  "quoted name leaked into the text");
        }
        return;
    }
    size_t nameEnd = textAt;
    while (nameEnd > nameAt && IsBlank(raw[nameEnd - 1])) --nameEnd;
    const std::string name = raw.substr(nameAt, nameEnd - nameAt);
    const std::string rest = raw.substr(nameAt);
    Check(EndsWord(raw, nameEnd), "name cut inside a word");
    // A path may end in blanks; it then takes some of the blanks before the text.
    const size_t span = textAt - nameAt;
    bool isPath = false;
    for (const std::string& path : paths) {
        if (!PathAtStart(rest, path)) continue;
        Check(path.size() <= span, "a longer program path was cut");
        isPath = isPath || path.size() >= name.size();
    }
    Check(isPath || !HasBlank(name), "name with a blank that is no program path");
}

void CheckArguments(const TCommandLine& line) {
    size_t at = 0;
    for (const std::string& argument : line.Arguments) {
        at = SkipBlanks(line.Text, at);
        Check(!argument.empty() && !HasBlank(argument), "argument empty or with a blank");
        Check(line.Text.compare(at, argument.size(), argument) == 0, "argument not in the text");
        at += argument.size();
        Check(EndsWord(line.Text, at), "argument cut inside a word");
    }
    Check(SkipBlanks(line.Text, at) == line.Text.size(), "word of the text missing");
}

void CheckSplit(const std::string& raw, const std::vector<std::string>& paths,
                const TCommandLine& line) {
    Check(line.Text.size() <= raw.size(), "text longer than the line");
    const size_t textAt = raw.size() - line.Text.size();
    Check(raw.compare(textAt, std::string::npos, line.Text) == 0, "text not a suffix of the line");
    Check(line.Text.empty() || !IsBlank(line.Text[0]), "text starts with a blank");
    CheckName(raw, textAt, paths);
    CheckArguments(line);
}

// Against the C runtime's own reading, where its long long cannot overflow.
void CheckHandle(const char* text) {
    const int32_t handle = ParseHandleArgument(text);
    const char* digits = text;
    while (*digits == ' ' || (*digits >= '\t' && *digits <= '\r')) ++digits;
    if (*digits == '+' || *digits == '-') ++digits;
    if (std::strspn(digits, "0123456789") > 18) return;
    const uint32_t expected = static_cast<uint32_t>(std::strtoll(text, nullptr, 10));
    Check(static_cast<uint32_t>(handle) == expected, "handle not the runtime's reading");
}

bool Occurs(const std::string& text, const char* letters) {
    for (const char* lead : {"/", "-"})
        for (const char* letter = letters; *letter; ++letter)
            if (text.find(std::string(lead) + *letter) != std::string::npos) return true;
    return false;
}

void CheckParent(const TCommandLine& line, const TCommand& command) {
    if (command.Switch != TSwitch::Preview && command.Switch != TSwitch::Password) {
        Check(command.Parent == 0, "parent without preview or password");
        return;
    }
    const char* second = line.Arguments.size() > 1 ? line.Arguments[1].c_str() : "";
    Check(command.Parent == ParseHandleArgument(second), "parent not the second argument");
}

// The switch found is really in the text; only no text at all asks for the settings.
void CheckSwitch(const TCommandLine& line, const TCommand& command) {
    const std::string& text = line.Text;
    switch (command.Switch) {
    case TSwitch::Install: Check(text.find("/reg") != std::string::npos, "phantom /reg"); break;
    case TSwitch::Config: Check(text.empty() || Occurs(text, "cC"), "phantom settings"); break;
    case TSwitch::Preview: Check(Occurs(text, "pP"), "phantom preview switch"); break;
    case TSwitch::Password: Check(Occurs(text, "aA"), "phantom password switch"); break;
    case TSwitch::None: Check(!text.empty(), "no text, yet no settings"); break;
    }
}

// A match lies inside the text, at the first occurrence of the switch's first
// character, and holds the switch there; a miss means it does not.
void CheckMatch(const char* text, const char* switchText) {
    const int32_t untouched = -7;
    int32_t position = untouched;
    const bool matched = MatchSwitch(text, switchText, position);
    const size_t textLength = std::strlen(text);
    const size_t switchLength = std::strlen(switchText);
    if (!*text || !*switchText || switchLength > textLength) {
        Check(!matched && position == untouched, "match or position without room");
        return;
    }
    const char* first = std::strchr(text, switchText[0]);
    const bool there = first && std::strncmp(first, switchText, switchLength) == 0;
    Check(matched == there, "match where the switch is not, or none where it is");
    Check(position == (matched ? first - text : -1), "position not the first occurrence");
    Check(!matched || size_t(position) + switchLength <= textLength, "match runs past the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string stored = data.ConsumeRandomLengthString(256);
    const std::string raw = stored.c_str();  // what a char* line holds
    std::vector<std::string> paths;
    for (int32_t count = data.ConsumeIntegralInRange<int32_t>(0, 3); count > 0; --count)
        paths.push_back(data.ConsumeBool() ? PathFromLine(data, raw) : AnyPath(data));

    const TCommandLine line = SplitCommandLine(raw.c_str(), paths);
    CheckSplit(raw, paths, line);
    const TCommand command = ParseCommand(line);
    CheckParent(line, command);
    CheckSwitch(line, command);
    for (const std::string& argument : line.Arguments) CheckHandle(argument.c_str());

    while (data.remaining_bytes() > 0) {
        const std::string switchText = data.ConsumeRandomLengthString(8);
        CheckMatch(line.Text.c_str(), switchText.c_str());
        CheckMatch(raw.c_str(), switchText.c_str());
        CheckHandle(switchText.c_str());
    }
    return 0;
}
