// The search for the mutual events of Jupiter's and Saturn's satellites over a span of seconds.
//
// Light time. The theories place a satellite at the planet's light time tau (satellites/theory.h).
// The light now arriving from satellite k left it tau + delta_k earlier, delta_k = (|L + r_k| -
// |L|) / c, L the line of sight from the Earth to the planet's centre as the light left it and r_k
// the satellite's planetocentric position: up to +-6.3 s for Callisto, 12 s for Japet. So the
// satellite is placed delta_k further back, r_k taken first at the planet's light time (the depth
// it gives is off by the satellite's motion over delta_k, 100 km at most, 0.3 ms of light), and
// the planet's own heliocentric motion over delta_k, up to 80 km, is taken off with it. L itself
// is the planet's apparent vector without the aberration of the Earth's motion: the program's
// apparent vector is that of both bodies a light time earlier (ephemeris/apparent_place.h), which
// turns the line of sight by 1e-4 rad, and a pair 1e6 km apart in depth would move across it by
// 100 km, seconds of an event; the Earth's motion is put back, and the aberration itself, the
// same for both satellites, changes their separation by 1e-4 of itself. In an eclipse the same
// holds for P, and A is placed the light time from A to P before P (up to 8 s).
//
// Search, for each pair of satellites and each kind:
// 1. The planet-level values come from full runs of the theory every half day, interpolated in
//    between (satellites/planet_track.h).
// 2. Every hour all the satellites are placed at the planet's light time. A pair's separation
//    (as seen from the Earth, or from the Sun for the shadow) is a smooth vector s(t): between
//    two samples it stays within K h^2 / 8 of the chord between them, K bounding its second
//    derivative (the satellites' accelerations, measured by second differences of the samples),
//    and the own light times move each satellite by at most its speed times the delays. Where
//    even that bound keeps the separation above the contact distance, the hour is skipped; out
//    of the satellites' equinox seasons nearly every hour is.
// 3. The hours left are halved, with the satellites at their own light times, down to 225 s,
//    each half skipped when the same bound allows. The local minima of the separation among the
//    points left are refined by Brent's minimiser, the contacts between points of opposite sign
//    by Brent's method; a contact interval is one event, its maximum the least of the minima in
//    it (a slow event may pass two minima). An event whose contacts lie beyond the hours
//    scanned is followed, 225 s at a time, for up to two days.
#include "satellites/mutual_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "core/time_base.h"
#include "satellites/disc_overlap.h"
#include "satellites/globe_phenomena.h"
#include "satellites/planet_descriptor.h"
#include "satellites/planet_track.h"
#include "satellites/projection.h"
#include "satellites/search_support.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

// The Sun's radius (IAU 2015 Resolution B3, nominal solar radius), km.
constexpr Extended SunRadiusKm = 695700;
constexpr Extended LightKmPerSecond = SpeedOfLightKmPerDay / SecondsPerDay;

constexpr std::int64_t SampleStepSeconds = 3600;
constexpr Extended LeafSeconds = SampleStepSeconds / 16.0L;
// The hours scanned beyond the span on each side, and how far an event is followed beyond them.
constexpr std::int64_t PadSeconds = 6 * 3600;
constexpr std::int64_t ReachSeconds = 2 * SecondsPerDay;
constexpr Extended RootToleranceSeconds = 1e-3L;
constexpr Extended MinimumToleranceSeconds = 1e-2L;
// On the speeds and accelerations measured from hourly samples: the chord of Mimas's orbit over
// an hour is 0.3% short of its arc, its second difference 0.6% short of its acceleration.
constexpr Extended Safety = 1.25L;

// --- The sky and the sunlight at one instant (the Earth's, in seconds from the base) ---

struct MutualFrame {
    Extended Second = 0;
    Extended JD = 0;
    PlanetState State;
    Vec3 Sight;           // L: from the Earth to the planet's centre as the light left it, km
    Vec3 Sun;             // the Sun's centre from the planet's centre then, km
    Vec3 PlanetVelocity;  // the planet's heliocentric velocity then, km/s
};

// The light-time difference between satellite k at r (planetocentric, km) and the planet, s.
Extended OwnDelaySeconds(const MutualFrame& f, const Vec3& r)
{
    return (Norm(f.Sight + r) - Norm(f.Sight)) / LightKmPerSecond;
}

// --- One pair at one instant ---

