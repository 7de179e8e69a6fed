// The generated tables: they reproduce byte for byte from data/, keep the term counts and
// constants of the truncated VSOP87D (Bretagnon & Francou 1988) and the published first rows of
// the nutation table (Meeus Table 22.A).
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "ephemeris/nutation.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(GeneratedTables, RegenerateByteForByteFromTheData)
{
    const fs::path generator = fs::path(VIREON_BINARY_DIR) / "generate_ephemeris_tables";
    ASSERT_TRUE(fs::exists(generator)) << generator;
    const fs::path out = fs::temp_directory_path() / ("vireon_tables_" + std::to_string(::getpid()));
    fs::create_directories(out);
    const std::string command = "\"" + generator.string() + "\" \"" + VIREON_SOURCE_DIR + "/data\" \"" +
                                out.string() + "\" > \"" + (out / "counts.txt").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const char* files[] = {"vsop87d_earth.cpp",  "vsop87d_mars.cpp",   "vsop87d_jupiter.cpp",
                           "vsop87d_saturn.cpp", "vsop87d_uranus.cpp", "vsop87d_neptune.cpp",
                           "nutation_iau1980.cpp"};
    for (const char* name : files) {
        const std::string committed = ReadFile(fs::path(VIREON_SOURCE_DIR) / "ephemeris" / name);
        const std::string regenerated = ReadFile(out / name);
        EXPECT_FALSE(regenerated.empty()) << name;
        EXPECT_TRUE(committed == regenerated) << name << " differs from what the generator writes now";
        EXPECT_NE(committed.substr(0, 200).find("do not edit"), std::string::npos) << name;
    }
    // The generator reports what it kept.
    EXPECT_NE(ReadFile(out / "counts.txt").find("jupiter: L 82/50/27/7/3/1 B 33/16/5/3 R 61/30/16/5"), std::string::npos);
    fs::remove_all(out);
}

// Periodic terms kept per sub-series (T^0, T^1, ...) by the truncation rule, exactly: Mars L1 keeps
// 35 (its next term is 0.09999"), Saturn R2 16 and R3 10, Uranus B2 3 and one B3 term; Neptune L
// has no periodic term in T^3 and T^4 but a constant in T^4.
struct CountRow {
    const char* name;
    const PlanetSeries* series;
    std::vector<std::size_t> L, B, R;
};

TEST(GeneratedTables, TermCountsFollowTheTruncationRule)
{
    const CountRow rows[] = {
        {"Earth", &EarthVsop87, {52, 11, 2, 1, 0}, {3}, {24, 2, 2, 1}},
        {"Mars", &MarsVsop87, {94, 35, 8, 3, 0}, {23, 6, 2, 1}, {57, 15, 4, 3}},
        {"Jupiter", &JupiterVsop87, {82, 50, 27, 7, 3, 1}, {33, 16, 5, 3}, {61, 30, 16, 5}},
        {"Saturn", &SaturnVsop87, {121, 56, 32, 13, 6, 1}, {42, 24, 13, 5, 1}, {79, 37, 16, 10, 3}},
        {"Uranus", &UranusVsop87, {117, 38, 10, 3, 0}, {32, 13, 3, 1}, {82, 24, 5, 1}},
        {"Neptune", &NeptuneVsop87, {46, 11, 3, 0, 0}, {19, 8, 3, 1}, {35, 7, 1}},
    };
    for (const CountRow& row : rows) {
        const std::pair<const char*, std::pair<std::span<const SubSeries>, const std::vector<std::size_t>*>> coords[] = {
            {"L", {row.series->L, &row.L}}, {"B", {row.series->B, &row.B}}, {"R", {row.series->R, &row.R}}};
        for (const auto& [coord, pair] : coords) {
            const auto& [series, want] = pair;
            ASSERT_EQ(series.size(), want->size()) << row.name << " " << coord << ": number of powers of T";
            for (std::size_t n = 0; n < series.size(); ++n)
                EXPECT_EQ(series[n].Terms.size(), (*want)[n]) << row.name << " " << coord << n;
        }
    }
}

// Sub-series constants (zero-frequency terms folded in; below 0.1" or 0.1" x mean distance they
// are 0). Published to 1e-6" (L, B) and 1e-11 au (R): the tolerance is half the last digit.
struct ConstantRow {
    const char* what;
    std::span<const SubSeries> series;
    std::size_t power;
    Extended want;
};

