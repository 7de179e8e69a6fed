// Saturn's satellites: the B1950 frame and its turn to the date, the elements (and their units),
// Meeus's worked example 46.a, and the record the theory writes for every view and orientation.
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/time_base.h"
#include "ephemeris/apparent_place.h"
#include "satellites/planet_frame.h"
#include "satellites/projection.h"
#include "satellites/saturn_satellites.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended Deg = Pi / 180;
constexpr Extended Arcsec = Pi / 648000;
constexpr Extended B1950JD = 2433282.423L;

TheoryInput At(int day, int month, int year, int hour, int minute, int second, ViewMode view = ViewMode::Equatorial,
               Orientation orientation = Orientation::North)
{
    TheoryInput in;
    in.JD = JulianDayFromCalendar(day, month, year, second, minute, hour);
    in.Year = year;
    in.ViewMode = view;
    in.Orientation = orientation;
    return in;
}

SatelliteRecord RunSaturn(const TheoryInput& in)
{
    PlanetPlaces places;
    SatelliteRecord record;
    RunSatelliteTheory(Saturn, in, places, record);
    return record;
}

// Julian Days from 1600 to 2400 and the extreme years, for properties that hold at every date.
const Extended SampleDates[] = {1721424.5L, 2305447.5L, 2378496.5L, 2415020.0L, B1950JD, 2446961.625L,
                                2451545.0L, 2453065.0L, 2463120.3958333L, 2524593.5L, 5373484.0L};

// ---------------------------------------------------------------------------------------------
// The frame

TEST(SaturnFrame, AtB1950TheTurnIsTheIdentityAndThePlaneIsA0B0)
{
    const EclipticPrecession a = EclipticPrecessionFromB1950(B1950JD);
    EXPECT_EQ(a.p, 0);
    EXPECT_EQ(a.eta, 0);
    const Mat3 m = B1950EclipticToDate(a);
    for (int i = 0; i < 3; ++i) {
        const Vec3 row = m.Rows[i];
        const Extended want[3] = {i == 0 ? 1.0L : 0.0L, i == 1 ? 1.0L : 0.0L, i == 2 ? 1.0L : 0.0L};
        EXPECT_NEAR(row.x, want[0], 1e-18L) << "row " << i;
        EXPECT_NEAR(row.y, want[1], 1e-18L) << "row " << i;
        EXPECT_NEAR(row.z, want[2], 1e-18L) << "row " << i;
    }
    const PlaneOrientation plane = PlaneOnEclipticOfDate(SaturnEquatorB1950, a);
    EXPECT_NEAR(plane.Node / Deg, 168.8112L, 1e-12L);
    EXPECT_NEAR(plane.Inclination / Deg, 28.0817L, 1e-12L);
}

// The node and inclination of Saturn's equator on the ecliptic of date, and the turned B1950
// pole, are two routes to the same plane: a sign slip in either shows at once.
TEST(SaturnFrame, TurnedPoleEqualsThePoleOfThePlaneOfDate)
{
    for (const Extended jd : SampleDates) {
        const EclipticPrecession a = EclipticPrecessionFromB1950(jd);
        const Vec3 turned = B1950EclipticToDate(a) * PlanePole(SaturnEquatorB1950);
        const Vec3 ofDate = PlanePole(PlaneOnEclipticOfDate(SaturnEquatorB1950, a));
        EXPECT_LT(Norm(turned - ofDate), 1e-15L) << "JD " << jd;
        EXPECT_NEAR(Norm(turned), 1, 1e-18L);
    }
}

