// Timing of Saturn's and Uranus's satellites: one run of each theory with its planet's apparent
// place (as every animation frame does), the satellite stages alone, and the shared Kepler
// solver. Prints, never asserts.
#include <benchmark/benchmark.h>

#include "satellites/kepler.h"
#include "satellites/saturn_satellites.h"
#include "satellites/theory.h"
#include "satellites/uranus_satellites.h"

namespace {

using namespace vireon;

void BM_ComputeSaturnSatellites(benchmark::State& state)
{
    TheoryInput in;
    in.JD = 2453065.0L;  // 2004-02-29 12:00
    in.Orientation = Orientation::PlanetSouth;
    PlanetPlaces places;
    SatelliteRecord record;
    for (auto _ : state) {
        RunSatelliteTheory(Saturn, in, places, record);
        benchmark::DoNotOptimize(record.SatOffsetX[8]);
        in.JD += 1.0L / 24;
    }
}
BENCHMARK(BM_ComputeSaturnSatellites);

void BM_ComputeUranusSatellites(benchmark::State& state)
{
    TheoryInput in;
    in.JD = 2453065.0L;
    PlanetPlaces places;
    SatelliteRecord record;
    for (auto _ : state) {
        RunSatelliteTheory(Uranus, in, places, record);
        benchmark::DoNotOptimize(record.SatOffsetX[5]);
        in.JD += 1.0L / 24;
    }
}
BENCHMARK(BM_ComputeUranusSatellites);

// Saturn's eight element sets and orbits in the B1950 frame, without the apparent place.
void BM_SaturnElementsAndOrbits(benchmark::State& state)
{
    Extended jd = 2453065.0L;
    for (auto _ : state) {
        for (int k = 1; k <= 8; ++k)
            benchmark::DoNotOptimize(SaturnSatelliteB1950(k, SaturnSatelliteElements(k, jd, 0.06L)));
        jd += 0.01L;
    }
}
BENCHMARK(BM_SaturnElementsAndOrbits);

// GUST86's 159 periodic terms and the five orbits, without the apparent place or the frame.
void BM_Gust86SeriesAndOrbits(benchmark::State& state)
{
    Extended t = 8825.5L;
    for (auto _ : state) {
        const Gust86Arguments a = Gust86FundamentalArguments(t);
        for (int k = 1; k <= 5; ++k) benchmark::DoNotOptimize(UranianPosition(Gust86Elements(k, a)));
        t += 0.01L;
    }
}
BENCHMARK(BM_Gust86SeriesAndOrbits);

// One Kepler solve at Hyperion's eccentricity (the largest of these theories).
void BM_SolveKepler(benchmark::State& state)
{
    Extended M = 0.3L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveKepler(M, 0.1L));
        M += 0.001L;
    }
}
BENCHMARK(BM_SolveKepler);

}  // namespace
