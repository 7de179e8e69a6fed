// VSOP87D series evaluation, the Earth's position and the IAU 1980 nutation, against the figures
// of Meeus, Astronomical Algorithms (examples 22.a and 25.b) and properties of the evaluation.
// Time scale: TT (the program applies no Delta T).
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ephemeris/apparent_place.h"
#include "ephemeris/nutation.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended Arcsec = Pi / 648000;  // one arcsecond in radians
constexpr Extended Degree = Pi / 180;

Extended Turns(Extended radians) { return radians / (2 * Pi); }

// Difference of two angles reduced into (-pi, pi].
Extended AngleDifference(Extended a, Extended b)
{
    Extended d = std::fmod(a - b, 2 * Pi);
    if (d > Pi) d -= 2 * Pi;
    if (d <= -Pi) d += 2 * Pi;
    return d;
}

// J2000.0: figures of the truncated series, printed to 7 digits.
TEST(EarthSeries, AtJ2000)
{
    const Extended L = EarthSeriesL(0), B = EarthSeriesB(0), R = EarthSeriesR(0);
    EXPECT_NEAR(L, 1.751922L, 0.5e-6L) << "L " << L;
    EXPECT_NEAR(B, -0.0000027L, 0.5e-7L) << "B " << B;
    EXPECT_NEAR(R / AstronomicalUnitKm, 0.983327L, 0.5e-6L) << "R " << R / AstronomicalUnitKm;
    EXPECT_NEAR(R, 147103556.0L, 1.0L) << "R km " << R;
    const HeliocentricPlace earth = HeliocentricSeries(3, 0);
    EXPECT_EQ(earth.L, L);
    EXPECT_EQ(earth.B, B);
    EXPECT_EQ(earth.R, R);
}

// Meeus example 25.b (1992 October 13.0 TD), from his longer VSOP87D extract: L = 19.907372 deg,
// B = -0.00000312 rad, R = 0.99760775 au. Our series stop at 0.1": the omitted terms of the Earth
// amount to a few tenths of an arcsecond and 1e-6 au at most.
TEST(EarthSeries, MeeusExample25b)
{
    const Extended t = JulianMillenniaOf(2448908.5L);
    const Extended dL = AngleDifference(EarthSeriesL(t), 19.907372L * Degree) / Arcsec;
    const Extended dB = (EarthSeriesB(t) - -0.00000312L) / Arcsec;
    const Extended dR = EarthSeriesR(t) / AstronomicalUnitKm - 0.99760775L;
    EXPECT_LT(std::fabs(dL), 0.5L) << "L difference " << dL << "\"";
    EXPECT_LT(std::fabs(dB), 0.3L) << "B difference " << dB << "\"";
    EXPECT_LT(std::fabs(dR), 2e-6L) << "R difference " << dR << " au";
}

// Synthetic sub-series check the reduction and the Horner combination: a negative argument keeps
// its sign through the reduction, and the cosine does not care.
TEST(SeriesEvaluation, ArgumentsAndPowersOfT)
{
    // A = 2, F = 90 deg per millennium (the day step's cosine and sine do not enter here).
    const SeriesTerm quarterTurnPerMillennium[] = {{2, 0, 324000, 1, 0}};
    const SubSeries periodic = {0.5L, quarterTurnPerMillennium};
    struct Row {
        Extended t, want;
    };
    const Row rows[] = {{0, 2.5L}, {1, 0.5L}, {-1, 0.5L}, {2, -1.5L}, {-2, -1.5L}, {-4, 2.5L}, {-3.5L, 0.5L + std::sqrt(2.0L)}};
    for (const Row& r : rows) {
        const Extended got = EvaluateSubSeries(periodic, r.t);
        EXPECT_NEAR(got, r.want, 1e-15L) << "T = " << r.t << " got " << got;
    }

    // S0 + T (S1 + T S2) with constants 1, 2, 3 at T = 2 is 1 + 4 + 12.
    const SubSeries powers[] = {{1, {}}, {2, {}}, {3, {}}};
    EXPECT_EQ(EvaluatePowerSeries(powers, 2), 17);
    EXPECT_EQ(EvaluatePowerSeries(powers, -1), 2);
}

