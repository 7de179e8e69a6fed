#include "satellites/event_calendar.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/date_commands.h"
#include "core/icalendar.h"
#include "core/instant_text.h"
#include "core/time_base.h"
#include "satellites/event_texts.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

// How far beyond the span a phenomenon's missing start or end is searched for, days.
constexpr Extended BeyondDays = 2;

// The kinds come in pairs, a start then its end: transit, shadow, occultation, eclipse; then the
// Red Spot's transit.
int ConditionOf(PhenomenonKind kind) { return static_cast<int>(kind) / 2; }
bool IsStart(PhenomenonKind kind) { return static_cast<int>(kind) % 2 == 0; }
PhenomenonKind StartOf(PhenomenonKind kind) { return static_cast<PhenomenonKind>(ConditionOf(kind) * 2); }

constexpr const char* ConditionNames[] = {"transit", "shadow", "occultation", "eclipse", "grs"};

using Key = std::pair<int, int>;  // satellite, condition
Key KeyOf(const Phenomenon& row) { return {row.Satellite, ConditionOf(row.Kind)}; }

// A span while the rows are paired.
struct OpenSpan {
    PhenomenonSpan Span;
    bool HasStart = true, HasEnd = true, Listed = false;
};

// The starts of the phenomena under way at the end of beyond's rows.
std::map<Key, const Phenomenon*> StartsUnderWayAtEnd(const std::vector<Phenomenon>& rows)
{
    std::map<Key, const Phenomenon*> open;
    for (const Phenomenon& row : rows) {
        if (row.Kind == PhenomenonKind::RedSpotTransit) continue;
        if (IsStart(row.Kind)) open[KeyOf(row)] = &row;
        else open.erase(KeyOf(row));
    }
    return open;
}

// The ends of the phenomena under way at the start of beyond's rows.
std::map<Key, const Phenomenon*> EndsUnderWayAtStart(const std::vector<Phenomenon>& rows)
{
    std::map<Key, const Phenomenon*> ends;
    std::map<Key, bool> started;
    for (const Phenomenon& row : rows) {
        if (row.Kind == PhenomenonKind::RedSpotTransit) continue;
        if (IsStart(row.Kind)) started[KeyOf(row)] = true;
        else if (!started[KeyOf(row)] && !ends.count(KeyOf(row))) ends[KeyOf(row)] = &row;
    }
    return ends;
}

// The missing starts and ends, from beyond the span (or the span's own ends).
void CompleteSpans(std::vector<OpenSpan>& spans, Extended firstJD, Extended lastJD, const PhenomenaSearch& beyond)
{
    const bool startsMissing = std::any_of(spans.begin(), spans.end(), [](const OpenSpan& s) { return !s.HasStart; });
    const bool endsMissing = std::any_of(spans.begin(), spans.end(), [](const OpenSpan& s) { return !s.HasEnd; });
    std::vector<Phenomenon> before, after;
    if (startsMissing && firstJD > FirstSupportedJD) {
        before = beyond(std::max<Extended>(firstJD - BeyondDays, FirstSupportedJD), firstJD);
    }
    if (endsMissing && lastJD < LastSupportedJD()) {
        after = beyond(lastJD, std::min<Extended>(lastJD + BeyondDays, LastSupportedJD()));
    }
    const auto starts = StartsUnderWayAtEnd(before);
    const auto ends = EndsUnderWayAtStart(after);
    for (OpenSpan& s : spans) {
        const Key key{s.Span.Satellite, ConditionOf(s.Span.Kind)};
        if (!s.HasStart) {
            const auto found = starts.find(key);
            s.Span.StartJD = found != starts.end() ? found->second->JD : firstJD;
            if (found != starts.end()) s.Span.StartVisible = found->second->Visible;
        }
        if (!s.HasEnd) {
            const auto found = ends.find(key);
            s.Span.EndJD = found != ends.end() ? found->second->JD : lastJD;
            if (found != ends.end()) s.Span.EndVisible = found->second->Visible;
        }
    }
}

