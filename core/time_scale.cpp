#include "core/time_scale.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <exception>

#include <date/tz.h>
#include <erfa.h>

namespace vireon {
namespace {

constexpr Extended SecondsPerDay = 86400;
// 1972-01-01 00:00 UTC, from which UT is UTC and Delta T follows the leap seconds.
constexpr Extended LeapSecondEraJD = 2441317.5L;
// TT - TAI, seconds.
constexpr Extended TerrestrialMinusAtomic = 32.184L;
// 1970-01-01 00:00, the origin of the zones' seconds.
constexpr Extended UnixEpochJD = 2440587.5L;

using Seconds = std::chrono::seconds;
using SysSeconds = date::sys_seconds;

// --- Delta T ---

Extended Evaluate(const DeltaTExpression& e, Extended y)
{
    const Extended u = (y - e.Origin) / e.Scale;
    Extended sum = 0;
    for (int n = 7; n >= 0; --n) sum = sum * u + e.Coefficients[n];  // Horner
    return sum;
}

// TAI - UTC for a UTC instant from 1972 on: ERFA takes the Gregorian date and the fraction of
// the day. Its status is 1 for a year more than five years past the library's release ("dubious
// year"): the value returned is then the last one, which is what is wanted.
Extended AtomicMinusUtc(Extended jdUT)
{
    int year = 0, month = 0, day = 0;
    double fraction = 0;
    const double whole = std::floor(static_cast<double>(jdUT) + 0.5) - 0.5;
    if (eraJd2cal(whole, static_cast<double>(jdUT - whole), &year, &month, &day, &fraction) != 0) return 37;
    double delta = 0;
    if (eraDat(year, month, day, fraction, &delta) < 0) return 37;
    return delta;
}

// --- Zones ---

const date::time_zone* FindZone(std::string_view zone)
{
    if (zone.empty()) return nullptr;
    try {
        return date::locate_zone(zone);
    } catch (const std::exception&) {
        return nullptr;
    }
}

date::sys_info InfoAt(const date::time_zone& zone, std::int64_t second)
{
    return zone.get_info(SysSeconds{Seconds{second}});
}

// Seconds from 1970-01-01 00:00 on the same clock, and back.
Extended EpochSecondsOf(Extended jd) { return (jd - UnixEpochJD) * SecondsPerDay; }

// The whole second an instant falls in. Within 0.1 ms of a whole second counts as on it: a
// Julian Day held in 64 bits is good to about 40 microseconds, and a zone changes its offset
// exactly on a second.
Extended WholeSecondOf(Extended seconds) { return std::floor(seconds + 1e-4L); }
Extended JulianDayOfEpochSeconds(Extended seconds) { return UnixEpochJD + seconds / SecondsPerDay; }

// A transition of the database's last year, as a rule for the years after it: the weekday of a
// week of a month (the last week when it falls in the month's last seven days), at a wall-clock
// time of the offset in force before it.
struct ContinuedTransition {
    date::month Month;
    date::weekday Weekday;
    unsigned Week = 1;  // 1..4, or 5 for the last
    std::int64_t WallSecondOfDay = 0;
    std::int32_t OffsetBefore = 0;
    std::int32_t OffsetAfter = 0;
    std::string AbbreviationAfter;
};

ContinuedTransition RuleOf(const date::sys_info& before, const date::sys_info& after)
{
    ContinuedTransition t;
    t.OffsetBefore = static_cast<std::int32_t>(before.offset.count());
    t.OffsetAfter = static_cast<std::int32_t>(after.offset.count());
    t.AbbreviationAfter = after.abbrev;
    const auto wall = after.begin + before.offset;  // the clock just before it changes
    const date::sys_days day = date::floor<date::days>(wall);
    const date::year_month_day ymd{day};
    t.Month = ymd.month();
    t.Weekday = date::weekday{day};
    const unsigned dayOfMonth = static_cast<unsigned>(ymd.day());
    const unsigned lastDay = static_cast<unsigned>((ymd.year() / ymd.month() / date::last).day());
    t.Week = dayOfMonth + 7 > lastDay ? 5 : (dayOfMonth - 1) / 7 + 1;
    t.WallSecondOfDay = (wall - day).count();
    return t;
}

// The UT second of a continued transition in a year.
std::int64_t TransitionSecond(const ContinuedTransition& t, int year)
{
    const date::year y{year};
    const date::sys_days day = t.Week == 5 ? date::sys_days{y / t.Month / t.Weekday[date::last]}
                                           : date::sys_days{y / t.Month / t.Weekday[t.Week]};
    return date::sys_seconds{day}.time_since_epoch().count() + t.WallSecondOfDay - t.OffsetBefore;
}

ZoneOffset OffsetOf(const date::sys_info& info)
{
    return {static_cast<std::int32_t>(info.offset.count()), info.abbrev};
}

// The offset at a UT second, the database's last rule continued after its last transition.
ZoneOffset OffsetAtSecond(const date::time_zone& zone, std::int64_t second)
{
    const date::sys_info info = InfoAt(zone, second);
    const date::year_month_day begin{date::floor<date::days>(info.begin)};
    const bool open = info.end > SysSeconds{date::sys_days{date::year{10000} / 1 / 1}};
    if (!open || begin.year() < date::year{2037}) {
        return OffsetOf(info);
    }
    // Did the clocks change earlier in that last year too? Then both changes go on every year.
    const std::int64_t lastChange = info.begin.time_since_epoch().count();
    const date::sys_info previous = InfoAt(zone, lastChange - 1);
    const std::int64_t yearStart =
        date::sys_seconds{date::sys_days{begin.year() / 1 / 1}}.time_since_epoch().count();
    if (previous.begin.time_since_epoch().count() < yearStart) return OffsetOf(info);
    const date::sys_info beforePrevious = InfoAt(zone, previous.begin.time_since_epoch().count() - 1);
    const std::array<ContinuedTransition, 2> rules = {RuleOf(beforePrevious, previous), RuleOf(previous, info)};

    const int year = static_cast<int>(date::year_month_day{date::floor<date::days>(SysSeconds{Seconds{second}})}.year());
    std::int64_t latest = lastChange;
    ZoneOffset offset = OffsetOf(info);
    for (int y = year - 1; y <= year + 1; ++y) {
        for (const ContinuedTransition& rule : rules) {
            const std::int64_t at = TransitionSecond(rule, y);
            if (at <= second && at > latest) {
                latest = at;
                offset = {rule.OffsetAfter, rule.AbbreviationAfter};
            }
        }
    }
    return offset;
}

}  // namespace

// --- Delta T ---

Extended DecimalYear(Extended jd)
{
    if (jd < FirstSupportedJD) return 1 + (jd - FirstSupportedJD) / 365.25L;
    const int year = CalendarYearOf(jd);
    const Extended start = JulianDayFromCalendar(1, 1, year, 0, 0, 0);
    const Extended end = JulianDayFromCalendar(1, 1, year + 1, 0, 0, 0);
    return year + (jd - start) / (end - start);
}

Extended EspenakMeeusDeltaT(Extended y)
{
    const auto row = std::find_if(EspenakMeeusExpressions.begin(), EspenakMeeusExpressions.end(),
                                  [y](const DeltaTExpression& e) { return y < e.To; });
    return Evaluate(row == EspenakMeeusExpressions.end() ? EspenakMeeusExpressions.back() : *row, y);
}

Extended DeltaTSeconds(Extended jdUT)
{
    if (jdUT < LeapSecondEraJD) return EspenakMeeusDeltaT(DecimalYear(jdUT));
    return TerrestrialMinusAtomic + AtomicMinusUtc(jdUT);
}

Extended TerrestrialFromUniversal(Extended jdUT) { return jdUT + DeltaTSeconds(jdUT) / SecondsPerDay; }

Extended UniversalFromTerrestrial(Extended jdTT)
{
    // Delta T changes by under a second a year except at a leap second: two steps settle it.
    const Extended first = jdTT - DeltaTSeconds(jdTT) / SecondsPerDay;
    return jdTT - DeltaTSeconds(first) / SecondsPerDay;
}

// --- Zones ---

bool IsKnownTimeZone(std::string_view zone) { return FindZone(zone) != nullptr; }

std::string SystemTimeZone()
{
    try {
        if (const date::time_zone* zone = date::current_zone()) return std::string(zone->name());
    } catch (const std::exception&) {
    }
    return "Etc/UTC";
}

std::vector<std::string> TimeZoneNames()
{
    std::vector<std::string> names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones) names.emplace_back(zone.name());
    } catch (const std::exception&) {
    }
    std::sort(names.begin(), names.end());
    const std::string system = SystemTimeZone();
    std::erase(names, system);
    names.insert(names.begin(), system);
    return names;
}

