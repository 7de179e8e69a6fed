#include "core/date_commands.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vireon {
namespace {

CalendarFields At(int day, int month, int year, int hour = 0, int minute = 0, int second = 0)
{
    return MakeCalendarFields(day, month, year, hour, minute, second);
}

GlobalSettings SettingsAt(const CalendarFields& f)
{
    GlobalSettings s;
    s.Current = f;
    s.CurrentJD = JulianDayFromCalendar(f);
    s.CurrentDateTime = DateTimeFromCalendar(f);
    return s;
}

// Whole-day lengths are differences of Julian Days near 2.4e6 stored in 64-bit floats:
// exact to about 5e-10 day (well under a millisecond).
constexpr Extended DayTolerance = 1e-6L;

struct LengthCase {
    const char* name;
    CalendarFields from;
    int unit;
    Extended n;
    Extended wantDays;
};

class IncrementLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(IncrementLength, CountsCalendarUnitsFromTheCurrentDate)
{
    const LengthCase& c = GetParam();
    const Extended got = IncrementDaysFor(c.from, c.unit, c.n);
    EXPECT_NEAR(static_cast<double>(got), static_cast<double>(c.wantDays), static_cast<double>(DayTolerance))
        << c.name << ": want " << static_cast<double>(c.wantDays) << " got " << static_cast<double>(got)
        << " difference " << static_cast<double>(got - c.wantDays);
}

INSTANTIATE_TEST_SUITE_P(
    Units, IncrementLength,
    ::testing::Values(
        // 31/02/2001 does not exist: the Julian Day formula runs it over to 3 March.
        LengthCase{"month from 31 January of a common year", At(31, 1, 2001, 12), UnitMonth, 1, 31},
        LengthCase{"month from 31 January of a leap year", At(31, 1, 2000), UnitMonth, 1, 31},
        LengthCase{"month from 15 February 2001", At(15, 2, 2001), UnitMonth, 1, 28},
        LengthCase{"month from 15 February 2000", At(15, 2, 2000), UnitMonth, 1, 29},
        LengthCase{"month 13 is January of the next year", At(10, 12, 2001, 6), UnitMonth, 1, 31},
        LengthCase{"three months from 10 April", At(10, 4, 2001), UnitMonth, 3, 90},
        LengthCase{"month across the Gregorian reform", At(4, 10, 1582), UnitMonth, 1, 21},
        LengthCase{"year from 1 January 1999", At(1, 1, 1999), UnitYear, 1, 365},
        LengthCase{"year from 1 March 1999 crosses 29 February 2000", At(1, 3, 1999), UnitYear, 1, 366},
        LengthCase{"year from 29 February 2000 runs to 1 March 2001", At(29, 2, 2000), UnitYear, 1, 366},
        LengthCase{"Julian leap year 1500", At(1, 1, 1500), UnitYear, 1, 366},
        LengthCase{"the year 1582 lost ten days", At(1, 1, 1582), UnitYear, 1, 355},
        LengthCase{"year 9999 counts into 10000 without overflow", At(1, 1, 9999), UnitYear, 1, 365},
        LengthCase{"minus two years", At(1, 1, 2001), UnitYear, -2, -730},
        LengthCase{"weeks", At(1, 1, 2001), UnitWeek, 3, 21},
        LengthCase{"days", At(1, 1, 2001), UnitDay, 2.5L, 2.5L},
        LengthCase{"hours", At(1, 1, 2001), UnitHour, 6, 0.25L},
        LengthCase{"minutes", At(1, 1, 2001), UnitMinute, 90, 0.0625L}));

TEST(IncrementLength, MonthStepFrom31JanuaryLandsOn3March)
{
    GlobalSettings s = SettingsAt(At(31, 1, 2001, 20, 15, 10));
    s.IncrementDays = IncrementDaysFor(s.Current, UnitMonth, 1);
    ASSERT_TRUE(StepByIncrement(s, +1));
    EXPECT_EQ(s.Current, At(3, 3, 2001, 20, 15, 10));
}

TEST(AnimationDelay, ItemsInMilliseconds)
{
    const std::uint32_t want[] = {0, 100, 200, 250, 500, 1000, 2000, 5000};
    for (int i = 0; i < AnimationDelayCount; ++i) EXPECT_EQ(AnimationDelayMsFor(i), want[i]) << "item " << i;
}

struct StepCase {
    const char* name;
    CalendarFields from;
    Extended incrementDays;
    int direction;
    bool moves;
    CalendarFields want;  // equals from when refused
};

class IncrementStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(IncrementStep, MovesInsideTheSupportedRangeOnly)
{
    const StepCase& c = GetParam();
    GlobalSettings s = SettingsAt(c.from);
    s.IncrementDays = c.incrementDays;
    const GlobalSettings before = s;
    EXPECT_EQ(StepByIncrement(s, c.direction), c.moves) << c.name;
    EXPECT_EQ(s.Current, c.want) << c.name;
    if (!c.moves) {
        EXPECT_EQ(s.CurrentJD, before.CurrentJD) << c.name;
        EXPECT_EQ(s.CurrentDateTime, before.CurrentDateTime) << c.name;
    } else {
        EXPECT_EQ(s.CurrentDateTime, DateTimeFromCalendar(c.want)) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Range, IncrementStep,
    ::testing::Values(
        StepCase{"one hour forward", At(7, 1, 1610, 16, 45), 1.0L / 24, +1, true, At(7, 1, 1610, 17, 45)},
        StepCase{"one hour back over midnight", At(1, 3, 2000, 0, 30), 1.0L / 24, -1, true, At(29, 2, 2000, 23, 30)},
        StepCase{"one day back over the Gregorian reform", At(15, 10, 1582), 1, -1, true, At(4, 10, 1582)},
        StepCase{"last hour of 9999 reached", At(31, 12, 9999, 22, 30), 1.0L / 24, +1, true, At(31, 12, 9999, 23, 30)},
        StepCase{"past 31/12/9999 23:59:59 refused", At(31, 12, 9999, 23), 1.0L / 24, +1, false, At(31, 12, 9999, 23)},
        StepCase{"before 01/01/0001 refused", At(1, 1, 1, 0, 30), 1.0L / 24, -1, false, At(1, 1, 1, 0, 30)},
        StepCase{"first hour of year 1 reached", At(1, 1, 1, 1, 30), 1.0L / 24, -1, true, At(1, 1, 1, 0, 30)},
        StepCase{"huge increment refused", At(1, 1, 2000), 100000 * 366.0L, +1, false, At(1, 1, 2000)}));

struct GraphStepCase {
    const char* name;
    CalendarFields from;
    int direction;
    bool moves;
    CalendarFields want;
    Extended wantIncrementDays;
};

class GraphMonthStep : public ::testing::TestWithParam<GraphStepCase> {};

TEST_P(GraphMonthStep, GoesToTheFirstOfTheNextOrPreviousMonth)
{
    const GraphStepCase& c = GetParam();
    GlobalSettings s = SettingsAt(c.from);
    s.IncrementDays = 1.0L / 24;
    EXPECT_EQ(StepGraphMonth(s, c.direction), c.moves) << c.name;
    EXPECT_EQ(s.Current, c.want) << c.name;
    EXPECT_EQ(s.IncrementDays, c.wantIncrementDays) << c.name;
    EXPECT_EQ(s.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(c.want))) << c.name;
    EXPECT_EQ(s.CurrentDateTime, DateTimeFromCalendar(c.want)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Months, GraphMonthStep,
    ::testing::Values(
        GraphStepCase{"15 February 2001 forward", At(15, 2, 2001, 13, 20, 5), +1, true, At(1, 3, 2001), 28},
        GraphStepCase{"every February counts 28 days", At(10, 2, 2000, 8), +1, true, At(1, 3, 2000), 28},
        GraphStepCase{"January back to December", At(20, 1, 2001, 5), -1, true, At(1, 12, 2000), 31},
        GraphStepCase{"December forward to January", At(31, 12, 1999, 23, 59, 59), +1, true, At(1, 1, 2000), 31},
        GraphStepCase{"April back", At(30, 4, 1610), -1, true, At(1, 3, 1610), 30},
        GraphStepCase{"past December 9999 refused", At(5, 12, 9999, 1), +1, false, At(5, 12, 9999, 1), 1.0L / 24},
        GraphStepCase{"before January of year 1 refused", At(5, 1, 1, 1), -1, false, At(5, 1, 1, 1), 1.0L / 24}));

TEST(DateDialogInstant, OkSetsFieldsJulianDayAndDateTime)
{
    GlobalSettings s;
    SetInstantFromDialog(s, 29, 2, 1500, 12, 30, 45);
    EXPECT_EQ(s.Current, At(29, 2, 1500, 12, 30, 45));
    EXPECT_EQ(s.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(29, 2, 1500, 45, 30, 12)));
    EXPECT_TRUE(s.DialogAccepted);
    // The date-time value must come back to the same fields (it is negative before 1900).
    EXPECT_EQ(CalendarFromDateTime(s.CurrentDateTime), s.Current);
}

TEST(DateDialogInstant, JulianDateInsideTheReformGapIsStoredAsTheSameGregorianDay)
{
    GlobalSettings s;
    SetInstantFromDialog(s, 10, 10, 1582, 20, 17, 10);
    EXPECT_EQ(s.Current, At(20, 10, 1582, 20, 17, 10));
    EXPECT_EQ(s.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(10, 10, 1582, 10, 17, 20)))
        << "the same instant as typed";
    EXPECT_EQ(CalendarFromDateTime(s.CurrentDateTime), s.Current);
}

