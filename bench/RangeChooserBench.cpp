// One step of the keypoint cursor in the parameter step over the largest curve
// (16 parts of 60 samples, 961 keypoints) in a 1699 × 956 work area: the cross
// moves, the labels and the stored values follow, with the tangent line shown.
// It should cost at most three plain copies of the background picture.

#include "SpiralCurve.h"
#include "app/ScriptedServices.h"
#include "app/Session.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace trajecta;

namespace {

using bench::workHeight;
using bench::workWidth;

struct ParameterStepOnLargestCurve {
    ScriptedServices fakes;
    Session session{fakes.services()};

    ParameterStepOnLargestCurve() {
        CurveDocument& doc = session.document();
        QImage grid(workWidth, workHeight, QImage::Format_RGB32);
        grid.fill(Qt::white);
        for (int x = 0; x < workWidth; x += 5)
            for (int y = 0; y < workHeight; ++y)
                grid.setPixel(x, y, 0xFFFFF4F0u);
        doc.pictures.grid = grid;
        doc.pictures.work = grid.copy();
        doc.workflow.workWidth = workWidth;
        doc.workflow.workHeight = workHeight;
        doc.workflow.curveExists = true;
        doc.host.keyPointDefaults = {"100", "0", "100", "100", "0", "0", "0", "0", "0"};
        doc.host.loadedFirstTimeText = "0";
        CurveGeometry& curve = doc.curve;
        bench::placeSpiral(curve);
        session.curveView().sampleCurve();
        session.workflow().finishCurve();
        session.workflow().finishKeypointStep();
        session.controls().setChecked("ChBxTangenteAuPoint", true);
    }
};

void BM_BackgroundCopyOfTheParameterStep(benchmark::State& state) {
    ParameterStepOnLargestCurve c;
    const QImage& picture = c.session.document().pictures.grid;
    for (auto _ : state) {
        c.session.canvas().drawImage(0, 0, picture);
        benchmark::DoNotOptimize(c.session.workPicture().constBits());
    }
}
BENCHMARK(BM_BackgroundCopyOfTheParameterStep)->Unit(benchmark::kMicrosecond);

void BM_CursorStep(benchmark::State& state) {
    ParameterStepOnLargestCurve c;
    Controls& controls = c.session.controls();
    const int count = c.session.document().curve.sampleCount;
    int k = 0;
    for (auto _ : state) {
        k = (k + 1) % count;
        controls.setPosition("TbMontrePoint", k);
        benchmark::DoNotOptimize(c.session.workPicture().constBits());
        // The diagnostic trace grows with every step; it is not what is measured.
        state.PauseTiming();
        c.session.document().lists.LbxPointsCourbe.clear();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(count) + " keypoints");
}
BENCHMARK(BM_CursorStep)->Unit(benchmark::kMicrosecond);

} // namespace
