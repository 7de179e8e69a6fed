// Saturn's rings (Meeus, Astronomical Algorithms, example 45.a). Time scale: TT.
#include <cmath>
#include <numbers>

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

}  // namespace
}  // namespace vireon
