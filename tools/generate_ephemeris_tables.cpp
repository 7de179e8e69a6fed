// Writes the C++ tables of the planetary theories from the raw data kept in data/:
//   data/vsop87d.csv         -> ephemeris/vsop87d_<body>.cpp (one file per body)
//   data/nutation_iau1980.csv -> ephemeris/nutation_iau1980.cpp
//
// Usage: generate_ephemeris_tables <data directory> <output directory>
// From the source tree: build/generate_ephemeris_tables data ephemeris
//
// VSOP87D (Bretagnon & Francou 1988): the angles (amplitude of L and B, phase, frequency) are
// converted from radians to arcseconds by 648000/pi; each sub-series is sorted by decreasing
// amplitude and keeps its periodic terms of at least 0.1" (L, B) or of at least 0.1" in radians
// times the mean distance, the constant of R's T^0 sub-series (R); zero-frequency terms are the
// sub-series constant (phase 0 adds the amplitude, phase pi subtracts it), replaced by 0 when it
// is below the same limit. Every value is written at full extended precision with an L suffix.
// Each term also carries cos(F d) and sin(F d), d = 1 day = 1/365250 Julian millennium, as 64-bit
// values: the apparent places evaluate each series one day before and after an instant by angle
// addition from the terms' cosines and sines at the instant. Each coordinate's terms are also
// declared in 64-bit columns (CoordinateTerms64Storage), which the compiler fills from the table;
// the nutation's columns likewise. The program prints the number of terms it kept.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "tools/csv_fields.h"

namespace {

using Extended = long double;

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ArcsecPerRadian = 648000 / Pi;
constexpr Extended AngularLimitArcsec = 0.1L;
constexpr Extended AngularLimitRadians = AngularLimitArcsec / ArcsecPerRadian;  // 4.848e-7
constexpr Extended DaysPerJulianMillennium = 365250;

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << "generate_ephemeris_tables: " << message << "\n";
    std::exit(1);
}

// Rows of a CSV file after its header line, each checked for the expected number of fields.
std::vector<std::vector<std::string>> ReadCsv(const std::string& path, std::size_t fieldCount)
{
    std::ifstream in(path);
    if (!in) Fail("cannot read " + path);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.size() != fieldCount) Fail(path + ": bad line: " + line);
        rows.push_back(std::move(fields));
    }
    return rows;
}

// Decimal text read straight into the target type (no double rounding through another type).
template <typename Real>
Real ParseReal(const std::string& text)
{
    char* end = nullptr;
    Real value;
    if constexpr (std::is_same_v<Real, float>)
        value = std::strtof(text.c_str(), &end);
    else if constexpr (std::is_same_v<Real, double>)
        value = std::strtod(text.c_str(), &end);
    else
        value = std::strtold(text.c_str(), &end);
    if (text.empty() || *end != '\0') Fail("not a number: '" + text + "'");
    return value;
}

Extended ParseExtended(const std::string& text) { return ParseReal<Extended>(text); }

int ParseInt(const std::string& text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) Fail("not an integer: '" + text + "'");
    return value;
}

// Shortest text that reads back to the same value, written as a floating literal.
template <typename Real>
std::string FloatingText(Real value, std::chars_format format = std::chars_format::general)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

std::string ExtendedLiteral(Extended value) { return FloatingText(value) + "L"; }

std::string DoubleLiteral(Extended value) { return FloatingText(static_cast<double>(value)); }

// --- VSOP87D ---

struct RawTerm {
    Extended amplitude;  // radians (L, B) or au (R)
    Extended phase;      // radians
    Extended frequency;  // radians per Julian millennium
};

struct KeptSubSeries {
    Extended constant = 0;           // arcseconds (L, B) or au (R)
    std::vector<RawTerm> terms;      // converted to arcseconds, largest amplitude first
};

using SubSeriesKey = std::tuple<std::string, char, int>;  // body, coordinate, power

struct BodyName {
    const char* csv;        // name in the data
    const char* file;       // lower-case name of the generated file
    const char* identifier; // name in the tables
};

constexpr BodyName Bodies[] = {
    {"earth", "earth", "Earth"},       {"mars", "mars", "Mars"},       {"jupiter", "jupiter", "Jupiter"},
    {"saturn", "saturn", "Saturn"},    {"uranus", "uranus", "Uranus"}, {"neptune", "neptune", "Neptune"},
};

