// Timing of the phenomena search: one calendar month of Jupiter's and of Saturn's phenomena,
// as the month's list asks for them (the 1st at 00:00:00 to the last day at 23:59:59), and a
// year of vireon-ephem --events from its command line to its last line of text; the same for
// the mutual events: a month of Jupiter's and of Saturn's in their seasons and out of them,
// and a whole season of Jupiter's with vireon-ephem --mutual.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/time_base.h"
#include "ephem/ephem_cli.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"

namespace vireon {
namespace {

void PhenomenaOfMonth(benchmark::State& state, PlanetId planet, int month, int year)
{
    const double first = JulianDayFromCalendar(1, month, year, 0, 0, 0);
    const double last = JulianDayFromCalendar(DaysInMonth(month, year), month, year, 59, 59, 23);
    for (auto _ : state) {
        const std::vector<Phenomenon> rows = FindPhenomena(planet, first, last);
        benchmark::DoNotOptimize(rows.data());
        state.counters["rows"] = static_cast<double>(rows.size());
    }
}

// December 2024: Jupiter two days before opposition, 244 rows.
void BM_JupiterPhenomenaMonth(benchmark::State& state) { PhenomenaOfMonth(state, Jupiter, 12, 2024); }
// March 2025: the Earth crosses Saturn's ring plane; the inner satellites transit every orbit.
void BM_SaturnPhenomenaMonth(benchmark::State& state) { PhenomenaOfMonth(state, Saturn, 3, 2025); }

void MutualEventsOfMonth(benchmark::State& state, PlanetId planet, int month, int year)
{
    const double first = JulianDayFromCalendar(1, month, year, 0, 0, 0);
    const double last = JulianDayFromCalendar(DaysInMonth(month, year), month, year, 59, 59, 23);
    for (auto _ : state) {
        const std::vector<MutualEvent> rows = FindMutualEvents(planet, first, last);
        benchmark::DoNotOptimize(rows.data());
        state.counters["rows"] = static_cast<double>(rows.size());
    }
}

// September 2026: Jupiter's equinox season, 44 events.
void BM_JupiterMutualEventsMonth(benchmark::State& state) { MutualEventsOfMonth(state, Jupiter, 9, 2026); }
// June 2023: no event, the hourly scan alone.
void BM_JupiterMutualEventsMonthOutOfSeason(benchmark::State& state) { MutualEventsOfMonth(state, Jupiter, 6, 2023); }
// May 2025: Saturn's season, 28 pairs of satellites.
void BM_SaturnMutualEventsMonth(benchmark::State& state) { MutualEventsOfMonth(state, Saturn, 5, 2025); }

void EventsCommand(benchmark::State& state, const std::vector<std::string>& args)
{
    for (auto _ : state) {
        const ephem::ParseResult parsed = ephem::ParseArguments(args);
        if (!parsed.Request) {
            state.SkipWithError(parsed.Error.c_str());
            return;
        }
        std::ostringstream out;
        ephem::RunEphemeris(*parsed.Request, out);
        benchmark::DoNotOptimize(out.str().size());
    }
}

void BM_EphemEventsJupiterYear(benchmark::State& state)
{
    EventsCommand(state, {"--events", "--planet", "jupiter", "--date", "2024-01-01T00:00:00", "--days", "366"});
}

void BM_EphemMutualJupiterSeason(benchmark::State& state)
{
    EventsCommand(state, {"--mutual", "--planet", "jupiter", "--date", "2026-06-01T00:00:00", "--days", "550"});
}

BENCHMARK(BM_JupiterPhenomenaMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaturnPhenomenaMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EphemEventsJupiterYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JupiterMutualEventsMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JupiterMutualEventsMonthOutOfSeason)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaturnMutualEventsMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EphemMutualJupiterSeason)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vireon