// The UT reading of a TT instant, rounded to the whole second as rounding says, in POSIX seconds.
std::int64_t UtcSecondsOf(Extended jdTT, SecondRounding rounding)
{
    const CalendarFields ut = ReadingFieldsOf(TimeScale{TimeScaleKind::Universal, {}}, jdTT, rounding);
    return UnixSecondsOfJulianDay(JulianDayFromCalendar(ut));
}

// "YYYYMMDDTHHMMSS" of a TT instant in the program's calendar: the instants the searches find,
// whatever clock a list is read on.
std::string CompactInstant(Extended jdTT)
{
    std::string text = FormatInstant(CalendarFromJulianDay(jdTT));
    std::erase_if(text, [](char c) { return c == '-' || c == ':'; });
    return text;
}

// "05/09/2026 12:34:56 UT" on the listing's clock: TT, UT or the zone's abbreviation.
std::string TimeOnClock(const TimeScale& scale, Extended jdTT, SecondRounding rounding)
{
    const CalendarFields f = ReadingFieldsOf(scale, jdTT, rounding);
    std::string clock = scale.Kind == TimeScaleKind::Terrestrial ? "TT" : ScaleAbbreviation(scale, jdTT);
    if (clock.empty()) clock = scale.Zone;
    return FormatDialogDate(f) + " " + FormatDialogTime(f) + " " + clock;
}

CalendarEvent WithSite(CalendarEvent e, const CalendarListing& listing)
{
    if (listing.Site) {
        e.Location = listing.Site->Name;
        e.LatitudeDeg = listing.Site->LatitudeDeg;
        e.LongitudeDeg = listing.Site->LongitudeDeg;
    }
    return e;
}

std::string RowLine(const CalendarListing& listing, PhenomenonKind kind, Extended jd, bool visible)
{
    return std::string(PhenomenonText(kind)) + " : " + TimeOnClock(listing.Scale, jd, ListedRounding(kind)) +
           (visible ? "" : " (invisible)");
}

CalendarEvent PhenomenonEvent(const CalendarListing& listing, const PhenomenonSpan& s)
{
    const PlanetDescriptor& planet = Planet(listing.Planet);
    CalendarEvent e;
    e.Uid = std::string(planet.CommandName) + "-" + std::to_string(s.Satellite) + "-" + ConditionNames[ConditionOf(s.Kind)] +
            "-" + CompactInstant(s.StartJD) + "@vireon";
    e.Summary = PhenomenonSummary(listing.Planet, s);
    if (s.Kind == PhenomenonKind::RedSpotTransit) {
        e.StartUnixSeconds = UtcSecondsOf(s.StartJD, ListedRounding(s.Kind));
        e.Description = RowLine(listing, s.Kind, s.StartJD, true);
    } else {
        const PhenomenonKind end = static_cast<PhenomenonKind>(static_cast<int>(s.Kind) + 1);
        e.StartUnixSeconds = UtcSecondsOf(s.StartJD, ListedRounding(s.Kind));
        e.EndUnixSeconds = UtcSecondsOf(s.EndJD, ListedRounding(end));
        e.Description = RowLine(listing, s.Kind, s.StartJD, s.StartVisible) + "\n" +
                        RowLine(listing, end, s.EndJD, s.EndVisible);
    }
    return WithSite(std::move(e), listing);
}

CalendarEvent MutualCalendarEvent(const CalendarListing& listing, const MutualEvent& m)
{
    const PlanetId planet = listing.Planet;
    CalendarEvent e;
    e.Uid = std::string(Planet(planet).CommandName) + "-" + MutualKindName(m.Kind) + "-" + std::to_string(m.Active) + "-" +
            std::to_string(m.Passive) + "-" + CompactInstant(m.MaximumJD) + "@vireon";
    e.StartUnixSeconds = UtcSecondsOf(m.StartJD, SecondRounding::Nearest);
    e.EndUnixSeconds = UtcSecondsOf(m.EndJD, SecondRounding::Nearest);
    e.Summary = MutualEventText(planet, m);
    const auto at = [&listing](Extended jd) { return TimeOnClock(listing.Scale, jd, SecondRounding::Nearest); };
    e.Description = "Début : " + at(m.StartJD) + "\nMaximum : " + at(m.MaximumJD) + "\nFin : " + at(m.EndJD) +
                    "\nChute : " + MagnitudeDropText(m);
    if (!m.Visible) {
        e.Description += "\nInvisible : " + std::string(SatelliteName(planet, m.Passive)) + " est caché par " +
                         Planet(planet).Name + " ou dans son ombre";
    }
    return WithSite(std::move(e), listing);
}

}  // namespace

