// Central meridians and sub-Earth latitudes of Mars, Jupiter and Saturn against an independent
// computation of the same IAU rotation models by another route. Both start from the program's
// apparent geocentric vector (tested against reference positions elsewhere). ERFA's side turns it
// back to J2000.0 with eraPnm80 (IAU 1976 precession by zeta, z, theta and all 106 terms of the
// IAU 1980 nutation, where the program uses the ecliptic angles and 63 terms), builds the
// body-fixed frame as the matrix Rz(W) Rx(90 deg - delta0) Rz(90 deg + alpha0) and reads the
// east longitude and the latitude with eraC2s; the program projects the direction on the pole's
// equatorial basis and counts from the node. Time scale: TT on both sides, no Delta T.
#include <erfa.h>

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ephemeris/apparent_place.h"
#include "ephemeris/planet_rotation.h"

namespace vireon {
namespace {

constexpr double Degree = std::numbers::pi / 180;

// The program leaves out 43 nutation terms of at most 0.0002" each: the frames part by at most
// 0.0086" in longitude and obliquity, 0.014" = 4e-6 deg on a central meridian at these planets'
// sub-Earth latitudes (under 27 deg). Measured: 2.8e-7 deg at most.
constexpr double Tolerance = 1e-5;  // degrees

struct Model {
    PlanetId planet;
    double alpha0, alpha0PerCentury, delta0, delta0PerCentury;  // degrees
    double w[3][2];  // W0 (deg), deg/day: Mars or System III, then Systems I and II (rate 0: none)
};
constexpr Model Models[] = {
    {Mars, 317.68143, -0.1061, 52.88650, -0.0609, {{176.630, 350.89198226}, {0, 0}, {0, 0}}},
    {Jupiter, 268.05, -0.009, 64.49, 0.003, {{284.95, 870.5360000}, {67.1, 877.900}, {43.3, 870.270}}},
    {Saturn, 40.589, -0.036, 83.537, -0.004, {{38.90, 810.7939024}, {0, 0}, {0, 0}}},
};

TEST(CentralMeridians, AgreeWithErfaFrom1900To2100)
{
    for (const Model& m : Models) {
        // 17 instants, 12.5 years and a fraction of a day apart, from 1900 to 2100.
        for (double days = -36525; days <= 36525; days += 4565.6) {
            const Extended jd = 2451545.0L + days;
            PlanetPlaces places;
            PlanetApparent(m.planet, jd, places);
            const PlanetPlace& place = places.Planet[m.planet];
            const CentralMeridians got = CentralMeridiansOf(m.planet, jd, place, places.Nutation);
            ASSERT_TRUE(got.SubEarthLatitude.has_value());
            double geocentric[3] = {double(place.X), double(place.Y), double(place.Z)}, toDate[3][3], earth[3];
            eraPnm80(2451545.0, days, toDate);
            eraTrxp(toDate, geocentric, earth);
            eraSxp(-1, earth, earth);  // from the planet toward the Earth, J2000.0
            const double d = days - eraPm(geocentric) / 25902068371.2;  // as the light left
            const std::optional<Extended> systems[3] = {got.Main, got.SystemI, got.SystemII};
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(systems[k].has_value(), m.w[k][1] != 0) << int(m.planet) << " system " << k;
                if (!systems[k]) continue;
                double r[3][3], bodyFixed[3], east = 0, latitude = 0;
                eraIr(r);
                eraRz(std::numbers::pi / 2 + (m.alpha0 + m.alpha0PerCentury * d / 36525) * Degree, r);
                eraRx(std::numbers::pi / 2 - (m.delta0 + m.delta0PerCentury * d / 36525) * Degree, r);
                eraRz((m.w[k][0] + m.w[k][1] * d) * Degree, r);
                eraRxp(r, earth, bodyFixed);
                eraC2s(bodyFixed, &east, &latitude);
                const double west = eraAnp(-east) / Degree, g = double(*systems[k]);
                EXPECT_NEAR(std::remainder(g - west, 360.0), 0, Tolerance)
                    << "planet " << int(m.planet) << ", JD " << double(jd) << ", system " << k << ": want " << west
                    << " deg, got " << g << " deg";
                EXPECT_NEAR(double(*got.SubEarthLatitude), latitude / Degree, Tolerance) << double(jd);
            }
        }
    }
}

}  // namespace
}  // namespace vireon
