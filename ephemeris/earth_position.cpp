// The Earth's heliocentric place (VSOP87D) in the true equatorial frame of the date, and the
// quantities of the annual aberration (Meeus, Astronomical Algorithms, ch. 23: the constant of
// aberration and the eccentricity terms of the Earth's orbit).
#include <cmath>

#include "core/angles.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {


// The constant of aberration, 20.49552", in radians.
constexpr Extended Kappa = 44714.28823854353L / 450000000;

}  // namespace

Vec3 EclipticToEquatorial(Extended longitude, Extended latitude, Extended radius, Extended obliquity)
{
    return EclipticToEquatorial(SineCosineExtended(longitude), SineCosineExtended(latitude), radius,
                                SineCosineExtended(obliquity));
}

Vec3 EclipticToEquatorial(const SineAndCosine& longitude, const SineAndCosine& latitude, Extended radius,
                                      const SineAndCosine& obliquity)
{
    const SineAndCosine& l = longitude;
    const SineAndCosine& b = latitude;
    const SineAndCosine& e = obliquity;
    return {radius * l.Cos * b.Cos, radius * (b.Cos * l.Sin * e.Cos - b.Sin * e.Sin), radius * (b.Cos * l.Sin * e.Sin + b.Sin * e.Cos)};
}

Extended EarthApparentLongitude(const HeliocentricPlace& earth, const NutationAngles& nutation)
{
    // The longitude is not reduced by the aberration: the light-time interpolation of the
    // geocentric vector already takes the Earth at the earlier instant, which is the aberration.
    return earth.L + nutation.Longitude * RadiansPerArcsec;
}

void SetEarthAberration(Extended t, const SineAndCosine& longitude, const SineAndCosine& trueObliquity, EarthPlace& earth)
{
    // k = e cos(varpi), h = e sin(varpi) of the Earth's orbit (VSOP87 elements, units of 1e-9).
    const Extended k = (-3740816 + t * (-4793106 + t * (281128 + t * (73831 + t * (-2651 + t * (-368 + t * 8)))))) * 1e-9L;
    const Extended h = (16284477 + t * (-1532379 + t * (-720171 + t * (32299 + t * (5789 + t * (-166 + t * -20)))))) * 1e-9L;
    earth.Aberration = Kappa * (1 + k * longitude.Cos + h * longitude.Sin);
    earth.AberrationC1 = Kappa * trueObliquity.Cos * longitude.Cos;
    earth.AberrationD1 = Kappa * longitude.Sin;
    earth.AberrationC2 = Kappa * trueObliquity.Cos * k;
    earth.AberrationD2 = Kappa * h;
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
    const Vec3 v = EclipticToEquatorial(SineCosineExtended(EarthApparentLongitude(helio, nutation)),
                                                    SineCosineExtended(helio.B), helio.R, obliquity);
    earth.X = v.x;
    earth.Y = v.y;
    earth.Z = v.z;
    SetEarthAberration(t, SineCosineExtended(helio.L), obliquity, earth);
    return earth;
}

}  // namespace vireon
