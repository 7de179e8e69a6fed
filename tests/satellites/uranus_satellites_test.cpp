// Uranus's satellites (GUST86): fundamental arguments, the sizes of the series' results, the
// frame of date, the record, and the generated tables against their data.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "core/time_base.h"
#include "satellites/theory.h"
#include "satellites/uranus_satellites.h"
#include "satellites/uranus_satellites_tables.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended Deg = Pi / 180;

TheoryInput At(Extended jd, ViewMode view = ViewMode::Equatorial, Orientation orientation = Orientation::North)
{
    TheoryInput in;
    in.JD = jd;
    in.ViewMode = view;
    in.Orientation = orientation;
    return in;
}

const Extended SampleDates[] = {1721424.5L, 2305447.5L, 2415020.0L, 2444239.5L, 2446961.625L,
                                2451545.0L, 2453065.0L, 2463120.3958333L, 2524593.5L, 5373484.0L};

// ---------------------------------------------------------------------------------------------
// Fundamental arguments

TEST(UranusArguments, AtTheEpochTheyEqualTheirPhases)
{
    const Gust86Arguments a = Gust86FundamentalArguments(0);
    const Extended l[5] = {2 * Pi - 0.23805158L, 3.09804641L, 2.28540169L, 0.85635879L, 2 * Pi - 0.9155918L};
    const Extended E[5] = {0.611392L, 2.408974L, 2.067774L, 0.735131L, 0.426767L};
    const Extended N[5] = {5.702313L, 0.395757L, 0.589326L, 1.746237L, 4.206896L};
    for (int j = 0; j < 5; ++j) {
        EXPECT_NEAR(a.l[j], l[j], 1e-17L) << "l" << j + 1;
        EXPECT_NEAR(a.E[j], E[j], 1e-17L) << "E" << j + 1;
        EXPECT_NEAR(a.N[j], N[j], 1e-17L) << "N" << j + 1;
    }
}