TEST(DateDialogInstant, ShowingADateSplitsTheValueIntoTheFields)
{
    GlobalSettings s;
    const CalendarFields when = At(4, 10, 1582, 6, 7, 8);  // last day of the Julian calendar
    SetInstantFromDateTime(s, DateTimeFromCalendar(when));
    EXPECT_EQ(s.Current, when);
    EXPECT_EQ(s.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(when)));
}

TEST(ComputerClock, KeepsTheMillisecondsInTheDateTimeValueOnly)
{
    GlobalSettings s;
    CalendarFields now = At(8, 12, 2026, 9, 10, 11);
    now.Millisecond = 500;
    ASSERT_TRUE(SetInstantFromClock(s, now));
    EXPECT_EQ(s.Current, now);
    EXPECT_EQ(s.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(now)));
    // Half a second is 1/172800 of a day on top of the whole second.
    const double wholeSecond = DateTimeFromCalendar(At(8, 12, 2026, 9, 10, 11));
    EXPECT_NEAR(s.CurrentDateTime - wholeSecond, 0.5 / 86400, 1e-9);
}

TEST(DialogTexts, DateAndTimeFormats)
{
    EXPECT_EQ(FormatDialogDate(At(7, 1, 1610)), "07/01/1610");
    EXPECT_EQ(FormatDialogDate(At(1, 2, 5)), "01/02/0005");
    EXPECT_EQ(FormatDialogTime(At(1, 1, 2000, 6, 5, 4)), "06:05:04");
    EXPECT_EQ(FormatDateAndTime(At(31, 12, 9999, 23, 59, 59)), "31/12/9999    23:59:59");
}

}  // namespace
}  // namespace vireon
