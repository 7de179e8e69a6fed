// The search for the satellite phenomena of Jupiter and Saturn over a span of whole seconds.
//
// Each phenomenon of each satellite is the span where one signed margin of
// satellites/globe_phenomena.h is negative. The margins are those the views' record is made
// from, so a row's instant is exactly where the picture changes.
//
// 1. The planet-level values come from full runs of the theory every half day, interpolated in
//    between (satellites/planet_track.h); only the satellites themselves are computed at every
//    instant examined.
// 2. The margins are sampled every hour, from two samples before the span to two after. A sign
//    change between two samples brackets one start or end. An event short enough to fall
//    between two samples (a grazing one) shows as a local minimum of the margin: the margin of
//    the line alone (of sight, or of the sunlight) bounds it from below and moves no faster
//    than the satellite, so a minimum is searched (golden section, to half a second) only where
//    that bound lets the margin reach zero.
// 3. Each bracketed change is refined by Brent's method to 0.1 ms. The listed instants are the
//    first and the last whole seconds at which the phenomenon holds, so that the views at a
//    listed instant show it; a change that falls within 10 ms of a whole second is settled by a
//    full run of the theory at that second, as the views compute it. A phenomenon that holds at
//    no whole second is not listed.
// 4. A phenomenon under way at the first second of the span has no start row; one under way at
//    the last has no end row.
#include "satellites/phenomena.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/time_base.h"
#include "ephemeris/planet_rotation.h"
#include "satellites/globe_phenomena.h"
#include "satellites/planet_descriptor.h"
#include "satellites/planet_track.h"
#include "satellites/search_support.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

constexpr std::int64_t SampleStepSeconds = 3600;
constexpr Extended RootToleranceSeconds = 1e-4L;
constexpr Extended DipToleranceSeconds = 0.5L;
// A change this close to a whole second is settled by a full run of the theory there: the
// interpolated planet and the refinement together are off by well under a millisecond.
constexpr Extended WholeSecondGuard = 0.01L;
// The margin of a line moves no faster than the satellite (stretched along the pole) divided by
// the equatorial radius, plus the turning of the line itself (under 7% for Saturn's Japet seen
// from the Earth), and the speed is measured as a chord over an hour (0.3% short for Mimas).
constexpr Extended SpeedSafety = 1.25L;

constexpr const char* EventNames[] = {"transit_start",     "transit_end",     "shadow_start",  "shadow_end",
                                      "occultation_start", "occultation_end", "eclipse_start", "eclipse_end",
                                      "grs_transit"};

// The four conditions, in the order of PhenomenonKind (start 2c, end 2c + 1).
constexpr int ConditionCount = 4;
enum Condition : int { TransitCondition, ShadowCondition, OccultationCondition, EclipseCondition };

Extended MarginOf(const PhenomenonMargins& m, int c)
{
    switch (c) {
    case TransitCondition: return m.Transit;
    case ShadowCondition: return m.ShadowTransit;
    case OccultationCondition: return m.Occultation;
    default: return m.Eclipse;
    }
}

// The margin of the line alone, which bounds the condition's margin from below.
Extended LineMarginOf(const PhenomenonMargins& m, int c)
{
    return c == TransitCondition || c == OccultationCondition ? m.LineOfSight : m.Sunlight;
}

// --- The margins at an instant ---

class MarginModel {
public:
    MarginModel(PlanetId planet, const CalendarFields& base, std::int64_t firstSecond, std::int64_t lastSecond)
        : planet_(planet), descriptor_(Planet(planet)), base_(base),
          track_(planet, JulianDayFromCalendar(base), firstSecond, lastSecond)
    {
    }

    int Count() const { return descriptor_.SatelliteCount; }
    const PlanetDescriptor& Descriptor() const { return descriptor_; }

    // Satellites first..last at the given second, the planet interpolated.
    void Evaluate(Extended second, int first, int last, std::array<PhenomenonMargins, 9>& margins)
    {
        const PlanetState state = track_.At(second);
        descriptor_.PlaceSatellites(track_.JulianDay(second), state.Axes, first, last, system_);
        for (int k = first; k <= last; ++k) margins[k] = PhenomenonMarginsOf(state.Scene, system_.Position[k]);
    }
    PhenomenonMargins Evaluate(Extended second, int k)
    {
        std::array<PhenomenonMargins, 9> margins;
        Evaluate(second, k, k, margins);
        return margins[k];
    }
    const Vec3& Position(int k) const { return system_.Position[k]; }

