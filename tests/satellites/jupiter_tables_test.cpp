// The generated series of the Galilean satellites: they reproduce byte for byte from the data,
// the generator refuses malformed arguments, and the largest term of every series is the one
// Lieske's E5 theory has (Lieske 1998, as listed in data/README.md).
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "satellites/jupiter_satellites.h"

// The generator is a host program; its functions are compiled in here under their own namespace.
#define main GenerateGalileanTablesMain
#include "tools/generate_galilean_tables.cpp"
#undef main

namespace vireon {
namespace {

// The multipliers of all the fundamental arguments in a term, zero where it has no factor.
using Multipliers = std::array<int, GalileanArgumentCount>;
Multipliers MultipliersOf(const GalileanTerm& term)
{
    Multipliers m{};
    for (int f = 0; f < term.FactorCount; ++f) m[term.Factors[f].Argument] = term.Factors[f].Multiplier;
    return m;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(GalileanTables, RegenerateByteForByte)
{
    std::ifstream data(VIREON_SOURCE_DIR "/data/galilean_series.csv", std::ios::binary);
    ASSERT_TRUE(data);
    std::string error;
    const std::string generated = galilean_generator::Generate(data, error);
    ASSERT_EQ(error, "");
    const std::string committed = ReadFile(VIREON_SOURCE_DIR "/satellites/jupiter_satellites_tables.cpp");
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(generated == committed) << "satellites/jupiter_satellites_tables.cpp differs from what "
                                           "tools/generate_galilean_tables.cpp makes of data/galilean_series.csv";
}

TEST(GalileanTables, GeneratorParsesOnlyLinearCombinationsOfKnownNames)
{
    using galilean_generator::ParseArgument;
    const auto ok = ParseArgument("5*Gp-2*G+phi2");
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ((*ok)[ArgGp], 5);
    EXPECT_EQ((*ok)[ArgG], -2);
    EXPECT_EQ((*ok)[ArgPhi2], 1);
    EXPECT_EQ((*ok)[ArgPhiLambda], 0) << "phi and phi2 are different names";
    const auto repeated = ParseArgument("l2+psi-2*PIj-2*G-G");
    ASSERT_TRUE(repeated.has_value());
    EXPECT_EQ((*repeated)[ArgG], -3);
    for (const char* bad : {"", "2*(l1-l2)", "l1l2", "3*", "l1 - l2", "2l1", "l5", "+", "l1--l2", "200*l1"}) {
        EXPECT_FALSE(ParseArgument(bad).has_value()) << '"' << bad << '"';
    }
    std::istringstream wrongHeader("satellite,group,coef,argument\n");
    std::string error;
    EXPECT_EQ(galilean_generator::Generate(wrongHeader, error), "");
    EXPECT_NE(error, "");
    std::istringstream badGroup("satellite,group,coefficient,argument\n1,longitud,5,l1\n");
    EXPECT_EQ(galilean_generator::Generate(badGroup, error), "");
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    // Nor does it write a term beyond the room of a generated term (1..6 angles, |m| <= 7).
    for (const char* argument : {"8*l1-8*l2", "l1-l1", "l1-l2+pi1-pi2+om1-om2+psi"}) {
        std::istringstream data(std::string("satellite,group,coefficient,argument\n1,radius,5,") + argument + "\n");
        EXPECT_EQ(galilean_generator::Generate(data, error), "") << argument;
        EXPECT_NE(error.find("line 2"), std::string::npos) << argument << ": " << error;
    }
}

// The largest term of each series: satellite, series, coefficient and argument.
struct LargestTerm {
    int k;
    const char* series;
    std::int32_t coefficient;
    Multipliers multiplier;
};

Multipliers Arg(std::initializer_list<std::pair<GalileanArgument, int>> parts)
{
    Multipliers m{};
    for (const auto& [index, factor] : parts) m[index] = factor;
    return m;
}

TEST(GalileanTables, LargestTermOfEachSeries)
{
    const LargestTerm rows[] = {
        {1, "longitude", 82483, Arg({{ArgL1, 2}, {ArgL2, -2}})},
        {2, "longitude", -185835, Arg({{ArgL1, 1}, {ArgL2, -1}})},
        {3, "longitude", 28780, Arg({{ArgL3, 1}, {ArgPi3, -1}})},
        {4, "longitude", 147108, Arg({{ArgL4, 1}, {ArgPi4, -1}})},
        {1, "latitude", 6393, Arg({{ArgL1, 1}, {ArgOmega1, -1}})},
        {2, "latitude", 81004, Arg({{ArgL2, 1}, {ArgOmega2, -1}})},
        {3, "latitude", 32402, Arg({{ArgL3, 1}, {ArgOmega3, -1}})},
        {4, "latitude", -76579, Arg({{ArgL4, 1}, {ArgPsi, -1}})},
        {1, "radius", -41339, Arg({{ArgL1, 2}, {ArgL2, -2}})},
        {2, "radius", 93848, Arg({{ArgL1, 1}, {ArgL2, -1}})},
        {3, "radius", -14388, Arg({{ArgL3, 1}, {ArgPi3, -1}})},
        {4, "radius", -73546, Arg({{ArgL4, 1}, {ArgPi4, -1}})},
    };
    for (const LargestTerm& row : rows) {
        const GalileanSatelliteSeries& s = GalileanSeries[row.k];
        const std::string series = row.series;
        const std::span<const GalileanTerm> terms =
            series == "longitude" ? s.Longitude : (series == "latitude" ? s.Latitude : s.Radius);
        const GalileanTerm* largest = &terms.front();
        for (const GalileanTerm& t : terms) {
            if (std::abs(t.Coefficient) > std::abs(largest->Coefficient)) largest = &t;
        }
        EXPECT_EQ(largest->Coefficient, row.coefficient) << row.k << ' ' << series;
        EXPECT_EQ(MultipliersOf(*largest), row.multiplier) << row.k << ' ' << series;
    }
    // Callisto's second latitude term, on its own node.
    bool found = false;
    for (const GalileanTerm& t : GalileanSeries[4].Latitude) {
        found |= t.Coefficient == 44134 && MultipliersOf(t) == Arg({{ArgL4, 1}, {ArgOmega4, -1}});
    }
    EXPECT_TRUE(found);
}

TEST(GalileanTables, EveryTermObeysDAlembertsRule)
{
    // The multipliers of the longitudes in a term's argument (mean longitudes, perijoves, nodes,
    // psi, Jupiter's perihelion) sum to zero: the argument does not change when the origin of
    // longitudes turns. The libration angle, the mean anomalies and the fixed phases are not
    // longitudes. A slip in a transcribed argument almost always breaks this.
    for (int k = 1; k <= 4; ++k) {
        const GalileanSatelliteSeries& s = GalileanSeries[k];
        for (int group = 0; group < 3; ++group) {
            const std::span<const GalileanTerm> terms = group == 0 ? s.Longitude : (group == 1 ? s.Latitude : s.Radius);
            for (const GalileanTerm& t : terms) {
                const Multipliers m = MultipliersOf(t);
                int sum = 0;
                for (int j = ArgL1; j <= ArgPiJ; ++j) {
                    if (j != ArgPhiLambda) sum += m[j];
                }
                EXPECT_EQ(sum, 0)
                    << "satellite " << k << " group " << group << " coefficient " << t.Coefficient;
            }
        }
    }
}

}  // namespace
}  // namespace vireon
