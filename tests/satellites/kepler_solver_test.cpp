// The one Kepler solver of the program: the fixed-point iteration from E = M with its stopping
// rule, the step limit, the reduction of huge anomalies and the orbit point.
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>

#include <gtest/gtest.h>

#include "satellites/kepler.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended Deg = Pi / 180;

// Newton's method to the last bit: an independent solution of E - e sin E = M.
Extended NewtonKepler(Extended M, Extended e)
{
    Extended E = e < 0.8L ? M : Pi;
    for (int i = 0; i < 100; ++i) {
        const Extended step = (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        E -= step;
        if (std::abs(step) < 1e-18L) break;
    }
    return E;
}

// The iteration as published, without a step limit (a generous safety cap keeps the test from
// hanging); steps counts the corrections made.
Extended UnlimitedIteration(Extended M, Extended e, int& steps)
{
    Extended E = M;
    Extended delta = 10;
    steps = 0;
    while (std::abs(delta) > 4.84813681109536e-9L && steps < 1000000) {
        delta = e * std::sin(E) + M - E;
        E += delta;
        ++steps;
    }
    return E;
}

// Meeus, Astronomical Algorithms (2nd ed.), examples 30.a and 30.b, printed to 1e-6 degree.
struct PublishedCase {
    Extended MDeg, e, EDeg;
};
void PrintTo(const PublishedCase& c, std::ostream* os) { *os << "M " << c.MDeg << " deg, e " << c.e; }
class KeplerPublished : public ::testing::TestWithParam<PublishedCase> {};

TEST_P(KeplerPublished, MatchesTheWorkedExample)
{
    const PublishedCase c = GetParam();
    const Extended got = SolveKepler(c.MDeg * Deg, c.e) / Deg;
    // The book rounds to 1e-6 degree; the solver stops within about 1e-7 degree for these.
    EXPECT_NEAR(got, c.EDeg, 1e-6L) << "M = " << c.MDeg << " deg, e = " << c.e << ": want " << c.EDeg
                                   << " deg, got " << got << ", difference " << got - c.EDeg;
}

INSTANTIATE_TEST_SUITE_P(Meeus, KeplerPublished,
                         ::testing::Values(PublishedCase{5, 0.1L, 5.554589L}, PublishedCase{2, 0.99L, 32.361007L}));

// What 64-bit iterates may add to the extended loop's answer: about one unit in the last place
// of E per step, damped by e per step, for E near M.
Extended RoundingBound(Extended M, Extended e) { return 4e-16L * (1 + std::abs(M)) / (1 - e); }

// Where the published loop converges within the step limit, the shared solver stops where it
// does and gives its answer to the rounding of its 64-bit iterates, including negative
// anomalies and anomalies beyond a turn. Where more than one step is taken, stopping a step
// early would move E by 3e-11 rad or more, seventy times the largest bound here.
struct LoopCase {
    Extended M, e;
};
void PrintTo(const LoopCase& c, std::ostream* os) { *os << "M " << c.M << ", e " << c.e; }
class KeplerConvergent : public ::testing::TestWithParam<LoopCase> {};

TEST_P(KeplerConvergent, GivesThePublishedLoopsAnswer)
{
    const LoopCase c = GetParam();
    int steps = 0;
    const Extended want = UnlimitedIteration(c.M, c.e, steps);
    ASSERT_LT(steps, KeplerStepLimit) << "case chosen to converge within the limit";
    const Extended got = SolveKepler(c.M, c.e);
    EXPECT_NEAR(got, want, RoundingBound(c.M, c.e))
        << "M = " << c.M << ", e = " << c.e << ": want " << want << ", got " << got << ", difference " << got - want;
    // And it solves the equation: the stopping rule leaves at most e / (1 - e) times the last
    // correction (4.85e-9 rad) of error in E, and the residual is smaller still.
    EXPECT_NEAR(got - c.e * std::sin(got), c.M, 5e-9L * (1 + c.e / (1 - c.e)));
}

INSTANTIATE_TEST_SUITE_P(Table, KeplerConvergent,
                         ::testing::Values(LoopCase{0, 0.05L}, LoopCase{0.3L, 0}, LoopCase{1.2L, 0.01905L},
                                           LoopCase{3.1L, 0.103458L}, LoopCase{Pi, 0.5L}, LoopCase{-2.5L, 0.13L},
                                           LoopCase{6.2L, 0.7L}, LoopCase{13.7L, 0.2L}, LoopCase{-40, 0.3L},
                                           LoopCase{999.5L, 0.05L}, LoopCase{0.5L, 0.9L},
                                           // Nereid (e = 0.7512) near its pericentre: some sixty steps.
                                           LoopCase{0.01L, 0.751201525L}, LoopCase{6.27L, 0.751201525L}));

// Eccentricities near 1 and anomalies near 0 converge too slowly for the limit: the solver still
// returns, with the value of the published loop after exactly KeplerStepLimit corrections
// (to the rounding of 64-bit iterates, undamped here), which lies between M and the root.
// One step fewer would move it by 3e-8 rad or more.
TEST(KeplerSolver, StopsAtTheStepLimitForNearParabolicOrbits)
{
    for (const LoopCase c : {LoopCase{1e-3L, 0.99L}, LoopCase{1e-6L, 0.99L}, LoopCase{0.01L, 0.995L}}) {
        int steps = 0;
        const Extended converged = UnlimitedIteration(c.M, c.e, steps);
        ASSERT_GT(steps, KeplerStepLimit) << "case chosen to need more than the limit";
        Extended want = c.M;
        for (int i = 0; i < KeplerStepLimit; ++i) want += c.e * std::sin(want) + c.M - want;
        const Extended got = SolveKepler(c.M, c.e);
        EXPECT_NEAR(got, want, KeplerStepLimit * 2.3e-16L * (1 + want))
            << "M = " << c.M << ", e = " << c.e << ": want " << want << ", got " << got << ", difference " << got - want;
        EXPECT_GT(got, c.M);
        EXPECT_LE(got, converged);
    }
}

// A huge anomaly is reduced into [0, 2pi) first: the result is finite and solves the equation
// for M modulo a turn.
TEST(KeplerSolver, HugeMeanAnomaliesAreReducedFirst)
{
    for (const Extended M : {1e30L, -1e30L, 1e6L + 0.5L, -123456.789L, 1e4000L}) {
        const Extended e = 0.1L;
        const Extended E = SolveKepler(M, e);
        ASSERT_TRUE(std::isfinite(E)) << "M = " << M;
        Extended reduced = std::fmod(M, 2 * Pi);
        if (reduced < 0) reduced += 2 * Pi;
        EXPECT_GE(E, 0) << "M = " << M;
        EXPECT_LT(E, 2 * Pi + e) << "M = " << M;
        EXPECT_NEAR(E - e * std::sin(E), reduced, 1e-8L) << "M = " << M;
    }
}

TEST(KeplerSolver, NonFiniteInputsReturnTheMeanAnomaly)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_TRUE(std::isnan(SolveKepler(nan, 0.1L)));
    EXPECT_EQ(SolveKepler(inf, 0.1L), inf);
    EXPECT_EQ(SolveKepler(-inf, 0.1L), -inf);
    EXPECT_EQ(SolveKepler(1.25L, nan), 1.25L);
    EXPECT_EQ(SolveKepler(1.25L, inf), 1.25L);
}