TEST(GeneratedTables, SubSeriesConstants)
{
    const ConstantRow rows[] = {
        {"Earth L0", EarthVsop87.L, 0, 361679.244017L},     {"Earth L1", EarthVsop87.L, 1, 1296027713.800282L},
        {"Earth L2", EarthVsop87.L, 2, 109.153005L},        {"Earth L3", EarthVsop87.L, 3, 0},
        {"Earth L4", EarthVsop87.L, 4, -0.235315L},         {"Earth B0", EarthVsop87.B, 0, 0},
        {"Earth R0", EarthVsop87.R, 0, 1.00013988799L},     {"Earth R1", EarthVsop87.R, 1, -0.00000702215L},
        {"Earth R2", EarthVsop87.R, 2, 0},                  {"Mars L0", MarsVsop87.L, 0, 1279559.005355L},
        {"Mars L1", MarsVsop87.L, 1, 689101072.209348L},    {"Mars B2", MarsVsop87.B, 2, -10.286011L},
        {"Mars R0", MarsVsop87.R, 0, 1.53033488276L},       {"Mars R1", MarsVsop87.R, 1, 0.000128772L},
        {"Jupiter L1", JupiterVsop87.L, 1, 109306900.408043L}, {"Jupiter L4", JupiterVsop87.L, 4, -0.235181L},
        {"Jupiter B0", JupiterVsop87.B, 0, 227.077664L},    {"Jupiter R2", JupiterVsop87.R, 2, -0.0000049792L},
        {"Saturn L2", SaturnVsop87.L, 2, 186.859931L},      {"Saturn B3", SaturnVsop87.B, 3, 0.821039L},
        {"Saturn R0", SaturnVsop87.R, 0, 9.55758135801L},   {"Saturn R2", SaturnVsop87.R, 2, 0.00002326801L},
        {"Saturn R3 (below the limit)", SaturnVsop87.R, 3, 0},
        {"Uranus L1", UranusVsop87.L, 1, 15475106.033468L}, {"Uranus B0", UranusVsop87.B, 0, -127.061602L},
        {"Uranus R0", UranusVsop87.R, 0, 19.21264847881L},  {"Uranus R2", UranusVsop87.R, 2, 0},
        {"Neptune L0", NeptuneVsop87.L, 0, 1095655.204761L}, {"Neptune L3", NeptuneVsop87.L, 3, 0},
        {"Neptune L4", NeptuneVsop87.L, 4, -0.235138L},     {"Neptune R1", NeptuneVsop87.R, 1, 0.00001603165L},
    };
    for (const ConstantRow& row : rows) {
        ASSERT_LT(row.power, row.series.size()) << row.what;
        const Extended got = row.series[row.power].Constant;
        const bool radius = std::string(row.what).find(" R") != std::string::npos;
        const Extended tolerance = radius ? 0.5e-11L : 0.5e-6L;
        EXPECT_NEAR(got, row.want, tolerance) << row.what << ": want " << row.want << " got " << got << " difference "
                                              << got - row.want;
    }
}

// Published terms (amplitude, phase, frequency in arcseconds; R amplitudes in au), to the
// printed digits; the single terms of the higher powers of T among them.
struct TermRow {
    const char* what;
    std::span<const SubSeries> series;
    std::size_t power, index;
    Extended A, P, F;
    Extended tolerance;
};

