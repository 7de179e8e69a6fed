// Writes satellites/jupiter_satellites_tables.cpp from data/galilean_series.csv: the periodic
// terms of Lieske's E5 theory of the Galilean satellites (Lieske 1998, A&AS 129, 205) as
// constexpr arrays of {coefficient, number of factors, factors}, in the order of the data, one
// array per satellite and series. The factors are the non-zero multipliers of the fundamental
// arguments, {argument, multiplier}, in the order of the arguments; the largest multiplier of
// each argument over all the series follows the tables.
//
// Usage: generate_galilean_tables DATA.csv [OUTPUT.cpp]   (standard output without OUTPUT)
//
// The argument of each term is a linear combination such as "5*Gp-2*G+phi2"; the names are
// those of the data file (l1..l4, pi1..pi4, om1..om4, phi, psi, PIj, G, Gp, phi1..phi4).
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace galilean_generator {

constexpr int ArgumentCount = 21;
// The room of a generated term (GalileanMaxFactors, GalileanMaxMultiplier).
constexpr int MaxFactors = 6;
constexpr int MaxMultiplier = 7;

// In the order of the fundamental arguments (GalileanArgument): the names of the data and
// those of the enumeration.
constexpr std::array<std::string_view, ArgumentCount> ArgumentNames = {
    "l1", "l2", "l3", "l4", "pi1", "pi2", "pi3", "pi4", "om1", "om2", "om3",
    "om4", "phi", "psi", "PIj", "G", "Gp", "phi1", "phi2", "phi3", "phi4",
};
constexpr std::array<std::string_view, ArgumentCount> EnumNames = {
    "ArgL1",     "ArgL2",     "ArgL3",     "ArgL4",        "ArgPi1", "ArgPi2", "ArgPi3",
    "ArgPi4",    "ArgOmega1", "ArgOmega2", "ArgOmega3",    "ArgOmega4", "ArgPhiLambda", "ArgPsi",
    "ArgPiJ",    "ArgG",      "ArgGp",     "ArgPhi1",      "ArgPhi2", "ArgPhi3", "ArgPhi4",
};

constexpr std::array<std::string_view, 5> SatelliteNames = {"", "Io", "Europe", "Ganymede", "Callisto"};
constexpr std::array<std::string_view, 3> GroupNames = {"longitude", "latitude", "radius"};
constexpr std::array<std::string_view, 3> GroupTitles = {"Longitude", "Latitude", "Radius"};

struct Term {
    long Coefficient = 0;
    std::array<int, ArgumentCount> Multiplier{};
    std::string Argument;  // as written in the data
    int Line = 0;
};

int IndexOf(std::string_view name)
{
    for (int i = 0; i < ArgumentCount; ++i)
        if (ArgumentNames[i] == name) return i;
    return -1;
}

// Parses "2*psi-2*PIj-2*G" into multipliers; an empty optional on a malformed text.
std::optional<std::array<int, ArgumentCount>> ParseArgument(std::string_view text)
{
    std::array<int, ArgumentCount> m{};
    std::size_t i = 0;
    bool first = true;
    while (i < text.size()) {
        int sign = 1;
        if (text[i] == '+' || text[i] == '-') {
            sign = text[i] == '-' ? -1 : 1;
            ++i;
        } else if (!first) {
            return std::nullopt;
        }
        first = false;
        int factor = 1;
        if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            const auto r = std::from_chars(text.data() + i, text.data() + text.size(), factor);
            if (r.ec != std::errc() || r.ptr == text.data() + text.size() || *r.ptr != '*') return std::nullopt;
            i = static_cast<std::size_t>(r.ptr - text.data()) + 1;
        }
        const std::size_t start = i;
        while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]))) ++i;
        const int index = IndexOf(text.substr(start, i - start));
        if (index < 0) return std::nullopt;
        m[index] += sign * factor;
        if (m[index] < -127 || m[index] > 127) return std::nullopt;
    }
    if (first) return std::nullopt;
    return m;
}

std::vector<std::string_view> SplitCsv(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ',') {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

// terms[satellite][group]; returns an error text, empty on success.
using TermTable = std::array<std::array<std::vector<Term>, 3>, 5>;

std::string ReadTerms(std::istream& in, TermTable& terms)
{
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNumber == 1) {
            if (line != "satellite,group,coefficient,argument") return "unexpected header: " + line;
            continue;
        }
        if (line.empty()) continue;
        const std::vector<std::string_view> f = SplitCsv(line);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (f.size() != 4) return where + "expected 4 fields";
        int satellite = 0;
        if (f[0].size() != 1 || f[0][0] < '1' || f[0][0] > '4') return where + "satellite must be 1..4";
        satellite = f[0][0] - '0';
        int group = -1;
        for (int g = 0; g < 3; ++g)
            if (GroupNames[g] == f[1]) group = g;
        if (group < 0) return where + "unknown group";
        Term term;
        const auto r = std::from_chars(f[2].data(), f[2].data() + f[2].size(), term.Coefficient);
        if (r.ec != std::errc() || r.ptr != f[2].data() + f[2].size()) return where + "bad coefficient";
        const auto m = ParseArgument(f[3]);
        if (!m) return where + "bad argument";
        int factors = 0;
        for (const int multiplier : *m) {
            if (multiplier != 0) ++factors;
            if (multiplier < -MaxMultiplier || multiplier > MaxMultiplier) return where + "multiplier beyond 7";
        }
        if (factors == 0) return where + "argument without an angle";
        if (factors > MaxFactors) return where + "more than 6 angles in the argument";
        term.Multiplier = *m;
        term.Argument = std::string(f[3]);
        term.Line = lineNumber;
        terms[satellite][group].push_back(term);
    }
    return {};
}