// The program's evaluation (terms in 64 bits; the day before and after from the arguments at T
// by angle addition with each term's cos and sin of F d) against the reference in extended
// precision evaluated at T - d, T and T + d: every body and coordinate, years -4712 to 9999.
// Both form the arguments to 1e-9"; the 64-bit terms are within 3e-16 relative, 1e-11" summed
// over a sub-series of amplitudes up to 4e4", times T^n (measured: 1.2e-10" and 5e-16 au):
// 1e-9" and 2e-15 au allowed. A term that runs a quarter turn a day (cos F d = 0, sin F d = 1)
// pins the direction: the day before is a quarter turn behind; at 1.2e11" a millennium the
// rounding of the three T (1e-18 millennium) moves its argument by 1e-7", so 2e-11 is allowed on
// its amplitude of 2.
TEST(SeriesEvaluation, ProgramEvaluationAgreesWithTheExtendedOne)
{
    static constexpr SeriesTerm quarterTurnPerDay[] = {{2, 1000, 324000.0L * 365250, 0, 1}};
    static constexpr SubSeries synthetic[] = {{3, quarterTurnPerDay}, {0, quarterTurnPerDay}};
    const CoordinateTerms64Storage<TermCount(synthetic)> synthetic64(synthetic);
    struct Row {
        std::string what;
        std::span<const SubSeries> series;
        CoordinateTerms64 terms;
        Extended tolerance;
    };
    std::vector<Row> rows = {{"quarter turn a day", synthetic, synthetic64.View(), 2e-11L}};
    for (int body = 3; body <= Neptune; ++body) {
        const PlanetSeries& s = *Vsop87Tables(body);
        const std::string name = "body " + std::to_string(body);
        rows.push_back({name + " L", s.L, s.L64, 1e-9L});
        rows.push_back({name + " B", s.B, s.B64, 1e-9L});
        rows.push_back({name + " R", s.R, s.R64, 2e-15L});
    }
    for (const Extended jd : {0.5L, 1721423.5L, 2305447.5L, 2460647.386L, 5373484.49L}) {
        const AroundInstant<Extended> t = JulianMillenniaAround(jd);
        for (const Row& r : rows) {
            const AroundInstant<Extended> got = EvaluateCoordinateAround(r.series, r.terms, t);
            const Extended want[3] = {EvaluatePowerSeries(r.series, t.DayBefore), EvaluatePowerSeries(r.series, t.Instant),
                                      EvaluatePowerSeries(r.series, t.DayAfter)};
            const Extended values[3] = {got.DayBefore, got.Instant, got.DayAfter};
            for (int e = 0; e < 3; ++e) {
                EXPECT_NEAR(values[e], want[e], r.tolerance)
                    << r.what << " JD " << jd << " epoch " << e - 1 << " day: difference " << values[e] - want[e];
            }
            EXPECT_EQ(got.Instant, EvaluateCoordinate(r.series, r.terms, t.Instant)) << r.what << " JD " << jd;
        }
    }
}

// The longitude always lands in [0, 2pi): the value in arcseconds is reduced modulo 1296000.
TEST(SeriesEvaluation, LongitudeReduction)
{
    struct Row {
        Extended arcsec, wantRadians;
    };
    const Row rows[] = {
        {-1, 2 * Pi - Arcsec}, {1296000 * 3 + 5, 5 * Arcsec}, {-1296000 * 7 - 648000, Pi}, {0, 0}, {1296000, 0},
    };
    for (const Row& r : rows) {
        const SubSeries constant[] = {{r.arcsec, {}}};
        const Extended got = SeriesLongitude(constant, 0.25L);
        EXPECT_GE(got, 0) << r.arcsec;
        EXPECT_LT(got, 2 * Pi) << r.arcsec;
        EXPECT_NEAR(got, r.wantRadians, 1e-15L) << r.arcsec << "\": got " << got;
    }
}

