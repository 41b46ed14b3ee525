// Formats the clock for any mode and times into a heap buffer of exactly the given
// size, so that AddressSanitizer sees every byte written past it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "presentation/clock_text.h"
#include "settings/settings.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Digits, a colon, two digits, a colon, two digits: hours, minutes, seconds.
bool ParseClock(const std::string& text, uint32_t& h, uint32_t& m, uint32_t& s) {
    const size_t hourDigits = std::strspn(text.c_str(), "0123456789");
    if (hourDigits < 2 || hourDigits > 7 || text.size() != hourDigits + 6) return false;
    const std::string tail = text.substr(hourDigits);
    if (tail[0] != ':' || tail[3] != ':' || std::strspn(tail.c_str() + 1, "0123456789") != 2 ||
        std::strspn(tail.c_str() + 4, "0123456789") != 2)
        return false;
    h = std::strtoul(text.c_str(), nullptr, 10);
    m = std::strtoul(tail.c_str() + 1, nullptr, 10);
    s = std::strtoul(tail.c_str() + 4, nullptr, 10);
    return true;
}

// Local time runs in UTC here (see LLVMFuzzerInitialize): the day's seconds.
int64_t ExpectedSeconds(int32_t mode, TCalendarSeconds now, TCalendarSeconds start,
                        TCalendarSeconds game) {
    if (mode == TimeCurrent) return now % 86400;
    const int32_t elapsed = static_cast<int32_t>(now - (mode == TimeRun ? start : game));
    return elapsed < 0 ? 0 : elapsed;
}

std::string FullText(int32_t mode, TCalendarSeconds now, TCalendarSeconds start,
                     TCalendarSeconds game) {
    char text[64];
    FormatClock(text, sizeof text, mode, now, start, game);
    return text;
}

TCalendarSeconds Before(FuzzedDataProvider& data, TCalendarSeconds now) {
    return data.ConsumeBool() ? now - data.ConsumeIntegralInRange<uint32_t>(0, 400000)
                              : data.ConsumeIntegral<uint32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "UTC0", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int32_t modes[] = {TimeCurrent, TimeRun, TimeGame, data.ConsumeIntegral<int32_t>()};
    const int32_t mode = modes[data.ConsumeIntegralInRange<int32_t>(0, 3)];
    const TCalendarSeconds now = data.ConsumeIntegral<uint32_t>();
    const TCalendarSeconds start = Before(data, now);
    const TCalendarSeconds game = Before(data, now);
    const size_t room = data.ConsumeIntegralInRange<size_t>(0, 24);

    const std::string full = FullText(mode, now, start, game);
    uint32_t h = 0, m = 0, s = 0;
    Check(ParseClock(full, h, m, s), "clock text not digits:digits:digits");
    Check(m < 60 && s < 60, "minutes or seconds past 59");
    Check(int64_t{h} * 3600 + m * 60 + s == ExpectedSeconds(mode, now, start, game),
          "clock text shows the wrong time");

    // With no room snprintf writes nothing, so there is no text to look at: ASan alone
    // watches the empty block. The panel always passes its whole buffer.
    const std::unique_ptr<char[]> buffer(new char[room]);
    FormatClock(buffer.get(), room, mode, now, start, game);
    if (room == 0) return 0;
    Check(std::memchr(buffer.get(), '\0', room) != nullptr, "text not ended inside its buffer");
    Check(full.compare(0, room - 1, buffer.get()) == 0, "text not the clock cut to the buffer");
    return 0;
}