ZoneOffset ZoneOffsetAt(std::string_view zone, Extended jdUT)
{
    const date::time_zone* z = FindZone(zone);
    if (!z) return {0, "UTC"};
    return OffsetAtSecond(*z, static_cast<std::int64_t>(WholeSecondOf(EpochSecondsOf(jdUT))));
}

std::optional<Extended> UniversalFromLocal(std::string_view zone, Extended jdLocal)
{
    const date::time_zone* z = FindZone(zone);
    if (!z) return jdLocal;
    const Extended local = EpochSecondsOf(jdLocal);
    const Extended whole = WholeSecondOf(local);
    const auto second = static_cast<std::int64_t>(whole);
    // The offsets in force a day either side: a local time lies in one of them, both when the
    // zone repeats it, neither when the zone skips it.
    const std::int32_t before = OffsetAtSecond(*z, second - 86400).Seconds;
    const std::int32_t after = OffsetAtSecond(*z, second + 86400).Seconds;
    std::optional<std::int64_t> earliest;
    if (before == after) {
        earliest = second - before;  // no change within a day: the one offset holds
    } else {
        for (const std::int32_t offset : {before, after}) {
            const std::int64_t ut = second - offset;
            if (OffsetAtSecond(*z, ut).Seconds == offset && (!earliest || ut < *earliest)) earliest = ut;
        }
    }
    if (!earliest) return std::nullopt;
    return JulianDayOfEpochSeconds(static_cast<Extended>(*earliest) + (local - whole));
}

