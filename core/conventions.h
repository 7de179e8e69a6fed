// Numeric conventions used everywhere: truncation, pixel rounding, number formatting.
#pragma once

#include <climits>
#include <cmath>
#include <string>

#include "core/types.h"

namespace vireon {

// Integer part, truncating toward zero (-2.7 gives -2).
Extended TruncateTowardZero(Extended v);
Extended FractionalPart(Extended v);

// Pixel coordinate of a real value: nearest integer, ties to even. A non-finite value or one
// beyond 1e7 pixels gives NoPixel, and a primitive with such a coordinate is not drawn.
// Inline: every point of every view goes through it.
inline constexpr int NoPixel = INT_MIN;
inline int PixelRound(Extended v)
{
    // The comparison is false for a NaN as well.
    if (!(std::fabs(v) <= 1e7L)) return NoPixel;
    // Adding and taking back 1.5 x 2^63 rounds to an integer in the current rounding mode, ties
    // to even by default, exactly as std::rint: the sum lies in [2^63, 2^64), where the unit of
    // the 64-bit significand is 1, and the difference is exact. It spares the x87 frndint and
    // the two control-word loads of a direct conversion to int; the whole number, below 1e7,
    // converts exactly through double.
    constexpr Extended shift = 0x1.8p63L;
    const Extended whole = (v + shift) - shift;
    return static_cast<int>(static_cast<double>(whole));
}

// Fixed-point text with the given number of decimals and "." as the decimal separator,
// whatever the locale; minus sign only for a value that is negative after rounding.
// With significantDigits > 0 the value is first rounded to that many significant digits
// (as the 7-digit fixed formats of the status bar and panel do).
std::string FormatFixed(Extended v, int decimals, int significantDigits = 0);
// Shortest decimal text of a whole number.
std::string FormatInt(long long v);
// The shortest fixed-point text that reads back as the same double ("48.85", "-0.00001"), "."
// whatever the locale, no exponent.
std::string FormatShortest(double v);
// At least two digits: a leading zero below 10 ("07", "12", "123").
std::string FormatTwoDigits(long long v);

}  // namespace vireon
