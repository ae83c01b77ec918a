// Cost of the photo filters on a work area of a 1920 × 1080 main window,
// measured against one plain copy of the background picture.

#include "background/PhotoFilters.h"
#include "platform/Canvas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

using namespace trajecta;

namespace {

constexpr int workWidth = 1920 - 221;
const int workHeight = static_cast<int>(std::nearbyint(workWidth / 1.7777778f));

// Smooth colour fields with grain, like a photo: neither flat nor pure noise.
QImage photoLike() {
    QImage picture(workWidth, workHeight, QImage::Format_RGB32);
    std::mt19937 random(12);
    for (int y = 0; y < workHeight; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < workWidth; ++x) {
            const int grain = static_cast<int>(random() % 9) - 4;
            const int r = std::clamp(128 + static_cast<int>(100 * std::sin(x * 0.01)) + grain, 0, 255);
            const int g = std::clamp(128 + static_cast<int>(100 * std::cos(y * 0.013)) + grain, 0, 255);
            const int b = std::clamp((x + y) / 12 % 256 + grain, 0, 255);
            row[x] = 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
        }
    }
    return picture;
}

void BM_PhotoBackgroundCopy(benchmark::State& state) {
    const QImage photo = photoLike();
    QImage work(photo.size(), QImage::Format_RGB32);
    Canvas canvas(work);
    for (auto _ : state) {
        canvas.drawImage(0, 0, photo);
        benchmark::DoNotOptimize(work.constBits());
    }
}
BENCHMARK(BM_PhotoBackgroundCopy)->Unit(benchmark::kMicrosecond);

void BM_Attenuate(benchmark::State& state) {
    const QImage photo = photoLike();
    QImage processed(photo.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        attenuate(photo, processed);
        benchmark::DoNotOptimize(processed.constBits());
    }
}
BENCHMARK(BM_Attenuate)->Unit(benchmark::kMicrosecond);

void BM_Colourize(benchmark::State& state) {
    const QImage photo = photoLike();
    QImage processed(photo.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        colourize(0x2080F0, photo, processed);
        benchmark::DoNotOptimize(processed.constBits());
    }
}
BENCHMARK(BM_Colourize)->Unit(benchmark::kMicrosecond);

void BM_DrawLines(benchmark::State& state) {
    const QImage photo = photoLike();
    QImage processed(photo.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        drawLines(photo, processed);
        benchmark::DoNotOptimize(processed.constBits());
    }
}
BENCHMARK(BM_DrawLines)->Unit(benchmark::kMicrosecond);

void BM_ProcessPhotoAllThree(benchmark::State& state) {
    const QImage photo = photoLike();
    QImage work(photo.size(), QImage::Format_RGB32), processed(photo.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        processPhoto({true, true, true}, 0x2080F0, photo, work, processed);
        benchmark::DoNotOptimize(processed.constBits());
    }
}
BENCHMARK(BM_ProcessPhotoAllThree)->Unit(benchmark::kMicrosecond);

} // namespace
