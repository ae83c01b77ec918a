// Undo at the largest project: 16 parts of 60 samples (961 keypoints), 50 time
// ranges and 50 parameter records, the work area at 1699 x 956. Taking a step
// after a drag of a control point, and undoing and redoing it. The counters
// give what one step holds of its own, packed below the top of the history.
// The recovery file kept after each step: what the user's thread does (the
// project's lines made, compared, written out and handed over) should take
// well under 2 ms; the atomic write the worker thread then does is measured
// on its own.

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "platform/Files.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>

using namespace trajecta;

namespace {

QStringList largestProject() {
    QStringList f{"Fait le 08/12/2026",   "-----", "=== Etape 1 ===",      "format : 16/9",
                  "taille : /1699x956\\", "-----", "=== Etape 2 et 3 ===", "parties= /16\\"};
    for (int i = 0; i < 49; ++i) {
        const int state = i == 0 ? 3 : i == 48 ? 4 : i % 3 == 0 ? 10 : i % 3 == 1 ? 11 : 12;
        f << QStringLiteral("point %1 (%2x%3)  %[0x0]  Etat : /%4\\")
                 .arg(i + 1)
                 .arg(40 + 33 * i)
                 .arg(i % 2 == 0 ? 250 : 700)
                 .arg(state);
    }
    f << "cadre : 100,80,1500,880,";
    for (int k = 0; k < 16; ++k)
        f << QStringLiteral("partie (%1) [60]").arg(k);
    f << "Fermer la courbe : non"
      << "=== Etape 4 le temps ==="
      << "temps 1er point: (0)";
    for (int r = 0; r < 50; ++r)
        f << QStringLiteral("début/fin : (%1,%2) choix temps +0").arg(1 + 17 * r).arg(20 + 17 * r)
          << QStringLiteral("temps : (%1/%2)  vitesse : -0").arg(100 + r).arg(900 - r);
    f << "=== Etape 5 les paramètres ==="
      << "---";
    for (int r = 0; r < 50; ++r)
        f << QStringLiteral("Début-Fin : (%1/%2)").arg(19 * r).arg(19 * r + 29) << "1-Opacité : (10/90)"
          << "---";
    return f;
}

struct LargestProject {
    ScriptedServices fakes;
    std::unique_ptr<Session> session;
    Controls* c = nullptr;
    QString error;

    LargestProject() {
        session = std::make_unique<Session>(fakes.services());
        session->setClientSize(1920, 1190);
        c = &session->controls();
        session->host().ChargerExempleClick();
        error = session->curveFile().loadLines(largestProject());
        while (error.isEmpty() && session->document().workflow.currentStep > Step::Shaping)
            if (!c->userClick(QStringLiteral("LblEtapeAvant")))
                error = QStringLiteral("cannot go back to step 3");
        const QImage& picture = session->workPicture();
        if (error.isEmpty() && (session->document().curve.sampleCount != 961 || picture.width() != 1699))
            error = QStringLiteral("%1 keypoints, work area %2 x %3")
                        .arg(session->document().curve.sampleCount)
                        .arg(picture.width())
                        .arg(picture.height());
    }

    // Drags the fourth control point down and back up, by turns.
    void drag(int i) {
        const QPoint p = session->document().curve.controlPoints[3];
        const int dy = i % 2 == 0 ? 40 : -40;
        const QString area = QStringLiteral("ImgDessin");
        c->userMouse(area, {MouseAction::Move, p.x(), p.y(), false});
        c->userMouse(area, {MouseAction::Down, p.x(), p.y(), true});
        c->userMouse(area, {MouseAction::Move, p.x(), p.y() + dy / 2, true});
        c->userMouse(area, {MouseAction::Move, p.x(), p.y() + dy, true});
        c->userMouse(area, {MouseAction::Up, p.x(), p.y() + dy, true});
    }
};

void BM_DragWithItsUndoStep961(benchmark::State& state) {
    LargestProject project;
    if (!project.error.isEmpty()) {
        state.SkipWithError(qPrintable(project.error));
        return;
    }
    UndoHistory& history = project.session->history();
    int i = 0;
    for (auto _ : state)
        project.drag(i++);
    if (history.undoCount() >= 2) {
        state.counters["packedStepBytes"] = double(history.stepBytes(history.undoCount() - 2));
        state.counters["topStepBytes"] = double(history.stepBytes(history.undoCount() - 1));
    }
    state.counters["steps"] = history.undoCount();
}
BENCHMARK(BM_DragWithItsUndoStep961)->Unit(benchmark::kMillisecond)->Iterations(150);

void BM_UndoAndRedo961(benchmark::State& state) {
    LargestProject project;
    if (!project.error.isEmpty()) {
        state.SkipWithError(qPrintable(project.error));
        return;
    }
    for (int i = 0; i < 20; ++i)
        project.drag(i);
    for (auto _ : state) {
        project.c->userClick(QStringLiteral("AnnulerAction"));
        project.c->userClick(QStringLiteral("RetablirAction"));
    }
}
BENCHMARK(BM_UndoAndRedo961)->Unit(benchmark::kMillisecond)->Iterations(50);

// A change of a control point, and the recovery file following it.
void BM_RecoveryKeptOnTheUsersThread961(benchmark::State& state) {
    QTemporaryDir folder;
    LargestProject project;
    if (!project.error.isEmpty()) {
        state.SkipWithError(qPrintable(project.error));
        return;
    }
    WorkKeeper& keeper = project.session->keeper();
    keeper.keepIn(folder.path());
    int i = 0;
    for (auto _ : state) {
        project.session->document().curve.controlPoints[3].ry() += ++i % 2 == 0 ? 1 : -1;
        keeper.projectChanged();
    }
    keeper.flush();
    state.counters["fileBytes"] = double(recoveryText(keeper.recoveryContent()).size());
}
BENCHMARK(BM_RecoveryKeptOnTheUsersThread961)->Unit(benchmark::kMillisecond)->Iterations(2000);

// The worker thread's part: the whole file written atomically (and synced).
void BM_RecoveryFileWritten961(benchmark::State& state) {
    QTemporaryDir folder;
    LargestProject project;
    if (!project.error.isEmpty()) {
        state.SkipWithError(qPrintable(project.error));
        return;
    }
    const QByteArray text = recoveryText(project.session->keeper().recoveryContent());
    for (auto _ : state)
        if (!writeFileAtomically(folder.filePath(QStringLiteral("bench.recovery")), text).isEmpty()) {
            state.SkipWithError("not written");
            break;
        }
}
BENCHMARK(BM_RecoveryFileWritten961)->Unit(benchmark::kMillisecond)->Iterations(50);

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// What 100 steps really hold, shared data counted once: the heap in use after
// 100 drags, less the heap in use before them, for each step.
void BM_HeapOfAStep961(benchmark::State& state) {
    LargestProject project;
    if (!project.error.isEmpty()) {
        state.SkipWithError(qPrintable(project.error));
        return;
    }
    project.drag(0);
    project.drag(1);
    const std::size_t before = heapInUse();
    for (auto _ : state)
        for (int i = 0; i < 100; ++i)
            project.drag(i);
    state.counters["heapBytesPerStep"] = double(heapInUse() - before) / 100;
}
BENCHMARK(BM_HeapOfAStep961)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
