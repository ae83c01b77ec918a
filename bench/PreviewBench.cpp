// Cost of one picture of the motion preview on the work area of a 1920 × 1080
// main window, measured against one plain copy of the background picture
// there: the preview must keep up with the display on the GUI thread.

#include "platform/Canvas.h"
#include "preview/Motion.h"
#include "preview/PreviewFrame.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace trajecta;

namespace {

constexpr int workWidth = 1920 - 221;
const int workHeight = static_cast<int>(std::nearbyint(workWidth / 1.7777778f));

QImage gridLike() {
    QImage picture(workWidth, workHeight, QImage::Format_RGB32);
    picture.fill(0xFFFFFFFF);
    for (int y = 0; y < workHeight; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < workWidth; ++x)
            if (x % 40 == 0 || y % 40 == 0) row[x] = 0xFFC0C0C0;
    }
    return picture;
}

// The largest path: 1001 keypoints along a wave, turning, zooming and fading.
std::vector<PathKeypoint> largestPath() {
    std::vector<PathKeypoint> path;
    for (int k = 0; k < 1001; ++k) {
        KeypointValues v;
        v.x = -90 + 0.18 * k;
        v.y = 60 * std::sin(k * 0.02);
        v.angle = 0.36 * k;
        v.opacity = 40 + 60 * std::abs(std::cos(k * 0.01));
        path.push_back(PathKeypoint{500 + 40LL * k, v});
    }
    return path;
}

void BM_PreviewBackgroundCopy(benchmark::State& state) {
    const QImage background = gridLike();
    QImage work(background.size(), QImage::Format_RGB32);
    Canvas canvas(work);
    for (auto _ : state) {
        canvas.drawImage(0, 0, background);
        benchmark::DoNotOptimize(work.constBits());
    }
}
BENCHMARK(BM_PreviewBackgroundCopy)->Unit(benchmark::kMicrosecond);

// One tick: the values at a time, the object on the work area and its
// picture over the work area, where only the last marker's place is copied
// again. The first argument is the zoom in percent; with the second set, every
// picture copies the whole work area, as the first one of a preview does.
void BM_PreviewFrame(benchmark::State& state) {
    const QImage work = gridLike();
    std::vector<PathKeypoint> path = largestPath();
    for (PathKeypoint& p : path)
        p.values.scaleX = p.values.scaleY = static_cast<double>(state.range(0));
    const ReferenceFrame frame{0, 0, workWidth, workHeight};
    const bool whole = state.range(1) != 0;
    QImage picture;
    QRect stale = work.rect();
    qint64 t = 0;
    for (auto _ : state) {
        t = (t + 16) % 41000;
        if (whole) stale = work.rect();
        drawPreviewFrame(work, objectState(valuesAt(path, t), frame), picture, stale);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_PreviewFrame)->Args({100, 0})->Args({500, 0})->Args({100, 1})->Unit(benchmark::kMicrosecond);

} // namespace
