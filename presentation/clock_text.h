// The text of the panel clock for each setting of Time.
#pragma once
#include <cstddef>
#include <cstdint>

// 102: local time of now; 103: now - startTime; anything else: now - gameStart.
// Elapsed hours are not wrapped at 24; an elapsed time below zero shows 00:00:00.
void FormatClock(char* buffer, size_t size, int32_t timeMode, int32_t now, int32_t startTime,
                 int32_t gameStart);
