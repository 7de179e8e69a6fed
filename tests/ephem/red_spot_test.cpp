// The Great Red Spot's transits: at every instant the search gives, vireon-ephem's cm_ii_deg
// (Jupiter's System II central meridian) is the spot's longitude; the transits follow one another
// at the System II period as seen from the Earth, none is missed at either end of the span, and
// each is a whole second of the program's calendar.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ephem/ephem_cli.h"
#include "ephemeris/planet_rotation.h"

namespace vireon::ephem {
namespace {

// One second of time turns System II by 870.27 / 86400 = 0.0101 deg: the nearest whole second
// is within 0.005 deg of the transit, and the issue asks for 0.01 deg.
constexpr double MeridianTolerance = 0.01;  // degrees

// System II turns once in 360 / 870.27 days = 35740.6 s; as seen from the Earth the period
// changes by Jupiter's geocentric motion (under 0.25 deg/day) and the change of its light time
// (under 1e-4 day/day), together under 4e-4 of itself, 15 s. One more second for the rounding of
// each end to the whole second.
constexpr double NominalPeriodSeconds = 86400 * 360 / 870.27;
constexpr double PeriodToleranceSeconds = 16;

// vireon-ephem's cm_ii_deg at a program instant, for Jupiter.
double CmIIFromVireonEphem(Extended jd)
{
    EphemRequest request;
    request.Planet = Jupiter;
    request.Start = CalendarFromJulianDay(jd);
    std::ostringstream out;
    RunEphemeris(request, out);
    std::istringstream lines(out.str());
    std::string header, row;
    std::getline(lines, header);
    std::getline(lines, row);
    std::vector<std::string> names, fields;
    std::string part;
    for (std::istringstream in(header); std::getline(in, part, ',');) names.push_back(part);
    for (std::istringstream in(row); std::getline(in, part, ',');) fields.push_back(part);
    for (std::size_t c = 0; c < names.size() && c < fields.size(); ++c) {
        if (names[c] == "cm_ii_deg") return std::stod(fields[c]);
    }
    ADD_FAILURE() << "no cm_ii_deg column in " << header;
    return NAN;
}

double SignedDegrees(double d) { return std::remainder(d, 360.0); }

TEST(RedSpotTransits, CmIIEqualsTheSpotsLongitudeAtEachTransit)
{
    const struct Row {
        const char* what;
        CalendarFields first;
        double spanDays;
        double longitudeII;
    } rows[] = {
        {"near the 2004 opposition", {29, 2, 2004, 0, 0, 0, 0}, 3, 93.5},
        {"near the 1990 conjunction, L = 0", {15, 7, 1990, 6, 0, 0, 0}, 2, 0},
        {"1900, L just below a full turn", {1, 1, 1900, 0, 0, 0, 0}, 1.5, 359.99},
        {"2100, the ends of the span inside a transit's second", {20, 12, 2100, 12, 30, 0, 0}, 1.2, 181.25},
        {"a span shorter than a rotation", {1, 6, 2023, 0, 0, 0, 0}, 0.25, 30},
    };
    for (const Row& r : rows) {
        const Extended firstJD = JulianDayFromCalendar(r.first);
        const Extended lastJD = firstJD + r.spanDays;
        const std::vector<Extended> transits = RedSpotTransits(firstJD, lastJD, r.longitudeII);
        const double nominal = r.spanDays * 86400 / NominalPeriodSeconds;
        EXPECT_GE(transits.size(), std::floor(nominal)) << r.what;
        EXPECT_LE(transits.size(), std::ceil(nominal)) << r.what;
        for (std::size_t i = 0; i < transits.size(); ++i) {
            const Extended t = transits[i];
            EXPECT_EQ(t, static_cast<Extended>(JulianDayFromCalendar(CalendarFromJulianDay(t))))
                << r.what << ": transit " << i << " is not a whole second";
            EXPECT_TRUE(t >= firstJD && t <= lastJD) << r.what << ": transit " << i << " outside the span";
            const double got = CmIIFromVireonEphem(t);
            const double difference = SignedDegrees(got - r.longitudeII);
            EXPECT_LE(std::abs(difference), MeridianTolerance)
                << r.what << ", transit " << i << ": want cm_ii_deg " << r.longitudeII << ", got " << got
                << ", difference " << difference << " deg";
        }
        // No transit missed: consecutive ones a period apart, and none further than a period
        // inside either end.
        std::vector<double> gapsSeconds;
        if (!transits.empty()) {
            gapsSeconds.push_back(static_cast<double>(transits.front() - firstJD) * 86400);
            gapsSeconds.push_back(static_cast<double>(lastJD - transits.back()) * 86400);
        }
        for (double gap : gapsSeconds) EXPECT_LT(gap, NominalPeriodSeconds + PeriodToleranceSeconds) << r.what;
        for (std::size_t i = 1; i < transits.size(); ++i) {
            const double period = static_cast<double>(transits[i] - transits[i - 1]) * 86400;
            EXPECT_NEAR(period, NominalPeriodSeconds, PeriodToleranceSeconds) << r.what << ", transits " << i - 1
                                                                             << " and " << i;
        }
    }
}

TEST(RedSpotTransits, ZeroAndAFullTurnAreTheSameMeridian)
{
    const Extended first = JulianDayFromCalendar(MakeCalendarFields(10, 3, 2015, 0, 0, 0));
    EXPECT_EQ(RedSpotTransits(first, first + 1, 0), RedSpotTransits(first, first + 1, 360));
}

}  // namespace
}  // namespace vireon::ephem
