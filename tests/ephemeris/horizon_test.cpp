// Sidereal time and the site's altitudes against ERFA, an independent implementation of the same
// IAU models: eraGmst82 (Aoki et al. 1982), eraEqeq94 (the equation of the equinoxes from
// eraNut80's 106 terms, with the small terms of 1994), the Sun from eraEpv00, eraAb and eraPnm80,
// the site from eraGd2gc (WGS84) and the horizon from eraHd2ae. Time scales: UT1 for the
// rotation, TT for the rest, given apart (TT - UT1 from -3 s to 10 min). Dates: 1600 to 2400.
#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/angles.h"
#include "ephemeris/horizon.h"
#include "ephemeris/sidereal_time.h"

namespace vireon {
namespace {

// The UT1 Julian Day in ERFA's two parts, the fraction in steps of 2^-24 day, so both sides read
// the same instant to the bit.
struct Instant {
    const char* name;
    double jdInteger, fraction, ttMinusUtSeconds;
};
constexpr Instant Instants[] = {
    {"1600-03-10", 2305495, 0.23, 120},  {"1689-12-24", 2338335, 0.88, 30},     {"1751-07-02", 2360792, 0.5417, 14},
    {"1820-11-15", 2386120, 0.1146, 12}, {"1900-01-01", 2415021, 0, -2.7},      {"1957-10-04", 2436116, 0.3114, 32},
    {"1999-12-31", 2451544, 0.4993, 64}, {"2024-12-03", 2460648, 0.356, 69},    {"2087-06-21", 2483335, 0.0069, 140},
    {"2199-08-08", 2524274, 0.1944, 300}, {"2400-12-31", 2598374, 0.8472, 600},
};
const ObservingSite Sites[] = {
    {"Paris", 48.8566, 2.3522, 35},          {"Sydney", -33.8688, 151.2093, 58},   {"Longyearbyen", 78.2232, 15.6267, 10},
    {"Mauna Kea", 19.8207, -155.4681, 4205}, {"Pôle Sud", -90, 0, 2835},           {"Quito", -0.1807, -78.4678, 2850},
    {"Mer Morte", 31.5, 35.5, -430},         {"", 64.5, 180, 0},
};

double Fraction(const Instant& at) { return std::ldexp(std::nearbyint(std::ldexp(at.fraction, 24)), -24); }
Extended JdUT(const Instant& at) { return static_cast<Extended>(at.jdInteger) + Fraction(at); }
Extended JdTT(const Instant& at) { return JdUT(at) + static_cast<Extended>(at.ttMinusUtSeconds) / 86400; }
double TTFraction(const Instant& at) { return Fraction(at) + at.ttMinusUtSeconds / 86400; }

double ErfaApparentSiderealTime(const Instant& at)
{
    return eraAnp(eraGmst82(at.jdInteger, Fraction(at)) + eraEqeq94(at.jdInteger, TTFraction(at)));
}

// The Sun's apparent geocentric vector of the date, km: the Earth's heliocentric place reversed,
// the aberration of its barycentric velocity, the IAU 1976/1980 precession and nutation.
Vec3 ErfaSun(const Instant& at)
{
    double pvh[2][3], pvb[2][3], sun[3], au, unit[3], v[3], aberrated[3], rnpb[3][3], ofDate[3];
    eraEpv00(at.jdInteger, TTFraction(at), pvh, pvb);
    eraSxp(-1, pvh[0], sun);
    eraPn(sun, &au, unit);
    eraSxp(ERFA_AULT / ERFA_DAYSEC, pvb[1], v);  // in units of c
    eraAb(unit, v, au, std::sqrt(1 - eraPdp(v, v)), aberrated);
    eraPnm80(at.jdInteger, TTFraction(at), rnpb);
    eraRxp(rnpb, aberrated, ofDate);
    const Extended km = au * ERFA_DAU / 1000;
    return {km * ofDate[0], km * ofDate[1], km * ofDate[2]};
}

// The site's Earth-fixed vector turned by the sidereal time, the topocentric place, its hour
// angle, then eraHd2ae.
HorizontalPlace ErfaHorizontal(const Vec3& geocentricKm, const ObservingSite& site, double gast)
{
    const double elong = site.LongitudeDeg * ERFA_DD2R, phi = site.LatitudeDeg * ERFA_DD2R;
    double fixed[3], r[3][3], siteMetres[3], ra, dec, az, el;
    eraGd2gc(ERFA_WGS84, elong, phi, site.HeightM, fixed);
    eraIr(r);
    eraRz(-gast, r);
    eraRxp(r, fixed, siteMetres);
    double topocentric[3] = {static_cast<double>(geocentricKm.x * 1000) - siteMetres[0],
                             static_cast<double>(geocentricKm.y * 1000) - siteMetres[1],
                             static_cast<double>(geocentricKm.z * 1000) - siteMetres[2]};
    eraC2s(topocentric, &ra, &dec);
    eraHd2ae(gast + elong - ra, dec, phi, &az, &el);
    return {el * ERFA_DR2D, az * ERFA_DR2D};
}

// ERFA sums about 3.5e7 s of time in 64 bits (1.1e-7" of rounding), and turns it into radians
// as finely; the polynomial is the same. The largest difference measured is 1.2e-7".
constexpr Extended MeanSiderealRounding = 3e-7L * RadiansPerArcsec;
// The program leaves out the 43 smallest terms of the IAU 1980 nutation in longitude (0.0002"
// each at most) and the 1994 terms (0.00264" sin Omega + 0.000063" sin 2 Omega), and takes
// cos(epsilon) of the true obliquity where ERFA takes the mean (19" x sin(eps) x 9.2" in radians,
// 0.00034"): 0.0116" in all. The largest difference measured is 0.0025".
constexpr Extended EquationOfEquinoxesBound = (43 * 0.0002L + 0.00264L + 0.000063L + 0.00034L) * RadiansPerArcsec;

TEST(SiderealTimeAgainstErfa, MeanAndApparentOverTheCenturies)
{
    for (const Instant& at : Instants) {
        const Extended mean = GreenwichMeanSiderealTime(JdUT(at)), apparent = GreenwichApparentSiderealTime(JdUT(at), JdTT(at));
        const Extended meanDiff = std::remainder(mean - eraGmst82(at.jdInteger, Fraction(at)), TwoPi);
        const Extended apparentDiff = std::remainder(apparent - ErfaApparentSiderealTime(at), TwoPi);
        EXPECT_LE(std::fabs(meanDiff), MeanSiderealRounding) << at.name << ": mean, diff " << meanDiff * ArcsecPerRadian << "\"";
        EXPECT_LE(std::fabs(apparentDiff), EquationOfEquinoxesBound + MeanSiderealRounding)
            << at.name << ": apparent, diff " << apparentDiff * ArcsecPerRadian << "\"";
        EXPECT_TRUE(mean >= 0 && mean < TwoPi && apparent >= 0 && apparent < TwoPi) << at.name;
    }
}

// Only the sidereal time separates the routes for the planet, whose apparent place both take from
// the program: 0.0025" in altitude and in azimuth times cos(altitude) measured, a track adding up
// to 0.0016". The Sun's place is ERFA's: the program's Earth is VSOP87D truncated to terms of 0.1"
// (0.30" off Meeus' example 25.b), 0.65" measured. The program's requirement is 0.01 degree.
constexpr Extended PlanetTolerance = 0.005L / 3600, SunTolerance = 1.0L / 3600;

// The full computation, and the track over a month with the instant at its start, in its middle
// and at its end; the site, planet and position in the span change from row to row.
TEST(HorizonAgainstErfa, AltitudesAndTrackAtSitesOverTheCenturies)
{
    int row = 0;
    for (const Instant& at : Instants) {
        for (const ObservingSite& site : Sites) {
            const PlanetId p = FirstPlanet + row % 6;
            const Extended before = 15 * (row % 3), after = 30 - before;
            PlanetPlaces places;
            PlanetApparent(p, JdTT(at), places);
            const PlanetPlace& planet = places.Planet[p];
            const double gast = ErfaApparentSiderealTime(at);
            const HorizontalPlace want = ErfaHorizontal({planet.X, planet.Y, planet.Z}, site, gast);
            const Extended wantSun = ErfaHorizontal(ErfaSun(at), site, gast).AltitudeDeg;
            const SiteAltitudes routes[] = {AltitudesAt(site, p, JdTT(at), JdUT(at)),
                                            AltitudeTrack(site, p, JdTT(at) - before, JdTT(at) + after).At(JdTT(at), JdUT(at))};
            SCOPED_TRACE(std::string(at.name) + ", " + site.Name + ", planet " + std::to_string(p));
            for (const SiteAltitudes& got : routes) {
                const char* where = &got == routes ? "in full" : "from the track";
                const Extended dAzimuth = std::remainder(got.PlanetAzimuthDeg - want.AzimuthDeg, Extended{360});
                EXPECT_NEAR(got.PlanetAltitudeDeg, want.AltitudeDeg, PlanetTolerance) << where;
                EXPECT_LE(std::fabs(dAzimuth * std::cos(want.AltitudeDeg * RadiansPerDegree)), PlanetTolerance)
                    << where << ": azimuth want " << want.AzimuthDeg << " got " << got.PlanetAzimuthDeg;
                EXPECT_NEAR(got.SunAltitudeDeg, wantSun, SunTolerance) << where;
                EXPECT_TRUE(got.PlanetAzimuthDeg >= 0 && got.PlanetAzimuthDeg < 360) << where;
            }
            ++row;
        }
    }
}

TEST(Horizon, ObservableFromTenDegreesAndCivilTwilightOver)
{
    const Extended NaN = std::nanl("");
    const struct { Extended planet, sun; bool observable; } rows[] = {
        {10, -6, true}, {9.9999L, -6, false}, {10, -5.9999L, false}, {90, -90, true},
        {-20, -30, false}, {45, 0.5L, false}, {NaN, -10, false}, {30, NaN, false}};
    for (const auto& r : rows)
        EXPECT_EQ(IsObservable({r.planet, 0, r.sun}), r.observable) << "planet " << r.planet << ", Sun " << r.sun;
}

}  // namespace
}  // namespace vireon
