// Cost of what the user waits for: one equatorial frame per planet through the driver (theory,
// panel, status bar, view into the null port's canvases), one polar frame, one monthly graph
// (311 theory runs) per planet, and Saturn's equatorial drawing alone (170 ring half-ellipses).
#include <benchmark/benchmark.h>

#include "app/driver.h"
#include "core/settings.h"
#include "display/views.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {
namespace {

void StartAt(ViewMode viewMode)
{
    ResetToStartupValues(Settings);
    SetDisplayPort(nullptr);  // the null port: canvases that draw nothing
    Settings.ViewMode = viewMode;
    Settings.Current = {15, 3, 2023, 21, 0, 0, 0};
    Settings.CurrentJD = JulianDayFromCalendar(Settings.Current);
}

// One animation frame: a new hour each time, so nothing is reused.
void Frame(benchmark::State& state, ViewMode viewMode)
{
    const auto planet = static_cast<PlanetId>(state.range(0));
    StartAt(viewMode);
    for (auto _ : state) {
        StepCurrentInstant(Settings, 1.0L / 24);
        RecomputeAndDraw(planet);
        benchmark::DoNotOptimize(Record.SatOffsetX[1]);
    }
    ResetToStartupValues(Settings);
}

void BM_EquatorialFrame(benchmark::State& state) { Frame(state, ViewMode::Equatorial); }
void BM_PolarFrame(benchmark::State& state) { Frame(state, ViewMode::Polar); }

void BM_GraphMonth(benchmark::State& state)
{
    const auto planet = static_cast<PlanetId>(state.range(0));
    StartAt(ViewMode::Graph);
    for (auto _ : state) {
        RecomputeAndDraw(planet);
        benchmark::DoNotOptimize(Record.SatOffsetX[1]);
    }
    ResetToStartupValues(Settings);
}

// Saturn's drawing alone, from a hand-filled record: rings, disc, eight satellites, legend.
void BM_SaturnEquatorialDrawing(benchmark::State& state)
{
    NullDisplayPort port;
    GlobalSettings settings;
    settings.CurrentPlanet = Saturn;
    settings.ZoomFactor = 4;
    SatelliteRecord record;
    record.PlanetApparentDiameter = {0, 18.5L, 16.6L};
    record.PlanetPolePA = 0.1L;
    PlanetPlaces places;
    places.Rings = {42.0, 8.0, -1};
    for (int k = 1; k <= 8; ++k) {
        record.SatApparentDiameter[k] = 0.3L;
        record.SatFarSide[k] = 'P';
    }
    for (auto _ : state) {
        for (int k = 1; k <= 8; ++k) {
            record.SatOffsetX[k] = 20.0L * k;  // the view turns them in place: refill each frame
            record.SatOffsetY[k] = 2.0L * k;
        }
        DrawEquatorialView(port, settings, record, places);
        benchmark::DoNotOptimize(record.SatOffsetX[8]);
    }
}

BENCHMARK(BM_EquatorialFrame)->DenseRange(Mars, Pluto)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PolarFrame)->Arg(Jupiter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphMonth)->DenseRange(Mars, Pluto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaturnEquatorialDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vireon