// A Julian year after the epoch the pericentre and node arguments have moved by their yearly
// rates (degrees per Julian year of 365.25 days), and every argument stays in [0, 2pi) however
// far the date.
TEST(UranusArguments, RatesAndReduction)
{
    const Gust86Arguments a0 = Gust86FundamentalArguments(0);
    const Gust86Arguments a1 = Gust86FundamentalArguments(365.25L);
    const Extended pericentreRate[5] = {20.082L, 6.217L, 2.865L, 2.078L, 0.386L};
    const Extended nodeRate[5] = {-20.309L, -6.288L, -2.836L, -1.843L, -0.259L};
    for (int j = 0; j < 5; ++j) {
        EXPECT_NEAR(std::remainder(a1.E[j] - a0.E[j], 2 * Pi) / Deg, pericentreRate[j], 1e-12L) << "E" << j + 1;
        EXPECT_NEAR(std::remainder(a1.N[j] - a0.N[j], 2 * Pi) / Deg, nodeRate[j], 1e-12L) << "N" << j + 1;
    }
    for (const Extended t : {-1e7L, -12345.678L, -0.5L, 0.5L, 98765.4321L, 3e6L}) {
        const Gust86Arguments a = Gust86FundamentalArguments(t);
        for (int j = 0; j < 5; ++j) {
            for (const Extended x : {a.l[j], a.E[j], a.N[j]}) {
                EXPECT_GE(x, 0) << "t = " << t;
                EXPECT_LT(x, 2 * Pi) << "t = " << t;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Elements: the modulus of each vector lies within the sum of the other amplitudes around its
// largest term (GUST86, Laskar & Jacobson 1987); a lost 1e-6 scale, a missing 2 arcsin, or the
// cosine and sine sums swapped all leave these bands.

struct ElementBand {
    int k;
    Extended zLargest, zOthers;        // 1e-6: eccentricity
    Extended zetaLargest, zetaOthers;  // 1e-6: sin(i/2)
};
void PrintTo(const ElementBand& b, std::ostream* os) { *os << "satellite " << b.k; }
class UranusElementBands : public ::testing::TestWithParam<ElementBand> {};

TEST_P(UranusElementBands, EccentricityAndInclinationStayInTheirBands)
{
    const ElementBand b = GetParam();
    for (const Extended jd : SampleDates) {
        for (const Extended days : {0.0L, 0.37L, 5.5L, 700.1L}) {
            const Gust86Arguments a = Gust86FundamentalArguments(jd + days - 2444239.5L);
            const SatelliteElements el = Gust86Elements(b.k, a);
            const Extended e = el.Eccentricity * 1e6L;
            const Extended s = std::sin(el.Inclination / 2) * 1e6L;
            EXPECT_NEAR(e, b.zLargest, b.zOthers + 1e-6L) << "satellite " << b.k << ", JD " << jd + days;
            EXPECT_NEAR(s, b.zetaLargest, b.zetaOthers + 1e-6L) << "satellite " << b.k << ", JD " << jd + days;
            EXPECT_GE(el.Pericentre, 0);
            EXPECT_LT(el.Pericentre, 2 * Pi);
            EXPECT_GE(el.Node, 0);
            EXPECT_LT(el.Node, 2 * Pi);
            EXPECT_EQ(el.SemiMajorAxisKm, UranusSatelliteSemiMajorAxisKm[b.k]);
            // The mean longitude stays within its periodic terms of l_k (Miranda's reach 0.029 rad).
            EXPECT_NEAR(std::remainder(el.MeanLongitude - a.l[b.k - 1], 2 * Pi), 0, 0.03L);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Gust86, UranusElementBands,
    ::testing::Values(ElementBand{1, 1312.38L, 71.81L + 69.77L + 6.75L + 6.27L + 123.31L + 39.52L + 194.10L, 37871.71L,
                                  27.01L + 30.76L + 12.18L + 5.37L},
                      ElementBand{2, 1187.63L, 3.35L + 861.59L + 71.50L + 55.59L + 84.60L + 91.81L + 20.03L + 89.77L,
                                  358.25L, 121.75L + 290.08L + 97.78L + 33.97L},
                      ElementBand{3, 3904.69L,
                                  0.21L + 227.95L + 309.17L + 221.92L + 29.34L + 26.20L + 51.19L + 103.86L + 27.16L +
                                      16.22L + 549.23L + 34.70L + 12.81L + 21.81L + 46.25L,
                                  1113.36L, 10.86L + 81.51L + 350.14L + 106.50L},
                      ElementBand{4, 1120.89L,
                                  0.02L + 1.29L + 324.51L + 932.81L + 33.86L + 17.46L + 16.58L + 28.89L + 35.86L +
                                      17.86L + 32.10L + 177.83L + 793.43L + 99.48L + 44.83L + 25.13L + 15.43L,
                                  685.72L, 1.43L + 1.06L + 140.13L + 378.32L},
                      ElementBand{5, 1397.34L,
                                  0.35L + 74.53L + 758.68L + 39.00L + 17.66L + 32.42L + 79.75L + 75.66L + 134.04L +
                                      987.26L + 126.09L + 57.42L + 32.41L + 19.99L + 12.94L,
                                  596.33L, 0.44L + 0.31L + 36.89L + 451.69L}));

// One series summed as published, term by term with extended cosines and sines of the
// argument (units of 1e-6).
std::pair<Extended, Extended> SumDirectly(std::span<const Gust86Term> terms, const Gust86Arguments& a)
{
    Extended cosines = 0, sines = 0;
    for (const Gust86Term& term : terms) {
        Extended x = 0;
        for (int f = 0; f < term.FactorCount; ++f) {
            const int j = term.Factors[f].Argument;  // l1..l5, E1..E5, N1..N5
            x += term.Factors[f].Multiplier * (j < 5 ? a.l[j] : (j < 10 ? a.E[j - 5] : a.N[j - 10]));
        }
        cosines += term.Amplitude * std::cos(x);
        sines += term.Amplitude * std::sin(x);
    }
    return {cosines, sines};
}

// The elements from 64-bit powers of exp(i x) agree with the extended term-by-term sums, from
// year 1 to 9999: the mean longitude to 1e-15 rad, the eccentricity and inclination vectors
// (e exp(i varpi), sin(i/2) exp(i Omega)) to 1e-16. A misread power or sign moves a sum by up
// to twice the term's amplitude, 4e-8 for the smallest.
TEST(UranusElements, AgreeWithTheExtendedTermByTermSums)
{
    const std::span<const Gust86Term> series[6][3] = {
        {},
        {MirandaLambdaTerms, MirandaZTerms, MirandaZetaTerms},
        {ArielLambdaTerms, ArielZTerms, ArielZetaTerms},
        {UmbrielLambdaTerms, UmbrielZTerms, UmbrielZetaTerms},
        {TitaniaLambdaTerms, TitaniaZTerms, TitaniaZetaTerms},
        {OberonLambdaTerms, OberonZTerms, OberonZetaTerms},
    };
    for (const Extended jd : {1721424.5L, 2444239.5L, 2460158.1666666665L, 5373484.0L}) {
        const Gust86Arguments a = Gust86FundamentalArguments(jd - 2444239.5L);
        for (int k = 1; k <= 5; ++k) {
            const SatelliteElements el = Gust86Elements(k, a);
            const Extended lambdaSum = SumDirectly(series[k][0], a).second;
            const auto [zk, zh] = SumDirectly(series[k][1], a);  // z = k + i h
            const auto [zq, zp] = SumDirectly(series[k][2], a);  // zeta = q + i p
            const Extended sinHalfI = std::sin(el.Inclination / 2);
            const struct {
                const char* name;
                Extended want, got, tolerance;
            } rows[] = {
                {"lambda - l", lambdaSum * 1e-6L, el.MeanLongitude - a.l[k - 1], 1e-15L},
                {"e cos varpi", zk * 1e-6L, el.Eccentricity * std::cos(el.Pericentre), 1e-16L},
                {"e sin varpi", zh * 1e-6L, el.Eccentricity * std::sin(el.Pericentre), 1e-16L},
                {"sin(i/2) cos Omega", zq * 1e-6L, sinHalfI * std::cos(el.Node), 1e-16L},
                {"sin(i/2) sin Omega", zp * 1e-6L, sinHalfI * std::sin(el.Node), 1e-16L},
            };
            for (const auto& row : rows) {
                EXPECT_NEAR(row.got, row.want, row.tolerance) << "JD " << jd << " satellite " << k << ' ' << row.name
                                                              << ": want " << row.want << ", got " << row.got
                                                              << ", difference " << row.got - row.want;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Frame

// The frame of date is orthonormal and right-handed. Its pole is the pole of the satellites'
// orbits, opposite to Uranus's IAU pole (alpha 257.311 deg, delta -15.175 deg, J2000): at J2000.0
// the two agree within 0.2 deg (they differ by 0.08 deg; the turn to the date is then nutation
// and aberration only, below 0.01 deg). A pole taken the wrong way round is 180 deg off.
TEST(UranusFrame, AxesOfDateAreOrthonormal)
{
    for (const Extended jd : SampleDates) {
        const Gust86Axes a = Gust86AxesOfDate(jd);
        EXPECT_NEAR(Norm(a.e1), 1, 1e-17L) << "JD " << jd;
        EXPECT_NEAR(Norm(a.e2), 1, 1e-17L) << "JD " << jd;
        EXPECT_NEAR(Norm(a.e3), 1, 1e-17L) << "JD " << jd;
        EXPECT_NEAR(Dot(a.e1, a.e2), 0, 1e-17L) << "JD " << jd;
        EXPECT_NEAR(Dot(a.e2, a.e3), 0, 1e-17L) << "JD " << jd;
        EXPECT_NEAR(Dot(a.e3, a.e1), 0, 1e-17L) << "JD " << jd;
        EXPECT_LT(Norm(Cross(a.e1, a.e2) - a.e3), 1e-17L) << "JD " << jd;
    }
    const Gust86Axes j2000 = Gust86AxesOfDate(2451545.0L);
    const Vec3 iauSouth = -Vec3{std::cos(257.311L * Deg) * std::cos(-15.175L * Deg),
                                std::sin(257.311L * Deg) * std::cos(-15.175L * Deg), std::sin(-15.175L * Deg)};
    EXPECT_LT(std::acos(Dot(j2000.e3, iauSouth)) / Deg, 0.2L);
}

// ---------------------------------------------------------------------------------------------
// The record

TEST(UranusRecord, OrientationChangesNothing)
{
    const SatelliteRecord base = [] {
        PlanetPlaces places;
        SatelliteRecord r;
        RunSatelliteTheory(Uranus, At(2453065.0L, ViewMode::Equatorial, Orientation::North), places, r);
        return r;
    }();
    for (const ViewMode view : {ViewMode::Equatorial, ViewMode::Polar, ViewMode::Graph}) {
        PlanetPlaces places;
        SatelliteRecord reference;
        RunSatelliteTheory(Uranus, At(2453065.0L, view, Orientation::North), places, reference);
        for (const Orientation orientation : {Orientation::South, Orientation::PlanetSouth, Orientation::PlanetNorth}) {
            SatelliteRecord r;
            RunSatelliteTheory(Uranus, At(2453065.0L, view, orientation), places, r);
            for (int k = 1; k <= 5; ++k) {
                EXPECT_EQ(r.SatOffsetX[k], reference.SatOffsetX[k]) << view << orientation << " satellite " << k;
                EXPECT_EQ(r.SatOffsetY[k], reference.SatOffsetY[k]) << view << orientation << " satellite " << k;
                EXPECT_EQ(r.SatPolarX[k], reference.SatPolarX[k]) << view << orientation << " satellite " << k;
                EXPECT_EQ(r.SatPolarY[k], reference.SatPolarY[k]) << view << orientation << " satellite " << k;
                EXPECT_EQ(r.SatDistance[k], reference.SatDistance[k]) << view << orientation << " satellite " << k;
            }
        }
        // The offsets are east/north in every view.
        for (int k = 1; k <= 5; ++k) EXPECT_EQ(reference.SatOffsetX[k], base.SatOffsetX[k]);
    }
}

TEST(UranusRecord, SameDateGivesIdenticalRecords)
{
    PlanetPlaces places;
    SatelliteRecord first;
    RunSatelliteTheory(Uranus, At(2446961.625L), places, first);
    SatelliteRecord second = first;
    RunSatelliteTheory(Saturn, At(2400000.5L), places, second);
    RunSatelliteTheory(Uranus, At(2446961.625L), places, second);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(first.SatOffsetX[k], second.SatOffsetX[k]) << "satellite " << k;
        EXPECT_EQ(first.SatOffsetY[k], second.SatOffsetY[k]) << "satellite " << k;
        EXPECT_EQ(first.SatDepth[k], second.SatDepth[k]) << "satellite " << k;
        EXPECT_EQ(first.SatPolarX[k], second.SatPolarX[k]) << "satellite " << k;
        EXPECT_EQ(first.SatApparentDiameter[k], second.SatApparentDiameter[k]) << "satellite " << k;
    }
    EXPECT_EQ(first.SatTheoryTime, second.SatTheoryTime);
    EXPECT_EQ(first.PhaseAngleSigned, 0);
    EXPECT_EQ(second.PhaseAngleSigned, 0);
}

// The theory time runs from the GUST86 epoch less the light time; the polar pair places each
// satellite at its longitude in the Uranian equator, at its distance; the orbits are the near
// circles of the fixed semi-major axes (e below 0.005).
TEST(UranusRecord, TimePolarPairAndOrbits)
{
    for (const ViewMode view : {ViewMode::Equatorial, ViewMode::Polar}) {
        PlanetPlaces places;
        SatelliteRecord r;
        RunSatelliteTheory(Uranus, At(2463120.3958333L, view), places, r);
        const Extended delta = places.Planet[Uranus].Distance;
        EXPECT_NEAR(r.SatTheoryTime, 2463120.3958333L - 2444239.5L - delta / 25902068371.2L, 1e-9L);
        EXPECT_NEAR(r.PlanetApparentDiameter[1], 2 * std::atan(25559 / delta) * 648000 / Pi, 1e-12L);
        EXPECT_NEAR(r.PlanetApparentDiameter[2], 2 * std::atan(24473 / delta) * 648000 / Pi, 1e-12L);
        for (int k = 1; k <= 5; ++k) {
            const Extended l = r.SatPlanetLongitude[k];
            EXPECT_GE(l, 0);
            EXPECT_LT(l, 2 * Pi);
            EXPECT_NEAR(r.SatPolarX[k], std::sin(l) * r.SatDistance[k], 1e-12L) << "satellite " << k;
            EXPECT_NEAR(r.SatPolarY[k], std::cos(l) * r.SatDistance[k], 1e-12L) << "satellite " << k;
            if (view == ViewMode::Equatorial) {
                EXPECT_NEAR(r.SatDistance[k], std::hypot(r.SatOffsetX[k], r.SatOffsetY[k]), 1e-12L);
            } else {
                EXPECT_NEAR(r.SatDistance[k], r.SatRadiusVector[k] / 51118 * r.PlanetApparentDiameter[1], 1e-12L);
            }
            const Extended a = UranusSatelliteSemiMajorAxisKm[k];
            EXPECT_NEAR(r.SatRadiusVector[k], a, 0.005L * a) << "satellite " << k;
            // Latitudes within the inclinations: Miranda's 4.34 deg, the others' below 0.4 deg.
            EXPECT_LT(std::abs(r.SatPlanetLatTan[k]), k == 1 ? 0.077L : 0.007L) << "satellite " << k;
            EXPECT_EQ(r.SatFarSide[k], r.SatDepth[k] < 0 ? 'E' : 'P');
        }
    }
}

TEST(UranusRecord, ExtremeDatesGiveFiniteValues)
{
    for (const Extended jd : {1721423.5L, 5373484.499988L}) {
        PlanetPlaces places;
        SatelliteRecord r;
        RunSatelliteTheory(Uranus, At(jd), places, r);
        for (int k = 1; k <= 5; ++k) {
            EXPECT_TRUE(std::isfinite(r.SatOffsetX[k]) && std::isfinite(r.SatOffsetY[k])) << "satellite " << k;
            EXPECT_TRUE(std::isfinite(r.SatPolarX[k]) && std::isfinite(r.SatPolarY[k])) << "satellite " << k;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The committed tables are what the generator makes of the committed data, byte for byte.

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(UranusTables, RegenerateByteForByte)
{
    const std::string output = std::string(VIREON_BINARY_DIR) + "/uranus_satellites_tables.regenerated.cpp";
    const std::string command = std::string(VIREON_BINARY_DIR) + "/generate_gust86_tables " + VIREON_SOURCE_DIR +
                                "/data/gust86_series.csv " + output + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string committed = ReadFile(std::string(VIREON_SOURCE_DIR) + "/satellites/uranus_satellites_tables.cpp");
    const std::string regenerated = ReadFile(output);
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(committed == regenerated) << "satellites/uranus_satellites_tables.cpp differs from the generator's output "
                                          << output;
    std::remove(output.c_str());
}

// One malformed row among the good ones stops the generator with status 1 instead of writing
// a wrong table; so does a term that does not fit the room of a generated term (one to three
// angles, multipliers up to 12).
TEST(UranusTables, GeneratorRejectsMalformedRows)
{
    const std::string dir = VIREON_BINARY_DIR;
    const std::string good = ReadFile(std::string(VIREON_SOURCE_DIR) + "/data/gust86_series.csv");
    ASSERT_FALSE(good.empty());
    const char* bad[] = {"1,lambda,12.5,l1-3*q2\n", "6,z,1.0,E1\n", "1,eta,1.0,N1\n", "1,zeta,abc,N1\n",
                         "1,z,1.0,E7\n", "1,z,1.0\n", "2,lambda,1.0,l1-*l2\n", "2,lambda,1.5x,l1\n",
                         "1,lambda,1.0,13*l1-13*l2\n", "1,z,1.0,l1-l1\n", "1,z,1.0,l1-l2+l3-l4\n"};
    for (const char* row : bad) {
        const std::string input = dir + "/gust86_bad_row.csv";
        std::ofstream(input) << good << row;
        const std::string command =
            dir + "/generate_gust86_tables " + input + " " + dir + "/gust86_bad_row.cpp 2>/dev/null";
        EXPECT_NE(std::system(command.c_str()), 0) << "row accepted: " << row;
        std::remove(input.c_str());
        std::remove((dir + "/gust86_bad_row.cpp").c_str());
    }
}

}  // namespace
}  // namespace vireon
