// Numeric conventions used everywhere: truncation, pixel rounding, number formatting.
#pragma once

#include <climits>
#include <string>

#include "core/types.h"

namespace vireon {

// Integer part, truncating toward zero (-2.7 gives -2).
Extended TruncateTowardZero(Extended v);
Extended FractionalPart(Extended v);

// Pixel coordinate of a real value: nearest integer, ties to even. A non-finite value or one
// beyond 1e7 pixels gives NoPixel, and a primitive with such a coordinate is not drawn.
inline constexpr int NoPixel = INT_MIN;
int PixelRound(Extended v);

// Fixed-point text with the given number of decimals and "." as the decimal separator,
// whatever the locale; minus sign only for a value that is negative after rounding.
// With significantDigits > 0 the value is first rounded to that many significant digits
// (as the 7-digit fixed formats of the status bar and panel do).
std::string FormatFixed(Extended v, int decimals, int significantDigits = 0);
// Shortest decimal text of a whole number.
std::string FormatInt(long long v);

}  // namespace vireon
