// The phenomena and the mutual events of a span as iCalendar events (core/icalendar.h), as
// vireon-ephem --format ics writes them and the program's two monthly lists export them.
//
// A phenomenon (a satellite's transit, its shadow's transit, its occultation or its eclipse) is
// one event from its start row to its end row. Its times are UTC, the TT instants less Delta T
// (core/time_scale.h), read as the lists read them on UT: the start at the first whole second at
// which the phenomenon holds, the end at the last. A phenomenon whose start or end row falls
// outside the span keeps its true start or end, searched for up to two days beyond the span (the
// longest phenomena, Iapetus's, last about ten and a half hours): a calendar user wants the event
// as it happens, and two exported months that share it give it the same times and the same UID,
// so the calendar keeps one. Only where the supported range ends, where nothing can be searched,
// does it begin or end with the span. A transit of the Great Red Spot is an instant. A mutual event
// runs from its first to its last contact, each to the nearest second.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/observing_site.h"
#include "core/time_scale.h"
#include "core/types.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"

namespace vireon {

// A phenomenon from its start to its end, TT Julian Days of whole seconds; an instant for the Red
// Spot's transit (StartJD == EndJD).
struct PhenomenonSpan {
    int Satellite = 0;
    PhenomenonKind Kind = PhenomenonKind::TransitStart;  // its start's kind, or RedSpotTransit
    Extended StartJD = 0, EndJD = 0;
    bool StartVisible = true, EndVisible = true;  // the rows' Visible
};

// The phenomena of a span from firstJD to lastJD (TT) beyond the rows: FindPhenomena for the
// planet, or the source a list takes its rows from.
using PhenomenaSearch = std::function<std::vector<Phenomenon>(Extended firstJD, Extended lastJD)>;

// The phenomena of which a list shows a row. rows: all the span's rows, in FindPhenomena's order
// (the Red Spot's transits may be merged in); listed[i]: whether the list shows rows[i]. A
// phenomenon is kept when its start or its end is listed; one whose other row is missing from
// rows gets it from beyond. Sorted by start, then by satellite.
std::vector<PhenomenonSpan> PhenomenonSpans(const std::vector<Phenomenon>& rows, const std::vector<bool>& listed,
                                            Extended firstJD, Extended lastJD, const PhenomenaSearch& beyond);

// What the events are written with.
struct CalendarListing {
    PlanetId Planet = Jupiter;
    TimeScale Scale;                    // the clock of the times in the descriptions
    std::optional<ObservingSite> Site;  // its name as LOCATION, its coordinates as GEO
    std::int64_t StampUnixSeconds = 0;  // DTSTAMP: when the file is written, POSIX seconds
};

// The iCalendar file of the phenomena, and of mutual events.
std::string PhenomenaCalendar(const CalendarListing& listing, const std::vector<PhenomenonSpan>& spans);
std::string MutualEventsCalendar(const CalendarListing& listing, const std::vector<MutualEvent>& events);

// The events' summaries: "Io : passage devant Jupiter", "Io : passage de l'ombre sur Jupiter",
// "Io : occultation par Jupiter", "Io : éclipse par Jupiter", "Tache rouge : passage au méridien
// central"; a mutual event's is its list's text ("Io occulte Europe").
std::string PhenomenonSummary(PlanetId planet, const PhenomenonSpan& span);

}  // namespace vireon
