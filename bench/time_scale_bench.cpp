// Cost of reading an instant on another clock than TT: Delta T (the leap seconds' table or the
// Espenak & Meeus expressions) and, in local time, the zone's offset from the system's database.
#include <benchmark/benchmark.h>

#include "core/time_scale.h"

namespace vireon {
namespace {

template <TimeScaleKind Kind>
void BM_ReadingFromTerrestrial(benchmark::State& state)
{
    const TimeScale scale{Kind, Kind == TimeScaleKind::Local ? "Europe/Paris" : ""};
    // 2024, then 1610 (before the leap seconds and the zone's history), a few hours apart each time.
    Extended jd = state.range(0) == 0 ? 2460300.5L : 2309107.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadingFromTerrestrial(scale, jd));
        jd += 0.137L;
    }
}

void BM_ReadingInUniversalTime(benchmark::State& state) { BM_ReadingFromTerrestrial<TimeScaleKind::Universal>(state); }
void BM_ReadingInLocalTime(benchmark::State& state) { BM_ReadingFromTerrestrial<TimeScaleKind::Local>(state); }

void BM_LocalTimeToTerrestrial(benchmark::State& state)
{
    const TimeScale paris{TimeScaleKind::Local, "Europe/Paris"};
    Extended jd = 2460300.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TerrestrialFromReading(paris, jd));
        jd += 0.137L;
    }
}

BENCHMARK(BM_ReadingInUniversalTime)->Arg(0)->Arg(1);
BENCHMARK(BM_ReadingInLocalTime)->Arg(0)->Arg(1);
BENCHMARK(BM_LocalTimeToTerrestrial);

}  // namespace
}  // namespace vireon
