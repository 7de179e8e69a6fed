// The shared projection from a theory's satellite system to the record: the sky basis, the
// arcsecond offsets, the far-side flag, the planetary orientations, sizes, each planet's rules
// for the distance and the polar-view pair, and the rings' side.
#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "satellites/planet_descriptor.h"
#include "satellites/projection.h"
#include "satellites/satellite_record.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ArcsecPerRadian = 648000 / Pi;

TEST(SatelliteNames, AsShownToTheUser)
{
    const struct {
        PlanetId planet;
        const char* names[8];
    } rows[] = {
        {Mars, {"Phobos", "Deimos", "", "", "", "", "", ""}},
        {Jupiter, {"Io", "Europe", "Ganymède", "Callisto", "", "", "", ""}},
        {Saturn, {"Mimas", "Encelade", "Téthys", "Dioné", "Rhéa", "Titan", "Hypérion", "Japet"}},
        {Uranus, {"Miranda", "Ariel", "Umbriel", "Titania", "Obéron", "", "", ""}},
        {Neptune, {"Triton", "Néréïde", "", "", "", "", "", ""}},
        {Pluto, {"Charon", "", "", "", "", "", "", ""}},
    };
    for (const auto& row : rows) {
        for (int k = 1; k <= 8; ++k) {
            EXPECT_STREQ(SatelliteName(row.planet, k), row.names[k - 1]) << "planet " << int(row.planet) << " k " << k;
        }
    }
}

Vec3 Direction(Extended alpha, Extended delta)
{
    return {std::cos(alpha) * std::cos(delta), std::sin(alpha) * std::cos(delta), std::sin(delta)};
}

TEST(MakeSkyFrame, EastIsIncreasingRightAscensionAndNorthIsTheCelestialPole)
{
    const struct {
        double alphaDeg, deltaDeg;
    } rows[] = {{0, 0}, {17, 8}, {166, -22.8}, {263, 23.4}, {359, -1}};
    for (const auto& row : rows) {
        const Extended alpha = row.alphaDeg * Pi / 180;
        const Extended delta = row.deltaDeg * Pi / 180;
        const Extended distance = 6.3e8L;
        const SkyFrame sky = MakeSkyFrame(distance * Direction(alpha, delta));
        // The directions of increasing alpha and delta at the planet's place.
        const Vec3 east{-std::sin(alpha), std::cos(alpha), 0};
        const Vec3 north{-std::cos(alpha) * std::sin(delta), -std::sin(alpha) * std::sin(delta), std::cos(delta)};
        SCOPED_TRACE(std::to_string(row.alphaDeg) + " " + std::to_string(row.deltaDeg));
        EXPECT_NEAR(static_cast<double>(sky.Delta), static_cast<double>(distance), 1e-6);
        EXPECT_LT(Norm(sky.East - east), 1e-15L);
        EXPECT_LT(Norm(sky.North - north), 1e-15L);
        EXPECT_LT(Norm(sky.Toward + Direction(alpha, delta)), 1e-15L);
    }
}

TEST(ProjectOnSky, OffsetsDivideByDistancePlusDepth)
{
    const SkyFrame sky = MakeSkyFrame({-6e8L, 0, 0});  // Earth along +x: east -y, north +z
    const struct {
        Vec3 v;
        Extended e, n, d;
    } rows[] = {
        {{0, -400000, 0}, 400000, 0, 0},
        {{-1e6L, 0, 300000}, 0, 300000, -1e6L},
        {{2e6L, 100000, -50000}, -100000, -50000, 2e6L},
    };
    for (const auto& row : rows) {
        const SkyOffsets o = ProjectOnSky(sky, row.v);
        const Extended wantX = std::atan(row.e / (6e8L + row.d)) * ArcsecPerRadian;
        const Extended wantY = std::atan(row.n / (6e8L + row.d)) * ArcsecPerRadian;
        EXPECT_NEAR(static_cast<double>(o.OffsetX), static_cast<double>(wantX), 1e-12);
        EXPECT_NEAR(static_cast<double>(o.OffsetY), static_cast<double>(wantY), 1e-12);
        EXPECT_EQ(o.D, row.d);
    }
}

