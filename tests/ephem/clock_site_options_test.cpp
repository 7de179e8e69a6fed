// vireon-ephem on another clock than TT and with a site: --date read on the clock, instant written
// with its ISO 8601 suffix, jd still TT, delta_t_s, the altitudes, --observable, and the one-line
// refusals; without these options the output is what it always was.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ephem/ephem_cli.h"
#include "ephemeris/horizon.h"

namespace vireon::ephem {
namespace {

using Args = std::vector<std::string>;

std::vector<std::string> Lines(const Args& args)
{
    const ParseResult parsed = ParseArguments(args);
    EXPECT_TRUE(parsed.Request) << parsed.Error;
    if (!parsed.Request) return {};
    std::ostringstream out;
    RunEphemeris(*parsed.Request, out);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line + ",");
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
}

std::size_t Column(const std::string& header, const std::string& name)
{
    const std::vector<std::string> names = Fields(header);
    const std::size_t at = std::find(names.begin(), names.end(), name) - names.begin();
    EXPECT_LT(at, names.size()) << "no column " << name << " in " << header;
    return at < names.size() ? at : 0;
}

TEST(ClockOptions, TheInstantIsReadAndWrittenOnTheClock)
{
    const Args base = {"--planet", "jupiter", "--date", "2024-12-03T20:31:43", "--step", "1h", "--count", "2"};
    const std::vector<std::string> tt = Lines(base);
    Args ut = base, paris = base;
    ut.insert(ut.end(), {"--time-scale", "ut"});
    paris.insert(paris.end(), {"--time-scale", "local", "--time-zone", "Europe/Paris", "--format", "json"});
    paris[3] = "2024-12-03T21:31:43";
    const std::vector<std::string> inUt = Lines(ut), inParis = Lines(paris);
    ASSERT_EQ(inUt.size(), 9u);
    EXPECT_EQ(inUt[0], tt[0] + ",delta_t_s");
    const std::size_t jd = Column(inUt[0], "jd");
    EXPECT_EQ(Fields(inUt[1])[0], "2024-12-03T20:31:43Z");
    EXPECT_EQ(Fields(inUt[5])[0], "2024-12-03T21:31:43Z");
    EXPECT_EQ(Fields(inUt[1]).back(), "69.183999999999997");
    // jd stays TT: 20:31:43 UT is 69.184 s after 20:31:43 TT.
    EXPECT_NEAR((std::stod(Fields(inUt[1])[jd]) - std::stod(Fields(tt[1])[jd])) * 86400, 69.184, 1e-3);
    ASSERT_EQ(inParis.size(), 8u);
    EXPECT_EQ(inParis[0].substr(0, 38), "{\"instant\":\"2024-12-03T21:31:43+01:00\"");
    EXPECT_NE(inParis[0].find("\"delta_t_s\":69.183999999999997}"), std::string::npos);

    // Before the zone's history: Paris's mean time, an offset with seconds.
    const std::vector<std::string> lmt =
        Lines({"--planet", "jupiter", "--date", "1610-01-07T16:45:00", "--time-scale", "local", "--time-zone", "Europe/Paris"});
    EXPECT_EQ(Fields(lmt[1])[0], "1610-01-07T16:45:00+00:09:21");
}

TEST(ClockOptions, TheSiteAddsTheAltitudesAndObservableKeepsItsRows)
{
    const Args table = {"--planet", "saturn", "--date", "2024-09-08T00:00:00", "--step", "1h", "--count", "24",
                        "--site", "48.85,2.35,35", "--time-scale", "ut"};
    const std::vector<std::string> rows = Lines(table);
    ASSERT_EQ(rows.size(), 1u + 24 * 8);
    EXPECT_EQ(rows[0].substr(rows[0].size() - 51), ",delta_t_s,planet_alt_deg,planet_az_deg,sun_alt_deg");
    const std::size_t alt = Column(rows[0], "planet_alt_deg"), jd = Column(rows[0], "jd");
    const ObservingSite paris{"", 48.85, 2.35, 35};
    int observable = 0;
    for (std::size_t i = 1; i < rows.size(); i += 8) {
        const std::vector<std::string> f = Fields(rows[i]);
        const Extended tt = std::stold(f[jd]);
        const SiteAltitudes want = AltitudesAt(paris, Saturn, tt, UniversalFromTerrestrial(tt));
        EXPECT_NEAR(std::stod(f[alt]), static_cast<double>(want.PlanetAltitudeDeg), 1e-6) << f[0];
        EXPECT_NEAR(std::stod(f[alt + 2]), static_cast<double>(want.SunAltitudeDeg), 1e-6) << f[0];
        observable += IsObservable(want);
    }
    ASSERT_GT(observable, 0);
    ASSERT_LT(observable, 24);
    Args only = table;
    only.push_back("--observable");
    EXPECT_EQ(Lines(only).size(), 1u + 8 * observable);

    // --events: the altitudes at each row and the observable flag, which --observable keeps.
    const Args events = {"--events", "--planet", "jupiter", "--date", "2024-12-03T00:00:00", "--days", "2",
                         "--time-scale", "ut", "--site", "48.85,2.35"};
    const std::vector<std::string> all = Lines(events);
    EXPECT_EQ(all[0], "instant,jd,planet,index,name,event,visible,delta_t_s,planet_alt_deg,sun_alt_deg,observable");
    EXPECT_EQ(all[1].substr(0, 21), "2024-12-03T01:35:43Z,") << "eclipse end 01:36:53 TT: the last UT second at which it holds";
    int flagged = 0;
    for (std::size_t i = 1; i < all.size(); ++i) flagged += Fields(all[i]).back() == "1";
    Args observableEvents = events;
    observableEvents.push_back("--observable");
    EXPECT_EQ(Lines(observableEvents).size(), 1u + flagged);
}

// --mutual: the five instants on the clock, the extras at the maximum.
TEST(ClockOptions, MutualEventsOnTheClockAndAtTheSite)
{
    const Args tt = {"--mutual", "--planet", "jupiter", "--date", "2026-09-01T00:00:00", "--days", "2"};
    Args ut = tt;
    ut.insert(ut.end(), {"--time-scale", "ut", "--site", "48.85,2.35"});
    const std::vector<std::string> a = Lines(tt), b = Lines(ut);
    ASSERT_GE(a.size(), 3u);
    EXPECT_EQ(b[0], a[0] + ",delta_t_s,planet_alt_deg,sun_alt_deg,observable");
    EXPECT_EQ(Fields(a[1])[1], "2026-09-01T20:36:50") << "Io eclipses Europe, maximum in TT";
    EXPECT_EQ(Fields(b[1])[1], "2026-09-01T20:35:41Z") << "69.184 s earlier, to the nearest second";
    const std::vector<std::string> f = Fields(b[1]);
    EXPECT_EQ(f.back(), std::stod(f[f.size() - 3]) >= 10 && std::stod(f[f.size() - 2]) <= -6 ? "1" : "0");
}

TEST(ClockOptions, BadClockOrSiteGetsOneLine)
{
    const Args base = {"--planet", "jupiter", "--date", "2024-03-31T02:30:00"};
    const struct {
        Args extra;
        const char* mentions;
    } rows[] = {
        {{"--time-scale", "tai"}, "time scale 'tai' must be tt, ut or local"},
        {{"--time-scale", "local", "--time-zone", "Europe/Atlantis"}, "unknown time zone 'Europe/Atlantis'"},
        {{"--time-zone", "Europe/Paris"}, "--time-zone goes with --time-scale local"},
        {{"--time-scale", "local", "--time-zone", "Europe/Paris"}, "no such local time 2024-03-31T02:30:00 in Europe/Paris"},
        {{"--site", "48.85"}, "site '48.85' must be LAT,LON[,HEIGHT_M]"},
        {{"--site", "91,2"}, "site '91,2'"},
        {{"--site", "48.85,2.35,10000"}, "site '48.85,2.35,10000'"},
        {{"--site", "48,85,2,35"}, "site '48,85,2,35'"},
        {{"--observable"}, "--observable needs --site"},
    };
    for (const auto& row : rows) {
        Args args = base;
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const ParseResult r = ParseArguments(args);
        EXPECT_FALSE(r.Request) << row.mentions;
        EXPECT_NE(r.Error.find(row.mentions), std::string::npos) << r.Error;
        EXPECT_EQ(r.Error.find('\n'), std::string::npos);
    }
    Args ut = base;
    ut.insert(ut.end(), {"--time-scale", "UT"});
    EXPECT_TRUE(ParseArguments(ut).Request) << "in UT that time exists";
}

}  // namespace
}  // namespace vireon::ephem
