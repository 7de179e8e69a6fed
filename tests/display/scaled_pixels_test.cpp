// The scaled pixels of a unit outline must be the integers of the extended computation
// PixelRound(origin + u * k) whatever the 64-bit shortcut does: checked beside half-integers
// (where the two computations part), on random outlines and scales, and outside the bounds
// within which the shortcut is taken.
#include <array>
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "display/scaled_pixels.h"

namespace vireon {
namespace {

constexpr std::size_t N = 43;

// Compares every point with the extended computation; returns the number of mismatches.
int ExpectExtended(const std::array<Extended, N>& unit, int origin, Extended k, const char* what)
{
    std::array<int, N> got{};
    ScaledPixels<N>(unit).Round(origin, k, got);
    int mismatches = 0;
    for (std::size_t n = 0; n < N; ++n) {
        const int want = PixelRound(origin + unit[n] * k);
        if (got[n] != want && ++mismatches <= 3)
            ADD_FAILURE() << what << ": u " << static_cast<double>(unit[n]) << " k " << static_cast<double>(k)
                          << " origin " << origin << ": want " << want << " got " << got[n];
    }
    return mismatches;
}

// Unit coordinates like those of a ring outline: i / 75 turned by an angle and flattened,
// most of them not representable in 64 bits.
std::array<Extended, N> Outline(Extended angle, Extended ratio)
{
    std::array<Extended, N> unit{};
    for (std::size_t n = 0; n < N; ++n) {
        const Extended u = (static_cast<Extended>(n) * 150 / (N - 1) - 75) / 75.0L;
        unit[n] = u * std::cos(angle) + ratio * std::sqrt(1 - u * u) * std::sin(angle);
    }
    return unit;
}

// For each point, the scales that put it on a half-integer in extended and a few units of
// the last place either side: where a 64-bit sum rounds the other way or meets the tie.
TEST(ScaledPixels, BesideHalfIntegersAsInExtended)
{
    struct Row {
        Extended angle, ratio;
        int origin;
        int target;  // the half-integer target + 0.5 the points are put on
    } rows[] = {
        {0.1L, 0.3L, 376, 400}, {2.5L, 0.05L, 301, 250}, {-1.2L, 0.45L, 376, 700},
        {0.0L, 0.5L, 301, 302}, {0.7L, 0.0L, 0, -3},     {3.0L, 0.2L, 376, 1000},
    };
    for (const Row& r : rows) {
        const std::array<Extended, N> unit = Outline(r.angle, r.ratio);
        for (std::size_t n = 0; n < N; ++n) {
            if (unit[n] == 0) continue;
            Extended k = (r.target + 0.5L - r.origin) / unit[n];
            for (int step = 0; step < 4; ++step) k = std::nextafter(k, -1e30L);
            for (int step = 0; step < 8; ++step, k = std::nextafter(k, 1e30L))
                ExpectExtended(unit, r.origin, k, "beside a half-integer");
        }
    }
}

TEST(ScaledPixels, RandomOutlinesAndScalesAsInExtended)
{
    std::mt19937_64 random(20230315);
    std::uniform_real_distribution<double> angle(-3.2, 3.2), ratio(0, 0.5), scale(0, 3000);
    std::uniform_int_distribution<int> origin(-1000, 1000);
    for (int outline = 0; outline < 40; ++outline) {
        const std::array<Extended, N> unit = Outline(angle(random), ratio(random));
        for (int j = 0; j < 50; ++j) ExpectExtended(unit, origin(random), scale(random) / 3.0L, "random");
    }
}

// Outside the bounds of the shortcut everything is computed in extended: points refused as
// too far, not finite, or merely large.
TEST(ScaledPixels, OutsideTheShortcutsBoundsAsInExtended)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const std::array<Extended, N> outline = Outline(0.3L, 0.4L);
    std::array<Extended, N> withNan = outline;
    withNan[7] = nan;
    std::array<Extended, N> huge = outline;
    huge[0] = 1e40L;
    struct Row {
        const char* what;
        const std::array<Extended, N>* unit;
        int origin;
        Extended k;
    } rows[] = {
        {"scale beyond 2^20", &outline, 376, 2e6L},
        {"scale beyond the refusal", &outline, 376, 3e7L},
        {"origin beyond 2^16", &outline, 100000, 50},
        {"NaN scale", &outline, 376, nan},
        {"infinite scale", &outline, 376, inf},
        {"NaN unit coordinate", &withNan, 376, 50},
        {"unit coordinate beyond 2^30", &huge, 376, 1e-35L},
        {"zero scale", &outline, 376, 0},
    };
    for (const Row& r : rows) ExpectExtended(*r.unit, r.origin, r.k, r.what);
}

}  // namespace
}  // namespace vireon
