// vireon-ephem --mutual: the mutual events of Jupiter's or Saturn's satellites whose maximum
// falls in a span of days (satellites/mutual_events.h), sorted by maximum.
#include <optional>
#include <ostream>

#include "ephem/ephem_cli.h"
#include "satellites/event_calendar.h"
#include "satellites/event_rows.h"
#include "satellites/mutual_events.h"

namespace vireon::ephem {

std::string MutualCsvHeader(const EphemRequest& request) { return MutualEventsHeader(EventTableOf(request)); }

std::string MutualCsvHeader() { return MutualCsvHeader(EphemRequest{}); }

std::string FormatMutualEvent(PlanetId planet, const MutualEvent& event, OutputFormat format)
{
    return MutualEventLine({planet, TimeScale{}, false}, event, {}, LineFormatOf(format));
}

void RunMutual(const EphemRequest& request, std::ostream& out)
{
    if (request.Format == OutputFormat::Csv) out << MutualCsvHeader(request) << '\n';
    // The span is read on the request's clock: from --date to the last second of its last day.
    const Extended first = TerrestrialFromReadingOrLater(request.Scale, JulianDayFromCalendar(request.Start));
    const Extended last = TerrestrialFromReadingOrLater(request.Scale, JulianDayFromCalendar(LastEventInstant(request)));
    const std::vector<MutualEvent> events = FindMutualEvents(request.Planet, first, last);
    std::vector<Extended> maxima;
    for (const MutualEvent& event : events) maxima.push_back(event.MaximumJD);
    const std::vector<std::optional<SiteColumns>> altitudes = SiteColumnsAtInstants(request.Site, request.Planet, maxima);
    const EventTable table = EventTableOf(request);
    std::vector<MutualEvent> listed;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const EventExtras extras = EventExtrasAt(request.Scale, events[i].MaximumJD, altitudes[i]);
        if (request.ObservableOnly && !extras.Observable) continue;
        if (request.Format == OutputFormat::Ics) listed.push_back(events[i]);
        else out << MutualEventLine(table, events[i], extras, LineFormatOf(request.Format)) << '\n';
    }
    if (request.Format == OutputFormat::Ics) out << MutualEventsCalendar(CalendarListingOf(request), listed);
}

}  // namespace vireon::ephem
