#include "ephem/ephem_cli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <ostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "core/input_parsing.h"
#include "satellites/phenomena.h"
#include "satellites/planet_descriptor.h"
#include "satellites/theory.h"

namespace vireon::ephem {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;


// Text shown in a message: printable ASCII only, other bytes as '?', cut after limit characters,
// so the message stays one line whatever was typed.
std::string Printable(std::string_view text, std::size_t limit)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        shown += c >= 0x20 && c < 0x7f ? static_cast<char>(c) : '?';
    }
    if (text.size() > limit) shown += "...";
    return shown;
}

// An argument echoed in one of our messages.
std::string Quoted(std::string_view text) { return "'" + Printable(text, 40) + "'"; }

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool AllDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

int Digits(std::string_view text)
{
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

// Whole days numbered so that the day starting at Julian Day n - 0.5 is n (from 00:00).
std::int64_t DayNumberOf(int day, int month, int year)
{
    return static_cast<std::int64_t>(std::llround(JulianDayFromCalendar(day, month, year, 0, 0, 0) + 0.5));
}

std::int64_t SecondsOf(const CalendarFields& f)
{
    return DayNumberOf(f.Day, f.Month, f.Year) * SecondsPerDay + f.Hour * 3600 + f.Minute * 60 + f.Second;
}

// Supported instants, in the seconds of SecondsOf: 0001-01-01T00:00:00 to 9999-12-31T23:59:59.
std::int64_t FirstSupportedSecond() { return DayNumberOf(1, 1, 1) * SecondsPerDay; }
std::int64_t LastSupportedSecond() { return DayNumberOf(31, 12, 9999) * SecondsPerDay + SecondsPerDay - 1; }

CalendarFields FieldsOfSeconds(std::int64_t seconds)
{
    const std::int64_t day = seconds / SecondsPerDay;  // seconds are positive in the supported range
    const std::int64_t second = seconds % SecondsPerDay;
    CalendarFields f = CalendarFromJulianDay(static_cast<Extended>(day) - 0.5L);
    f.Hour = static_cast<std::uint16_t>(second / 3600);
    f.Minute = static_cast<std::uint16_t>(second / 60 % 60);
    f.Second = static_cast<std::uint16_t>(second % 60);
    f.Millisecond = 0;
    return f;
}

std::optional<std::string> ParsePlanet(std::string_view value, PlanetId& planet)
{
    const std::string name = Lower(value);
    for (PlanetId p = FirstPlanet; p <= LastPlanet; ++p) {
        if (Planet(p).CommandName == name) {
            planet = p;
            if (Planet(p).Theory == nullptr) return "no satellite theory for " + name + " in this version";
            return std::nullopt;
        }
    }
    return "unknown planet " + Quoted(value) + " (mars, jupiter, saturn, uranus, neptune, pluto)";
}

std::optional<std::string> ParseDate(std::string_view value, CalendarFields& date)
{
    // YYYY-MM-DDTHH:MM:SS
    const bool shaped = value.size() == 19 && AllDigits(value.substr(0, 4)) && value[4] == '-' &&
                        AllDigits(value.substr(5, 2)) && value[7] == '-' && AllDigits(value.substr(8, 2)) &&
                        value[10] == 'T' && AllDigits(value.substr(11, 2)) && value[13] == ':' &&
                        AllDigits(value.substr(14, 2)) && value[16] == ':' && AllDigits(value.substr(17, 2));
    if (!shaped) return "malformed date " + Quoted(value) + " (expected YYYY-MM-DDTHH:MM:SS)";
    const int year = Digits(value.substr(0, 4));
    const int month = Digits(value.substr(5, 2));
    const int day = Digits(value.substr(8, 2));
    const int hour = Digits(value.substr(11, 2));
    const int minute = Digits(value.substr(14, 2));
    const int second = Digits(value.substr(17, 2));
    if (year < 1) return "date " + Quoted(value) + " out of the supported range (years 0001 to 9999)";
    if (month < 1 || month > 12 || !IsValidCalendarDate(day, month, year)) {
        return "no such date " + Quoted(value) + " in the calendar (Julian before 1582-10-15)";
    }
    if (hour > 23 || minute > 59 || second > 59) return "no such time of day " + Quoted(value);
    date = MakeCalendarFields(day, month, year, hour, minute, second);
    if (!IsWithinSupportedRange(JulianDayFromCalendar(date))) {
        return "date " + Quoted(value) + " out of the supported range (0001-01-01T00:00:00 to 9999-12-31T23:59:59)";
    }
    return std::nullopt;
}

std::optional<std::string> ParseStep(std::string_view value, std::int64_t& seconds)
{
    const std::string_view original = value;
    const std::string bad = "malformed step " + Quoted(original) + " (expected N followed by s, min, h or d)";
    int sign = 1;
    if (!value.empty() && (value[0] == '+' || value[0] == '-')) {
        sign = value[0] == '-' ? -1 : 1;
        value.remove_prefix(1);
    }
    std::size_t digits = 0;
    while (digits < value.size() && value[digits] >= '0' && value[digits] <= '9') ++digits;
    if (digits == 0) return bad;
    const std::string_view unit = value.substr(digits);
    std::int64_t unitSeconds = 0;
    if (unit == "s") unitSeconds = 1;
    else if (unit == "min") unitSeconds = 60;
    else if (unit == "h") unitSeconds = 3600;
    else if (unit == "d") unitSeconds = SecondsPerDay;
    else return bad;
    std::string_view number = value.substr(0, digits);
    while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);  // leading zeros
    if (number.size() > 10) return "step " + Quoted(original) + " too large";
    std::int64_t n = 0;
    std::from_chars(number.data(), number.data() + number.size(), n);
    if (n > MaxStepUnits) return "step " + Quoted(original) + " too large";
    if (n == 0) return "step " + Quoted(original) + " must not be zero";
    seconds = sign * n * unitSeconds;
    return std::nullopt;
}