// One constructed system seen through every planet's rules: the Earth along +x at 6e8 km, the
// pole tilted 0.3 rad east of north, satellite 1 in front of the planet (north-east, its planet
// frame at longitude -90 deg) and satellite 2 behind. Saturn's rings tilt B = -0.2 rad.
TEST(ProjectSystem, EachPlanetsRulesOnOneGeometry)
{
    constexpr Extended Delta = 6e8L;
    constexpr Extended PolePA = 0.3L;
    for (PlanetId p = FirstPlanet; p <= LastPlanet; ++p) {
        const PlanetDescriptor& planet = Planet(p);
        SatelliteSystem system;
        system.Planet = p;
        system.Geocentric = {-Delta, 0, 0};
        system.Heliocentric = {-7.4e8L, 1e7L, 0};
        system.Pole = {0, 0, 1};
        system.PolePA = PolePA;
        system.EquatorialRadiusKm = planet.DiscEquatorialRadiusKm;
        system.PolarRadiusKm = planet.DiscPolarRadiusKm;
        system.Rings.EarthLatitude = -0.2;
        system.Count = 2;
        system.Position[1] = {3e5L, -2e5L, 1e5L};  // toward the Earth, east (-y) and north
        system.Position[2] = {-4e5L, 1e5L, 0};     // behind, west
        system.PlanetFrame[1] = {0, -3e5L, 0};
        system.PlanetFrame[2] = {4e5L, 0, 0};

        for (const ViewMode view : {ViewMode::Equatorial, ViewMode::Polar}) {
            for (const Orientation orientation : {Orientation::North, Orientation::PlanetSouth}) {
                SatelliteRecord record;
                record.SatMagnitude[1] = -9;
                record.SatOffsetX[3] = 77;  // above the planet's count: left alone
                ProjectSystem(system, view, orientation, record);
                SCOPED_TRACE(planet.CommandName + std::string(" ") + Letter(view) + Letter(orientation));

                EXPECT_EQ(record.SatFarSide[1], 'P');
                EXPECT_EQ(record.SatFarSide[2], 'E');
                EXPECT_EQ(record.SatOffsetX[3], 77);
                EXPECT_EQ(record.SatMagnitude[1], planet.RecordsMagnitudes ? planet.Satellites[1].Magnitude : -9);
                // East and north offsets of satellite 1 before any turn.
                const Extended east = std::atan(2e5L / (Delta + 3e5L)) * ArcsecPerRadian;
                const Extended north = std::atan(1e5L / (Delta + 3e5L)) * ArcsecPerRadian;
                Extended x = east, y = north;
                if (planet.OrientsOffsets && orientation == Orientation::PlanetSouth) {
                    x = east * std::cos(PolePA) - north * std::sin(PolePA);
                    y = east * std::sin(PolePA) + north * std::cos(PolePA);
                }
                EXPECT_NEAR(static_cast<double>(record.SatOffsetX[1]), static_cast<double>(x), 1e-12);
                EXPECT_NEAR(static_cast<double>(record.SatOffsetY[1]), static_cast<double>(y), 1e-12);

                const Extended radiusArcsec = record.PlanetApparentDiameter[1] / 2;
                const bool sky = view == ViewMode::Equatorial || planet.SkyDistanceInEveryView;
                const Extended wantDistance = sky ? std::hypot(x, planet.SkyFlattening * y)
                                                  : planet.TrueDistanceScale * Norm(system.PlanetFrame[1]) /
                                                        planet.DiscEquatorialRadiusKm * radiusArcsec;
                if (p != Pluto) {  // Pluto's disc radius is not its catalogue radius
                    EXPECT_NEAR(static_cast<double>(record.SatDistance[1]), static_cast<double>(wantDistance), 1e-9);
                }
                if (planet.Polar == PolarPair::FromLongitude) {
                    // Longitude -90 deg is taken as 270 deg: the satellite on the view's left.
                    EXPECT_NEAR(static_cast<double>(record.SatPolarX[1]), static_cast<double>(-record.SatDistance[1]), 1e-12);
                    EXPECT_NEAR(static_cast<double>(record.SatPolarY[1]), 0.0, 1e-9);
                } else if (planet.Polar == PolarPair::SkyDistanceAndAngle) {
                    EXPECT_EQ(record.SatPolarX[1], record.SatDistance[1]);
                    EXPECT_NEAR(static_cast<double>(record.SatPolarY[1]), static_cast<double>(std::atan(y / x)), 1e-15);
                } else {
                    // The depth on the disc's scale: satellite 1 lies 3e5 km toward the Earth.
                    EXPECT_NEAR(static_cast<double>(record.SatPolarY[1] / radiusArcsec),
                                static_cast<double>(3e5L / planet.DiscEquatorialRadiusKm), 1e-12);
                }
                if (planet.HasRings) {
                    // B < 0 shows the south face, turned over with celestial north up.
                    EXPECT_EQ(record.Rings.RingSide, orientation == Orientation::North ? 1 : -1);
                }
                EXPECT_EQ(record.PlanetPolePA, PolePA);
            }
        }
    }
}

