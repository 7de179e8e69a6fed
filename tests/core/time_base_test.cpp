#include "core/time_base.h"

#include <gtest/gtest.h>

namespace vireon {
namespace {

TEST(JulianDay, GregorianReformDaysAreOneDayApart)
{
    EXPECT_EQ(JulianDayFromCalendar(15, 10, 1582, 0, 0, 0), 2299160.5);
    EXPECT_EQ(JulianDayFromCalendar(4, 10, 1582, 0, 0, 0), 2299159.5);
}

}  // namespace
}  // namespace vireon