std::optional<std::string> ParseDays(std::string_view value, int& days)
{
    const std::string bad = "days " + Quoted(value) + " must be a whole number from 1 to 3660";
    if (!AllDigits(value) || value.size() > 5) return bad;
    const int n = Digits(value);
    if (n < 1 || n > MaxDays) return bad;
    days = n;
    return std::nullopt;
}

std::optional<std::string> ParseCount(std::string_view value, int& count)
{
    const std::string bad = "count " + Quoted(value) + " must be a whole number from 1 to 100000";
    if (!AllDigits(value) || value.size() > 6) return bad;
    const int n = Digits(value);
    if (n < 1 || n > MaxCount) return bad;
    count = n;
    return std::nullopt;
}

// One of the allowed letters, either case, stored as the enum whose values are the letters.
template <class LetterEnum>
std::optional<std::string> ParseLetter(std::string_view value, std::string_view allowed, const char* what,
                                       LetterEnum& letter)
{
    if (value.size() == 1) {
        const char c = value[0];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (allowed.find(upper) != std::string_view::npos) {
            letter = static_cast<LetterEnum>(upper);
            return std::nullopt;
        }
    }
    std::string list;
    for (char c : allowed) list += (list.empty() ? "" : ", ") + std::string(1, c);
    return std::string(what) + " " + Quoted(value) + " must be one of " + list;
}

std::optional<std::string> ParseFormat(std::string_view value, OutputFormat& format)
{
    const std::string name = Lower(value);
    if (name == "csv") format = OutputFormat::Csv;
    else if (name == "json") format = OutputFormat::Json;
    else return "format " + Quoted(value) + " must be csv or json";
    return std::nullopt;
}

std::optional<std::string> ParseRedSpotLongitude(std::string_view value, EphemRequest& request)
{
    request.RedSpotLongitude = ParseLongitudeDegrees(value);
    if (!request.RedSpotLongitude) return "Red Spot longitude " + Quoted(value) + " must be a number from 0 to 360";
    return std::nullopt;
}

// An option whose value one of the readers above checks and stores; a refused value ends the
// parse with the reader's message.
using ValueReader = std::function<std::optional<std::string>(std::string_view)>;

