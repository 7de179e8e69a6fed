// Writes satellites/uranus_satellites_tables.cpp from data/gust86_series.csv: the periodic
// series of GUST86 (Laskar & Jacobson 1987, A&A 188, 212) for the five major Uranian
// satellites, as compact tables of {amplitude, number of factors, factors}, the factors being
// the non-zero integer multipliers of l1..l5, E1..E5, N1..N5 as {argument, multiplier}; the
// largest multiplier of each argument over all the series follows the tables.
//
// Usage: generate_gust86_tables <gust86_series.csv> [<output.cpp>]   (standard output without
// the second argument). Prints the term counts it wrote on standard error. Exit status 1 on any
// malformed row, or on a term that does not fit the room of a term (at least one and at most
// three angles, multipliers up to 12); the amplitudes are copied digit for digit, with the L
// suffix of extended literals.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int SatelliteCount = 5;
constexpr int SeriesCount = 3;
constexpr int ArgumentCount = 15;
// The room of a generated term (Gust86MaxFactors, Gust86MaxMultiplier).
constexpr int MaxFactors = 3;
constexpr int MaxMultiplier = 12;
// In the order of Gust86Argument.
const std::array<const char*, ArgumentCount> ArgumentNames = {
    "Gust86l1", "Gust86l2", "Gust86l3", "Gust86l4", "Gust86l5", "Gust86E1", "Gust86E2", "Gust86E3",
    "Gust86E4", "Gust86E5", "Gust86N1", "Gust86N2", "Gust86N3", "Gust86N4", "Gust86N5",
};
const std::array<const char*, SatelliteCount> SatelliteNames = {"Miranda", "Ariel", "Umbriel", "Titania", "Oberon"};
const std::array<const char*, SeriesCount> SeriesKeys = {"lambda", "z", "zeta"};
const std::array<const char*, SeriesCount> SeriesNames = {"Lambda", "Z", "Zeta"};
const std::array<const char*, SeriesCount> SeriesMeaning = {
    "mean longitude, amplitude x sin(argument)",
    "eccentricity vector k + i h, amplitude x cos / sin(argument)",
    "inclination vector q + i p, amplitude x cos / sin(argument)",
};

struct Term {
    std::string Amplitude;             // as written in the data
    std::array<int, ArgumentCount> Multipliers{};  // l1..l5, E1..E5, N1..N5
    std::string Argument;
};

bool Fail(const std::string& message)
{
    std::cerr << "generate_gust86_tables: " << message << '\n';
    return false;
}

// "l1-3*l2+2*l3", "E3", "l3-2*l4+E5": a sum of optionally signed, optionally multiplied names.
bool ParseArgument(const std::string& text, std::array<int, ArgumentCount>& m)
{
    std::size_t i = 0;
    if (text.empty()) return false;
    while (i < text.size()) {
        int sign = 1;
        if (text[i] == '+' || text[i] == '-') {
            sign = text[i] == '-' ? -1 : 1;
            ++i;
        } else if (i != 0) {
            return false;
        }
        int factor = 1;
        if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            factor = 0;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') factor = factor * 10 + (text[i++] - '0');
            if (i >= text.size() || text[i] != '*') return false;
            ++i;
        }
        if (i + 2 > text.size()) return false;
        const char kind = text[i];
        const char digit = text[i + 1];
        if (digit < '1' || digit > '5') return false;
        int base = 0;
        if (kind == 'l') base = 0;
        else if (kind == 'E') base = 5;
        else if (kind == 'N') base = 10;
        else return false;
        m[base + (digit - '1')] += sign * factor;
        i += 2;
    }
    return true;
}

bool ReadData(const char* path, std::vector<Term> (&series)[SatelliteCount][SeriesCount])
{
    std::ifstream in(path);
    if (!in) return Fail(std::string("cannot read ") + path);
    std::string line;
    if (!std::getline(in, line) || line.rfind("satellite,series,amplitude,argument", 0) != 0)
        return Fail("unexpected header");
    int row = 1;
    while (std::getline(in, line)) {
        ++row;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::stringstream fields(line);
        std::string satellite, key, amplitude, argument;
        if (!std::getline(fields, satellite, ',') || !std::getline(fields, key, ',') ||
            !std::getline(fields, amplitude, ',') || !std::getline(fields, argument))
            return Fail("row " + std::to_string(row) + ": four fields expected");
        if (satellite.size() != 1 || satellite[0] < '1' || satellite[0] > '5')
            return Fail("row " + std::to_string(row) + ": satellite 1..5 expected");
        int s = -1;
        for (int j = 0; j < SeriesCount; ++j)
            if (key == SeriesKeys[j]) s = j;
        if (s < 0) return Fail("row " + std::to_string(row) + ": unknown series " + key);
        std::size_t used = 0;
        try {
            (void)std::stod(amplitude, &used);
        } catch (...) {
            used = 0;
        }
        if (used == 0 || used != amplitude.size()) return Fail("row " + std::to_string(row) + ": bad amplitude");
        Term term;
        term.Amplitude = amplitude;
        term.Argument = argument;
        if (!ParseArgument(argument, term.Multipliers))
            return Fail("row " + std::to_string(row) + ": bad argument " + argument);
        int factors = 0;
        for (const int m : term.Multipliers) {
            if (m != 0) ++factors;
            if (m < -MaxMultiplier || m > MaxMultiplier)
                return Fail("row " + std::to_string(row) + ": multiplier beyond 12 in " + argument);
        }
        if (factors == 0 || factors > MaxFactors)
            return Fail("row " + std::to_string(row) + ": one to three angles expected in " + argument);
        series[satellite[0] - '1'][s].push_back(term);
    }
    return true;
}

