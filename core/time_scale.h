// Time scales: the clock on which the user reads and types dates, and Delta T.
//
// The theories always run on Terrestrial Time (TT). The dates shown and typed can be read on one
// of three clocks (TimeScale): TT itself, the program's own scale and the start-up one (the date
// as entered is the theories' time); Universal Time (UT); or the civil time of an IANA time zone,
// UT plus the zone's offset at that instant, daylight saving time included, from the system's
// time-zone database (Debian tzdata) through Howard Hinnant's date/tz library.
//
// Delta T = TT - UT, seconds:
//   - before 1972-01-01 (UT), the polynomial expressions of Espenak & Meeus, "Five Millennium
//     Canon of Solar Eclipses" (NASA/TP-2006-214141, 2006); UT is UT1 there;
//   - from 1972-01-01, 32.184 s + (TAI - UTC) from ERFA's table of leap seconds (eraDat); UT is
//     UTC as clocks give it. After the table's last leap second its value is held for every
//     later date (69.184 s since 2017-01-01), as JPL Horizons holds it.
//
// Every Julian Day here is counted in the program's calendar (Julian before 1582-10-15) on the
// clock it is named after: jdTT on TT, jdUT on UT, a reading on the chosen scale's clock. The
// zones' calendar is the Gregorian one: the conversions go through seconds from an epoch, never
// through calendar fields.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/time_base.h"
#include "core/types.h"

namespace vireon {

enum class TimeScaleKind : std::uint8_t {
    Terrestrial,  // TT, the theories' time: dates taken as they are entered
    Universal,    // UT: UT1 before 1972, UTC from then on
    Local,        // the civil time of an IANA zone
};

struct TimeScale {
    TimeScaleKind Kind = TimeScaleKind::Terrestrial;
    std::string Zone;  // the IANA zone of local time ("Europe/Paris"); empty otherwise

    friend bool operator==(const TimeScale&, const TimeScale&) = default;
};

// --- Delta T ---

// One of the expressions of Espenak & Meeus: for From <= y < To (decimal years),
// Delta T = sum of Coefficients[n] u^n seconds, u = (y - Origin) / Scale.
struct DeltaTExpression {
    Extended From, To, Origin, Scale;
    Extended Coefficients[8];
};
// The expressions, by increasing years (core/delta_t_espenak_meeus.cpp, generated).
extern const std::span<const DeltaTExpression> EspenakMeeusExpressions;

// The calendar year of an instant plus the fraction of that year elapsed (Julian Days of the
// program's calendar): 1 January 00:00 of year Y is exactly Y.
Extended DecimalYear(Extended jd);

// Delta T of Espenak & Meeus at a decimal year, seconds.
Extended EspenakMeeusDeltaT(Extended decimalYear);

// Delta T = TT - UT at a UT instant, seconds (the rules above).
Extended DeltaTSeconds(Extended jdUT);

// The same instant on the other clock. Inside an inserted leap second (23:59:60 UTC, which the
// program's calendar cannot name) UT reads 00:00:00 of the next day.
Extended TerrestrialFromUniversal(Extended jdUT);
Extended UniversalFromTerrestrial(Extended jdTT);

// --- Time zones ---

// Whether the system's database has the zone.
bool IsKnownTimeZone(std::string_view zone);

// The system's zone (/etc/localtime), "Etc/UTC" when it cannot be read.
std::string SystemTimeZone();

// Every zone of the database, the system's first, then by name.
std::vector<std::string> TimeZoneNames();

// The zone's offset from UT (seconds, east positive) and its abbreviation ("CET", "CEST", "LMT")
// at a UT instant. Before the zone's history begins the database gives local mean time (Paris
// +0:09:21). After its last explicit transition (the database's files end them in 2037), a zone
// that still changed its clocks that year keeps the same rule: the same weekday of the same week
// of the same months, at the same wall-clock times. An unknown zone reads as UT.
struct ZoneOffset {
    std::int32_t Seconds = 0;
    std::string Abbreviation;
};
ZoneOffset ZoneOffsetAt(std::string_view zone, Extended jdUT);

// The UT instant of a local time in the zone. Empty when the zone skips that time (clocks
// forward); a time the zone repeats (clocks back) is its first occurrence.
std::optional<Extended> UniversalFromLocal(std::string_view zone, Extended jdLocal);

// --- Readings on a scale ---

// The Julian Day the scale's clock reads at a TT instant.
Extended ReadingFromTerrestrial(const TimeScale& scale, Extended jdTT);

// The TT instant of a reading. Empty when the reading names a local time that the zone skips.
std::optional<Extended> TerrestrialFromReading(const TimeScale& scale, Extended jdReading);

// The same, a skipped local time taken with the offset in force before the clocks went forward
// (02:30 on the night summer time begins in Paris is 01:30 UT, the instant the clocks show 03:30).
// For readings that were not typed: the first day of a month, the clock's own time.
Extended TerrestrialFromReadingOrLater(const TimeScale& scale, Extended jdReading);

// What the status bar writes after a date on the scale: nothing in TT, "UT", or the zone's
// abbreviation at the instant ("CET", "CEST").
std::string ScaleAbbreviation(const TimeScale& scale, Extended jdTT);

// The scale's offset from UT at a TT instant, seconds (0 in TT and UT).
std::int32_t ScaleOffsetSeconds(const TimeScale& scale, Extended jdTT);

// The calendar fields the scale's clock shows at a TT instant, to the whole second: rounded to
// the nearest, or up (a start listed at the first second at which it holds) or down (an end).
enum class SecondRounding : std::uint8_t { Nearest, Up, Down };
CalendarFields ReadingFieldsOf(const TimeScale& scale, Extended jdTT,
                              SecondRounding rounding = SecondRounding::Nearest);

}  // namespace vireon