// At J2000.0 the plane of date against Saturn's ring plane of Meeus ch. 45 (node 169.508476 deg,
// inclination 28.0875216 deg on the ecliptic of date) and the equator of date against the IAU
// pole (alpha 40.589 deg, delta 83.537 deg, J2000). The two are independent determinations of
// the same plane that differ by about 0.012 deg in inclination; a precession of the wrong sign
// or size moves the node by 0.7 deg over the half century.
TEST(SaturnFrame, PlaneOfDateAgreesWithTheRingPlaneAndTheIauPoleAtJ2000)
{
    const EclipticPrecession a = EclipticPrecessionFromB1950(2451545.0L);
    const PlaneOrientation plane = PlaneOnEclipticOfDate(SaturnEquatorB1950, a);
    EXPECT_NEAR(plane.Node / Deg, 169.508476L, 0.001L);
    EXPECT_NEAR(plane.Inclination / Deg, 28.0875216L, 0.02L);

    const Vec3 pole = EclipticToEquator(PlanePole(plane), 84381.448L * Arcsec);
    const Vec3 iau{std::cos(40.589L * Deg) * std::cos(83.537L * Deg), std::sin(40.589L * Deg) * std::cos(83.537L * Deg),
                   std::sin(83.537L * Deg)};
    const Extended angle = std::acos(Dot(pole, iau)) / Deg;
    EXPECT_LT(angle, 0.05L) << "angle between the poles, degrees: " << angle;
}

// ---------------------------------------------------------------------------------------------
// Elements

// Each constant in degrees added to A0 or B0 is a small fraction of a degree; read as radians
// it would move the orbit by degrees. The inclinations and nodes on the B1950 ecliptic therefore
// stay within the sum of their periodic amplitudes about the stated centre at every date.
struct ElementBounds {
    int k;
    Extended inclinationCentreDeg, inclinationSpreadDeg;
    Extended nodeCentreDeg, nodeSpreadDeg;
    Extended eMin, eMax;
};
void PrintTo(const ElementBounds& b, std::ostream* os) { *os << "satellite " << b.k; }
class SaturnElementBounds : public ::testing::TestWithParam<ElementBounds> {};

TEST_P(SaturnElementBounds, StayWithinTheirPeriodicAmplitudes)
{
    const ElementBounds b = GetParam();
    for (const Extended jd : SampleDates) {
        for (const Extended days : {0.0L, 3.7L, 111.1L, 2000.3L, 7777.7L}) {
            const SatelliteElements el = SaturnSatelliteElements(b.k, jd + days, 0.05L);
            const Extended i = el.Inclination / Deg;
            Extended node = std::remainder(el.Node / Deg - b.nodeCentreDeg, 360.0L);
            EXPECT_NEAR(i, b.inclinationCentreDeg, b.inclinationSpreadDeg) << "satellite " << b.k << ", JD " << jd + days;
            EXPECT_NEAR(node, 0, b.nodeSpreadDeg) << "satellite " << b.k << ", JD " << jd + days;
            EXPECT_GE(el.Eccentricity, b.eMin) << "satellite " << b.k << ", JD " << jd + days;
            EXPECT_LE(el.Eccentricity, b.eMax) << "satellite " << b.k << ", JD " << jd + days;
            EXPECT_NEAR(el.SemiMajorAxisKm, SaturnSatelliteSemiMajorAxisKm[b.k], 0);
            EXPECT_TRUE(std::isfinite(el.MeanAnomaly));
        }
    }
}

constexpr Extended SinB0 = 0.47070393216533252L;  // sin 28.0817 deg
INSTANTIATE_TEST_SUITE_P(
    RheaTitanHyperion, SaturnElementBounds,
    ::testing::Values(
        // Rhea: i = B0 - 0.0455 + 0.3469 cos N + 0.0193 cos W3; Omega = A0 - 0.0078 + (...) / sin B0.
        ElementBounds{5, 28.0817L - 0.0455L, 0.3469L + 0.0193L + 1e-9L, 168.8112L - 0.0078L,
                      (0.3469L + 0.0193L) / SinB0 + 1e-9L, 0.001L - 0.000265L, 0.001L + 0.000265L},
        // Titan: i = B0 - 0.6204 + 0.2960 cos W3; Omega = A0 - 0.1418 + 0.2960 sin W3 / sin B0.
        ElementBounds{6, 28.0817L - 0.6204L, 0.2960L + 1e-9L, 168.8112L - 0.1418L, 0.2960L / SinB0 + 1e-9L,
                      0.029092L * (1 - 2 * 0.006548L), 0.029092L * (1 + 2 * 0.006548L)},
        // Hyperion: i = B0 + 0.6435 cos chi; Omega = A0 + 0.6435 sin chi.
        ElementBounds{7, 28.0817L, 0.6435L + 1e-9L, 168.8112L, 0.6435L + 1e-9L, 0.103458L - 0.02303L - 0.00212L,
                      0.103458L + 0.02303L + 0.00212L}));

