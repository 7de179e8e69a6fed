#include "core/conventions.h"

#include <clocale>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace vireon {
namespace {

TEST(PixelRound, TiesGoToEvenAndAbsurdValuesAreRefused)
{
    EXPECT_EQ(PixelRound(2.5L), 2);
    EXPECT_EQ(PixelRound(3.5L), 4);
    EXPECT_EQ(PixelRound(-2.5L), -2);
    EXPECT_EQ(PixelRound(-2.6L), -3);
    EXPECT_EQ(PixelRound(1e7L), 10000000);
    EXPECT_EQ(PixelRound(1.0000001e7L), NoPixel);
    EXPECT_EQ(PixelRound(-2e7L), NoPixel);
    EXPECT_EQ(PixelRound(std::numeric_limits<Extended>::quiet_NaN()), NoPixel);
    EXPECT_EQ(PixelRound(std::numeric_limits<Extended>::infinity()), NoPixel);
}

// At and beside every tie (the extended neighbours a computed coordinate can land on), as
// std::nearbyint rounds in the default mode, out to the refusal limit.
TEST(PixelRound, AgreesWithNearbyintAtAndBesideTies)
{
    for (long long twice = -20000001; twice <= 20000001; twice += 2 * 997) {
        const Extended tie = static_cast<Extended>(twice) / 2;
        for (const Extended v : {std::nextafter(tie, -1e9L), tie, std::nextafter(tie, 1e9L)}) {
            const int want = std::fabs(v) <= 1e7L ? static_cast<int>(std::nearbyint(v)) : NoPixel;
            ASSERT_EQ(PixelRound(v), want) << twice << "/2 and its neighbour " << static_cast<double>(v - tie);
        }
    }
}

TEST(FormatFixed, UsesAPointWhateverTheLocale)
{
    // A locale with a decimal comma must not change the text (the C locale may be all there is).
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_EQ(FormatFixed(3.14159L, 2), "3.14");
    EXPECT_EQ(FormatFixed(-0.004L, 2), "0.00");
    EXPECT_EQ(FormatFixed(-1.005L, 1), "-1.0");
    EXPECT_EQ(FormatFixed(2.5L, 0), "2");
    EXPECT_EQ(FormatFixed(123456.789L, 2, 7), "123456.80");
    EXPECT_EQ(FormatFixed(59.96L, 1), "60.0");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(FormatInt(-3), "-3");
    EXPECT_EQ(FormatInt(4000), "4000");
}

TEST(TruncateTowardZero, NegativeValuesGoUp)
{
    EXPECT_EQ(TruncateTowardZero(-2.7L), -2);
    EXPECT_EQ(TruncateTowardZero(2.7L), 2);
    EXPECT_NEAR(static_cast<double>(FractionalPart(-2.75L)), -0.75, 1e-15);
}

}  // namespace
}  // namespace vireon
