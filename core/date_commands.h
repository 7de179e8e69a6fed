// The commands that move or set the current instant and the increment, without the windows:
// one step of the increment, the monthly graph's step of a calendar month, the increment
// length for the unit chosen in the increment dialog, the animation delays, the computer
// clock and the date dialog's OK.
//
// Supported instants run from 01/01/0001 00:00:00 to 31/12/9999 23:59:59: a command whose
// target would leave that range refuses (returns false) and changes nothing; the window then
// beeps. Year and month arithmetic is done in int, never in the 16-bit calendar fields.
#pragma once

#include <cstdint>
#include <string>

#include "core/settings.h"
#include "core/time_base.h"
#include "core/types.h"

namespace vireon {

// Units of the increment dialog, in the order of its radio group.
enum IncrementUnit : int { UnitYear = 0, UnitMonth = 1, UnitWeek = 2, UnitDay = 3, UnitHour = 4, UnitMinute = 5 };
inline constexpr int IncrementUnitCount = 6;

// One step of the increment: CurrentJD += direction x IncrementDays (direction +1 or -1), the
// calendar fields rounded to the second and the date-time value rebuilt. The step buttons
// outside the graph view and the left and right arrow keys in every view.
bool StepByIncrement(GlobalSettings& settings, int direction);

// Length of the month used by the graph view's step buttons: 31, 30, or 28 for every
// February (leap years included, as the graph has always counted).
int GraphMonthLengthDays(int month);

// The graph view's step (direction +1 or -1): IncrementDays becomes the current month's length
// (GraphMonthLengthDays), then the month moves by one (December <-> January across the year),
// the day becomes 1 and the time 00:00:00, and CurrentJD, the fields and the date-time value
// follow.
bool StepGraphMonth(GlobalSettings& settings, int direction);

// Days from the given instant to the same day and time one year (or one month) later, by the
// Julian Day difference: 365 or 366 days, 28 to 31 days. A day that does not exist in the next
// month runs over into the month after it (31 January + 1 month counts as 3 March in a common
// year: 31 days); month 13 is January of the next year.
Extended YearLengthFrom(const CalendarFields& from);
Extended MonthLengthFrom(const CalendarFields& from);

// IncrementDays for n units of the unit index (IncrementUnit) counted from the current instant.
Extended IncrementDaysFor(const CalendarFields& current, int unitIndex, Extended n);

// The animation delays of the increment dialog, by item index: 0, 100, 200, 250, 500, 1000,
// 2000, 5000 ms.
inline constexpr int AnimationDelayCount = 8;
std::uint32_t AnimationDelayMsFor(int delayIndex);

// The computer clock command: the instant becomes the clock's date and time on the scale (with
// its milliseconds in the date-time value), now being ClockOnScale's. Refused outside the
// supported range.
bool SetInstantFromClock(GlobalSettings& settings, const CalendarFields& now);

// What the computer clock reads on a scale: in TT its local time as it is (the date as entered is
// the theories' time), in UT its UTC, in local time its UTC in the zone.
CalendarFields ClockOnScale(const TimeScale& scale, const CalendarFields& localNow, const CalendarFields& utcNow);
// The platform's clock on a scale (its local time in TT, its UTC otherwise).
CalendarFields ClockNowOnScale(const TimeScale& scale);

// Fills the instant from a date-time value, as the date dialog does when it shows a date: the
// calendar fields are split from the value and CurrentJD, on TT, follows them.
void SetInstantFromDateTime(GlobalSettings& settings, double dateTime);

// The date dialog's OK: the instant becomes the given date and time (whole seconds), through
// the date-time value (a Julian date of 5..14 October 1582 is stored as the Gregorian date of
// the same day), and DialogAccepted is set. The fields must have been checked
// (ParseDialogDate, ParseDialogTime).
void SetInstantFromDialog(GlobalSettings& settings, int day, int month, int year, int hour, int minute,
                          int second);

// "dd/mm/yyyy" (the year on four digits), "hh:mm:ss", and both joined by four blanks.
std::string FormatDialogDate(const CalendarFields& fields);
std::string FormatDialogTime(const CalendarFields& fields);
std::string FormatDateAndTime(const CalendarFields& fields);

}  // namespace vireon