CLI::Option* AddValueOption(CLI::App& app, const std::string& name, const std::string& valueName, ValueReader read)
{
    CLI::Option* option = app.add_option_function<std::string>(name, [read](const std::string& value) {
        if (auto error = read(value)) throw CLI::ValidationError(*error);
    });
    option->type_name(valueName);
    return option;
}

// The options of a table of instants. Each may be given once, as "--name VALUE" or
// "--name=VALUE"; the value names are those of the help text.
void AddRequestOptions(CLI::App& app, EphemRequest& r)
{
    AddValueOption(app, "--planet", "NAME", [&r](std::string_view v) { return ParsePlanet(v, r.Planet); })->required();
    AddValueOption(app, "--date", "DATE", [&r](std::string_view v) { return ParseDate(v, r.Start); })->required();
    AddValueOption(app, "--step", "N{s,min,h,d}", [&r](std::string_view v) { return ParseStep(v, r.StepSeconds); });
    AddValueOption(app, "--count", "N", [&r](std::string_view v) { return ParseCount(v, r.Count); });
    AddValueOption(app, "--view", "E|P",
                   [&r](std::string_view v) { return ParseLetter(v, "EP", "view", r.ViewMode); });
    AddValueOption(app, "--orientation", "N|S|A|B",
                   [&r](std::string_view v) { return ParseLetter(v, "NSAB", "orientation", r.Orientation); });
    AddValueOption(app, "--format", "csv|json", [&r](std::string_view v) { return ParseFormat(v, r.Format); });
    app.add_flag("--events", r.Events)->multi_option_policy(CLI::MultiOptionPolicy::Throw)->disable_flag_override();
    AddValueOption(app, "--days", "N", [&r](std::string_view v) { return ParseDays(v, r.Days); });
    AddValueOption(app, "--grs-longitude", "L", [&r](std::string_view v) { return ParseRedSpotLongitude(v, r); });
}

// The options of a table of instants, which --events does not take.
constexpr const char* InstantOptions[] = {"--step", "--count", "--view", "--orientation"};

// The checks of --events: a planet with phenomena, a number of days, the whole span in range,
// none of the options of a table of instants.
std::optional<std::string> CheckEvents(const CLI::App& app, const EphemRequest& request)
{
    if (!request.Events) {
        for (const char* option : {"--days", "--grs-longitude"}) {
            if (app.count(option) > 0) return std::string(option) + " goes with --events";
        }
        return std::nullopt;
    }
    for (const char* option : InstantOptions) {
        if (app.count(option) > 0) return std::string(option) + " does not go with --events";
    }
    if (!HasPhenomena(request.Planet)) {
        return "no phenomena for " + PlanetName(request.Planet) + " in this version (--events takes jupiter or saturn)";
    }
    if (app.count("--days") == 0) return std::string("--events needs --days");
    if (request.RedSpotLongitude && request.Planet != Jupiter) return std::string("--grs-longitude is for jupiter");
    const std::int64_t last = SecondsOf(request.Start) + std::int64_t{request.Days} * SecondsPerDay - 1;
    if (last > LastSupportedSecond()) {
        return "the " + std::to_string(request.Days) +
               " days from the date leave the supported range (0001-01-01T00:00:00 to 9999-12-31T23:59:59)";
    }
    return std::nullopt;
}

// The checks that involve several options.
std::optional<std::string> CheckSeries(const EphemRequest& request)
{
    if (request.Count > 1 && request.StepSeconds == 0) return "--count above 1 needs --step";
    // Every stepped instant must stay in range: the instants move one way, so the last one decides.
    const std::int64_t last = SecondsOf(request.Start) + (request.Count - 1) * request.StepSeconds;
    if (last < FirstSupportedSecond() || last > LastSupportedSecond()) {
        return "instant " + std::to_string(request.Count) +
               " of the series is out of the supported range (0001-01-01T00:00:00 to 9999-12-31T23:59:59)";
    }
    return std::nullopt;
}

// The arguments no option took: unknown options, values without an option, anything after "--".
std::string UnexpectedArguments(const std::vector<std::string>& arguments)
{
    std::string message = arguments.size() > 1 ? "unexpected arguments" : "unexpected argument";
    for (std::size_t i = 0; i < arguments.size() && i < 3; ++i) message += " " + Quoted(arguments[i]);
    if (arguments.size() > 3) message += " ...";
    return message + " (see --help)";
}

