// Saturn's apparent place, the aspect of its rings and the position angle of its pole (Meeus,
// Astronomical Algorithms, ch. 45, "The Ring of Saturn": ring-plane inclination and node
// referred to the ecliptic and mean equinox of the date, T in Julian centuries).
#include <cmath>
#include <numbers>

#include "core/time_base.h"
#include "ephemeris/apparent_place.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended DegreesPerRadian = 57.2957795128L;

// Apparent diameter of the outer edge of the ring system at 1 au, arcseconds (Meeus 45).
constexpr Extended RingDiameterAtOneAu = 375.35L;

struct RingPlane {
    Extended inclination;  // i, radians
    Extended node;         // Omega, radians
};

// Inclination and node of the ring plane on the ecliptic of the date. The inclination's constant
// is taken as 28.0875216 deg where Meeus prints 28.075216 deg; the 0.0123 deg difference moves B by
// at most as much (16.4475 against 16.4412 deg on 1992 December 16, Meeus 45.a: 16.442 deg).
RingPlane RingPlaneOfDate(Extended julianCenturies)
{
    const Extended t = julianCenturies;
    return {(28.0875216L - (0.012998L - 0.000004L * t) * t) / DegreesPerRadian,
            (169.508476L + (1.394681L + 0.000412L * t) * t) / DegreesPerRadian};
}

// Saturn's geocentric ecliptic longitude and latitude (radians) from the heliocentric places
// of Saturn and the Earth at the instant (no light time, as in the book's method).
void GeocentricEcliptic(const HeliocentricPlace& saturn, const HeliocentricPlace& earth, Extended& lambda, Extended& beta)
{
    const Extended R = saturn.R / AstronomicalUnitKm, R0 = earth.R / AstronomicalUnitKm;
    const Extended x = R * std::cos(saturn.B) * std::cos(saturn.L) - R0 * std::cos(earth.L);
    const Extended y = R * std::cos(saturn.B) * std::sin(saturn.L) - R0 * std::sin(earth.L);
    const Extended z = R * std::sin(saturn.B) - R0 * std::sin(earth.B);
    lambda = ArcTanQuadrant(static_cast<double>(x), static_cast<double>(y));
    beta = ArcTanQuadrant(static_cast<double>(std::sqrt(x * x + y * y)), static_cast<double>(z));
}

// Position angle of the ring plane's pole, radians, from the planet's apparent right ascension
// (hours) and declination (degrees).
Extended PolePositionAngle(const RingPlane& plane, Extended trueObliquity, Extended raHours, Extended decDegrees)
{
    const Extended lambda0 = plane.node - Pi / 2;
    const Extended beta0 = Pi / 2 - plane.inclination;
    const Extended eps = trueObliquity;
    const Extended alpha0 = ArcTanQuadrant(static_cast<double>(std::cos(lambda0)),
                                           static_cast<double>(std::sin(lambda0) * std::cos(eps) -
                                                               Tangent(static_cast<double>(beta0)) * std::sin(eps)));
    const Extended delta0 = ArcSinSafe(
        static_cast<double>(std::sin(beta0) * std::cos(eps) + std::cos(beta0) * std::sin(eps) * std::sin(lambda0)));
    const Extended alpha = raHours * 15 / DegreesPerRadian;
    const Extended delta = decDegrees / DegreesPerRadian;
    return ArcTanQuadrant(
        static_cast<double>(std::sin(delta0) * std::cos(delta) - std::cos(delta0) * std::sin(delta) * std::cos(alpha0 - alpha)),
        static_cast<double>(std::cos(delta0) * std::sin(alpha0 - alpha)));
}

}  // namespace

void SaturnApparent(Extended jd, PlanetPlaces& places)
{
    PlanetApparent(Saturn, jd, places);
    const PlanetPlace& saturn = places.Planet[Saturn];

    const RingPlane plane = RingPlaneOfDate((jd - 2451545) / 36525);
    Extended lambda = 0, beta = 0;
    GeocentricEcliptic(saturn.Helio, places.Earth.Helio, lambda, beta);

    places.Rings.RingMajorAxis = static_cast<double>(RingDiameterAtOneAu / (saturn.Distance / AstronomicalUnitKm));
    // Saturnicentric latitude of the Earth referred to the ring plane.
    const Extended B = ArcSinSafe(static_cast<double>(std::sin(plane.inclination) * std::cos(beta) * std::sin(lambda - plane.node) -
                                                std::cos(plane.inclination) * std::sin(beta)));
    places.Rings.EarthLatitude = static_cast<double>(B);
    places.Rings.RingSide = B < 0 ? -1 : 1;
    places.Rings.RingMinorAxis = static_cast<double>(std::fabs(B) * places.Rings.RingMajorAxis);

    places.PlanetPolePA = PolePositionAngle(plane, places.TrueObliquity, saturn.RA, saturn.Dec);
}

}  // namespace vireon
