#include "ephem/instants.h"

#include <cmath>

#include "ephem/ephem_cli.h"

namespace vireon::ephem {

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

CalendarFields InstantOf(const EphemRequest& request, int i)
{
    if (request.StepSeconds == 0 || i == 0) return request.Start;
    return FieldsOfSeconds(SecondsOf(request.Start) + static_cast<std::int64_t>(i) * request.StepSeconds);
}

// YYYY-MM-DDTHH:MM:SS, digit by digit: snprintf's format parsing was a twentieth of a table run.
std::string FormatInstant(const CalendarFields& f)
{
    std::string text = "0000-00-00T00:00:00";
    const auto put = [&text](std::size_t end, int value, int width) {
        for (std::size_t i = end; width-- > 0; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
    };
    put(3, f.Year, 4);
    put(6, f.Month, 2);
    put(9, f.Day, 2);
    put(12, f.Hour, 2);
    put(15, f.Minute, 2);
    put(18, f.Second, 2);
    return text;
}

}  // namespace vireon::ephem