// --- Readings ---

Extended ReadingFromTerrestrial(const TimeScale& scale, Extended jdTT)
{
    if (scale.Kind == TimeScaleKind::Terrestrial) return jdTT;
    const Extended ut = UniversalFromTerrestrial(jdTT);
    if (scale.Kind == TimeScaleKind::Universal) return ut;
    return ut + ZoneOffsetAt(scale.Zone, ut).Seconds / SecondsPerDay;
}

std::optional<Extended> TerrestrialFromReading(const TimeScale& scale, Extended jdReading)
{
    if (scale.Kind == TimeScaleKind::Terrestrial) return jdReading;
    if (scale.Kind == TimeScaleKind::Universal) return TerrestrialFromUniversal(jdReading);
    const std::optional<Extended> ut = UniversalFromLocal(scale.Zone, jdReading);
    if (!ut) return std::nullopt;
    return TerrestrialFromUniversal(*ut);
}

Extended TerrestrialFromReadingOrLater(const TimeScale& scale, Extended jdReading)
{
    if (const std::optional<Extended> tt = TerrestrialFromReading(scale, jdReading)) return *tt;
    // Skipped: the offset of the day before, when the clocks had not yet gone forward.
    const Extended dayBefore = jdReading - 1;
    const Extended ut = jdReading - ZoneOffsetAt(scale.Zone, dayBefore).Seconds / SecondsPerDay;
    return TerrestrialFromUniversal(ut);
}

std::string ScaleAbbreviation(const TimeScale& scale, Extended jdTT)
{
    switch (scale.Kind) {
    case TimeScaleKind::Terrestrial: return "";
    case TimeScaleKind::Universal: return "UT";
    case TimeScaleKind::Local: return ZoneOffsetAt(scale.Zone, UniversalFromTerrestrial(jdTT)).Abbreviation;
    }
    return "";
}

std::int32_t ScaleOffsetSeconds(const TimeScale& scale, Extended jdTT)
{
    if (scale.Kind != TimeScaleKind::Local) return 0;
    return ZoneOffsetAt(scale.Zone, UniversalFromTerrestrial(jdTT)).Seconds;
}

CalendarFields ReadingFieldsOf(const TimeScale& scale, Extended jdTT, SecondRounding rounding)
{
    const Extended reading = ReadingFromTerrestrial(scale, jdTT);
    // TT's instants are the calendar's whole seconds already.
    if (rounding == SecondRounding::Nearest || scale.Kind == TimeScaleKind::Terrestrial) {
        return CalendarFromJulianDay(reading);
    }
    // Within 0.1 ms of a whole second counts as on it: a Julian Day held in 64 bits is good to
    // about 40 microseconds.
    const Extended midnight = std::floor(reading + 0.5L) - 0.5L;
    const Extended second = (reading - midnight) * SecondsPerDay;
    const Extended whole = rounding == SecondRounding::Up ? std::ceil(second - 1e-4L) : std::floor(second + 1e-4L);
    return CalendarFromJulianDay(midnight + whole / SecondsPerDay);
}

}  // namespace vireon
