#include "core/input_parsing.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>
#include <string>

namespace vireon {
namespace {

struct DateCase {
    const char* text;
    bool valid;
    int day, month, year;
};

class DateText : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateText, StrictDayMonthYear)
{
    const DateCase& c = GetParam();
    const auto got = ParseDialogDate(c.text);
    ASSERT_EQ(got.has_value(), c.valid) << "\"" << c.text << "\"";
    if (c.valid) {
        EXPECT_EQ(got->Day, c.day) << c.text;
        EXPECT_EQ(got->Month, c.month) << c.text;
        EXPECT_EQ(got->Year, c.year) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateText,
    ::testing::Values(DateCase{"07/01/1610", true, 7, 1, 1610}, DateCase{"7/1/1610", true, 7, 1, 1610},
                      DateCase{"  31/12/9999 ", true, 31, 12, 9999},
                      // The year is taken literally: no century window for short years.
                      DateCase{"1/1/1", true, 1, 1, 1}, DateCase{"05/06/30", true, 5, 6, 30},
                      DateCase{"29/02/1500", true, 29, 2, 1500},  // Julian leap year
                      DateCase{"10/10/1582", true, 10, 10, 1582},  // Julian date inside the reform gap
                      DateCase{"29/02/2000", true, 29, 2, 2000}, DateCase{"29/02/1900", false, 0, 0, 0},
                      DateCase{"29/02/2001", false, 0, 0, 0}, DateCase{"31/04/2001", false, 0, 0, 0}, DateCase{"0/1/2000", false, 0, 0, 0},
                      DateCase{"1/0/2000", false, 0, 0, 0}, DateCase{"1/13/2000", false, 0, 0, 0}, DateCase{"1/1/0", false, 0, 0, 0},
                      DateCase{"1/1/10000", false, 0, 0, 0}, DateCase{"1/1/00001", false, 0, 0, 0}, DateCase{"001/1/2000", false, 0, 0, 0},
                      DateCase{"1-1-2000", false, 0, 0, 0}, DateCase{"1/1", false, 0, 0, 0}, DateCase{"1/1/2000/", false, 0, 0, 0},
                      DateCase{"1//2000", false, 0, 0, 0}, DateCase{"+1/1/2000", false, 0, 0, 0}, DateCase{"1/ 1/2000", false, 0, 0, 0},
                      DateCase{"", false, 0, 0, 0}, DateCase{"a/b/c", false, 0, 0, 0}, DateCase{"１/1/2000", false, 0, 0, 0}));

struct TimeCase {
    const char* text;
    bool valid;
    int hour, minute, second;
};

class TimeText : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeText, HoursMinutesAndOptionalSeconds)
{
    const TimeCase& c = GetParam();
    const auto got = ParseDialogTime(c.text);
    ASSERT_EQ(got.has_value(), c.valid) << "\"" << c.text << "\"";
    if (c.valid) {
        EXPECT_EQ(got->Hour, c.hour) << c.text;
        EXPECT_EQ(got->Minute, c.minute) << c.text;
        EXPECT_EQ(got->Second, c.second) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Times, TimeText,
                         ::testing::Values(TimeCase{"16:45:00", true, 16, 45, 0}, TimeCase{"0:0:0", true, 0, 0, 0},
                                           TimeCase{"23:59:59", true, 23, 59, 59}, TimeCase{"08:30", true, 8, 30, 0},
                                           TimeCase{" 1:02:03 ", true, 1, 2, 3}, TimeCase{"24:00:00", false, 0, 0, 0},
                                           TimeCase{"12:60:00", false, 0, 0, 0}, TimeCase{"12:00:60", false, 0, 0, 0},
                                           TimeCase{"12", false, 0, 0, 0}, TimeCase{"12:00:00:00", false, 0, 0, 0},
                                           TimeCase{"123:00", false, 0, 0, 0}, TimeCase{"12:00:00.5", false, 0, 0, 0},
                                           TimeCase{"-1:00", false, 0, 0, 0}, TimeCase{"", false, 0, 0, 0}, TimeCase{"::", false, 0, 0, 0}));

struct NumberCase {
    const char* text;
    bool valid;
    double value;
};

class IncrementText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IncrementText, FiniteDecimalWithinOneHundredThousand)
{
    const NumberCase& c = GetParam();
    const auto got = ParseIncrementNumber(c.text);
    ASSERT_EQ(got.has_value(), c.valid) << "\"" << c.text << "\"";
    if (c.valid) {
        EXPECT_EQ(static_cast<double>(*got), c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IncrementText,
    ::testing::Values(NumberCase{"1", true, 1}, NumberCase{" 2.5 ", true, 2.5}, NumberCase{"-3", true, -3},
                      NumberCase{"+4", true, 4}, NumberCase{"0", true, 0}, NumberCase{".5", true, 0.5},
                      NumberCase{"5.", true, 5}, NumberCase{"100000", true, 100000},
                      NumberCase{"-100000", true, -100000}, NumberCase{"100000.01", false, 0},
                      NumberCase{"2,5", false, 0}, NumberCase{"1e3", false, 0}, NumberCase{"inf", false, 0},
                      NumberCase{"nan", false, 0}, NumberCase{".", false, 0}, NumberCase{"-", false, 0},
                      NumberCase{"1.2.3", false, 0}, NumberCase{"--1", false, 0}, NumberCase{"1 000", false, 0},
                      NumberCase{"0x10", false, 0}, NumberCase{"", false, 0}));

TEST(IncrementText, DecimalPointWhateverTheLocale)
{
    // A locale whose decimal separator is a comma must not change what "." means.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const bool french = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr;
    const auto got = ParseIncrementNumber("0.25");
    const auto comma = ParseIncrementNumber("0,25");
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(static_cast<double>(*got), 0.25) << (french ? "fr_FR" : "C") << " locale";
    EXPECT_FALSE(comma.has_value());
}

struct ZoomCase {
    const char* text;
    bool valid;
    int value;
};

class ZoomText : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomText, IntegerLimitedToOneToFourThousand)
{
    const ZoomCase& c = GetParam();
    const auto got = ParseZoomValue(c.text);
    ASSERT_EQ(got.has_value(), c.valid) << "\"" << c.text << "\"";
    if (c.valid) {
        EXPECT_EQ(*got, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, ZoomText,
                         ::testing::Values(ZoomCase{"10", true, 10}, ZoomCase{"5000", true, 4000},
                                           ZoomCase{"0", true, 1}, ZoomCase{"-7", true, 1},
                                           ZoomCase{"4000", true, 4000}, ZoomCase{" 1 ", true, 1},
                                           ZoomCase{"99999999999999999999999", true, 4000},
                                           ZoomCase{"-99999999999999999999999", true, 1},
                                           ZoomCase{"+20", true, 20}, ZoomCase{"12.5", false, 0},
                                           ZoomCase{"1e3", false, 0}, ZoomCase{"x10", false, 0}, ZoomCase{"", false, 0},
                                           ZoomCase{"-", false, 0}));

class FieldText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FieldText, PositiveUpToSixThousandArcminutes)
{
    const NumberCase& c = GetParam();
    const auto got = ParseFieldMinutes(c.text);
    ASSERT_EQ(got.has_value(), c.valid) << "\"" << c.text << "\"";
    if (c.valid) {
        EXPECT_EQ(*got, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldText,
                         ::testing::Values(NumberCase{"15", true, 15}, NumberCase{"0.5", true, 0.5},
                                           NumberCase{"6000", true, 6000}, NumberCase{"6000.1", false, 0},
                                           NumberCase{"0", false, 0}, NumberCase{"-5", false, 0},
                                           NumberCase{"0.0", false, 0}, NumberCase{"1,5", false, 0},
                                           NumberCase{"abc", false, 0}, NumberCase{"", false, 0}));

TEST(InputParsing, RandomTextsNeverGiveAnOutOfRangeValue)
{
    // Short texts drawn from the characters the grammars use, plus a few others: whatever is
    // accepted must lie inside the documented ranges.
    const std::string alphabet = "0123456789/:.+- ,eE\tx";
    std::mt19937 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 14);
        for (int j = 0; j < length; ++j) text += alphabet[random() % alphabet.size()];
        if (const auto d = ParseDialogDate(text)) {
            EXPECT_TRUE(d->Year >= 1 && d->Year <= 9999 && d->Month >= 1 && d->Month <= 12 && d->Day >= 1 &&
                        d->Day <= 31)
                << text;
        }
        if (const auto t = ParseDialogTime(text)) {
            EXPECT_TRUE(t->Hour <= 23 && t->Minute <= 59 && t->Second <= 59) << text;
        }
        if (const auto n = ParseIncrementNumber(text)) {
            EXPECT_LE(std::fabs(static_cast<double>(*n)), 100000.0) << text;
        }
        if (const auto z = ParseZoomValue(text)) {
            EXPECT_TRUE(*z >= 1 && *z <= 4000) << text;
        }
        if (const auto f = ParseFieldMinutes(text)) {
            EXPECT_TRUE(*f > 0 && *f <= 6000) << text;
        }
    }
}

}  // namespace
}  // namespace vireon
