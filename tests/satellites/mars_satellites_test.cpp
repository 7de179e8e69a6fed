// Phobos and Deimos: the behaviours a fault would break. Dates are read as Terrestrial Time.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "core/time_base.h"
#include "satellites/projection.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ArcsecPerRadian = 648000 / Pi;

struct MarsRun {
    SatelliteRecord record;
    PlanetPlaces places;
};

// A calendar instant; minutes and seconds default to 0.
struct Date {
    int day = 1, month = 1, year = 2000, hour = 0, minute = 0, second = 0;
};

MarsRun MarsAt(const Date& d, ViewMode view = ViewMode::Equatorial, Orientation orientation = Orientation::North)
{
    MarsRun run;
    const TheoryInput in{JulianDayFromCalendar(d.day, d.month, d.year, d.second, d.minute, d.hour), d.year, view,
                         orientation};
    RunSatelliteTheory(Mars, in, run.places, run.record);
    return run;
}

// Dates over two centuries, both sides of 2000, near and far from opposition.
constexpr Date Dates[] = {{3, 2, 1901, 6},   {17, 9, 1924, 0}, {28, 7, 1956, 18}, {9, 11, 1992, 0},
                          {28, 8, 2003, 12}, {15, 4, 2014, 3}, {6, 10, 2020, 22}, {30, 12, 2099, 23}};

TEST(MarsSatellites, PoleMovesOnlyWhenTheCalendarYearChanges)
{
    // One second across New Year moves the pole by its yearly step (about 1e-4 rad of
    // position angle); one second inside the year moves the angle by Mars's motion only.
    const Extended eve = MarsAt({31, 12, 2003, 23, 59, 59}).record.PlanetPolePA;
    const Extended newYear = MarsAt({1, 1, 2004, 0}).record.PlanetPolePA;
    const Extended mid = MarsAt({30, 6, 2004, 12}).record.PlanetPolePA;
    const Extended midPlusOne = MarsAt({30, 6, 2004, 12, 0, 1}).record.PlanetPolePA;
    EXPECT_GT(std::fabs(newYear - eve), 2e-5L) << static_cast<double>(newYear - eve) << " rad";
    EXPECT_LT(std::fabs(midPlusOne - mid), 1e-7L) << static_cast<double>(midPlusOne - mid) << " rad";
}

TEST(MarsSatellites, PoleAndDiscMatchMeeusExample42a)
{
    // 1992 November 9, 0h TD: P = 347.64 deg, d = 10.75". Meeus' IAU pole (317.63, 52.86 deg
    // on the equator of 1992) lies 0.42 deg from this theory's older pole of the year
    // (317.14, 53.15 deg), which turns P by up to as much; a quadrant fault costs degrees.
    const MarsRun run = MarsAt({9, 11, 1992, 0});
    EXPECT_NEAR(static_cast<double>(run.record.PlanetPolePA * 180 / Pi), 347.64, 0.5);
    EXPECT_NEAR(static_cast<double>(run.record.PlanetApparentDiameter[1]), 10.75, 0.02);
}

TEST(MarsSatellites, MagnitudesAreLeftAsTheyWere)
{
    SatelliteRecord record;
    PlanetPlaces places;
    record.SatMagnitude = {0, 11.25L, -2.5L, 7, 7, 7, 7, 7, 7};
    RunSatelliteTheory(Mars, {JulianDayFromCalendar(9, 11, 1992, 0, 0, 0), 1992, ViewMode::Equatorial, Orientation::North}, places, record);
    EXPECT_EQ(record.SatMagnitude[1], 11.25L);
    EXPECT_EQ(record.SatMagnitude[2], -2.5L);
}

TEST(MarsSatellites, PlanetaryOrientationsTurnOffsetsAndShadowsTogether)
{
    constexpr Extended tight = 1e-9L;  // arcsec: rounding only
    for (const Date& d : Dates) {
        const SatelliteRecord n = MarsAt(d, ViewMode::Equatorial, Orientation::North).record;
        const SatelliteRecord s = MarsAt(d, ViewMode::Equatorial, Orientation::South).record;
        const SatelliteRecord a = MarsAt(d, ViewMode::Equatorial, Orientation::PlanetSouth).record;
        const SatelliteRecord b = MarsAt(d, ViewMode::Equatorial, Orientation::PlanetNorth).record;
        const Extended c = std::cos(n.PlanetPolePA), sn = std::sin(n.PlanetPolePA);
        for (int k = 1; k <= 2; ++k) {
            SCOPED_TRACE(testing::Message() << d.day << "/" << d.month << "/" << d.year << " satellite " << k);
            EXPECT_EQ(s.SatOffsetX[k], n.SatOffsetX[k]);
            EXPECT_EQ(s.SatShadowY[k], n.SatShadowY[k]);
            // 'A' holds (E cos p - N sin p, E sin p + N cos p), satellite and shadow alike;
            // 'B' the opposite pair; the polar pair does not depend on the orientation.
            EXPECT_NEAR(a.SatOffsetX[k], n.SatOffsetX[k] * c - n.SatOffsetY[k] * sn, tight);
            EXPECT_NEAR(a.SatOffsetY[k], n.SatOffsetX[k] * sn + n.SatOffsetY[k] * c, tight);
            EXPECT_NEAR(a.SatShadowX[k], n.SatShadowX[k] * c - n.SatShadowY[k] * sn, tight);
            EXPECT_NEAR(a.SatShadowY[k], n.SatShadowX[k] * sn + n.SatShadowY[k] * c, tight);
            EXPECT_EQ(b.SatOffsetY[k], -a.SatOffsetY[k]);
            EXPECT_EQ(b.SatShadowX[k], -a.SatShadowX[k]);
            EXPECT_NEAR(b.SatPolarY[k], n.SatPolarY[k], tight);
        }
    }
}

