// Evaluation of the truncated VSOP87D series (Bretagnon & Francou 1988): sub-series by term
// order, combined by powers of T in Horner form; see ephemeris/vsop87d.h for units and frame.
#include "ephemeris/vsop87d.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "core/angles.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {

constexpr Extended ArcsecondsPerTurn = 1296000;

// The terms are taken in blocks, so the sines and cosines of a block are computed together.
constexpr std::size_t TermsPerBlock = 64;

// VSOP87 has sub-series up to T^5.
constexpr std::size_t MaxPowers = 6;

// Adding 1.5 x 2^52 to a value below 2^51 in magnitude rounds it to an integer.
constexpr double RoundingShift = 6755399441055744.0;

// T as parts that are exact in 64 bits: Whole = T rounded to 64 bits = High + Low, each of at
// most 26 significant bits (Veltkamp's split), and Rest = T - Whole.
struct TimeParts {
    double Whole, High, Low, Rest;
};

TimeParts SplitTime(Extended julianMillennia)
{
    TimeParts t;
    t.Whole = static_cast<double>(julianMillennia);
    t.Rest = static_cast<double>(julianMillennia - t.Whole);
    const double scaled = 134217729.0 * t.Whole;
    t.High = scaled - (scaled - t.Whole);
    t.Low = t.Whole - t.High;
    return t;
}

// For the terms first .. first + count - 1 of a coordinate: A cos(P + F T) at T, and, when
// before and after are given, at T - d and T + d by angle addition, each in 64 bits.
//
// The argument: F1 T_high (26 by 26 bits, exact) holds nearly all of F T, up to 1.3e11"; it is
// reduced modulo 1296000" exactly (both are multiples of its last place and the remainder is
// below 2^20). The other products (F1 T_low and F2 T_high, exact; F2 T_low, F3 T, F T_rest,
// below 2^-26 |F T|) and P are then added with roundings of at most 1e-10" each: the argument
// is within 1e-9" (the sum in extended precision, rounded to 64 bits, was within 7.6e-6").
__attribute__((target_clones("avx2", "default")))
void TermValues(const CoordinateTerms64& terms, std::size_t first, std::size_t count, const TimeParts& t, double* instant,
                double* before, double* after)
{
    const double* f1 = terms.Frequency1.data() + first;
    const double* f2 = terms.Frequency2.data() + first;
    const double* f3 = terms.Frequency3.data() + first;
    const double* phase = terms.Phase.data() + first;
    const double* amplitude = terms.Amplitude.data() + first;
    double argument[TermsPerBlock], sine[TermsPerBlock], cosine[TermsPerBlock];
    for (std::size_t k = 0; k < count; ++k) {
        const double main = f1[k] * t.High;
        const double turns = (main * (1.0 / 1296000) + RoundingShift) - RoundingShift;
        const double reduced = main - turns * 1296000;
        const double middle = f1[k] * t.Low + f2[k] * t.High;
        const double small = f2[k] * t.Low + f3[k] * t.Whole + (f1[k] + f2[k]) * t.Rest;
        argument[k] = (phase[k] + reduced) + (middle + small);
    }
    SineCosineArcsec({argument, count}, {sine, count}, {cosine, count});
    for (std::size_t k = 0; k < count; ++k) instant[k] = amplitude[k] * cosine[k];
    if (before == nullptr || after == nullptr) return;
    const double* cosDay = terms.CosDay.data() + first;
    const double* sinDay = terms.SinDay.data() + first;
    for (std::size_t k = 0; k < count; ++k) {
        // cos(x -+ F d) = cos x cos(F d) +- sin x sin(F d).
        const double c = cosine[k] * cosDay[k];
        const double s = sine[k] * sinDay[k];
        before[k] = amplitude[k] * (c + s);
        after[k] = amplitude[k] * (c - s);
    }
}

// The sums of one sub-series at the three epochs (no initialiser: set before use).
struct EpochSums {
    Extended DayBefore, Instant, DayAfter;
};

