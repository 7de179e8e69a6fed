// vireon-ephem --events: the phenomena of Jupiter's or Saturn's satellites over a span of days.
#include <ostream>

#include "ephem/ephem_cli.h"
#include "ephem/instants.h"
#include "ephem/event_extras.h"
#include "ephem/line_writer.h"
#include "satellites/phenomena.h"

namespace vireon::ephem {
namespace {

// The columns of --events, in order.
template <class Writer>
void VisitEventColumns(const EphemRequest& request, const Phenomenon& event, const EventExtras& extras, Writer& w)
{
    const PlanetId planet = request.Planet;
    w.Text("instant", request.Scale.Kind == TimeScaleKind::Terrestrial
                          ? FormatInstant(CalendarFromJulianDay(event.JD))
                          : FormatInstantOnScale(request.Scale, event.JD, ListedRounding(event.Kind)));
    w.Number("jd", static_cast<double>(event.JD));
    w.Text("planet", PlanetName(planet));
    w.Integer("index", event.Satellite);
    w.Text("name", BodyName(planet, event));
    w.Text("event", EventName(event.Kind));
    w.Integer("visible", event.Visible ? 1 : 0);
    VisitEventExtras(extras, w);
}

}  // namespace

CalendarFields LastEventInstant(const EphemRequest& request)
{
    return FieldsOfSeconds(SecondsOf(request.Start) + std::int64_t{request.Days} * SecondsPerDay - 1);
}

std::string EventsCsvHeader(const EphemRequest& request)
{
    HeaderWriter header;
    VisitEventColumns(request, Phenomenon{}, HeaderExtras(request), header);
    return header.text;
}

std::string EventsCsvHeader() { return EventsCsvHeader(EphemRequest{}); }

std::string FormatEvent(PlanetId planet, const Phenomenon& event, OutputFormat format)
{
    EphemRequest request;
    request.Planet = planet;
    LineWriter line(format);
    VisitEventColumns(request, event, {}, line);
    return line.Finish();
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
    const std::vector<std::optional<EphemRow::SiteColumns>> altitudes = SiteColumnsAtInstants(request, instants);
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Phenomenon& event = events[i];
        const EventExtras extras = EventExtrasAt(request, event.JD, altitudes[i]);
        if (request.ObservableOnly && !extras.Observable) continue;
        LineWriter line(request.Format);
        VisitEventColumns(request, event, extras, line);
        out << line.Finish() << '\n';
    }
}

}  // namespace vireon::ephem
