// The window's own costs on the offscreen platform, against one plain copy of
// the work-area picture of a 1920-pixel-wide window (1699 × 956) measured in
// the same run: the start of the main window until it has painted, and one
// mouse move of a drag over the largest curve as the window paints it.

#include "../SpiralCurve.h"
#include "app/ScriptedServices.h"
#include "gui/MainWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <cstring>
#include <memory>

using namespace trajecta;

namespace {

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

// Paints whatever the window has queued, as its event loop does.
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void BM_BackgroundCopy(benchmark::State& state) {
    const QImage from = background();
    QImage to(from.size(), from.format());
    for (auto _ : state) {
        for (int row = 0; row < from.height(); ++row)
            std::memcpy(to.scanLine(row), from.constScanLine(row), size_t(from.bytesPerLine()));
        benchmark::DoNotOptimize(to.constBits());
    }
}
BENCHMARK(BM_BackgroundCopy)->Unit(benchmark::kMicrosecond);

// From the window's constructor to its first paint, settings and all.
void BM_StartWindow(benchmark::State& state) {
    for (auto _ : state) {
        ScriptedServices fakes;
        auto window = std::make_unique<KeyPointsBezier>(fakes.services());
        window->resizeToDefault();
        PaintWatch watch;
        window->installEventFilter(&watch);
        for (QWidget* w : window->findChildren<QWidget*>())
            w->installEventFilter(&watch);
        window->show();
        while (!watch.painted)
            QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// The window at a size that shows the work area whole, the largest curve
// (16 parts of 60 samples, every mark shown) in display mode `item`, and the
// aligned anchor between parts 8 and 9 pressed.
struct DragInWindow {
    ScriptedServices fakes;
    KeyPointsBezier window{fakes.services()};
    QWidget* work = nullptr;
    QPoint anchor;

    explicit DragInWindow(int item) {
        window.resize(1920, workHeight + 234 + window.menuBar()->sizeHint().height() + 40);
        window.show();
        QCoreApplication::processEvents();
        Session& session = window.session();
        CurveDocument& doc = session.document();
        // The work area of the 16/9 format, made as "Créer" makes it; the
        // curve placed in it as if marked and stopped.
        session.host().ChargerExempleClick();
        session.workflow().createCurve();
        doc.workflow.markingActive = false;
        doc.workflow.currentStep = Step::Shaping;
        doc.workflow.curveExists = true;
        CurveGeometry& curve = doc.curve;
        bench::placeSpiral(curve);
        doc.display.showMarks = true;
        doc.display.tangentDisplay = TangentsShown::All;
        doc.frame.framePresent = true;
        doc.frame.frameRect = {200, 100, 1500, 830};
        session.controls().setItemIndex("RdgModeAff", item);
        session.curveView().sampleCurve();
        session.curveView().redrawCurve();
        window.afterInput();
        work = window.findChild<QWidget*>(QStringLiteral("ImgDessin"));
        anchor = curve.controlPoints[24];
        QCoreApplication::processEvents();
        if (doc.workflow.workWidth != workWidth || work->width() != workWidth) std::abort();
        send(QEvent::MouseMove, anchor, Qt::NoButton);
        send(QEvent::MouseButtonPress, anchor, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // The update the window asked for, at once rather than at the screen's next frame.
    void paint() {
        QCoreApplication::processEvents();
        QEvent update(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &update);
    }
    void send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), work->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(work, &event);
    }
};

// One mouse move: the model moves the anchor and redraws, the window paints.
void BM_DragAsPainted(benchmark::State& state) {
    DragInWindow d(static_cast<int>(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        const int delta = (step++ % 2) ? 3 : -3;
        d.send(QEvent::MouseMove, d.anchor + QPoint(delta, -delta), Qt::LeftButton);
        d.paint();
    }
    state.SetLabel("display mode " +
                   std::to_string(static_cast<int>(d.window.session().document().display.displayMode)) +
                   (d.window.session().document().editor.dragging ? "" : ", no drag"));
}
BENCHMARK(BM_DragAsPainted)->Arg(2)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
