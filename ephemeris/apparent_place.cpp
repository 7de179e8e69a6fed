// Apparent geocentric places of the planets: each body and the Earth are evaluated one day
// before, one day after and at the instant itself; the geocentric vector is then interpolated
// back by the light time (Meeus, Astronomical Algorithms, ch. 33, light time by iteration, with
// a three-point interpolation, ch. 3, in place of re-evaluating the series). Frame: true equator
// and equinox of the date. Time scale: the Julian Day as given (TT; no Delta T).
#include "ephemeris/apparent_place.h"

#include <cassert>
#include <cmath>

#include "core/angles.h"
#include "core/time_base.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {


// The three evaluation epochs, as the Julian Day that is subtracted from jd: one day before, one
// day after, the instant itself. What the pipeline keeps of the planet and the Earth is the
// instant's.
constexpr Extended DayBeforeEpoch = 2451546;
constexpr Extended DayAfterEpoch = 2451544;
constexpr Extended InstantEpoch = 2451545;

constexpr int LightTimePasses = 5;

// The angles that turn the planet and the Earth into the true equatorial frame of one epoch
// (radians; the longitudes with the nutation), with their sines and cosines.
struct EpochAngles {
    Extended Obliquity = 0, EarthLongitude = 0, EarthLatitude = 0, PlanetLongitude = 0, PlanetLatitude = 0;
    SineAndCosine SinCosObliquity, SinCosEarthLongitude, SinCosEarthLatitude, SinCosPlanetLongitude, SinCosPlanetLatitude;
};

// The sines and cosines of the angles: directly at the instant; one day before or after, from
// the instant's by angle addition (each angle moves by under 1/16 rad in a day).
void SinesCosines(EpochAngles& angles, const EpochAngles* instant)
{
    auto near = [instant](Extended angle, Extended reference, const SineAndCosine& atReference) {
        return instant ? SineCosineNear(angle, reference, atReference) : SineCosineExtended(angle);
    };
    const EpochAngles& i = instant ? *instant : angles;
    angles.SinCosObliquity = near(angles.Obliquity, i.Obliquity, i.SinCosObliquity);
    angles.SinCosEarthLongitude = near(angles.EarthLongitude, i.EarthLongitude, i.SinCosEarthLongitude);
    angles.SinCosEarthLatitude = near(angles.EarthLatitude, i.EarthLatitude, i.SinCosEarthLatitude);
    angles.SinCosPlanetLongitude = near(angles.PlanetLongitude, i.PlanetLongitude, i.SinCosPlanetLongitude);
    angles.SinCosPlanetLatitude = near(angles.PlanetLatitude, i.PlanetLatitude, i.SinCosPlanetLatitude);
}

// The planet and the Earth at one epoch (T in Julian millennia), given their heliocentric places
// and the nutation of that epoch: the planet's longitude gets the nutation in longitude, no
// aberration. With the instant's angles (for the day before and after) the sines and cosines
// follow from them and the Earth's aberration terms are left out; without, the epoch is the
// instant, whose angles are kept in angles.
GeocentricEvaluation GeocentricFrom(Extended t, const HeliocentricPlace& planet, const HeliocentricPlace& earth,
                                    const NutationAngles& nutation, const EpochAngles* instant, EpochAngles& angles)
{
    GeocentricEvaluation e;
    e.Nutation = nutation;
    e.TrueObliquity = TrueObliquity(t, e.Nutation);
    e.Helio = planet;
    e.Earth.Helio = earth;

    angles.Obliquity = e.TrueObliquity;
    angles.EarthLongitude = EarthApparentLongitude(earth, e.Nutation);
    angles.EarthLatitude = earth.B;
    angles.PlanetLongitude = planet.L + e.Nutation.Longitude * RadiansPerArcsec;
    angles.PlanetLatitude = planet.B;
    SinesCosines(angles, instant);

    const Vec3 v =
        EclipticToEquatorial(angles.SinCosEarthLongitude, angles.SinCosEarthLatitude, earth.R, angles.SinCosObliquity);
    e.Earth.X = v.x;
    e.Earth.Y = v.y;
    e.Earth.Z = v.z;
    if (!instant) SetEarthAberration(t, SineCosineExtended(earth.L), angles.SinCosObliquity, e.Earth);
    e.Heliocentric =
        EclipticToEquatorial(angles.SinCosPlanetLongitude, angles.SinCosPlanetLatitude, planet.R, angles.SinCosObliquity);
    e.Geocentric = e.Heliocentric - v;
    return e;
}

// A planet's north pole, right ascension and declination referred to the J2000.0 equator, radians.
struct PoleJ2000 {
    Extended Alpha0, Delta0;
};

