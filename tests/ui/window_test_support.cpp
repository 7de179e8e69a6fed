#include "window_test_support.h"

#include <QTest>

#include "app/driver.h"

namespace vireon::testing {

void WindowTest::RecomputeAndDrawFirst() { RecomputeAndDraw(Jupiter); }

QString WindowTest::SettingsFile() { return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/window-test.conf"; }

void WindowTest::ShowActive()
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

CalendarFields At(int day, int month, int year, int hour, int minute, int second)
{
    return MakeCalendarFields(day, month, year, hour, minute, second);
}

void SetCurrentDate(const CalendarFields& fields)
{
    Settings.Current = fields;
    Settings.CurrentJD = JulianDayFromCalendar(fields);
    Settings.CurrentDateTime = DateTimeFromCalendar(fields);
}

}  // namespace vireon::testing
