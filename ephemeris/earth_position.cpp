// The Earth's heliocentric place (VSOP87D) in the true equatorial frame of the date, and the
// quantities of the annual aberration (Meeus, Astronomical Algorithms, ch. 23: the constant of
// aberration and the eccentricity terms of the Earth's orbit).
#include <cmath>
#include <numbers>

#include "ephemeris/apparent_place.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

// The constant of aberration, 20.49552", in radians.
constexpr Extended Kappa = 44714.28823854353L / 450000000;

}  // namespace

EquatorialVector EclipticToEquatorial(Extended longitude, Extended latitude, Extended radius, Extended obliquity)
{
    const Extended cosB = std::cos(latitude), sinB = std::sin(latitude);
    const Extended cosL = std::cos(longitude), sinL = std::sin(longitude);
    const Extended cosE = std::cos(obliquity), sinE = std::sin(obliquity);
    return {radius * cosL * cosB, radius * (cosB * sinL * cosE - sinB * sinE), radius * (cosB * sinL * sinE + sinB * cosE)};
}

EarthPlace EarthPosition(Extended t, const NutationAngles& nutation, Extended trueObliquity)
{
    EarthPlace earth;
    earth.Helio = {EarthSeriesL(t), EarthSeriesB(t), EarthSeriesR(t)};
    const Extended L = earth.Helio.L;

    // k = e cos(varpi), h = e sin(varpi) of the Earth's orbit (VSOP87 elements, units of 1e-9).
    const Extended k = (-3740816 + t * (-4793106 + t * (281128 + t * (73831 + t * (-2651 + t * (-368 + t * 8)))))) * 1e-9L;
    const Extended h = (16284477 + t * (-1532379 + t * (-720171 + t * (32299 + t * (5789 + t * (-166 + t * -20)))))) * 1e-9L;
    earth.Aberration = Kappa * (1 + k * std::cos(L) + h * std::sin(L));

    // The longitude is not reduced by the aberration: the light-time interpolation of the
    // geocentric vector already takes the Earth at the earlier instant, which is the aberration.
    const Extended lambda = L + nutation.Longitude * Pi / 648000;
    const EquatorialVector v = EclipticToEquatorial(lambda, earth.Helio.B, earth.Helio.R, trueObliquity);
    earth.X = v.X;
    earth.Y = v.Y;
    earth.Z = v.Z;

    const Extended cosE = std::cos(trueObliquity);
    earth.AberrationC1 = Kappa * cosE * std::cos(L);
    earth.AberrationD1 = Kappa * std::sin(L);
    earth.AberrationC2 = Kappa * cosE * k;
    earth.AberrationD2 = Kappa * h;
    return earth;
}

}  // namespace vireon
