// Time base: Julian Day <-> calendar, the date-time value, and the small angle helpers.
//
// Julian Day algorithms: Meeus, Astronomical Algorithms, ch. 7 (Julian calendar before
// 15 October 1582, Gregorian from then on). No time zone and no Delta T are applied: the
// instant is used exactly as given.
#pragma once

#include <cstdint>

#include "core/types.h"

namespace vireon {

// Calendar fields of an instant. Year 1..65535 (no year 0), whole seconds; the milliseconds
// are only filled from the computer clock and carried into the date-time value.
struct CalendarFields {
    std::uint16_t Day = 1;
    std::uint16_t Month = 1;
    std::uint16_t Year = 2000;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Millisecond = 0;

    friend bool operator==(const CalendarFields&, const CalendarFields&) = default;
};

// Calendar fields from whole numbers (each cast to its 16-bit field; the caller validates).
CalendarFields MakeCalendarFields(int day, int month, int year, int hour, int minute, int second,
                                  int millisecond = 0);

// Julian Day of a calendar date and time, evaluated in extended precision and rounded to
// a 64-bit float. Arguments in the historical order: day, month, year, second, minute, hour.
double JulianDayFromCalendar(int day, int month, int year, int second, int minute, int hour);
double JulianDayFromCalendar(const CalendarFields& fields);

// Calendar fields of a Julian Day, rounded to the whole second. An instant less than half a
// second before midnight becomes 00:00:00 of the next calendar day. Requires jd + 0.5 >= 0.
// The milliseconds of the result are 0.
CalendarFields CalendarFromJulianDay(Extended jd);

// The calendar year in which an instant falls, as it is (not rounded to the second). Requires
// jd + 0.5 >= 0.
int CalendarYearOf(Extended jd);

// The date-time value: days since 30 December 1899 plus the time of day as a fraction; for
// earlier dates the day count is negative and the time of day is subtracted (-1.25 is
// 29 December 1899 06:00). Computed with this program's calendar, so every valid field set,
// 29/02/1500 included, has a value.
double DateTimeFromCalendar(const CalendarFields& fields);
CalendarFields CalendarFromDateTime(double dateTime);

// Whether a day/month/year exists in this program's calendar (5..14 October 1582 are taken
// in the Julian calendar and are valid; years 1..9999).
bool IsValidCalendarDate(int day, int month, int year);
int DaysInMonth(int month, int year);

// Supported instants: 01/01/0001 00:00:00 to 31/12/9999 23:59:59. Every command that moves
// the date computes the target Julian Day first and checks it here.
inline constexpr double FirstSupportedJD = 1721423.5;
double LastSupportedJD();
bool IsWithinSupportedRange(Extended jd);

// Degrees (or hours), minutes and seconds of a decimal value. The sign is carried by the
// first field only; limit 24 wraps hours of right ascension, limit 90 disables the wrap.
struct Sexagesimal {
    double Degrees = 0;
    double Minutes = 0;
    double Seconds = 0;
};
Sexagesimal DecimalToSexagesimal(int limit, double value);

// Angle helpers (radians unless stated). Results are 64-bit; the arithmetic is extended.
double Tangent(double x);
// Angle of the point (x, y), in (-pi/2, 3pi/2); +-pi/2 for x = 0 by the sign of y, 0 at the origin.
double ArcTanQuadrant(double x, double y);
// Arcsine clamped to +-pi/2 outside [-1, 1].
double ArcSinSafe(double s);
// Arcseconds reduced to one turn (truncating: a negative input gives (-2pi, 0]), in radians.
double ArcsecToRadians(double arcsec);
// Degrees reduced into [0, 360).
double NormalizeDegrees(double degrees);

}  // namespace vireon
