// Transits, occultations, shadow transits and eclipses of one instant on constructed geometry,
// and against a direct construction: the lines from the Earth and from the Sun through the
// satellite intersected with the spheroid's implicit equation in the planet's own frame, and
// the shadow's point tested against the true surface normal there (the product code stretches
// the spheroid into a sphere and works in the plane across the sunlight instead).
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "satellites/globe_phenomena.h"
#include "satellites/projection.h"

namespace vireon {
namespace {

constexpr Extended A = 71398;  // Jupiter's equatorial and polar radii, km
constexpr Extended B = 66854;
constexpr Extended DegreesToRadians = 3.14159265358979323846L / 180;

// The Earth 6.3e8 km along +x; the Sun 7.8e8 km away, phaseDeg from the Earth's direction toward +y.
GlobeScene SceneWithPhase(Extended phaseDeg)
{
    const Extended p = phaseDeg * DegreesToRadians;
    return {{6.3e8L, 0, 0}, {7.8e8L * std::cos(p), 7.8e8L * std::sin(p), 0}, {0, 0, 1}, A, B};
}

// The satellite 400000 km up the sunlight from the point of the equator at longitude thetaDeg
// (0 toward the Earth): its shadow falls there.
Vec3 CastingOnto(Extended thetaDeg, Extended phaseDeg)
{
    const Extended t = thetaDeg * DegreesToRadians, p = phaseDeg * DegreesToRadians;
    return Vec3{A * std::cos(t), A * std::sin(t), 0} + 400000 * Vec3{std::cos(p), std::sin(p), 0};
}

TEST(PhenomenonMargins, EachPhenomenonOnAConstructedGeometry)
{
    const struct {
        const char* what;
        Extended phaseDeg;
        Vec3 satellite;
        SatellitePhenomena want;  // transit, occultation, shadow transit, eclipse
    } rows[] = {
        {"in front near the centre, shadow on the disc", 10, {400000, 10000, 0}, {true, false, true, false}},
        {"shadow 5 deg inside the Earth's limb", 10, CastingOnto(85, 10), {false, false, true, false}},
        {"shadow 5 deg behind the Earth's limb, still sunlit", 10, CastingOnto(95, 10), {}},
        {"behind, off the sunlight", 10, {-400000, 10000, 0}, {false, true, false, false}},
        {"behind, beside the disc, in the shadow", 10, {-400000, -75000, 0}, {false, false, false, true}},
        {"behind the disc and in the shadow", 10, {-400000, -50000, 0}, {false, true, false, true}},
        {"above the polar radius, within the equatorial", 0, {400000, 0, 68000}, {}},
        {"below the polar radius", 0, {400000, 0, 66000}, {true, false, true, false}},
        {"far out", 10, {1.8e6L, 9e5L, 0}, {}},
    };
    for (const auto& r : rows) {
        const PhenomenonMargins m = PhenomenonMarginsOf(SceneWithPhase(r.phaseDeg), r.satellite);
        const SatellitePhenomena got = HoldingPhenomena(m);
        EXPECT_EQ(got, r.want) << r.what << ": got transit " << got.Transit << " occultation " << got.Occultation
                               << " shadow " << got.ShadowTransit << " eclipse " << got.Eclipse;
        // The lines' margins bound every margin from below.
        EXPECT_LE(m.LineOfSight, std::min(m.Transit, m.Occultation)) << r.what;
        EXPECT_LE(m.Sunlight, std::min(m.ShadowTransit, m.Eclipse)) << r.what;
    }
}

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

TEST(PhenomenonMargins, AgreeWithTheLinesIntersectedWithTheSpheroid)
{
    std::mt19937_64 random(20241203);
    std::uniform_real_distribution<double> unit(-1, 1);
    int checked = 0;
    int held[4] = {};
    for (int trial = 0; trial < 20000; ++trial) {
        // The Earth and the Sun within about 17 deg of each other as seen from the planet, and one
        // case in twenty with the Earth on the far side from the Sun.
        const Vec3 earth = 6.3e8L * Normalized(Vec3{1, 0.1L * unit(random), 0.1L * unit(random)});
        const bool farSide = trial % 20 == 0;
        const Vec3 sun = 7.8e8L * Normalized(Vec3{farSide ? -1.0L : 1.0L, 0.2L * unit(random), 0.2L * unit(random)});
        const Vec3 satellite{4e5L * unit(random), 1.2e5L * unit(random), 1.2e5L * unit(random)};
        Extended t1 = 0, t2 = 0;
        if (LineMeetsSpheroid({0, 0, 0}, satellite, t1, t2) && t2 >= 1) continue;  // inside the globe
        const PhenomenonMargins m = PhenomenonMarginsOf({earth, sun, {0, 0, 1}, A, B}, satellite);

        // The direct construction. Through the satellite at t = 1: the globe beyond it has both
        // roots above 1, before it both between 0 and 1.
        bool transit = false, occultation = false, shadow = false, eclipse = false;
        if (LineMeetsSpheroid(earth, satellite, t1, t2)) {
            transit = t1 > 1;
            occultation = t2 < 1;
        }
        if (LineMeetsSpheroid(sun, satellite, t1, t2)) {
            eclipse = t2 < 1;
            if (t1 > 1) {
                const Vec3 hit = sun + t1 * (satellite - sun);
                const Vec3 normal{hit.x / (A * A), hit.y / (A * A), hit.z / (B * B)};
                const Extended facing = Dot(earth - hit, normal) / (Norm(earth - hit) * Norm(normal));
                if (std::fabs(facing) < 1e-9L) continue;  // on the limb to rounding
                shadow = facing > 0;
            }
        }
        ++checked;
        held[0] += transit;
        held[1] += occultation;
        held[2] += shadow;
        held[3] += eclipse;
        const SatellitePhenomena got = HoldingPhenomena(m);
        ASSERT_EQ(got, (SatellitePhenomena{transit, occultation, shadow, eclipse}))
            << "trial " << trial << " satellite (" << satellite.x << ", " << satellite.y << ", " << satellite.z
            << ") margins " << m.Transit << " " << m.Occultation << " " << m.ShadowTransit << " " << m.Eclipse;
    }
    // Enough of each kind for the comparison to mean something.
    EXPECT_GT(checked, 15000);
    for (int n : held) EXPECT_GT(n, 300);
}

// The projection records the phenomena for the planets whose views draw them, and none for
// the others, whatever the geometry.
TEST(ProjectSystem, RecordsPhenomenaForJupiterAndSaturnOnly)
{
    for (PlanetId planet : {Jupiter, Saturn, Uranus, Mars}) {
        SatelliteSystem system;
        system.Planet = planet;
        system.Geocentric = {-6.3e8L, 0, 0};
        system.Heliocentric = {-7.8e8L, 0, 0};
        system.Pole = {0, 0, 1};
        system.EquatorialRadiusKm = A;
        system.PolarRadiusKm = B;
        system.Count = 2;
        system.Position[1] = {-400000, 10000, 0};  // behind the globe and in its shadow
        system.Position[2] = {400000, 10000, 0};   // in front, its shadow on the disc
        SatelliteRecord record;
        ProjectSystem(system, ViewMode::Equatorial, Orientation::North, record);
        const bool drawn = planet == Jupiter || planet == Saturn;
        EXPECT_EQ(record.SatPhenomena[1], (SatellitePhenomena{false, drawn, false, drawn})) << int(planet);
        EXPECT_EQ(record.SatPhenomena[2], (SatellitePhenomena{drawn, false, drawn, false})) << int(planet);
    }
}

}  // namespace
}  // namespace vireon