// Years 1 and 9999 and dates over the centuries: every body stays finite, L in [0, 2pi), R within
// the planet's orbit (perihelion and aphelion distances with a margin of 2 %).
TEST(SeriesEvaluation, FiniteOverTheWholeDateRange)
{
    struct Body {
        int id;
        Extended minAu, maxAu;
    };
    const Body bodies[] = {{3, 0.98L, 1.02L}, {Mars, 1.38L, 1.67L}, {Jupiter, 4.95L, 5.46L},
                           {Saturn, 9.0L, 10.1L}, {Uranus, 18.2L, 20.1L}, {Neptune, 29.7L, 30.4L}};
    for (Extended jd = 1721423.5L; jd <= 5373484.5L; jd += 36524.9L * 3.7L) {
        for (const Body& b : bodies) {
            const PlanetSeries& s = *Vsop87Tables(b.id);
            const Extended t = JulianMillenniaOf(jd);
            const Extended L = SeriesLongitude(s.L, t), B = SeriesLatitude(s.B, t), R = SeriesRadius(s.R, t);
            EXPECT_TRUE(L >= 0 && L < 2 * Pi) << "body " << b.id << " JD " << jd << " L " << L;
            EXPECT_LT(std::fabs(B), 8 * Degree) << "body " << b.id << " JD " << jd;
            const Extended au = R / AstronomicalUnitKm;
            // Outside 1000-3000 the truncated series drift: only the order of magnitude is checked.
            const Extended margin = std::fabs(t) > 1 ? 0.2L : 0.02L;
            EXPECT_TRUE(au > b.minAu * (1 - margin) && au < b.maxAu * (1 + margin)) << "body " << b.id << " JD " << jd << " R " << au;
        }
    }
    EXPECT_EQ(Vsop87Tables(9), nullptr);
}

// The Earth's equatorial vector carries the nutation in longitude but not the aberration in
// longitude: turned back to the ecliptic of the date, its longitude is L + delta psi.
TEST(EarthPositionTest, VectorIsTheTrueEquatorialPlaceWithoutAberration)
{
    for (const Extended jd : {2451545.0L, 2446895.5L, 2305447.5L, 2816787.5L}) {
        const Extended t = JulianMillenniaOf(jd);
        const NutationAngles n = Nutation(t);
        const Extended eps = TrueObliquity(t, n);
        const EarthPlace e = EarthPosition(t, n, eps);
        const Extended lambda = std::atan2(e.Y * std::cos(eps) + e.Z * std::sin(eps), e.X);
        const Extended beta = std::asin((-e.Y * std::sin(eps) + e.Z * std::cos(eps)) / e.Helio.R);
        const Extended dLambda = AngleDifference(lambda, e.Helio.L + n.Longitude * Arcsec) / Arcsec;
        EXPECT_LT(std::fabs(dLambda), 1e-9L) << "JD " << jd << " longitude off by " << dLambda << "\"";
        EXPECT_NEAR(beta, e.Helio.B, 1e-15L) << "JD " << jd;
        EXPECT_NEAR(std::sqrt(e.X * e.X + e.Y * e.Y + e.Z * e.Z), e.Helio.R, 1e-6L) << "JD " << jd;
        // Eccentricity of the Earth's orbit, Meeus (25.4), T in centuries.
        const Extended tc = 10 * t;
        const Extended eccentricity = 0.016708634L - 0.000042037L * tc - 0.0000001267L * tc * tc;
        // Aberration in longitude: kappa (1 + e cos(L - varpi)), kappa = 20.49552".
        const Extended kappa = 20.49552L * Arcsec;
        EXPECT_NEAR(e.Aberration / kappa, 1, eccentricity) << "JD " << jd;
        // The coefficients of the annual aberration: kappa (cos eps cos L, sin L) and
        // kappa e (cos eps cos varpi, sin varpi); e from the VSOP87 elements agrees to 1e-6.
        EXPECT_NEAR(std::hypot(e.AberrationC1 / std::cos(eps), e.AberrationD1), kappa, 1e-12L) << "JD " << jd;
        EXPECT_NEAR(std::hypot(e.AberrationC2 / std::cos(eps), e.AberrationD2) / kappa, eccentricity, 1e-6L) << "JD " << jd;
    }
}

