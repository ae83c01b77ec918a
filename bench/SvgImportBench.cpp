// Importing a path of 16 parts from an SVG file in step 2: the file read, the
// XML and the path data, the arcs cut into pieces, the curve placed, sampled
// and drawn, and step 3 entered. It should take at most 5 ms.

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "platform/Files.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

using namespace trajecta;

namespace {

// Lines, cubic and quadratic parts in their shorthand forms too, three arcs
// making six parts and a closing line: 16 parts under a group's transform, in
// a drawing larger than the work area.
QByteArray sixteenParts() {
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="297mm" height="167mm" viewBox="0 0 1900 1069">
  <g transform="translate(120 80) rotate(3)">
    <path id="route" d="M 0 0 L 300 40 l 200 -20 C 600 0 700 100 800 200 s 100 200 200 200
       Q 1100 500 1200 400 t 200 0 A 150 150 0 1 1 1400 700 a 400 200 20 0 1 -800 0
       A 300 100 0 0 0 100 700 L 50 900 L 0 800 V 200 Z"/>
  </g>
</svg>
)svg";
}

void BM_ImportSixteenPartPath(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("route.svg"));
    writeFileAtomically(path, sixteenParts());
    for (auto _ : state) {
        state.PauseTiming();
        ScriptedServices fakes;
        auto session = std::make_unique<Session>(fakes.services());
        session->setClientSize(1366, 768);
        session->host().ChargerExempleClick();
        session->controls().userClick(QStringLiteral("LbCreation"));
        fakes.answers.push_back(path);
        state.ResumeTiming();
        session->controls().userClick(QStringLiteral("LblImporterSvg"));
        state.PauseTiming();
        const CurveDocument& doc = session->document();
        if (doc.workflow.currentStep != Step::Shaping || doc.curve.partCount != 16) {
            state.SkipWithError(qPrintable(fakes.log.join(QLatin1Char('\n'))));
            break;
        }
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportSixteenPartPath)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
