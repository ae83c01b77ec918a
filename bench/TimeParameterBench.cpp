// Cost of the time and parameter records on the largest curve: 16 parts of
// 60 samples (961 keypoints) in a 1699 x 956 work area.

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "host/ObjectText.h"
#include "parameters/ParameterRecord.h"
#include "timing/KeypointTimes.h"

#include <benchmark/benchmark.h>

using namespace trajecta;

namespace {

constexpr int keypoints = 961;

struct LargestCurve {
    ScriptedServices fakes;
    Session session{fakes.services()};
    CurveDocument& doc = session.document();
    KeypointTimes& times = session.times();

    LargestCurve() {
        doc.workflow.workWidth = 1699;
        doc.workflow.workHeight = 956;
        doc.curve.partCount = 16;
        for (int p = 0; p < 16; ++p)
            doc.curve.partSampleCounts[static_cast<size_t>(p)] = 60;
        doc.curve.sampleCount = keypoints;
        for (int k = 0; k < keypoints; ++k)
            doc.curve.samplePoints[static_cast<size_t>(k)] = {(k * 37) % 1699, (k * 53) % 956, 0};
        doc.host.keyPointDefaults = {"100", "12.5", "150", "150", "0", "0", "0", "0", "0"};
        doc.host.loadedFirstTimeText = "1000";
        doc.lists.LbxColTemps = QStringList{"=== Etape 4 le temps ==="};
        times.initialiseTimes();
        session.host().rebuildKeyPointList();
    }
};

void chooseAll(LargestCurve& s) {
    s.doc.range.rangeStart = 1;
    s.times.startChosen();
    s.doc.range.rangeEnd = keypoints - 1;
    s.times.endChosen();
}

// Typing the end time of a range over every keypoint but the first.
void BM_TimeRangeFill(benchmark::State& state) {
    LargestCurve s;
    chooseAll(s);
    s.session.controls().setChecked("ChBxSpeedUp", true);
    s.session.controls().setText("EdtTempsDeb", "100");
    int end = 1000;
    for (auto _ : state) {
        end = end == 1000 ? 1001 : 1000;
        s.session.controls().setText("EdtTempsFin", QString::number(end));
        benchmark::DoNotOptimize(s.doc.timing.keypointTimes.data());
    }
}
BENCHMARK(BM_TimeRangeFill)->Unit(benchmark::kMicrosecond);

// "Enregistrer" of that range, with the Time lines of the keypoint list.
void BM_TimeRecord(benchmark::State& state) {
    LargestCurve s;
    for (auto _ : state) {
        state.PauseTiming();
        chooseAll(s);
        s.session.controls().setText("EdtTempsDeb", "100");
        s.session.controls().setText("EdtTempsFin", "1000");
        state.ResumeTiming();
        s.times.recordTimes();
    }
}
BENCHMARK(BM_TimeRecord)->Unit(benchmark::kMicrosecond);

// A record changing all nine parameters over every keypoint: the log lines
// and the rewrite of LbxListeKP.
void BM_ParameterRecord(benchmark::State& state) {
    LargestCurve s;
    PanelReading panel;
    panel.ticked.fill(true);
    panel.threeD = true;
    for (int i = 0; i < parameterCount; ++i)
        panel.texts[static_cast<size_t>(i)] = {"10", "90,5"};
    panel.texts[0] = {"0", "100"};
    panel.addTangent = true;
    AngleState& angles = s.doc.parameters.angles;
    for (int k = 0; k < keypoints; ++k)
        angles.tangentAngles[static_cast<size_t>(k)] = 0.37 * k;
    for (auto _ : state) {
        TParametres& r = s.doc.parameters.currentParameters;
        const std::optional<QStringList> log = buildParameterRecord(panel, 0, keypoints - 1, r);
        s.doc.lists.LbxColParametres += *log;
        applyParameterRecord(s.doc.keypoints, r, angles, s.doc.lists.LbxParametres, QLatin1Char(','));
        rewriteKeypointValues(s.doc.lists.LbxListeKP, s.doc.keypoints, 0, keypoints - 1);
    }
}
BENCHMARK(BM_ParameterRecord)->Unit(benchmark::kMicrosecond);

} // namespace
