#include "window_test_support.h"

#include <QTest>

#include "core/driver.h"

namespace vireon::testing {

void WindowTest::RecomputeAndDrawFirst() { RecomputeAndDraw(Jupiter); }

void WindowTest::ShowActive()
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

CalendarFields At(int day, int month, int year, int hour, int minute, int second)
{
    CalendarFields f;
    f.Day = static_cast<std::uint16_t>(day);
    f.Month = static_cast<std::uint16_t>(month);
    f.Year = static_cast<std::uint16_t>(year);
    f.Hour = static_cast<std::uint16_t>(hour);
    f.Minute = static_cast<std::uint16_t>(minute);
    f.Second = static_cast<std::uint16_t>(second);
    return f;
}

void SetCurrentDate(const CalendarFields& fields)
{
    Settings.Current = fields;
    Settings.CurrentJD = JulianDayFromCalendar(fields);
    Settings.CurrentDateTime = DateTimeFromCalendar(fields);
}

}  // namespace vireon::testing
