#include "app/WorkKeeper.h"

#include "core/CurveRecord.h"
#include "core/Workflow.h"
#include "curvefile/CurveFile.h"
#include "host/HostExchange.h"
#include "parameters/ParameterRecord.h"
#include "timing/TimeLog.h"

#include <algorithm>

namespace trajecta {

namespace {

// The points of the whole parts: 3n + 1, or none below one part.
std::size_t wholePartPoints(std::size_t points) {
    return points >= 4 ? points - (points - 1) % 3 : 0;
}

// The lines a curve file load checks: the curve block without the points
// marked after its last whole part, and the time and parameter records, bare
// where the project has none yet.
QStringList fileLines(const QStringList& lines, const RecordedCurve& curve, std::size_t whole) {
    QStringList file = lines;
    const qsizetype firstPoint = curve.partsLine + 1;
    file.erase(file.begin() + firstPoint + qsizetype(whole),
               file.begin() + firstPoint + qsizetype(curve.points.size()));
    if (!file.contains(timeLogHeader)) file << timeLogHeader << QStringLiteral("temps 1er point: (0)");
    const QString parameterHeader = QString::fromUtf8(parameterLogHeader);
    if (!file.contains(parameterHeader))
        file << parameterHeader << QString::fromLatin1(parameterLogSeparator);
    return file;
}

} // namespace

// The object loaded again; the curve, where the project has one; then back
// step by step to where the user was.
bool WorkKeeper::replay(const RecoveryContent& content) {
    if (content.step < Step::Format || !host_.loadObject(content.object)) return false;
    if (std::max(content.step, content.reached) >= Step::Marking && !replayCurve(content)) return false;
    const WorkflowState& w = ctx_.doc.workflow;
    for (int back = 0; back < 6 && w.currentStep > content.step; ++back)
        workflow_.previousStep();
    return w.currentStep == content.step;
}

// The records replayed as a curve file loads them, up to the furthest step
// they come from, and back to the step the user was in (the marking, at the
// earliest); the points marked after the last whole part are clicked again,
// and so is every point of a curve whose marking never stopped.
bool WorkKeeper::replayCurve(const RecoveryContent& content) {
    const std::optional<RecordedCurve> curve = readCurveRecord(content.curve, 0);
    if (!curve) return false;
    const std::size_t whole = wholePartPoints(curve->points.size());
    const Step target = std::max(content.step, content.reached);
    std::size_t placed = 0;
    if (target >= Step::Shaping && whole > 0) {
        if (!curveFile_.loadLines(fileLines(content.curve, *curve, whole), target).isEmpty()) return false;
        placed = whole;
    }
    const WorkflowState& w = ctx_.doc.workflow;
    const Step stop = std::max(content.step, Step::Marking);
    for (int back = 0; back < 6 && w.currentStep > stop; ++back)
        workflow_.previousStep();
    return placed == curve->points.size() || curveFile_.replayMarking(*curve, placed);
}

} // namespace trajecta