// The three mended terms at dates chosen so that each argument takes a telling value
// (light time 0, so jd is the theory's own time):
// - Titan at W3 = 90 deg: Omega = A0 + 0.2960 deg / sin B0 - 0.1418 deg, i = B0 - 0.6204 deg;
// - Rhea at N = 345 deg - 10.057 deg t2 = 90 deg: the node and inclination terms follow N
//   (g on the node, none on the inclination), not p' (then at 237.7 deg);
// - Hyperion at zeta = 0: e = 0.103458 + 0.02303 - 0.00212 (the eccentricity terms are cosines).
TEST(SaturnElements, MendedTermsOfRheaTitanAndHyperion)
{
    const Extended A0 = 168.8112L, B0 = 28.0817L;
    const Extended sinB0 = std::sin(B0 * Deg);
    constexpr Extended Tolerance = 1e-9L;  // degrees: far below the 0.1-0.3 deg the faults move them

    const Extended t4 = (42 - 90) / 0.5118L * 365.25L;
    const SatelliteElements titan = SaturnSatelliteElements(6, 2411368.0L + t4, 0);
    EXPECT_NEAR(titan.Node / Deg, A0 + 0.2960L / sinB0 - 0.1418L, Tolerance);
    EXPECT_NEAR(titan.Inclination / Deg, B0 - 0.6204L, Tolerance);

    const Extended t1 = (345 - 90) / 10.057L * 365.25L;
    const Extended W3 = (42 - 0.5118L * (t1 - 275) / 365.25L) * Deg;
    const SatelliteElements rhea = SaturnSatelliteElements(5, 2411093.0L + t1, 0);
    EXPECT_NEAR(rhea.Inclination / Deg, B0 - 0.0455L + 0.0193L * std::cos(W3), Tolerance);
    EXPECT_NEAR(rhea.Node / Deg, A0 + (0.3469L + 0.0193L * std::sin(W3)) / sinB0 - 0.0078L, Tolerance);

    const Extended t6 = 541263975.0L / 191827;
    const SatelliteElements hyperion = SaturnSatelliteElements(7, 2415020.0L + t6, 0);
    EXPECT_NEAR(hyperion.Eccentricity, 0.103458L + 0.02303L - 0.00212L, 1e-12L);
}

// The inner orbits keep their small fixed inclinations on Saturn's equator, and Tethys moves on
// its circle of 294992 km whatever the date.
TEST(SaturnElements, InnerOrbitsAndTethysCircle)
{
    const Extended gammaDeg[5] = {0, 1.563L, 0.0262L, 1.0976L, 0.0139L};
    for (const Extended jd : SampleDates) {
        for (int k = 1; k <= 4; ++k) {
            const SatelliteElements el = SaturnSatelliteElements(k, jd, 0.06L);
            // The theory turns degrees into radians with 57.2957795128 (5e-12 from 180/pi).
            EXPECT_NEAR(el.Inclination / Deg, gammaDeg[k], 1e-10L) << "satellite " << k;
        }
        const SatelliteElements tethys = SaturnSatelliteElements(3, jd, 0.06L);
        EXPECT_EQ(tethys.Eccentricity, 0);
        const Vec3 v = SaturnSatelliteB1950(3, tethys);
        EXPECT_NEAR(Norm(v), 294992, 1e-9L) << "JD " << jd;
    }
}

// ---------------------------------------------------------------------------------------------
// Meeus, Astronomical Algorithms (2nd ed.), example 46.a: 1999 September 18, 0h UT, which with
// Delta T = 64 s is 00:01:04 TT. X (west) and Y (north) along Saturn's apparent equator and pole,
// in the radius the theory's semi-major axes imply (60437 km; Mimas 3.069904 radii = 185536 km).

struct Example46 {
    int k;
    Extended X, Y;
    Extended toleranceRadii;  // Meeus keeps periodic terms that the Kepler ellipses leave out
};
void PrintTo(const Example46& c, std::ostream* os) { *os << "satellite " << c.k; }
class SaturnExample46a : public ::testing::TestWithParam<Example46> {};

