// The shadow construction on synthetic geometry: a globe of known radii, the Sun placed far
// away in a chosen direction, satellites placed so that the answer is known. The expected
// first contact is found here independently, by marching along the sunlight and bisecting on
// the spheroid's implicit function, not by solving the quadratic the product code solves.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "satellites/projection.h"
#include "satellites/theory.h"
#include "satellites/satellite_record.h"

namespace vireon {
namespace {

Vec3 Unit(const Vec3& v) { return (1 / Norm(v)) * v; }

// > 0 outside the spheroid of radii (a, a, b) about the pole, < 0 inside.
Extended SpheroidLevel(const Vec3& x, const Vec3& pole, Extended a, Extended b)
{
    const Extended along = Dot(x, pole);
    const Vec3 across = x - along * pole;
    return Dot(across, across) / (a * a) + along * along / (b * b) - 1;
}

// First point of the ray origin + t d (t > 0) inside the spheroid, by steps of 10 km then
// bisection; false when the ray stays outside over the given length.
bool MarchToGlobe(const Vec3& origin, const Vec3& d, const Vec3& pole, Extended a, Extended b, Extended length,
                  Vec3& hit)
{
    Extended previous = 0;
    for (Extended t = 10; t <= length; t += 10) {
        if (SpheroidLevel(origin + t * d, pole, a, b) <= 0) {
            Extended lo = previous;
            Extended hi = t;
            for (int i = 0; i < 80; ++i) {
                const Extended mid = (lo + hi) / 2;
                (SpheroidLevel(origin + mid * d, pole, a, b) <= 0 ? hi : lo) = mid;
            }
            hit = origin + hi * d;
            return true;
        }
        previous = t;
    }
    return false;
}

// The Earth along +x from the planet: east is -y, north +z.
SkyFrame EarthAlongX() { return MakeSkyFrame({-6e8L, 0, 0}); }

struct ShadowCase {
    const char* what;
    Vec3 sunDirection;  // from the Sun toward the planet (unit not needed)
    Vec3 pole;
    Extended a, b;      // equatorial and polar radii, km
    Vec3 satellite;     // planetocentric, km
    bool onGlobe;       // the expected kind of answer
};

TEST(ShadowPoint, FirstContactOrSkyPlane)
{
    const Vec3 tilted = Unit({0.1L, 0.45L, 0.88L});
    const ShadowCase cases[] = {
        {"sphere, Sun behind the Earth", {-1, 0, 0}, {0, 0, 1}, 70000, 70000, {400000, 20000, 30000}, true},
        {"sphere, sunlight 10 deg from the line of sight", {-1, 0.17633L, 0}, {0, 0, 1}, 70000, 70000,
         {420000, -40000, 10000}, true},
        {"oblate globe, tilted pole", {-1, -0.1L, 0.05L}, tilted, 71398, 66854, {400000, 30000, 35000}, true},
        {"oblate globe, ray through the polar flattening", {-1, 0, 0}, {0, 0, 1}, 71398, 66854,
         {500000, 0, 67500}, false},
        {"just inside the polar radius", {-1, 0, 0}, {0, 0, 1}, 71398, 66854, {500000, 0, 66000}, true},
        {"misses the globe: sky plane", {-1, 0.05L, 0}, {0, 0, 1}, 71398, 66854, {1800000, 400000, 0}, false},
        {"behind the planet: sky plane on the Sun's side", {-1, 0.2L, 0}, {0, 0, 1}, 71398, 66854,
         {-600000, 300000, 1000}, false},
        {"inside the globe: sky plane", {-1, 0.1L, 0}, {0, 0, 1}, 71398, 66854, {10000, 5000, 0}, false},
    };
    const SkyFrame sky = EarthAlongX();
    for (const ShadowCase& c : cases) {
        SCOPED_TRACE(c.what);
        ShadowGeometry g;
        g.SunToPlanet = 7.8e8L * Unit(c.sunDirection);
        g.Pole = c.pole;
        g.EquatorialRadiusKm = c.a;
        g.PolarRadiusKm = c.b;
        const Vec3 got = ShadowPoint(g, sky, c.satellite);
        const Vec3 d = Unit(g.SunToPlanet + c.satellite);

        // Always on the sunlight's line through the satellite (1e-6 km over 1e6 km: rounding).
        const Vec3 off = Cross(got - c.satellite, d);
        EXPECT_LT(Norm(off), 1e-6L) << "distance from the line " << Norm(off) << " km";

        Vec3 want;
        const bool hits = MarchToGlobe(c.satellite, d, c.pole, c.a, c.b, 4e6L, want) &&
                          SpheroidLevel(c.satellite, c.pole, c.a, c.b) > 0;
        ASSERT_EQ(hits, c.onGlobe) << "the case itself is set up wrongly";
        if (c.onGlobe) {
            // Bisection to 2^-80 of a 10 km step: the two agree to well under a metre.
            const Extended miss = Norm(got - want);
            EXPECT_LT(miss, 1e-3L) << "want (" << want.x << ", " << want.y << ", " << want.z << ") got (" << got.x
                                   << ", " << got.y << ", " << got.z << "), difference " << miss << " km";
        } else {
            EXPECT_LT(std::fabs(Dot(got, sky.Toward)), 1e-6L) << "depth " << Dot(got, sky.Toward) << " km";
        }
    }
}

TEST(ShadowPoint, SunlightParallelToTheSkyPlaneLeavesTheSatellite)
{
    // No crossing with the sky plane exists: the satellite itself, not an infinite point.
    ShadowGeometry g;
    g.SunToPlanet = {0, 7.8e8L, 0};
    g.Pole = {0, 0, 1};
    g.EquatorialRadiusKm = 71398;
    g.PolarRadiusKm = 66854;
    const Vec3 satellite{0, 0, 300000};  // beyond the pole: misses the globe
    const Vec3 got = ShadowPoint(g, EarthAlongX(), satellite);
    EXPECT_TRUE(std::isfinite(got.x) && std::isfinite(got.y) && std::isfinite(got.z));
    EXPECT_LT(Norm(got - satellite), 1e-3L);
}

TEST(ShadowPoint, FarSatelliteKeepsTheNearRootAccurate)
{
    // A satellite a million radii away on the Sun-planet axis: the contact is the sub-solar point.
    ShadowGeometry g;
    g.SunToPlanet = {-1.5e9L, 0, 0};
    g.Pole = {0, 0, 1};
    g.EquatorialRadiusKm = 1000;
    g.PolarRadiusKm = 1000;
    const Vec3 got = ShadowPoint(g, EarthAlongX(), {1e9L, 0, 0});
    EXPECT_NEAR(static_cast<double>(got.x), 1000.0, 1e-6) << "km";
    EXPECT_NEAR(static_cast<double>(got.y), 0.0, 1e-6) << "km";
}

TEST(ProjectSystem, OrientationsTurnTheShadowAsTheSatellite)
{
    SatelliteSystem system;
    system.Planet = Jupiter;
    system.Geocentric = {-6e8L, 0, 0};  // the Earth along +x, as EarthAlongX
    system.Heliocentric = {-7.8e8L, 2e7L, 0};
    system.Pole = Unit({0.1L, 0.45L, 0.88L});
    system.EquatorialRadiusKm = 71398;
    system.PolarRadiusKm = 66854;
    system.PolePA = 0.4L;
    system.Count = 2;
    system.Position[2] = {400000, -150000, 40000};
    system.PlanetFrame[2] = system.Position[2];
    const SkyFrame sky = EarthAlongX();

    SatelliteRecord n, s, a, b;
    ProjectSystem(system, ViewMode::Equatorial, Orientation::North, n);
    ProjectSystem(system, ViewMode::Equatorial, Orientation::South, s);
    ProjectSystem(system, ViewMode::Equatorial, Orientation::PlanetSouth, a);
    ProjectSystem(system, ViewMode::Equatorial, Orientation::PlanetNorth, b);

    const SkyOffsets direct = ProjectOnSky(sky, ShadowPoint(ShadowGeometryOf(system), sky, system.Position[2]));
    EXPECT_EQ(n.SatShadowX[2], direct.OffsetX);
    EXPECT_EQ(n.SatShadowY[2], direct.OffsetY);
    EXPECT_EQ(s.SatShadowX[2], n.SatShadowX[2]);
    EXPECT_EQ(s.SatShadowY[2], n.SatShadowY[2]);
    EXPECT_EQ(a.SatShadowX[2], -b.SatShadowX[2]);
    EXPECT_EQ(a.SatShadowY[2], -b.SatShadowY[2]);
    // 'A' is the east/north pair turned by the pole's position angle.
    const Extended x = direct.OffsetX * std::cos(system.PolePA) - direct.OffsetY * std::sin(system.PolePA);
    EXPECT_NEAR(static_cast<double>(a.SatShadowX[2]), static_cast<double>(x), 1e-12) << "arcsec";
    EXPECT_EQ(n.SatShadowX[3], 0) << "slots above the planet's satellites untouched";
}

}  // namespace
}  // namespace vireon
