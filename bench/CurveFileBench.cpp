// Loading the largest curve file: 16 parts of 60 samples (961 keypoints), 50
// time ranges and 50 parameter records, from the check of every line through
// the replay to the object text on the clipboard. It should take at most 50 ms.

#include "app/ScriptedServices.h"
#include "app/Session.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace trajecta;

namespace {

QStringList largestFile() {
    QStringList f{"Fait le 08/12/2026",   "-----", "=== Etape 1 ===",      "format : 16/9",
                  "taille : /1145x644\\", "-----", "=== Etape 2 et 3 ===", "parties= /16\\"};
    for (int i = 0; i < 49; ++i) {
        const int state = i == 0 ? 3 : i == 48 ? 4 : i % 3 == 0 ? 10 : i % 3 == 1 ? 11 : 12;
        f << QStringLiteral("point %1 (%2x%3)  %[0x0]  Etat : /%4\\")
                 .arg(i + 1)
                 .arg(20 + 22 * i)
                 .arg(i % 2 == 0 ? 150 : 450)
                 .arg(state);
    }
    f << "cadre : 100,80,1000,580,";
    for (int k = 0; k < 16; ++k)
        f << QStringLiteral("partie (%1) [60]").arg(k);
    f << "Fermer la courbe : non"
      << "=== Etape 4 le temps ==="
      << "temps 1er point: (0)";
    for (int r = 0; r < 50; ++r)
        f << QStringLiteral("début/fin : (%1,%2) choix temps +0").arg(1 + 17 * r).arg(20 + 17 * r)
          << QStringLiteral("temps : (%1/%2)  vitesse : -%3")
                 .arg(100 + r)
                 .arg(900 - r)
                 .arg(r % 2 == 0 ? "0" : "-1");
    f << "=== Etape 5 les paramètres ==="
      << "---";
    for (int r = 0; r < 50; ++r)
        f << QStringLiteral("Début-Fin : (%1/%2)").arg(19 * r).arg(19 * r + 29) << "1-Opacité : (10/90)"
          << "2-ZoomX : (100/150,5)"
          << "ZoomEgal : vrai"
          << "3-ZoomY : (100/150,5)"
          << "4-rotation : (0/45)  avec angle : Non  "
          << "---";
    return f;
}

void BM_LoadLargestCurveFile(benchmark::State& state) {
    const QStringList file = largestFile();
    for (auto _ : state) {
        state.PauseTiming();
        ScriptedServices fakes;
        auto session = std::make_unique<Session>(fakes.services());
        session->setClientSize(1366, 768);
        session->host().ChargerExempleClick();
        state.ResumeTiming();
        const QString error = session->curveFile().loadLines(file);
        if (!error.isEmpty() || session->document().curve.sampleCount != 961) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadLargestCurveFile)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
