#include "host/command_line.h"

#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const char* SkipBlanks(const char* text) {
    while (IsBlank(*text)) ++text;
    return text;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Length of path when text starts with it as a whole word; 0 otherwise.
size_t PathAtStart(const char* text, const std::string& path) {
    if (path.empty()) return 0;
    for (size_t i = 0; i < path.size(); ++i)
        if (text[i] == '\0' || FoldAscii(text[i]) != FoldAscii(path[i])) return 0;
    const char after = text[path.size()];
    return after == '\0' || IsBlank(after) ? path.size() : 0;
}

// Where the program's name ends in text (which starts at the name).
const char* NameEnd(const char* text, const std::vector<std::string>& programPaths) {
    if (*text == '"') {
        const char* closing = std::strchr(text + 1, '"');
        return closing ? closing + 1 : text + std::strlen(text);
    }
    size_t longest = 0;
    for (const std::string& path : programPaths) {
        const size_t length = PathAtStart(text, path);
        if (length > longest) longest = length;
    }
    if (longest > 0) return text + longest;
    while (*text && !IsBlank(*text)) ++text;
    return text;
}

std::vector<std::string> SplitAtBlanks(const std::string& text) {
    std::vector<std::string> words;
    for (const char* at = SkipBlanks(text.c_str()); *at; at = SkipBlanks(at)) {
        const char* start = at;
        while (*at && !IsBlank(*at)) ++at;
        words.emplace_back(start, at);
    }
    return words;
}

}  // namespace

TCommandLine SplitCommandLine(const char* raw, const std::vector<std::string>& programPaths) {
    TCommandLine line;
    if (!raw) return line;
    const char* name = SkipBlanks(raw);
    line.Text = SkipBlanks(NameEnd(name, programPaths));
    line.Arguments = SplitAtBlanks(line.Text);
    return line;
}
