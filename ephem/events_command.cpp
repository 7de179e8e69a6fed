// vireon-ephem --events: the phenomena of Jupiter's or Saturn's satellites over a span of days.
#include <chrono>
#include <ostream>

#include "core/instants.h"
#include "ephem/ephem_cli.h"
#include "satellites/event_calendar.h"
#include "satellites/event_rows.h"
#include "satellites/phenomena.h"

namespace vireon::ephem {

CalendarFields LastEventInstant(const EphemRequest& request)
{
    return FieldsOfSeconds(SecondsOf(request.Start) + std::int64_t{request.Days} * SecondsPerDay - 1);
}

EventTable EventTableOf(const EphemRequest& request) { return {request.Planet, request.Scale, request.Site.has_value()}; }

CalendarListing CalendarListingOf(const EphemRequest& request)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return {request.Planet, request.Scale, request.Site, std::chrono::duration_cast<std::chrono::seconds>(now).count()};
}

std::string EventsCsvHeader(const EphemRequest& request) { return PhenomenaHeader(EventTableOf(request)); }

std::string EventsCsvHeader() { return EventsCsvHeader(EphemRequest{}); }

std::string FormatEvent(PlanetId planet, const Phenomenon& event, OutputFormat format)
{
    return PhenomenonLine({planet, TimeScale{}, false}, event, {}, LineFormatOf(format));
}

void RunEvents(const EphemRequest& request, std::ostream& out)
{
    if (request.Format == OutputFormat::Csv) out << EventsCsvHeader(request) << '\n';
    // The span is read on the request's clock: from --date to the last second of its last day.
    const Extended first = TerrestrialFromReadingOrLater(request.Scale, JulianDayFromCalendar(request.Start));
    const Extended last = TerrestrialFromReadingOrLater(request.Scale, JulianDayFromCalendar(LastEventInstant(request)));
    std::vector<Phenomenon> events = FindPhenomena(request.Planet, first, last);
    if (request.RedSpotLongitude) events = WithRedSpotTransits(std::move(events), first, last, *request.RedSpotLongitude);
    std::vector<Extended> instants;
    for (const Phenomenon& event : events) instants.push_back(event.JD);
    const std::vector<std::optional<SiteColumns>> altitudes = SiteColumnsAtInstants(request.Site, request.Planet, instants);
    const EventTable table = EventTableOf(request);
    std::vector<bool> listed(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Phenomenon& event = events[i];
        const EventExtras extras = EventExtrasAt(request.Scale, event.JD, altitudes[i]);
        listed[i] = !request.ObservableOnly || extras.Observable;
        if (!listed[i] || request.Format == OutputFormat::Ics) continue;
        out << PhenomenonLine(table, event, extras, LineFormatOf(request.Format)) << '\n';
    }
    if (request.Format == OutputFormat::Ics) {
        const PlanetId planet = request.Planet;
        const auto beyond = [planet](Extended from, Extended to) { return FindPhenomena(planet, from, to); };
        out << PhenomenaCalendar(CalendarListingOf(request), PhenomenonSpans(events, listed, first, last, beyond));
    }
}

}  // namespace vireon::ephem
