#include "engine/calendar.h"

#include <ctime>

TCalendarSeconds CalendarNow() { return static_cast<TCalendarSeconds>(std::time(nullptr)); }
