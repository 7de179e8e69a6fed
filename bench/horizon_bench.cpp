// Cost of the site's altitudes: one instant computed in full, one from an apparent place already
// at hand (what the recompute driver adds to a frame), the sidereal time, and the track of a span
// (its construction for a month, and each instant read from it), with a month of Jupiter's
// phenomena given their altitudes row by row (against BM_JupiterPhenomenaMonth without them).
#include <benchmark/benchmark.h>

#include <vector>

#include "core/time_base.h"
#include "ephemeris/horizon.h"
#include "ephemeris/sidereal_time.h"
#include "satellites/phenomena.h"

namespace vireon {
namespace {

// 2004 February 29, 12h TT (TT - UT1 = 65 s), moved by a few minutes each iteration so nothing is
// reused; Paris.
constexpr Extended BenchJD = 2453065.0L;
constexpr Extended TTMinusUTDays = 65.0L / 86400;
const ObservingSite Paris{"Paris", 48.8566, 2.3522, 35};

void BM_AltitudesAtJupiter(benchmark::State& state)
{
    Extended jd = BenchJD;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AltitudesAt(Paris, Jupiter, jd, jd - TTMinusUTDays).PlanetAltitudeDeg);
        jd += 0.003L;
    }
}

void BM_AltitudesFromPlaces(benchmark::State& state)
{
    PlanetPlaces places;
    PlanetApparent(Jupiter, BenchJD, places);
    Extended jd = BenchJD;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AltitudesAt(Paris, Jupiter, places, jd - TTMinusUTDays).PlanetAltitudeDeg);
        jd += 1e-6L;
    }
}

void BM_ApparentSiderealTime(benchmark::State& state)
{
    Extended jd = BenchJD;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GreenwichApparentSiderealTime(jd - TTMinusUTDays, jd));
        jd += 0.003L;
    }
}

// December 2024, as the month's list of phenomena spans it.
const Extended MonthFirst = JulianDayFromCalendar(1, 12, 2024, 0, 0, 0);
const Extended MonthLast = JulianDayFromCalendar(31, 12, 2024, 59, 59, 23);

void BM_AltitudeTrackMonthBuild(benchmark::State& state)
{
    for (auto _ : state) {
        const AltitudeTrack track(Paris, Jupiter, MonthFirst, MonthLast);
        benchmark::DoNotOptimize(&track);
    }
}

void BM_AltitudeTrackInstant(benchmark::State& state)
{
    const AltitudeTrack track(Paris, Jupiter, MonthFirst, MonthLast);
    Extended jd = MonthFirst;
    for (auto _ : state) {
        benchmark::DoNotOptimize(track.At(jd, jd - TTMinusUTDays).PlanetAltitudeDeg);
        jd += 0.0123L;
        if (jd > MonthLast) jd = MonthFirst;
    }
}

void BM_JupiterPhenomenaMonthWithSite(benchmark::State& state)
{
    for (auto _ : state) {
        const std::vector<Phenomenon> rows = FindPhenomena(Jupiter, MonthFirst, MonthLast);
        const AltitudeTrack track(Paris, Jupiter, MonthFirst, MonthLast);
        int observable = 0;
        for (const Phenomenon& row : rows) observable += IsObservable(track.At(row.JD, row.JD - TTMinusUTDays));
        benchmark::DoNotOptimize(observable);
        state.counters["rows"] = static_cast<double>(rows.size());
    }
}

BENCHMARK(BM_AltitudesAtJupiter);
BENCHMARK(BM_AltitudesFromPlaces);
BENCHMARK(BM_ApparentSiderealTime);
BENCHMARK(BM_AltitudeTrackMonthBuild)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AltitudeTrackInstant);
BENCHMARK(BM_JupiterPhenomenaMonthWithSite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vireon
