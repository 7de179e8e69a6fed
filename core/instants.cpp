#include "core/instants.h"

#include <cmath>

namespace vireon {

std::int64_t DayNumberOf(int day, int month, int year)
{
    return static_cast<std::int64_t>(std::llround(JulianDayFromCalendar(day, month, year, 0, 0, 0) + 0.5));
}

std::int64_t SecondsOf(const CalendarFields& f)
{
    return DayNumberOf(f.Day, f.Month, f.Year) * SecondsPerDay + f.Hour * 3600 + f.Minute * 60 + f.Second;
}

std::int64_t FirstSupportedSecond() { return DayNumberOf(1, 1, 1) * SecondsPerDay; }
std::int64_t LastSupportedSecond() { return DayNumberOf(31, 12, 9999) * SecondsPerDay + SecondsPerDay - 1; }

CalendarFields FieldsOfSeconds(std::int64_t seconds)
{
    const std::int64_t day = seconds / SecondsPerDay;  // seconds are positive in the supported range
    const std::int64_t second = seconds % SecondsPerDay;
    CalendarFields f = CalendarFromJulianDay(static_cast<Extended>(day) - 0.5L);
    f.Hour = static_cast<std::uint16_t>(second / 3600);
    f.Minute = static_cast<std::uint16_t>(second / 60 % 60);
    f.Second = static_cast<std::uint16_t>(second % 60);
    f.Millisecond = 0;
    return f;
}

}  // namespace vireon
