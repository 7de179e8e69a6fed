// Cost of what the user waits for: one equatorial frame per planet through the driver (theory,
// panel, status bar, view into the null port's canvases), one polar frame, one monthly graph
// (311 theory runs) per planet, and Saturn's equatorial drawing alone (170 ring half-ellipses).
// The *Display and GraphMonthDrawing cases time what comes after the theory: the same work
// with the theory's output computed once before the loop and copied back at each run.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "app/driver.h"
#include "core/settings.h"
#include "display/display_port.h"
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

// The driver's steps with the theory replaced by a copy of what it wrote once, at the start
// instant (the equatorial view turns the record's offsets in place, so each frame needs a
// fresh copy).
class SavedTheorySteps : public DefaultDriverSteps {
public:
    explicit SavedTheorySteps(PlanetId planet)
    {
        Settings.CurrentPlanet = planet;
        RunTheoryForCurrentInstant(planet);
        record_ = Record;
        places_ = Places;
    }
    void RunTheory(PlanetId) override
    {
        Record = record_;
        Places = places_;
    }

private:
    SatelliteRecord record_;
    PlanetPlaces places_;
};

// Panel, status bar, view and legend of one frame, without the theory.
void Display(benchmark::State& state, ViewMode viewMode)
{
    const auto planet = static_cast<PlanetId>(state.range(0));
    StartAt(viewMode);
    SavedTheorySteps steps(planet);
    for (auto _ : state) {
        RecomputeAndDraw(planet, steps);
        benchmark::DoNotOptimize(Record.SatOffsetX[1]);
    }
    ResetToStartupValues(Settings);
}

void BM_EquatorialDisplay(benchmark::State& state) { Display(state, ViewMode::Equatorial); }
void BM_PolarDisplay(benchmark::State& state) { Display(state, ViewMode::Polar); }

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

// The monthly graph's drawing and bookkeeping: the 311 offsets the theory gives are recorded
// by one real month, then played back in place of the theory.
void BM_GraphMonthDrawing(benchmark::State& state)
{
    const auto planet = static_cast<PlanetId>(state.range(0));
    StartAt(ViewMode::Graph);
    Settings.CurrentPlanet = planet;
    struct Offsets {
        SatelliteRecord::PerSatellite X, Y;
    };
    std::vector<Offsets> month;
    DrawGraphView(CurrentDisplayPort(), Settings, Record, Places, [&](PlanetId p) {
        RunTheoryForCurrentInstant(p);
        month.push_back({Record.SatOffsetX, Record.SatOffsetY});
    });
    std::size_t step = 0;
    const TheoryRunner playBack = [&](PlanetId) {
        Record.SatOffsetX = month[step].X;
        Record.SatOffsetY = month[step].Y;
        step = (step + 1) % month.size();
    };
    for (auto _ : state) {
        DrawGraphView(CurrentDisplayPort(), Settings, Record, Places, playBack);
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
    record.Rings = {42.0, 8.0, -1};
    const PlanetPlaces places;
    for (int k = 1; k <= 8; ++k) {
        record.SatApparentDiameter[k] = 0.3L;
        record.SatFarSide[k] = 'P';
    }
    for (auto _ : state) {
        for (int k = 1; k <= 8; ++k) {
            record.SatOffsetX[k] = 20.0L * k;  // the view turns them in place: refill each frame
            record.SatOffsetY[k] = 2.0L * k;
        }
        DrawEquatorialView(port, settings, record);
        benchmark::DoNotOptimize(record.SatOffsetX[8]);
    }
}

BENCHMARK(BM_EquatorialFrame)->DenseRange(Mars, Pluto)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PolarFrame)->Arg(Jupiter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphMonth)->DenseRange(Mars, Pluto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EquatorialDisplay)->DenseRange(Mars, Pluto)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PolarDisplay)->Arg(Jupiter)->Arg(Saturn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphMonthDrawing)->DenseRange(Mars, Pluto)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaturnEquatorialDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vireon
