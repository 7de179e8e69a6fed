// Cost of one apparent place per planet (three evaluations of the planet's and the Earth's
// series, the nutation, the light-time interpolation), and of the pieces it is made of.
#include <benchmark/benchmark.h>

#include "ephemeris/apparent_place.h"
#include "ephemeris/vsop87d.h"

namespace vireon {
namespace {

// 2004 February 29, 12h TT, moved by a few minutes each iteration so nothing is reused.
constexpr Extended BenchJD = 2453065.0L;

template <void (*Apparent)(Extended, PlanetPlaces&)>
void BM_Apparent(benchmark::State& state)
{
    PlanetPlaces places;
    Extended jd = BenchJD;
    for (auto _ : state) {
        Apparent(jd, places);
        benchmark::DoNotOptimize(places.Planet[Jupiter].RA);
        jd += 0.003L;
    }
}

void SaturnWithRings(Extended jd, PlanetPlaces& places) { SaturnApparent(jd, places); }

void BM_MarsApparent(benchmark::State& state) { BM_Apparent<MarsApparent>(state); }
void BM_JupiterApparent(benchmark::State& state) { BM_Apparent<JupiterApparent>(state); }
void BM_SaturnApparent(benchmark::State& state) { BM_Apparent<SaturnWithRings>(state); }
void BM_UranusApparent(benchmark::State& state) { BM_Apparent<UranusApparent>(state); }
void BM_NeptuneApparent(benchmark::State& state) { BM_Apparent<NeptuneApparent>(state); }
void BM_PlutoApparent(benchmark::State& state) { BM_Apparent<PlutoApparent>(state); }

void BM_EarthSeries(benchmark::State& state)
{
    Extended t = JulianMillenniaOf(BenchJD);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EarthSeriesL(t) + EarthSeriesB(t) + EarthSeriesR(t));
        t += 1e-8L;
    }
}

// Pluto's table at one epoch, turned to the ecliptic and equinox of the date (three per place).
void BM_PlutoHeliocentric(benchmark::State& state)
{
    Extended t = JulianMillenniaOf(BenchJD);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlutoHeliocentric(t).L);
        t += 1e-8L;
    }
}

void BM_Nutation(benchmark::State& state)
{
    Extended t = JulianMillenniaOf(BenchJD);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Nutation(t).Longitude);
        t += 1e-8L;
    }
}

void BM_ApparentFromJ2000(benchmark::State& state)
{
    Extended jd = BenchJD;
    for (auto _ : state) {
        Extended alpha = 4.67L, delta = 0.36L;
        ApparentFromJ2000(jd, alpha, delta);
        benchmark::DoNotOptimize(alpha + delta);
        jd += 0.003L;
    }
}

// The same conversion given the nutation, obliquity and Earth of an apparent place of the
// instant, as the satellite theories call it for a pole or a frame axis.
void BM_ApparentFromJ2000GivenNutation(benchmark::State& state)
{
    PlanetPlaces places;
    JupiterApparent(BenchJD, places);
    Extended alpha0 = 4.67L;
    for (auto _ : state) {
        Extended alpha = alpha0, delta = 0.36L;
        ApparentFromJ2000(BenchJD, places.Nutation, places.TrueObliquity, places.Earth, alpha, delta);
        benchmark::DoNotOptimize(alpha + delta);
        alpha0 += 1e-7L;
    }
}

}  // namespace

BENCHMARK(BM_MarsApparent);
BENCHMARK(BM_JupiterApparent);
BENCHMARK(BM_SaturnApparent);
BENCHMARK(BM_UranusApparent);
BENCHMARK(BM_NeptuneApparent);
BENCHMARK(BM_PlutoApparent);
BENCHMARK(BM_EarthSeries);
BENCHMARK(BM_PlutoHeliocentric);
BENCHMARK(BM_Nutation);
BENCHMARK(BM_ApparentFromJ2000);
BENCHMARK(BM_ApparentFromJ2000GivenNutation);

}  // namespace vireon