std::string ArrayName(int satellite, int group)
{
    return std::string(SatelliteNames[satellite]) + std::string(GroupTitles[group]) + "Terms";
}

std::string WriteTables(const TermTable& terms)
{
    std::ostringstream out;
    out << "// generated by tools/generate_galilean_tables.cpp from data/galilean_series.csv - do not edit\n"
           "//\n"
           "// Periodic terms of Lieske's E5 theory of the Galilean satellites (Lieske 1998, A&AS 129,\n"
           "// 205): coefficient in units of 1e-7 (radian for longitude and latitude, relative for the\n"
           "// radius), the number of factors, then each non-zero multiplier of l1..l4, pi1..pi4,\n"
           "// om1..om4, phi, psi, PIj, G, Gp, phi1..phi4 with its argument. Each row ends with the\n"
           "// argument as written in the data and its line there.\n"
           "#include \"satellites/jupiter_satellites.h\"\n"
           "\n"
           "namespace vireon {\n";
    for (int group = 0; group < 3; ++group) {
        for (int satellite = 1; satellite <= 4; ++satellite) {
            const std::vector<Term>& list = terms[satellite][group];
            out << "\nconstexpr GalileanTerm " << ArrayName(satellite, group) << '[' << list.size() << "] = {\n";
            for (const Term& t : list) {
                int factors = 0;
                for (const int multiplier : t.Multiplier) factors += multiplier != 0;
                out << "    {" << t.Coefficient << ", " << factors << ", {";
                const char* separator = "";
                for (int j = 0; j < ArgumentCount; ++j) {
                    if (t.Multiplier[j] == 0) continue;
                    out << separator << '{' << EnumNames[j] << ", " << t.Multiplier[j] << '}';
                    separator = ", ";
                }
                out << "}},  // " << t.Argument << " (line " << t.Line << ")\n";
            }
            out << "};\n";
        }
    }
    std::array<int, ArgumentCount> largest{};
    for (const auto& satellite : terms) {
        for (const auto& group : satellite) {
            for (const Term& t : group) {
                for (int j = 0; j < ArgumentCount; ++j) largest[j] = std::max(largest[j], std::abs(t.Multiplier[j]));
            }
        }
    }
    out << "\n// The largest multiplier of each fundamental argument in the series above.\n"
           "constexpr std::array<std::int8_t, GalileanArgumentCount> GalileanLargestMultiplier = {\n    ";
    for (int j = 0; j < ArgumentCount; ++j) out << (j ? ", " : "") << largest[j];
    out << ",\n};\n"
        << "static_assert(GalileanMaxFactors == " << MaxFactors << " && GalileanMaxMultiplier == " << MaxMultiplier
        << ", \"the room the generator leaves each term\");\n";
    out << "\nconstexpr GalileanSatelliteSeries GalileanSeries[5] = {\n    {},\n";
    for (int satellite = 1; satellite <= 4; ++satellite) {
        out << "    {" << ArrayName(satellite, 0) << ", " << ArrayName(satellite, 1) << ", "
            << ArrayName(satellite, 2) << "},\n";
    }
    out << "};\n\n}  // namespace vireon\n";
    return out.str();
}

// The whole generated file from the data, or an empty text and an error.
std::string Generate(std::istream& data, std::string& error)
{
    TermTable terms;
    error = ReadTerms(data, terms);
    if (!error.empty()) return {};
    for (int satellite = 1; satellite <= 4; ++satellite) {
        for (int group = 0; group < 3; ++group) {
            if (terms[satellite][group].empty()) {
                error = "no " + std::string(GroupNames[group]) + " terms for satellite " + std::to_string(satellite);
                return {};
            }
        }
    }
    return WriteTables(terms);
}

}  // namespace galilean_generator

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: generate_galilean_tables DATA.csv [OUTPUT.cpp]\n");
        return 2;
    }
    std::ifstream data(argv[1], std::ios::binary);
    if (!data) {
        std::fprintf(stderr, "generate_galilean_tables: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string error;
    const std::string text = galilean_generator::Generate(data, error);
    if (!error.empty()) {
        std::fprintf(stderr, "generate_galilean_tables: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (argc == 3) {
        std::ofstream out(argv[2], std::ios::binary);
        out << text;
        if (!out) {
            std::fprintf(stderr, "generate_galilean_tables: cannot write %s\n", argv[2]);
            return 1;
        }
    } else {
        std::cout << text;
    }
    std::fprintf(stderr, "generate_galilean_tables: %zu bytes written\n", text.size());
    return 0;
}
