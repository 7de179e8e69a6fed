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

// The three coordinates of one body; element n of each span is the sub-series of T^n.
struct PlanetSeries {
    std::span<const SubSeries> L;
    std::span<const SubSeries> B;
    std::span<const SubSeries> R;
};

// The generated tables (ephemeris/vsop87d_<planet>.cpp).
extern const PlanetSeries EarthVsop87;
extern const PlanetSeries MarsVsop87;
extern const PlanetSeries JupiterVsop87;
extern const PlanetSeries SaturnVsop87;
extern const PlanetSeries UranusVsop87;
extern const PlanetSeries NeptuneVsop87;

// One sub-series at T (Julian millennia): the constant plus, in table order, A cos of the
// argument P + F T (ephemeris/sine_cosine.h); arcseconds or au, accumulated in extended precision.
Extended EvaluateSubSeries(const SubSeries& series, Extended julianMillennia);

// The same at T - d, T and T + d (d = one day) from the arguments at T alone: the day before and
// after follow by angle addition with each term's CosDay and SinDay. The Instant value equals
// EvaluateSubSeries(series, julianMillennia) exactly.
AroundInstant<Extended> EvaluateSubSeriesAround(const SubSeries& series, Extended julianMillennia);

// The sub-series combined by powers of T in Horner form (arcseconds or au).
Extended EvaluatePowerSeries(std::span<const SubSeries> series, Extended julianMillennia);

// The same at the three epochs: the periodic terms from julianMillennia.Instant as above, the
// powers of T with each epoch's own T (julianMillennia.DayBefore and .DayAfter must be one day
// before and after .Instant).
AroundInstant<Extended> EvaluatePowerSeriesAround(std::span<const SubSeries> series,
                                                  const AroundInstant<Extended>& julianMillennia);

// The coordinates themselves: longitude in radians reduced into [0, 2pi), latitude in radians,
// radius vector in km (1 au = 149597870.66 km for every body).
Extended SeriesLongitude(std::span<const SubSeries> series, Extended julianMillennia);
Extended SeriesLatitude(std::span<const SubSeries> series, Extended julianMillennia);
Extended SeriesRadius(std::span<const SubSeries> series, Extended julianMillennia);

// The conversions those apply to the power series' value (arcseconds or au).
Extended LongitudeFromArcsec(Extended arcsec);
Extended LatitudeFromArcsec(Extended arcsec);
Extended RadiusFromAu(Extended au);

// Per body and coordinate, at T in Julian millennia from J2000.0.
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