std::vector<PhenomenonSpan> PhenomenonSpans(const std::vector<Phenomenon>& rows, const std::vector<bool>& listed,
                                            Extended firstJD, Extended lastJD, const PhenomenaSearch& beyond)
{
    std::vector<OpenSpan> spans;
    std::map<Key, std::size_t> open;  // the span of a start whose end is not read yet
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Phenomenon& row = rows[i];
        const bool shown = i < listed.size() && listed[i];
        if (row.Kind == PhenomenonKind::RedSpotTransit) {
            spans.push_back({{row.Satellite, row.Kind, row.JD, row.JD, row.Visible, row.Visible}, true, true, shown});
        } else if (IsStart(row.Kind)) {
            open[KeyOf(row)] = spans.size();
            spans.push_back({{row.Satellite, row.Kind, row.JD, row.JD, row.Visible, true}, true, false, shown});
        } else if (const auto found = open.find(KeyOf(row)); found != open.end()) {
            OpenSpan& s = spans[found->second];
            s.Span.EndJD = row.JD;
            s.Span.EndVisible = row.Visible;
            s.HasEnd = true;
            s.Listed = s.Listed || shown;
            open.erase(found);
        } else {
            spans.push_back({{row.Satellite, StartOf(row.Kind), row.JD, row.JD, true, row.Visible}, false, true, shown});
        }
    }
    std::erase_if(spans, [](const OpenSpan& s) { return !s.Listed; });
    CompleteSpans(spans, firstJD, lastJD, beyond);
    std::vector<PhenomenonSpan> result;
    for (const OpenSpan& s : spans) result.push_back(s.Span);
    std::stable_sort(result.begin(), result.end(), [](const PhenomenonSpan& a, const PhenomenonSpan& b) {
        return a.StartJD != b.StartJD ? a.StartJD < b.StartJD : a.Satellite < b.Satellite;
    });
    return result;
}

std::string PhenomenonSummary(PlanetId planet, const PhenomenonSpan& s)
{
    const std::string name = Planet(planet).Name;
    switch (s.Kind) {
    case PhenomenonKind::TransitStart: return std::string(SatelliteName(planet, s.Satellite)) + " : passage devant " + name;
    case PhenomenonKind::ShadowStart:
        return std::string(SatelliteName(planet, s.Satellite)) + " : passage de l'ombre sur " + name;
    case PhenomenonKind::OccultationStart: return std::string(SatelliteName(planet, s.Satellite)) + " : occultation par " + name;
    case PhenomenonKind::EclipseStart: return std::string(SatelliteName(planet, s.Satellite)) + " : éclipse par " + name;
    case PhenomenonKind::RedSpotTransit: return "Tache rouge : passage au méridien central";
    default: return "";
    }
}

std::string PhenomenaCalendar(const CalendarListing& listing, const std::vector<PhenomenonSpan>& spans)
{
    std::vector<CalendarEvent> events;
    for (const PhenomenonSpan& s : spans) events.push_back(PhenomenonEvent(listing, s));
    return WriteCalendar(events, listing.StampUnixSeconds);
}

std::string MutualEventsCalendar(const CalendarListing& listing, const std::vector<MutualEvent>& events)
{
    std::vector<CalendarEvent> calendar;
    for (const MutualEvent& m : events) calendar.push_back(MutualCalendarEvent(listing, m));
    return WriteCalendar(calendar, listing.StampUnixSeconds);
}

}  // namespace vireon
