// The iCalendar writer's own rules: Gregorian UTC dates whatever the program's calendar says
// (RFC 5545 §3.3.5, §3.7.1), line folding at 75 octets that never splits a UTF-8 character
// (§3.1), and TEXT escaping (§3.3.11). The files as a whole are read back by python3-icalendar
// (tests/ephem/check_ics.py).
#include "core/icalendar.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/time_base.h"

namespace vireon {
namespace {

// A folded text's physical lines, without their CRLF.
std::vector<std::string> PhysicalLines(const std::string& folded)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(folded.substr(start, end - start));
    return lines;
}

TEST(CalendarDateTime, GregorianDatesOfTheProgramsJulianOnes)
{
    // The Julian dates, through the program's own Julian Day; the Gregorian ones by the rule that
    // the calendars drift apart by one day at each Julian leap day of a century year not divisible
    // by 400 (checked against Python's proleptic Gregorian datetime where it reaches).
    const struct {
        const char* what;
        double jd;
        const char* want;
    } rows[] = {
        {"the program's first instant, Julian 0001-01-01", JulianDayFromCalendar(1, 1, 1, 0, 0, 0), "00001230T000000Z"},
        {"Gregorian 0001-01-01 (JD 1721425.5)", 1721425.5, "00010101T000000Z"},
        {"Julian 1000-01-01 (JD 2086307.5)", JulianDayFromCalendar(1, 1, 1000, 0, 0, 0), "10000106T000000Z"},
        {"Julian 1500-02-29, a Julian leap day only", JulianDayFromCalendar(29, 2, 1500, 59, 59, 23), "15000310T235959Z"},
        {"the last Julian day, 1582-10-04", JulianDayFromCalendar(4, 10, 1582, 0, 0, 12), "15821014T120000Z"},
        {"the first Gregorian day", JulianDayFromCalendar(15, 10, 1582, 0, 0, 0), "15821015T000000Z"},
        {"J2000.0", 2451545.0, "20000101T120000Z"},
        {"a leap day", JulianDayFromCalendar(29, 2, 2000, 30, 15, 6), "20000229T061530Z"},
        {"the last supported second", JulianDayFromCalendar(31, 12, 9999, 59, 59, 23), "99991231T235959Z"},
    };
    for (const auto& r : rows) EXPECT_EQ(CalendarDateTimeUtc(UnixSecondsOfJulianDay(r.jd)), r.want) << r.what;
    EXPECT_EQ(UnixSecondsOfJulianDay(2440587.5L + 1.4L / 86400), 1) << "to the nearest second";
    EXPECT_EQ(CalendarDateTimeUtc(-1), "19691231T235959Z") << "before the epoch";
}

TEST(CalendarText, EscapesTheSpecialCharactersAndDropsControls)
{
    const struct {
        const char *text, *want;
    } rows[] = {
        {"Io : passage devant Jupiter", "Io : passage devant Jupiter"},
        {"a;b,c\\d", "a\\;b\\,c\\\\d"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"tab\tkept, bell\a and delete\x7f dropped", "tab\tkept\\, bell and delete dropped"},
        {"Ganymède éclipse Europe", "Ganymède éclipse Europe"},
    };
    for (const auto& r : rows) EXPECT_EQ(EscapeCalendarText(r.text), r.want) << r.text;
}

TEST(CalendarLines, FoldAt75OctetsWithoutSplittingACharacter)
{
    const std::string a74(74, 'a'), a75(75, 'a');
    const std::string e = "\xC3\xA9";             // é, 2 octets
    const std::string planet = "\xF0\x9F\xAA\x90";  // a 4-octet character
    const struct {
        const char* what;
        std::string line;
        std::vector<std::size_t> wantLengths;  // octets of each physical line, its space included
    } rows[] = {
        {"75 octets stay one line", a75, {75}},
        {"76 octets", a75 + "b", {75, 2}},
        {"é across the limit goes to the next line", a74 + e, {74, 3}},
        {"é just before the limit stays", std::string(73, 'a') + e + "b", {75, 2}},
        {"a 4-octet character across the limit", std::string(73, 'a') + planet, {73, 5}},
        {"three lines: 75, then 74 octets and the space", std::string(75 + 74 + 10, 'x'), {75, 75, 11}},
        {"a line of é only", [&] { std::string s; for (int i = 0; i < 60; ++i) s += e; return s; }(), {74, 47}},
    };
    for (const auto& r : rows) {
        const std::string folded = FoldContentLine(r.line);
        ASSERT_EQ(folded.substr(folded.size() - 2), "\r\n") << r.what;
        const std::vector<std::string> lines = PhysicalLines(folded);
        std::vector<std::size_t> lengths;
        std::string unfolded;
        for (const std::string& line : lines) {
            lengths.push_back(line.size());
            if (&line != &lines[0]) {
                EXPECT_EQ(line[0], ' ') << r.what;
                EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << r.what << ": a line starts mid-character";
            }
            unfolded += &line == &lines[0] ? line : line.substr(1);
        }
        EXPECT_EQ(lengths, r.wantLengths) << r.what;
        EXPECT_EQ(unfolded, r.line) << r.what;
    }
}

}  // namespace
}  // namespace vireon
