// Cost of the extras at 961 keypoints (16 parts of 60 samples): reversing the
// path with the object turned over, and "Appliquer et sortir" with a reversal,
// deletion at both ends and re-timing, up to the object text on the clipboard.

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "extras/ExtrasChoice.h"

#include <benchmark/benchmark.h>

using namespace trajecta;

namespace {

struct LargestPath {
    ScriptedServices fakes;
    Session session{fakes.services()};
    CurveDocument& doc = session.document();
    std::vector<int> gaps;

    LargestPath() {
        doc.workflow.workWidth = 1699;
        doc.workflow.workHeight = 956;
        doc.curve.sampleCount = 961;
        for (int k = 0; k < 961; ++k)
            doc.curve.samplePoints[static_cast<size_t>(k)] = {(k * 37) % 1699, (k * 53) % 956, 40 + k % 7};
        doc.host.keyPointDefaults = {"100", "12.5", "150", "150", "0", "0", "0", "0", "0"};
        doc.host.slideOffset = 4000;
        doc.lists.LbxAcquiClipboard = QStringList{"PicturesToExe-Objects", "object Grand:Image"};
        for (int i = 0; i < 100; ++i)
            doc.lists.LbxAcquiClipboard << QStringLiteral("  Property%1=%2").arg(i).arg(i);
        doc.lists.LbxAcquiClipboard << "  PanSpeed=1;1000;0;0;1;"
                                    << "  RotateSpeed=1;1000;0;0;1;"
                                    << "  ZoomSpeed=1;1000;0;0;1;"
                                    << "  object KeyPoint1:KeyPoint"
                                    << "    Time=0"
                                    << "  end"
                                    << "end";
        session.host().rebuildKeyPointList();
        // Angles that differ from keypoint to keypoint, as a rotation set in step 5 leaves them.
        for (int k = 0; k < 961; ++k)
            doc.lists.LbxListeKP[keypointLine(k, KeypointLine::Angle)] =
                QStringLiteral("  Angle=") + formatNumber(k * 0.375 - 90);
        gaps = keypointGaps(doc);
    }
};

void ReverseWithTurnOver961(benchmark::State& state) {
    LargestPath path;
    for (auto _ : state) {
        const ListResult r = reverseKeypoints(path.doc.lists.LbxListeKP, path.gaps, true, QLatin1Char(','));
        if (!r.ok()) return state.SkipWithError("the list was refused");
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(ReverseWithTurnOver961)->Unit(benchmark::kMicrosecond);

// "Appliquer et sortir" pressed in the dialog. Each press starts from a path
// that is not yet reversed, so the reversal is built every time.
void ApplyAndWrite961(benchmark::State& state) {
    LargestPath path;
    Controls& c = path.session.controls();
    Extras& extras = path.session.extras();
    extras.LblExtrasClick();
    c.setChecked("ChbxInverserCourbe", true);
    c.setChecked("ChBxSupKP", true);
    c.setPosition("TbrSupDeb", 100);
    c.setPosition("TbrSupFin", 50);
    c.setChecked("ChBxRecalerTemps", true);
    CurveDocument& doc = path.doc;
    for (auto _ : state) {
        doc.extras.reversedActive = false;
        doc.lists.LbxPointsCourbe.clear();
        path.fakes.clipboardText.reset();
        extras.LblExtrasAppliquerClick();
        if (!path.fakes.clipboardText || doc.extras.keptCount != 811)
            return state.SkipWithError("the choice was refused");
        benchmark::DoNotOptimize(path.fakes.clipboardText->size());
    }
}
BENCHMARK(ApplyAndWrite961)->Unit(benchmark::kMicrosecond);

} // namespace
