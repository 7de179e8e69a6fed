#include "core/input_parsing.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "core/time_base.h"

namespace vireon {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Splits "a<sep>b<sep>c" into at most maxFields unsigned decimal fields of 1..maxDigits[i]
// digits each. Returns the number of fields read, or 0 when the text does not have that form.
int ReadFields(std::string_view text, char separator, const int* maxDigits, int maxFields, int* values)
{
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        if (count == maxFields) return 0;
        int digits = 0;
        int value = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (++digits > maxDigits[count]) return 0;
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        if (digits == 0) return 0;
        values[count++] = value;
        if (pos == text.size()) return count;
        if (text[pos] != separator) return 0;
        ++pos;
    }
}

// A decimal number: optional sign, digits, optional "." and digits, at least one digit.
std::optional<Extended> ReadDecimal(std::string_view text)
{
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t digits = 0;
    std::size_t points = 0;
    for (char c : text) {
        if (IsDigit(c)) ++digits;
        else if (c == '.') ++points;
        else return std::nullopt;
    }
    if (digits == 0 || points > 1) return std::nullopt;
    // from_chars reads with the C locale's "." whatever the process locale is.
    Extended value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    // The grammar was checked above: only a value beyond the format's range fails here.
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::optional<DialogDate> ParseDialogDate(std::string_view text)
{
    static constexpr int MaxDigits[3] = {2, 2, 4};
    int values[3];
    if (ReadFields(Trimmed(text), '/', MaxDigits, 3, values) != 3) return std::nullopt;
    const DialogDate date{values[0], values[1], values[2]};
    if (!IsValidCalendarDate(date.Day, date.Month, date.Year)) return std::nullopt;
    return date;
}

std::optional<DialogTime> ParseDialogTime(std::string_view text)
{
    static constexpr int MaxDigits[3] = {2, 2, 2};
    int values[3] = {0, 0, 0};
    const int count = ReadFields(Trimmed(text), ':', MaxDigits, 3, values);
    if (count < 2) return std::nullopt;
    const DialogTime time{values[0], values[1], values[2]};
    if (time.Hour > 23 || time.Minute > 59 || time.Second > 59) return std::nullopt;
    return time;
}

std::optional<Extended> ParseIncrementNumber(std::string_view text)
{
    const std::optional<Extended> n = ReadDecimal(text);
    if (!n || std::fabs(*n) > MaxIncrementNumber) return std::nullopt;
    return n;
}

std::optional<int> ParseZoomValue(std::string_view text)
{
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long magnitude = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        // Saturate rather than overflow: every value past INT_MAX ends at the upper limit anyway.
        if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (c - '0');
    }
    if (negative) return MinZoom;
    if (magnitude > MaxZoom) return MaxZoom;
    if (magnitude < MinZoom) return MinZoom;
    return static_cast<int>(magnitude);
}

std::optional<double> ParseFieldMinutes(std::string_view text)
{
    const std::optional<Extended> minutes = ReadDecimal(text);
    if (!minutes || !(static_cast<double>(*minutes) > 0) || *minutes > MaxFieldMinutes) return std::nullopt;  // 1e-400 is 0 as a double
    return static_cast<double>(*minutes);
}

std::optional<double> ParseLongitudeDegrees(std::string_view text) { return ParseDecimalWithin(text, 0, 360); }

std::optional<double> ParseDecimalWithin(std::string_view text, double lowest, double highest)
{
    const std::optional<Extended> value = ReadDecimal(text);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return static_cast<double>(*value);
}

}  // namespace vireon