TEST(MarsSatellites, DistanceOnThePlanetScaleIsHalvedOutsideTheEquatorialView)
{
    for (const Date& d : Dates) {
        for (const ViewMode view : {ViewMode::Polar, ViewMode::Graph}) {
            const MarsRun e = MarsAt(d, ViewMode::Equatorial);
            const MarsRun p = MarsAt(d, view);
            for (int k = 1; k <= 2; ++k) {
                // Half the true angular distance r / Delta, to the arctangent's 1e-9.
                const Extended halfTrue =
                    p.record.SatRadiusVector[k] / p.places.Planet[Mars].Distance * ArcsecPerRadian / 2;
                EXPECT_NEAR(p.record.SatDistance[k], halfTrue, 1e-7L * halfTrue) << view << d.year << " " << k;
                EXPECT_LE(e.record.SatDistance[k], 2 * p.record.SatDistance[k] * (1 + 1e-6L));
            }
        }
    }
}

TEST(MarsSatellites, PhaseAngleIsTheSunEarthAngleSignedBySideOfOpposition)
{
    // Opposition of 2003 August 28: Mars leads the Earth in longitude before it, trails after.
    EXPECT_GT(MarsAt({28, 7, 2003, 0}).record.PhaseAngleSigned, 0);
    EXPECT_LT(MarsAt({28, 9, 2003, 0}).record.PhaseAngleSigned, 0);
    for (const Date& d : Dates) {
        const MarsRun run = MarsAt(d);
        const PlanetPlace& m = run.places.Planet[Mars];
        const EarthPlace& earth = run.places.Earth;
        // The angle at Mars between the Earth and the Sun from the vectors; the triangle of
        // distances takes them at instants a light time apart, 2e-4 rad at most.
        const Vec3 toEarth{-m.X, -m.Y, -m.Z};
        const Vec3 toSun{-(m.X + earth.X), -(m.Y + earth.Y), -(m.Z + earth.Z)};
        const Extended want = std::acos(Dot(toEarth, toSun) / (Norm(toEarth) * Norm(toSun)));
        EXPECT_NEAR(std::fabs(run.record.PhaseAngleSigned), want, 2e-4L) << d.year;
        EXPECT_LE(want, 48 * Pi / 180) << d.year;  // Mars's largest phase angle is 47 deg
    }
}

TEST(MarsSatellites, ShadowsFallAwayFromTheSunByAtMostDepthTimesTanPhase)
{
    for (const Date& d : Dates) {
        const MarsRun run = MarsAt(d);
        const PlanetPlace& m = run.places.Planet[Mars];
        const SkyFrame sky = MakeSkyFrame({m.X, m.Y, m.Z});
        const Vec3 toSun{-(m.X + run.places.Earth.X), -(m.Y + run.places.Earth.Y), -(m.Z + run.places.Earth.Z)};
        const Extended tanPhase = std::tan(std::fabs(run.record.PhaseAngleSigned));
        for (int k = 1; k <= 2; ++k) {
            SCOPED_TRACE(testing::Message() << d.day << "/" << d.month << "/" << d.year << " satellite " << k);
            const Extended dx = run.record.SatShadowX[k] - run.record.SatOffsetX[k];
            const Extended dy = run.record.SatShadowY[k] - run.record.SatOffsetY[k];
            const Extended depth = run.record.SatDepth[k];
            // Along the sunlight the point leaves the satellite's line of sight by |D| tan i
            // at most (exactly so when the ray misses the globe); 3e-4 rad covers the light
            // time between the triangle that gives i and the apparent line of sight.
            const Extended bound = std::fabs(depth) * (tanPhase + 3e-4L) / m.Distance * ArcsecPerRadian * 1.001L;
            EXPECT_LE(std::hypot(dx, dy), bound);
            // Away from the Sun for a satellite in front of the planet's centre, toward it behind.
            if (std::hypot(dx, dy) > 1e-3L) {
                EXPECT_EQ(dx * Dot(toSun, sky.East) + dy * Dot(toSun, sky.North) < 0, depth > 0)
                    << "shift (" << static_cast<double>(dx) << ", " << static_cast<double>(dy) << ")\", depth "
                    << static_cast<double>(depth) << " km";
            }
        }
    }
}

}  // namespace
}  // namespace vireon
