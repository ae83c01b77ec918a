// Cost of sampling and of a full redraw of the largest curve in a work area of a
// 1920 × 1080 main window, measured against one plain copy of the background
// picture: a redraw should cost at most three such copies.

#include "SpiralCurve.h"
#include "app/ScriptedServices.h"
#include "app/Session.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace trajecta;

namespace {

// The single-window layout leaves 1920 − 221 pixels of width; 16/9 gives the height.
using bench::workHeight;
using bench::workWidth;

QImage background() {
    QImage picture(workWidth, workHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < workWidth; x += 5)
        for (int y = 0; y < workHeight; ++y)
            picture.setPixel(x, y, 0xFFFFF4F0u);
    return picture;
}

// 16 parts of 60 samples winding over the whole work area, every mark shown.
struct LargestCurve {
    ScriptedServices fakes;
    Session session{fakes.services()};

    LargestCurve() {
        CurveDocument& doc = session.document();
        doc.pictures.grid = background();
        doc.pictures.work = doc.pictures.grid.copy();
        doc.workflow.workWidth = workWidth;
        doc.workflow.workHeight = workHeight;
        doc.workflow.curveExists = true;
        CurveGeometry& curve = doc.curve;
        bench::placeSpiral(curve);
        doc.display.showMarks = true;
        doc.display.tangentDisplay = TangentsShown::All;
        doc.frame.framePresent = true;
        doc.frame.frameRect = {200, 100, 1500, 830};
        session.curveView().sampleCurve();
    }
};

void BM_BackgroundCopy(benchmark::State& state) {
    LargestCurve c;
    const QImage& picture = c.session.document().pictures.grid;
    for (auto _ : state) {
        c.session.canvas().drawImage(0, 0, picture);
        benchmark::DoNotOptimize(c.session.workPicture().constBits());
    }
}
BENCHMARK(BM_BackgroundCopy)->Unit(benchmark::kMicrosecond);

void BM_SampleCurve(benchmark::State& state) {
    LargestCurve c;
    for (auto _ : state) {
        c.session.curveView().sampleCurve();
        benchmark::DoNotOptimize(c.session.document().curve.sampleCount);
    }
}
BENCHMARK(BM_SampleCurve)->Unit(benchmark::kMicrosecond);

// Argument: the item of RdgModeAff (0 dots, 1 one Bezier path, 2 lines by part).
void BM_RedrawCurve(benchmark::State& state) {
    LargestCurve c;
    c.session.controls().setItemIndex("RdgModeAff", static_cast<int>(state.range(0)));
    for (auto _ : state) {
        c.session.curveView().redrawCurve();
        benchmark::DoNotOptimize(c.session.workPicture().constBits());
    }
    state.SetLabel("display mode " +
                   std::to_string(static_cast<int>(c.session.document().display.displayMode)));
}
BENCHMARK(BM_RedrawCurve)->Arg(2)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One mouse move of a drag: the aligned anchor between parts 8 and 9 follows the
// mouse and the whole picture is drawn again.
void BM_DragTo(benchmark::State& state) {
    LargestCurve c;
    c.session.controls().setItemIndex("RdgModeAff", static_cast<int>(state.range(0)));
    const QPoint anchor = c.session.document().curve.controlPoints[24];
    c.session.editor().mouseMove(anchor.x(), anchor.y());
    c.session.editor().beginDrag(anchor.x(), anchor.y());
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ % 2) ? 3 : -3;
        c.session.editor().dragTo(anchor.x() + d, anchor.y() - d);
        benchmark::DoNotOptimize(c.session.workPicture().constBits());
    }
    state.SetLabel("display mode " +
                   std::to_string(static_cast<int>(c.session.document().display.displayMode)));
}
BENCHMARK(BM_DragTo)->Arg(2)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
