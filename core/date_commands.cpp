#include "core/date_commands.h"

#include <cstdio>

#include "core/platform.h"

namespace vireon {
namespace {

bool IsSupportedYear(int year) { return year >= 1 && year <= 9999; }

std::string TwoDigits(int v)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", v);
    return buffer;
}

}  // namespace

bool StepByIncrement(GlobalSettings& settings, int direction)
{
    return StepCurrentInstant(settings, direction * settings.IncrementDays);
}

int GraphMonthLengthDays(int month)
{
    switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return 28;
    default: return 31;
    }
}

bool StepGraphMonth(GlobalSettings& settings, int direction)
{
    int month = settings.Current.Month + direction;
    int year = settings.Current.Year;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (!IsSupportedYear(year)) return false;

    settings.IncrementDays = GraphMonthLengthDays(settings.Current.Month);
    SetCurrentInstant(settings, TerrestrialOfFields(settings, MakeCalendarFields(1, month, year, 0, 0, 0)));
    return true;
}

Extended YearLengthFrom(const CalendarFields& from)
{
    const int year = from.Year;
    return static_cast<Extended>(
               JulianDayFromCalendar(from.Day, from.Month, year + 1, from.Second, from.Minute, from.Hour)) -
           JulianDayFromCalendar(from);
}

Extended MonthLengthFrom(const CalendarFields& from)
{
    int month = from.Month + 1;
    int year = from.Year;
    if (month > 12) {
        month = 1;
        ++year;
    }
    return static_cast<Extended>(
               JulianDayFromCalendar(from.Day, month, year, from.Second, from.Minute, from.Hour)) -
           JulianDayFromCalendar(from);
}

Extended IncrementDaysFor(const CalendarFields& current, int unitIndex, Extended n)
{
    switch (unitIndex) {
    case UnitYear: return n * YearLengthFrom(current);
    case UnitMonth: return n * MonthLengthFrom(current);
    case UnitWeek: return n * 7;
    case UnitDay: return n;
    case UnitHour: return n / 24;
    case UnitMinute: return n / 1440;
    default: return n / 24;
    }
}

std::uint32_t AnimationDelayMsFor(int delayIndex)
{
    static constexpr std::uint32_t Delays[AnimationDelayCount] = {0, 100, 200, 250, 500, 1000, 2000, 5000};
    if (delayIndex < 0 || delayIndex >= AnimationDelayCount) return Delays[2];
    return Delays[delayIndex];
}

bool SetInstantFromClock(GlobalSettings& settings, const CalendarFields& now)
{
    if (!IsValidCalendarDate(now.Day, now.Month, now.Year)) return false;
    settings.Current = now;
    settings.CurrentDateTime = DateTimeFromCalendar(now);
    settings.CurrentJD = TerrestrialOfFields(settings, now);
    return true;
}

CalendarFields ClockOnScale(const TimeScale& scale, const CalendarFields& localNow, const CalendarFields& utcNow)
{
    if (scale.Kind == TimeScaleKind::Terrestrial) return localNow;
    if (scale.Kind == TimeScaleKind::Universal) return utcNow;
    const Extended ut = JulianDayFromCalendar(utcNow);  // whole seconds; the zones' offsets are too
    CalendarFields local = CalendarFromJulianDay(ut + ZoneOffsetAt(scale.Zone, ut).Seconds / 86400.0L);
    local.Millisecond = utcNow.Millisecond;
    return local;
}

CalendarFields ClockNowOnScale(const TimeScale& scale)
{
    Platform& platform = CurrentPlatform();
    if (scale.Kind == TimeScaleKind::Terrestrial) return platform.LocalNow();
    return ClockOnScale(scale, {}, platform.UtcNow());
}

void SetInstantFromDateTime(GlobalSettings& settings, double dateTime)
{
    settings.CurrentDateTime = dateTime;
    settings.Current = CalendarFromDateTime(dateTime);
    settings.CurrentJD = TerrestrialOfFields(settings, settings.Current);
}

void SetInstantFromDialog(GlobalSettings& settings, int day, int month, int year, int hour, int minute, int second)
{
    // The fields are split back from the date-time value: a Julian date typed inside the
    // calendar reform's gap (5..14 October 1582) becomes the Gregorian date of the same day,
    // so that the fields and the value always name each other.
    SetInstantFromDateTime(settings, DateTimeFromCalendar(MakeCalendarFields(day, month, year, hour, minute, second)));
    settings.DialogAccepted = true;
}

std::string FormatDialogDate(const CalendarFields& f)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", f.Day, f.Month, f.Year);
    return buffer;
}

std::string FormatDialogTime(const CalendarFields& f)
{
    return TwoDigits(f.Hour) + ":" + TwoDigits(f.Minute) + ":" + TwoDigits(f.Second);
}

std::string FormatDateAndTime(const CalendarFields& f) { return FormatDialogDate(f) + "    " + FormatDialogTime(f); }

}  // namespace vireon