// A pair's geometry for one kind. The separation vector Bound is scaled so that the same
// satellites give the same vector whichever of them is active: an occultation's is the
// difference of the unit vectors from the Earth to satellites i and j times the planet's
// distance, an eclipse's the same from the Sun times the planet's distance from it.
struct PairGeometry {
    Vec3 Bound;
    Extended Separation = 0;  // |Bound|
    Extended Contact = 0;     // the separation at first and last contact, same scale
    int Active = 0, Passive = 0;
    Extended Scale = 1;       // from Bound's scale to km in P's plane
    // In km in P's plane: A's disc (or the caster's in the shadow's discs), the Sun's disc of the
    // shadow's discs (0 for an occultation), P's disc, and the centre of A's disc or of the shadow's
    // axis from P's centre.
    Extended Front = 0, Sun = 0, Back = 0;
    Vec3 Offset;

    Extended Margin() const { return Separation - Contact; }
    Extended Distance() const { return Separation * Scale; }
    MutualDiscs Discs() const { return {Front, Sun, Back, Distance()}; }
};

PairGeometry OccultationGeometry(const MutualFrame& f, const PlanetDescriptor& d, int i, const Vec3& xi, int j,
                                 const Vec3& xj)
{
    const Vec3 gi = f.Sight + xi, gj = f.Sight + xj;
    const Extended ni = Norm(gi), nj = Norm(gj), scale = Norm(f.Sight);
    const Extended ri = d.Satellites[i].RadiusKm, rj = d.Satellites[j].RadiusKm;
    const Vec3 ei = (1 / ni) * gi, ej = (1 / nj) * gj;
    PairGeometry g;
    g.Bound = scale * (ei - ej);
    g.Separation = Norm(g.Bound);
    g.Contact = scale * (ri / ni + rj / nj);
    const bool iFront = ni < nj;
    g.Active = iFront ? i : j;
    g.Passive = iFront ? j : i;
    const Extended nA = iFront ? ni : nj, nP = iFront ? nj : ni;
    g.Scale = nP / scale;
    g.Front = (iFront ? ri : rj) * nP / nA;
    g.Back = iFront ? rj : ri;
    g.Offset = iFront ? nP * (ei - ej) : nP * (ej - ei);
    return g;
}

// As seen from the Sun, A's disc has the angular radius R_A / d_A and P's R_P / d_P; the Sun's
// disc seen from a point of P, on the scale on which A's disc seen from there is R_A / d_A, is
// R_S (1 / d_A - 1 / d_P) (satellites/disc_overlap.h): the penumbra reaches the sum of A's and
// the Sun's, the umbra their difference. Times d_P these are km in P's plane.
PairGeometry EclipseGeometry(const MutualFrame& f, const PlanetDescriptor& d, int i, const Vec3& xi, int j,
                             const Vec3& xj)
{
    const Vec3 si = xi - f.Sun, sj = xj - f.Sun;
    const Extended di = Norm(si), dj = Norm(sj), scale = Norm(f.Sun);
    const Extended ri = d.Satellites[i].RadiusKm, rj = d.Satellites[j].RadiusKm;
    const Vec3 ei = (1 / di) * si, ej = (1 / dj) * sj;
    PairGeometry g;
    g.Bound = scale * (ei - ej);
    g.Separation = Norm(g.Bound);
    g.Contact = scale * (ri / di + rj / dj + SunRadiusKm * std::fabs(dj - di) / (di * dj));
    const bool iCasts = di <= dj;
    g.Active = iCasts ? i : j;
    g.Passive = iCasts ? j : i;
    const Extended dA = iCasts ? di : dj, dP = iCasts ? dj : di;
    g.Scale = dP / scale;
    g.Front = (iCasts ? ri : rj) * dP / dA;
    g.Sun = SunRadiusKm * (dP - dA) / dA;
    g.Back = iCasts ? rj : ri;
    g.Offset = iCasts ? dP * (ei - ej) : dP * (ej - ei);
    return g;
}

// The light of a satellite of magnitude m, on any fixed scale.
Extended FluxOfMagnitude(Extended m) { return std::pow(Extended{10}, -m / Extended{2.5}); }

// The fraction of the pair's light lost at the geometry's instant.
Extended LightLost(MutualKind kind, const PairGeometry& g, const PlanetDescriptor& d)
{
    return MeasureDiscs(kind, g.Discs()).PassiveLightLost *
           PassiveLightShare(d.Satellites[g.Active].Magnitude, d.Satellites[g.Passive].Magnitude);
}

// The separation of the umbra's edge from P's edge: negative while part of P is in the umbra.
Extended UmbralMargin(const PairGeometry& g) { return g.Distance() - (g.Front - g.Sun + g.Back); }

