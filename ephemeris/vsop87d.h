// VSOP87 version D (Bretagnon & Francou 1988, A&A 202, 309): heliocentric ecliptic longitude L,
// latitude B and radius vector R referred to the mean ecliptic and equinox of the date, for the
// Earth, Mars, Jupiter, Saturn, Uranus and Neptune.
//
// Each coordinate is S0 + T (S1 + T (S2 + ...)), T in Julian millennia from J2000.0 (TT), where
// every sub-series Sn is a constant plus a sum of periodic terms A cos(P + F T):
//   A in arcseconds (L, B) or astronomical units (R), P in arcseconds, F in arcseconds per
//   Julian millennium (the published radians multiplied by 648000/pi).
// The tables are truncated: periodic terms of at least 0.1" for L and B, and of at least 0.1"
// (in radians) times the planet's mean distance for R; the zero-frequency terms of the theory
// are folded into the sub-series constant, which is dropped (0) when it is below the same limit.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/types.h"
#include "ephemeris/around_instant.h"

namespace vireon {

// One periodic term A cos(P + F T); see above for the units. CosDay and SinDay are cos(F d) and
// sin(F d) for d = one day (1/365250 Julian millennium): the term one day before and after T is
// A (cos(P + F T) cos(F d) +- sin(P + F T) sin(F d)).
struct SeriesTerm {
    Extended A;
    Extended P;
    Extended F;
    double CosDay;
    double SinDay;
};

// The coefficient of one power of T: a constant and periodic terms, largest amplitude first.
struct SubSeries {
    Extended Constant;
    std::span<const SeriesTerm> Terms;
};

// Every term of one coordinate's sub-series (T^0 first, each in table order) in 64-bit form, one
// array per quantity, for the evaluation at the three epochs: the amplitude A and the phase P
// rounded to 64 bits (P within 1.2e-10"), the frequency F split exactly into a part of 26 bits,
// one of 26 bits and the rest, so that the largest part of F T is formed and reduced modulo a
// turn without rounding, and cos(F d), sin(F d).
struct CoordinateTerms64 {
    std::span<const double> Amplitude, Phase, Frequency1, Frequency2, Frequency3, CosDay, SinDay;
};

// The number of periodic terms of one coordinate.
constexpr std::size_t TermCount(std::span<const SubSeries> coordinate)
{
    std::size_t count = 0;
    for (const SubSeries& s : coordinate) count += s.Terms.size();
    return count;
}

// Storage for those arrays, filled by the compiler from the generated extended tables.
template <std::size_t N>
struct CoordinateTerms64Storage {
    std::array<double, N> Amplitude{}, Phase{}, Frequency1{}, Frequency2{}, Frequency3{}, CosDay{}, SinDay{};

    constexpr explicit CoordinateTerms64Storage(std::span<const SubSeries> coordinate)
    {
        std::size_t k = 0;
        for (const SubSeries& s : coordinate) {
            for (const SeriesTerm& term : s.Terms) {
                Amplitude[k] = static_cast<double>(term.A);
                Phase[k] = static_cast<double>(term.P);
                // Veltkamp's split of F rounded to 64 bits into two halves of 26 bits, exactly.
                const double f = static_cast<double>(term.F);
                const double scaled = 134217729.0 * f;
                Frequency1[k] = scaled - (scaled - f);
                Frequency2[k] = f - Frequency1[k];
                Frequency3[k] = static_cast<double>(term.F - f);
                CosDay[k] = term.CosDay;
                SinDay[k] = term.SinDay;
                ++k;
            }
        }
    }

