// The tolerance and temperature spread of Form2's worked example: 200 runs on every
// core, against the same samples checked one after another. Prints the wall time, the
// time of one run and the parallel efficiency (one run's time × runs / cores / wall
// time; 1 when the cores never wait). Runs on Qt's offscreen platform unless another
// is chosen.
//
//   build/bench/spread_benchmark [--benchmark_min_time=...]

#include "application.h"
#include "decimal_separator.h"
#include "engine.h"
#include "forms.h"
#include "gui_support.h"
#include "simulation/worked_examples.h"
#include "spread_results.h"
#include "table_window.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

using namespace takton;
using namespace takton::simulation;

namespace {

constexpr int runs = 200;
// The runs timed one after another for the time of one run: the first samples of the
// same seed, so that both measure the same kind of circuit.
constexpr int singleRuns = 12;

Design example2()
{
    const RegisteredWindow& row = testing::registered(u"Form2"_qs);
    if (!row.window()) {
        row.create();
        testing::typeAll(row.window(), testing::workedExamples[0].typed);
    }
    return row.circuit(*row.window());
}

struct Timed {
    double seconds = 0;
    double workerSeconds = 0; // processor time of the workers, user and system
    int works = 0;
};

// Processor time of the ended child processes (the workers) so far.
double childSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Timed spread(int count, int parallel)
{
    const double before = childSeconds();
    SpreadRun run(example2(), {.runs = count, .seed = 1}, parallel);
    run.wait();
    const SpreadSummary s = summarize(run.design(), run.samples(), run.outcomes());
    return {std::chrono::duration<double>(run.elapsed()).count(), childSeconds() - before, s.works};
}

double singleRun = 0, wall = 0, workerTime = 0;
int working = 0;

void OneRunAlone(benchmark::State& state)
{
    for (auto _ : state) {
        const Timed t = spread(singleRuns, 1);
        singleRun = t.seconds / singleRuns;
        state.SetIterationTime(singleRun);
    }
    state.counters["run_s"] = singleRun;
}
BENCHMARK(OneRunAlone)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void SpreadOf200Runs(benchmark::State& state)
{
    for (auto _ : state) {
        const Timed t = spread(runs, SpreadRun::defaultParallel());
        wall = t.seconds;
        workerTime = t.workerSeconds;
        working = t.works;
        state.SetIterationTime(wall);
    }
    state.counters["cores"] = SpreadRun::defaultParallel();
    state.counters["working"] = working;
}
BENCHMARK(SpreadOf200Runs)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application app(argc, argv);
    setSimulatorProgram(QStringLiteral(TAKTON_SIMULATOR_PROGRAM));
    setDecimalSeparator(','); // the example is typed with a comma
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const int cores = SpreadRun::defaultParallel();
    if (wall > 0 && singleRun > 0)
        std::printf("Spread of Form2's worked example: %d runs on %d cores in %.1f s (%d work as intended); "
                    "one run alone %.0f ms; parallel efficiency %.2f (target 0.8)\n",
                    runs, cores, wall, working, singleRun * 1e3, singleRun * runs / cores / wall);
    // On a machine others share, the cores are not all this program's: the workers'
    // processor time says how much of the wall time they had.
    if (wall > 0)
        std::printf("Workers' processor time %.1f s (%.0f ms a run), %.2f of %d cores' wall time; load average "
                    "before the spread: see the header above\n",
                    workerTime, workerTime / runs * 1e3, workerTime / cores / wall, cores);
    return 0;
}