// The distance from the origin to the segment from a to b.
Extended SegmentDistance(const Vec3& a, const Vec3& b)
{
    const Vec3 d = b - a;
    const Extended dd = Dot(d, d);
    const Extended t = dd > 0 ? std::clamp(-Dot(a, d) / dd, Extended{0}, Extended{1}) : 0;
    return Norm(a + t * d);
}

// --- The planet and the satellites over the span ---

class MutualModel {
public:
    MutualModel(PlanetId planet, Extended baseJD, std::int64_t firstSecond, std::int64_t lastSecond)
        : descriptor_(Planet(planet)), track_(planet, baseJD, firstSecond, lastSecond)
    {
    }

    const PlanetDescriptor& Descriptor() const { return descriptor_; }

    MutualFrame FrameAt(Extended second) const
    {
        MutualFrame f;
        f.Second = second;
        f.JD = track_.JulianDay(second);
        f.State = track_.At(second);
        const Extended back = second - f.State.Axes.LightTimeDays * SecondsPerDay;
        // The apparent vector is the planet's a light time back from the Earth's position a light
        // time back; the line of sight runs from the Earth's position now.
        f.Sight = -f.State.Scene.Earth + (track_.EarthHeliocentricAt(back) - track_.EarthHeliocentricAt(second));
        f.Sun = track_.SunAt(back);
        f.PlanetVelocity = -track_.SunRateAt(back);
        return f;
    }

    // Satellites first..last at the planet's light time.
    void PlaceAll(const MutualFrame& f, int first, int last, std::array<Vec3, 9>& positions)
    {
        descriptor_.PlaceSatellites(f.JD, f.State.Axes, first, last, system_);
        for (int k = first; k <= last; ++k) positions[k] = system_.Position[k];
    }

    // Satellite k delay seconds before the planet's light time, from the planet's centre at its
    // light time.
    Vec3 Place(const MutualFrame& f, int k, Extended delaySeconds)
    {
        SatelliteAxes axes = f.State.Axes;
        axes.LightTimeDays += delaySeconds / SecondsPerDay;
        descriptor_.PlaceSatellites(f.JD, axes, k, k, system_);
        return system_.Position[k] - delaySeconds * f.PlanetVelocity;
    }

    // The pair i, j at the second, each satellite at its own light time (an eclipse's A at P's
    // instant less the light time from A to P).
    PairGeometry Exact(Extended second, MutualKind kind, int i, int j)
    {
        const MutualFrame f = FrameAt(second);
        const Vec3 ri = Place(f, i, 0), rj = Place(f, j, 0);
        if (kind == MutualKind::Occultation) {
            return OccultationGeometry(f, descriptor_, i, Place(f, i, OwnDelaySeconds(f, ri)), j,
                                       Place(f, j, OwnDelaySeconds(f, rj)));
        }
        const bool iCasts = Norm(ri - f.Sun) <= Norm(rj - f.Sun);
        const Extended passiveDelay = OwnDelaySeconds(f, iCasts ? rj : ri);
        const Extended activeDelay = passiveDelay + Norm(ri - rj) / LightKmPerSecond;
        return EclipseGeometry(f, descriptor_, i, Place(f, i, iCasts ? activeDelay : passiveDelay), j,
                               Place(f, j, iCasts ? passiveDelay : activeDelay));
    }

    // Whether satellite k at the second is neither hidden by the planet nor in its shadow, as the
    // views decide it.
    bool SeenClear(Extended second, int k)
    {
        const MutualFrame f = FrameAt(second);
        const SatellitePhenomena s = PhenomenaHolding(f.State.Scene, Place(f, k, 0));
        return !s.Occultation && !s.Eclipse;
    }

private:
    const PlanetDescriptor& descriptor_;
    PlanetTrack track_;
    SatelliteSystem system_;
};

// --- The search ---

// A pair's geometry at one point of the search.
struct Point {
    Extended Second = 0;
    PairGeometry Geometry;
};

// An event found, in seconds from the base, before it is rounded and described.
struct Found {
    Extended Start = 0, Maximum = 0, End = 0;
    PairGeometry AtMaximum;
};

struct Pair {
    int I = 0, J = 0;
};

// One hourly sample: the frame and every satellite at the planet's light time, with its
// direction and distance from the Earth and from the Sun.
struct Sample {
    Extended Second = 0;
    MutualFrame Frame;
    std::array<Vec3, 9> Positions{};
    std::array<Extended, 9> DelaySeconds{};  // |delta_k|
    std::array<Vec3, 9> FromEarth{}, FromSun{};
    std::array<Extended, 9> EarthDistance{}, SunDistance{};
    Extended SightScale = 0, SunScale = 0;  // the planet's distances from the Earth and the Sun
};

