// vireon-ephem --mutual: the mutual events of Jupiter's or Saturn's satellites whose maximum
// falls in a span of days (satellites/mutual_events.h), sorted by maximum.
#include <optional>
#include <ostream>

#include "ephem/ephem_cli.h"
#include "ephem/event_extras.h"
#include "ephem/line_writer.h"
#include "satellites/mutual_events.h"
#include "satellites/planet_descriptor.h"

namespace vireon::ephem {
namespace {

// An instant of an event as the rows write it: YYYY-MM-DDTHH:MM:SS on the request's clock, to the
// nearest second, with the scale's suffix.
std::string InstantText(const TimeScale& scale, Extended jd)
{
    if (scale.Kind == TimeScaleKind::Terrestrial) return FormatInstant(CalendarFromJulianDay(jd));
    return FormatInstantOnScale(scale, jd);
}

// An instant that may be absent: empty in CSV, null in JSON.
template <class Writer>
void OptionalInstant(Writer& w, std::string_view name, const TimeScale& scale, const std::optional<Extended>& jd)
{
    if (jd) w.Text(name, InstantText(scale, *jd));
    else w.Number(name, std::nullopt);
}

// The columns of --mutual, in order; the clock's and the site's after them, at the maximum.
template <class Writer>
void VisitMutualColumns(const EphemRequest& request, const MutualEvent& e, const EventExtras& extras, Writer& w)
{
    const PlanetId planet = request.Planet;
    const TimeScale& scale = request.Scale;
    w.Text("start", InstantText(scale, e.StartJD));
    w.Text("maximum", InstantText(scale, e.MaximumJD));
    w.Text("end", InstantText(scale, e.EndJD));
    OptionalInstant(w, "umbral_start", scale, e.UmbralStartJD);
    OptionalInstant(w, "umbral_end", scale, e.UmbralEndJD);
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
    VisitEventExtras(extras, w);
}

}  // namespace

std::string MutualCsvHeader(const EphemRequest& request)
{
    HeaderWriter header;
    VisitMutualColumns(request, MutualEvent{}, HeaderExtras(request), header);
    return header.text;
}

std::string MutualCsvHeader() { return MutualCsvHeader(EphemRequest{}); }

std::string FormatMutualEvent(PlanetId planet, const MutualEvent& event, OutputFormat format)
{
    EphemRequest request;
    request.Planet = planet;
    LineWriter line(format);
    VisitMutualColumns(request, event, {}, line);
    return line.Finish();
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
    const std::vector<std::optional<EphemRow::SiteColumns>> altitudes = SiteColumnsAtInstants(request, maxima);
    for (std::size_t i = 0; i < events.size(); ++i) {
        const EventExtras extras = EventExtrasAt(request, events[i].MaximumJD, altitudes[i]);
        if (request.ObservableOnly && !extras.Observable) continue;
        LineWriter line(request.Format);
        VisitMutualColumns(request, events[i], extras, line);
        out << line.Finish() << '\n';
    }
}

}  // namespace vireon::ephem
