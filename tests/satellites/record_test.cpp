// The satellite record's shared projection: the sky basis, the arcsecond offsets, the far-side
// flag, the planetary orientations, sizes and the two kinds of polar-view pairs.
#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

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
            EXPECT_EQ(SatelliteName(row.planet, k), row.names[k - 1]) << "planet " << int(row.planet) << " k " << k;
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

TEST(ProjectOnSky, OffsetsDivideByDistancePlusDepthAndFlagTheFarSide)
{
    const SkyFrame sky = MakeSkyFrame({-6e8L, 0, 0});  // Earth along +x: east -y, north +z
    const struct {
        Vec3 v;
        Extended e, n, d;
        char farSide;
    } rows[] = {
        {{0, -400000, 0}, 400000, 0, 0, 'P'},           // at the centre's depth: near side
        {{-1e6L, 0, 300000}, 0, 300000, -1e6L, 'E'},    // behind
        {{2e6L, 100000, -50000}, -100000, -50000, 2e6L, 'P'},
    };
    for (const auto& row : rows) {
        const SkyOffsets o = ProjectOnSky(sky, row.v);
        SatelliteRecord record;
        StoreProjection(record, 3, o);
        const Extended wantX = std::atan(row.e / (6e8L + row.d)) * ArcsecPerRadian;
        const Extended wantY = std::atan(row.n / (6e8L + row.d)) * ArcsecPerRadian;
        EXPECT_NEAR(static_cast<double>(record.SatOffsetX[3]), static_cast<double>(wantX), 1e-12);
        EXPECT_NEAR(static_cast<double>(record.SatOffsetY[3]), static_cast<double>(wantY), 1e-12);
        EXPECT_EQ(record.SatDepth[3], row.d);
        EXPECT_EQ(record.SatFarSide[3], row.farSide);
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

TEST(PolarFromLongitude, NegativeLongitudeIsTurnedIntoOneTurn)
{
    SatelliteRecord record;
    record.SatPlanetLongitude[2] = -Pi / 2;
    record.SatDistance[2] = 12;
    PolarFromLongitude(record, 2);
    EXPECT_NEAR(static_cast<double>(record.SatPlanetLongitude[2]), static_cast<double>(3 * Pi / 2), 1e-18);
    EXPECT_NEAR(static_cast<double>(record.SatPolarX[2]), -12.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(record.SatPolarY[2]), 0.0, 1e-15);
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