// A pair's separation vector and contact distance at a sample, as OccultationGeometry and
// EclipseGeometry make them.
struct CoarsePair {
    Vec3 Bound;
    Extended Contact = 0;
};

CoarsePair CoarsePairAt(MutualKind kind, const Sample& s, const PlanetDescriptor& d, int i, int j)
{
    const Extended ri = d.Satellites[i].RadiusKm, rj = d.Satellites[j].RadiusKm;
    if (kind == MutualKind::Occultation) {
        return {s.SightScale * (s.FromEarth[i] - s.FromEarth[j]),
                s.SightScale * (ri / s.EarthDistance[i] + rj / s.EarthDistance[j])};
    }
    const Extended di = s.SunDistance[i], dj = s.SunDistance[j];
    return {s.SunScale * (s.FromSun[i] - s.FromSun[j]),
            s.SunScale * (ri / di + rj / dj + SunRadiusKm * std::fabs(dj - di) / (di * dj))};
}

// The hours of one pair and kind that the bound could not skip, run together.
struct Candidate {
    std::size_t PairIndex = 0;
    MutualKind Kind = MutualKind::Occultation;
    std::int64_t From = 0, To = 0;
    Extended Acceleration = 0;  // K, km/s^2, bounding the separation's second derivative
    Extended Speed = 0;         // km/s, bounding the rate of the satellites' distances
    Extended PlanetSpeed = 0;   // km/s, the planet's heliocentric speed
    Extended SunDistanceKm = 0; // the planet's distance from the Sun
};

constexpr MutualKind Kinds[] = {MutualKind::Occultation, MutualKind::Eclipse};

class MutualSearch {
public:
    MutualSearch(PlanetId planet, const CalendarFields& base, std::int64_t lastSecond)
        : base_(base), lastSecond_(lastSecond),
          model_(planet, JulianDayFromCalendar(base), -PadSeconds - SampleStepSeconds - ReachSeconds,
                 lastSecond + PadSeconds + SampleStepSeconds + ReachSeconds)
    {
        const int n = model_.Descriptor().SatelliteCount;
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j) pairs_.push_back({i, j});
        open_.resize(pairs_.size() * 2);
    }

    std::vector<MutualEvent> Run()
    {
        Scan();
        std::vector<std::pair<Candidate, Found>> found;
        for (const Candidate& c : candidates_) {
            for (const Found& f : Refine(c)) found.push_back({c, f});
        }
        return List(found);
    }

