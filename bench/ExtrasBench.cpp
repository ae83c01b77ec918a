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

// Each press starts from a list that is not yet reversed, so the reversal is built every time.
void ApplyAndWrite961(benchmark::State& state) {
    LargestPath path;
    ExtrasChoice choice;
    choice.reverse = true;
    choice.deleteKeypoints = true;
    choice.atStart = 100;
    choice.atEnd = 50;
    choice.retime = true;
    for (auto _ : state) {
        CurveDocument& doc = path.doc;
        const ExtrasApplied applied = applyExtras({}, doc.lists.LbxListeKP, doc.lists.LbxKPinverse, path.gaps,
                                                  choice, QLatin1Char(','));
        if (!applied.ok()) return state.SkipWithError("the choice was refused");
        doc.lists.LbxKPinverse = applied.reversed;
        doc.lists.LbxListeKPpartielle = applied.partial;
        doc.host.partialKeypointCount = applied.keptCount;
        doc.lists.LbxPointsCourbe.clear();
        if (!path.session.host().writeObjectText(doc.lists.LbxListeKPpartielle, applied.mode))
            return state.SkipWithError("the object was refused");
        benchmark::DoNotOptimize(path.fakes.clipboardText->size());
    }
}
BENCHMARK(ApplyAndWrite961)->Unit(benchmark::kMicrosecond);

} // namespace
