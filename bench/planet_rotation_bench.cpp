// What the central meridians add to a frame: their computation from the planet's apparent place
// (the J2000.0-to-date rotation, the pole, W of each system), and the equatorial view's drawing
// of Jupiter with and without the corner text; and the Red Spot's transits over a month.
// Prints, never asserts.
#include <benchmark/benchmark.h>

#include "display/display_port.h"
#include "display/views.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/planet_rotation.h"

namespace vireon {
namespace {

// Mars (one system), Jupiter (three), Saturn (one), at a new hour each time.
void BM_CentralMeridians(benchmark::State& state)
{
    const auto planet = static_cast<PlanetId>(state.range(0));
    Extended jd = 2460019.375L;  // 2023-03-15 21:00
    PlanetPlaces places;
    PlanetApparent(planet, jd, places);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CentralMeridiansOf(planet, jd, places.Planet[planet], places.Nutation));
        jd += 1.0L / 24;
    }
}
BENCHMARK(BM_CentralMeridians)->Arg(Mars)->Arg(Jupiter)->Arg(Saturn);

// Jupiter's equatorial drawing into the null port's canvases, without (0) and with (1) the
// central meridians: the difference is the two lines' formatting and drawing.
void BM_JupiterEquatorialDrawing(benchmark::State& state)
{
    NullDisplayPort port;
    GlobalSettings settings;
    settings.CurrentPlanet = Jupiter;
    settings.ShowCentralMeridian = state.range(0) != 0;
    SatelliteRecord record;
    record.PlanetApparentDiameter = {0, 44.5L, 41.6L};
    record.Meridians = {123.44L, 17.25L, 234.46L, -1.7L};
    PlanetPlaces places;
    for (auto _ : state) {
        for (int k = 1; k <= 4; ++k) {
            record.SatOffsetX[k] = 30.0L * k;
            record.SatOffsetY[k] = 3.0L * k;
            record.SatApparentDiameter[k] = 1.1L;
            record.SatFarSide[k] = 'P';
        }
        DrawEquatorialView(port, settings, record);
        benchmark::DoNotOptimize(record.SatOffsetX[1]);
    }
}
BENCHMARK(BM_JupiterEquatorialDrawing)->Arg(0)->Arg(1);

// The Red Spot's transits over 30 days (about 73).
void BM_RedSpotTransitsOneMonth(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(RedSpotTransits(2460019.5L, 2460049.5L, 45.0L));
}
BENCHMARK(BM_RedSpotTransitsOneMonth)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vireon
