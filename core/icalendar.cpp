#include "core/icalendar.h"

#include <charconv>
#include <cmath>

namespace vireon {
namespace {

constexpr std::int64_t DaySeconds = 86400;
constexpr Extended UnixEpochJD = 2440587.5L;  // 1970-01-01T00:00:00
constexpr std::size_t FoldOctets = 75;

// Floor division: the days before 1970 are negative.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

struct GregorianDate {
    std::int64_t Year;
    int Month, Day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01: the 400-year eras of
// H. Hinnant, "chrono-Compatible Low-Level Date Algorithms" (2013), civil_from_days.
GregorianDate GregorianOfDay(std::int64_t days)
{
    days += 719468;  // from 0000-03-01
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 for March
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

void AppendDigits(std::string& text, std::int64_t value, int width)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0) text += '-';
    if (static_cast<int>(digits.size()) < width) text.append(static_cast<std::size_t>(width) - digits.size(), '0');
    text += digits;
}

std::string NumberText(double value)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

bool IsContinuationOctet(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

void AddLine(std::string& out, std::string_view name, std::string_view value)
{
    std::string line(name);
    line += ':';
    line += value;
    out += FoldContentLine(line);
}

}  // namespace

std::int64_t UnixSecondsOfJulianDay(Extended jdUT)
{
    return static_cast<std::int64_t>(std::llround((jdUT - UnixEpochJD) * DaySeconds));
}

std::string CalendarDateTimeUtc(std::int64_t unixSeconds)
{
    const std::int64_t day = FloorDiv(unixSeconds, DaySeconds);
    const std::int64_t second = unixSeconds - day * DaySeconds;
    const GregorianDate date = GregorianOfDay(day);
    std::string text;
    AppendDigits(text, date.Year, 4);
    AppendDigits(text, date.Month, 2);
    AppendDigits(text, date.Day, 2);
    text += 'T';
    AppendDigits(text, second / 3600, 2);
    AppendDigits(text, second / 60 % 60, 2);
    AppendDigits(text, second % 60, 2);
    return text + 'Z';
}

std::string EscapeCalendarText(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;  // CRLF is one line end
            out += "\\n";
        } else if ((u < 0x20 && c != '\t') || u == 0x7F) {
            continue;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FoldContentLine(std::string_view line)
{
    std::string out;
    std::size_t room = FoldOctets;  // the first line; the others start with their space
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsContinuationOctet(line[cut])) --cut;  // before the character's first octet
        if (cut == 0) cut = room;  // not UTF-8: cut where the limit falls
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = FoldOctets - 1;
    }
    out.append(line);
    return out + "\r\n";
}

std::string WriteCalendar(const std::vector<CalendarEvent>& events, std::int64_t stampUnixSeconds)
{
    std::string out;
    AddLine(out, "BEGIN", "VCALENDAR");
    AddLine(out, "VERSION", "2.0");
    AddLine(out, "PRODID", "-//Vireon//Vireon//FR");
    AddLine(out, "CALSCALE", "GREGORIAN");
    const std::string stamp = CalendarDateTimeUtc(stampUnixSeconds);
    for (const CalendarEvent& e : events) {
        AddLine(out, "BEGIN", "VEVENT");
        AddLine(out, "UID", EscapeCalendarText(e.Uid));
        AddLine(out, "DTSTAMP", stamp);
        AddLine(out, "DTSTART", CalendarDateTimeUtc(e.StartUnixSeconds));
        if (e.EndUnixSeconds && *e.EndUnixSeconds > e.StartUnixSeconds) {
            AddLine(out, "DTEND", CalendarDateTimeUtc(*e.EndUnixSeconds));
        }
        AddLine(out, "SUMMARY", EscapeCalendarText(e.Summary));
        if (!e.Description.empty()) AddLine(out, "DESCRIPTION", EscapeCalendarText(e.Description));
        if (!e.Location.empty()) AddLine(out, "LOCATION", EscapeCalendarText(e.Location));
        if (e.LatitudeDeg && e.LongitudeDeg) {
            AddLine(out, "GEO", NumberText(*e.LatitudeDeg) + ";" + NumberText(*e.LongitudeDeg));
        }
        AddLine(out, "TRANSP", "TRANSPARENT");
        AddLine(out, "END", "VEVENT");
    }
    AddLine(out, "END", "VCALENDAR");
    return out;
}

}  // namespace vireon