// {count, {{argument, multiplier}, ...}} of the non-zero multipliers, in the order of the arguments.
void WriteFactors(std::ostream& out, const std::array<int, ArgumentCount>& m)
{
    int count = 0;
    for (const int multiplier : m) count += multiplier != 0;
    out << count << ", {";
    const char* separator = "";
    for (int j = 0; j < ArgumentCount; ++j) {
        if (m[j] == 0) continue;
        out << separator << '{' << ArgumentNames[j] << ", " << m[j] << '}';
        separator = ", ";
    }
    out << '}';
}

void WriteTables(std::ostream& out, const std::vector<Term> (&series)[SatelliteCount][SeriesCount])
{
    out << "// generated by tools/generate_gust86_tables.cpp from data/gust86_series.csv - do not edit\n"
           "//\n"
           "// GUST86 periodic series of the five major Uranian satellites (Laskar & Jacobson 1987,\n"
           "// A&A 188, 212), in the order of the published routines. Amplitudes in 1e-6 rad; each term\n"
           "// gives the number of its factors, each non-zero integer multiplier of l1..l5, E1..E5, N1..N5\n"
           "// with its argument and, in its comment, its rank in the series and its argument.\n"
           "#include \"satellites/uranus_satellites_tables.h\"\n"
           "\n"
           "#include <iterator>\n"
           "\n"
           "namespace vireon {\n";
    for (int s = 0; s < SatelliteCount; ++s) {
        for (int j = 0; j < SeriesCount; ++j) {
            const std::vector<Term>& terms = series[s][j];
            const std::string name = std::string(SatelliteNames[s]) + SeriesNames[j] + "Terms";
            out << "\n// " << SatelliteNames[s] << ", " << SeriesMeaning[j] << ".\n";
            out << "const Gust86Term " << name << "[" << terms.size() << "] = {\n";
            int rank = 0;
            for (const Term& t : terms) {
                out << "    {" << t.Amplitude << "L, ";
                WriteFactors(out, t.Multipliers);
                out << "},  // " << ++rank << ": " << t.Argument << '\n';
            }
            out << "};\n";
            out << "static_assert(std::size(" << name << ") == " << terms.size() << ");\n";
        }
    }
    std::array<int, ArgumentCount> largest{};
    for (const auto& satellite : series)
        for (const auto& terms : satellite)
            for (const Term& t : terms)
                for (int j = 0; j < ArgumentCount; ++j) largest[j] = std::max(largest[j], std::abs(t.Multipliers[j]));
    out << "\n// The largest multiplier of each fundamental argument in the series above.\n"
           "const std::array<std::int8_t, Gust86ArgumentCount> Gust86LargestMultiplier = {\n    ";
    for (int j = 0; j < ArgumentCount; ++j) out << (j ? ", " : "") << largest[j];
    out << ",\n};\n"
        << "static_assert(Gust86MaxFactors == " << MaxFactors << " && Gust86MaxMultiplier == " << MaxMultiplier
        << ", \"the room the generator leaves each term\");\n";
    out << "\n}  // namespace vireon\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: generate_gust86_tables <gust86_series.csv> [<output.cpp>]\n";
        return 1;
    }
    std::vector<Term> series[SatelliteCount][SeriesCount];
    if (!ReadData(argv[1], series)) return 1;
    for (int s = 0; s < SatelliteCount; ++s)
        for (int j = 0; j < SeriesCount; ++j)
            if (series[s][j].empty()) {
                Fail(std::string("no ") + SeriesKeys[j] + " terms for " + SatelliteNames[s]);
                return 1;
            }

    std::ostringstream text;
    WriteTables(text, series);
    if (argc == 3) {
        std::ofstream out(argv[2], std::ios::binary);
        out << text.str();
        if (!out) {
            std::cerr << "generate_gust86_tables: cannot write " << argv[2] << '\n';
            return 1;
        }
    } else {
        std::cout << text.str();
    }
    for (int s = 0; s < SatelliteCount; ++s)
        std::cerr << SatelliteNames[s] << ": " << series[s][0].size() << " / " << series[s][1].size() << " / "
                  << series[s][2].size() << " terms (mean longitude / eccentricity / inclination)\n";
    return 0;
}
