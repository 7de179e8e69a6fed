// Cost of one run of the Mars, Neptune and Pluto satellite theories, each including its
// planet's apparent place (three evaluations of the planetary series and the light-time
// interpolation), as one animation frame pays it.
#include <benchmark/benchmark.h>

#include "satellites/theory.h"

namespace vireon {
namespace {

template <PlanetId planet>
void RunTheory(benchmark::State& state)
{
    TheoryInput in;
    in.JD = 2460000.5L;
    in.Year = 2023;
    PlanetPlaces places;
    SatelliteRecord record;
    for (auto _ : state) {
        RunSatelliteTheory(planet, in, places, record);
        benchmark::DoNotOptimize(record.SatOffsetX[1]);
        in.JD += 1.0L / 24;  // a new instant each frame, as the animation steps
    }
}

void MarsSatellitesWithApparentPlace(benchmark::State& state) { RunTheory<Mars>(state); }
void NeptuneSatellitesWithApparentPlace(benchmark::State& state) { RunTheory<Neptune>(state); }
void CharonWithApparentPlace(benchmark::State& state) { RunTheory<Pluto>(state); }

BENCHMARK(MarsSatellitesWithApparentPlace);
BENCHMARK(NeptuneSatellitesWithApparentPlace);
BENCHMARK(CharonWithApparentPlace);

}  // namespace
}  // namespace vireon