private:
    // --- Step 2: the hourly scan ---

    void FillSample(Extended second, Sample& s)
    {
        s.Second = second;
        s.Frame = model_.FrameAt(second);
        model_.PlaceAll(s.Frame, 1, model_.Descriptor().SatelliteCount, s.Positions);
        s.SightScale = Norm(s.Frame.Sight);
        s.SunScale = Norm(s.Frame.Sun);
        for (int k = 1; k <= model_.Descriptor().SatelliteCount; ++k) {
            const Vec3 g = s.Frame.Sight + s.Positions[k], h = s.Positions[k] - s.Frame.Sun;
            s.EarthDistance[k] = Norm(g);
            s.SunDistance[k] = Norm(h);
            s.FromEarth[k] = (1 / s.EarthDistance[k]) * g;
            s.FromSun[k] = (1 / s.SunDistance[k]) * h;
            s.DelaySeconds[k] = std::fabs(s.EarthDistance[k] - s.SightScale) / LightKmPerSecond;
        }
    }

    void Scan()
    {
        const std::int64_t first = -PadSeconds;
        const std::int64_t count = (lastSecond_ + 2 * PadSeconds + SampleStepSeconds - 1) / SampleStepSeconds + 1;
        std::array<Sample, 4> ring;  // samples m - 3 .. m, one before the first and one after the last
        const auto at = [&ring](std::int64_t m) -> Sample& { return ring[static_cast<std::size_t>((m + 4) % 4)]; };
        for (std::int64_t m = -1; m <= count; ++m) {
            FillSample(static_cast<Extended>(first + m * SampleStepSeconds), at(m));
            if (m >= 2) ScanHour(at(m - 3), at(m - 2), at(m - 1), at(m));
        }
        for (std::optional<Candidate>& c : open_) Close(c);
        std::sort(candidates_.begin(), candidates_.end(), [](const Candidate& a, const Candidate& b) {
            return a.From != b.From ? a.From < b.From : a.PairIndex < b.PairIndex;
        });
    }

    // The hour from a to b, with the samples before and after for the speeds and accelerations.
    void ScanHour(const Sample& before, const Sample& a, const Sample& b, const Sample& after)
    {
        const PlanetDescriptor& d = model_.Descriptor();
        const Extended h = SampleStepSeconds;
        const Extended planetSpeed = std::max(Norm(a.Frame.PlanetVelocity), Norm(b.Frame.PlanetVelocity));
        std::array<Extended, 9> speed{}, acceleration{};
        for (int k = 1; k <= d.SatelliteCount; ++k) {
            const Vec3 &p0 = before.Positions[k], &p1 = a.Positions[k], &p2 = b.Positions[k], &p3 = after.Positions[k];
            speed[k] = Safety * std::max({Norm(p1 - p0), Norm(p2 - p1), Norm(p3 - p2)}) / h;
            acceleration[k] = Safety * std::max(Norm(p2 - 2 * p1 + p0), Norm(p3 - 2 * p2 + p1)) / (h * h);
        }
        for (std::size_t p = 0; p < pairs_.size(); ++p) {
            const auto [i, j] = pairs_[p];
            // Placed at the planet's light time, each satellite is off by its speed and the
            // planet's times its delay (an eclipse's A: P's delay and the light time from A to P).
            const Extended lag = std::max({a.DelaySeconds[i], a.DelaySeconds[j], b.DelaySeconds[i], b.DelaySeconds[j]}) +
                                 std::max(Norm(a.Positions[i] - a.Positions[j]), Norm(b.Positions[i] - b.Positions[j])) /
                                     LightKmPerSecond;
            const Extended slack = 1.1L * (speed[i] + speed[j] + 2 * planetSpeed) * lag + 1;
            const Extended sunDistance = std::min(a.SunScale, b.SunScale);
            const Extended K = acceleration[i] + acceleration[j];
            const Extended V = speed[i] + speed[j];
            for (const MutualKind kind : Kinds) {
                const CoarsePair ga = CoarsePairAt(kind, a, d, i, j), gb = CoarsePairAt(kind, b, d, i, j);
                const bool possible =
                    LowerBound(kind, ga.Bound, gb.Bound, ga.Contact, gb.Contact, h, K, V, sunDistance, slack) <= 0;
                std::optional<Candidate>& c = open_[p * 2 + static_cast<std::size_t>(kind)];
                const auto from = static_cast<std::int64_t>(a.Second), to = static_cast<std::int64_t>(b.Second);
                if (!possible) {
                    Close(c);
                } else if (c && c->To == from) {
                    c->To = to;
                    c->Acceleration = std::max(c->Acceleration, K);
                    c->Speed = std::max(c->Speed, V);
                    c->PlanetSpeed = std::max(c->PlanetSpeed, planetSpeed);
                    c->SunDistanceKm = std::min(c->SunDistanceKm, sunDistance);
                } else {
                    Close(c);
                    c = Candidate{p, kind, from, to, K, V, planetSpeed, sunDistance};
                }
            }
        }
    }

    void Close(std::optional<Candidate>& c)
    {
        if (c) candidates_.push_back(*c);
        c.reset();
    }

    // A lower bound of the pair's margin over an interval dt long between two geometries: the
    // separation stays within K dt^2 / 8 (and the slack) of the chord between the ends, and the
    // contact distance grows no faster than the satellites' distances part.
    static Extended LowerBound(MutualKind kind, const Vec3& a, const Vec3& b, Extended contactA, Extended contactB,
                               Extended dt, Extended K, Extended V, Extended sunDistanceKm, Extended slack)
    {
        Extended contact = std::max(contactA, contactB) * 1.001L + 1;
        if (kind == MutualKind::Eclipse) contact += 1.01L * SunRadiusKm * V * dt / 2 / sunDistanceKm;
        return SegmentDistance(a, b) - K * dt * dt / 8 - slack - contact;
    }

    // --- Step 3: halving the hours, minima and contacts ---

    Point Evaluate(Extended second, const Candidate& c)
    {
        const Pair& p = pairs_[c.PairIndex];
        return {second, model_.Exact(second, c.Kind, p.I, p.J)};
    }

    // Points in time order where the pair may be in contact, in runs of adjacent leaves.
    struct Leaves {
        std::vector<std::vector<Point>> Runs;
        bool Open = false;
        void Append(const Point& lo, const Point& hi)
        {
            if (Open && Runs.back().back().Second == lo.Second) Runs.back().push_back(hi);
            else Runs.push_back({lo, hi});
            Open = true;
        }
        void Break() { Open = false; }
    };

    void Explore(const Point& lo, const Point& hi, const Candidate& c, Leaves& leaves)
    {
        const PairGeometry &a = lo.Geometry, &b = hi.Geometry;
        // In an eclipse the satellite placed the light time from A to P earlier changes when the
        // two are at the same distance from the Sun (never near an event): allow for the jump.
        Extended slack = 0;
        if (a.Active != b.Active) {
            slack = 1.1L * (c.Speed + 2 * c.PlanetSpeed) * std::max(a.Separation, b.Separation) / LightKmPerSecond + 1;
        }
        const Extended dt = hi.Second - lo.Second;
        if (LowerBound(c.Kind, a.Bound, b.Bound, a.Contact, b.Contact, dt, c.Acceleration, c.Speed, c.SunDistanceKm,
                       slack) > 0) {
            leaves.Break();
            return;
        }
        if (dt <= LeafSeconds) {
            leaves.Append(lo, hi);
            return;
        }
        const Point middle = Evaluate((lo.Second + hi.Second) / 2, c);
        Explore(lo, middle, c, leaves);
        Explore(middle, hi, c, leaves);
    }

    // A run that starts or ends in contact (at the ends of the hours scanned) is followed until
    // it does not, within ReachSeconds of the scan.
    void Extend(std::vector<Point>& run, const Candidate& c)
    {
        const Extended earliest = -PadSeconds - ReachSeconds;
        const Extended latest = static_cast<Extended>(lastSecond_ + PadSeconds + ReachSeconds);
        while (run.front().Geometry.Margin() < 0 && run.front().Second - LeafSeconds >= earliest) {
            run.insert(run.begin(), Evaluate(run.front().Second - LeafSeconds, c));
        }
        while (run.back().Geometry.Margin() < 0 && run.back().Second + LeafSeconds <= latest) {
            run.push_back(Evaluate(run.back().Second + LeafSeconds, c));
        }
    }

    // The events of one run: its local minima refined, then its contacts.
    std::vector<Found> Analyse(const std::vector<Point>& run, const Candidate& c)
    {
        const auto separation = [&](Extended t) { return Evaluate(t, c).Geometry.Separation; };
        const auto margin = [&](Extended t) { return Evaluate(t, c).Geometry.Margin(); };
        std::vector<Point> minima;
        const std::size_t n = run.size();
        for (std::size_t i = 0; i < n; ++i) {
            const Extended s = run[i].Geometry.Separation;
            if ((i > 0 && s > run[i - 1].Geometry.Separation) || (i + 1 < n && s > run[i + 1].Geometry.Separation)) continue;
            const Minimum m = BrentMinimum(separation, run[i > 0 ? i - 1 : 0].Second, run[i + 1 < n ? i + 1 : i].Second,
                                           MinimumToleranceSeconds);
            const Point at = Evaluate(m.X, c);
            if (at.Geometry.Margin() < 0) minima.push_back(at);
        }
        std::vector<Point> points = run;
        points.insert(points.end(), minima.begin(), minima.end());
        std::sort(points.begin(), points.end(), [](const Point& a, const Point& b) { return a.Second < b.Second; });

        std::vector<Found> found;
        std::optional<Extended> start;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const Extended fa = points[i].Geometry.Margin(), fb = points[i + 1].Geometry.Margin();
            if ((fa < 0) == (fb < 0)) continue;
            const Extended t = BrentZero(margin, points[i].Second, points[i + 1].Second, fa, fb, RootToleranceSeconds);
            if (fb < 0) {
                start = t;
                continue;
            }
            // A run that starts in contact beyond reach has no start: not listed.
            if (!start) continue;
            found.push_back(Describe(*start, t, minima, c));
            start.reset();
        }
        return found;
    }

    // The event from start to end: its maximum is the least of the minima in it.
    Found Describe(Extended start, Extended end, const std::vector<Point>& minima, const Candidate& c)
    {
        const Point* best = nullptr;
        for (const Point& m : minima) {
            if (m.Second >= start && m.Second <= end && (!best || m.Geometry.Separation < best->Geometry.Separation)) {
                best = &m;
            }
        }
        Point at;
        if (best) {
            at = *best;
        } else {
            const auto separation = [&](Extended t) { return Evaluate(t, c).Geometry.Separation; };
            at = Evaluate(BrentMinimum(separation, start, end, MinimumToleranceSeconds).X, c);
        }
        return {start, at.Second, end, at.Geometry};
    }

    std::vector<Found> Refine(const Candidate& c)
    {
        Leaves leaves;
        Point lo = Evaluate(static_cast<Extended>(c.From), c);
        for (std::int64_t t = c.From + SampleStepSeconds; t <= c.To; t += SampleStepSeconds) {
            const Point hi = Evaluate(static_cast<Extended>(t), c);
            Explore(lo, hi, c, leaves);
            lo = hi;
        }
        std::vector<Found> found;
        for (std::vector<Point>& run : leaves.Runs) {
            Extend(run, c);
            for (const Found& f : Analyse(run, c)) found.push_back(f);
        }
        return found;
    }

    // --- The rows ---

    Extended JulianDayOf(std::int64_t n) const { return JulianDayFromCalendar(FieldsAfter(base_, n)); }

    MutualEvent Row(const Candidate& c, const Found& f)
    {
        const PlanetDescriptor& d = model_.Descriptor();
        const PairGeometry& g = f.AtMaximum;
        MutualEvent e;
        e.Kind = c.Kind;
        e.Active = g.Active;
        e.Passive = g.Passive;
        const auto maximum = static_cast<std::int64_t>(std::nearbyint(f.Maximum));
        e.StartJD = JulianDayOf(static_cast<std::int64_t>(std::nearbyint(f.Start)));
        e.MaximumJD = JulianDayOf(maximum);
        e.EndJD = JulianDayOf(static_cast<std::int64_t>(std::nearbyint(f.End)));
        const MutualMeasures m = MeasureDiscs(c.Kind, g.Discs());
        e.Impact = m.Impact;
        e.Magnitude = m.Magnitude;
        e.Coverage = m.Coverage;
        e.FluxDrop = m.PassiveLightLost *
                     PassiveLightShare(d.Satellites[g.Active].Magnitude, d.Satellites[g.Passive].Magnitude);
        if (c.Kind == MutualKind::Eclipse && m.Magnitude > 0) SetUmbralContacts(c, f, e);
        e.Visible = model_.SeenClear(static_cast<Extended>(maximum), g.Passive);
        return e;
    }

    void SetUmbralContacts(const Candidate& c, const Found& f, MutualEvent& e)
    {
        const auto umbral = [&](Extended t) { return UmbralMargin(Evaluate(t, c).Geometry); };
        const Extended atMaximum = UmbralMargin(f.AtMaximum);
        const Extended atStart = umbral(f.Start), atEnd = umbral(f.End);
        if (atStart > 0) {
            const Extended t = BrentZero(umbral, f.Start, f.Maximum, atStart, atMaximum, RootToleranceSeconds);
            e.UmbralStartJD = JulianDayOf(static_cast<std::int64_t>(std::nearbyint(t)));
        }
        if (atEnd > 0) {
            const Extended t = BrentZero(umbral, f.Maximum, f.End, atMaximum, atEnd, RootToleranceSeconds);
            e.UmbralEndJD = JulianDayOf(static_cast<std::int64_t>(std::nearbyint(t)));
        }
    }

    std::vector<MutualEvent> List(std::vector<std::pair<Candidate, Found>>& found)
    {
        // Runs of neighbouring hours followed past their ends may find one event twice.
        std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            if (a.first.PairIndex != b.first.PairIndex) return a.first.PairIndex < b.first.PairIndex;
            if (a.first.Kind != b.first.Kind) return a.first.Kind < b.first.Kind;
            return a.second.Start < b.second.Start;
        });
        std::vector<MutualEvent> rows;
        for (std::size_t n = 0; n < found.size(); ++n) {
            const auto& [c, f] = found[n];
            if (n > 0 && found[n - 1].first.PairIndex == c.PairIndex && found[n - 1].first.Kind == c.Kind &&
                found[n - 1].second.End >= f.Start) {
                continue;
            }
            const auto maximum = static_cast<std::int64_t>(std::nearbyint(f.Maximum));
            if (maximum < 0 || maximum > lastSecond_) continue;
            rows.push_back(Row(c, f));
        }
        std::sort(rows.begin(), rows.end(), [](const MutualEvent& a, const MutualEvent& b) {
            if (a.MaximumJD != b.MaximumJD) return a.MaximumJD < b.MaximumJD;
            if (a.Kind != b.Kind) return a.Kind < b.Kind;
            if (a.Active != b.Active) return a.Active < b.Active;
            return a.Passive < b.Passive;
        });
        return rows;
    }

    CalendarFields base_;
    std::int64_t lastSecond_;
    MutualModel model_;
    std::vector<Pair> pairs_;
    std::vector<std::optional<Candidate>> open_;  // per pair and kind, the hours being run together
    std::vector<Candidate> candidates_;
};

}  // namespace

