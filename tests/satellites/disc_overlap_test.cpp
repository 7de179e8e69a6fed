// The overlap of two discs and the light of a disc in a penumbral shadow, each against a
// numerical integration made another way: the lens by the chords of the two discs across the
// line of centres, the shadow by a polar grid over the receiving disc.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "satellites/disc_overlap.h"

namespace vireon {
namespace {

constexpr double Pi = std::numbers::pi;

// The common area as the integral of the shorter of the two half-chords across the line of
// centres (disc 1 at the origin, disc 2 at (d, 0)).
double AreaByChords(double r1, double r2, double d)
{
    const int n = 20000;
    const double from = std::max(-r1, d - r2), to = std::min(r1, d + r2);
    if (to <= from) return 0;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double x = from + (to - from) * (i + 0.5) / n;
        const double h1 = std::sqrt(std::max(0.0, r1 * r1 - x * x));
        const double h2 = std::sqrt(std::max(0.0, r2 * r2 - (x - d) * (x - d)));
        sum += 2 * std::min(h1, h2);
    }
    return sum * (to - from) / n;
}

TEST(DiscOverlapArea, EqualsTheAreaSummedChordByChord)
{
    struct Row {
        double r1, r2, d;
    } rows[] = {
        {1500, 1500, 1500},  // equal discs, each through the other's centre
        {1821, 1565, 2500},  // Io and Europe half way to contact
        {1821, 1565, 3380},  // grazing
        {2634, 700, 2500},   // a small disc across a large one's edge
        {700, 2634, 1000},   // wholly inside
        {1000, 1000, 2100},  // apart
    };
    for (const Row& r : rows) {
        const double want = AreaByChords(r.r1, r.r2, r.d);
        const double got = static_cast<double>(DiscOverlapArea(r.r1, r.r2, r.d));
        // The midpoint rule's error at the chords' square-root ends: under 1e-6 of the smaller disc.
        EXPECT_NEAR(got, want, 1e-6 * Pi * std::min(r.r1, r.r2) * std::min(r.r1, r.r2))
            << "r1 " << r.r1 << " r2 " << r.r2 << " d " << r.d << ": want " << want << " got " << got;
    }
}

// The receiver's lost light averaged over a polar grid of its disc, a point at r from the axis
// losing HiddenSunFraction.
double EclipsedByGrid(const ShadowDiscs& s)
{
    const int rings = 100, spokes = 100;
    double sum = 0;
    for (int i = 0; i < rings; ++i) {
        const double q = s.Receiver * (i + 0.5) / rings;
        for (int j = 0; j < spokes; ++j) {
            const double a = 2 * Pi * (j + 0.5) / spokes;
            const double x = s.Separation + q * std::cos(a), y = q * std::sin(a);
            sum += static_cast<double>(HiddenSunFraction(s, std::sqrt(x * x + y * y))) * q;
        }
    }
    const double cell = (s.Receiver / rings) * (2 * Pi / spokes);
    return sum * cell / (Pi * s.Receiver * s.Receiver);
}

TEST(EclipsedFraction, EqualsTheShadowAveragedOverAGridOfTheDisc)
{
    // Lengths in km in the receiver's plane: caster, Sun, receiver, separation.
    struct Row {
        const char* what;
        ShadowDiscs shadow;
    } rows[] = {
        {"penumbra only", {1822, 900, 1565, 3400}},
        {"part in the umbra", {1822, 900, 1565, 2000}},
        {"wholly in the umbra, penumbra around", {2634, 500, 1000, 300}},
        {"the umbra across the centre", {1822, 900, 1565, 0}},
        {"antumbra across the edge", {500, 1500, 1000, 1200}},
        {"grazing the penumbra", {1822, 900, 1565, 4250}},
    };
    for (const Row& r : rows) {
        const double want = EclipsedByGrid(r.shadow);
        const double got = static_cast<double>(EclipsedFraction(r.shadow));
        // The grid's error, at the kinks of the shadow and of the disc's edge: 1.2e-5 at most here
        // (a grid of 2000 x 2000 agrees to 3e-8).
        EXPECT_NEAR(got, want, 5e-5) << r.what << ": want " << want << " got " << got;
    }
    EXPECT_EQ(EclipsedFraction({1822, 900, 1565, 4300}), 0) << "beyond the penumbra";
}

}  // namespace
}  // namespace vireon