TEST(OrientOffsets, CelestialLeavesPlanetaryTurnsOntoThePole)
{
    const Extended pa = 0.35L;  // pole tilted east of north
    // A point on the projected pole, one arcsecond out.
    const Extended poleE = std::sin(pa);
    const Extended poleN = std::cos(pa);
    struct Row {
        Orientation orientation;
        Extended wantX, wantY;
    };
    const Row rows[] = {{Orientation::North, poleE, poleN}, {Orientation::South, poleE, poleN}, {Orientation::PlanetSouth, 0, 1}, {Orientation::PlanetNorth, 0, -1}};
    for (const Row& row : rows) {
        Extended x = poleE;
        Extended y = poleN;
        OrientOffsets(row.orientation, pa, x, y);
        EXPECT_NEAR(static_cast<double>(x), static_cast<double>(row.wantX), 1e-18) << row.orientation;
        EXPECT_NEAR(static_cast<double>(y), static_cast<double>(row.wantY), 1e-18) << row.orientation;
    }
    // A point on the projected equator, a quarter turn back from the pole, goes to -X' for 'A'.
    Extended x = -std::cos(pa);
    Extended y = std::sin(pa);
    OrientOffsets(Orientation::PlanetSouth, pa, x, y);
    EXPECT_NEAR(static_cast<double>(x), -1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(y), 0.0, 1e-18);
}

TEST(ApparentDiameterArcsec, JupiterAtOneAstronomicalUnit)
{
    // 71398 km at 1 au subtends 98.443" of radius (Meeus, ch. 55, scaled to this radius).
    EXPECT_NEAR(static_cast<double>(ApparentDiameterArcsec(71398, AstronomicalUnitKm)), 2 * 98.4434, 2e-3);
    EXPECT_EQ(ApparentDiameterArcsec(0, AstronomicalUnitKm), 0);
}

TEST(PolarFromOffsetsAndDepth, EveryViewAndOrientationButPolarSouth)
{
    const Extended east = 30;
    const Extended north = -4;
    const Extended pa = -0.4L;
    const Extended wantX = -(east * std::cos(pa) - north * std::sin(pa));
    for (ViewMode view : {ViewMode::Equatorial, ViewMode::Polar, ViewMode::Graph}) {
        for (Orientation orientation : {Orientation::North, Orientation::South, Orientation::PlanetSouth, Orientation::PlanetNorth}) {
            SatelliteRecord record;
            record.SatPolarX[1] = 111;
            record.SatPolarY[1] = 222;
            record.SatDepth[1] = -71398;  // one radius behind
            record.PlanetApparentDiameter[1] = 40;
            PolarFromOffsetsAndDepth(record, 1, view, orientation, east, north, pa, 142796);
            SCOPED_TRACE((std::string{Letter(view), Letter(orientation)}));
            if (view == ViewMode::Polar && orientation == Orientation::South) {
                EXPECT_EQ(record.SatPolarX[1], 111);
                EXPECT_EQ(record.SatPolarY[1], 222);
            } else {
                EXPECT_NEAR(static_cast<double>(record.SatPolarX[1]), static_cast<double>(wantX), 1e-15);
                EXPECT_NEAR(static_cast<double>(record.SatPolarY[1]), -20.0, 1e-15);
            }
        }
    }
}

}  // namespace
}  // namespace vireon
