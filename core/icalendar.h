// iCalendar files (RFC 5545): a calendar object of events, written as content lines.
//
// Every line ends in CRLF and is folded at 75 octets (RFC 5545 §3.1): a longer line is cut before
// the octet that would pass the limit, never inside a UTF-8 sequence, and goes on in the next line
// after one space. TEXT values escape the backslash, the semicolon, the comma and line ends, and
// drop the other control characters, which TEXT cannot hold (§3.3.11). Dates and times are UTC,
// form #2 of §3.3.5 ("19980119T070000Z"), in the Gregorian calendar (CALSCALE:GREGORIAN, §3.7.1)
// whatever the year: an instant before 1582-10-15 gets its proleptic Gregorian date, not the
// Julian date the program's own calendar gives it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/types.h"

namespace vireon {

// POSIX seconds (from 1970-01-01T00:00:00 UTC, leap seconds not counted) of a UT Julian Day,
// rounded to the nearest second.
std::int64_t UnixSecondsOfJulianDay(Extended jdUT);

// "YYYYMMDDTHHMMSSZ", proleptic Gregorian, of POSIX seconds.
std::string CalendarDateTimeUtc(std::int64_t unixSeconds);

// A TEXT value, escaped.
std::string EscapeCalendarText(std::string_view utf8);

// One content line ("NAME:value", value already escaped), folded, each of its lines ending in CRLF.
std::string FoldContentLine(std::string_view line);

struct CalendarEvent {
    std::string Uid;                      // unique and the same each time the event is written
    std::int64_t StartUnixSeconds = 0;    // POSIX seconds
    std::optional<std::int64_t> EndUnixSeconds;  // later than the start; none for an instant, which
                                                 // ends when it starts (§3.6.1)
    std::string Summary;                  // UTF-8, unescaped
    std::string Description;              // left out when empty
    std::string Location;                 // left out when empty
    std::optional<double> LatitudeDeg, LongitudeDeg;  // GEO (§3.8.1.6), both or neither
};

// The calendar: VERSION 2.0, PRODID, CALSCALE:GREGORIAN, then one VEVENT per event, each stamped
// with stampUnixSeconds (DTSTAMP: when the file is written) and transparent (TRANSP: an
// observation does not make its observer busy).
std::string WriteCalendar(const std::vector<CalendarEvent>& events, std::int64_t stampUnixSeconds);

}  // namespace vireon
