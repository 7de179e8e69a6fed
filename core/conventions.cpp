#include "core/conventions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace vireon {

Extended TruncateTowardZero(Extended v) { return std::trunc(v); }

Extended FractionalPart(Extended v) { return v - std::trunc(v); }

std::string FormatFixed(Extended v, int decimals, int significantDigits)
{
    if (!std::isfinite(v)) return std::isnan(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
    double d = static_cast<double>(v);
    char buffer[400];
    if (significantDigits > 0 && d != 0.0) {
        auto r = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::scientific,
                               significantDigits - 1);
        std::from_chars(buffer, r.ptr, d);
    }
    auto r = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::fixed, decimals);
    std::string text(buffer, r.ptr);
    // No "-0.00": a value that rounds to zero is written without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string FormatShortest(double v)
{
    // Room for any degree or metre count; a value too long for it gets six decimals.
    char buffer[400];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (r.ec != std::errc()) return FormatFixed(v, 6);
    return std::string(buffer, r.ptr);
}

std::string FormatInt(long long v)
{
    char buffer[32];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

std::string FormatTwoDigits(long long v)
{
    std::string text = FormatInt(v);
    if (v >= 0 && v < 10) text.insert(text.begin(), '0');
    return text;
}

std::ostream& operator<<(std::ostream& out, ViewMode v) { return out << Letter(v); }
std::ostream& operator<<(std::ostream& out, Orientation o) { return out << Letter(o); }
std::ostream& operator<<(std::ostream& out, DistanceUnit u) { return out << Letter(u); }

}  // namespace vireon