ParseResult Failure(std::string message)
{
    ParseResult result;
    result.Error = std::move(message);
    return result;
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* const hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;  // UTF-8 passes through
        }
    }
    return out + "\"";
}

// The columns, in order, handed to a writer as numbers, whole numbers or texts: the planet's
// before and after the satellite's own, so that an instant's planet columns are formatted once
// for all its satellites.

// The planet's columns before the satellite's.
template <class Writer>
void VisitPlanetHead(const EphemRow& r, Writer& w)
{
    w.Text("instant", r.Instant);
    w.Number("jd", r.JD);
    w.Text("planet", r.Planet);
    w.Number("planet_ra_h", r.PlanetRaHours);
    w.Number("planet_dec_deg", r.PlanetDecDegrees);
    w.Number("planet_distance_km", r.PlanetDistanceKm);
    w.Number("planet_diameter_eq_arcsec", r.PlanetDiameterEqArcsec);
    w.Number("planet_diameter_pol_arcsec", r.PlanetDiameterPolArcsec);
    w.Number("planet_pole_pa_rad", r.PlanetPolePaRad);
    w.Number("phase_angle_rad", r.PhaseAngleRad);
    w.Number("ring_major_arcsec", r.RingMajorArcsec);
    w.Number("ring_minor_arcsec", r.RingMinorArcsec);
    w.Integer("ring_side", r.RingSide);
}

// The satellite's own columns.
template <class Writer>
void VisitSatellite(const EphemRow& r, Writer& w)
{
    w.Integer("index", r.Index);
    w.Text("name", r.Name);
    w.Number("SatOffsetX", r.SatOffsetX);
    w.Number("SatOffsetY", r.SatOffsetY);
    w.Number("SatDistance", r.SatDistance);
    w.Number("SatApparentDiameter", r.SatApparentDiameter);
    w.Number("SatMagnitude", r.SatMagnitude);
    w.Text("SatFarSide", std::string_view(&r.SatFarSide, 1));
    w.Number("SatShadowX", r.SatShadowX);
    w.Number("SatShadowY", r.SatShadowY);
    w.Number("SatPolarX", r.SatPolarX);
    w.Number("SatPolarY", r.SatPolarY);
}

// The planet's columns after the satellite's.
template <class Writer>
void VisitPlanetTail(const EphemRow& r, Writer& w)
{
    w.Number("cm_deg", r.CentralMeridianDeg);
    w.Number("cm_i_deg", r.CentralMeridianIDeg);
    w.Number("cm_ii_deg", r.CentralMeridianIIDeg);
    w.Number("sub_earth_lat_deg", r.SubEarthLatitudeDeg);
}

// Every column in order.
template <class Writer>
void VisitColumns(const EphemRow& r, Writer& w)
{
    VisitPlanetHead(r, w);
    VisitSatellite(r, w);
    VisitPlanetTail(r, w);
}

// Appends columns to a line; an absent or non-finite number is empty in CSV, null in JSON. A
// line starts with its first column (and "{" in JSON); a part that continues a line starts
// with its separator.
class LineWriter {
public:
    enum Part { Starts, Continues };
    LineWriter(OutputFormat format, Part part = Starts) : json_(format == OutputFormat::Json), first_(part == Starts)
    {
        line_.reserve(768);
        if (json_ && first_) line_ += '{';
    }

    void Number(std::string_view name, const std::optional<double>& v)
    {
        Key(name);
        if (v && std::isfinite(*v)) {
            char buffer[64];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, *v, std::chars_format::general, 17);
            line_.append(buffer, r.ptr);
        } else if (json_) {
            line_ += "null";
        }
    }
    void Integer(std::string_view name, const std::optional<int>& v)
    {
        Key(name);
        if (v) line_ += std::to_string(*v);
        else if (json_) line_ += "null";
    }
    void Text(std::string_view name, std::string_view text)
    {
        Key(name);
        line_ += json_ ? JsonString(text) : CsvField(text);
    }

    std::string Finish() { return json_ ? std::move(line_) + "}" : std::move(line_); }
    std::string Text() { return std::move(line_); }

