#include "core/time_base.h"

#include <cmath>

#include "core/angles.h"

namespace vireon {
namespace {

// Julian Day of 30 December 1899 00:00, the origin of the date-time value.
constexpr Extended DateTimeOriginJD = 2415018.5L;

bool IsGregorian(int day, int month, int year)
{
    if (year != 1582) return year > 1582;
    if (month != 10) return month > 10;
    return day >= 15;
}

bool IsLeapYear(int year)
{
    // The program's calendar: Julian rule up to 1582, Gregorian rule afterwards.
    if (year <= 1582) return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

struct CalendarDate {
    int Day;
    int Month;
    int Year;
};

// Meeus ch. 7: the date of the integer day number Z (Julian Day + 0.5, truncated), plus the
// fraction f of the day (below 1 in magnitude).
//
// Done in integers: the book's truncated quotients of decimal constants are integer quotients of
// exact fractions, (Z - 1867216.25) / 36524.25 = (4 Z - 7468865) / 146097,
// (B - 122.1) / 365.25 = (20 B - 2442) / 7305, 365.25 K = 1461 K / 4 and
// (B - D) / 30.6001 = 10000 (B - D) / 306001, 30.6001 E = 306001 E / 10000. A fraction that is not
// a whole number lies at least 1/306001 from one, far beyond the rounding of the book's decimal
// arithmetic, and C++ integer division truncates toward zero as the book's INT does: every day
// number gives the date the decimal form gives (checked over every day from year 1 to 9999).
CalendarDate DateFromDayNumber(Extended z, Extended f)
{
    // Beyond 2^52 days (or NaN) the products below would overflow; no date lies there.
    if (!(std::fabs(z) < 0x1p52L)) return {};
    const std::int64_t day = static_cast<std::int64_t>(z);
    std::int64_t a = day;
    if (day >= 2299161) {
        const std::int64_t alpha = (4 * day - 7468865) / 146097;
        a = day + 1 + alpha - alpha / 4;
    }
    const std::int64_t b = a + 1524;
    const std::int64_t k = (20 * b - 2442) / 7305;
    const std::int64_t d = 1461 * k / 4;
    const std::int64_t e = 10000 * (b - d) / 306001;
    CalendarDate date{};
    date.Day = static_cast<int>(std::trunc(static_cast<Extended>(b - d - 306001 * e / 10000) + f));
    date.Month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    date.Year = static_cast<int>(date.Month > 2 ? k - 4716 : k - 4715);
    return date;
}

}  // namespace

CalendarFields MakeCalendarFields(int day, int month, int year, int hour, int minute, int second, int millisecond)
{
    CalendarFields f;
    f.Day = static_cast<std::uint16_t>(day);
    f.Month = static_cast<std::uint16_t>(month);
    f.Year = static_cast<std::uint16_t>(year);
    f.Hour = static_cast<std::uint16_t>(hour);
    f.Minute = static_cast<std::uint16_t>(minute);
    f.Second = static_cast<std::uint16_t>(second);
    f.Millisecond = static_cast<std::uint16_t>(millisecond);
    return f;
}

// Meeus ch. 7, the integer parts in integers as in DateFromDayNumber (INT(365.25 (Y + 4716)) =
// 1461 (Y + 4716) / 4, INT(30.6001 (M + 1)) = 306001 (M + 1) / 10000, truncated toward zero),
// then summed in the book's order in extended precision: the same Julian Day, to the bit, as the
// decimal form for every date (checked one-off over 40 million dates and times).
double JulianDayFromCalendar(int day, int month, int year, int second, int minute, int hour)
{
    std::int64_t y = year;
    std::int64_t m = month;
    if (month < 3) {
        y = y - 1;
        m = m + 12;
    }
    std::int64_t b = 0;
    if (IsGregorian(day, month, year)) {
        const std::int64_t a = y / 100;
        b = 2 - a + a / 4;
    }
    const Extended dayFraction = static_cast<Extended>(day) + static_cast<Extended>(hour) / 24 +
                                 static_cast<Extended>(minute) / 1440 +
                                 static_cast<Extended>(second) / 86400;
    const Extended jd = static_cast<Extended>(1461 * (y + 4716) / 4) + dayFraction +
                        static_cast<Extended>(306001 * (m + 1) / 10000) + static_cast<Extended>(b) - 1524.5L;
    return static_cast<double>(jd);
}

double JulianDayFromCalendar(const CalendarFields& f)
{
    return JulianDayFromCalendar(f.Day, f.Month, f.Year, f.Second, f.Minute, f.Hour);
}

int CalendarYearOf(Extended jd)
{
    const Extended t = jd + 0.5L;
    const Extended z = std::floor(t);
    return DateFromDayNumber(z, t - z).Year;
}

CalendarFields CalendarFromJulianDay(Extended jd)
{
    const double t = static_cast<double>(jd + 0.5L);
    const Extended z = std::trunc(static_cast<Extended>(t));
    const double f = t - static_cast<double>(z);

    CalendarDate date = DateFromDayNumber(z, f);

    // One ten-millionth of an hour keeps instants that are whole minutes from falling below them.
    const Extended hours = 24 * static_cast<Extended>(f) + 0.0000001L;
    const Extended minutes = (hours - std::trunc(hours)) * 60;
    const Extended seconds = std::nearbyint((minutes - std::trunc(minutes)) * 60);

    int second = static_cast<int>(seconds);
    int minute = static_cast<int>(std::trunc(minutes));
    if (seconds > 59.5L) {
        second = 0;
        minute += 1;
    }
    int hour = static_cast<int>(std::trunc(hours));
    if (minute > 59) {
        minute = 0;
        hour += 1;
    }
    if (hour > 23) {
        // The rounding carried past midnight: the date is the next calendar day.
        hour = 0;
        date = DateFromDayNumber(z + 1, 0);
    }

    CalendarFields fields;
    fields.Day = static_cast<std::uint16_t>(date.Day);
    fields.Month = static_cast<std::uint16_t>(date.Month);
    fields.Year = static_cast<std::uint16_t>(date.Year);
    fields.Hour = static_cast<std::uint16_t>(hour);
    fields.Minute = static_cast<std::uint16_t>(minute);
    fields.Second = static_cast<std::uint16_t>(second);
    fields.Millisecond = 0;
    return fields;
}

double DateTimeFromCalendar(const CalendarFields& f)
{
    const Extended days = static_cast<Extended>(JulianDayFromCalendar(f.Day, f.Month, f.Year, 0, 0, 0)) -
                          DateTimeOriginJD;
    const Extended time = (static_cast<Extended>(f.Hour) * 3600000 + static_cast<Extended>(f.Minute) * 60000 +
                           static_cast<Extended>(f.Second) * 1000 + f.Millisecond) /
                          86400000;
    return static_cast<double>(days < 0 ? days - time : days + time);
}

CalendarFields CalendarFromDateTime(double dateTime)
{
    const Extended value = dateTime;
    Extended days = std::trunc(value);
    long long ms = std::llround(std::fabs(value - days) * 86400000);
    if (ms >= 86400000) {
        // The time of day rounded up to midnight: the next (or, before 1899, previous) day.
        ms = 0;
        days += value < 0 ? -1 : 1;
    }
    const Extended jd = DateTimeOriginJD + days;
    const CalendarDate date = DateFromDayNumber(std::trunc(jd + 0.5L), 0);
    CalendarFields f;
    f.Day = static_cast<std::uint16_t>(date.Day);
    f.Month = static_cast<std::uint16_t>(date.Month);
    f.Year = static_cast<std::uint16_t>(date.Year);
    f.Hour = static_cast<std::uint16_t>(ms / 3600000);
    f.Minute = static_cast<std::uint16_t>(ms / 60000 % 60);
    f.Second = static_cast<std::uint16_t>(ms / 1000 % 60);
    f.Millisecond = static_cast<std::uint16_t>(ms % 1000);
    return f;
}

int DaysInMonth(int month, int year)
{
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return Lengths[month - 1];
}

bool IsValidCalendarDate(int day, int month, int year)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(month, year);
}

double LastSupportedJD() { return JulianDayFromCalendar(31, 12, 9999, 59, 59, 23); }

bool IsWithinSupportedRange(Extended jd)
{
    return std::isfinite(jd) && jd >= FirstSupportedJD && jd <= LastSupportedJD();
}

Sexagesimal DecimalToSexagesimal(int limit, double value)
{
    const Extended sign = value < 0 ? -1 : 1;
    Extended d = std::fabs(static_cast<Extended>(value));
    Extended m = (d - std::trunc(d)) * 60;
    Extended s = (m - std::trunc(m)) * 60;
    m = std::trunc(m);
    if (s >= 60) {
        s -= 60;
        m += 1;
    }
    if (m >= 60) {
        m -= 60;
        d += 1;
    }
    if (d >= limit && limit != 90) d -= limit;
    Sexagesimal result;
    result.Degrees = static_cast<double>(std::trunc(d) * sign);
    result.Minutes = static_cast<double>(m);
    result.Seconds = static_cast<double>(s);
    return result;
}

double Tangent(double x)
{
    const Extended a = x;
    return static_cast<double>(std::sin(a) / std::cos(a));
}

double ArcTanQuadrant(double x, double y) { return static_cast<double>(QuadrantAngle(x, y)); }

double ArcSinSafe(double s)
{
    const Extended es = s;
    if (!(es < 1)) return static_cast<double>(std::isnan(es) ? es : Pi / 2);
    if (es <= -1) return static_cast<double>(-Pi / 2);
    return static_cast<double>(std::atan(es / std::sqrt(std::fabs(1 - es * es))));
}

double ArcsecToRadians(double arcsec)
{
    const Extended a = arcsec;
    return static_cast<double>((a - std::trunc(a / 1296000) * 1296000) * Pi / 648000);
}

double NormalizeDegrees(double degrees) { return static_cast<double>(ReduceDegrees(degrees)); }

}  // namespace vireon