// The IAU poles of Uranus and Pluto (Archinal et al. 2011, Celest. Mech. Dyn. Astr. 109, 101,
// report of the IAU WGCCRE 2009: alpha0 = 257.311 deg, delta0 = -15.175 deg; 132.993 deg, -6.163 deg).
constexpr PoleJ2000 UranusPole = {257.311L * Pi / 180, -15.175L * Pi / 180};
constexpr PoleJ2000 PlutoPole = {132.993L * Pi / 180, -6.163L * Pi / 180};

// Neptune's IAU pole (same report): alpha0 = 299.36 + 0.70 sin N, delta0 = 43.46 - 0.51 cos N
// degrees, N = 357.85 + 52.316 T, T in Julian centuries from J2000.0.
PoleJ2000 NeptunePole(Extended jd)
{
    const SineAndCosine N = SineCosineExtended((357.85L + 52.316L * (jd - 2451545) / 36525) * Pi / 180);
    return {(299.36L + 0.70L * N.Sin) * Pi / 180, (43.46L - 0.51L * N.Cos) * Pi / 180};
}

// Position angle of a planet's north pole on the sky, from celestial north through east, radians
// in [0, 2pi): the pole is carried to the true equator of the date as Jupiter's is
// (ApparentFromJ2000, with the nutation and the Earth of the planet's apparent place at jd), and
// the angle taken at the planet's apparent place as for Saturn's ring pole (Meeus 45).
Extended PolePositionAngleOfDate(Extended jd, const PoleJ2000& pole, const PlanetPlace& planet, const PlanetPlaces& places)
{
    Extended alpha0 = pole.Alpha0, delta0 = pole.Delta0;
    ApparentFromJ2000(jd, places.Nutation, places.TrueObliquity, places.Earth, alpha0, delta0);
    const SineAndCosine d0 = SineCosineExtended(delta0), d = SineCosineExtended(planet.Dec * Pi / 180),
                        a = SineCosineExtended(alpha0 - planet.RA * Pi / 12);
    Extended pa = ArcTanQuadrant(static_cast<double>(d0.Sin * d.Cos - d0.Cos * d.Sin * a.Cos), static_cast<double>(d0.Cos * a.Sin));
    if (pa < 0) pa += 2 * Pi;
    return pa;
}

// Pluto at the three epochs.
AroundInstant<HeliocentricPlace> PlutoAround(const AroundInstant<Extended>& t)
{
    return {PlutoHeliocentric(t.DayBefore), PlutoHeliocentric(t.Instant), PlutoHeliocentric(t.DayAfter)};
}

}  // namespace

Extended JulianMillenniaOf(Extended jd) { return (jd - 2451545) / 365250; }

AroundInstant<Extended> JulianMillenniaAround(Extended jd)
{
    return {(jd - DayBeforeEpoch) / 365250, (jd - InstantEpoch) / 365250, (jd - DayAfterEpoch) / 365250};
}

HeliocentricPlace HeliocentricSeries(int body, Extended julianMillennia)
{
    const PlanetSeries* series = Vsop87Tables(body);
    assert(series != nullptr);
    if (series == nullptr) return {};
    return {LongitudeFromArcsec(EvaluateCoordinate(series->L, series->L64, julianMillennia)),
            LatitudeFromArcsec(EvaluateCoordinate(series->B, series->B64, julianMillennia)),
            RadiusFromAu(EvaluateCoordinate(series->R, series->R64, julianMillennia))};
}

AroundInstant<HeliocentricPlace> HeliocentricSeriesAround(int body, const AroundInstant<Extended>& julianMillennia)
{
    const PlanetSeries* series = Vsop87Tables(body);
    assert(series != nullptr);
    if (series == nullptr) return {};
    const AroundInstant<Extended> L = EvaluateCoordinateAround(series->L, series->L64, julianMillennia);
    const AroundInstant<Extended> B = EvaluateCoordinateAround(series->B, series->B64, julianMillennia);
    const AroundInstant<Extended> R = EvaluateCoordinateAround(series->R, series->R64, julianMillennia);
    auto place = [](Extended l, Extended b, Extended r) {
        return HeliocentricPlace{LongitudeFromArcsec(l), LatitudeFromArcsec(b), RadiusFromAu(r)};
    };
    return {place(L.DayBefore, B.DayBefore, R.DayBefore), place(L.Instant, B.Instant, R.Instant),
            place(L.DayAfter, B.DayAfter, R.DayAfter)};
}

GeocentricEvaluation PlanetGeocentric(PlanetId p, Extended jd, Extended epochJD)
{
    assert(IsPlanetId(p));
    const Extended t = (jd - epochJD) / 365250;
    const HeliocentricPlace planet = p == Pluto ? PlutoHeliocentric(t) : HeliocentricSeries(p, t);
    EpochAngles angles;
    return GeocentricFrom(t, planet, HeliocentricSeries(3, t), Nutation(t), nullptr, angles);
}

