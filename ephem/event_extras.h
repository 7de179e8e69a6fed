// The columns a clock and a site add to the rows of --events and --mutual: Delta T on another
// clock than TT, the planet's and the Sun's altitudes and whether the row is observable with a
// site, written after the command's own columns.
#pragma once

#include <optional>

#include "ephem/ephem_cli.h"

namespace vireon::ephem {

struct EventExtras {
    std::optional<double> DeltaTSeconds;
    std::optional<EphemRow::SiteColumns> Site;
    bool Observable = true;
};

// The extras of a row at the TT instant jdTT, given its site's columns (none without a site).
inline EventExtras EventExtrasAt(const EphemRequest& request, Extended jdTT, const std::optional<EphemRow::SiteColumns>& site)
{
    EventExtras extras;
    if (request.Scale.Kind != TimeScaleKind::Terrestrial) {
        extras.DeltaTSeconds = static_cast<double>(DeltaTSeconds(UniversalFromTerrestrial(jdTT)));
    }
    extras.Site = site;
    extras.Observable = !site || IsObservable(*site);
    return extras;
}

// The extras a request's header names.
inline EventExtras HeaderExtras(const EphemRequest& request)
{
    EventExtras extras;
    if (request.Scale.Kind != TimeScaleKind::Terrestrial) extras.DeltaTSeconds = 0;
    if (request.Site) extras.Site = EphemRow::SiteColumns{};
    return extras;
}

template <class Writer>
void VisitEventExtras(const EventExtras& extras, Writer& w)
{
    if (extras.DeltaTSeconds) w.Number("delta_t_s", extras.DeltaTSeconds);
    if (extras.Site) {
        w.Number("planet_alt_deg", extras.Site->PlanetAltitudeDeg);
        w.Number("sun_alt_deg", extras.Site->SunAltitudeDeg);
        w.Integer("observable", extras.Observable ? 1 : 0);
    }
}

}  // namespace vireon::ephem
