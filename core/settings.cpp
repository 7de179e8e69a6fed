#include "core/settings.h"

namespace vireon {

GlobalSettings Settings;

void ResetToStartupValues(GlobalSettings& settings)
{
    settings = GlobalSettings{};
    settings.CurrentJD = JulianDayFromCalendar(settings.Current);
    settings.CurrentDateTime = DateTimeFromCalendar(settings.Current);
}

void SetCurrentInstant(GlobalSettings& settings, Extended jd, SecondRounding rounding)
{
    settings.CurrentJD = jd;
    settings.Current = ReadingFieldsOf(settings.TimeScale, jd, rounding);
    settings.CurrentDateTime = DateTimeFromCalendar(settings.Current);
}

bool StepCurrentInstant(GlobalSettings& settings, Extended days)
{
    const Extended target = settings.CurrentJD + days;
    if (!IsWithinSupportedRange(ReadingFromTerrestrial(settings.TimeScale, target))) return false;
    SetCurrentInstant(settings, target);
    return true;
}

Extended TerrestrialOfFields(const GlobalSettings& settings, const CalendarFields& fields)
{
    return TerrestrialFromReadingOrLater(settings.TimeScale, JulianDayFromCalendar(fields));
}

void SetTimeScale(GlobalSettings& settings, const vireon::TimeScale& scale)
{
    const Extended instant = TerrestrialOfFields(settings, settings.Current);
    settings.TimeScale = scale;
    SetCurrentInstant(settings, instant);
}

KeptSettings KeptSettingsOf(const GlobalSettings& settings)
{
    return {settings.TimeScale, settings.Site, settings.RedSpotLongitude};
}

void ApplyKeptSettings(GlobalSettings& settings, const KeptSettings& kept)
{
    settings.TimeScale = kept.TimeScale;
    settings.Site = kept.Site;
    settings.RedSpotLongitude = kept.RedSpotLongitude;
    settings.CurrentJD = TerrestrialOfFields(settings, settings.Current);
}

}  // namespace vireon