Vec3 LightTimeInterpolation(const Vec3& dayBefore, const Vec3& now,
                                        const Vec3& dayAfter, Extended& lightTimeDays)
{
    Vec3 w = now;
    Extended tau = 0;
    for (int pass = 0; pass < LightTimePasses; ++pass) {
        tau = Norm(w) / SpeedOfLightKmPerDay;
        // Lagrange weights of the nodes -1, 0, +1 day at -tau.
        const Extended kBefore = (tau + 1) * tau / 2;
        const Extended kNow = 1 - tau * tau;
        const Extended kAfter = (tau - 1) * tau / 2;
        w = {kBefore * dayBefore.x + kNow * now.x + kAfter * dayAfter.x,
             kBefore * dayBefore.y + kNow * now.y + kAfter * dayAfter.y,
             kBefore * dayBefore.z + kNow * now.z + kAfter * dayAfter.z};
    }
    lightTimeDays = tau;
    return w;
}

Extended RightAscensionHours(const Vec3& v)
{
    Extended hours;
    if (v.x != 0) {
        hours = std::atan(v.y / v.x) * 12 / Pi;
        if (v.x < 0) hours += 12;
    } else if (v.y != 0) {
        hours = v.y > 0 ? 6 : -6;
    } else {
        hours = 0;  // on the pole (or the origin): any right ascension would do
    }
    if (hours < 0) hours += 24;
    if (hours >= 24) hours = 0;  // a tiny negative value rounded up to 24 by the turn
    return hours;
}

Extended DeclinationDegrees(const Vec3& v)
{
    const Extended rho = std::sqrt(v.x * v.x + v.y * v.y);
    if (rho == 0) return v.z > 0 ? 90 : (v.z < 0 ? -90 : 0);
    return std::atan(v.z / rho) * 180 / Pi;
}

void PlanetApparent(PlanetId p, Extended jd, PlanetPlaces& places)
{
    assert(IsPlanetId(p));
    // Each series, and the nutation, is evaluated once for the three epochs.
    const AroundInstant<Extended> t = JulianMillenniaAround(jd);
    const AroundInstant<HeliocentricPlace> earth = HeliocentricSeriesAround(3, t);
    const AroundInstant<HeliocentricPlace> helio = p == Pluto ? PlutoAround(t) : HeliocentricSeriesAround(p, t);
    EpochAngles atInstant, atBefore, atAfter;
    const AroundInstant<NutationAngles> nutation = NutationAround(t);
    const GeocentricEvaluation instant =
        GeocentricFrom(t.Instant, helio.Instant, earth.Instant, nutation.Instant, nullptr, atInstant);
    const GeocentricEvaluation before =
        GeocentricFrom(t.DayBefore, helio.DayBefore, earth.DayBefore, nutation.DayBefore, &atInstant, atBefore);
    const GeocentricEvaluation after =
        GeocentricFrom(t.DayAfter, helio.DayAfter, earth.DayAfter, nutation.DayAfter, &atInstant, atAfter);

    Extended tau = 0;
    const Vec3 w = LightTimeInterpolation(before.Geocentric, instant.Geocentric, after.Geocentric, tau);

    PlanetPlace& planet = places.Planet[p];
    planet.Helio = instant.Helio;
    planet.X = w.x;
    planet.Y = w.y;
    planet.Z = w.z;
    planet.RA = RightAscensionHours(w);
    planet.Dec = DeclinationDegrees(w);
    planet.Distance = Norm(w);

    places.Earth = instant.Earth;
    places.Nutation = instant.Nutation;
    places.TrueObliquity = instant.TrueObliquity;
    places.LightTime = tau;
    places.PlanetRA = planet.RA;
    places.PlanetDec = planet.Dec;
}

void MarsApparent(Extended jd, PlanetPlaces& places) { PlanetApparent(Mars, jd, places); }

void JupiterApparent(Extended jd, PlanetPlaces& places) { PlanetApparent(Jupiter, jd, places); }

void UranusApparent(Extended jd, PlanetPlaces& places)
{
    PlanetApparent(Uranus, jd, places);
    places.PlanetPolePA = PolePositionAngleOfDate(jd, UranusPole, places.Planet[Uranus], places);
}

void NeptuneApparent(Extended jd, PlanetPlaces& places)
{
    PlanetApparent(Neptune, jd, places);
    places.PlanetPolePA = PolePositionAngleOfDate(jd, NeptunePole(jd), places.Planet[Neptune], places);
}

void PlutoApparent(Extended jd, PlanetPlaces& places)
{
    PlanetApparent(Pluto, jd, places);
    places.PlanetPolePA = PolePositionAngleOfDate(jd, PlutoPole, places.Planet[Pluto], places);
}

}  // namespace vireon
