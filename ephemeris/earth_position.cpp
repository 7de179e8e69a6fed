// The Earth's heliocentric place (VSOP87D) in the true equatorial frame of the date, and the
// quantities of the annual aberration (Meeus, Astronomical Algorithms, ch. 23: the constant of
// aberration and the eccentricity terms of the Earth's orbit).
#include <cmath>
#include <numbers>

#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

// The constant of aberration, 20.49552", in radians.
constexpr Extended Kappa = 44714.28823854353L / 450000000;

}  // namespace

EquatorialVector EclipticToEquatorial(Extended longitude, Extended latitude, Extended radius, Extended obliquity)
{
    return EclipticToEquatorial(longitude, latitude, radius, SineCosineExtended(obliquity));
}

EquatorialVector EclipticToEquatorial(Extended longitude, Extended latitude, Extended radius, const SineAndCosine& obliquity)
{
    const SineAndCosine b = SineCosineExtended(latitude), l = SineCosineExtended(longitude);
    const Extended cosE = obliquity.Cos, sinE = obliquity.Sin;
    return {radius * l.Cos * b.Cos, radius * (b.Cos * l.Sin * cosE - b.Sin * sinE), radius * (b.Cos * l.Sin * sinE + b.Sin * cosE)};
}

EquatorialVector EarthVector(const HeliocentricPlace& earth, const NutationAngles& nutation, const SineAndCosine& trueObliquity)
{
    // The longitude is not reduced by the aberration: the light-time interpolation of the
    // geocentric vector already takes the Earth at the earlier instant, which is the aberration.
    return EclipticToEquatorial(earth.L + nutation.Longitude * Pi / 648000, earth.B, earth.R, trueObliquity);
}

EarthPlace EarthPosition(Extended t, const NutationAngles& nutation, Extended trueObliquity)
{
    return EarthPosition({EarthSeriesL(t), EarthSeriesB(t), EarthSeriesR(t)}, t, nutation, trueObliquity);
}

EarthPlace EarthPosition(const HeliocentricPlace& helio, Extended t, const NutationAngles& nutation, Extended trueObliquity)
{
    EarthPlace earth;
    earth.Helio = helio;
    const SineAndCosine obliquity = SineCosineExtended(trueObliquity);
    const EquatorialVector v = EarthVector(helio, nutation, obliquity);
    earth.X = v.X;
    earth.Y = v.Y;
    earth.Z = v.Z;

    // k = e cos(varpi), h = e sin(varpi) of the Earth's orbit (VSOP87 elements, units of 1e-9).
    const Extended k = (-3740816 + t * (-4793106 + t * (281128 + t * (73831 + t * (-2651 + t * (-368 + t * 8)))))) * 1e-9L;
    const Extended h = (16284477 + t * (-1532379 + t * (-720171 + t * (32299 + t * (5789 + t * (-166 + t * -20)))))) * 1e-9L;
    const SineAndCosine L = SineCosineExtended(helio.L);
    earth.Aberration = Kappa * (1 + k * L.Cos + h * L.Sin);
    earth.AberrationC1 = Kappa * obliquity.Cos * L.Cos;
    earth.AberrationD1 = Kappa * L.Sin;
    earth.AberrationC2 = Kappa * obliquity.Cos * k;
    earth.AberrationD2 = Kappa * h;
    return earth;
}

}  // namespace vireon
