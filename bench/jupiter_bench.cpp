// Timing of Jupiter's satellites (one run of the theory with the planet's apparent place, as
// every animation frame does) and of vireon-ephem's output path. Prints, never asserts.
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "ephem/ephem_cli.h"
#include "satellites/jupiter_satellites.h"
#include "satellites/theory.h"

namespace {

using namespace vireon;

void BM_ComputeJupiterSatellites(benchmark::State& state)
{
    TheoryInput in;
    in.JD = 2453065.0L;  // 2004-02-29 12:00
    PlanetPlaces places;
    SatelliteRecord record;
    for (auto _ : state) {
        RunSatelliteTheory(Jupiter, in, places, record);
        benchmark::DoNotOptimize(record.SatOffsetX[4]);
        in.JD += 1.0L / 24;
    }
}
BENCHMARK(BM_ComputeJupiterSatellites);

// The series alone: the mean elements of one instant, then 41 + 66 + 75 + 86 longitude,
// 49 latitude and 108 radius terms and the four positions in Jupiter's frame.
void BM_GalileanSeriesOnly(benchmark::State& state)
{
    Extended t = 10065;
    for (auto _ : state) {
        const GalileanInstant instant = GalileanInstantAt(2453065.0L, t);
        for (int k = 1; k <= 4; ++k) benchmark::DoNotOptimize(GalileanPlanetFramePosition(k, instant));
        t += 0.01L;
    }
}
BENCHMARK(BM_GalileanSeriesOnly);

// vireon-ephem's row path for 1000 instants of 4 satellites: building each row from the
// record and writing it as CSV (the theory is run once beforehand).
void BM_EphemFormatRows1000Instants(benchmark::State& state)
{
    ephem::EphemRequest request;
    request.Start = {29, 2, 2004, 12, 0, 0, 0};
    request.StepSeconds = 3600;
    request.Count = 1000;
    request.Format = state.range(0) ? ephem::OutputFormat::Json : ephem::OutputFormat::Csv;
    TheoryInput in;
    in.JD = JulianDayFromCalendar(request.Start);
    PlanetPlaces places;
    SatelliteRecord record;
    RunSatelliteTheory(Jupiter, in, places, record);
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int i = 0; i < request.Count; ++i) {
            const CalendarFields instant = ephem::InstantOf(request, i);
            for (int k = 1; k <= 4; ++k) {
                const std::string line =
                    ephem::FormatRow(ephem::MakeRow(request, instant, 2453065.0, k, places, record), request.Format);
                bytes += line.size();
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_EphemFormatRows1000Instants)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole of vireon-ephem for 1000 instants: theory and formatting.
void BM_EphemRun1000Instants(benchmark::State& state)
{
    ephem::EphemRequest request;
    request.Start = {29, 2, 2004, 12, 0, 0, 0};
    request.StepSeconds = 3600;
    request.Count = 1000;
    for (auto _ : state) {
        std::ostringstream out;
        ephem::RunEphemeris(request, out);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_EphemRun1000Instants)->Unit(benchmark::kMillisecond);

}  // namespace
