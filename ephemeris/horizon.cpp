// Topocentric altitude and azimuth of the planet and the Sun (Meeus, Astronomical Algorithms,
// ch. 11, 13, 25 and 40; the rectangular form of the parallax). Deviations: none beyond those
// the header lists (no refraction, no polar motion, UT1 = UT).
#include "ephemeris/horizon.h"

#include <cmath>

#include "core/angles.h"
#include "ephemeris/sidereal_time.h"

namespace vireon {
namespace {

// The WGS84 ellipsoid: equatorial radius (km) and flattening.
constexpr Extended EquatorialRadiusKm = 6378.137L;
constexpr Extended Flattening = 1 / 298.257223563L;

// The longest span a track takes, days: years 1 to 9999 and more (a longer or undefined span gets
// the four nodes around its first day).
constexpr Extended MaximumTrackDays = 3652500;

// The angle of (x, y) in degrees, by the 64-bit arctangent: its 1e-16 rad are far below the
// 1e-9 of the site's and the bodies' places.
Extended DegreesOfAngle(Extended y, Extended x)
{
    return std::atan2(static_cast<double>(y), static_cast<double>(x)) * DegreesPerRadian;
}

// Lagrange weights of the nodes -1, 0, 1, 2 (one day apart) at x days after node 0.
struct CubicWeights {
    Extended Before, At, After, TwoAfter;
};

CubicWeights CubicWeightsAt(Extended x)
{
    return {-x * (x - 1) * (x - 2) / 6, (x + 1) * (x - 1) * (x - 2) / 2, -(x + 1) * x * (x - 2) / 2,
            (x + 1) * x * (x - 1) / 6};
}

Vec3 Interpolated(const CubicWeights& w, const Vec3& before, const Vec3& at, const Vec3& after, const Vec3& twoAfter)
{
    return w.Before * before + w.At * at + w.After * after + w.TwoAfter * twoAfter;
}

// The local apparent sidereal time, which turns the equator of the date onto the site's meridian.
SineAndCosine LocalSiderealTime(const SiteFrame& site, Extended gast) { return SineCosineExtended(gast + site.EastLongitude); }

HorizontalPlace HorizontalFrom(const Vec3& geocentricKm, const SiteFrame& site, const SineAndCosine& theta)
{
    const Vec3 siteKm{site.DistanceFromAxisKm * theta.Cos, site.DistanceFromAxisKm * theta.Sin, site.DistanceFromEquatorKm};
    const Vec3 r = geocentricKm - siteKm;
    // Components toward the meridian's point of the equator (hour angle 0), toward the east point
    // and toward the celestial pole; then toward the north point of the horizon and the zenith.
    const Extended meridian = r.x * theta.Cos + r.y * theta.Sin;
    const Extended east = r.y * theta.Cos - r.x * theta.Sin;
    const Extended north = r.z * site.Latitude.Cos - meridian * site.Latitude.Sin;
    const Extended up = r.z * site.Latitude.Sin + meridian * site.Latitude.Cos;
    HorizontalPlace place;
    place.AltitudeDeg = DegreesOfAngle(up, std::sqrt(north * north + east * east));
    place.AzimuthDeg = DegreesOfAngle(east, north);
    if (place.AzimuthDeg < 0) place.AzimuthDeg += 360;
    if (place.AzimuthDeg >= 360) place.AzimuthDeg = 0;  // a tiny negative value rounded up by the turn
    return place;
}

SiteAltitudes AltitudesOf(const Vec3& planet, const Vec3& sun, const SiteFrame& site, Extended gast)
{
    const SineAndCosine theta = LocalSiderealTime(site, gast);
    const HorizontalPlace p = HorizontalFrom(planet, site, theta);
    return {p.AltitudeDeg, p.AzimuthDeg, HorizontalFrom(sun, site, theta).AltitudeDeg};
}

}  // namespace

SiteFrame SiteFrameOf(const ObservingSite& site)
{
    // Meeus' rho cos(phi') = cos u + (H/a) cos(phi) and rho sin(phi') = (b/a) sin u + (H/a) sin(phi),
    // tan u = (b/a) tan(phi), written with the radius of curvature in the prime vertical
    // N = a / sqrt(1 - e^2 sin^2(phi)) (a cos u = N cos(phi), b sin u = N (1 - e^2) sin(phi)), which
    // stays finite at the poles.
    SiteFrame frame;
    frame.Latitude = SineCosineExtended(static_cast<Extended>(site.LatitudeDeg) * RadiansPerDegree);
    frame.EastLongitude = static_cast<Extended>(site.LongitudeDeg) * RadiansPerDegree;
    const Extended e2 = Flattening * (2 - Flattening);
    const Extended n = EquatorialRadiusKm / std::sqrt(1 - e2 * frame.Latitude.Sin * frame.Latitude.Sin);
    const Extended heightKm = static_cast<Extended>(site.HeightM) / 1000;
    frame.DistanceFromAxisKm = (n + heightKm) * frame.Latitude.Cos;
    frame.DistanceFromEquatorKm = (n * (1 - e2) + heightKm) * frame.Latitude.Sin;
    return frame;
}

HorizontalPlace TopocentricHorizontal(const Vec3& geocentricKm, const SiteFrame& site, Extended gast)
{
    return HorizontalFrom(geocentricKm, site, LocalSiderealTime(site, gast));
}

Vec3 SunApparentGeocentric(const EarthPlace& earth, Extended trueObliquity)
{
    // The turn by -a about the unit vector k of the ecliptic pole (Rodrigues' formula).
    const Vec3 sun{-earth.X, -earth.Y, -earth.Z};
    const SineAndCosine e = SineCosineExtended(trueObliquity);
    const Vec3 k{0, -e.Sin, e.Cos};
    const SineAndCosine a = SineCosineExtended(earth.Aberration);
    return a.Cos * sun - a.Sin * Cross(k, sun) + ((1 - a.Cos) * Dot(k, sun)) * k;
}

SiteAltitudes AltitudesAt(const ObservingSite& site, PlanetId p, Extended jdTT, Extended jdUT)
{
    PlanetPlaces places;
    PlanetApparent(p, jdTT, places);
    return AltitudesAt(site, p, places, jdUT);
}

SiteAltitudes AltitudesAt(const ObservingSite& site, PlanetId p, const PlanetPlaces& places, Extended jdUT)
{
    const PlanetPlace& planet = places.Planet[p];
    const Extended gast = GreenwichApparentSiderealTime(jdUT, places.Nutation, places.TrueObliquity);
    return AltitudesOf({planet.X, planet.Y, planet.Z}, SunApparentGeocentric(places.Earth, places.TrueObliquity),
                       SiteFrameOf(site), gast);
}

AltitudeTrack::AltitudeTrack(const ObservingSite& site, PlanetId p, Extended firstJdTT, Extended lastJdTT)
    : site_(SiteFrameOf(site))
{
    const Extended first = std::floor(std::fmin(firstJdTT, lastJdTT));
    const Extended days = std::floor(std::fmax(firstJdTT, lastJdTT)) - first;
    firstNodeJD_ = std::isfinite(first) ? first - 1 : 0;
    const bool spanUsable = days >= 0 && days <= MaximumTrackDays;  // false for a NaN
    const std::size_t count = (spanUsable ? static_cast<std::size_t>(days) : 0) + 4;
    nodes_.resize(count);
    PlanetPlaces places;
    for (std::size_t i = 0; i < count; ++i) {
        PlanetApparent(p, firstNodeJD_ + static_cast<Extended>(i), places);
        const PlanetPlace& planet = places.Planet[p];
        nodes_[i] = {{planet.X, planet.Y, planet.Z}, SunApparentGeocentric(places.Earth, places.TrueObliquity)};
    }
}

SiteAltitudes AltitudeTrack::At(Extended jdTT, Extended jdUT) const
{
    // The node before the instant, kept one node in from either end (a NaN takes the first).
    const Extended last = static_cast<Extended>(nodes_.size() - 3);
    Extended k = std::floor(jdTT - firstNodeJD_);
    if (!(k >= 1)) k = 1;
    if (!(k <= last)) k = last;
    const std::size_t i = static_cast<std::size_t>(k);
    const CubicWeights w = CubicWeightsAt(jdTT - (firstNodeJD_ + k));
    const Vec3 planet = Interpolated(w, nodes_[i - 1].Planet, nodes_[i].Planet, nodes_[i + 1].Planet, nodes_[i + 2].Planet);
    const Vec3 sun = Interpolated(w, nodes_[i - 1].Sun, nodes_[i].Sun, nodes_[i + 1].Sun, nodes_[i + 2].Sun);
    return AltitudesOf(planet, sun, site_, GreenwichApparentSiderealTime(jdUT, jdTT));
}

bool IsObservable(const SiteAltitudes& altitudes)
{
    return altitudes.PlanetAltitudeDeg >= ObservablePlanetAltitudeDeg && altitudes.SunAltitudeDeg <= ObservableSunAltitudeDeg;
}

}  // namespace vireon
