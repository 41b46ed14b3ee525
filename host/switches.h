// The command-line switches a screen saver is started with.
#pragma once
#include <cstdint>

#include "host/command_line.h"

// True when the switch appears in text at the first occurrence of its first
// character; position then holds that index. A failed match past the length
// checks leaves -1 there. Case-sensitive; whatever follows the switch is ignored.
bool MatchSwitch(const char* text, const char* switchText, int32_t& position);

// The runtime's text-to-integer rules: white space skipped, one sign, decimal
// digits up to the first other character, no digits giving 0. Overflow wraps
// modulo 2^32 instead of being undefined.
int32_t ParseHandleArgument(const char* text);

// Which row of the switch table matched, in the order they are tried.
enum class TSwitch : uint8_t { Install, Config, Preview, Password, None };

struct TCommand {
    TSwitch Switch = TSwitch::None;
    int32_t Parent = 0;  // only for Preview and Password
};

// The switches are matched against the text behind the program's name; the handle is
// the argument after the switch. No text at all asks for the settings dialog.
TCommand ParseCommand(const TCommandLine& line);
