// Central meridians and sub-Earth latitudes of Mars, Jupiter and Saturn against an independent
// computation of the same IAU rotation models by another route. Both start from the program's
// apparent geocentric vector (true equator and equinox of the date, tested against reference
// positions elsewhere). ERFA's side turns it back to J2000.0 with eraPnm80 (IAU 1976 precession
// from the equatorial angles zeta, z, theta and the full IAU 1980 nutation, where the program
// uses the ecliptic angles and 63 terms), builds the body-fixed frame as the rotation matrix
// Rz(W) Rx(90 deg - delta0) Rz(90 deg + alpha0) (eraRz, eraRx, eraRxp) and reads the longitude
// and latitude with eraC2s; the program projects the direction on the pole's equatorial basis and
// takes the angle from the node. Time scale: TT on both sides, the Julian Day as given (the
// program applies no Delta T).
#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "ephemeris/apparent_place.h"
#include "ephemeris/planet_rotation.h"

namespace vireon {
namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double J2000 = 2451545.0;
constexpr double SpeedOfLightKmPerDay = 25902068371.2;

// The 43 nutation terms the program leaves out are of at most 0.0002" each: the two frames part
// by at most 43 x 0.0002" = 0.0086" in longitude and in obliquity, which moves the sub-Earth
// point by at most 0.013" on the sphere, 0.014" = 4e-6 deg in longitude at the sub-Earth
// latitudes of these planets (under 27 deg). W itself, to 3.3e7 deg at 2100 in ERFA's 64 bits,
// carries 4e-9 deg of rounding.
constexpr double Tolerance = 1e-5;  // degrees

struct Model {
    PlanetId planet;
    double alpha0, alpha0PerCentury, delta0, delta0PerCentury;  // degrees
    // W0 and degrees per day of the main system (Mars; III of Jupiter and Saturn), then
    // Jupiter's Systems I and II (zero rate where the planet has none).
    double w[3][2];
};

constexpr Model Models[] = {
    {Mars, 317.68143, -0.1061, 52.88650, -0.0609, {{176.630, 350.89198226}, {0, 0}, {0, 0}}},
    {Jupiter, 268.05, -0.009, 64.49, 0.003, {{284.95, 870.5360000}, {67.1, 877.900}, {43.3, 870.270}}},
    {Saturn, 40.589, -0.036, 83.537, -0.004, {{38.90, 810.7939024}, {0, 0}, {0, 0}}},
};

struct Date {
    int year, month, day;
    double fraction;
};
// From 1900 to 2100, at oppositions and conjunctions of each planet and at neither.
constexpr Date Dates[] = {
    {1900, 1, 1, 0.0},   {1907, 6, 30, 0.4},  {1924, 8, 23, 0.1}, {1944, 3, 15, 0.75}, {1956, 9, 10, 0.5},
    {1973, 7, 30, 0.2},  {1989, 12, 24, 0.9}, {2000, 1, 1, 0.5},  {2003, 8, 28, 0.0},  {2010, 9, 21, 0.33},
    {2025, 1, 16, 0.6},  {2032, 4, 5, 0.25},  {2050, 6, 21, 0.3}, {2071, 11, 2, 0.8},  {2100, 12, 31, 0.99},
};

std::string Named(const Model& m, const Date& d)
{
    static const char* const names[] = {"", "", "", "", "Mars", "Jupiter", "Saturn"};
    return std::string(names[m.planet]) + " " + std::to_string(d.year) + "-" + std::to_string(d.month) + "-" +
           std::to_string(d.day) + " + " + std::to_string(d.fraction) + " d";
}

// West longitude (degrees, [0, 360)) of the sub-Earth point in each system, and its latitude.
struct Independent {
    double longitude[3] = {};
    double latitude = 0;
};

Independent ComputeWithErfa(const Model& m, double daysFromJ2000, const PlanetPlace& place)
{
    double geocentric[3] = {static_cast<double>(place.X), static_cast<double>(place.Y),
                                  static_cast<double>(place.Z)};
    double toDate[3][3], planetToEarth[3];
    eraPnm80(J2000, daysFromJ2000, toDate);
    eraTrxp(toDate, geocentric, planetToEarth);
    eraSxp(-1, planetToEarth, planetToEarth);
    const double d = daysFromJ2000 - eraPm(geocentric) / SpeedOfLightKmPerDay;  // as the light left
    const double T = d / 36525;
    const double alpha0 = (m.alpha0 + m.alpha0PerCentury * T) * Degree;
    const double delta0 = (m.delta0 + m.delta0PerCentury * T) * Degree;

    Independent result;
    for (int system = 0; system < 3; ++system) {
        const double W = eraAnp((m.w[system][0] + m.w[system][1] * d) * Degree);
        double r[3][3];
        eraIr(r);
        eraRz(std::numbers::pi / 2 + alpha0, r);
        eraRx(std::numbers::pi / 2 - delta0, r);
        eraRz(W, r);
        double bodyFixed[3];
        eraRxp(r, planetToEarth, bodyFixed);
        double east = 0, latitude = 0;
        eraC2s(bodyFixed, &east, &latitude);
        result.longitude[system] = eraAnp(-east) / Degree;
        result.latitude = latitude / Degree;
    }
    return result;
}

double SignedDifference(double got, double want) { return std::remainder(got - want, 360.0); }

TEST(CentralMeridians, AgreeWithErfaInEverySystemFrom1900To2100)
{
    double largest = 0;
    for (const Model& m : Models) {
        for (const Date& date : Dates) {
            double jd0 = 0, mjd = 0;
            eraCal2jd(date.year, date.month, date.day, &jd0, &mjd);
            const double days = jd0 + mjd + date.fraction - J2000;
            const Extended jd = static_cast<Extended>(J2000) + days;

            PlanetPlaces places;
            PlanetApparent(m.planet, jd, places);
            const CentralMeridians got = CentralMeridiansOf(m.planet, jd, places.Planet[m.planet], places.Nutation);
            const Independent want = ComputeWithErfa(m, days, places.Planet[m.planet]);

            const std::optional<Extended> systems[3] = {got.Main, got.SystemI, got.SystemII};
            for (int s = 0; s < 3; ++s) {
                const bool modelled = m.w[s][1] != 0;
                ASSERT_EQ(systems[s].has_value(), modelled) << Named(m, date) << " system " << s;
                if (!modelled) continue;
                const double g = static_cast<double>(*systems[s]);
                EXPECT_GE(g, 0.0);
                EXPECT_LT(g, 360.0);
                const double difference = SignedDifference(g, want.longitude[s]);
                largest = std::max(largest, std::abs(difference));
                EXPECT_LE(std::abs(difference), Tolerance)
                    << Named(m, date) << " system " << s << ": want " << want.longitude[s] << " deg, got " << g
                    << " deg, difference " << difference << " deg";
            }
            ASSERT_TRUE(got.SubEarthLatitude.has_value());
            const double latitudeDifference = static_cast<double>(*got.SubEarthLatitude) - want.latitude;
            largest = std::max(largest, std::abs(latitudeDifference));
            EXPECT_LE(std::abs(latitudeDifference), Tolerance)
                << Named(m, date) << " sub-Earth latitude: want " << want.latitude << " deg, got "
                << *got.SubEarthLatitude << " deg, difference " << latitudeDifference << " deg";
        }
    }
    char largestText[32];
    std::snprintf(largestText, sizeof largestText, "%.2g", largest);
    RecordProperty("largest_difference_deg", largestText);
}

// Meeus, Astronomical Algorithms (2nd ed.), examples 42.a (Mars, 1992 November 9 0h TD), 43.a
// (Jupiter, 1992 December 16 0h TD, the rigorous method) and 45.a (Saturn's rings, the same
// instant: B is the sub-Earth latitude on the ring plane, Saturn's equator). Meeus takes Mars's W with a constant
// 0.02 deg from the IAU's and a pole of another epoch: 0.05 deg. For Jupiter his System I and II
// constants differ from these by up to a degree and he adds a phase correction: 1.5 deg, enough
// to tell the west longitude from the east (which would put them 180 deg or more apart).
TEST(CentralMeridians, CloseToMeeusWorkedExamples)
{
    const struct Row {
        const char* what;
        PlanetId planet;
        Extended jd;
        std::optional<Extended> CentralMeridians::*system;
        double want;       // degrees
        double tolerance;  // degrees
    } rows[] = {
        {"Mars central meridian, example 42.a", Mars, 2448935.500683L, &CentralMeridians::Main, 111.55, 0.05},
        {"Mars sub-Earth latitude, example 42.a", Mars, 2448935.500683L, &CentralMeridians::SubEarthLatitude, 12.44,
         0.05},
        {"Jupiter System I, example 43.a", Jupiter, 2448972.5L, &CentralMeridians::SystemI, 268.06, 1.5},
        {"Jupiter System II, example 43.a", Jupiter, 2448972.5L, &CentralMeridians::SystemII, 72.74, 1.5},
        {"Jupiter sub-Earth latitude, example 43.a", Jupiter, 2448972.5L, &CentralMeridians::SubEarthLatitude, -2.48,
         0.05},
        {"Saturn sub-Earth latitude, the rings' B of example 45.a", Saturn, 2448972.5L,
         &CentralMeridians::SubEarthLatitude, 16.442, 0.05},
    };
    for (const Row& r : rows) {
        PlanetPlaces places;
        PlanetApparent(r.planet, r.jd, places);
        const CentralMeridians got = CentralMeridiansOf(r.planet, r.jd, places.Planet[r.planet], places.Nutation);
        ASSERT_TRUE((got.*r.system).has_value()) << r.what;
        const double g = static_cast<double>(*(got.*r.system));
        EXPECT_NEAR(SignedDifference(g, r.want), 0, r.tolerance)
            << r.what << ": want " << r.want << " deg, got " << g << " deg";
    }
}

TEST(CentralMeridians, NoneForPlanetsWithoutARotationModel)
{
    for (PlanetId p : {Uranus, Neptune, Pluto}) {
        PlanetPlaces places;
        PlanetApparent(p, 2451545.0L, places);
        const CentralMeridians got = CentralMeridiansOf(p, 2451545.0L, places.Planet[p], places.Nutation);
        EXPECT_FALSE(got.Main || got.SystemI || got.SystemII || got.SubEarthLatitude) << int(p);
        EXPECT_FALSE(HasRotationModel(p)) << int(p);
    }
}

}  // namespace
}  // namespace vireon
