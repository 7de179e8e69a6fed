#include "core/settings.h"

namespace vireon {

GlobalSettings Settings;

void ResetToStartupValues(GlobalSettings& settings)
{
    settings = GlobalSettings{};
    settings.CurrentJD = JulianDayFromCalendar(settings.Current);
    settings.CurrentDateTime = DateTimeFromCalendar(settings.Current);
}

void SetCurrentInstant(GlobalSettings& settings, Extended jd)
{
    settings.CurrentJD = jd;
    settings.Current = CalendarFromJulianDay(jd);
    settings.CurrentDateTime = DateTimeFromCalendar(settings.Current);
}

bool StepCurrentInstant(GlobalSettings& settings, Extended days)
{
    const Extended target = settings.CurrentJD + days;
    if (!IsWithinSupportedRange(target)) return false;
    SetCurrentInstant(settings, target);
    return true;
}

}  // namespace vireon
