// The sines and cosines of the series terms (64-bit, angles in arcseconds) and of the frames
// (extended, angles in radians), against the library's 80-bit functions of the same angle
// reduced exactly.
#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

// The reference: the angle reduced modulo 1296000" in extended precision (exact), then the
// 80-bit sine and cosine.
void Reference(double arcsec, Extended& s, Extended& c)
{
    const Extended radians = std::fmod(static_cast<Extended>(arcsec), 1296000.0L) * Pi / 648000;
    s = std::sin(radians);
    c = std::cos(radians);
}

// Quadrant boundaries and their neighbours (where an odd quadrant swaps sine and cosine and the
// signs change), both signs, and the largest arguments of the series (F T up to 1.3e11"): within
// 2.5e-16, about one unit in the last place of values near 0.7.
TEST(SineCosineArcsec, WithinOneUnitInTheLastPlace)
{
    std::vector<double> angles = {0, 1, -1, 1e-300, 648000, -648000, 1296000, 1.3e11, -1.3e11, 123456789.123456789};
    for (int k = -9; k <= 9; ++k) {
        for (const double edge : {k * 162000.0, k * 324000.0}) {
            angles.push_back(edge);
            angles.push_back(std::nextafter(edge, 1e300));
            angles.push_back(std::nextafter(edge, -1e300));
        }
    }
    // A cheap sweep over eleven decades of magnitude (4000 angles).
    for (int i = 0; i < 4000; ++i) angles.push_back((i % 2 ? -1 : 1) * std::pow(10.0, -3 + 14.0 * i / 4000) * 1.0007);

    std::vector<double> sine(angles.size()), cosine(angles.size());
    SineCosineArcsec(angles, sine, cosine);
    for (std::size_t i = 0; i < angles.size(); ++i) {
        Extended s, c;
        Reference(angles[i], s, c);
        EXPECT_LE(std::fabs(sine[i] - s), 2.5e-16L) << angles[i] << "\": want sin " << s << " got " << sine[i];
        EXPECT_LE(std::fabs(cosine[i] - c), 2.5e-16L) << angles[i] << "\": want cos " << c << " got " << cosine[i];
    }
}

// The extended version: every quadrant, negative angles and angles of many turns, within a few
// units of the last extended place (1e-19) of the library's own reduction.
TEST(SineCosineExtended, AgreesWithTheLibraryInEveryQuadrant)
{
    for (Extended radians = -40; radians <= 40; radians += 0.37L) {
        for (const Extended angle : {radians, radians * 1e3L}) {
            const SineAndCosine got = SineCosineExtended(angle);
            EXPECT_NEAR(got.Sin, std::sin(angle), 5e-19L * (1 + std::fabs(angle))) << angle;
            EXPECT_NEAR(got.Cos, std::cos(angle), 5e-19L * (1 + std::fabs(angle))) << angle;
        }
    }
    const SineAndCosine quarter = SineCosineExtended(Pi / 2);
    EXPECT_EQ(quarter.Sin, 1);
    EXPECT_LT(std::fabs(quarter.Cos), 1e-19L);
}

// From a nearby angle: small steps either way, a longitude that wrapped round 2 pi between the
// two (both directions), and steps too large for the series, which are computed directly.
TEST(SineCosineNear, AgreesWithTheDirectValue)
{
    struct Row {
        Extended angle, reference;
    };
    const Row rows[] = {{1.2L, 1.21L},          {1.2L, 1.19L},         {0.3L, 0.3L},           {-2.9L, -2.93L},
                        {0.004L, 2 * Pi - 0.013L}, {2 * Pi - 0.001L, 0.016L}, {1.2L, 1.2L + 0.0624L}, {1.2L, 1.3L},
                        {5.5L, 2.1L},           {0.409L, 0.40900001L}};
    for (const Row& r : rows) {
        const SineAndCosine want = SineCosineExtended(r.angle);
        const SineAndCosine got = SineCosineNear(r.angle, r.reference, SineCosineExtended(r.reference));
        EXPECT_NEAR(got.Sin, want.Sin, 5e-19L) << r.angle << " from " << r.reference;
        EXPECT_NEAR(got.Cos, want.Cos, 5e-19L) << r.angle << " from " << r.reference;
    }
}

}  // namespace
}  // namespace vireon