TEST(GeneratedTables, PublishedTerms)
{
    const TermRow rows[] = {
        {"Earth L0 first", EarthVsop87.L, 0, 0, 6892.661214L, -1, -1, 0.5e-6L},
        {"Jupiter L0 first", JupiterVsop87.L, 0, 0, 19999.22669L, 1044095.521287L, 109256604.286075L, 0.5e-5L},
        {"Earth L3 single", EarthVsop87.L, 3, 0, 0.596571L, 1205378.935235L, 1295977422.834286L, 0.5e-6L},
        {"Earth R3 single", EarthVsop87.R, 3, 0, 0.00000144595L, 881409.604964L, 1295977422.834286L, 0.5e-6L},
        {"Mars B3 single", MarsVsop87.B, 3, 0, 1.251008L, 408508.75552L, 689050774.939877L, 0.5e-5L},
        {"Jupiter L5 single", JupiterVsop87.L, 5, 0, 0.10226L, 1084249.448L, 1467274.39385L, 0.5e-3L},
        {"Saturn L5 single", SaturnVsop87.L, 5, 0, 0.254974L, 466000.351341L, 1467274.39385L, 0.5e-5L},
        {"Saturn B4 single", SaturnVsop87.B, 4, 0, 0.1658041L, 230848.301192L, 42528822.19935L, 0.5e-5L},
        {"Uranus R3 single", UranusVsop87.R, 3, 0, 0.00001164382L, 976567.514593L, 15424811.939332L, 0.5e-6L},
        {"Neptune B3 single", NeptuneVsop87.B, 3, 0, 0.563975L, 209748.575658L, 7865503.207444L, 0.5e-6L},
        {"Neptune R2 single", NeptuneVsop87.R, 2, 0, 0.00004247412L, 1216778.119312L, 7865503.207444L, 0.5e-6L},
    };
    for (const TermRow& row : rows) {
        const SeriesTerm& t = row.series[row.power].Terms[row.index];
        const bool radius = std::string(row.what).find(" R") != std::string::npos;
        EXPECT_NEAR(t.A, row.A, radius ? 0.5e-11L : row.tolerance) << row.what << " amplitude: got " << t.A;
        if (row.P >= 0) {
            EXPECT_NEAR(t.P, row.P, row.tolerance) << row.what << " phase: got " << t.P;
        }
        if (row.F >= 0) {
            EXPECT_NEAR(t.F, row.F, row.tolerance) << row.what << " frequency: got " << t.F;
        }
    }
}

// Every sub-series runs by decreasing amplitude and keeps nothing under the limit.
TEST(GeneratedTables, SortedAndAboveTheLimit)
{
    const std::pair<const char*, const PlanetSeries*> bodies[] = {
        {"Earth", &EarthVsop87},   {"Mars", &MarsVsop87},     {"Jupiter", &JupiterVsop87},
        {"Saturn", &SaturnVsop87}, {"Uranus", &UranusVsop87}, {"Neptune", &NeptuneVsop87},
    };
    for (const auto& [name, series] : bodies) {
        const Extended radiusLimit = series->R[0].Constant * 0.1L * std::numbers::pi_v<Extended> / 648000;
        const std::pair<std::span<const SubSeries>, Extended> coords[] = {
            {series->L, 0.1L}, {series->B, 0.1L}, {series->R, radiusLimit}};
        for (const auto& [powers, limit] : coords) {
            for (const SubSeries& s : powers) {
                for (std::size_t i = 0; i < s.Terms.size(); ++i) {
                    EXPECT_GE(s.Terms[i].A, limit) << name;
                    EXPECT_NE(s.Terms[i].F, 0) << name << ": zero frequency belongs in the constant";
                    if (i > 0) {
                        EXPECT_GE(s.Terms[i - 1].A, s.Terms[i].A) << name << " term " << i;
                    }
                }
            }
        }
    }
    // The smallest kept term of Jupiter's L0 and the 0.1" limit.
    EXPECT_LT(JupiterVsop87.L[0].Terms.back().A, 0.11L);
}

TEST(GeneratedTables, NutationRowsOfTable22A)
{
    ASSERT_EQ(NutationTable.size(), 63u);
    struct Row {
        int index;
        int D, M, Mprime, F, Omega;
        double psi, psiRate, eps, epsRate;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9}, {1, -2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
        {2, 0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},      {3, 0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
        {4, 0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},         {62, 2, -1, 0, 2, 2, -3, 0, 0, 0},
    };
    for (const Row& r : rows) {
        const NutationTerm& t = NutationTable[r.index];
        EXPECT_EQ(t.D, r.D) << r.index;
        EXPECT_EQ(t.M, r.M) << r.index;
        EXPECT_EQ(t.Mprime, r.Mprime) << r.index;
        EXPECT_EQ(t.F, r.F) << r.index;
        EXPECT_EQ(t.Omega, r.Omega) << r.index;
        EXPECT_EQ(t.PsiSin, r.psi) << r.index;
        EXPECT_EQ(t.PsiSinRate, r.psiRate) << r.index;
        EXPECT_EQ(t.EpsCos, r.eps) << r.index;
        EXPECT_EQ(t.EpsCosRate, r.epsRate) << r.index;
    }
}

}  // namespace
}  // namespace vireon
