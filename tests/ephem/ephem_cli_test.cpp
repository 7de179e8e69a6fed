// vireon-ephem: its argument parsing (every error path gives one line and no request), the
// stepping of instants through the calendar, rows that carry exactly what the theory wrote, and
// the Red Spot's transits read through the cm_ii_deg column.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "ephem/ephem_cli.h"
#include "ephemeris/planet_rotation.h"
#include "satellites/planet_descriptor.h"
#include "satellites/theory.h"

namespace vireon::ephem {
namespace {

using Args = std::vector<std::string>;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.push_back("");
    return parts;
}

TEST(ParseArguments, AcceptsEveryOptionAndDefaults)
{
    const ParseResult plain = ParseArguments({"--planet", "jupiter", "--date", "1610-01-07T16:45:00"});
    ASSERT_TRUE(plain.Request) << plain.Error;
    EXPECT_EQ(plain.Request->Planet, Jupiter);
    EXPECT_EQ(plain.Request->Start, (CalendarFields{7, 1, 1610, 16, 45, 0, 0}));
    EXPECT_EQ(plain.Request->Count, 1);
    EXPECT_EQ(plain.Request->StepSeconds, 0);
    EXPECT_EQ(plain.Request->ViewMode, ViewMode::Equatorial);
    EXPECT_EQ(plain.Request->Orientation, Orientation::North);
    EXPECT_EQ(plain.Request->Format, OutputFormat::Csv);

    const ParseResult full = ParseArguments({"--format=json", "--orientation", "b", "--view", "P", "--count", "100000",
                                             "--step", "-90min", "--date", "9999-12-31T23:59:59", "--planet", "Jupiter"});
    ASSERT_TRUE(full.Request) << full.Error;
    EXPECT_EQ(full.Request->StepSeconds, -5400);
    EXPECT_EQ(full.Request->Count, 100000);
    EXPECT_EQ(full.Request->ViewMode, ViewMode::Polar);
    EXPECT_EQ(full.Request->Orientation, Orientation::PlanetNorth);
    EXPECT_EQ(full.Request->Format, OutputFormat::Json);

    // Steps in every unit, and a day the Gregorian reform skipped, which the program's calendar
    // takes in the Julian calendar.
    const struct {
        const char* step;
        std::int64_t seconds;
    } steps[] = {{"1s", 1}, {"+15min", 900}, {"6h", 21600}, {"-2d", -172800}, {"1000000000s", 1000000000}, {"0000000000001s", 1}};
    for (const auto& s : steps) {
        const ParseResult r =
            ParseArguments({"--planet", "jupiter", "--date", "1582-10-10T00:00:00", "--step", s.step, "--count", "2"});
        ASSERT_TRUE(r.Request) << s.step << ": " << r.Error;
        EXPECT_EQ(r.Request->StepSeconds, s.seconds) << s.step;
    }
}

TEST(ParseArguments, RefusesBadArgumentsWithOneLine)
{
    const Args base = {"--planet", "jupiter", "--date", "2004-02-29T12:00:00"};
    auto with = [&](std::initializer_list<std::string> extra) {
        Args a = base;
        a.insert(a.end(), extra);
        return a;
    };
    const struct {
        Args args;
        const char* mentions;
    } rows[] = {
        {{"--planet", "vulcan", "--date", "2004-02-29T12:00:00"}, "unknown planet 'vulcan'"},
        {{"--planet", "", "--date", "2004-02-29T12:00:00"}, "unknown planet ''"},
        {with({"--colour", "red"}), "unexpected arguments '--colour' 'red' (see --help)"},
        {with({"-x"}), "unexpected argument '-x'"},
        {with({"--"}), "unexpected argument '--'"},
        {with({std::string("\x1b[1m"), "a", "b", "c"}), "unexpected arguments '?[1m' 'a' 'b' ..."},
        {{"--Planet", "jupiter", "--date", "2004-02-29T12:00:00"}, "unexpected arguments '--Planet' 'jupiter'"},
        {with({"jupiter"}), "unexpected argument 'jupiter'"},
        {{"--planet", "jupiter", "--date", "2004-2-29T12:00:00"}, "malformed date"},
        {{"--planet", "jupiter", "--date", "2004-02-29 12:00:00"}, "malformed date"},
        {{"--planet", "jupiter", "--date", "2004-02-29T12:00:00Z"}, "malformed date"},
        {{"--planet", "jupiter", "--date", "2004-02-29T12:00"}, "malformed date"},
        {{"--planet", "jupiter", "--date", "+004-02-29T12:00:00"}, "malformed date"},
        {{"--planet", "jupiter", "--date", "2003-02-29T12:00:00"}, "no such date"},
        {{"--planet", "jupiter", "--date", "2004-13-01T12:00:00"}, "no such date"},
        {{"--planet", "jupiter", "--date", "2004-00-10T12:00:00"}, "no such date"},
        {{"--planet", "jupiter", "--date", "2004-02-29T24:00:00"}, "no such time"},
        {{"--planet", "jupiter", "--date", "2004-02-29T12:60:00"}, "no such time"},
        {{"--planet", "jupiter", "--date", "0000-12-31T23:59:59"}, "out of the supported range"},
        {with({"--step", "1"}), "malformed step '1'"},
        {with({"--step", "d"}), "malformed step"},
        {with({"--step", "1.5h"}), "malformed step"},
        {with({"--step", "1 d"}), "malformed step"},
        {with({"--step", "2y"}), "malformed step"},
        {with({"--step", "0min"}), "must not be zero"},
        {with({"--step", "1000000001s"}), "too large"},
        {with({"--step", "99999999999999999999999d"}), "too large"},
        {with({"--count", "0"}), "count '0'"},
        {with({"--count", "100001"}), "count '100001'"},
        {with({"--count", "-3"}), "count '-3'"},
        {with({"--count", "ten"}), "count 'ten'"},
        {with({"--count", "3"}), "--count above 1 needs --step"},
        {with({"--view", "G"}), "view 'G'"},
        {with({"--view", "EP"}), "view 'EP'"},
        {with({"--orientation", "X"}), "orientation 'X'"},
        {with({"--format", "xml"}), "format 'xml'"},
        {with({"--count"}), "--count: 1 required N missing"},
        {{"--planet", "--date", "2004-02-29T12:00:00"}, "unknown planet '--date'"},
        {with({"--planet", "mars"}), "--planet: At Most 1 required but received 2"},
        {{"--date", "2004-02-29T12:00:00"}, "--planet is required"},
        {{"--planet", "jupiter"}, "--date is required"},
        {{}, "--planet is required"},
        {{"--planet", "jupiter", "--date", "9999-12-31T00:00:00", "--step", "1d", "--count", "2"}, "instant 2"},
        {{"--planet", "jupiter", "--date", "0001-01-01T00:00:00", "--step", "-1s", "--count", "2"}, "instant 2"},
        {with({"--view", std::string("E\nP")}), "view 'E?P'"},
        {with({"--days", "3"}), "--days goes with --events"},
        {with({"--events"}), "--events needs --days"},
        {with({"--events", "--days", "3661"}), "days '3661'"},
        {with({"--events", "--days", "2", "--step", "1h"}), "--step does not go with --events"},
        {with({"--events", "--days", "2", "--view", "E"}), "--view does not go with --events"},
        {with({"--events=1", "--days", "2"}), "disallowed flag override"},
        {{"--events", "--days", "2", "--planet", "mars", "--date", "2004-02-29T12:00:00"}, "no phenomena for mars"},
        {{"--events", "--days", "2", "--planet", "uranus", "--date", "2004-02-29T12:00:00"}, "no phenomena for uranus"},
        {{"--events", "--days", "2", "--planet", "saturn", "--date", "9999-12-31T00:00:00"}, "leave the supported range"},
        {{"--events", "--days", "1", "--planet", "saturn", "--date", "9999-12-31T00:00:01"}, "leave the supported range"},
        {with({"--grs-longitude", "30"}), "--grs-longitude goes with --events"},
        {with({"--mutual"}), "--mutual needs --days"},
        {with({"--mutual", "--events", "--days", "2"}), "--events and --mutual do not go together"},
        {with({"--mutual", "--days", "2", "--step", "1h"}), "--step does not go with --mutual"},
        {with({"--mutual", "--days", "2", "--orientation", "N"}), "--orientation does not go with --mutual"},
        {with({"--mutual", "--days", "2", "--grs-longitude", "30"}), "--grs-longitude goes with --events"},
        {with({"--mutual", "--days", "0"}), "days '0'"},
        {with({"--mutual=1", "--days", "2"}), "disallowed flag override"},
        {{"--mutual", "--days", "2", "--planet", "neptune", "--date", "2004-02-29T12:00:00"}, "no mutual events for neptune"},
        {{"--mutual", "--days", "1", "--planet", "jupiter", "--date", "9999-12-31T00:00:01"}, "leave the supported range"},
        {with({"--events", "--days", "2", "--grs-longitude", "360.5"}), "longitude '360.5' must be a number from 0 to 360"},
        {with({"--events", "--days", "2", "--grs-longitude", "1e2"}), "longitude '1e2'"},
        {{"--events", "--days", "2", "--planet", "saturn", "--date", "2004-02-29T12:00:00", "--grs-longitude", "30"},
         "--grs-longitude is for jupiter"},
    };
    for (const auto& row : rows) {
        const ParseResult r = ParseArguments(row.args);
        std::string shown;
        for (const std::string& a : row.args) shown += a + ' ';
        EXPECT_FALSE(r.Request) << shown;
        EXPECT_FALSE(r.Help) << shown;
        EXPECT_NE(r.Error.find(row.mentions), std::string::npos) << shown << "-> " << r.Error;
        EXPECT_EQ(r.Error.find('\n'), std::string::npos) << shown;
    }
}

TEST(ParseArguments, PlanetsWithoutATheoryAreRefusedByName)
{
    const char* names[] = {"mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};
    for (PlanetId p = FirstPlanet; p <= LastPlanet; ++p) {
        const ParseResult r = ParseArguments({"--planet", names[p - FirstPlanet], "--date", "2000-01-01T12:00:00"});
        if (Planet(p).Theory != nullptr) {
            EXPECT_TRUE(r.Request) << names[p - FirstPlanet] << ": " << r.Error;
        } else {
            EXPECT_EQ(r.Error, std::string("no satellite theory for ") + names[p - FirstPlanet] + " in this version");
        }
    }
}

TEST(ParseArguments, HelpWinsAndDocumentsEveryOptionAndColumn)
{
    EXPECT_TRUE(ParseArguments({"--help"}).Help);
    EXPECT_TRUE(ParseArguments({"--planet", "vulcan", "-h"}).Help);
    EXPECT_TRUE(ParseArguments({"--planet", "--help"}).Help) << "even where a value is expected";
    const std::string help(HelpText());
    for (const char* option : {"--planet", "--date", "--step", "--count", "--view", "--orientation", "--format"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    for (const std::string& column : Split(CsvHeader(), ',')) {
        EXPECT_NE(help.find(column), std::string::npos) << column;
    }
    for (const std::string& column : Split(MutualCsvHeader(), ',')) {
        EXPECT_NE(help.find(column), std::string::npos) << column;
    }
    for (const char* text : {"--events", "--mutual", "--days", "transit_start", "transit_end", "shadow_start",
                             "shadow_end", "occultation_start", "occultation_end", "eclipse_start", "eclipse_end",
                             "visible"}) {
        EXPECT_NE(help.find(text), std::string::npos) << text;
    }
}

TEST(ParseArguments, RandomInputsNeverEscapeTheThreeOutcomes)
{
    // Tokens that come close to valid input, mixed with noise.
    const std::vector<std::string> pool = {
        "--planet", "--date", "--step", "--count", "--view", "--orientation", "--format", "--help=1", "jupiter",
        "mars", "pluto", "2004-02-29T12:00:00", "1582-10-05T00:00:00", "9999-12-31T23:59:59", "0001-01-01T00:00:00",
        "1d", "-1d", "90min", "1000000000d", "2", "100000", "0", "E", "P", "N", "S", "A", "B", "csv", "json", "",
        "=", "--", "-", "--date=", "--planet=jupiter", "--count=99999", "--mutual", "--events", "--days",
        std::string("\xc3\xa8\x01\x7f", 4)};
    std::mt19937 random(20240229);
    for (int trial = 0; trial < 3000; ++trial) {
        Args args(random() % 12);
        for (std::string& a : args) {
            a = pool[random() % pool.size()];
            if (random() % 8 == 0 && !a.empty()) a[random() % a.size()] = static_cast<char>(random() % 256);
        }
        const ParseResult r = ParseArguments(args);
        const int outcomes = int(r.Help) + int(r.Request.has_value()) + int(!r.Error.empty());
        ASSERT_EQ(outcomes, 1) << "trial " << trial;
        for (char c : r.Error) ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "trial " << trial << ": " << r.Error;
        if (r.Request) {
            const CalendarFields last = InstantOf(*r.Request, r.Request->Count - 1);
            ASSERT_TRUE(IsWithinSupportedRange(JulianDayFromCalendar(last))) << "trial " << trial;
        }
    }
}

TEST(InstantOf, StepsThroughTheProgramsCalendar)
{
    const struct {
        const char* what;
        CalendarFields start;
        std::int64_t step;
        int i;
        CalendarFields want;
    } rows[] = {
        {"the reform: 4 October 1582 is followed by 15 October", {4, 10, 1582, 12, 0, 0, 0}, 86400, 1,
         {15, 10, 1582, 12, 0, 0, 0}},
        {"Julian leap day of 1500", {28, 2, 1500, 23, 0, 0, 0}, 3600, 1, {29, 2, 1500, 0, 0, 0, 0}},
        {"no Gregorian leap day in 1900", {28, 2, 1900, 0, 0, 0, 0}, 86400, 1, {1, 3, 1900, 0, 0, 0, 0}},
        {"backward over a year end", {1, 1, 2000, 0, 0, 30, 0}, -45, 2, {31, 12, 1999, 23, 59, 0, 0}},
        {"many steps", {7, 1, 1610, 16, 45, 0, 0}, 600, 144, {8, 1, 1610, 16, 45, 0, 0}},
        {"last second of the range", {31, 12, 9999, 23, 59, 58, 0}, 1, 1, {31, 12, 9999, 23, 59, 59, 0}},
    };
    for (const auto& row : rows) {
        EphemRequest r;
        r.Start = row.start;
        r.StepSeconds = row.step;
        const CalendarFields got = InstantOf(r, row.i);
        EXPECT_EQ(got, row.want) << row.what << ": got " << FormatInstant(got);
    }
    EXPECT_EQ(FormatInstant({7, 1, 1610, 16, 45, 0, 0}), "1610-01-07T16:45:00");
    EXPECT_EQ(FormatInstant({1, 1, 1, 0, 0, 0, 0}), "0001-01-01T00:00:00");
    EXPECT_EQ(FormatInstant({31, 12, 9999, 23, 59, 59, 0}), "9999-12-31T23:59:59");
}

double ParseNumber(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

TEST(RunEphemeris, CsvRowsCarryTheRecordAtFullPrecision)
{
    EphemRequest request;
    request.Start = {29, 2, 2004, 12, 0, 0, 0};
    std::ostringstream out;
    RunEphemeris(request, out);
    const std::vector<std::string> lines = Split(out.str(), '\n');
    ASSERT_EQ(lines.size(), 6u);  // header, 4 satellites, the empty text after the last line end
    EXPECT_EQ(lines[0],
              "instant,jd,planet,planet_ra_h,planet_dec_deg,planet_distance_km,planet_diameter_eq_arcsec,"
              "planet_diameter_pol_arcsec,planet_pole_pa_rad,phase_angle_rad,ring_major_arcsec,ring_minor_arcsec,"
              "ring_side,index,name,SatOffsetX,SatOffsetY,SatDistance,SatApparentDiameter,SatMagnitude,SatFarSide,"
              "SatShadowX,SatShadowY,SatPolarX,SatPolarY,cm_deg,cm_i_deg,cm_ii_deg,sub_earth_lat_deg");

    // The same computation the driver runs.
    TheoryInput in;
    in.JD = JulianDayFromCalendar(request.Start);
    in.Year = 2004;
    PlanetPlaces places;
    SatelliteRecord record;
    RunSatelliteTheory(Jupiter, in, places, record);
    const char* names[] = {"", "Io", "Europe", "Ganymède", "Callisto"};
    for (int k = 1; k <= 4; ++k) {
        const std::vector<std::string> f = Split(lines[k], ',');
        ASSERT_EQ(f.size(), 29u) << lines[k];
        EXPECT_EQ(f[0], "2004-02-29T12:00:00");
        EXPECT_EQ(ParseNumber(f[1]), static_cast<double>(in.JD));
        EXPECT_EQ(f[2], "jupiter");
        EXPECT_EQ(ParseNumber(f[3]), static_cast<double>(places.Planet[Jupiter].RA));
        EXPECT_EQ(ParseNumber(f[5]), static_cast<double>(places.Planet[Jupiter].Distance));
        EXPECT_EQ(ParseNumber(f[6]), static_cast<double>(record.PlanetApparentDiameter[1]));
        EXPECT_EQ(ParseNumber(f[8]), static_cast<double>(record.PlanetPolePA));
        EXPECT_EQ(ParseNumber(f[9]), static_cast<double>(record.PhaseAngleSigned));
        EXPECT_EQ(f[10] + f[11] + f[12], "") << "no rings for Jupiter";
        EXPECT_EQ(f[13], std::to_string(k));
        EXPECT_EQ(f[14], names[k]);
        const Extended values[] = {record.SatOffsetX[k], record.SatOffsetY[k], record.SatDistance[k],
                                   record.SatApparentDiameter[k], record.SatMagnitude[k]};
        for (int c = 0; c < 5; ++c) EXPECT_EQ(ParseNumber(f[15 + c]), static_cast<double>(values[c])) << c;
        EXPECT_EQ(f[20], std::string(1, record.SatFarSide[k]));
        EXPECT_EQ(ParseNumber(f[21]), static_cast<double>(record.SatShadowX[k]));
        EXPECT_EQ(ParseNumber(f[22]), static_cast<double>(record.SatShadowY[k]));
        EXPECT_EQ(ParseNumber(f[23]), static_cast<double>(record.SatPolarX[k]));
        EXPECT_EQ(ParseNumber(f[24]), static_cast<double>(record.SatPolarY[k]));
        const std::optional<Extended> meridians[] = {record.Meridians.Main, record.Meridians.SystemI,
                                                     record.Meridians.SystemII, record.Meridians.SubEarthLatitude};
        for (int c = 0; c < 4; ++c) EXPECT_EQ(ParseNumber(f[25 + c]), static_cast<double>(*meridians[c])) << c;
    }
}

TEST(RunEphemeris, JsonLinesAndNullsOfValuesNotComputed)
{
    EphemRequest request;
    request.Start = {7, 1, 1610, 16, 45, 0, 0};
    request.StepSeconds = 3600;
    request.Count = 2;
    request.ViewMode = ViewMode::Polar;
    request.Orientation = Orientation::South;
    request.Format = OutputFormat::Json;
    std::ostringstream out;
    RunEphemeris(request, out);
    const std::vector<std::string> lines = Split(out.str(), '\n');
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].rfind("{\"instant\":\"1610-01-07T16:45:00\",\"jd\":2309107.1979166665,\"planet\":\"jupiter\",", 0),
              0u)
        << lines[0];
    EXPECT_NE(lines[4].find("\"instant\":\"1610-01-07T17:45:00\""), std::string::npos) << lines[4];
    EXPECT_NE(lines[2].find("\"name\":\"Ganymède\""), std::string::npos) << lines[2];
    for (int i = 0; i < 8; ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.front(), '{');
        EXPECT_EQ(line.back(), '}');
        EXPECT_NE(line.find("\"ring_major_arcsec\":null,\"ring_minor_arcsec\":null,\"ring_side\":null"),
                  std::string::npos);
        // The polar view with south up does not recompute Jupiter's polar pair.
        EXPECT_NE(line.find("\"SatPolarX\":null,\"SatPolarY\":null,"), std::string::npos) << line;
        EXPECT_EQ(line.find("\"SatShadowX\":null"), std::string::npos) << "Jupiter's shadows are computed";
    }
}

// The central meridian columns each planet has; the others are empty.
TEST(RunEphemeris, MeridianColumnsOfEachPlanet)
{
    // cm_deg, cm_i_deg, cm_ii_deg, sub_earth_lat_deg: 1 given, 0 empty.
    const std::pair<PlanetId, const char*> rows[] = {{Mars, "1001"},   {Jupiter, "1111"}, {Saturn, "1001"},
                                                     {Uranus, "0000"}, {Neptune, "0000"}, {Pluto, "0000"}};
    for (const auto& [planet, wanted] : rows) {
        EphemRequest request;
        request.Planet = planet;
        std::ostringstream out;
        RunEphemeris(request, out);
        const std::vector<std::string> f = Split(Split(out.str(), '\n')[1], ',');
        ASSERT_EQ(f.size(), 29u);
        for (int c = 0; c < 4; ++c) EXPECT_EQ(f[25 + c].empty(), wanted[c] == '0') << PlanetName(planet) << " " << c;
    }
}

// At each Red Spot transit, cm_ii_deg is the spot's longitude: within 0.01 deg, as one second
// turns System II by 0.0101 deg. Transits follow one another at System II's period seen from the
// Earth, 35740.6 s within 16 s (Jupiter's geocentric motion and changing light time alter it by
// under 4e-4, and each end is rounded to the second), so none is missed.
TEST(RedSpotTransits, CmIIIsTheSpotsLongitudeAtEach)
{
    const struct Row {
        CalendarFields first;
        double longitudeII;
    } rows[] = {{{29, 2, 2004, 0, 0, 0, 0}, 93.5}, {{15, 7, 1990, 6, 0, 0, 0}, 359.99}, {{20, 12, 2100, 12, 0, 0, 0}, 0}};
    const double period = 86400 * 360 / 870.27;
    for (const Row& r : rows) {
        const Extended first = JulianDayFromCalendar(r.first);
        const std::vector<Extended> transits = RedSpotTransits(first, first + 2, r.longitudeII);
        Extended previous = first;
        for (const Extended t : transits) {
            EphemRequest request;
            request.Start = CalendarFromJulianDay(t);
            EXPECT_EQ(JulianDayFromCalendar(request.Start), t) << "a whole second";
            PlanetPlaces places;
            SatelliteRecord record;
            RunSatelliteTheory(Jupiter, {t, 2000, ViewMode::Equatorial, Orientation::North}, places, record);
            const double got = *MakeRow(request, request.Start, 0, 1, places, record).CentralMeridianIIDeg;
            EXPECT_NEAR(std::remainder(got - r.longitudeII, 360.0), 0, 0.01) << FormatInstant(request.Start);
            const double gap = double(t - previous) * 86400;
            EXPECT_TRUE(gap < period + 16 && (previous == first || gap > period - 16)) << FormatInstant(request.Start);
            previous = t;
        }
        EXPECT_LT(double(first + 2 - previous) * 86400, period + 16);
    }
}

// The rows of the reference span as vireon-ephem writes them: the search's rows with the Red
// Spot's transits (index 0, "Tache rouge", grs_transit), the Julian Day at full precision, the
// instant as the program's calendar writes it.
TEST(RunEphemeris, EventsAsCsvAndJsonLines)
{
    const ParseResult parsed =
        ParseArguments({"--planet", "Jupiter", "--days=2", "--date", "2024-12-03T00:00:00", "--events",
                        "--grs-longitude", "60"});
    ASSERT_TRUE(parsed.Request) << parsed.Error;
    EphemRequest request = *parsed.Request;
    const Extended first = JulianDayFromCalendar(request.Start), last = JulianDayFromCalendar(LastEventInstant(request));
    const std::vector<Phenomenon> rows = WithRedSpotTransits(FindPhenomena(Jupiter, first, last), first, last, 60);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const Phenomenon& r) { return r.Satellite == 0; }), 5);
    std::ostringstream csv, json;
    RunEphemeris(request, csv);
    request.Format = OutputFormat::Json;
    RunEphemeris(request, json);
    const std::vector<std::string> lines = Split(csv.str(), '\n'), objects = Split(json.str(), '\n');
    ASSERT_EQ(lines.size(), rows.size() + 2);  // the header, and the empty text after the last line end
    ASSERT_EQ(objects.size(), rows.size() + 1);
    EXPECT_EQ(lines[0], "instant,jd,planet,index,name,event,visible");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> f = Split(lines[i + 1], ',');
        ASSERT_EQ(f.size(), 7u) << lines[i + 1];
        EXPECT_EQ(f[0], FormatInstant(CalendarFromJulianDay(rows[i].JD)));
        EXPECT_EQ(ParseNumber(f[1]), static_cast<double>(rows[i].JD));
        EXPECT_EQ(f[2] + f[3] + f[4] + f[5] + f[6], "jupiter" + std::to_string(rows[i].Satellite) +
                                                        BodyName(Jupiter, rows[i]) +
                                                        EventName(rows[i].Kind) + (rows[i].Visible ? "1" : "0"));
        EXPECT_EQ(objects[i], "{\"instant\":\"" + f[0] + "\",\"jd\":" + f[1] + ",\"planet\":\"jupiter\",\"index\":" +
                                  f[3] + ",\"name\":\"" + f[4] + "\",\"event\":\"" + f[5] + "\",\"visible\":" + f[6] + "}");
    }
}

