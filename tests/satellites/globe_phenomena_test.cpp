// Transits, occultations, shadow transits and eclipses of one instant on constructed geometries,
// against a direct construction: the lines from the Earth and from the Sun through the
// satellite intersected with the spheroid's implicit equation in the planet's own frame, and
// the shadow's point tested against the true surface normal there (the product code stretches
// the spheroid into a sphere and works in the plane across the sunlight instead). The real
// dates are in phenomena_test.cpp.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "satellites/globe_phenomena.h"

namespace vireon {
namespace {

constexpr Extended A = 71398;  // Jupiter's equatorial and polar radii, km
constexpr Extended B = 66854;

// The roots t of |origin + t (through - origin)| = 1 on the spheroid's implicit function, in
// the planet's frame (pole along z); false when the line misses.
bool LineMeetsSpheroid(const Vec3& origin, const Vec3& through, Extended& t1, Extended& t2)
{
    const Vec3 d = through - origin;
    const Extended qa = (d.x * d.x + d.y * d.y) / (A * A) + d.z * d.z / (B * B);
    const Extended qb = 2 * ((origin.x * d.x + origin.y * d.y) / (A * A) + origin.z * d.z / (B * B));
    const Extended qc = (origin.x * origin.x + origin.y * origin.y) / (A * A) + origin.z * origin.z / (B * B) - 1;
    const Extended disc = qb * qb - 4 * qa * qc;
    if (disc <= 0) return false;
    t1 = (-qb - std::sqrt(disc)) / (2 * qa);
    t2 = (-qb + std::sqrt(disc)) / (2 * qa);
    return true;
}

// The phenomena the margins say hold: each margin below zero.
SatellitePhenomena HoldingPhenomena(const PhenomenonMargins& m)
{
    return {m.Transit < 0, m.Occultation < 0, m.ShadowTransit < 0, m.Eclipse < 0};
}

TEST(PhenomenonMargins, EachPhenomenonAsTheLinesMeetTheSpheroid)
{
    std::mt19937_64 random(20241203);
    std::uniform_real_distribution<double> unit(-1, 1);
    int checked = 0;
    int held[4] = {};
    for (int trial = 0; trial < 20000; ++trial) {
        // The Earth and the Sun within about 17 deg of each other as seen from the planet (shadows
        // behind the limb included), one case in twenty with the Earth on the far side from the
        // Sun; satellites in front of and behind the globe, across its polar flattening.
        const Vec3 earth = 6.3e8L * Normalized(Vec3{1, 0.1L * unit(random), 0.1L * unit(random)});
        const bool farSide = trial % 20 == 0;
        const Vec3 sun = 7.8e8L * Normalized(Vec3{farSide ? -1.0L : 1.0L, 0.2L * unit(random), 0.2L * unit(random)});
        const Vec3 satellite{4e5L * unit(random), 1.2e5L * unit(random), 1.2e5L * unit(random)};
        Extended t1 = 0, t2 = 0;
        if (LineMeetsSpheroid({0, 0, 0}, satellite, t1, t2) && t2 >= 1) continue;  // inside the globe
        const GlobeScene scene{earth, sun, {0, 0, 1}, A, B};
        const PhenomenonMargins m = PhenomenonMarginsOf(scene, satellite);

        // The direct construction. Through the satellite at t = 1: the globe beyond it has both
        // roots above 1, before it both between 0 and 1.
        bool want[4] = {};  // transit, occultation, shadow transit, eclipse
        if (LineMeetsSpheroid(earth, satellite, t1, t2)) {
            want[0] = t1 > 1;
            want[1] = t2 < 1;
        }
        if (LineMeetsSpheroid(sun, satellite, t1, t2)) {
            want[3] = t2 < 1;
            const Vec3 hit = sun + t1 * (satellite - sun);
            const Vec3 normal{hit.x / (A * A), hit.y / (A * A), hit.z / (B * B)};
            const Extended facing = Dot(earth - hit, normal) / (Norm(earth - hit) * Norm(normal));
            if (t1 > 1 && std::fabs(facing) < 1e-9L) continue;  // on the limb to rounding
            want[2] = t1 > 1 && facing > 0;
        }
        ++checked;
        for (int i = 0; i < 4; ++i) held[i] += want[i];
        ASSERT_EQ(HoldingPhenomena(m), (SatellitePhenomena{want[0], want[1], want[2], want[3]}))
            << "trial " << trial << " satellite (" << satellite.x << ", " << satellite.y << ", " << satellite.z
            << ") margins " << m.Transit << " " << m.Occultation << " " << m.ShadowTransit << " " << m.Eclipse;
        // The views' shortcut (the margins' signs only) decides alike.
        ASSERT_EQ(PhenomenaHolding(scene, satellite), HoldingPhenomena(m)) << "trial " << trial;
    }
    // Enough of each kind for the comparison to mean something.
    EXPECT_GT(checked, 15000);
    for (int n : held) EXPECT_GT(n, 300);
}

}  // namespace
}  // namespace vireon