// The orbit point against the focal-conic geometry: r = a (1 - e cos E) and the true anomaly
// nu from tan(nu/2) = sqrt((1 + e)/(1 - e)) tan(E/2), placed omega = varpi - Omega ahead of the node.
struct OrbitCase {
    Extended M, e, varpi, Omega, a;
};
void PrintTo(const OrbitCase& c, std::ostream* os) { *os << "M " << c.M << ", e " << c.e << ", a " << c.a; }
class KeplerOrbit : public ::testing::TestWithParam<OrbitCase> {};

TEST_P(KeplerOrbit, LiesOnTheEllipseAtTheTrueAnomaly)
{
    const OrbitCase c = GetParam();
    SatelliteElements el;
    el.MeanAnomaly = c.M;
    el.Eccentricity = c.e;
    el.Pericentre = c.varpi;
    el.Node = c.Omega;
    el.SemiMajorAxisKm = c.a;
    const OrbitPlanePoint got = SolveKeplerOrbit(el);

    const Extended E = NewtonKepler(c.M, c.e);
    const Extended r = c.a * (1 - c.e * std::cos(E));
    const Extended nu = 2 * std::atan(std::sqrt((1 + c.e) / (1 - c.e)) * std::tan(E / 2));
    const Extended u = c.varpi - c.Omega + nu;
    // The solver's stopping rule leaves about 1e-9 rad in E: 1e-8 of a in position.
    const Extended tolerance = 1e-8L * c.a;
    EXPECT_NEAR(got.x, r * std::cos(u), tolerance) << "x (km), want " << r * std::cos(u) << " got " << got.x;
    EXPECT_NEAR(got.y, r * std::sin(u), tolerance) << "y (km), want " << r * std::sin(u) << " got " << got.y;
}

INSTANTIATE_TEST_SUITE_P(Table, KeplerOrbit,
                         ::testing::Values(OrbitCase{0.7L, 0, 1.0L, 0.4L, 294992},
                                           OrbitCase{2.0L, 0.01905L, 1.85L, 0.95L, 185535},
                                           OrbitCase{5.9L, 0.103458L, 1.2L, 2.94L, 1481066},
                                           OrbitCase{0.1L, 0.028298L, 6.16L, 2.5L, 3561846},
                                           OrbitCase{3.0L, 0.6L, -0.5L, 3.5L, 1000}));

}  // namespace
}  // namespace vireon
