// The date commands on the clocks of UT and of a zone: steps add elapsed time, the fields are read
// on the chosen clock, a change of clock keeps the instant, and the computer clock is read in each
// scale.
#include <gtest/gtest.h>

#include "core/date_commands.h"
#include "core/settings.h"
#include "core/time_scale.h"

namespace vireon {
namespace {

constexpr Extended Second = 1.0L / 86400;
const TimeScale Ut{TimeScaleKind::Universal, ""};
const TimeScale Paris{TimeScaleKind::Local, "Europe/Paris"};

CalendarFields At(int day, int month, int year, int hour = 0, int minute = 0, int second = 0)
{
    return MakeCalendarFields(day, month, year, hour, minute, second);
}

// Settings on a clock showing the given fields.
GlobalSettings SettingsShowing(const TimeScale& scale, const CalendarFields& f)
{
    GlobalSettings s;
    s.TimeScale = scale;
    SetInstantFromDateTime(s, DateTimeFromCalendar(f));
    return s;
}

TEST(ClockScales, TheFieldsAreReadOnTheClockAndStepsAddElapsedTime)
{
    // One hour before summer time begins in Paris, plus one hour of elapsed time, reads 03:00.
    GlobalSettings paris = SettingsShowing(Paris, At(31, 3, 2024, 1, 0));
    EXPECT_NEAR((paris.CurrentJD - (JulianDayFromCalendar(At(31, 3, 2024, 0, 0)) + 69.184L * Second)) / Second, 0, 1e-3L);
    paris.IncrementDays = 1.0L / 24;
    ASSERT_TRUE(StepByIncrement(paris, +1));
    EXPECT_EQ(paris.Current, At(31, 3, 2024, 3, 0));
    ASSERT_TRUE(StepByIncrement(paris, -1));
    EXPECT_EQ(paris.Current, At(31, 3, 2024, 1, 0));

    // A day of elapsed time across a leap second: UT reads one second less.
    GlobalSettings ut = SettingsShowing(Ut, At(31, 12, 2016, 12, 0));
    ut.IncrementDays = 1;
    ASSERT_TRUE(StepByIncrement(ut, +1));
    EXPECT_EQ(ut.Current, At(1, 1, 2017, 11, 59, 59));

    // The range is read on the clock: the last UT second of 9999 is the end, whatever TT says.
    GlobalSettings end = SettingsShowing(Ut, At(31, 12, 9999, 23, 59, 0));
    end.IncrementDays = 1.0L / 24;
    const GlobalSettings before = end;
    EXPECT_FALSE(StepByIncrement(end, +1));
    EXPECT_EQ(end.Current, before.Current);
    EXPECT_EQ(end.CurrentJD, before.CurrentJD);
}

TEST(ClockScales, TheGraphMonthStartsAtMidnightOnTheClock)
{
    GlobalSettings ut = SettingsShowing(Ut, At(17, 1, 2016, 10, 0));
    ASSERT_TRUE(StepGraphMonth(ut, +1));
    EXPECT_EQ(ut.Current, At(1, 2, 2016));
    EXPECT_NEAR((ut.CurrentJD - JulianDayFromCalendar(At(1, 2, 2016))) / Second, 68.184L, 1e-3L);
}

TEST(ClockScales, ChangingTheClockKeepsTheInstant)
{
    GlobalSettings s = SettingsShowing(TimeScale{}, At(3, 12, 2024, 20, 32, 52));
    const Extended instant = s.CurrentJD;
    SetTimeScale(s, Ut);
    EXPECT_EQ(s.Current, At(3, 12, 2024, 20, 31, 43));  // 69.184 s earlier, to the nearest second
    SetTimeScale(s, Paris);
    EXPECT_EQ(s.Current, At(3, 12, 2024, 21, 31, 43));
    EXPECT_NEAR((TerrestrialOfFields(s, s.Current) - instant) / Second, 0, 0.5L);
    SetTimeScale(s, TimeScale{});
    EXPECT_EQ(s.Current, At(3, 12, 2024, 20, 32, 52));

    // The kept settings come back with the fields naming an instant on their clock.
    GlobalSettings fresh;
    ResetToStartupValues(fresh);
    ApplyKeptSettings(fresh, {Ut, ObservingSite{"Paris", 48.85, 2.35, 35}, 60});
    EXPECT_EQ(fresh.Current, At(7, 1, 1610, 16, 45));
    EXPECT_NEAR((fresh.CurrentJD - JulianDayFromCalendar(fresh.Current)) / Second, DeltaTSeconds(JulianDayFromCalendar(fresh.Current)), 1e-3L);
    EXPECT_EQ(KeptSettingsOf(fresh).Site->Name, "Paris");
}

// "Maintenant": TT takes the clock's local time as it is, UT its UTC, local time its UTC in the zone.
TEST(ClockScales, TheComputerClockOnEachScale)
{
    const CalendarFields local = MakeCalendarFields(9, 12, 2026, 10, 11, 12, 345);
    const CalendarFields utc = MakeCalendarFields(9, 12, 2026, 9, 11, 12, 345);
    EXPECT_EQ(ClockOnScale(TimeScale{}, local, utc), local);
    EXPECT_EQ(ClockOnScale(Ut, local, utc), utc);
    EXPECT_EQ(ClockOnScale(Paris, local, utc), local);
    EXPECT_EQ(ClockOnScale({TimeScaleKind::Local, "America/New_York"}, local, utc),
              MakeCalendarFields(9, 12, 2026, 4, 11, 12, 345));
    GlobalSettings s = SettingsShowing(Ut, At(1, 1, 2000));
    ASSERT_TRUE(SetInstantFromClock(s, utc));
    EXPECT_NEAR((s.CurrentJD - JulianDayFromCalendar(utc)) / Second, 69.184L, 1e-3L);
}

}  // namespace
}  // namespace vireon
