// The command line as Windows hands it over, split once: the program's name, the
// text behind it, and the arguments in that text.
#pragma once
#include <string>
#include <vector>

struct TCommandLine {
    std::string Text;                    // behind the name and the blanks after it
    std::vector<std::string> Arguments;  // Text split at blanks; entry 0 is the switch
};

// The name is quoted; or unquoted and the running program's own path in one of
// programPaths (long or short form, ASCII letters in any case), followed by a blank
// or the end; otherwise it runs up to the first blank.
TCommandLine SplitCommandLine(const char* raw, const std::vector<std::string>& programPaths);
