// vireon-ephem as its user runs it, for 10000 instants: the command line read, then the
// planet's theory and one row per satellite and instant written to a stream that keeps
// nothing. Jupiter (four satellites, CSV) and Saturn (eight, JSON, the widest rows).
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "ephem/ephem_cli.h"

namespace vireon {
namespace {

// Counts what is written and keeps none of it, so that memory does not grow with the rows.
class CountingBuffer : public std::streambuf {
public:
    std::size_t Bytes() const { return bytes_; }

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes_ += static_cast<std::size_t>(n);
        return n;
    }
    int_type overflow(int_type c) override
    {
        ++bytes_;
        return c;
    }

private:
    std::size_t bytes_ = 0;
};

void EphemCommand(benchmark::State& state, const std::vector<std::string>& args)
{
    for (auto _ : state) {
        const ephem::ParseResult parsed = ephem::ParseArguments(args);
        if (!parsed.Request) {
            state.SkipWithError(parsed.Error.c_str());
            return;
        }
        CountingBuffer buffer;
        std::ostream out(&buffer);
        ephem::RunEphemeris(*parsed.Request, out);
        benchmark::DoNotOptimize(buffer.Bytes());
        state.counters["bytes"] = static_cast<double>(buffer.Bytes());
    }
}

void BM_EphemCommandJupiter10000InstantsCsv(benchmark::State& state)
{
    EphemCommand(state, {"--planet", "jupiter", "--date", "2000-01-01T00:00:00", "--step", "1h", "--count", "10000"});
}

void BM_EphemCommandSaturn10000InstantsJson(benchmark::State& state)
{
    EphemCommand(state, {"--planet", "saturn", "--date", "1610-01-07T16:45:00", "--step", "1d", "--count", "10000",
                         "--format", "json"});
}

BENCHMARK(BM_EphemCommandJupiter10000InstantsCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EphemCommandSaturn10000InstantsJson)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vireon