    // Satellite k at whole second n by a full run of the theory, exactly as the views compute it.
    PhenomenonMargins EvaluateExactly(std::int64_t n, int k)
    {
        const CalendarFields f = FieldsAfter(base_, n);
        PlanetPlaces places;
        SatelliteSystem system;
        ComputeSatelliteSystem(planet_, {JulianDayFromCalendar(f), f.Year}, places, system);
        return PhenomenonMarginsOf(GlobeSceneOf(system), system.Position[k]);
    }

    Extended JulianDayOf(std::int64_t n) const { return JulianDayFromCalendar(FieldsAfter(base_, n)); }

private:
    PlanetId planet_;
    const PlanetDescriptor& descriptor_;
    CalendarFields base_;
    PlanetTrack track_;
    SatelliteSystem system_;
};

// --- Refinement ---

// A change of one condition: where the margin crosses zero, and whether it turns negative.
struct Crossing {
    Extended Second = 0;
    bool Begins = false;
};

// A margin and the margin of its line alone, which bounds it from below.
struct MarginPair {
    Extended Margin = 0;
    Extended Line = 0;
};

// Golden-section search of a margin that is unimodal on (lo, hi) for an instant where it is
// negative. The line's margin moves by at most lineRate per second, so the search gives up once
// it cannot reach zero anywhere in the bracket left. It ends on the whole seconds next to the
// minimum: a phenomenon that holds at a whole second is found.
template <class F>
std::optional<Extended> FindDip(F margin, Extended lo, Extended hi, Extended lineRate)
{
    const Extended ratio = (std::sqrt(Extended{5}) - 1) / 2;
    Extended x1 = hi - ratio * (hi - lo), x2 = lo + ratio * (hi - lo);
    MarginPair f1 = margin(x1), f2 = margin(x2);
    while (hi - lo > DipToleranceSeconds) {
        if (f1.Margin < 0) return x1;
        if (f2.Margin < 0) return x2;
        const Extended reach1 = f1.Line - lineRate * std::max(x1 - lo, hi - x1);
        const Extended reach2 = f2.Line - lineRate * std::max(x2 - lo, hi - x2);
        if (reach1 > 0 || reach2 > 0) return std::nullopt;
        if (f1.Margin < f2.Margin) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - ratio * (hi - lo);
            f1 = margin(x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + ratio * (hi - lo);
            f2 = margin(x2);
        }
    }
    if (f1.Margin < 0) return x1;
    if (f2.Margin < 0) return x2;
    for (Extended n = std::floor(lo); n <= std::ceil(hi); ++n) {
        if (margin(n).Margin < 0) return n;
    }
    return std::nullopt;
}

// --- The search ---

// The margins of every satellite at one sample.
struct Sample {
    Extended Second = 0;
    std::array<PhenomenonMargins, 9> Margins{};
    std::array<Vec3, 9> Positions{};
};

// One condition of one satellite over the scan: whether it holds at the first sample, then
// every change, in time order.
struct ConditionScan {
    bool HoldsAtStart = false;
    std::vector<Crossing> Changes;
};

// Where a condition holds, in listed whole seconds; an open end lies beyond the scan.
struct Interval {
    std::optional<std::int64_t> First, Last;
    bool Contains(std::int64_t n) const { return (!First || *First <= n) && (!Last || n <= *Last); }
};

class PhenomenaSearch {
public:
    PhenomenaSearch(PlanetId planet, const CalendarFields& base, std::int64_t lastSecond)
        : lastSecond_(lastSecond),
          firstSample_(-2 * SampleStepSeconds),
          sampleCount_((lastSecond + 5 * SampleStepSeconds - 1) / SampleStepSeconds + 1),
          model_(planet, base, firstSample_, firstSample_ + (sampleCount_ - 1) * SampleStepSeconds)
    {
        const PlanetDescriptor& d = model_.Descriptor();
        // The line margins are in radii of the spheroid stretched by a/b along the pole; a
        // satellite's speed is its chord over one step.
        lineRatePerChordKm_ = SpeedSafety * (d.DiscEquatorialRadiusKm / d.DiscPolarRadiusKm) /
                              d.DiscEquatorialRadiusKm / SampleStepSeconds;
    }

