// Randomized command lines for vireon-ephem (fixed seed): well-formed requests in every
// spelling the help allows, the same with options dropped, doubled, swapped or given junk
// values, huge and signed numbers, blanks, non-ASCII bytes, empty arguments and argument soups.
// The parser must answer help, a request within the documented limits, or a one-line error,
// never anything else; its verdict and the request it builds are compared with an independent
// reading of the help text, and a sample of the accepted requests is run to check the rows.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/time_base.h"
#include "ephem/ephem_cli.h"
#include "satellites/planet_descriptor.h"
#include "satellites/theory.h"

namespace vireon::ephem {
namespace {

constexpr int CommandLines = 20000;
constexpr int RequestsRun = 300;  // accepted requests of at most 4 instants whose rows are checked

std::string Shown(const std::vector<std::string>& args)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const std::string& a : args) {
        out += out.empty() ? "[" : ", ";
        out += '"';
        for (std::size_t i = 0; i < a.size() && i < 60; ++i) {
            const auto c = static_cast<unsigned char>(a[i]);
            if (c < 0x20 || c >= 0x7F) out += std::string("\\x") + hex[c >> 4] + hex[c & 15];
            else out += static_cast<char>(c);
        }
        if (a.size() > 60) out += "...(" + std::to_string(a.size()) + " bytes)";
        out += '"';
    }
    return out + "]";
}

// ---------------------------------------------------------------------------------------------
// The help text read independently: what it accepts and the request it describes.

std::string LowerAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool Digits(const std::string& s, std::size_t from, std::size_t count)
{
    if (from + count > s.size()) return false;
    return std::all_of(s.begin() + from, s.begin() + from + count, [](char c) { return c >= '0' && c <= '9'; });
}

int Number(const std::string& s, std::size_t from, std::size_t count) { return std::stoi(s.substr(from, count)); }

int MonthDays(int month, int year)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<CalendarFields> ReferenceDate(const std::string& v)
{
    if (v.size() != 19 || !Digits(v, 0, 4) || v[4] != '-' || !Digits(v, 5, 2) || v[7] != '-' || !Digits(v, 8, 2) ||
        v[10] != 'T' || !Digits(v, 11, 2) || v[13] != ':' || !Digits(v, 14, 2) || v[16] != ':' || !Digits(v, 17, 2))
        return std::nullopt;
    const int y = Number(v, 0, 4), mo = Number(v, 5, 2), d = Number(v, 8, 2);
    const int h = Number(v, 11, 2), mi = Number(v, 14, 2), s = Number(v, 17, 2);
    if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > MonthDays(mo, y) || h > 23 || mi > 59 || s > 59) return std::nullopt;
    return CalendarFields{static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(mo), static_cast<std::uint16_t>(y),
                          static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(mi), static_cast<std::uint16_t>(s), 0};
}

// N{s,min,h,d}: a whole number, optionally signed, not zero, |N| at most 1e9.
std::optional<std::int64_t> ReferenceStep(const std::string& v)
{
    std::string body = v;
    std::int64_t sign = 1;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        sign = body[0] == '-' ? -1 : 1;
        body.erase(0, 1);
    }
    const auto unitAt = body.find_first_not_of("0123456789");
    if (unitAt == 0 || unitAt == std::string::npos) return std::nullopt;
    const std::string unit = body.substr(unitAt);
    const std::int64_t unitSeconds = unit == "s" ? 1 : unit == "min" ? 60 : unit == "h" ? 3600 : unit == "d" ? 86400 : 0;
    if (unitSeconds == 0) return std::nullopt;
    // At most ten digits once leading zeros are dropped.
    std::string digits = body.substr(0, unitAt);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 10 || (digits.size() == 10 && digits > "1000000000")) return std::nullopt;
    const std::int64_t n = std::stoll(digits);
    if (n == 0) return std::nullopt;
    return sign * n * unitSeconds;
}