// Sum of the zero-frequency terms: phase 0 adds the amplitude, phase pi subtracts it.
Extended ZeroFrequencyConstant(const std::vector<RawTerm>& terms)
{
    Extended constant = 0;
    for (const RawTerm& t : terms) {
        if (t.frequency != 0) continue;
        if (std::fabs(t.phase) < 1e-9L)
            constant += t.amplitude;
        else if (std::fabs(t.phase - Pi) < 1e-9L)
            constant -= t.amplitude;
        else
            Fail("zero-frequency term with a phase other than 0 or pi");
    }
    return constant;
}

// Applies the truncation rule to one sub-series. `limit` is in the unit of the stored amplitude
// (arcseconds for L and B, au for R).
KeptSubSeries Truncate(const std::vector<RawTerm>& fileOrder, char coordinate, Extended limit)
{
    const Extended scale = coordinate == 'R' ? 1 : ArcsecPerRadian;
    KeptSubSeries kept;
    kept.constant = ZeroFrequencyConstant(fileOrder) * scale;
    if (std::fabs(kept.constant) < limit) kept.constant = 0;

    // The data run by increasing amplitude; reversing first keeps the published order of
    // terms of equal amplitude once sorted.
    std::vector<RawTerm> terms(fileOrder.rbegin(), fileOrder.rend());
    std::stable_sort(terms.begin(), terms.end(),
                     [](const RawTerm& a, const RawTerm& b) { return a.amplitude > b.amplitude; });
    for (const RawTerm& t : terms) {
        if (t.frequency == 0) continue;
        const Extended amplitude = t.amplitude * scale;
        if (amplitude < limit) continue;
        kept.terms.push_back({amplitude, t.phase * ArcsecPerRadian, t.frequency * ArcsecPerRadian});
    }
    return kept;
}

std::map<SubSeriesKey, std::vector<RawTerm>> ReadVsop87(const std::string& path)
{
    std::map<SubSeriesKey, std::vector<RawTerm>> series;
    for (const auto& f : ReadCsv(path, 6)) {
        if (f[1].size() != 1 || std::string("LBR").find(f[1][0]) == std::string::npos) Fail("bad coordinate " + f[1]);
        series[{f[0], f[1][0], ParseInt(f[2])}].push_back(
            {ParseExtended(f[3]), ParseExtended(f[4]), ParseExtended(f[5])});
    }
    return series;
}

const char* const GeneratedHeader = "// generated by tools/generate_ephemeris_tables.cpp from data/";

void WriteVsop87Body(const BodyName& body, const std::map<SubSeriesKey, std::vector<RawTerm>>& raw,
                     const std::string& outputDir)
{
    const auto r0 = raw.find({body.csv, 'R', 0});
    if (r0 == raw.end()) Fail(std::string("no R series for ") + body.csv);
    const Extended meanDistance = ZeroFrequencyConstant(r0->second);

    std::ostringstream code;
    code << GeneratedHeader << "vsop87d.csv - do not edit.\n"
         << "//\n"
         << "// VSOP87D (Bretagnon & Francou 1988), " << body.identifier
         << ": heliocentric L, B, R, mean ecliptic and equinox of\n"
         << "// the date. Terms A cos(P + F T), T in Julian millennia from J2000.0; A in arcseconds (L, B)\n"
         << "// or au (R), P in arcseconds, F in arcseconds per millennium; then cos(F d) and sin(F d),\n"
         << "// d = 1 day. Kept: periodic terms of at least 0.1\" (L, B) or 0.1\" in radians times the mean\n"
         << "// distance " << FloatingText(meanDistance) << " au (R).\n"
         << "#include <iterator>\n\n"
         << "#include \"ephemeris/vsop87d.h\"\n\n"
         << "namespace vireon {\n"
         << "namespace {\n";

    std::ostringstream counts;
    counts << body.csv << ":";
    std::string subSeriesLists;
    for (const char coordinate : {'L', 'B', 'R'}) {
        const Extended limit = coordinate == 'R' ? AngularLimitRadians * meanDistance : AngularLimitArcsec;
        std::vector<KeptSubSeries> powers;
        for (int power = 0; power <= 5; ++power) {
            const auto it = raw.find({body.csv, coordinate, power});
            powers.push_back(it == raw.end() ? KeptSubSeries{} : Truncate(it->second, coordinate, limit));
        }
        while (!powers.empty() && powers.back().terms.empty() && powers.back().constant == 0) powers.pop_back();
        if (powers.empty()) Fail(std::string("nothing kept for ") + body.csv + " " + coordinate);

        counts << " " << coordinate << " ";
        std::ostringstream list;
        list << "constexpr SubSeries " << body.identifier << coordinate << "[] = {\n";
        for (std::size_t n = 0; n < powers.size(); ++n) {
            const std::string name = std::string(body.identifier) + coordinate + std::to_string(n);
            counts << (n ? "/" : "") << powers[n].terms.size();
            if (powers[n].terms.empty()) {
                list << "    {" << ExtendedLiteral(powers[n].constant) << ", {}},\n";
                continue;
            }
            code << "\nconstexpr SeriesTerm " << name << "[] = {\n";
            for (const RawTerm& t : powers[n].terms) {
                const Extended dayStepRadians = t.frequency / ArcsecPerRadian / DaysPerJulianMillennium;
                code << "    {" << ExtendedLiteral(t.amplitude) << ", " << ExtendedLiteral(t.phase) << ", "
                     << ExtendedLiteral(t.frequency) << ", " << DoubleLiteral(std::cos(dayStepRadians)) << ", "
                     << DoubleLiteral(std::sin(dayStepRadians)) << "},\n";
            }
            code << "};\n"
                 << "static_assert(std::size(" << name << ") == " << powers[n].terms.size() << ");\n";
            list << "    {" << ExtendedLiteral(powers[n].constant) << ", " << name << "},\n";
        }
        list << "};\n";
        subSeriesLists += "\n" + list.str();
    }
    // The terms in 64-bit form, filled by the compiler from the tables above.
    std::ostringstream terms64;
    for (const char coordinate : {'L', 'B', 'R'}) {
        const std::string name = std::string(body.identifier) + coordinate;
        terms64 << "constinit const CoordinateTerms64Storage<TermCount(" << name << ")> " << name << "64(" << name << ");\n";
    }
    const std::string id = body.identifier;
    code << subSeriesLists << "\n"
         << terms64.str() << "\n"
         << "}  // namespace\n\n"
         << "constinit const PlanetSeries " << id << "Vsop87 = {" << id << "L, " << id << "B, " << id << "R, " << id
         << "L64.View(), " << id << "B64.View(), " << id << "R64.View()};\n\n"
         << "}  // namespace vireon\n";

    const std::string path = outputDir + "/vsop87d_" + body.file + ".cpp";
    std::ofstream out(path, std::ios::binary);
    out << code.str();
    if (!out) Fail("cannot write " + path);
    std::cout << counts.str() << "\n";
}