TEST(RunEphemeris, MutualEventsAsCsvAndJsonLines)
{
    const ParseResult parsed =
        ParseArguments({"--mutual", "--planet", "jupiter", "--date", "2026-09-01T00:00:00", "--days", "2"});
    ASSERT_TRUE(parsed.Request) << parsed.Error;
    EphemRequest request = *parsed.Request;
    const std::vector<MutualEvent> rows = FindMutualEvents(Jupiter, JulianDayFromCalendar(request.Start),
                                                           JulianDayFromCalendar(LastEventInstant(request)));
    ASSERT_EQ(rows.size(), 2u);  // Io eclipses Europe, then occults it
    std::ostringstream csv, json;
    RunEphemeris(request, csv);
    request.Format = OutputFormat::Json;
    RunEphemeris(request, json);
    const std::vector<std::string> lines = Split(csv.str(), '\n'), objects = Split(json.str(), '\n');
    ASSERT_EQ(lines.size(), rows.size() + 2);
    ASSERT_EQ(objects.size(), rows.size() + 1);
    EXPECT_EQ(lines[0], "start,maximum,end,umbral_start,umbral_end,planet,event,active_index,active_name,"
                        "passive_index,passive_name,impact,magnitude,flux_drop,visible");
    const auto instant = [](Extended jd) { return FormatInstant(CalendarFromJulianDay(jd)); };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MutualEvent& e = rows[i];
        const std::vector<std::string> f = Split(lines[i + 1], ',');
        ASSERT_EQ(f.size(), 15u) << lines[i + 1];
        EXPECT_EQ(f[0] + f[1] + f[2] + f[3] + f[4] + f[5] + f[6] + f[7] + f[8] + f[9] + f[10] + f[14],
                  instant(e.StartJD) + instant(e.MaximumJD) + instant(e.EndJD) +
                      (e.UmbralStartJD ? instant(*e.UmbralStartJD) + instant(*e.UmbralEndJD) : "") + "jupiter" +
                      MutualKindName(e.Kind) + std::to_string(e.Active) + SatelliteName(Jupiter, e.Active) +
                      std::to_string(e.Passive) + SatelliteName(Jupiter, e.Passive) + (e.Visible ? "1" : "0"));
        EXPECT_EQ(ParseNumber(f[11]), static_cast<double>(e.Impact));
        EXPECT_EQ(ParseNumber(f[12]), static_cast<double>(e.Magnitude));
        EXPECT_EQ(ParseNumber(f[13]), static_cast<double>(e.FluxDrop));
    }
    // The JSON keys are the header's columns; the occultation's absent umbral contacts are null.
    ASSERT_TRUE(rows[0].UmbralStartJD && !rows[1].UmbralStartJD);
    const std::vector<std::string> second = Split(lines[2], ',');
    EXPECT_EQ(objects[1].rfind("{\"start\":\"" + second[0] + "\",\"maximum\":\"" + second[1] + "\",\"end\":\"" + second[2] +
                                   "\",\"umbral_start\":null,\"umbral_end\":null,\"planet\":\"jupiter\",", 0),
              0u) << objects[1];
}

