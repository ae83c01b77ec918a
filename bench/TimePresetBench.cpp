// Cost of the time presets on the largest curve: 961 keypoints along a smooth
// path across a 1699 x 956 work area, the time step entered.

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "timing/KeypointTimes.h"
#include "timing/TimePresets.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace trajecta;

namespace {

constexpr int keypoints = 961;

struct LargestCurve {
    ScriptedServices fakes;
    Session session{fakes.services()};
    CurveDocument& doc = session.document();
    TimePresets& presets = session.timePresets();

    LargestCurve() {
        doc.workflow.workWidth = 1699;
        doc.workflow.workHeight = 956;
        doc.curve.sampleCount = keypoints;
        for (int k = 0; k < keypoints; ++k) {
            const double y = 478 + 350 * std::sin(k / 60.0);
            doc.curve.samplePoints[static_cast<size_t>(k)] = {40 + k * 17 / 10, static_cast<int>(y), 0};
        }
        doc.host.loadedFirstTimeText = "1000";
        doc.lists.LbxColTemps = QStringList{"=== Etape 4 le temps ==="};
        session.times().initialiseTimes();
        session.times().prepareTimeControls();
    }
};

// LblChoixTemps: the option list and every distance measured.
void BM_OpenOptions(benchmark::State& state) {
    LargestCurve s;
    for (auto _ : state) {
        s.presets.openOptions();
        benchmark::DoNotOptimize(s.doc.presets.distanceSum);
    }
}
BENCHMARK(BM_OpenOptions)->Unit(benchmark::kMicrosecond);

// One move of the coarse slider under constant time (1), constant speed (2)
// and proportional change (4), with the total and point labels refreshed.
void BM_SliderChange(benchmark::State& state) {
    LargestCurve s;
    s.presets.openOptions();
    switch (state.range(0)) {
    case 1:
        s.presets.chooseConstantTime();
        break;
    case 2:
        s.presets.chooseConstantSpeed();
        break;
    default:
        s.presets.chooseProportional();
        break;
    }
    Controls& c = s.session.controls();
    int position = 1;
    for (auto _ : state) {
        position = position == 1 ? 2 : 1;
        c.setPosition("TbrVitGros", position);
        benchmark::DoNotOptimize(s.doc.timing.keypointTimes.data());
    }
}
BENCHMARK(BM_SliderChange)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// "Appliquer" of a slow-down spread over the first 900 steps of the path.
void BM_SlowDownApply(benchmark::State& state) {
    LargestCurve s;
    s.presets.openOptions();
    s.presets.chooseSlowDown();
    for (auto _ : state) {
        state.PauseTiming();
        for (KeypointTime& row : s.doc.timing.keypointTimes)
            row.inUse = row.committed;
        s.doc.lists.LbxColTemps.resize(4);
        state.ResumeTiming();
        s.presets.applySlowDown(false, 901, 9);
    }
}
BENCHMARK(BM_SlowDownApply)->Unit(benchmark::kMicrosecond);

} // namespace
