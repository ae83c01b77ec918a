// Cost of the pictures of the help pages: the walk of a session from the
// sample object to the object on the clipboard, taking the work area at each
// step. It runs once, when the help is first opened; the pages' texts are
// drawn afterwards, one page at a time, in a few milliseconds.

#include "app/HelpScenes.h"

#include <benchmark/benchmark.h>

using namespace trajecta;

static void BM_HelpScenes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(renderHelpScenes(400));
}
BENCHMARK(BM_HelpScenes)->Unit(benchmark::kMillisecond);