TEST_P(SaturnExample46a, AgreesWithMeeus)
{
    const Example46 c = GetParam();
    PlanetPlaces places;
    SatelliteRecord record;
    // 'A' (planetary south up) holds the offsets on Saturn's axes: (X', Y') with X' toward
    // celestial east along the equator, so Meeus's X (west) is -X'.
    RunSatelliteTheory(Saturn, At(18, 9, 1999, 0, 1, 4, ViewMode::Equatorial, Orientation::PlanetSouth), places, record);
    const Extended kmPerRadian = places.Planet[Saturn].Distance + record.SatDepth[c.k];
    const Extended X = -record.SatOffsetX[c.k] * Arcsec * kmPerRadian / 60437;
    const Extended Y = record.SatOffsetY[c.k] * Arcsec * kmPerRadian / 60437;
    EXPECT_NEAR(X, c.X, c.toleranceRadii) << "X: want " << c.X << " got " << X << " difference " << X - c.X;
    EXPECT_NEAR(Y, c.Y, c.toleranceRadii) << "Y: want " << c.Y << " got " << Y << " difference " << Y - c.Y;
}

INSTANTIATE_TEST_SUITE_P(Meeus, SaturnExample46a,
                         ::testing::Values(Example46{1, 3.102L, -0.204L, 0.01L}, Example46{2, 3.823L, 0.318L, 0.01L},
                                           Example46{3, 4.027L, -1.061L, 0.01L}, Example46{4, -5.365L, -1.148L, 0.01L},
                                           Example46{5, -0.972L, -3.136L, 0.01L}, Example46{6, 14.568L, 4.738L, 0.03L},
                                           Example46{7, -18.001L, -5.328L, 0.25L},
                                           Example46{8, -48.760L, 4.136L, 0.35L}));

// ---------------------------------------------------------------------------------------------
// The record