// Adds the terms k .. stop - 1 of a block to the sums of their sub-series, in order.
void AddTerms(const double* instant, const double* before, const double* after, std::size_t k, std::size_t stop,
              EpochSums& sum)
{
    Extended atInstant = sum.Instant;
    if (before == nullptr || after == nullptr) {
        for (std::size_t i = k; i < stop; ++i) atInstant += instant[i];
    } else {
        Extended dayBefore = sum.DayBefore, dayAfter = sum.DayAfter;
        for (std::size_t i = k; i < stop; ++i) {
            dayBefore += before[i];
            atInstant += instant[i];
            dayAfter += after[i];
        }
        sum.DayBefore = dayBefore;
        sum.DayAfter = dayAfter;
    }
    sum.Instant = atInstant;
}

// The sub-series sums of one coordinate (at T, or at the three epochs when around is set), each
// in table order in extended precision, combined in Horner form with each epoch's T.
AroundInstant<Extended> SumCoordinate(std::span<const SubSeries> series, const CoordinateTerms64& terms,
                                      const AroundInstant<Extended>& t, bool around)
{
    assert(series.size() <= MaxPowers && TermCount(series) == terms.Amplitude.size());
    EpochSums sums[MaxPowers];
    const std::size_t powers = std::min(series.size(), MaxPowers);
    for (std::size_t n = 0; n < powers; ++n) sums[n] = {series[n].Constant, series[n].Constant, series[n].Constant};

    const TimeParts time = SplitTime(t.Instant);
    const std::size_t total = terms.Amplitude.size();
    std::size_t n = 0, end = powers > 0 ? series[0].Terms.size() : 0;
    for (std::size_t first = 0; first < total; first += TermsPerBlock) {
        const std::size_t count = std::min(TermsPerBlock, total - first);
        double instant[TermsPerBlock], before[TermsPerBlock], after[TermsPerBlock];
        TermValues(terms, first, count, time, instant, around ? before : nullptr, around ? after : nullptr);
        for (std::size_t k = 0; k < count;) {
            while (first + k >= end && n + 1 < powers) end += series[++n].Terms.size();
            const std::size_t stop = std::min(count, end - first);
            AddTerms(instant, around ? before : nullptr, around ? after : nullptr, k, stop, sums[n]);
            k = stop;
        }
    }

    AroundInstant<Extended> value;
    for (std::size_t m = powers; m-- > 0;) {
        value.DayBefore = sums[m].DayBefore + t.DayBefore * value.DayBefore;
        value.Instant = sums[m].Instant + t.Instant * value.Instant;
        value.DayAfter = sums[m].DayAfter + t.DayAfter * value.DayAfter;
    }
    return value;
}

}  // namespace

Extended EvaluateSubSeries(const SubSeries& series, Extended julianMillennia)
{
    Extended sum = series.Constant;
    for (const SeriesTerm& term : series.Terms) {
        const Extended arcsec = term.P + term.F * julianMillennia;
        sum += term.A * std::cos((arcsec - std::trunc(arcsec / ArcsecondsPerTurn) * ArcsecondsPerTurn) * RadiansPerArcsec);
    }
    return sum;
}

Extended EvaluatePowerSeries(std::span<const SubSeries> series, Extended julianMillennia)
{
    Extended value = 0;
    for (std::size_t n = series.size(); n-- > 0;) value = EvaluateSubSeries(series[n], julianMillennia) + julianMillennia * value;
    return value;
}

Extended EvaluateCoordinate(std::span<const SubSeries> series, const CoordinateTerms64& terms, Extended julianMillennia)
{
    return SumCoordinate(series, terms, {julianMillennia, julianMillennia, julianMillennia}, false).Instant;
}

AroundInstant<Extended> EvaluateCoordinateAround(std::span<const SubSeries> series, const CoordinateTerms64& terms,
                                                 const AroundInstant<Extended>& julianMillennia)
{
    return SumCoordinate(series, terms, julianMillennia, true);
}

Extended LongitudeFromArcsec(Extended arcsec)
{
    Extended reduced = arcsec - std::trunc(arcsec / ArcsecondsPerTurn) * ArcsecondsPerTurn;
    if (reduced < 0) reduced += ArcsecondsPerTurn;
    Extended radians = reduced * RadiansPerArcsec;
    // A value a hair below 0 reduced by a whole turn can round up to exactly 2 pi.
    if (radians >= 2 * Pi) radians = 0;
    return radians;
}

Extended LatitudeFromArcsec(Extended arcsec) { return arcsec * RadiansPerArcsec; }

