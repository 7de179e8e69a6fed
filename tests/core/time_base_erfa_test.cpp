// The Julian Day and the calendar against ERFA (eraCal2jd, eraJd2cal), an independent
// implementation of the same Gregorian calendar. ERFA is Gregorian at every date and the program
// only from 1582-10-15 on (Julian before), so the comparison runs from that day to the last
// supported one. ERFA gives a Julian Day in two parts, 2400000.5 plus the Modified Julian Day,
// which keep the time of day exact; they are added in extended precision here.
#include <erfa.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/time_base.h"

namespace vireon {
namespace {

// A 64-bit Julian Day between 2.3e6 and 5.4e6 has a unit in the last place of 4.7e-10 or
// 9.3e-10 day; one micro-day covers that rounding and is far below the second the calendar
// carries (1.2e-5 day).
constexpr Extended JdToleranceDays = 1e-9L;
constexpr int SecondsPerDay = 86400;

struct Instant {
    int year, month, day, secondOfDay;
};

std::string Shown(const Instant& i)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d + %d s", i.year, i.month, i.day, i.secondOfDay);
    return text;
}

std::string Shown(const CalendarFields& f)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", f.Year, f.Month, f.Day, f.Hour, f.Minute,
                  f.Second);
    return text;
}

// The days where a Gregorian rule shows, then every 997th day (a prime, so the days run through
// every month and leap day) from the first Gregorian day to the last supported one, each at
// another time of day. ERFA's own calendar names the swept days.
std::vector<Instant> Instants()
{
    std::vector<Instant> instants = {
        {1582, 10, 15, 0},     {1600, 2, 29, 43200}, {1700, 2, 28, 86399}, {1700, 3, 1, 0},
        {1900, 2, 28, 86399},  {1900, 3, 1, 1},      {2000, 2, 29, 0},     {2000, 1, 1, 43200},
        {2100, 2, 28, 86399},  {2400, 2, 29, 60},    {9999, 12, 31, 86399},
    };
    double mjd0 = 0, first = 0, last = 0;
    eraCal2jd(1582, 10, 15, &mjd0, &first);
    eraCal2jd(9999, 12, 31, &mjd0, &last);
    for (int n = 0; first + 997.0 * n <= last; ++n) {
        Instant i{};
        double fraction = 0;
        eraJd2cal(mjd0, first + 997.0 * n, &i.year, &i.month, &i.day, &fraction);
        i.secondOfDay = n * 7919 % SecondsPerDay;
        instants.push_back(i);
    }
    return instants;
}

TEST(TimeBaseAgainstErfa, JulianDayAndCalendarAgreeBothWays)
{
    for (const Instant& i : Instants()) {
        double mjd0 = 0, mjd = 0;
        ASSERT_EQ(eraCal2jd(i.year, i.month, i.day, &mjd0, &mjd), 0) << Shown(i);
        const Extended midnight = static_cast<Extended>(mjd0) + mjd;
        const int h = i.secondOfDay / 3600, mi = i.secondOfDay / 60 % 60, s = i.secondOfDay % 60;
        const CalendarFields fields = MakeCalendarFields(i.day, i.month, i.year, h, mi, s);

        // Calendar to Julian Day.
        const Extended want = midnight + static_cast<Extended>(i.secondOfDay) / SecondsPerDay;
        const double got = JulianDayFromCalendar(i.day, i.month, i.year, s, mi, h);
        EXPECT_NEAR(got, want, JdToleranceDays)
            << Shown(i) << ": want JD " << want << ", got " << got << ", difference " << got - want << " day";

        // ERFA reads the program's Julian Day as the same date and time of day.
        int year = 0, month = 0, day = 0;
        double fraction = 0;
        ASSERT_EQ(eraJd2cal(got, 0.0, &year, &month, &day, &fraction), 0) << Shown(i);
        EXPECT_TRUE(year == i.year && month == i.month && day == i.day)
            << Shown(i) << ": ERFA reads JD " << got << " as " << year << "-" << month << "-" << day;
        // 1 ms: the last unit of the 64-bit Julian Day is 80 microseconds.
        EXPECT_NEAR(fraction * SecondsPerDay, i.secondOfDay, 1e-3) << Shown(i) << ": seconds of the day";

        // The program reads ERFA's Julian Day as the same fields, also a third of a second either
        // side: it rounds to the nearest second, so a third of a second before midnight is the
        // next day's 00:00:00.
        for (const Extended offsetSeconds : {-0.3L, 0.0L, 0.3L}) {
            const Extended jd = midnight + (i.secondOfDay + offsetSeconds) / SecondsPerDay;
            const CalendarFields back = CalendarFromJulianDay(jd);
            EXPECT_EQ(back, fields) << Shown(i) << " " << offsetSeconds << " s: want " << Shown(fields) << ", got "
                                    << Shown(back);
        }
    }
}

}  // namespace
}  // namespace vireon