    std::vector<Phenomenon> Run()
    {
        Scan();
        return List();
    }

private:
    void Scan()
    {
        std::array<Sample, 3> window;  // samples j - 2, j - 1, j
        for (std::int64_t j = 0; j < sampleCount_; ++j) {
            window[0] = window[1];
            window[1] = window[2];
            Sample& now = window[2];
            now.Second = static_cast<Extended>(firstSample_ + j * SampleStepSeconds);
            model_.Evaluate(now.Second, 1, model_.Count(), now.Margins);
            for (int k = 1; k <= model_.Count(); ++k) now.Positions[k] = model_.Position(k);
            for (int k = 1; k <= model_.Count(); ++k) {
                for (int c = 0; c < ConditionCount; ++c) {
                    if (j == 0) scans_[k][c].HoldsAtStart = MarginOf(now.Margins[k], c) < 0;
                    if (j >= 1) FindChange(window[1], now, k, c);
                    if (j >= 2) FindDipBetween(window, k, c);
                }
            }
        }
    }

    MarginPair MarginAt(Extended second, int k, int c)
    {
        const PhenomenonMargins m = model_.Evaluate(second, k);
        return {MarginOf(m, c), LineMarginOf(m, c)};
    }

    // A sign change between two samples: one start or end, refined.
    void FindChange(const Sample& before, const Sample& after, int k, int c)
    {
        const Extended fa = MarginOf(before.Margins[k], c);
        const Extended fb = MarginOf(after.Margins[k], c);
        if ((fa < 0) == (fb < 0)) return;
        AddChange(before.Second, after.Second, fa, fb, k, c);
    }

    void AddChange(Extended a, Extended b, Extended fa, Extended fb, int k, int c)
    {
        auto f = [&](Extended t) { return MarginAt(t, k, c).Margin; };
        scans_[k][c].Changes.push_back({BrentZero(f, a, b, fa, fb, RootToleranceSeconds), fb < 0});
    }

    // A local minimum of the samples that stay positive, where the line's margin could reach
    // zero between them: a short (grazing) phenomenon may lie there.
    void FindDipBetween(const std::array<Sample, 3>& w, int k, int c)
    {
        const Extended m0 = MarginOf(w[0].Margins[k], c);
        const Extended m1 = MarginOf(w[1].Margins[k], c);
        const Extended m2 = MarginOf(w[2].Margins[k], c);
        if (m0 < 0 || m1 < 0 || m2 < 0 || !(m1 < m0 && m1 <= m2)) return;
        const Extended chord = std::max(Norm(w[1].Positions[k] - w[0].Positions[k]),
                                        Norm(w[2].Positions[k] - w[1].Positions[k]));
        const Extended lineRate = lineRatePerChordKm_ * chord;
        const Extended lowest = std::min({LineMarginOf(w[0].Margins[k], c), LineMarginOf(w[1].Margins[k], c),
                                          LineMarginOf(w[2].Margins[k], c)});
        // Every instant of the window lies within half a step of a sample.
        if (lowest - lineRate * SampleStepSeconds / 2 > 0) return;
        auto f = [&](Extended t) { return MarginAt(t, k, c); };
        const std::optional<Extended> inside = FindDip(f, w[0].Second, w[2].Second, lineRate);
        if (!inside) return;
        const Extended fin = MarginAt(*inside, k, c).Margin;
        AddChange(w[0].Second, *inside, m0, fin, k, c);
        AddChange(*inside, w[2].Second, fin, m2, k, c);
    }

    // The first (for a start) or the last (for an end) whole second at which the condition
    // holds, next to the change.
    std::int64_t ListedSecond(const Crossing& x, int k, int c)
    {
        const Extended nearest = std::nearbyint(x.Second);
        if (std::fabs(x.Second - nearest) >= WholeSecondGuard) {
            return static_cast<std::int64_t>(x.Begins ? std::ceil(x.Second) : std::floor(x.Second));
        }
        const auto n = static_cast<std::int64_t>(nearest);
        const bool holds = MarginOf(model_.EvaluateExactly(n, k), c) < 0;
        if (x.Begins) return holds ? n : n + 1;
        return holds ? n : n - 1;
    }

    std::vector<Interval> IntervalsOf(int k, int c)
    {
        const ConditionScan& scan = scans_[k][c];
        std::vector<Interval> intervals;
        Interval now;
        bool holding = scan.HoldsAtStart;
        for (const Crossing& x : scan.Changes) {
            if (x.Begins) {
                now.First = ListedSecond(x, k, c);
            } else {
                now.Last = ListedSecond(x, k, c);
                intervals.push_back(now);
                now = Interval{};
            }
            holding = x.Begins;
        }
        if (holding) intervals.push_back(now);
        // A phenomenon that holds at no whole second is never shown: not listed either.
        std::erase_if(intervals, [](const Interval& i) { return i.First && i.Last && *i.First > *i.Last; });
        return intervals;
    }