Extended RadiusFromAu(Extended au) { return au * AstronomicalUnitKm; }

Extended SeriesLongitude(std::span<const SubSeries> series, Extended julianMillennia)
{
    return LongitudeFromArcsec(EvaluatePowerSeries(series, julianMillennia));
}

Extended SeriesLatitude(std::span<const SubSeries> series, Extended julianMillennia)
{
    return LatitudeFromArcsec(EvaluatePowerSeries(series, julianMillennia));
}

Extended SeriesRadius(std::span<const SubSeries> series, Extended julianMillennia)
{
    return RadiusFromAu(EvaluatePowerSeries(series, julianMillennia));
}

Extended EarthSeriesL(Extended t) { return LongitudeFromArcsec(EvaluateCoordinate(EarthVsop87.L, EarthVsop87.L64, t)); }
Extended EarthSeriesB(Extended t) { return LatitudeFromArcsec(EvaluateCoordinate(EarthVsop87.B, EarthVsop87.B64, t)); }
Extended EarthSeriesR(Extended t) { return RadiusFromAu(EvaluateCoordinate(EarthVsop87.R, EarthVsop87.R64, t)); }
Extended MarsSeriesL(Extended t) { return LongitudeFromArcsec(EvaluateCoordinate(MarsVsop87.L, MarsVsop87.L64, t)); }
Extended MarsSeriesB(Extended t) { return LatitudeFromArcsec(EvaluateCoordinate(MarsVsop87.B, MarsVsop87.B64, t)); }
Extended MarsSeriesR(Extended t) { return RadiusFromAu(EvaluateCoordinate(MarsVsop87.R, MarsVsop87.R64, t)); }
Extended JupiterSeriesL(Extended t) { return LongitudeFromArcsec(EvaluateCoordinate(JupiterVsop87.L, JupiterVsop87.L64, t)); }
Extended JupiterSeriesB(Extended t) { return LatitudeFromArcsec(EvaluateCoordinate(JupiterVsop87.B, JupiterVsop87.B64, t)); }
Extended JupiterSeriesR(Extended t) { return RadiusFromAu(EvaluateCoordinate(JupiterVsop87.R, JupiterVsop87.R64, t)); }
Extended SaturnSeriesL(Extended t) { return LongitudeFromArcsec(EvaluateCoordinate(SaturnVsop87.L, SaturnVsop87.L64, t)); }
Extended SaturnSeriesB(Extended t) { return LatitudeFromArcsec(EvaluateCoordinate(SaturnVsop87.B, SaturnVsop87.B64, t)); }
Extended SaturnSeriesR(Extended t) { return RadiusFromAu(EvaluateCoordinate(SaturnVsop87.R, SaturnVsop87.R64, t)); }
Extended UranusSeriesL(Extended t) { return LongitudeFromArcsec(EvaluateCoordinate(UranusVsop87.L, UranusVsop87.L64, t)); }
Extended UranusSeriesB(Extended t) { return LatitudeFromArcsec(EvaluateCoordinate(UranusVsop87.B, UranusVsop87.B64, t)); }
Extended UranusSeriesR(Extended t) { return RadiusFromAu(EvaluateCoordinate(UranusVsop87.R, UranusVsop87.R64, t)); }
Extended NeptuneSeriesL(Extended t) { return LongitudeFromArcsec(EvaluateCoordinate(NeptuneVsop87.L, NeptuneVsop87.L64, t)); }
Extended NeptuneSeriesB(Extended t) { return LatitudeFromArcsec(EvaluateCoordinate(NeptuneVsop87.B, NeptuneVsop87.B64, t)); }
Extended NeptuneSeriesR(Extended t) { return RadiusFromAu(EvaluateCoordinate(NeptuneVsop87.R, NeptuneVsop87.R64, t)); }

const PlanetSeries* Vsop87Tables(int body)
{
    switch (body) {
    case 3: return &EarthVsop87;
    case Mars: return &MarsVsop87;
    case Jupiter: return &JupiterVsop87;
    case Saturn: return &SaturnVsop87;
    case Uranus: return &UranusVsop87;
    case Neptune: return &NeptuneVsop87;
    default: return nullptr;
    }
}

}  // namespace vireon