TEST(FormatRow, QuotesAndEscapesText)
{
    EphemRow row;
    row.Instant = "2000-01-01T00:00:00";
    row.Name = "a,\"b\"";
    row.SatOffsetX = 0.1;
    row.SatOffsetY = -1e-300;
    row.SatDistance = std::numeric_limits<double>::quiet_NaN();
    const std::string csv = FormatRow(row, OutputFormat::Csv);
    EXPECT_NE(csv.find(",\"a,\"\"b\"\"\","), std::string::npos) << csv;
    EXPECT_NE(csv.find(",0.10000000000000001,-1e-300,,"), std::string::npos) << csv;
    const std::string json = FormatRow(row, OutputFormat::Json);
    EXPECT_NE(json.find("\"name\":\"a,\\\"b\\\"\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"SatDistance\":null"), std::string::npos) << json;
}

// The executable itself: exit status, standard output and standard error.
struct ProgramRun {
    int status = -1;
    std::string out, err;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ProgramRun RunProgram(const std::string& arguments)
{
    const std::string program = VIREON_BINARY_DIR "/vireon-ephem";
    // One file pair per test: ctest runs the tests of this program in parallel processes.
    const std::string base = ::testing::TempDir() + "vireon_ephem_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                             std::to_string(::getpid());
    const std::string command = program + " " + arguments + " >" + base + ".out 2>" + base + ".err";
    ProgramRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadAll(base + ".out");
    run.err = ReadAll(base + ".err");
    return run;
}

TEST(VireonEphemProgram, PrintsTheFourSatellitesOfTheStartUpInstant)
{
    std::ifstream exists(VIREON_BINARY_DIR "/vireon-ephem");
    ASSERT_TRUE(exists) << "build the vireon-ephem target first";
    const ProgramRun run = RunProgram("--planet jupiter --date 1610-01-07T16:45:00");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[0], CsvHeader());
    EXPECT_NE(lines[4].find(",4,Callisto,"), std::string::npos);
}

TEST(VireonEphemProgram, BadArgumentsGiveStatusTwoAndOneLine)
{
    std::ifstream exists(VIREON_BINARY_DIR "/vireon-ephem");
    ASSERT_TRUE(exists) << "build the vireon-ephem target first";
    for (const char* arguments : {"--planet vulcan --date 2000-01-01T00:00:00", "--planet jupiter",
                                  "--planet jupiter --date 2000-01-01T00:00:00 --count 0", "--bogus",
                                  "--planet jupiter --date 2000-02-30T00:00:00",
                                  "--events --planet mars --date 2000-01-01T00:00:00 --days 2",
                                  "--mutual --planet jupiter --date 2026-09-01T00:00:00"}) {
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        ASSERT_FALSE(run.err.empty()) << arguments;
        EXPECT_EQ(run.err.rfind("vireon-ephem: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
    const ProgramRun help = RunProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, std::string(HelpText()));
    EXPECT_EQ(help.err, "");
}

}  // namespace
}  // namespace vireon::ephem
