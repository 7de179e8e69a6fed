// vireon-ephem --events: the phenomena of Jupiter's or Saturn's satellites over a span of days.
#include <ostream>

#include "ephem/ephem_cli.h"
#include "ephem/instants.h"
#include "ephem/line_writer.h"
#include "satellites/phenomena.h"

namespace vireon::ephem {
namespace {

// The columns of --events, in order.
template <class Writer>
void VisitEventColumns(PlanetId planet, const Phenomenon& event, Writer& w)
{
    w.Text("instant", FormatInstant(CalendarFromJulianDay(event.JD)));
    w.Number("jd", static_cast<double>(event.JD));
    w.Text("planet", PlanetName(planet));
    w.Integer("index", event.Satellite);
    w.Text("name", BodyName(planet, event));
    w.Text("event", EventName(event.Kind));
    w.Integer("visible", event.Visible ? 1 : 0);
}

}  // namespace

CalendarFields LastEventInstant(const EphemRequest& request)
{
    return FieldsOfSeconds(SecondsOf(request.Start) + std::int64_t{request.Days} * SecondsPerDay - 1);
}

std::string EventsCsvHeader()
{
    HeaderWriter header;
    VisitEventColumns(Jupiter, Phenomenon{}, header);
    return header.text;
}

std::string FormatEvent(PlanetId planet, const Phenomenon& event, OutputFormat format)
{
    LineWriter line(format);
    VisitEventColumns(planet, event, line);
    return line.Finish();
}

void RunEvents(const EphemRequest& request, std::ostream& out)
{
    if (request.Format == OutputFormat::Csv) out << EventsCsvHeader() << '\n';
    const double first = JulianDayFromCalendar(request.Start);
    const double last = JulianDayFromCalendar(LastEventInstant(request));
    std::vector<Phenomenon> events = FindPhenomena(request.Planet, first, last);
    if (request.RedSpotLongitude) events = WithRedSpotTransits(std::move(events), first, last, *request.RedSpotLongitude);
    for (const Phenomenon& event : events) {
        out << FormatEvent(request.Planet, event, request.Format) << '\n';
    }
}

}  // namespace vireon::ephem
