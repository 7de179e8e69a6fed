// Evaluation of the truncated VSOP87D series (Bretagnon & Francou 1988): sub-series by term
// order, combined by powers of T in Horner form; see ephemeris/vsop87d.h for units and frame.
#include "ephemeris/vsop87d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ArcsecondsPerTurn = 1296000;

// The terms are taken in blocks, so the sines and cosines of a block are computed together.
constexpr std::size_t TermsPerBlock = 64;

// Sines and cosines of the terms' arguments P + F T. The argument is formed in extended
// precision and rounded once to 64 bits: with |F T| up to 1.3e11" over years 1 to 9999 that
// keeps it to 1e-5", which moves no sum by 1e-9". Its 64-bit sine and cosine carry all it holds
// (the difference from the 80-bit ones is below 1e-11" summed over every term).
void TermSinesCosines(std::span<const SeriesTerm> terms, Extended julianMillennia, double* sine, double* cosine)
{
    double argument[TermsPerBlock];
    for (std::size_t i = 0; i < terms.size(); ++i) argument[i] = static_cast<double>(terms[i].P + terms[i].F * julianMillennia);
    SineCosineArcsec({argument, terms.size()}, {sine, terms.size()}, {cosine, terms.size()});
}

// cos(x - F d) and cos(x + F d) from cos x and sin x by angle addition.
void DayBeforeAndAfter(std::span<const SeriesTerm> terms, const double* sine, const double* cosine, double* before,
                       double* after)
{
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const double c = cosine[i] * terms[i].CosDay;
        const double s = sine[i] * terms[i].SinDay;
        before[i] = c + s;
        after[i] = c - s;
    }
}

std::span<const SeriesTerm> Block(std::span<const SeriesTerm> terms, std::size_t first)
{
    return terms.subspan(first, std::min(TermsPerBlock, terms.size() - first));
}

}  // namespace

Extended EvaluateSubSeries(const SubSeries& series, Extended julianMillennia)
{
    Extended sum = series.Constant;
    for (std::size_t first = 0; first < series.Terms.size(); first += TermsPerBlock) {
        const std::span<const SeriesTerm> terms = Block(series.Terms, first);
        double sine[TermsPerBlock], cosine[TermsPerBlock];
        TermSinesCosines(terms, julianMillennia, sine, cosine);
        for (std::size_t i = 0; i < terms.size(); ++i) sum += terms[i].A * static_cast<Extended>(cosine[i]);
    }
    return sum;
}

AroundInstant<Extended> EvaluateSubSeriesAround(const SubSeries& series, Extended julianMillennia)
{
    AroundInstant<Extended> sum = {series.Constant, series.Constant, series.Constant};
    for (std::size_t first = 0; first < series.Terms.size(); first += TermsPerBlock) {
        const std::span<const SeriesTerm> terms = Block(series.Terms, first);
        double sine[TermsPerBlock], cosine[TermsPerBlock], before[TermsPerBlock], after[TermsPerBlock];
        TermSinesCosines(terms, julianMillennia, sine, cosine);
        DayBeforeAndAfter(terms, sine, cosine, before, after);
        // Three sums, each in table order as EvaluateSubSeries takes them.
        for (std::size_t i = 0; i < terms.size(); ++i) {
            const Extended a = terms[i].A;
            sum.DayBefore += a * static_cast<Extended>(before[i]);
            sum.Instant += a * static_cast<Extended>(cosine[i]);
            sum.DayAfter += a * static_cast<Extended>(after[i]);
        }
    }
    return sum;
}

Extended EvaluatePowerSeries(std::span<const SubSeries> series, Extended julianMillennia)
{
    Extended value = 0;
    for (std::size_t n = series.size(); n-- > 0;) value = EvaluateSubSeries(series[n], julianMillennia) + julianMillennia * value;
    return value;
}

AroundInstant<Extended> EvaluatePowerSeriesAround(std::span<const SubSeries> series,
                                                  const AroundInstant<Extended>& julianMillennia)
{
    const AroundInstant<Extended>& t = julianMillennia;
    AroundInstant<Extended> value;
    for (std::size_t n = series.size(); n-- > 0;) {
        const AroundInstant<Extended> s = EvaluateSubSeriesAround(series[n], t.Instant);
        value.DayBefore = s.DayBefore + t.DayBefore * value.DayBefore;
        value.Instant = s.Instant + t.Instant * value.Instant;
        value.DayAfter = s.DayAfter + t.DayAfter * value.DayAfter;
    }
    return value;
}

Extended LongitudeFromArcsec(Extended arcsec)
{
    Extended reduced = arcsec - std::trunc(arcsec / ArcsecondsPerTurn) * ArcsecondsPerTurn;
    if (reduced < 0) reduced += ArcsecondsPerTurn;
    Extended radians = reduced * Pi / 648000;
    // A value a hair below 0 reduced by a whole turn can round up to exactly 2 pi.
    if (radians >= 2 * Pi) radians = 0;
    return radians;
}

Extended LatitudeFromArcsec(Extended arcsec) { return arcsec * Pi / 648000; }

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

Extended EarthSeriesL(Extended t) { return SeriesLongitude(EarthVsop87.L, t); }
Extended EarthSeriesB(Extended t) { return SeriesLatitude(EarthVsop87.B, t); }
Extended EarthSeriesR(Extended t) { return SeriesRadius(EarthVsop87.R, t); }
Extended MarsSeriesL(Extended t) { return SeriesLongitude(MarsVsop87.L, t); }
Extended MarsSeriesB(Extended t) { return SeriesLatitude(MarsVsop87.B, t); }
Extended MarsSeriesR(Extended t) { return SeriesRadius(MarsVsop87.R, t); }
Extended JupiterSeriesL(Extended t) { return SeriesLongitude(JupiterVsop87.L, t); }
Extended JupiterSeriesB(Extended t) { return SeriesLatitude(JupiterVsop87.B, t); }
Extended JupiterSeriesR(Extended t) { return SeriesRadius(JupiterVsop87.R, t); }
Extended SaturnSeriesL(Extended t) { return SeriesLongitude(SaturnVsop87.L, t); }
Extended SaturnSeriesB(Extended t) { return SeriesLatitude(SaturnVsop87.B, t); }
Extended SaturnSeriesR(Extended t) { return SeriesRadius(SaturnVsop87.R, t); }
Extended UranusSeriesL(Extended t) { return SeriesLongitude(UranusVsop87.L, t); }
Extended UranusSeriesB(Extended t) { return SeriesLatitude(UranusVsop87.B, t); }
Extended UranusSeriesR(Extended t) { return SeriesRadius(UranusVsop87.R, t); }
Extended NeptuneSeriesL(Extended t) { return SeriesLongitude(NeptuneVsop87.L, t); }
Extended NeptuneSeriesB(Extended t) { return SeriesLatitude(NeptuneVsop87.B, t); }
Extended NeptuneSeriesR(Extended t) { return SeriesRadius(NeptuneVsop87.R, t); }

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
