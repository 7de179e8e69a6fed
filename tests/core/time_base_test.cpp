// Calendar, Julian Day and angle helpers. References: Meeus, Astronomical Algorithms, ch. 7
// (Julian Day), and the program's own conventions for rounding to the second.
#include "core/time_base.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace vireon {
namespace {

constexpr double Pi = std::numbers::pi;

CalendarFields Fields(int d, int mo, int y, int h, int mi, int s) { return MakeCalendarFields(d, mo, y, h, mi, s); }

struct JdRow {
    const char* what;
    int d, mo, y, h, mi, s;
    double jd;
};

TEST(JulianDay, KnownDates)
{
    const JdRow rows[] = {
        {"last Julian day of the reform", 4, 10, 1582, 0, 0, 0, 2299159.5},
        {"first Gregorian day", 15, 10, 1582, 0, 0, 0, 2299160.5},
        {"Gregorian November 1582", 1, 11, 1582, 0, 0, 0, 2299177.5},
        {"Gregorian December 1582", 1, 12, 1582, 0, 0, 0, 2299207.5},
        {"J2000.0", 1, 1, 2000, 12, 0, 0, 2451545.0},
        {"start-up instant", 7, 1, 1610, 16, 45, 0, 2309107.1979166665},
        {"Meeus example 7.a, Sputnik", 4, 10, 1957, 19, 26, 24, 2436116.31},
        {"Meeus 7.b, Julian calendar", 27, 1, 333, 12, 0, 0, 1842713.0},
        {"first supported instant", 1, 1, 1, 0, 0, 0, 1721423.5},
        {"B1950-ish epoch used by the theories", 1, 1, 1950, 0, 0, 0, 2433282.5},
    };
    for (const JdRow& r : rows) {
        const double got = JulianDayFromCalendar(r.d, r.mo, r.y, r.s, r.mi, r.h);
        EXPECT_NEAR(got, r.jd, 1e-9) << r.what;
    }
}

TEST(JulianDay, ConvertsBackToTheSameFields)
{
    const CalendarFields cases[] = {
        Fields(1, 1, 2000, 12, 0, 0), Fields(7, 1, 1610, 16, 45, 0), Fields(4, 10, 1582, 23, 59, 59),
        Fields(15, 10, 1582, 0, 0, 0), Fields(29, 2, 1500, 6, 30, 15), Fields(31, 12, 9999, 23, 59, 59),
        Fields(1, 1, 1, 0, 0, 0),
    };
    for (const CalendarFields& f : cases) {
        const CalendarFields back = CalendarFromJulianDay(JulianDayFromCalendar(f));
        EXPECT_EQ(back, f) << f.Day << "/" << f.Month << "/" << f.Year << " " << f.Hour << ":" << f.Minute << ":"
                           << f.Second;
    }
}

// Every day of years spread over 0001-9999, in both calendars and across the reform gap,
// round-trips at a few times of day.
TEST(JulianDay, RoundTripsOverTheWholeRange)
{
    int checked = 0;
    for (int year = 1; year <= 9999; year += (year < 1500 || year > 1700) ? 97 : 1) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                if (year == 1582 && month == 10 && day >= 5 && day <= 14) continue;  // aliases, below
                for (int seconds : {0, 1, 43199, 86399}) {
                    const CalendarFields f = Fields(day, month, year, seconds / 3600, seconds / 60 % 60, seconds % 60);
                    const CalendarFields back = CalendarFromJulianDay(JulianDayFromCalendar(f));
                    ASSERT_EQ(back, f) << day << "/" << month << "/" << year << " +" << seconds << "s";
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 300000);
}

// The ten days the reform skipped are taken in the Julian calendar: they are the same days as
// 15..24 October (Gregorian), which is how they come back.
TEST(JulianDay, SkippedReformDaysAliasTheGregorianDays)
{
    for (int day = 5; day <= 14; ++day) {
        const CalendarFields back = CalendarFromJulianDay(JulianDayFromCalendar(day, 10, 1582, 0, 0, 0));
        EXPECT_EQ(back, Fields(day + 10, 10, 1582, 0, 0, 0)) << day;
    }
}

TEST(JulianDay, ConsecutiveDaysAreOneDayApartAcrossTheReform)
{
    double previous = JulianDayFromCalendar(1, 10, 1582, 0, 0, 0);
    for (int day : {2, 3, 4, 15, 16}) {
        const double jd = JulianDayFromCalendar(day, 10, 1582, 0, 0, 0);
        EXPECT_EQ(jd - previous, 1.0) << day;
        previous = jd;
    }
}

TEST(CalendarFromJulianDay, RoundsToTheNearestSecond)
{
    const double base = JulianDayFromCalendar(1, 3, 2024, 0, 25, 10);  // 10:25:00
    // 0.7 s before a whole minute reads the whole minute; 0.3 s before stays on the second.
    EXPECT_EQ(CalendarFromJulianDay(base + (59.7L / 86400)), Fields(1, 3, 2024, 10, 26, 0));
    EXPECT_EQ(CalendarFromJulianDay(base + (59.3L / 86400)), Fields(1, 3, 2024, 10, 25, 59));
}

TEST(CalendarFromJulianDay, HourCarryMovesToTheNextCalendarDay)
{
    struct Row {
        const char* what;
        CalendarFields from;
        long double extraSeconds;
        CalendarFields want;
    };
    const Row rows[] = {
        {"new year 2000", Fields(31, 12, 1999, 23, 59, 59), 0.6L, Fields(1, 1, 2000, 0, 0, 0)},
        {"Gregorian reform", Fields(4, 10, 1582, 23, 59, 59), 0.8L, Fields(15, 10, 1582, 0, 0, 0)},
        {"end of February in a leap year", Fields(29, 2, 2024, 23, 59, 59), 0.9L, Fields(1, 3, 2024, 0, 0, 0)},
        {"Julian leap year 1500", Fields(28, 2, 1500, 23, 59, 59), 0.7L, Fields(29, 2, 1500, 0, 0, 0)},
    };
    for (const Row& r : rows) {
        const Extended jd = static_cast<Extended>(JulianDayFromCalendar(r.from)) + r.extraSeconds / 86400;
        EXPECT_EQ(CalendarFromJulianDay(jd), r.want) << r.what;
    }
}

TEST(DateTimeValue, SignRuleAndOrigin)
{
    EXPECT_DOUBLE_EQ(DateTimeFromCalendar(Fields(30, 12, 1899, 0, 0, 0)), 0.0);
    EXPECT_DOUBLE_EQ(DateTimeFromCalendar(Fields(29, 12, 1899, 6, 0, 0)), -1.25);
    EXPECT_DOUBLE_EQ(DateTimeFromCalendar(Fields(31, 12, 1899, 18, 0, 0)), 1.75);
    EXPECT_DOUBLE_EQ(DateTimeFromCalendar(Fields(1, 1, 2000, 12, 0, 0)), 36526.5);
}

TEST(DateTimeValue, EveryValidDateHasAValueThatRoundTrips)
{
    CalendarFields withMs = Fields(7, 1, 1610, 16, 45, 0);
    withMs.Millisecond = 321;
    const CalendarFields cases[] = {Fields(29, 2, 1500, 12, 0, 0), Fields(4, 10, 1582, 8, 0, 0),
                                    Fields(1, 1, 1, 0, 0, 0),      Fields(31, 12, 9999, 23, 59, 59),
                                    Fields(29, 12, 1899, 23, 59, 59), withMs};
    for (const CalendarFields& f : cases) {
        const double value = DateTimeFromCalendar(f);
        EXPECT_TRUE(std::isfinite(value));
        EXPECT_EQ(CalendarFromDateTime(value), f) << f.Day << "/" << f.Month << "/" << f.Year;
    }
}

TEST(CalendarDates, ValidityFollowsTheProgramsCalendar)
{
    EXPECT_TRUE(IsValidCalendarDate(29, 2, 1500));   // Julian leap year
    EXPECT_FALSE(IsValidCalendarDate(29, 2, 1700));  // Gregorian common year
    EXPECT_TRUE(IsValidCalendarDate(29, 2, 2000));
    EXPECT_TRUE(IsValidCalendarDate(10, 10, 1582));  // taken in the Julian calendar
    EXPECT_FALSE(IsValidCalendarDate(31, 4, 2001));
    EXPECT_FALSE(IsValidCalendarDate(1, 1, 0));
    EXPECT_FALSE(IsValidCalendarDate(1, 1, 10000));
    EXPECT_FALSE(IsValidCalendarDate(1, 13, 2001));
    EXPECT_FALSE(IsValidCalendarDate(0, 1, 2001));
}

TEST(SupportedRange, FromYearOneToYear9999)
{
    EXPECT_TRUE(IsWithinSupportedRange(FirstSupportedJD));
    EXPECT_FALSE(IsWithinSupportedRange(FirstSupportedJD - 1.0L / 86400));
    EXPECT_TRUE(IsWithinSupportedRange(LastSupportedJD()));
    EXPECT_FALSE(IsWithinSupportedRange(LastSupportedJD() + 1.0L / 86400));
    EXPECT_FALSE(IsWithinSupportedRange(std::nan("")));
    EXPECT_EQ(CalendarFromJulianDay(LastSupportedJD()), Fields(31, 12, 9999, 23, 59, 59));
}

TEST(DecimalToSexagesimal, SplitsAndWraps)
{
    Sexagesimal s = DecimalToSexagesimal(24, 25.5);
    EXPECT_EQ(s.Degrees, 1);
    EXPECT_EQ(s.Minutes, 30);
    EXPECT_NEAR(s.Seconds, 0, 1e-9);

    s = DecimalToSexagesimal(90, -0.5);  // the sign is lost with zero degrees
    EXPECT_EQ(s.Degrees, 0);
    EXPECT_EQ(s.Minutes, 30);
    EXPECT_NEAR(s.Seconds, 0, 1e-9);

    s = DecimalToSexagesimal(90, -12.5);
    EXPECT_EQ(s.Degrees, -12);
    EXPECT_EQ(s.Minutes, 30);

    s = DecimalToSexagesimal(90, 95.0);  // 90 disables the wrap
    EXPECT_EQ(s.Degrees, 95);
}

TEST(AngleHelpers, QuadrantsAndReductions)
{
    EXPECT_NEAR(ArcTanQuadrant(-1, 0), Pi, 1e-15);
    EXPECT_NEAR(ArcTanQuadrant(-1, -1), 5 * Pi / 4, 1e-15);
    EXPECT_NEAR(ArcTanQuadrant(1, -1), -Pi / 4, 1e-15);
    EXPECT_NEAR(ArcTanQuadrant(0, 2), Pi / 2, 1e-15);
    EXPECT_NEAR(ArcTanQuadrant(0, -2), -Pi / 2, 1e-15);
    EXPECT_EQ(ArcTanQuadrant(0, 0), 0);

    EXPECT_NEAR(ArcsecToRadians(1296000 + 648000), Pi, 1e-15);
    EXPECT_NEAR(ArcsecToRadians(-648000), -Pi, 1e-15);
    EXPECT_NEAR(ArcsecToRadians(-1296000 * 3.0 - 1), -1 * Pi / 648000, 1e-15);

    EXPECT_NEAR(ArcSinSafe(0.5), Pi / 6, 1e-15);
    EXPECT_EQ(ArcSinSafe(1.0000001), Pi / 2);
    EXPECT_EQ(ArcSinSafe(-3), -Pi / 2);

    EXPECT_NEAR(Tangent(Pi / 4), 1, 1e-15);

    EXPECT_NEAR(NormalizeDegrees(-30), 330, 1e-12);
    EXPECT_NEAR(NormalizeDegrees(725), 5, 1e-12);
    EXPECT_EQ(NormalizeDegrees(360), 0);
    EXPECT_NEAR(NormalizeDegrees(-720.5), 359.5, 1e-12);
}

}  // namespace
}  // namespace vireon
