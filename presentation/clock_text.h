// The text of the panel clock for each setting of Time.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/calendar.h"

// 102: local time of now; 103: now - startTime; anything else: now - gameStart.
// Elapsed hours are not wrapped at 24; a clock set back before the start shows 00:00:00.
void FormatClock(char* buffer, size_t size, int32_t timeMode, TCalendarSeconds now,
                 TCalendarSeconds startTime, TCalendarSeconds gameStart);
