#include "ephem/ephem_cli.h"

#include "core/instants.h"

namespace vireon::ephem {

CalendarFields InstantOf(const EphemRequest& request, int i)
{
    if (request.StepSeconds == 0 || i == 0) return request.Start;
    return FieldsOfSeconds(SecondsOf(request.Start) + static_cast<std::int64_t>(i) * request.StepSeconds);
}

Extended TerrestrialInstantOf(const EphemRequest& request, int i)
{
    if (request.Scale.Kind == TimeScaleKind::Terrestrial) return JulianDayFromCalendar(InstantOf(request, i));
    const Extended start = TerrestrialFromReadingOrLater(request.Scale, JulianDayFromCalendar(request.Start));
    return start + static_cast<Extended>(static_cast<std::int64_t>(i) * request.StepSeconds) / SecondsPerDay;
}

}  // namespace vireon::ephem
