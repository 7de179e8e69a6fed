// Evaluation of the truncated VSOP87D series (Bretagnon & Francou 1988): sub-series by term
// order, combined by powers of T in Horner form; see ephemeris/vsop87d.h for units and frame.
#include "ephemeris/vsop87d.h"

#include <cmath>
#include <numbers>

#include "core/time_base.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ArcsecondsPerTurn = 1296000;

}  // namespace

Extended EvaluateSubSeries(const SubSeries& series, Extended julianMillennia)
{
    // Every argument is reduced modulo 1296000" before its cosine: with |F T| up to 1e11"
    // over the program's date range, the reduction keeps the cosine's argument small.
    Extended sum = series.Constant;
    for (const SeriesTerm& term : series.Terms) {
        // The reduced argument is a 64-bit value, so its 64-bit cosine carries all it holds (the
        // difference from the 80-bit cosine is below 1e-11" summed over every term) at a
        // twentieth of the cost; the sum itself stays extended.
        const double argument = ArcsecToRadians(static_cast<double>(term.P + term.F * julianMillennia));
        sum += term.A * static_cast<Extended>(std::cos(argument));
    }
    return sum;
}

Extended EvaluatePowerSeries(std::span<const SubSeries> series, Extended julianMillennia)
{
    Extended value = 0;
    for (std::size_t n = series.size(); n-- > 0;) value = EvaluateSubSeries(series[n], julianMillennia) + julianMillennia * value;
    return value;
}

Extended SeriesLongitude(std::span<const SubSeries> series, Extended julianMillennia)
{
    const Extended arcsec = EvaluatePowerSeries(series, julianMillennia);
    Extended reduced = arcsec - std::trunc(arcsec / ArcsecondsPerTurn) * ArcsecondsPerTurn;
    if (reduced < 0) reduced += ArcsecondsPerTurn;
    Extended radians = reduced * Pi / 648000;
    // A value a hair below 0 reduced by a whole turn can round up to exactly 2 pi.
    if (radians >= 2 * Pi) radians = 0;
    return radians;
}

Extended SeriesLatitude(std::span<const SubSeries> series, Extended julianMillennia)
{
    return EvaluatePowerSeries(series, julianMillennia) * Pi / 648000;
}

Extended SeriesRadius(std::span<const SubSeries> series, Extended julianMillennia)
{
    return EvaluatePowerSeries(series, julianMillennia) * AstronomicalUnitKm;
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
