// vireon-ephem's command line: the options, their checks and the one-line messages.
#include "ephem/ephem_cli.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string_view>

#include <CLI/CLI.hpp>

#include "core/input_parsing.h"
#include "core/instants.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"
#include "satellites/planet_descriptor.h"

namespace vireon::ephem {
namespace {

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
    else if (name == "ics") format = OutputFormat::Ics;
    else return "format " + Quoted(value) + " must be csv, json or ics";
    return std::nullopt;
}

std::optional<std::string> ParseRedSpotLongitude(std::string_view value, EphemRequest& request)
{
    request.RedSpotLongitude = ParseLongitudeDegrees(value);
    if (!request.RedSpotLongitude) return "Red Spot longitude " + Quoted(value) + " must be a number from 0 to 360";
    return std::nullopt;
}

std::optional<std::string> ParseTimeScale(std::string_view value, TimeScale& scale)
{
    const std::string name = Lower(value);
    if (name == "tt") scale.Kind = TimeScaleKind::Terrestrial;
    else if (name == "ut") scale.Kind = TimeScaleKind::Universal;
    else if (name == "local") scale.Kind = TimeScaleKind::Local;
    else return "time scale " + Quoted(value) + " must be tt, ut or local";
    return std::nullopt;
}

std::optional<std::string> ParseTimeZone(std::string_view value, std::string& zone)
{
    if (!IsKnownTimeZone(value)) return "unknown time zone " + Quoted(value) + " (an IANA name such as Europe/Paris)";
    zone = value;
    return std::nullopt;
}

// LAT,LON[,HEIGHT_M]: degrees north and east, metres above sea level (0 when left out).
std::optional<std::string> ParseSite(std::string_view value, std::optional<ObservingSite>& site)
{
    const std::string bad = "site " + Quoted(value) +
                            " must be LAT,LON[,HEIGHT_M] (latitude -90 to 90, longitude -180 to 180, height -500 to 9000)";
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = value.find(',', start);
        fields.push_back(value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (fields.size() < 2 || fields.size() > 3) return bad;
    const auto latitude = ParseDecimalWithin(fields[0], MinimumLatitudeDeg, MaximumLatitudeDeg);
    const auto longitude = ParseDecimalWithin(fields[1], MinimumLongitudeDeg, MaximumLongitudeDeg);
    const auto height = fields.size() == 3 ? ParseDecimalWithin(fields[2], MinimumHeightM, MaximumHeightM)
                                           : std::optional<double>(0);
    if (!latitude || !longitude || !height) return bad;
    site = ObservingSite{"", *latitude, *longitude, *height};
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
    AddValueOption(app, "--format", "csv|json|ics", [&r](std::string_view v) { return ParseFormat(v, r.Format); });
    app.add_flag("--events", r.Events)->multi_option_policy(CLI::MultiOptionPolicy::Throw)->disable_flag_override();
    app.add_flag("--mutual", r.Mutual)->multi_option_policy(CLI::MultiOptionPolicy::Throw)->disable_flag_override();
    AddValueOption(app, "--days", "N", [&r](std::string_view v) { return ParseDays(v, r.Days); });
    AddValueOption(app, "--grs-longitude", "L", [&r](std::string_view v) { return ParseRedSpotLongitude(v, r); });
    AddValueOption(app, "--time-scale", "tt|ut|local", [&r](std::string_view v) { return ParseTimeScale(v, r.Scale); });
    AddValueOption(app, "--time-zone", "ZONE", [&r](std::string_view v) { return ParseTimeZone(v, r.Scale.Zone); });
    AddValueOption(app, "--site", "LAT,LON[,HEIGHT_M]", [&r](std::string_view v) { return ParseSite(v, r.Site); });
    app.add_flag("--observable", r.ObservableOnly)->multi_option_policy(CLI::MultiOptionPolicy::Throw)->disable_flag_override();
}

// The checks of the clock and the site: a zone goes with local time (the system's when none is
// given), --date names a time that exists there, --observable needs a site.
std::optional<std::string> CheckClockAndSite(const CLI::App& app, EphemRequest& request)
{
    if (request.Scale.Kind != TimeScaleKind::Local) {
        if (app.count("--time-zone") > 0) return std::string("--time-zone goes with --time-scale local");
        request.Scale.Zone.clear();
    } else if (request.Scale.Zone.empty()) {
        request.Scale.Zone = SystemTimeZone();
    }
    if (request.ObservableOnly && !request.Site) return std::string("--observable needs --site");
    if (!TerrestrialFromReading(request.Scale, JulianDayFromCalendar(request.Start))) {
        return "no such local time " + FormatInstant(request.Start) + " in " + request.Scale.Zone +
               " (the clocks go forward over it)";
    }
    return std::nullopt;
}

// The options of a table of instants, which --events and --mutual do not take.
constexpr const char* InstantOptions[] = {"--step", "--count", "--view", "--orientation"};

// The checks of --events and --mutual: one of them, a planet that has them, a number of days,
// the whole span in range, none of the options of a table of instants.
std::optional<std::string> CheckEvents(const CLI::App& app, const EphemRequest& request)
{
    if (request.Events && request.Mutual) return std::string("--events and --mutual do not go together");
    if (!request.Events && !request.Mutual) {
        if (app.count("--days") > 0) return std::string("--days goes with --events or --mutual");
        if (app.count("--grs-longitude") > 0) return std::string("--grs-longitude goes with --events");
        if (request.Format == OutputFormat::Ics) return std::string("--format ics goes with --events or --mutual");
        return std::nullopt;
    }
    const std::string command = request.Events ? "--events" : "--mutual";
    for (const char* option : InstantOptions) {
        if (app.count(option) > 0) return std::string(option) + " does not go with " + command;
    }
    if (request.Mutual && app.count("--grs-longitude") > 0) return std::string("--grs-longitude goes with --events");
    if (request.Events && !HasPhenomena(request.Planet)) {
        return "no phenomena for " + PlanetName(request.Planet) + " in this version (--events takes jupiter or saturn)";
    }
    if (request.Mutual && !HasMutualEvents(request.Planet)) {
        return "no mutual events for " + PlanetName(request.Planet) +
               " in this version (--mutual takes jupiter or saturn)";
    }
    if (app.count("--days") == 0) return command + " needs --days";
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
    // On another clock than TT it is read there, Delta T and the zone's offset applied.
    const std::int64_t last = SecondsOf(request.Start) + (request.Count - 1) * request.StepSeconds;
    const bool outside =
        request.Scale.Kind == TimeScaleKind::Terrestrial
            ? last < FirstSupportedSecond() || last > LastSupportedSecond()
            : !IsWithinSupportedRange(ReadingFromTerrestrial(request.Scale, TerrestrialInstantOf(request, request.Count - 1)));
    if (outside) {
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
    if (auto error = CheckClockAndSite(app, request)) return Failure(*error);
    if (auto error = CheckEvents(app, request)) return Failure(*error);
    if (auto error = CheckSeries(request)) return Failure(*error);
    ParseResult result;
    result.Request = request;
    return result;
}

}  // namespace vireon::ephem