MutualMeasures MeasureDiscs(MutualKind kind, const MutualDiscs& d)
{
    MutualMeasures m;
    m.Impact = d.Separation / (d.Active + d.Sun + d.Passive);
    if (kind == MutualKind::Occultation) {
        m.Magnitude = CoveredDiameterFraction(d.Active, d.Passive, d.Separation);
        m.PassiveLightLost = OccultedFraction(d.Active, d.Passive, d.Separation);
        m.Coverage = d.Separation + d.Passive <= d.Active   ? MutualCoverage::Total
                     : d.Separation + d.Active <= d.Passive ? MutualCoverage::Annular
                                                            : MutualCoverage::Partial;
        return m;
    }
    m.PassiveLightLost = EclipsedFraction({d.Active, d.Sun, d.Passive, d.Separation});
    // The umbra's radius at P; beyond its apex, minus the antumbra's.
    const Extended umbra = d.Active - d.Sun;
    if (umbra > 0 && d.Separation < umbra + d.Passive) {
        m.Magnitude = CoveredDiameterFraction(umbra, d.Passive, d.Separation);
        m.Coverage = d.Separation + d.Passive <= umbra ? MutualCoverage::Total : MutualCoverage::Partial;
    } else {
        m.Coverage = umbra < 0 && d.Separation < d.Passive - umbra ? MutualCoverage::Annular : MutualCoverage::Penumbral;
    }
    return m;
}