std::optional<int> ReferenceCount(const std::string& v)
{
    if (v.empty() || v.size() > 6 || !Digits(v, 0, v.size())) return std::nullopt;
    const int n = std::stoi(v);
    if (n < 1 || n > MaxCount) return std::nullopt;
    return n;
}

std::optional<char> ReferenceLetter(const std::string& v, const std::string& allowed)
{
    if (v.size() != 1) return std::nullopt;
    const char upper = (v[0] >= 'a' && v[0] <= 'z') ? static_cast<char>(v[0] - 'a' + 'A') : v[0];
    if (allowed.find(upper) == std::string::npos) return std::nullopt;
    return upper;
}

// Seconds of an instant counted from a fixed origin, by whole days of the Julian Day.
std::int64_t SecondsOf(const CalendarFields& f)
{
    const double midnight = JulianDayFromCalendar(f.Day, f.Month, f.Year, 0, 0, 0);
    return static_cast<std::int64_t>(std::llround(midnight + 0.5)) * 86400 + f.Hour * 3600 + f.Minute * 60 + f.Second;
}

struct Reference {
    enum Kind { Help, Accept, Reject } kind = Reject;
    EphemRequest request;
};

Reference ReferenceParse(const std::vector<std::string>& args)
{
    Reference out;
    if (std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
        args.end()) {
        out.kind = Reference::Help;
        return out;
    }
    static const std::vector<std::string> names = {"--planet", "--date",        "--step",  "--count",
                                                   "--view",   "--orientation", "--format"};
    static const std::vector<std::string> planets = {"mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};
    std::vector<bool> seen(names.size(), false);
    EphemRequest& r = out.request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        const bool dashed = name.rfind("--", 0) == 0;
        const auto equals = name.find('=');
        if (dashed && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            // CLI11 reads "--option=" with nothing after the sign like "--option": the next
            // argument is the value.
            if (value.empty()) {
                if (i + 1 >= args.size()) return out;
                value = args[++i];
            }
        } else {
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) return out;
            value = args[++i];
        }
        const auto it = std::find(names.begin(), names.end(), name);
        if (it == names.end()) return out;
        const auto option = static_cast<std::size_t>(it - names.begin());
        if (seen[option]) return out;
        seen[option] = true;
        switch (option) {
        case 0: {
            const auto p = std::find(planets.begin(), planets.end(), LowerAscii(value));
            if (p == planets.end()) return out;
            r.Planet = static_cast<PlanetId>(FirstPlanet + (p - planets.begin()));
            if (Planet(r.Planet).Theory == nullptr) return out;
            break;
        }
        case 1: {
            const auto date = ReferenceDate(value);
            if (!date) return out;
            r.Start = *date;
            break;
        }
        case 2: {
            const auto step = ReferenceStep(value);
            if (!step) return out;
            r.StepSeconds = *step;
            break;
        }
        case 3: {
            const auto count = ReferenceCount(value);
            if (!count) return out;
            r.Count = *count;
            break;
        }
        case 4: {
            const auto view = ReferenceLetter(value, "EP");
            if (!view) return out;
            r.ViewMode = static_cast<ViewMode>(*view);
            break;
        }
        case 5: {
            const auto orientation = ReferenceLetter(value, "NSAB");
            if (!orientation) return out;
            r.Orientation = static_cast<Orientation>(*orientation);
            break;
        }
        default: {
            const std::string format = LowerAscii(value);
            if (format != "csv" && format != "json") return out;
            r.Format = format == "csv" ? OutputFormat::Csv : OutputFormat::Json;
            break;
        }
        }
    }
    if (!seen[0] || !seen[1] || (r.Count > 1 && r.StepSeconds == 0)) return out;
    const std::int64_t first = SecondsOf({1, 1, 1, 0, 0, 0, 0});
    const std::int64_t last = SecondsOf({31, 12, 9999, 23, 59, 59, 0});
    const std::int64_t end = SecondsOf(r.Start) + static_cast<std::int64_t>(r.Count - 1) * r.StepSeconds;
    if (end < first || end > last) return out;
    out.kind = Reference::Accept;
    return out;
}