// Nutation: J2000.0 gives -13.9231" and -5.7739" (the 63 terms); Meeus example 22.a (1987 April
// 10, 0h TD) publishes -3.788" and +9.443" (rounded to 0.001") and the true obliquity 23 deg 26'
// 36.850"; this table gives -3.7880" and +9.4425".
struct NutationRow {
    const char* what;
    Extended jd;
    Extended psi, eps, tolerance;
};

TEST(NutationTest, PublishedValues)
{
    const NutationRow rows[] = {
        {"J2000.0", 2451545.0L, -13.9231L, -5.7739L, 0.00005L},
        {"Meeus 22.a, this table", 2446895.5L, -3.7880L, 9.4425L, 0.00005L},
        {"Meeus 22.a, published", 2446895.5L, -3.788L, 9.443L, 0.0005L + 0.00005L},
    };
    for (const NutationRow& r : rows) {
        const NutationAngles n = Nutation(JulianMillenniaOf(r.jd));
        EXPECT_NEAR(n.Longitude, r.psi, r.tolerance) << r.what << ": want " << r.psi << " got " << n.Longitude;
        EXPECT_NEAR(n.Obliquity, r.eps, r.tolerance) << r.what << ": want " << r.eps << " got " << n.Obliquity;
    }
    const Extended t = JulianMillenniaOf(2446895.5L);
    const Extended eps = TrueObliquity(t, Nutation(t)) / Arcsec;
    const Extended want = 23 * 3600 + 26 * 60 + 36.850L;
    EXPECT_NEAR(eps, want, 0.001L) << "true obliquity: difference " << eps - want << "\"";
}

// Fundamental arguments of example 22.a: D = 136.9623, M = 94.9792, M' = 229.2784,
// F = 143.4079, Omega = 11.2531 degrees. Meeus uses the older IAU 1980 polynomials; M differs by
// 0.0016 deg from the IERS one used here, the others by less than 0.0005 deg.
TEST(NutationTest, FundamentalArgumentsOfExample22a)
{
    const FundamentalArguments a = NutationArguments(JulianMillenniaOf(2446895.5L));
    const std::pair<Extended, Extended> rows[] = {
        {a.D, 136.9623L}, {a.M, 94.9792L}, {a.Mprime, 229.2784L}, {a.F, 143.4079L}, {a.Omega, 11.2531L}};
    for (const auto& [got, wantDegrees] : rows) {
        const Extended d = AngleDifference(got, wantDegrees * Degree) / Degree;
        EXPECT_LT(std::fabs(d), 0.002L) << "want " << wantDegrees << " got " << got / Degree << " difference " << d;
        EXPECT_LT(std::fabs(Turns(got)), 1) << "reduced to one turn";
    }
}

// Over years 1..9999 the nutation never exceeds the sum of its coefficients (17.3" + rates in
// longitude, 9.3" in obliquity): a unit or a sign slip in a rate would break the bound.
TEST(NutationTest, BoundedOverTheWholeDateRange)
{
    for (Extended jd = 1721423.5L; jd <= 5373484.5L; jd += 3652.5L * 7.3L) {
        const Extended t = JulianMillenniaOf(jd);
        Extended psiBound = 0, epsBound = 0;
        for (const NutationTerm& row : NutationTable) {
            psiBound += std::fabs(row.PsiSin + row.PsiSinRate * 10 * t);
            epsBound += std::fabs(row.EpsCos + row.EpsCosRate * 10 * t);
        }
        const NutationAngles n = Nutation(t);
        EXPECT_LE(std::fabs(n.Longitude), psiBound / 10000) << "JD " << jd;
        EXPECT_LE(std::fabs(n.Obliquity), epsBound / 10000) << "JD " << jd;
        EXPECT_GT(psiBound / 10000, 17) << "JD " << jd;
    }
}

}  // namespace
}  // namespace vireon
