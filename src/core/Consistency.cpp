#include "core/Consistency.h"

#include "core/Bezier.h"
#include "document/KeypointBlock.h"

namespace trajecta {

QStringList checkConsistency(const CurveDocument& doc) {
    QStringList broken;
    const CurveGeometry& curve = doc.curve;
    const int points = curve.controlPointCount;
    const int parts = curve.partCount;
    if (points < 0 || points > maxMarkedPoints || parts < 0 || parts > maxParts) {
        broken
            << QStringLiteral("%1 control points and %2 parts are beyond the tables").arg(points).arg(parts);
        return broken;
    }
    if (parts != completeParts(points))
        broken << QStringLiteral("%1 parts for %2 control points").arg(parts).arg(points);
    if (doc.workflow.currentStep >= Step::Shaping && points != 3 * parts + 1)
        broken << QStringLiteral("%1 control points for %2 parts after marking").arg(points).arg(parts);

    if (parts > 0) {
        int sum = 0;
        for (int p = 0; p < parts; ++p)
            sum += curve.partSampleCounts[p];
        if (curve.sampleCount != 1 + sum)
            broken << QStringLiteral("sampleCount %1, parts' counts add up to %2")
                          .arg(curve.sampleCount)
                          .arg(sum);
    }

    for (int i = 0; i < points; ++i) {
        const int code = curve.pointStates[i];
        const int plain = code >= alignedCode ? code - alignedCode : code;
        if (plain < InnerAnchor || plain > LastPoint || code > LastPoint + alignedCode)
            broken << QStringLiteral("control point %1 has the state code %2").arg(i).arg(code);
    }

    const qsizetype lines = doc.lists.LbxListeKP.size();
    if (lines % keypointBlockLines != 0)
        broken << QStringLiteral("LbxListeKP has %1 lines, not whole keypoint blocks").arg(lines);
    const Step step = doc.workflow.currentStep;
    const bool listInUse = step == Step::Parameters || step == Step::Finished;
    if (doc.workflow.objectTextBuilt && listInUse &&
        lines != keypointBlockLines * qsizetype(curve.sampleCount))
        broken
            << QStringLiteral("LbxListeKP has %1 lines for %2 keypoints").arg(lines).arg(curve.sampleCount);
    return broken;
}

} // namespace trajecta