// ---------------------------------------------------------------------------------------------
// The command lines.

class CommandLineMaker {
public:
    explicit CommandLineMaker(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    template <typename T>
    const T& Pick(const std::vector<T>& v)
    {
        return v[Int(0, static_cast<int>(v.size()) - 1)];
    }

    std::string MixedCase(std::string s)
    {
        for (char& c : s)
            if (Chance(20) && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return s;
    }
    std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

    std::string Date()
    {
        if (Chance(15)) {
            return Pick(std::vector<std::string>{"0001-01-01T00:00:00", "9999-12-31T23:59:59", "1582-10-04T23:59:59",
                                                 "1582-10-10T12:00:00", "1500-02-29T06:00:00", "1900-02-29T00:00:00",
                                                 "0000-01-01T00:00:00", "2000-13-01T00:00:00", "2000-01-01T24:00:00",
                                                 "2000-01-01 00:00:00", "2000-1-1T0:0:0", "10000-01-01T00:00:00"});
        }
        const int y = Chance(50) ? Int(1, 9999) : Int(1900, 2100);
        const int m = Int(1, 12);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%04d-%s-%sT%s:%s:%s", y, Two(m).c_str(), Two(Int(1, MonthDays(m, y))).c_str(),
                      Two(Int(0, 23)).c_str(), Two(Int(0, 59)).c_str(), Two(Int(0, 59)).c_str());
        return buffer;
    }
    std::string Step()
    {
        if (Chance(10)) return Pick(std::vector<std::string>{"1000000000d", "1000000001s", "0d", "-0h", "+3min", "5",
                                                             "d", "1.5h", "1e3s", "99999999999d", "-1000000000d",
                                                             "0000000000001s", "1 d", "1D", "1m"});
        return (Chance(30) ? "-" : "") + std::to_string(Chance(10) ? Int(1, 1000000000) : Int(1, 100)) +
               Pick(std::vector<std::string>{"s", "min", "h", "d"});
    }
    std::string Count()
    {
        if (Chance(10)) return Pick(std::vector<std::string>{"0", "100000", "100001", "000001", "0000001", "-1", "+1",
                                                             "1e3", "99999999999999999999", "", " 3"});
        return std::to_string(Chance(10) ? Int(1, 100000) : Int(1, 12));
    }

    // A request the help allows, in random order and spelling (NAME VALUE or NAME=VALUE).
    std::vector<std::string> WellFormed()
    {
        std::vector<std::pair<std::string, std::string>> options = {
            {"--planet", MixedCase(Pick(std::vector<std::string>{"mars", "jupiter", "saturn", "uranus", "neptune", "pluto"}))},
            {"--date", Date()}};
        if (Chance(60)) options.push_back({"--step", Step()});
        if (Chance(60)) options.push_back({"--count", Count()});
        if (Chance(40)) options.push_back({"--view", Pick(std::vector<std::string>{"E", "P", "e", "p"})});
        if (Chance(40)) options.push_back({"--orientation", Pick(std::vector<std::string>{"N", "S", "A", "B", "a", "n"})});
        if (Chance(40)) options.push_back({"--format", MixedCase(Pick(std::vector<std::string>{"csv", "json"}))});
        std::shuffle(options.begin(), options.end(), rng_);
        std::vector<std::string> args;
        for (const auto& [name, value] : options) {
            if (Chance(30)) {
                args.push_back(name + "=" + value);
            } else {
                args.push_back(name);
                args.push_back(value);
            }
        }
        return args;
    }

    std::string Junk()
    {
        static const std::vector<std::string> junk = {
            "", " ", "-", "--", "---", "--planet", "--date", "--step", "--count", "--view", "--orientation",
            "--format", "--help", "-h", "--Planet", "--planet=", "--date=", "-planet", "jupiter", "JUPITER", "earth",
            "venus", "json", "xml", "E", "G", "X", "N", "q", "1", "-1", "0", "100000", "2000-01-01T00:00:00",
            "\xC3\xA9", "j\xC3\xBApiter", std::string("jupiter\0x", 9), "\xFF\xFE", "\t", "\n", "=", "==",
            "--planet==jupiter", "--count=1=2", std::string(5000, '9'), std::string(300, '-'),
            "99999999999999999999999999d", "-9223372036854775808s", "\xEF\xBC\x91" "d",
        };
        return Pick(junk);
    }

    std::string Mutated(std::string s)
    {
        static const std::vector<std::string> pieces = {"-", "+", "=", " ", "T", ":", "0", "9", "x", "\xC3\xA9", "\x01", "d", "s"};
        if (s.empty()) return Pick(pieces);
        const int at = Int(0, static_cast<int>(s.size()) - 1);
        switch (Int(0, 3)) {
        case 0: return s.insert(at, Pick(pieces));
        case 1: return s.erase(at, 1);
        case 2: return s.replace(at, 1, Pick(pieces));
        default: return s.substr(0, at);
        }
    }

    std::vector<std::string> Next()
    {
        const int kind = Int(1, 100);
        if (kind <= 35) return WellFormed();
        if (kind <= 85) {
            std::vector<std::string> args = WellFormed();
            for (int n = Int(1, 3); n > 0; --n) {
                const int at = Int(0, static_cast<int>(args.size()) - 1);
                switch (Int(0, 5)) {
                case 0: args.erase(args.begin() + at); break;
                case 1: args.insert(args.begin() + at, args[at]); break;
                case 2: std::swap(args[at], args[Int(0, static_cast<int>(args.size()) - 1)]); break;
                case 3: args[at] = Junk(); break;
                case 4: args.insert(args.begin() + Int(0, static_cast<int>(args.size())), Junk()); break;
                default: args[at] = Mutated(args[at]); break;
                }
                if (args.empty()) break;
            }
            return args;
        }
        std::vector<std::string> soup;
        for (int n = Int(0, 8); n > 0; --n) soup.push_back(Chance(70) ? Junk() : Mutated(Junk()));
        return soup;
    }

private:
    std::mt19937 rng_;
};

// ---------------------------------------------------------------------------------------------
// The checks.

std::string Describe(const EphemRequest& r)
{
    std::ostringstream os;
    os << "planet " << int(r.Planet) << " start " << FormatInstant(r.Start) << " step " << r.StepSeconds << " s count "
       << r.Count << " view " << r.ViewMode << " orientation " << r.Orientation << " format "
       << (r.Format == OutputFormat::Csv ? "csv" : "json");
    return os.str();
}

bool SameRequest(const EphemRequest& a, const EphemRequest& b)
{
    return a.Planet == b.Planet && a.Start == b.Start && a.StepSeconds == b.StepSeconds && a.Count == b.Count &&
           a.ViewMode == b.ViewMode && a.Orientation == b.Orientation && a.Format == b.Format;
}

// The rows of an accepted request: one per instant and satellite, every column present where
// the help says so, no "nan" or "inf" anywhere.
void ExpectWellFormedOutput(const EphemRequest& request, const std::string& where)
{
    std::ostringstream out;
    RunEphemeris(request, out);
    std::istringstream lines(out.str());
    std::string line;
    int rows = 0;
    const bool csv = request.Format == OutputFormat::Csv;
    if (csv) {
        std::getline(lines, line);
        ASSERT_EQ(line, CsvHeader()) << where;
    }
    while (std::getline(lines, line)) {
        ++rows;
        std::string lower = LowerAscii(line);
        ASSERT_EQ(lower.find("nan"), std::string::npos) << where << ": " << line;
        ASSERT_EQ(lower.find("inf"), std::string::npos) << where << ": " << line;
        if (csv) {
            ASSERT_EQ(std::count(line.begin(), line.end(), ','), 24) << where << ": " << line;
        } else {
            ASSERT_TRUE(line.front() == '{' && line.back() == '}') << where << ": " << line;
            ASSERT_EQ(std::count(line.begin(), line.end(), ':'), 25 + 2) << where << ": " << line;  // 25 keys, the instant's two
        }
    }
    EXPECT_EQ(rows, request.Count * Planet(request.Planet).SatelliteCount) << where;
}

TEST(EphemArgumentsFuzz, HelpARequestWithinLimitsOrAOneLineError)
{
    CommandLineMaker make(20240612);
    int helps = 0, accepted = 0, rejected = 0, run = 0;
    for (int i = 0; i < CommandLines; ++i) {
        const std::vector<std::string> args = make.Next();
        const std::string where = "command line " + std::to_string(i) + " " + Shown(args);
        const ParseResult got = ParseArguments(args);
        const Reference want = ReferenceParse(args);

        // Exactly one of the three answers.
        ASSERT_EQ(int(got.Help) + int(got.Request.has_value()) + int(!got.Error.empty()), 1) << where;
        if (!got.Error.empty()) {
            ++rejected;
            ASSERT_LE(got.Error.size(), 300u) << where << ": " << got.Error;
            ASSERT_TRUE(std::all_of(got.Error.begin(), got.Error.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; }))
                << where << ": the message is not one printable line: " << got.Error;
        }
        if (got.Help) ++helps;
        if (got.Request) {
            ++accepted;
            const EphemRequest& r = *got.Request;
            ASSERT_TRUE(IsPlanetId(r.Planet) && Planet(r.Planet).Theory != nullptr) << where;
            ASSERT_TRUE(r.Count >= 1 && r.Count <= MaxCount) << where << ": count " << r.Count;
            ASSERT_TRUE(r.Count == 1 || r.StepSeconds != 0) << where;
            ASSERT_TRUE(std::string("EP").find(Letter(r.ViewMode)) != std::string::npos) << where;
            ASSERT_TRUE(std::string("NSAB").find(Letter(r.Orientation)) != std::string::npos) << where;
            for (const int n : {0, r.Count - 1}) {
                const CalendarFields f = InstantOf(r, n);
                ASSERT_TRUE(IsValidCalendarDate(f.Day, f.Month, f.Year) && f.Hour < 24 && f.Minute < 60 && f.Second < 60)
                    << where << ": instant " << n << " " << FormatInstant(f);
                ASSERT_TRUE(IsWithinSupportedRange(JulianDayFromCalendar(f)))
                    << where << ": instant " << n << " " << FormatInstant(f) << " out of range";
            }
        }

        const int wantKind = want.kind == Reference::Help ? 0 : want.kind == Reference::Accept ? 1 : 2;
        const int gotKind = got.Help ? 0 : got.Request ? 1 : 2;
        ASSERT_EQ(gotKind, wantKind) << where << " (0 help, 1 request, 2 error): " << got.Error;
        if (got.Request) {
            ASSERT_TRUE(SameRequest(*got.Request, want.request))
                << where << "\n want " << Describe(want.request) << "\n got  " << Describe(*got.Request);
            if (run < RequestsRun && got.Request->Count <= 4) {
                ++run;
                ExpectWellFormedOutput(*got.Request, where);
                if (HasFatalFailure()) return;
            }
        }
    }
    // The generator must reach all three answers often, or the test proves little.
    EXPECT_GT(helps, CommandLines / 200);
    EXPECT_GT(accepted, CommandLines / 10);
    EXPECT_GT(rejected, CommandLines / 3);
    EXPECT_EQ(run, RequestsRun);
}

}  // namespace
}  // namespace vireon::ephem
