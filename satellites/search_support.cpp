#include "satellites/search_support.h"

namespace vireon {

Extended MidnightJD(const CalendarFields& f) { return JulianDayFromCalendar(f.Day, f.Month, f.Year, 0, 0, 0); }

std::int64_t SecondOfDay(const CalendarFields& f) { return f.Hour * 3600 + f.Minute * 60 + f.Second; }

CalendarFields FieldsAfter(const CalendarFields& base, std::int64_t n)
{
    const std::int64_t total = SecondOfDay(base) + n;
    std::int64_t days = total / SecondsPerDay;
    std::int64_t second = total % SecondsPerDay;
    if (second < 0) {
        second += SecondsPerDay;
        --days;
    }
    CalendarFields f = CalendarFromJulianDay(MidnightJD(base) + static_cast<Extended>(days));
    f.Hour = static_cast<std::uint16_t>(second / 3600);
    f.Minute = static_cast<std::uint16_t>(second / 60 % 60);
    f.Second = static_cast<std::uint16_t>(second % 60);
    return f;
}

std::int64_t SecondsBetween(const CalendarFields& from, const CalendarFields& to)
{
    const auto days = static_cast<std::int64_t>(std::llround(MidnightJD(to) - MidnightJD(from)));
    return days * SecondsPerDay + SecondOfDay(to) - SecondOfDay(from);
}

}  // namespace vireon
