// Choosing a 6000 × 4000 camera photo until it is shown in a work area of a
// 1920 × 1080 main window: reading the file, decoding at the reduced scale,
// stretching it over the work area and processing it with the default option.

#include "background/PhotoFilters.h"
#include "background/PictureLoader.h"
#include "platform/Canvas.h"
#include "support/JpegWriter.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <random>

using namespace trajecta;

namespace {

constexpr int workWidth = 1920 - 221;
const int workHeight = static_cast<int>(std::nearbyint(workWidth / 1.7777778f));

// Smooth colour fields with grain, which compress like a photo.
QByteArray cameraJpeg() {
    QImage picture(6000, 4000, QImage::Format_RGB32);
    std::mt19937 random(3);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = static_cast<int>(random() % 13) - 6;
            const int r =
                std::clamp(120 + static_cast<int>(90 * std::sin(x * 0.003 + y * 0.001)) + grain, 0, 255);
            const int g = std::clamp(130 + static_cast<int>(80 * std::cos(y * 0.004)) + grain, 0, 255);
            const int b = std::clamp(100 + (x / 40 + y / 25) % 120 + grain, 0, 255);
            row[x] = 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
        }
    }
    return encodeJpeg(picture, 90);
}

void BM_ChooseCameraPhoto(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("camera.jpg");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(cameraJpeg());
    }
    QImage photo(workWidth, workHeight, QImage::Format_RGB32), work, processed;
    for (auto _ : state) {
        const LoadedPicture loaded = loadPicture(path, {workWidth, workHeight});
        {
            Canvas canvas(photo);
            canvas.stretchImage(0, 0, workWidth, workHeight, loaded.picture);
        }
        processPhoto({}, 0, photo, work, processed);
        benchmark::DoNotOptimize(processed.constBits());
        state.SetLabel(std::to_string(loaded.picture.width()) + "x" +
                       std::to_string(loaded.picture.height()));
    }
}
BENCHMARK(BM_ChooseCameraPhoto)->Unit(benchmark::kMillisecond);

} // namespace
