// Delta T and the clocks: the leap seconds of IERS Bulletin C, the Espenak & Meeus expressions
// before 1972, and local times against the C library's own reading of the same zone files
// (glibc parses their rules independently of date/tz, the last rule running on past them too).
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/time_base.h"
#include "core/time_scale.h"

namespace vireon {
namespace {

constexpr Extended Second = 1.0L / 86400;

Extended JD(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return JulianDayFromCalendar(day, month, year, second, minute, hour);
}

// The leap seconds, from IERS Bulletin C: the UTC date from which TAI - UTC takes its new value.
struct LeapSecond {
    int Year, Month;
    int AtomicMinusUtc;
};
constexpr LeapSecond LeapSeconds[] = {
    {1972, 7, 11}, {1973, 1, 12}, {1974, 1, 13}, {1975, 1, 14}, {1976, 1, 15}, {1977, 1, 16}, {1978, 1, 17},
    {1979, 1, 18}, {1980, 1, 19}, {1981, 7, 20}, {1982, 7, 21}, {1983, 7, 22}, {1985, 7, 23}, {1988, 1, 24},
    {1990, 1, 25}, {1991, 1, 26}, {1992, 7, 27}, {1993, 7, 28}, {1994, 7, 29}, {1996, 1, 30}, {1997, 7, 31},
    {1999, 1, 32}, {2006, 1, 33}, {2009, 1, 34}, {2012, 7, 35}, {2015, 7, 36}, {2017, 1, 37},
};

TEST(DeltaT, FollowsEveryLeapSecondFrom1972AndHoldsTheLastOne)
{
    EXPECT_NEAR(DeltaTSeconds(JD(1972, 1, 1)), 32.184L + 10, 1e-9L);
    for (const LeapSecond& leap : LeapSeconds) {
        const Extended at = JD(leap.Year, leap.Month, 1);
        EXPECT_NEAR(DeltaTSeconds(at - Second), 32.184L + leap.AtomicMinusUtc - 1, 1e-9L) << leap.Year << "-" << leap.Month;
        EXPECT_NEAR(DeltaTSeconds(at), 32.184L + leap.AtomicMinusUtc, 1e-9L) << leap.Year << "-" << leap.Month;
    }
    for (const Extended held : {JD(2026, 12, 9), JD(2150, 6, 1), JD(9999, 12, 31, 23, 59, 59)}) {
        EXPECT_NEAR(DeltaTSeconds(held), 69.184L, 1e-9L);
    }
}

// Before 1972 each expression gives its constant at its origin (u = 0): the values printed in
// the canon's expressions. The 1972 join with the leap seconds is within 0.2 s.
TEST(DeltaT, BeforeTheLeapSecondsFollowsEspenakAndMeeus)
{
    const struct {
        int Year;
        Extended Seconds;
    } origins[] = {{1000, 1574.2L}, {1600, 120.0L}, {1700, 8.83L}, {1800, 13.72L}, {1860, 7.62L},
                   {1900, -2.79L},  {1920, 21.20L}, {1950, 29.07L}};
    for (const auto& o : origins) EXPECT_NEAR(DeltaTSeconds(JD(o.Year, 1, 1)), o.Seconds, 0.01L) << o.Year;
    // Year 1 (u = 0.01 of the -500..500 expression) and the far past (the parabola -20 + 32 u^2).
    EXPECT_NEAR(DeltaTSeconds(JD(1, 1, 1)), 10573.4L, 0.1L);
    EXPECT_NEAR(EspenakMeeusDeltaT(-1000), -20 + 32 * 28.2L * 28.2L, 0.01L);
    EXPECT_LT(std::fabs(DeltaTSeconds(JD(1972, 1, 1) - Second) - DeltaTSeconds(JD(1972, 1, 1))), 0.2L);
    // Continuous within a year: the decimal year runs through the year as the days do.
    EXPECT_NEAR(DecimalYear(JD(1700, 7, 2, 12)), 1700.5L, 1e-9L);
    EXPECT_NEAR(DecimalYear(JD(1600, 1, 1) - 0.1L * Second), 1600.0L, 1e-8L);
}

TEST(DeltaT, UniversalAndTerrestrialTimeRoundTrip)
{
    for (const Extended ut : {JD(1, 1, 1), JD(1610, 1, 7, 16, 45), JD(1971, 12, 31, 23, 59, 59), JD(2016, 12, 31, 23, 0),
                              JD(2024, 12, 3, 20, 32, 52), JD(9999, 12, 31, 20)}) {
        const Extended tt = TerrestrialFromUniversal(ut);
        EXPECT_NEAR((tt - ut) / Second, DeltaTSeconds(ut), 1e-6L);
        EXPECT_NEAR((UniversalFromTerrestrial(tt) - ut) / Second, 0, 1e-5L);
    }
    // The inserted second 2016-12-31T23:59:60 UTC (TT 2017-01-01T00:01:08.184 to 00:01:09.184)
    // reads as the next day's first second.
    const Extended leap = JD(2017, 1, 1);
    const Extended inside = leap + (68.184L + 0.5L) * Second;
    EXPECT_NEAR((UniversalFromTerrestrial(inside) - leap) / Second, 0.5L, 1e-5L);
}

// --- Zones ---

// The C library's reading of its zone at a UT second: offset and abbreviation.
struct LibcReading {
    long Offset;
    std::string Abbreviation;
};

// Sets the C library's zone, and puts the earlier one back.
struct LibcZone {
    explicit LibcZone(const char* zone) : saved(std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt)
    {
        setenv("TZ", (std::string(":") + zone).c_str(), 1);
        tzset();
    }
    ~LibcZone()
    {
        saved ? setenv("TZ", saved->c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    std::optional<std::string> saved;
};

LibcReading LibcAt(std::int64_t utSecond)
{
    const std::time_t t = static_cast<std::time_t>(utSecond);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_gmtoff, local.tm_zone ? local.tm_zone : ""};
}

Extended JulianDayOfUnixSecond(std::int64_t s) { return 2440587.5L + static_cast<Extended>(s) / 86400; }

std::int64_t UnixSecondOf(int year, int month, int day)
{
    return static_cast<std::int64_t>(std::llround((JD(year, month, day) - 2440587.5L) * 86400));
}

// Every quarter of an hour of a year (and each second around every change), the offset and the
// abbreviation are the C library's; every local time maps back to its UT instant, except the
// repeated ones (the first occurrence) and the skipped ones (none).
TEST(TimeZones, OffsetsAndLocalTimesAreTheDatabasesAroundEveryChange)
{
    int changes = 0;
    for (const char* zone : {"Europe/Paris", "America/New_York", "Australia/Sydney", "Asia/Kolkata"}) {
        ASSERT_TRUE(IsKnownTimeZone(zone)) << zone;
        const LibcZone libc(zone);
        // 2150 lies beyond the files' explicit transitions: the zone's last rule goes on.
        for (const int year : {1950, 2024, 2030, 2150}) {
            const std::int64_t first = UnixSecondOf(year, 1, 1), last = UnixSecondOf(year + 1, 1, 1);
            long previous = LibcAt(first).Offset;
            for (std::int64_t s = first; s < last; s += 900) {
                const LibcReading want = LibcAt(s);
                const ZoneOffset got = ZoneOffsetAt(zone, JulianDayOfUnixSecond(s));
                ASSERT_EQ(got.Seconds, want.Offset) << zone << " " << year << " second " << s;
                ASSERT_EQ(got.Abbreviation, want.Abbreviation) << zone << " " << year << " second " << s;
                if (want.Offset == previous) continue;
                ++changes;
                previous = want.Offset;
                // The change lies within the last quarter of an hour: at every second around it the
                // local time maps back, the skipped hour has no instant, the repeated one its first.
                const long before = LibcAt(s - 3 * 3600).Offset, after = want.Offset;
                for (std::int64_t t = s - 3 * 3600; t <= s + 3 * 3600; t += 1) {
                    const long offset = LibcAt(t).Offset;
                    ASSERT_EQ(ZoneOffsetAt(zone, JulianDayOfUnixSecond(t)).Seconds, offset) << zone << " " << t;
                    // The earliest UT second whose local time is this one, by the C library.
                    const std::int64_t local = t + offset;
                    std::int64_t earliest = t;
                    for (const long o : {before, after}) {
                        if (LibcAt(local - o).Offset == o) earliest = std::min(earliest, local - o);
                    }
                    const std::optional<Extended> back = UniversalFromLocal(zone, JulianDayOfUnixSecond(local));
                    ASSERT_TRUE(back.has_value()) << zone << " " << t;
                    ASSERT_NEAR((*back - JulianDayOfUnixSecond(earliest)) * 86400, 0, 1e-3L) << zone << " " << t;
                }
            }
        }
    }
    // Paris, New York and Sydney change twice a year in 2024, 2030 and 2150, New York twice in
    // 1950; Paris and Sydney kept one time in 1950, Kolkata keeps one throughout.
    EXPECT_EQ(changes, 3 * 2 * 3 + 2);
}

TEST(TimeZones, SkippedTimesHaveNoInstantAndRepeatedOnesTheirFirst)
{
    // Paris, 31 March 2024: 02:00 to 03:00 CET does not exist; 27 October: 02:00 to 03:00 twice.
    EXPECT_FALSE(UniversalFromLocal("Europe/Paris", JD(2024, 3, 31, 2, 30)).has_value());
    EXPECT_NEAR((*UniversalFromLocal("Europe/Paris", JD(2024, 10, 27, 2, 30)) - JD(2024, 10, 27, 0, 30)) / Second, 0, 1e-3L);
    const TimeScale paris{TimeScaleKind::Local, "Europe/Paris"};
    EXPECT_FALSE(TerrestrialFromReading(paris, JD(2024, 3, 31, 2, 30)).has_value());
    const Extended later = TerrestrialFromReadingOrLater(paris, JD(2024, 3, 31, 2, 30));
    EXPECT_EQ(ReadingFieldsOf(paris, later), CalendarFromJulianDay(JD(2024, 3, 31, 3, 30)));
    EXPECT_EQ(ScaleAbbreviation(paris, later), "CEST");
}

// Before its history begins a zone keeps local mean time: Paris, 7 January 1610, +0:09:21.
TEST(TimeZones, ReadingsOnEachScale)
{
    const Extended tt = JD(1610, 1, 7, 16, 45);
    const Extended deltaT = DeltaTSeconds(UniversalFromTerrestrial(tt));
    EXPECT_GT(deltaT, 100);
    EXPECT_LT(deltaT, 130);
    const TimeScale tts{}, ut{TimeScaleKind::Universal, ""}, paris{TimeScaleKind::Local, "Europe/Paris"};
    EXPECT_EQ(ReadingFromTerrestrial(tts, tt), tt);
    EXPECT_NEAR((ReadingFromTerrestrial(ut, tt) - tt) / Second, -deltaT, 1e-5L);
    EXPECT_NEAR((ReadingFromTerrestrial(paris, tt) - tt) / Second, 561 - deltaT, 1e-5L);
    EXPECT_EQ(ScaleAbbreviation(paris, tt), "LMT");
    EXPECT_EQ(ScaleOffsetSeconds(paris, tt), 561);
    EXPECT_EQ(ScaleAbbreviation(ut, tt), "UT");
    EXPECT_EQ(ScaleAbbreviation(tts, tt), "");
    for (const TimeScale& scale : {tts, ut, paris}) {
        EXPECT_NEAR((*TerrestrialFromReading(scale, ReadingFromTerrestrial(scale, tt)) - tt) / Second, 0, 1e-4L);
    }

    // Whole seconds: TT reads its own fields whatever the rounding; a start is listed at the first
    // whole second of the scale after the instant, an end at the last one before it.
    const CalendarFields fields = MakeCalendarFields(3, 12, 2024, 20, 32, 52);
    for (const SecondRounding r : {SecondRounding::Nearest, SecondRounding::Up, SecondRounding::Down}) {
        EXPECT_EQ(ReadingFieldsOf(tts, JulianDayFromCalendar(fields), r), fields);
    }
    const Extended instant = JulianDayFromCalendar(fields);  // 69.184 s ahead of UT
    EXPECT_EQ(ReadingFieldsOf(ut, instant, SecondRounding::Up), MakeCalendarFields(3, 12, 2024, 20, 31, 43));
    EXPECT_EQ(ReadingFieldsOf(ut, instant, SecondRounding::Down), MakeCalendarFields(3, 12, 2024, 20, 31, 42));
}

TEST(TimeZones, TheSystemsZoneComesFirstAndUnknownOnesAreRefused)
{
    const std::vector<std::string> names = TimeZoneNames();
    ASSERT_GT(names.size(), 300u);
    EXPECT_EQ(names.front(), SystemTimeZone());
    EXPECT_TRUE(IsKnownTimeZone(SystemTimeZone()));
    for (const char* bad : {"", "Europe/Atlantis", "../../etc/passwd", "UTC+1"}) EXPECT_FALSE(IsKnownTimeZone(bad)) << bad;
}

// The committed table reproduces byte for byte from data/.
TEST(DeltaT, TableRegeneratesFromTheData)
{
    namespace fs = std::filesystem;
    const fs::path out = fs::temp_directory_path() / ("vireon_delta_t_" + std::to_string(::getpid()));
    fs::create_directories(out);
    const std::string command = "\"" + (fs::path(VIREON_BINARY_DIR) / "generate_delta_t_table").string() + "\" \"" +
                                VIREON_SOURCE_DIR + "/data\" \"" + out.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto read = [](const fs::path& path) {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    };
    EXPECT_EQ(read(out / "delta_t_espenak_meeus.cpp"), read(fs::path(VIREON_SOURCE_DIR) / "core/delta_t_espenak_meeus.cpp"));
    fs::remove_all(out);
}

}  // namespace
}  // namespace vireon