private:
    void Key(std::string_view name)
    {
        if (!first_) line_ += ',';
        first_ = false;
        if (json_) {
            line_ += '"';
            line_ += name;
            line_ += "\":";
        }
    }

    bool json_;
    bool first_ = true;
    std::string line_;
};

// Collects the column names.
struct HeaderWriter {
    std::string text;
    void Add(std::string_view name) { text += (text.empty() ? "" : ",") + std::string(name); }
    void Number(std::string_view name, const std::optional<double>&) { Add(name); }
    void Integer(std::string_view name, const std::optional<int>&) { Add(name); }
    void Text(std::string_view name, std::string_view) { Add(name); }
};

std::optional<double> Value(Extended v) { return static_cast<double>(v); }
std::optional<double> Value(const std::optional<Extended>& v)
{
    return v ? std::optional<double>(static_cast<double>(*v)) : std::nullopt;
}

// The columns of --events, in order.
template <class Writer>
void VisitEventColumns(PlanetId planet, const Phenomenon& event, Writer& w)
{
    w.Text("instant", FormatInstant(CalendarFromJulianDay(event.JD)));
    w.Number("jd", static_cast<double>(event.JD));
    w.Text("planet", PlanetName(planet));
    w.Integer("index", event.Satellite);
    w.Text("name", BodyName(planet, event));
    w.Text("event", EventName(event.Kind));
    w.Integer("visible", event.Visible ? 1 : 0);
}

void RunEvents(const EphemRequest& request, std::ostream& out)
{
    if (request.Format == OutputFormat::Csv) out << EventsCsvHeader() << '\n';
    const double first = JulianDayFromCalendar(request.Start);
    const double last = JulianDayFromCalendar(LastEventInstant(request));
    std::vector<Phenomenon> events = FindPhenomena(request.Planet, first, last);
    if (request.RedSpotLongitude) events = WithRedSpotTransits(std::move(events), first, last, *request.RedSpotLongitude);
    for (const Phenomenon& event : events) {
        out << FormatEvent(request.Planet, event, request.Format) << '\n';
    }
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args)
{
    // Help wins wherever it stands, even where another option expects its value: a user who
    // types "--planet -h" wants the help, not an error about the planet.
    if (std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
        args.end()) {
        ParseResult help;
        help.Help = true;
        return help;
    }
    EphemRequest request;
    CLI::App app("vireon-ephem");
    app.set_help_flag();  // answered above, with our own text
    app.allow_extras();   // reported below, in the order typed and quoted
    AddRequestOptions(app, request);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
        app.parse(reversed);
    } catch (const CLI::ValidationError& e) {
        return Failure(e.what());  // one of our readers' messages
    } catch (const CLI::RequiredError& e) {
        // A misspelt option is the likelier cause of a missing one: name it first.
        if (!app.remaining().empty()) return Failure(UnexpectedArguments(app.remaining()));
        return Failure(Printable(e.what(), 200) + " (see --help)");
    } catch (const CLI::Error& e) {
        // CLI11's own words: an option without its value, or given twice.
        return Failure(Printable(e.what(), 200) + " (see --help)");
    }
    if (!app.remaining().empty()) return Failure(UnexpectedArguments(app.remaining()));
    if (auto error = CheckEvents(app, request)) return Failure(*error);
    if (auto error = CheckSeries(request)) return Failure(*error);
    ParseResult result;
    result.Request = request;
    return result;
}

