#include "satellites/event_rows.h"

#include "core/instant_text.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

// The extras a table's header names.
EventExtras HeaderExtras(const EventTable& table)
{
    EventExtras extras;
    if (table.Scale.Kind != TimeScaleKind::Terrestrial) extras.DeltaTSeconds = 0;
    if (table.WithSite) extras.Site = SiteColumns{};
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

// The columns of a phenomenon, in order.
template <class Writer>
void VisitPhenomenonColumns(const EventTable& table, const Phenomenon& event, const EventExtras& extras, Writer& w)
{
    const PlanetId planet = table.Planet;
    w.Text("instant", table.Scale.Kind == TimeScaleKind::Terrestrial
                          ? FormatInstant(CalendarFromJulianDay(event.JD))
                          : FormatInstantOnScale(table.Scale, event.JD, ListedRounding(event.Kind)));
    w.Number("jd", static_cast<double>(event.JD));
    w.Text("planet", Planet(planet).CommandName);
    w.Integer("index", event.Satellite);
    w.Text("name", BodyName(planet, event));
    w.Text("event", EventName(event.Kind));
    w.Integer("visible", event.Visible ? 1 : 0);
    VisitEventExtras(extras, w);
}

// An instant of a mutual event as the rows write it: YYYY-MM-DDTHH:MM:SS on the table's clock,
// to the nearest second, with the scale's suffix.
std::string MutualInstantText(const TimeScale& scale, Extended jd)
{
    if (scale.Kind == TimeScaleKind::Terrestrial) return FormatInstant(CalendarFromJulianDay(jd));
    return FormatInstantOnScale(scale, jd);
}

// An instant that may be absent: empty in CSV, null in JSON.
template <class Writer>
void OptionalInstant(Writer& w, std::string_view name, const TimeScale& scale, const std::optional<Extended>& jd)
{
    if (jd) w.Text(name, MutualInstantText(scale, *jd));
    else w.Number(name, std::nullopt);
}

// The columns of a mutual event, in order; the clock's and the site's after them, at the maximum.
template <class Writer>
void VisitMutualColumns(const EventTable& table, const MutualEvent& e, const EventExtras& extras, Writer& w)
{
    const PlanetId planet = table.Planet;
    const TimeScale& scale = table.Scale;
    w.Text("start", MutualInstantText(scale, e.StartJD));
    w.Text("maximum", MutualInstantText(scale, e.MaximumJD));
    w.Text("end", MutualInstantText(scale, e.EndJD));
    OptionalInstant(w, "umbral_start", scale, e.UmbralStartJD);
    OptionalInstant(w, "umbral_end", scale, e.UmbralEndJD);
    w.Text("planet", Planet(planet).CommandName);
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

SiteColumns SiteColumnsOf(const SiteAltitudes& a)
{
    return {static_cast<double>(a.PlanetAltitudeDeg), static_cast<double>(a.PlanetAzimuthDeg),
            static_cast<double>(a.SunAltitudeDeg)};
}

bool IsObservable(const SiteColumns& site)
{
    return site.PlanetAltitudeDeg >= ObservablePlanetAltitudeDeg && site.SunAltitudeDeg <= ObservableSunAltitudeDeg;
}

std::vector<std::optional<SiteColumns>> SiteColumnsAtInstants(const std::optional<ObservingSite>& site, PlanetId planet,
                                                              const std::vector<Extended>& sortedJDs)
{
    std::vector<std::optional<SiteColumns>> columns(sortedJDs.size());
    if (!site || sortedJDs.empty()) return columns;
    // One track for the span of the instants.
    const AltitudeTrack track(*site, planet, sortedJDs.front(), sortedJDs.back());
    for (std::size_t i = 0; i < sortedJDs.size(); ++i) {
        columns[i] = SiteColumnsOf(track.At(sortedJDs[i], UniversalFromTerrestrial(sortedJDs[i])));
    }
    return columns;
}

EventExtras EventExtrasAt(const TimeScale& scale, Extended jdTT, const std::optional<SiteColumns>& site)
{
    EventExtras extras;
    if (scale.Kind != TimeScaleKind::Terrestrial) {
        extras.DeltaTSeconds = static_cast<double>(DeltaTSeconds(UniversalFromTerrestrial(jdTT)));
    }
    extras.Site = site;
    extras.Observable = !site || IsObservable(*site);
    return extras;
}

std::string PhenomenaHeader(const EventTable& table)
{
    HeaderWriter header;
    VisitPhenomenonColumns(table, Phenomenon{}, HeaderExtras(table), header);
    return header.text;
}

std::string PhenomenonLine(const EventTable& table, const Phenomenon& event, const EventExtras& extras, LineFormat format)
{
    LineWriter line(format);
    VisitPhenomenonColumns(table, event, extras, line);
    return line.Finish();
}

std::string MutualEventsHeader(const EventTable& table)
{
    HeaderWriter header;
    VisitMutualColumns(table, MutualEvent{}, HeaderExtras(table), header);
    return header.text;
}

std::string MutualEventLine(const EventTable& table, const MutualEvent& event, const EventExtras& extras,
                            LineFormat format)
{
    LineWriter line(format);
    VisitMutualColumns(table, event, extras, line);
    return line.Finish();
}

}  // namespace vireon
