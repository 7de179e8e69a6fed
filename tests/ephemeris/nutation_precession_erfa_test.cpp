// Nutation, obliquity and precession against ERFA, an independent implementation of the same IAU
// models: eraNut80 (IAU 1980 nutation, all 106 terms, where the program keeps 63), eraObl80
// (mean obliquity of Lieske et al. 1977), eraPmat76 (IAU 1976 precession, built from the
// equatorial angles zeta_A, z_A, theta_A where the program uses the ecliptic angles pi_A, Pi_A,
// p_A), eraNumat (the nutation rotation) and eraRx (the turn to the ecliptic). Time scale: TT on
// both sides, the Julian Day as given (the program applies no Delta T); ERFA's two-part Julian
// Day is split at J2000.0.
// Dates: years 1000 to 3000, both sides of J2000.0 (|T| up to 10 centuries).
#include <erfa.h>

#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "ephemeris/apparent_place.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended Arcsec = Pi / 648000;  // one arcsecond in radians
constexpr double J2000 = 2451545.0;

// Meeus keeps the terms of the IAU 1980 series of 0.0003" and more: the 43 terms left out have
// coefficients of at most 0.0002" each, in longitude and in obliquity.
constexpr Extended DroppedNutationTerms = 43 * 0.0002L * Arcsec;

// Both sides evaluate the same polynomial; ERFA's 64-bit result (0.41 rad) has a last unit of
// 1.1e-11", so 1e-10" is rounding only.
constexpr Extended ObliquityRounding = 1e-10L * Arcsec;

// Days spread over the centuries (Gregorian, as ERFA reads them), not tied to any phase of the
// nutation.
Extended Element(const Mat3& m, int row, int column)
{
    const Vec3& r = m.Rows[row];
    return column == 0 ? r.x : column == 1 ? r.y : r.z;
}

struct Date {
    int year, month, day;
    double fraction;
};
constexpr Date Dates[] = {
    {1000, 1, 1, 0.0},   {1200, 7, 14, 0.25}, {1500, 3, 3, 0.5},    {1610, 1, 7, 0.69791666},
    {1700, 11, 30, 0.0}, {1800, 5, 17, 0.75}, {1900, 1, 1, 0.0},    {1950, 8, 9, 0.1},
    {1999, 12, 31, 0.9}, {2000, 1, 1, 0.5},   {2004, 2, 29, 0.5},   {2050, 6, 21, 0.3},
    {2100, 10, 10, 0.0}, {2500, 4, 1, 0.6},   {3000, 12, 31, 0.99},
};

struct Instant {
    double daysFromJ2000;  // the second part of ERFA's Julian Day
    Extended t;            // Julian millennia from J2000.0
    Extended centuries;
};

std::string Named(const Date& d)
{
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + " + " +
           std::to_string(d.fraction) + " d";
}

Instant InstantOf(const Date& d)
{
    double mjd0 = 0, mjd = 0;
    eraCal2jd(d.year, d.month, d.day, &mjd0, &mjd);
    const Extended jd = static_cast<Extended>(mjd0) + mjd + d.fraction;
    return {static_cast<double>(jd - J2000), JulianMillenniaOf(jd), 10 * JulianMillenniaOf(jd)};
}

TEST(NutationAgainstErfa, DiffersOnlyByTheDroppedTerms)
{
    for (const Date& d : Dates) {
        const Instant at = InstantOf(d);
        double dpsi = 0, deps = 0;
        eraNut80(J2000, at.daysFromJ2000, &dpsi, &deps);
        const NutationAngles got = Nutation(at.t);  // arcseconds
        const Extended psiDifference = got.Longitude * Arcsec - dpsi;
        const Extended epsDifference = got.Obliquity * Arcsec - deps;
        EXPECT_LE(std::abs(psiDifference), DroppedNutationTerms)
            << Named(d) << ": delta psi want " << dpsi / Arcsec << "\", got " << got.Longitude << "\", difference "
            << psiDifference / Arcsec << "\"";
        EXPECT_LE(std::abs(epsDifference), DroppedNutationTerms)
            << Named(d) << ": delta epsilon want " << deps / Arcsec << "\", got " << got.Obliquity
            << "\", difference " << epsDifference / Arcsec << "\"";
    }
}

