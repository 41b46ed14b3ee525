#include <ctime>

#include "engine/calendar.h"

TCalendarSeconds CalendarNow() { return static_cast<TCalendarSeconds>(std::time(nullptr)); }
