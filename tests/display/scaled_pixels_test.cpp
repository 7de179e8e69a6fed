// The scaled pixels of a unit outline must be the integers of the extended computation
// PixelRound(origin + u * k), whatever the 64-bit shortcut does: beside half-integers, where
// the two computations part, and outside the bounds within which the shortcut is taken.
#include <array>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "display/scaled_pixels.h"

namespace vireon {
namespace {

constexpr std::size_t N = 43;

void ExpectExtended(const std::array<Extended, N>& unit, int origin, Extended k, const char* what)
{
    std::array<int, N> got{};
    ScaledPixels<N>(unit).Round(origin, k, got);
    for (std::size_t n = 0; n < N; ++n)
        ASSERT_EQ(got[n], PixelRound(origin + unit[n] * k))
            << what << ": u " << static_cast<double>(unit[n]) << " k " << static_cast<double>(k) << " origin " << origin;
}

// A ring-like outline, i / 75 turned by an angle and flattened: most values need 64 bits.
std::array<Extended, N> Outline(Extended angle, Extended ratio)
{
    std::array<Extended, N> unit{};
    for (std::size_t n = 0; n < N; ++n) {
        const Extended u = (static_cast<Extended>(n) * 150 / (N - 1) - 75) / 75.0L;
        unit[n] = u * std::cos(angle) + ratio * std::sqrt(1 - u * u) * std::sin(angle);
    }
    return unit;
}

// For each point, the scales that put it on the half-integer target + 0.5 in extended, and
// a few units of the last place either side.
TEST(ScaledPixels, BesideHalfIntegersAsInExtended)
{
    struct Row {
        Extended angle, ratio;
        int origin, target;
    } rows[] = {{0.1L, 0.3L, 376, 400}, {2.5L, 0.05L, 301, 250}, {-1.2L, 0.45L, 376, 700}, {0.7L, 0.0L, 0, -3}};
    for (const Row& r : rows) {
        const std::array<Extended, N> unit = Outline(r.angle, r.ratio);
        for (std::size_t n = 0; n < N; ++n) {
            Extended k = (r.target + 0.5L - r.origin) / unit[n];
            for (int step = 0; step < 4; ++step) k = std::nextafter(k, -1e30L);
            for (int step = 0; step < 8; ++step, k = std::nextafter(k, 1e30L)) ExpectExtended(unit, r.origin, k, "tie");
        }
    }
}

TEST(ScaledPixels, OutsideTheShortcutsBoundsAsInExtended)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const std::array<Extended, N> outline = Outline(0.3L, 0.4L);
    std::array<Extended, N> withNan = outline;
    withNan[7] = nan;
    ExpectExtended(outline, 376, 2e6L, "scale beyond 2^20");
    ExpectExtended(outline, 376, 3e7L, "points refused as too far");
    ExpectExtended(outline, 100000, 50, "origin beyond 2^16");
    ExpectExtended(outline, 376, nan, "NaN scale");
    ExpectExtended(outline, 376, std::numeric_limits<Extended>::infinity(), "infinite scale");
    ExpectExtended(withNan, 376, 50, "NaN unit coordinate");
}

}  // namespace
}  // namespace vireon