std::string_view HelpText()
{
    return
        "Usage: vireon-ephem --planet NAME --date YYYY-MM-DDTHH:MM:SS [options]\n"
        "       vireon-ephem --events --planet jupiter|saturn --date YYYY-MM-DDTHH:MM:SS --days N\n"
        "                    [--grs-longitude L] [--format csv|json]\n"
        "\n"
        "Positions of a planet's satellites as seen from the Earth, computed by the same theories\n"
        "as the Vireon program, one line per instant and satellite; with --events, the phenomena\n"
        "of Jupiter's or Saturn's satellites, one line per start or end.\n"
        "\n"
        "Options:\n"
        "  --planet NAME         mars, jupiter, saturn, uranus, neptune or pluto (required); a planet\n"
        "                        whose satellite theory this version lacks is refused\n"
        "  --date DATE           first instant, YYYY-MM-DDTHH:MM:SS (required), 0001-01-01T00:00:00 to\n"
        "                        9999-12-31T23:59:59, in the program's calendar (Julian before\n"
        "                        1582-10-15); taken as given: no time zone, no Delta T\n"
        "  --step N{s,min,h,d}   time between instants, a whole number (negative goes back) of\n"
        "                        seconds, minutes, hours or days; needed when --count is above 1\n"
        "  --count N             number of instants, 1 to 100000 (default 1); every instant must\n"
        "                        stay in the supported range\n"
        "  --view E|P            E equatorial (default) or P polar: changes SatDistance and the\n"
        "                        polar pair as in the program's views\n"
        "  --orientation N|S|A|B N celestial north up (default), S celestial south up, B the\n"
        "                        planet's north pole up, A its south pole up\n"
        "  --format csv|json     csv with a header line (default), or one JSON object per line\n"
        "  --events              list the phenomena of the satellites of jupiter or saturn from\n"
        "                        --date over --days days, instead of positions; --step, --count,\n"
        "                        --view and --orientation do not go with it\n"
        "  --days N              days of --events, 1 to 3660; the whole span must stay in the\n"
        "                        supported range\n"
        "  --grs-longitude L     with --events for jupiter: also the transits of the Great Red\n"
        "                        Spot, at System II longitude L (degrees, 0 to 360; the spot\n"
        "                        drifts: give its measured longitude)\n"
        "  --help, -h            this text\n"
        "An option's value may also be written --option=VALUE.\n"
        "\n"
        "Columns (JSON keys):\n"
        "  instant                     the instant, YYYY-MM-DDTHH:MM:SS\n"
        "  jd                          its Julian Day\n"
        "  planet                      the planet's name\n"
        "  planet_ra_h, planet_dec_deg apparent right ascension (hours) and declination (degrees),\n"
        "                              true equator and equinox of the date\n"
        "  planet_distance_km          apparent distance from the Earth, km\n"
        "  planet_diameter_eq_arcsec   apparent equatorial diameter, arcseconds\n"
        "  planet_diameter_pol_arcsec  apparent polar diameter, arcseconds\n"
        "  planet_pole_pa_rad          position angle of the planet's north pole, radians, from\n"
        "                              north through east\n"
        "  phase_angle_rad             phase angle Sun-planet-Earth, radians, signed by the Sun's\n"
        "                              side (Mars, Jupiter, Saturn; empty otherwise)\n"
        "  ring_major_arcsec, ring_minor_arcsec, ring_side\n"
        "                              Saturn's rings: outer major and minor axes (arcseconds) and\n"
        "                              the side shown, -1 or +1 (empty for other planets)\n"
        "  index, name                 the satellite's number within its planet and its name\n"
        "  SatOffsetX, SatOffsetY      offset from the planet's centre, arcseconds: east and north\n"
        "                              for N and S; along the planet's equator and pole for A and B\n"
        "  SatDistance                 E: distance from the centre on the sky, arcseconds; P: true\n"
        "                              distance on the planet's angular scale\n"
        "  SatApparentDiameter         apparent diameter of the satellite, arcseconds\n"
        "  SatMagnitude                visual magnitude (empty for Mars)\n"
        "  SatFarSide                  E farther than the planet's centre, P nearer\n"
        "  SatShadowX, SatShadowY      where the satellite's shadow falls, same axes as the offsets\n"
        "                              (Mars, Jupiter, Saturn; empty otherwise)\n"
        "  SatPolarX, SatPolarY        coordinates of the program's polar view (empty for Jupiter\n"
        "                              and Saturn with --view P --orientation S, which the program\n"
        "                              does not recompute)\n"
        "  cm_deg                      central meridian, degrees, planetographic west longitude of\n"
        "                              the sub-Earth point (IAU rotation models, the planet as the\n"
        "                              light left it): Mars, System III of Jupiter and Saturn\n"
        "  cm_i_deg, cm_ii_deg         Jupiter's Systems I and II (empty for other planets)\n"
        "  sub_earth_lat_deg           planetocentric latitude of the sub-Earth point, degrees\n"
        "                              (cm_deg and this column are empty for Uranus, Neptune, Pluto)\n"
        "Numbers have 17 significant digits; an empty CSV field is null in JSON.\n"
        "\n"
        "Columns of --events (JSON keys), rows by instant, then by satellite:\n"
        "  instant                     the first (for a start) or last (for an end) whole second\n"
        "                              at which the phenomenon holds, YYYY-MM-DDTHH:MM:SS\n"
        "  jd                          its Julian Day\n"
        "  planet, index, name         the planet, the satellite's number and name\n"
        "  event                       transit_start, transit_end (the satellite before the\n"
        "                              globe), shadow_start, shadow_end (its shadow on the side of\n"
        "                              the globe that faces the Earth), occultation_start,\n"
        "                              occultation_end (hidden behind the globe), eclipse_start,\n"
        "                              eclipse_end (in the globe's shadow), for the satellite's\n"
        "                              and the shadow's centres; Saturn's rings neither hide nor\n"
        "                              shadow anything; grs_transit (with --grs-longitude: the\n"
        "                              Great Red Spot on the System II central meridian, index 0,\n"
        "                              name Tache rouge)\n"
        "  visible                     0 for an occultation start or end while the satellite is\n"
        "                              eclipsed, or an eclipse start or end while it is occulted;\n"
        "                              1 otherwise\n"
        "A phenomenon under way at --date has no start row; one under way at the end of the span\n"
        "has no end row.\n"
        "\n"
        "Exit status: 0 on success, 2 on a bad argument (one line on standard error).\n";
}