Extended PassiveLightShare(Extended activeMagnitude, Extended passiveMagnitude)
{
    const Extended passive = FluxOfMagnitude(passiveMagnitude);
    return passive / (passive + FluxOfMagnitude(activeMagnitude));
}

bool HasMutualEvents(PlanetId planet)
{
    return IsPlanetId(planet) && Planet(planet).DrawsShadows && Planet(planet).PlaceSatellites != nullptr;
}

std::vector<MutualEvent> FindMutualEvents(PlanetId planet, Extended firstJD, Extended lastJD)
{
    if (!HasMutualEvents(planet)) return {};
    const CalendarFields first = CalendarFromJulianDay(firstJD);
    const std::int64_t lastSecond = SecondsBetween(first, CalendarFromJulianDay(lastJD));
    if (lastSecond < 0) return {};
    return MutualSearch(planet, first, lastSecond).Run();
}

std::vector<MutualAspect> MutualAspects(PlanetId planet, const MutualEvent& event, const std::vector<Extended>& jds)
{
    if (!HasMutualEvents(planet) || jds.empty()) return {};
    const Extended baseJD = event.MaximumJD;
    const auto [lowest, highest] = std::minmax_element(jds.begin(), jds.end());
    const auto firstSecond = static_cast<std::int64_t>(std::floor((*lowest - baseJD) * SecondsPerDay)) - 1;
    const auto lastSecond = static_cast<std::int64_t>(std::ceil((*highest - baseJD) * SecondsPerDay)) + 1;
    MutualModel model(planet, baseJD, firstSecond, lastSecond);
    const PlanetDescriptor& d = model.Descriptor();
    const int i = std::min(event.Active, event.Passive), j = std::max(event.Active, event.Passive);
    std::vector<MutualAspect> aspects;
    for (const Extended jd : jds) {
        const Extended second = (jd - baseJD) * SecondsPerDay;
        const PairGeometry g = model.Exact(second, event.Kind, i, j);
        const SkyFrame sky = MakeSkyFrame(-model.FrameAt(second).State.Scene.Earth);
        MutualAspect a;
        a.JD = jd;
        a.Light = 1 - LightLost(event.Kind, g, d);
        a.PassiveRadiusKm = g.Back;
        a.ActiveRadiusKm = g.Front;
        if (event.Kind == MutualKind::Eclipse) {
            a.UmbraRadiusKm = g.Front - g.Sun;
            a.PenumbraRadiusKm = g.Front + g.Sun;
        }
        a.CentreEastKm = Dot(g.Offset, sky.East);
        a.CentreNorthKm = Dot(g.Offset, sky.North);
        aspects.push_back(a);
    }
    return aspects;
}

const char* MutualKindName(MutualKind kind) { return kind == MutualKind::Occultation ? "occultation" : "eclipse"; }

}  // namespace vireon