// --- Nutation, IAU 1980 (Meeus Table 22.A) ---

void WriteNutation(const std::string& dataDir, const std::string& outputDir)
{
    const auto rows = ReadCsv(dataDir + "/nutation_iau1980.csv", 9);
    std::ostringstream code;
    code << GeneratedHeader << "nutation_iau1980.csv - do not edit.\n"
         << "//\n"
         << "// IAU 1980 theory of nutation, 63-term form (Meeus, Astronomical Algorithms, Table 22.A):\n"
         << "// multipliers of D, M, M', F, Omega; delta psi sin coefficient and its rate per century;\n"
         << "// delta epsilon cos coefficient and its rate per century; units of 0.0001\".\n"
         << "#include <iterator>\n\n"
         << "#include \"ephemeris/nutation.h\"\n\n"
         << "namespace vireon {\n"
         << "namespace {\n\n"
         << "constexpr NutationTerm Terms[] = {\n";
    for (const auto& f : rows) {
        code << "    {" << ParseInt(f[0]) << ", " << ParseInt(f[1]) << ", " << ParseInt(f[2]) << ", " << ParseInt(f[3])
             << ", " << ParseInt(f[4]);
        for (int c = 5; c < 9; ++c) code << ", " << FloatingText(ParseReal<double>(f[c].empty() ? "0" : f[c]));
        code << "},\n";
    }
    code << "};\n"
         << "static_assert(std::size(Terms) == " << rows.size() << ");\n\n"
         << "constinit const NutationColumnsStorage<std::size(Terms)> Columns(Terms);\n\n"
         << "}  // namespace\n\n"
         << "constinit const std::span<const NutationTerm> NutationTable = Terms;\n"
         << "constinit const NutationColumns NutationTableColumns = Columns.View();\n\n"
         << "}  // namespace vireon\n";
    const std::string path = outputDir + "/nutation_iau1980.cpp";
    std::ofstream out(path, std::ios::binary);
    out << code.str();
    if (!out) Fail("cannot write " + path);
    std::cout << "nutation: " << rows.size() << " terms\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: generate_ephemeris_tables <data directory> <output directory>\n";
        return 2;
    }
    const std::string dataDir = argv[1];
    const std::string outputDir = argv[2];

    const auto raw = ReadVsop87(dataDir + "/vsop87d.csv");
    std::cout << "VSOP87D periodic terms kept per sub-series T^0/T^1/...:\n";
    for (const BodyName& body : Bodies) WriteVsop87Body(body, raw, outputDir);
    WriteNutation(dataDir, outputDir);
    return 0;
}
