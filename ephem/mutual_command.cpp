// vireon-ephem --mutual: the mutual events of Jupiter's or Saturn's satellites whose maximum
// falls in a span of days (satellites/mutual_events.h), sorted by maximum.
#include <optional>
#include <ostream>

#include "ephem/ephem_cli.h"
#include "ephem/line_writer.h"
#include "satellites/mutual_events.h"
#include "satellites/planet_descriptor.h"

namespace vireon::ephem {
namespace {

// An instant of an event as the rows write it: YYYY-MM-DDTHH:MM:SS of the program's time scale.
std::string InstantText(Extended jd) { return FormatInstant(CalendarFromJulianDay(jd)); }

// An instant that may be absent: empty in CSV, null in JSON.
template <class Writer>
void OptionalInstant(Writer& w, std::string_view name, const std::optional<Extended>& jd)
{
    if (jd) w.Text(name, InstantText(*jd));
    else w.Number(name, std::nullopt);
}

// The columns of --mutual, in order.
template <class Writer>
void VisitMutualColumns(PlanetId planet, const MutualEvent& e, Writer& w)
{
    w.Text("start", InstantText(e.StartJD));
    w.Text("maximum", InstantText(e.MaximumJD));
    w.Text("end", InstantText(e.EndJD));
    OptionalInstant(w, "umbral_start", e.UmbralStartJD);
    OptionalInstant(w, "umbral_end", e.UmbralEndJD);
    w.Text("planet", PlanetName(planet));
    w.Text("event", MutualKindName(e.Kind));
    w.Integer("active_index", e.Active);
    w.Text("active_name", SatelliteName(planet, e.Active));
    w.Integer("passive_index", e.Passive);
    w.Text("passive_name", SatelliteName(planet, e.Passive));
    w.Number("impact", static_cast<double>(e.Impact));
    w.Number("magnitude", static_cast<double>(e.Magnitude));
    w.Number("flux_drop", static_cast<double>(e.FluxDrop));
    w.Integer("visible", e.Visible ? 1 : 0);
}

}  // namespace

std::string MutualCsvHeader()
{
    HeaderWriter header;
    VisitMutualColumns(Jupiter, MutualEvent{}, header);
    return header.text;
}

std::string FormatMutualEvent(PlanetId planet, const MutualEvent& event, OutputFormat format)
{
    LineWriter line(format);
    VisitMutualColumns(planet, event, line);
    return line.Finish();
}

void RunMutual(const EphemRequest& request, std::ostream& out)
{
    if (request.Format == OutputFormat::Csv) out << MutualCsvHeader() << '\n';
    const double first = JulianDayFromCalendar(request.Start);
    const double last = JulianDayFromCalendar(LastEventInstant(request));
    for (const MutualEvent& event : FindMutualEvents(request.Planet, first, last)) {
        out << FormatMutualEvent(request.Planet, event, request.Format) << '\n';
    }
}

}  // namespace vireon::ephem
