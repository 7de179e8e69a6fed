// The rows of the month's phenomena and mutual events as vireon-ephem writes them (--events,
// --mutual) and the program's two lists export them: one CSV line or JSON object per row, its
// own columns, then the ones a clock (Delta T) and a site (the planet's and the Sun's altitudes,
// and whether the row is observable) add.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/line_writer.h"
#include "core/observing_site.h"
#include "core/time_scale.h"
#include "core/types.h"
#include "ephemeris/horizon.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"

namespace vireon {

// The planet's altitude and azimuth and the Sun's altitude from a site, degrees, as the rows write
// them (rounded to double).
struct SiteColumns {
    double PlanetAltitudeDeg = 0, PlanetAzimuthDeg = 0, SunAltitudeDeg = 0;
};
SiteColumns SiteColumnsOf(const SiteAltitudes& altitudes);

// The planet at least 10 degrees high and the Sun at least 6 below the horizon, on the written
// values.
bool IsObservable(const SiteColumns& site);

// The site's columns at each of a list of TT instants in increasing order (none without a site),
// from one altitude track over their span.
std::vector<std::optional<SiteColumns>> SiteColumnsAtInstants(const std::optional<ObservingSite>& site, PlanetId planet,
                                                              const std::vector<Extended>& sortedJDs);

// What a list's rows are written with: the planet, the clock the instants are written on, and
// whether a site adds its columns.
struct EventTable {
    PlanetId Planet = Jupiter;
    TimeScale Scale;
    bool WithSite = false;
};

// The columns after a row's own: Delta T on another clock than TT (seconds), and with a site its
// columns and whether the row is observable.
struct EventExtras {
    std::optional<double> DeltaTSeconds;
    std::optional<SiteColumns> Site;
    bool Observable = true;
};

// The extras of a row at the TT instant jdTT on a clock, given its site's columns.
EventExtras EventExtrasAt(const TimeScale& scale, Extended jdTT, const std::optional<SiteColumns>& site);

// The CSV header line of the phenomena (no line end) and one phenomenon as a CSV line or a JSON
// object (no line end).
std::string PhenomenaHeader(const EventTable& table);
std::string PhenomenonLine(const EventTable& table, const Phenomenon& event, const EventExtras& extras, LineFormat format);

// The same for the mutual events; the extras are those at the maximum.
std::string MutualEventsHeader(const EventTable& table);
std::string MutualEventLine(const EventTable& table, const MutualEvent& event, const EventExtras& extras,
                            LineFormat format);

}  // namespace vireon
