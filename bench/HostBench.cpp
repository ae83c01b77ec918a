// Cost of writing the largest keypoint list (16 parts of 60 samples: 961
// keypoints) and of merging it into a host object of 200 other lines.

#include "app/ScriptedServices.h"
#include "app/Session.h"

#include <benchmark/benchmark.h>

using namespace trajecta;

namespace {

struct LargestList {
    ScriptedServices fakes;
    Session session{fakes.services()};
    CurveDocument& doc = session.document();

    LargestList() {
        doc.workflow.workWidth = 1699;
        doc.workflow.workHeight = 956;
        doc.frame.framePresent = true;
        doc.frame.frameRect = {100, 80, 1540, 890};
        doc.curve.sampleCount = 961;
        for (int k = 0; k < 961; ++k)
            doc.curve.samplePoints[static_cast<size_t>(k)] = {(k * 37) % 1699, (k * 53) % 956, 40 + k % 7};
        doc.host.keyPointDefaults = {"100", "12.5", "150", "150", "0", "0", "0", "0", "0"};
        doc.host.slideOffset = 4000;

        // 200 lines that are not keypoints: the header, the object line, 197
        // properties with the speed lines among them, the closing line.
        QStringList object{"PicturesToExe-Objects", "object Grand:Image"};
        for (int i = 0; i < 100; ++i)
            object << QStringLiteral("  Property%1=%2,%3").arg(i).arg(i * 3).arg(i * 7);
        object << "  PanSpeed=1;1000;0;0;1;"
               << "  RotateSpeed=1;1000;0;0;1;"
               << "  ZoomSpeed=1;1000;0;0;1;";
        for (int i = 100; i < 194; ++i)
            object << QStringLiteral("  Property%1=%2").arg(i).arg(i);
        object << "  object KeyPoint1:KeyPoint"
               << "    Time=0"
               << "    Origin=SlideBegin"
               << "    Opacity=100"
               << "    Angle=0"
               << "    ScaleX=100"
               << "    ScaleY=100"
               << "    Position=0,0"
               << "    CenterPos=0,0"
               << "    AngleX=0"
               << "    AngleY=0"
               << "    ZPos=0"
               << "  end"
               << "end";
        doc.lists.LbxAcquiClipboard = object;
        session.host().rebuildKeyPointList();
    }
};

void RebuildKeyPointList961(benchmark::State& state) {
    LargestList fixture;
    for (auto _ : state) {
        fixture.session.host().rebuildKeyPointList();
        benchmark::DoNotOptimize(fixture.doc.lists.LbxListeKP.size());
    }
}
BENCHMARK(RebuildKeyPointList961)->Unit(benchmark::kMicrosecond);

// Each write starts from the object the write before left, as a repeated step 6 does.
void WriteObjectText961(benchmark::State& state) {
    LargestList fixture;
    for (auto _ : state) {
        fixture.doc.lists.LbxPointsCourbe.clear();
        if (!fixture.session.host().writeObjectText(fixture.doc.lists.LbxListeKP, WrittenList::Keypoints))
            return state.SkipWithError("the object was refused");
        benchmark::DoNotOptimize(fixture.fakes.clipboardText->size());
    }
}
BENCHMARK(WriteObjectText961)->Unit(benchmark::kMicrosecond);

} // namespace