CalendarFields InstantOf(const EphemRequest& request, int i)
{
    if (request.StepSeconds == 0 || i == 0) return request.Start;
    return FieldsOfSeconds(SecondsOf(request.Start) + static_cast<std::int64_t>(i) * request.StepSeconds);
}

// YYYY-MM-DDTHH:MM:SS, digit by digit: snprintf's format parsing was a twentieth of a table run.
std::string FormatInstant(const CalendarFields& f)
{
    std::string text = "0000-00-00T00:00:00";
    const auto put = [&text](std::size_t end, int value, int width) {
        for (std::size_t i = end; width-- > 0; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
    };
    put(3, f.Year, 4);
    put(6, f.Month, 2);
    put(9, f.Day, 2);
    put(12, f.Hour, 2);
    put(15, f.Minute, 2);
    put(18, f.Second, 2);
    return text;
}

std::string PlanetName(PlanetId p) { return IsPlanetId(p) ? std::string(Planet(p).CommandName) : std::string(); }

EphemRow MakeRow(const EphemRequest& request, const CalendarFields& instant, double jd, int k,
                 const PlanetPlaces& places, const SatelliteRecord& record)
{
    const PlanetId p = request.Planet;
    const PlanetPlace& planet = places.Planet[p];
    const PlanetDescriptor& facts = Planet(p);

    EphemRow row;
    row.Instant = FormatInstant(instant);
    row.JD = jd;
    row.Planet = PlanetName(p);
    row.PlanetRaHours = Value(planet.RA);
    row.PlanetDecDegrees = Value(planet.Dec);
    row.PlanetDistanceKm = Value(planet.Distance);
    row.PlanetDiameterEqArcsec = Value(record.PlanetApparentDiameter[1]);
    row.PlanetDiameterPolArcsec = Value(record.PlanetApparentDiameter[2]);
    row.PlanetPolePaRad = Value(record.PlanetPolePA);
    if (facts.SignedPhaseAngle) row.PhaseAngleRad = Value(record.PhaseAngleSigned);
    if (facts.HasRings) {
        row.RingMajorArcsec = record.Rings.RingMajorAxis;
        row.RingMinorArcsec = record.Rings.RingMinorAxis;
        row.RingSide = record.Rings.RingSide;
    }
    row.Index = k;
    row.Name = SatelliteName(p, k);
    row.SatOffsetX = Value(record.SatOffsetX[k]);
    row.SatOffsetY = Value(record.SatOffsetY[k]);
    row.SatDistance = Value(record.SatDistance[k]);
    row.SatApparentDiameter = Value(record.SatApparentDiameter[k]);
    if (facts.RecordsMagnitudes) row.SatMagnitude = Value(record.SatMagnitude[k]);
    row.SatFarSide = record.SatFarSide[k];
    if (facts.ComputesShadows) {
        row.SatShadowX = Value(record.SatShadowX[k]);
        row.SatShadowY = Value(record.SatShadowY[k]);
    }
    if (!(facts.Polar == PolarPair::FromEquatorOffsetAndDepth && request.ViewMode == ViewMode::Polar && request.Orientation == Orientation::South)) {
        row.SatPolarX = Value(record.SatPolarX[k]);
        row.SatPolarY = Value(record.SatPolarY[k]);
    }
    row.CentralMeridianDeg = Value(record.Meridians.Main);
    row.CentralMeridianIDeg = Value(record.Meridians.SystemI);
    row.CentralMeridianIIDeg = Value(record.Meridians.SystemII);
    row.SubEarthLatitudeDeg = Value(record.Meridians.SubEarthLatitude);
    return row;
}

std::string CsvHeader()
{
    HeaderWriter header;
    VisitColumns(EphemRow{}, header);
    return header.text;
}

std::string FormatRow(const EphemRow& row, OutputFormat format)
{
    LineWriter line(format);
    VisitColumns(row, line);
    return line.Finish();
}

namespace {

// One instant's planet columns as text, before and after a satellite's.
struct PlanetColumnsText {
    std::string Head, Tail;
};

PlanetColumnsText FormatPlanetColumns(const EphemRow& row, OutputFormat format)
{
    LineWriter head(format);
    VisitPlanetHead(row, head);
    LineWriter tail(format, LineWriter::Continues);
    VisitPlanetTail(row, tail);
    return {head.Text(), tail.Finish()};
}

std::string FormatSatelliteColumns(const EphemRow& row, OutputFormat format)
{
    LineWriter satellite(format, LineWriter::Continues);
    VisitSatellite(row, satellite);
    return satellite.Text();
}

}  // namespace

CalendarFields LastEventInstant(const EphemRequest& request)
{
    return FieldsOfSeconds(SecondsOf(request.Start) + std::int64_t{request.Days} * SecondsPerDay - 1);
}

std::string EventsCsvHeader()
{
    HeaderWriter header;
    VisitEventColumns(Jupiter, Phenomenon{}, header);
    return header.text;
}

std::string FormatEvent(PlanetId planet, const Phenomenon& event, OutputFormat format)
{
    LineWriter line(format);
    VisitEventColumns(planet, event, line);
    return line.Finish();
}

void RunEphemeris(const EphemRequest& request, std::ostream& out)
{
    if (request.Events) {
        RunEvents(request, out);
        return;
    }
    if (request.Format == OutputFormat::Csv) out << CsvHeader() << '\n';
    // The program's own state lives as long as the run: the theories overwrite the record in
    // place, as they do in the program.
    PlanetPlaces places;
    SatelliteRecord record;
    const int satellites = Planet(request.Planet).SatelliteCount;
    for (int i = 0; i < request.Count; ++i) {
        const CalendarFields instant = InstantOf(request, i);
        TheoryInput in;
        in.JD = JulianDayFromCalendar(instant);
        in.Year = instant.Year;
        in.ViewMode = request.ViewMode;
        in.Orientation = request.Orientation;
        RunSatelliteTheory(request.Planet, in, places, record);
        const double jd = static_cast<double>(in.JD);
        // The same line as FormatRow, the planet's columns formatted once for the instant.
        const PlanetColumnsText planet = FormatPlanetColumns(MakeRow(request, instant, jd, 1, places, record), request.Format);
        for (int k = 1; k <= satellites; ++k) {
            out << planet.Head << FormatSatelliteColumns(MakeRow(request, instant, jd, k, places, record), request.Format)
                << planet.Tail << '\n';
        }
    }
}

}  // namespace vireon::ephem
