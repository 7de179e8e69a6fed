// Saturn's rings (Meeus, Astronomical Algorithms, example 45.a) and Pluto's theory (Meeus,
// 1st edition, ch. 36 and its worked example). Time scale: TT.
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "ephemeris/apparent_place.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended Degree = Pi / 180;

// The ring tilt B in degrees as drawn (signed by RingSide).
Extended RingTiltDegrees(const RingGeometry& rings)
{
    return rings.RingSide * rings.RingMinorAxis / rings.RingMajorAxis / Degree;
}

// Example 45.a, 1992 December 16, 0h TD: B = 16.442 deg, a = 35.87", P = 6.741 deg. The ring plane
// is taken in Julian centuries (in millennia B would be 16.483 deg); the truncated series and the
// ring inclination constant used here give 16.4475 deg and P = 6.753 deg, hence 0.01 and 0.02 deg.
TEST(SaturnRings, MeeusExample45a)
{
    PlanetPlaces places;
    SaturnApparent(2448972.5L, places);
    const Extended B = RingTiltDegrees(places.Rings);
    EXPECT_NEAR(B, 16.442L, 0.01L) << "B want 16.442 got " << B;
    EXPECT_NEAR(places.Rings.RingMajorAxis, 35.87, 0.005) << "major axis";
    EXPECT_EQ(places.Rings.RingSide, 1);
    // The minor axis is |B| in radians times the major axis.
    EXPECT_NEAR(places.Rings.RingMinorAxis, 16.442 * std::numbers::pi / 180 * 35.87, 0.01);
    EXPECT_NEAR(places.PlanetPolePA / Degree, 6.741L, 0.02L) << "pole position angle";
}

// The side shown is the sign of B itself, and the minor axis is |B| in radians times the major
// axis, on both sides of the ring plane (the views turn the side over for celestial north up).
TEST(SaturnRings, SideAndMinorAxisFollowTheTilt)
{
    for (const Extended jd : {2448972.5L, 2455500.5L, 2460000.5L, 2451545.0L, 2455073.5L}) {
        PlanetPlaces places;
        SaturnApparent(jd, places);
        const RingGeometry& rings = places.Rings;
        EXPECT_EQ(rings.RingSide, rings.EarthLatitude < 0 ? -1 : 1) << "JD " << jd;
        EXPECT_NEAR(rings.RingMinorAxis, std::fabs(rings.EarthLatitude) * rings.RingMajorAxis, 1e-12) << "JD " << jd;
    }
}

// The Earth crossed Saturn's ring plane on 2009 September 4: B goes from south to north through
// 0 between August 30 and September 9 (a few hours' error in the crossing is 0.003 deg of B).
TEST(SaturnRings, EarthCrossesTheRingPlaneIn2009)
{
    PlanetPlaces before, after;
    SaturnApparent(2455073.5L, before);  // 2009-08-30
    SaturnApparent(2455083.5L, after);   // 2009-09-09
    EXPECT_EQ(before.Rings.RingSide, -1);
    EXPECT_EQ(after.Rings.RingSide, 1);
    EXPECT_LT(std::fabs(RingTiltDegrees(before.Rings)), 0.35L);
    EXPECT_LT(std::fabs(RingTiltDegrees(after.Rings)), 0.35L);
}

// Meeus' 1st-edition example, 1992 October 13.0 TD: l = 232.74009 deg, b = +14.58769 deg,
// r = 29.711383 au from this very table; 1e-5 deg and 1e-6 au are the printed digits.
TEST(PlutoTheory, WorkedExampleFirstEdition)
{
    const HeliocentricPlace p = PlutoSeries((2448908.5L - 2451545) / 36525);
    EXPECT_NEAR(p.L / Degree, 232.74009L, 0.5e-5L) << "l got " << p.L / Degree;
    EXPECT_NEAR(p.B / Degree, 14.58769L, 0.5e-5L) << "b got " << p.B / Degree;
    EXPECT_NEAR(p.R / AstronomicalUnitKm, 29.711383L, 0.5e-6L) << "r got " << p.R / AstronomicalUnitKm;
}

// At J2000.0 the arguments are J = 34.35, S = 50.08, P = 238.96 deg. The sums are rebuilt here
// from data/pluto_meeus.csv in double precision with those angles: the only difference is the
// float storage of the coefficients (7 digits of at most 2e7 x 1e-6 deg: under 1e-6 deg).
TEST(PlutoTheory, SeriesAtJ2000FromTheRawTable)
{
    std::ifstream in(std::string(VIREON_SOURCE_DIR) + "/data/pluto_meeus.csv");
    std::string line;
    std::getline(in, line);
    const double J = 34.35 * std::numbers::pi / 180, S = 50.08 * std::numbers::pi / 180, P = 238.96 * std::numbers::pi / 180;
    double lon = 0, lat = 0, rad = 0;
    int rows = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string f;
        double v[9];
        for (double& value : v) {
            std::getline(fields, f, ',');
            value = std::stod(f);
        }
        const double a = v[0] * J + v[1] * S + v[2] * P;
        lon += v[3] * std::sin(a) + v[4] * std::cos(a);
        lat += v[5] * std::sin(a) + v[6] * std::cos(a);
        rad += v[7] * std::sin(a) + v[8] * std::cos(a);
        ++rows;
    }
    ASSERT_EQ(rows, 43);
    const HeliocentricPlace p = PlutoSeries(0);
    EXPECT_NEAR(p.L / Degree, 238.956785 + lon / 1e6, 1e-6);
    EXPECT_NEAR(p.B / Degree, lat / 1e6 - 3.908202, 1e-6);
    EXPECT_NEAR(p.R / AstronomicalUnitKm, rad / 1e7 + 40.7247248, 1e-7);
}

// Pluto's longitude is referred to J2000.0 and brought to the date by the general precession:
// one evaluation at J2000 + 50 years sees the heliocentric longitude move by about 50 x 50.29"
// more than the series alone.
TEST(PlutoTheory, PrecessionInLongitudeIsApplied)
{
    const Extended jd = 2451545 + 50 * 365.25L;
    const GeocentricEvaluation e = PlanetGeocentric(Pluto, jd, 2451545);
    const Extended eps = e.TrueObliquity;
    const Extended lambda = std::atan2(e.Heliocentric.y * std::cos(eps) + e.Heliocentric.z * std::sin(eps), e.Heliocentric.x);
    Extended shift = std::remainder(lambda - e.Helio.L, 2 * Pi) / (Pi / 648000) - e.Nutation.Longitude;
    EXPECT_NEAR(shift, 50 * 50.29L, 2) << "precession in 50 years, arcseconds";
}

}  // namespace
}  // namespace vireon
