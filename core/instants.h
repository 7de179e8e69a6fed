// Whole seconds of the program's calendar, as vireon-ephem counts its instants.
#pragma once

#include <cstdint>

#include "core/time_base.h"

namespace vireon {

inline constexpr std::int64_t SecondsPerDay = 86400;

// Whole days numbered so that the day starting at Julian Day n - 0.5 is n (from 00:00).
std::int64_t DayNumberOf(int day, int month, int year);
// Seconds from the start of day number 0, and back (seconds of the supported range are positive).
std::int64_t SecondsOf(const CalendarFields& f);
CalendarFields FieldsOfSeconds(std::int64_t seconds);

// Supported instants, in the seconds of SecondsOf: 0001-01-01T00:00:00 to 9999-12-31T23:59:59.
std::int64_t FirstSupportedSecond();
std::int64_t LastSupportedSecond();

}  // namespace vireon
