// Greenwich mean and apparent sidereal time (Aoki et al. 1982; Meeus, Astronomical Algorithms,
// ch. 12). Time scales: UT1 for the rotation, TT for the nutation.
#include "ephemeris/sidereal_time.h"

#include <cmath>

#include "core/angles.h"

namespace vireon {
namespace {

constexpr Extended SecondsPerDay = 86400;

}  // namespace

Extended GreenwichMeanSiderealTime(Extended jdUT1)
{
    // GMST = GMST(0h UT1) + r UT1 folded into one expression of the instant (the form of the
    // USNO and of SOFA): the day's fraction at the solar rate (the Julian Day turns at noon, hence
    // the 12 hours taken from the constant), and the IAU 1982 polynomial in T, Julian centuries
    // of UT1 from J2000.0, in seconds of time, whose linear term is the sidereal excess.
    const Extended t = (jdUT1 - 2451545) / 36525;
    const Extended dayFraction = jdUT1 - std::floor(jdUT1);  // exact
    const Extended polynomial = (24110.54841L - SecondsPerDay / 2) + t * (8640184.812866L + t * (0.093104L + t * -6.2e-6L));
    Extended seconds = std::fmod(SecondsPerDay * dayFraction + polynomial, SecondsPerDay);
    if (seconds < 0) seconds += SecondsPerDay;
    return ReduceRadians(seconds * (TwoPi / SecondsPerDay));
}

Extended EquationOfTheEquinoxes(const NutationAngles& nutation, Extended trueObliquity)
{
    return nutation.Longitude * RadiansPerArcsec * std::cos(trueObliquity);
}

Extended GreenwichApparentSiderealTime(Extended jdUT1, Extended jdTT)
{
    const Extended t = JulianMillenniaOf(jdTT);
    const NutationAngles nutation = Nutation(t);
    return GreenwichApparentSiderealTime(jdUT1, nutation, TrueObliquity(t, nutation));
}

Extended GreenwichApparentSiderealTime(Extended jdUT1, const NutationAngles& nutation, Extended trueObliquity)
{
    return ReduceRadians(GreenwichMeanSiderealTime(jdUT1) + EquationOfTheEquinoxes(nutation, trueObliquity));
}

}  // namespace vireon
