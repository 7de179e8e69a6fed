// Saturn's apparent place, the aspect of its rings and the position angle of its pole (Meeus,
// Astronomical Algorithms, ch. 45, "The Ring of Saturn": ring-plane inclination and node
// referred to the ecliptic and mean equinox of the date, T in Julian centuries).
#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/time_base.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {


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
    return {(28.0875216L - (0.012998L - 0.000004L * t) * t) / TheoryDegreesPerRadian,
            (169.508476L + (1.394681L + 0.000412L * t) * t) / TheoryDegreesPerRadian};
}

// Saturn's geocentric ecliptic longitude and latitude from the heliocentric places of Saturn and
// the Earth at the instant (no light time, as in the book's method), as their sines and cosines.
void GeocentricEcliptic(const HeliocentricPlace& saturn, const HeliocentricPlace& earth, SineAndCosine& lambda,
                        SineAndCosine& beta)
{
    const Extended R = saturn.R / AstronomicalUnitKm, R0 = earth.R / AstronomicalUnitKm;
    const SineAndCosine b = SineCosineExtended(saturn.B), l = SineCosineExtended(saturn.L), l0 = SineCosineExtended(earth.L);
    const Extended x = R * b.Cos * l.Cos - R0 * l0.Cos;
    const Extended y = R * b.Cos * l.Sin - R0 * l0.Sin;
    const Extended z = R * b.Sin - R0 * SineCosineExtended(earth.B).Sin;
    const Extended rho = std::sqrt(x * x + y * y), r = std::sqrt(rho * rho + z * z);
    lambda = {y / rho, x / rho};
    beta = {z / r, rho / r};
}

// Position angle of the ring plane's pole, radians, from the planet's apparent right ascension
// (hours) and declination (degrees). The pole is at lambda0 = Omega - 90 deg, beta0 = 90 deg - i;
// its right ascension and declination are used through their sines and cosines.
Extended PolePositionAngle(const SineAndCosine& inclination, const SineAndCosine& node, Extended trueObliquity,
                           Extended raHours, Extended decDegrees)
{
    const SineAndCosine l0 = {-node.Cos, node.Sin}, b0 = {inclination.Cos, inclination.Sin};
    const SineAndCosine e = SineCosineExtended(trueObliquity);
    const Extended x0 = l0.Cos, y0 = l0.Sin * e.Cos - b0.Sin / b0.Cos * e.Sin, h0 = std::sqrt(x0 * x0 + y0 * y0);
    const SineAndCosine alpha0 = {y0 / h0, x0 / h0};
    const Extended sinDelta0 = std::clamp(b0.Sin * e.Cos + b0.Cos * e.Sin * l0.Sin, -1.0L, 1.0L);
    const SineAndCosine delta0 = {sinDelta0, std::sqrt(1 - sinDelta0 * sinDelta0)};
    const SineAndCosine alpha = SineCosineExtended(raHours * 15 / TheoryDegreesPerRadian),
                        delta = SineCosineExtended(decDegrees / TheoryDegreesPerRadian);
    // sin and cos of alpha0 - alpha by angle subtraction.
    const Extended sinDa = alpha0.Sin * alpha.Cos - alpha0.Cos * alpha.Sin, cosDa = alpha0.Cos * alpha.Cos + alpha0.Sin * alpha.Sin;
    return ArcTanQuadrant(static_cast<double>(delta0.Sin * delta.Cos - delta0.Cos * delta.Sin * cosDa),
                          static_cast<double>(delta0.Cos * sinDa));
}

}  // namespace

void SaturnApparent(Extended jd, PlanetPlaces& places)
{
    PlanetApparent(Saturn, jd, places);
    const PlanetPlace& saturn = places.Planet[Saturn];

    const RingPlane plane = RingPlaneOfDate((jd - 2451545) / 36525);
    const SineAndCosine i = SineCosineExtended(plane.inclination), node = SineCosineExtended(plane.node);
    SineAndCosine lambda, beta;
    GeocentricEcliptic(saturn.Helio, places.Earth.Helio, lambda, beta);

    places.Rings.RingMajorAxis = static_cast<double>(RingDiameterAtOneAu / (saturn.Distance / AstronomicalUnitKm));
    // Saturnicentric latitude of the Earth referred to the ring plane; sin(lambda - Omega) by
    // angle subtraction.
    const Extended sinLambdaMinusNode = lambda.Sin * node.Cos - lambda.Cos * node.Sin;
    const Extended B = ArcSinSafe(static_cast<double>(i.Sin * beta.Cos * sinLambdaMinusNode - i.Cos * beta.Sin));
    places.Rings.EarthLatitude = static_cast<double>(B);
    places.Rings.RingSide = B < 0 ? -1 : 1;
    places.Rings.RingMinorAxis = static_cast<double>(std::fabs(B) * places.Rings.RingMajorAxis);

    places.PlanetPolePA = PolePositionAngle(i, node, places.TrueObliquity, saturn.RA, saturn.Dec);
}

}  // namespace vireon