    // A listed start or end with the second it is listed at, for sorting.
    struct Row {
        std::int64_t Second;
        Phenomenon Event;
    };

    // The rows of satellite k within the span.
    void AddRows(int k, std::vector<Row>& rows)
    {
        std::array<std::vector<Interval>, ConditionCount> intervals;
        for (int c = 0; c < ConditionCount; ++c) intervals[c] = IntervalsOf(k, c);
        for (int c = 0; c < ConditionCount; ++c) {
            // An occultation that begins or ends while eclipsed, or an eclipse while occulted, is
            // not seen.
            const std::vector<Interval>* hiding = c == OccultationCondition ? &intervals[EclipseCondition]
                                                : c == EclipseCondition     ? &intervals[OccultationCondition]
                                                                            : nullptr;
            for (const Interval& i : intervals[c]) {
                for (const auto& [second, kind] : {std::pair{i.First, 2 * c}, std::pair{i.Last, 2 * c + 1}}) {
                    if (!second || *second < 0 || *second > lastSecond_) continue;
                    const bool visible = !hiding || std::none_of(hiding->begin(), hiding->end(), [&](const Interval& h) {
                        return h.Contains(*second);
                    });
                    rows.push_back(
                        {*second, {model_.JulianDayOf(*second), k, static_cast<PhenomenonKind>(kind), visible}});
                }
            }
        }
    }

    std::vector<Phenomenon> List()
    {
        std::vector<Row> rows;
        for (int k = 1; k <= model_.Count(); ++k) AddRows(k, rows);
        std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            if (a.Second != b.Second) return a.Second < b.Second;
            if (a.Event.Satellite != b.Event.Satellite) return a.Event.Satellite < b.Event.Satellite;
            return a.Event.Kind < b.Event.Kind;
        });
        std::vector<Phenomenon> out;
        out.reserve(rows.size());
        for (const Row& r : rows) out.push_back(r.Event);
        return out;
    }

    std::int64_t lastSecond_;
    std::int64_t firstSample_;
    std::int64_t sampleCount_;
    MarginModel model_;
    Extended lineRatePerChordKm_ = 0;  // the line margins' bound on their rate, per second, per km of chord
    std::array<std::array<ConditionScan, ConditionCount>, 9> scans_{};
};

}  // namespace

bool HasPhenomena(PlanetId planet)
{
    return IsPlanetId(planet) && Planet(planet).DrawsShadows && Planet(planet).PlaceSatellites != nullptr;
}

std::vector<Phenomenon> FindPhenomena(PlanetId planet, Extended firstJD, Extended lastJD)
{
    if (!HasPhenomena(planet)) return {};
    const CalendarFields first = CalendarFromJulianDay(firstJD);
    const std::int64_t lastSecond = SecondsBetween(first, CalendarFromJulianDay(lastJD));
    if (lastSecond < 0) return {};
    return PhenomenaSearch(planet, first, lastSecond).Run();
}

std::vector<Phenomenon> WithRedSpotTransits(std::vector<Phenomenon> rows, Extended firstJD, Extended lastJD,
                                            Extended longitudeII)
{
    const std::size_t satelliteRows = rows.size();
    for (const Extended jd : RedSpotTransits(firstJD, lastJD, longitudeII)) {
        rows.push_back({jd, 0, PhenomenonKind::RedSpotTransit, true});
    }
    // Both runs are sorted: merged by instant, then satellite (the spot's 0 first).
    std::inplace_merge(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(satelliteRows), rows.end(),
                       [](const Phenomenon& a, const Phenomenon& b) {
                           return a.JD != b.JD ? a.JD < b.JD : a.Satellite < b.Satellite;
                       });
    return rows;
}

SecondRounding ListedRounding(PhenomenonKind kind)
{
    if (kind == PhenomenonKind::RedSpotTransit) return SecondRounding::Nearest;
    // Starts and ends alternate in the order of the kinds.
    return static_cast<int>(kind) % 2 == 0 ? SecondRounding::Up : SecondRounding::Down;
}

const char* EventName(PhenomenonKind kind) { return EventNames[static_cast<int>(kind)]; }

const char* BodyName(PlanetId planet, const Phenomenon& row)
{
    return row.Kind == PhenomenonKind::RedSpotTransit ? "Tache rouge" : SatelliteName(planet, row.Satellite);
}

}  // namespace vireon