    constexpr CoordinateTerms64 View() const { return {Amplitude, Phase, Frequency1, Frequency2, Frequency3, CosDay, SinDay}; }
};

// The three coordinates of one body; element n of each span is the sub-series of T^n. L64, B64
// and R64 hold their terms in 64-bit form.
struct PlanetSeries {
    std::span<const SubSeries> L;
    std::span<const SubSeries> B;
    std::span<const SubSeries> R;
    CoordinateTerms64 L64, B64, R64;
};

// The generated tables (ephemeris/vsop87d_<planet>.cpp).
extern const PlanetSeries EarthVsop87;
extern const PlanetSeries MarsVsop87;
extern const PlanetSeries JupiterVsop87;
extern const PlanetSeries SaturnVsop87;
extern const PlanetSeries UranusVsop87;
extern const PlanetSeries NeptuneVsop87;

// One sub-series at T (Julian millennia): the constant plus, in table order, A cos of the
// argument P + F T formed in extended precision; arcseconds or au, accumulated in extended
// precision. The reference evaluation of any table (a test can build its own).
Extended EvaluateSubSeries(const SubSeries& series, Extended julianMillennia);

// The sub-series combined by powers of T in Horner form (arcseconds or au).
Extended EvaluatePowerSeries(std::span<const SubSeries> series, Extended julianMillennia);

// The evaluation the program uses, of one coordinate of a body (series and its terms in 64-bit
// form): the same sums, the terms in 64 bits (arguments within 1e-9", amplitudes and products
// rounded to 64 bits: each term within 3e-16 of its 80-bit value), accumulated in extended
// precision in table order and combined in Horner form. At the three epochs T - d, T, T + d
// (d = one day) the terms at T - d and T + d follow from the arguments at T by angle addition
// with CosDay and SinDay; the powers of T take each epoch's own T (julianMillennia.DayBefore and
// .DayAfter one day before and after .Instant). The Instant value equals EvaluateCoordinate at
// julianMillennia.Instant exactly.
Extended EvaluateCoordinate(std::span<const SubSeries> series, const CoordinateTerms64& terms, Extended julianMillennia);
AroundInstant<Extended> EvaluateCoordinateAround(std::span<const SubSeries> series, const CoordinateTerms64& terms,
                                                 const AroundInstant<Extended>& julianMillennia);

// The coordinates themselves from EvaluatePowerSeries: longitude in radians reduced into
// [0, 2pi), latitude in radians, radius vector in km (1 au = 149597870.66 km for every body).
Extended SeriesLongitude(std::span<const SubSeries> series, Extended julianMillennia);
Extended SeriesLatitude(std::span<const SubSeries> series, Extended julianMillennia);
Extended SeriesRadius(std::span<const SubSeries> series, Extended julianMillennia);

// The conversions those apply to the power series' value (arcseconds or au).
Extended LongitudeFromArcsec(Extended arcsec);
Extended LatitudeFromArcsec(Extended arcsec);
Extended RadiusFromAu(Extended au);

// Per body and coordinate, at T in Julian millennia from J2000.0, by EvaluateCoordinate.
Extended EarthSeriesL(Extended julianMillennia);
Extended EarthSeriesB(Extended julianMillennia);
Extended EarthSeriesR(Extended julianMillennia);
Extended MarsSeriesL(Extended julianMillennia);
Extended MarsSeriesB(Extended julianMillennia);
Extended MarsSeriesR(Extended julianMillennia);
Extended JupiterSeriesL(Extended julianMillennia);
Extended JupiterSeriesB(Extended julianMillennia);
Extended JupiterSeriesR(Extended julianMillennia);
Extended SaturnSeriesL(Extended julianMillennia);
Extended SaturnSeriesB(Extended julianMillennia);
Extended SaturnSeriesR(Extended julianMillennia);
Extended UranusSeriesL(Extended julianMillennia);
Extended UranusSeriesB(Extended julianMillennia);
Extended UranusSeriesR(Extended julianMillennia);
Extended NeptuneSeriesL(Extended julianMillennia);
Extended NeptuneSeriesB(Extended julianMillennia);
Extended NeptuneSeriesR(Extended julianMillennia);

// The tables of body 3 (the Earth) .. 8 (Neptune); nullptr for any other number.
const PlanetSeries* Vsop87Tables(int body);

}  // namespace vireon