void ExpectSameSatelliteValues(const SatelliteRecord& a, const SatelliteRecord& b, const std::string& what)
{
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(a.SatOffsetX[k], b.SatOffsetX[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatOffsetY[k], b.SatOffsetY[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatDistance[k], b.SatDistance[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatDepth[k], b.SatDepth[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatFarSide[k], b.SatFarSide[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatApparentDiameter[k], b.SatApparentDiameter[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatMagnitude[k], b.SatMagnitude[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatPolarX[k], b.SatPolarX[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatPolarY[k], b.SatPolarY[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatShadowX[k], b.SatShadowX[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatShadowY[k], b.SatShadowY[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatRadiusVector[k], b.SatRadiusVector[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatPlanetLongitude[k], b.SatPlanetLongitude[k]) << what << ", satellite " << k;
        EXPECT_EQ(a.SatPlanetLatTan[k], b.SatPlanetLatTan[k]) << what << ", satellite " << k;
    }
    EXPECT_EQ(a.PlanetApparentDiameter, b.PlanetApparentDiameter) << what;
    EXPECT_EQ(a.PhaseAngleSigned, b.PhaseAngleSigned) << what;
    EXPECT_EQ(a.PlanetPolePA, b.PlanetPolePA) << what;
}

// Nothing is carried from one run to the next: the same date gives the same record, whether
// the record and places start empty or hold another planet's and another date's values.
TEST(SaturnRecord, SameDateGivesIdenticalRecords)
{
    const TheoryInput in = At(10, 9, 2031, 21, 30, 0);
    PlanetPlaces places;
    SatelliteRecord first;
    RunSatelliteTheory(Saturn, in, places, first);

    SatelliteRecord second = first;
    RunSatelliteTheory(Saturn, At(1, 1, 1700, 0, 0, 0), places, second);
    RunSatelliteTheory(Jupiter, At(1, 1, 1800, 0, 0, 0), places, second);
    RunSatelliteTheory(Saturn, in, places, second);
    ExpectSameSatelliteValues(first, second, "second run");
}

TEST(SaturnRecord, NorthAndSouthGiveIdenticalRecords)
{
    for (const ViewMode view : {ViewMode::Equatorial, ViewMode::Polar, ViewMode::Graph}) {
        const SatelliteRecord north = RunSaturn(At(29, 2, 2004, 12, 0, 0, view, Orientation::North));
        PlanetPlaces places;
        SatelliteRecord south = north;  // ('P', 'S') keeps the previous polar pair: start from 'N''s
        RunSatelliteTheory(Saturn, At(29, 2, 2004, 12, 0, 0, view, Orientation::South), places, south);
        ExpectSameSatelliteValues(north, south, std::string("view ") + Letter(view));
    }
}

// 'A' and 'B' hold opposite offsets and shadows, on the planet's axes: the east/north offsets
// turned by the position angle of the pole; the polar pair does not depend on the orientation.
TEST(SaturnRecord, PlanetaryOrientationsTurnTheOffsetsOntoSaturnsAxes)
{
    const SatelliteRecord north = RunSaturn(At(15, 6, 1987, 3, 0, 0, ViewMode::Equatorial, Orientation::North));
    const SatelliteRecord a = RunSaturn(At(15, 6, 1987, 3, 0, 0, ViewMode::Equatorial, Orientation::PlanetSouth));
    const SatelliteRecord b = RunSaturn(At(15, 6, 1987, 3, 0, 0, ViewMode::Equatorial, Orientation::PlanetNorth));
    const Extended p = north.PlanetPolePA;
    for (int k = 1; k <= 8; ++k) {
        const Extended E = north.SatOffsetX[k], N = north.SatOffsetY[k];
        const Extended along = E * std::cos(p) - N * std::sin(p);
        const Extended toward = E * std::sin(p) + N * std::cos(p);
        EXPECT_NEAR(a.SatOffsetX[k], along, 1e-12L) << "satellite " << k;
        EXPECT_NEAR(a.SatOffsetY[k], toward, 1e-12L) << "satellite " << k;
        EXPECT_EQ(b.SatOffsetX[k], -a.SatOffsetX[k]) << "satellite " << k;
        EXPECT_EQ(b.SatOffsetY[k], -a.SatOffsetY[k]) << "satellite " << k;
        EXPECT_EQ(b.SatShadowX[k], -a.SatShadowX[k]) << "satellite " << k;
        EXPECT_EQ(b.SatShadowY[k], -a.SatShadowY[k]) << "satellite " << k;
        EXPECT_EQ(a.SatPolarX[k], north.SatPolarX[k]) << "satellite " << k;
        EXPECT_EQ(b.SatPolarX[k], north.SatPolarX[k]) << "satellite " << k;
        EXPECT_EQ(b.SatPolarY[k], north.SatPolarY[k]) << "satellite " << k;
        // The polar pair: minus the offset along the equator, and the depth on the disc's scale.
        EXPECT_NEAR(north.SatPolarX[k], -along, 1e-12L) << "satellite " << k;
        EXPECT_NEAR(north.SatPolarY[k], north.SatDepth[k] / 120536 * north.PlanetApparentDiameter[1], 1e-12L);
        // The sky distance is the same on either set of axes.
        EXPECT_NEAR(a.SatDistance[k], north.SatDistance[k], 1e-12L) << "satellite " << k;
    }
}

TEST(SaturnRecord, PolarViewWithSouthUpKeepsThePreviousPolarPair)
{
    PlanetPlaces places;
    SatelliteRecord record;
    RunSatelliteTheory(Saturn, At(15, 6, 1987, 3, 0, 0, ViewMode::Equatorial, Orientation::North), places, record);
    const SatelliteRecord before = record;
    RunSatelliteTheory(Saturn, At(10, 9, 2031, 21, 30, 0, ViewMode::Polar, Orientation::South), places, record);
    const SatelliteRecord fresh = RunSaturn(At(10, 9, 2031, 21, 30, 0, ViewMode::Polar, Orientation::North));
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(record.SatPolarX[k], before.SatPolarX[k]) << "satellite " << k;
        EXPECT_EQ(record.SatPolarY[k], before.SatPolarY[k]) << "satellite " << k;
        // Everything else belongs to the new date.
        EXPECT_EQ(record.SatOffsetX[k], fresh.SatOffsetX[k]) << "satellite " << k;
        EXPECT_EQ(record.SatDistance[k], fresh.SatDistance[k]) << "satellite " << k;
        EXPECT_NE(record.SatPolarX[k], fresh.SatPolarX[k]) << "satellite " << k;
    }
    // Every other combination writes the pair.
    for (const ViewMode view : {ViewMode::Equatorial, ViewMode::Polar, ViewMode::Graph}) {
        for (const Orientation orientation : {Orientation::North, Orientation::South, Orientation::PlanetSouth, Orientation::PlanetNorth}) {
            if (view == ViewMode::Polar && orientation == Orientation::South) continue;
            SatelliteRecord r = before;
            RunSatelliteTheory(Saturn, At(10, 9, 2031, 21, 30, 0, view, orientation), places, r);
            for (int k = 1; k <= 8; ++k) {
                EXPECT_EQ(r.SatPolarX[k], fresh.SatPolarX[k]) << view << orientation << ", satellite " << k;
                EXPECT_EQ(r.SatPolarY[k], fresh.SatPolarY[k]) << view << orientation << ", satellite " << k;
            }
        }
    }
}

// 'E': the separation on the sky (no flattening for Saturn); 'P' and 'G': the true distance on
// the scale of the disc. Sizes, magnitudes, the far-side flag, and Tethys's circle.
TEST(SaturnRecord, DistancesSizesAndFlags)
{
    const SatelliteRecord e = RunSaturn(At(29, 2, 2004, 12, 0, 0, ViewMode::Equatorial));
    const SatelliteRecord p = RunSaturn(At(29, 2, 2004, 12, 0, 0, ViewMode::Polar));
    const SatelliteRecord g = RunSaturn(At(29, 2, 2004, 12, 0, 0, ViewMode::Graph));
    const Extended magnitudes[9] = {0, 12.5L, 11.5L, 10.0L, 10.0L, 9.0L, 8.0L, 14.0L, 10.5L};
    for (int k = 1; k <= 8; ++k) {
        EXPECT_NEAR(e.SatDistance[k], std::hypot(e.SatOffsetX[k], e.SatOffsetY[k]), 1e-12L) << "satellite " << k;
        const Extended scaled = p.SatRadiusVector[k] / 120536 * p.PlanetApparentDiameter[1];
        EXPECT_NEAR(p.SatDistance[k], scaled, 1e-12L) << "satellite " << k;
        EXPECT_EQ(g.SatDistance[k], p.SatDistance[k]) << "satellite " << k;
        // A satellite never appears farther from the centre than its true distance allows (up to
        // the perspective Delta / (Delta + D) of a satellite behind the planet, below 0.3 %).
        EXPECT_LE(e.SatDistance[k], p.SatDistance[k] * (1 + 4e-3L)) << "satellite " << k;
        EXPECT_EQ(e.SatMagnitude[k], magnitudes[k]);
        EXPECT_EQ(e.SatFarSide[k], e.SatDepth[k] < 0 ? 'E' : 'P') << "satellite " << k;
        EXPECT_GT(e.SatApparentDiameter[k], 0);
        EXPECT_LT(e.SatApparentDiameter[k], 1.0L);  // Titan, the largest, about 0.83"
    }
    EXPECT_NEAR(e.SatRadiusVector[3], 294992, 1e-8L);
    // Saturn's apparent diameters at 1279851773.8 km (the reference distance of that date):
    // 2 atan(60268 / Delta) and 2 atan(54364 / Delta), about 19.4" and 17.5".
    EXPECT_NEAR(e.PlanetApparentDiameter[1], 2 * std::atan(60268 / 1279851773.8L) / Arcsec, 0.001L);
    EXPECT_NEAR(e.PlanetApparentDiameter[2], 2 * std::atan(54364 / 1279851773.8L) / Arcsec, 0.001L);
}

// The signed phase angle changes sign across an opposition (31 December 2003) and never
// exceeds Saturn's greatest phase, about 6.4 deg.
TEST(SaturnRecord, PhaseAngleChangesSignAtOpposition)
{
    const Extended before = RunSaturn(At(1, 11, 2003, 0, 0, 0)).PhaseAngleSigned;
    const Extended after = RunSaturn(At(1, 3, 2004, 0, 0, 0)).PhaseAngleSigned;
    const Extended atOpposition = RunSaturn(At(31, 12, 2003, 12, 0, 0)).PhaseAngleSigned;
    EXPECT_GT(before, 2 * Deg);
    EXPECT_LT(after, -2 * Deg);
    EXPECT_LT(std::abs(atOpposition), 0.3L * Deg);
    for (const Extended jd : SampleDates) {
        TheoryInput in;
        in.JD = jd;
        EXPECT_LE(std::abs(RunSaturn(in).PhaseAngleSigned), 6.5L * Deg) << "JD " << jd;
    }
}

// A satellite in front of the planet casts its shadow away from the Sun: the shadow's
// displacement points opposite to the Sun's direction on the sky and is at most the depth times
// the tangent of the phase angle, plus the perspective of the two depths (the shadow lies
// nearer the sky plane than its satellite, so its divisor Delta + D is smaller by up to D).
TEST(SaturnRecord, ShadowsFallAwayFromTheSun)
{
    for (const auto& date : {At(1, 11, 2003, 0, 0, 0), At(1, 3, 2004, 0, 0, 0), At(10, 9, 2031, 21, 30, 0)}) {
        PlanetPlaces places;
        SatelliteRecord record;
        RunSatelliteTheory(Saturn, date, places, record);
        const PlanetPlace& saturn = places.Planet[Saturn];
        const SkyFrame sky = MakeSkyFrame({saturn.X, saturn.Y, saturn.Z});
        const Vec3 toSun = -HeliocentricVectorOfDate(saturn.Helio, places.Nutation, places.TrueObliquity);
        const Extended sunEast = Dot(toSun, sky.East), sunNorth = Dot(toSun, sky.North);
        int checked = 0;
        for (int k = 1; k <= 8; ++k) {
            if (record.SatDepth[k] <= 0) continue;
            ++checked;
            const Extended dx = record.SatShadowX[k] - record.SatOffsetX[k];
            const Extended dy = record.SatShadowY[k] - record.SatOffsetY[k];
            EXPECT_LT(dx * sunEast + dy * sunNorth, 0) << "JD " << date.JD << ", satellite " << k;
            const Extended depthRatio = record.SatDepth[k] / saturn.Distance;
            // 3 % for the Sun's direction seen from the satellite rather than from Saturn's centre.
            const Extended most = depthRatio * std::tan(std::abs(record.PhaseAngleSigned)) / Arcsec * 1.03L +
                                  std::hypot(record.SatOffsetX[k], record.SatOffsetY[k]) * depthRatio * 1.03L;
            EXPECT_LE(std::hypot(dx, dy), most) << "JD " << date.JD << ", satellite " << k;
        }
        EXPECT_GT(checked, 0);
    }
}

TEST(SaturnRecord, ExtremeDatesGiveFiniteValues)
{
    for (const auto& in : {At(1, 1, 1, 0, 0, 0), At(31, 12, 9999, 23, 59, 59)}) {
        const SatelliteRecord r = RunSaturn(in);
        for (int k = 1; k <= 8; ++k) {
            EXPECT_TRUE(std::isfinite(r.SatOffsetX[k]) && std::isfinite(r.SatOffsetY[k])) << "satellite " << k;
            EXPECT_TRUE(std::isfinite(r.SatShadowX[k]) && std::isfinite(r.SatShadowY[k])) << "satellite " << k;
            EXPECT_TRUE(std::isfinite(r.SatPolarX[k]) && std::isfinite(r.SatPolarY[k])) << "satellite " << k;
            EXPECT_TRUE(std::isfinite(r.SatDistance[k]) && std::isfinite(r.SatApparentDiameter[k]));
            // The orbits stay bounded: no satellite beyond 1.2 times its semi-major axis.
            EXPECT_LT(r.SatRadiusVector[k], 1.2L * SaturnSatelliteSemiMajorAxisKm[k]) << "satellite " << k;
        }
    }
}

}  // namespace
}  // namespace vireon