TEST(ObliquityAgainstErfa, MeanAndTrue)
{
    for (const Date& d : Dates) {
        const Instant at = InstantOf(d);
        const Extended wantMean = eraObl80(J2000, at.daysFromJ2000);
        const Extended gotMean = TrueObliquity(at.t, NutationAngles{});
        EXPECT_NEAR(gotMean, wantMean, ObliquityRounding)
            << Named(d) << ": mean obliquity want " << wantMean / Arcsec << "\", got " << gotMean / Arcsec
            << "\", difference " << (gotMean - wantMean) / Arcsec << "\"";

        // The true obliquity carries the nutation in obliquity, and with it the dropped terms.
        double dpsi = 0, deps = 0;
        eraNut80(J2000, at.daysFromJ2000, &dpsi, &deps);
        const Extended wantTrue = wantMean + deps;
        const Extended gotTrue = TrueObliquity(at.t, Nutation(at.t));
        EXPECT_NEAR(gotTrue, wantTrue, DroppedNutationTerms + ObliquityRounding)
            << Named(d) << ": true obliquity want " << wantTrue / Arcsec << "\", got " << gotTrue / Arcsec
            << "\", difference " << (gotTrue - wantTrue) / Arcsec << "\"";
    }
}

// The rotation ApparentFromJ2000 applies: with no nutation the IAU 1976 precession alone; the
// nutation then turns the mean equator of the date to the true one, N = R1(-eps - d eps)
// R3(-d psi) R1(eps), which ERFA builds from the same angles.
TEST(PrecessionAgainstErfa, SameRotationAsIau1976AndTheNutationMatrix)
{
    for (const Date& d : Dates) {
        const Instant at = InstantOf(d);
        double precession[3][3];
        eraPmat76(J2000, at.daysFromJ2000, precession);
        const Mat3 mean = J2000ToEquatorOfDate(at.t, NutationAngles{});

        // The two sets of angles are published each on its own, the rates to 0.0001" per century
        // and cut after T^3: they part by up to 0.0002" |T| from the rounding and by terms in T^4
        // of the order of (pi_A p_A)^2 / rho^3 = (47" x 5029")^2 / 206265"^3 = 6e-6" (measured
        // 0.16" at T = +10, 1.6e-5" T^4), T in centuries. Near J2000.0 what is left is the
        // rounding of ERFA's 64-bit rotations, some 1e-15 rad (2e-10") per element.
        const Extended T = std::abs(at.centuries);
        const Extended precessionTolerance = (1e-8L + 0.0002L * T + 3e-5L * T * T * T * T) * Arcsec;

        const NutationAngles nutation = Nutation(at.t);
        double nutationWant[3][3];
        eraNumat(eraObl80(J2000, at.daysFromJ2000), static_cast<double>(nutation.Longitude * Arcsec),
                 static_cast<double>(nutation.Obliquity * Arcsec), nutationWant);
        // The program's nutation rotation: the whole rotation times the inverse of the precession.
        const Mat3 full = J2000ToEquatorOfDate(at.t, nutation);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                EXPECT_NEAR(Element(mean, i, j), precession[i][j], precessionTolerance)
                    << Named(d) << " precession [" << i << "][" << j << "]: want " << precession[i][j] << ", got "
                    << Element(mean, i, j) << ", difference " << (Element(mean, i, j) - precession[i][j]) / Arcsec << "\"";
                Extended nutationGot = 0;
                for (int k = 0; k < 3; ++k) nutationGot += Element(full, i, k) * Element(mean, j, k);
                // Rounding only: ERFA's 64-bit elements (2e-16 rad, 4e-11").
                EXPECT_NEAR(nutationGot, nutationWant[i][j], 1e-9L * Arcsec)
                    << Named(d) << " nutation [" << i << "][" << j << "]: want " << nutationWant[i][j] << ", got "
                    << nutationGot << ", difference " << (nutationGot - nutationWant[i][j]) / Arcsec << "\"";
            }
        }
    }
}

// Pluto's table is turned from the J2000 equator to the mean ecliptic and equinox of the date:
// the mean equator of the date (ERFA's IAU 1976 precession) turned by the mean obliquity of the
// date, R1(eps_A) P. Tolerances as for the precession above.
TEST(PrecessionAgainstErfa, EclipticOfDateIsTheEquatorOfDateTurnedByTheMeanObliquity)
{
    for (const Date& d : Dates) {
        const Instant at = InstantOf(d);
        double precession[3][3], turn[3][3], want[3][3];
        eraPmat76(J2000, at.daysFromJ2000, precession);
        eraIr(turn);
        eraRx(eraObl80(J2000, at.daysFromJ2000), turn);
        eraRxr(turn, precession, want);
        const Extended T = std::abs(at.centuries);
        const Extended tolerance = (1e-8L + 0.0002L * T + 3e-5L * T * T * T * T) * Arcsec;
        for (int j = 0; j < 3; ++j) {
            const Vec3 got = J2000EquatorToEclipticOfDate(at.t, {j == 0 ? 1.0L : 0, j == 1 ? 1.0L : 0, j == 2 ? 1.0L : 0});
            const Extended column[3] = {got.x, got.y, got.z};
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(column[i], want[i][j], tolerance)
                    << Named(d) << " [" << i << "][" << j << "]: want " << want[i][j] << ", got " << column[i]
                    << ", difference " << (column[i] - want[i][j]) / Arcsec << "\"";
        }
    }
}

}  // namespace
}  // namespace vireon
