#include "parameters/ParameterRecorder.h"

#include "core/CurveView.h"
#include "core/Messages.h"
#include "document/ControlIds.h"
#include "host/HostExchange.h"
#include "host/ObjectText.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace trajecta {

namespace {
constexpr CheckBoxId mainBoxes[] = {ids::ChbxOpacite,  ids::ChBxZoomX,        ids::ChBxZoomY,
                                    ids::ChBxRotation, ids::ChBxCentreX,      ids::ChBxCentreY,
                                    ids::ChBx3D,       ids::ChBx3DX,          ids::ChBx3DY,
                                    ids::ChBx3DZ,      ids::ChBxAngleRotation};

QStringList freshLog() {
    return {QString::fromUtf8(parameterLogHeader), QString::fromLatin1(parameterLogSeparator)};
}
} // namespace

ParameterRecorder::ParameterRecorder(Context& ctx, CurveView& view, HostExchange& keypoints)
    : ctx_(ctx), view_(view), keypoints_(keypoints) {}

PanelReading ParameterRecorder::readPanel() const {
    const Controls& c = ctx_.controls;
    PanelReading panel;
    for (int i = 0; i < parameterCount; ++i) {
        const ParameterInfo& info = parameterInfo(i);
        panel.ticked[static_cast<size_t>(i)] = c.checked(info.box);
        panel.texts[static_cast<size_t>(i)] = {c.text(info.startEdit), c.text(info.endEdit)};
    }
    panel.threeD = c.checked(ids::ChBx3D);
    panel.zoomTied = c.checked(ids::ChBxEgal);
    panel.centreTied = c.checked(ids::ChBxCentreEgal);
    panel.addTangent = c.checked(ids::ChBxAngleRotation);
    panel.zeroItem = c.itemIndex(ids::RdgDecalage);
    return panel;
}

bool ParameterRecorder::saveRecord() {
    CurveDocument& doc = ctx_.doc;
    ParameterState& state = doc.parameters;
    TParametres record = state.currentParameters;
    bool made = false;
    if (const std::optional<QStringList> log =
            buildParameterRecord(readPanel(), doc.range.rangeStart, doc.range.rangeEnd, record)) {
        QStringList trace;
        made = applyParameterRecord(doc.keypoints, record, state.angles, trace,
                                    ctx_.services.system.decimalSeparator());
        if (made) {
            rewriteKeypointValues(doc.lists.LbxListeKP, doc.keypoints, record.startIndex, record.endIndex);
            state.currentParameters = record;
            doc.lists.LbxColParametres += *log;
            doc.lists.LbxParametres += trace;
            ++state.parameterRecordCount;
            ctx_.controls.setCaption(ids::LblQpara, QString::number(state.parameterRecordCount));
        }
    }
    clearBoxes();
    return made;
}

void ParameterRecorder::clearBoxes() {
    for (CheckBoxId box : mainBoxes)
        ctx_.controls.setChecked(box, false);
}

void ParameterRecorder::cancelAllParameters() {
    if (!confirmDefaults()) return;
    restoreDefaults();
    loadKeypointValues(0, 2);
}

void ParameterRecorder::restoreDefaults() {
    keypoints_.rebuildKeyPointList();
    startLogAnew();
}

bool ParameterRecorder::confirmDefaults() const {
    const int language = ctx_.language();
    return ctx_.services.messages.okCancel(Messages::cancelAllParameters.in(language),
                                           Messages::cancelAllParametersTitle.in(language)) ==
           MessageAnswer::Ok;
}

void ParameterRecorder::startLogAnew() {
    ctx_.doc.lists.LbxColParametres = freshLog();
    ctx_.doc.parameters.parameterRecordCount = 0;
    ctx_.controls.setCaption(ids::LblQpara, QStringLiteral("0"));
}

void ParameterRecorder::startParameterLog() {
    WorkflowState& w = ctx_.doc.workflow;
    if (w.stepDone[Done::ParameterLog]) return;
    ctx_.doc.lists.LbxColParametres = freshLog();
    w.stepDone[Done::ParameterLog] = true;
}

void ParameterRecorder::refreshKeypointList() {
    const WorkflowState& w = ctx_.doc.workflow;
    if (!w.objectTextBuilt) return keypoints_.rebuildKeyPointList();
    if (w.positionsStale) keypoints_.refreshPositions();
    if (w.timesDirty) keypoints_.refreshTimes();
}

void ParameterRecorder::buildTangentTable() {
    CurveDocument& doc = ctx_.doc;
    AngleState& angles = doc.parameters.angles;
    const int count = std::clamp(doc.curve.sampleCount, 0, static_cast<int>(angles.tangentAngles.size()));
    for (int i = 0; i < count; ++i)
        angles.tangentAngles[static_cast<size_t>(i)] =
            static_cast<double>(90.0L - static_cast<Extended>(view_.keypointTangentAngle(i)));
    unwrapTangentAngles(angles.tangentAngles.data(), count);
    for (int i = 0; i < count; ++i)
        doc.lists.LbxParametres << QStringLiteral("bon/nouv : /") +
                                       fixed2(angles.tangentAngles[static_cast<size_t>(i)]);
}

void ParameterRecorder::updateAngleOffsets() {
    trajecta::updateAngleOffsets(ctx_.doc.parameters.angles, ctx_.doc.host.firstAngle,
                                 ctx_.controls.itemIndex(ids::RdgDecalage));
}

void ParameterRecorder::loadKeypointValues(int k, int target) {
    const CurveDocument& doc = ctx_.doc;
    if (k < 0 || k >= static_cast<int>(doc.parameters.angles.tangentAngles.size()) ||
        k >= doc.keypoints.size())
        return;
    const QChar sep = ctx_.services.system.decimalSeparator();
    const Keypoint& keypoint = doc.keypoints.at(k);
    // In the order of the parameters; opacity keeps its text as written.
    const std::array<QString, parameterCount> values{keypoint.opacity,
                                                     toLocalDecimal(keypoint.scaleX, sep),
                                                     toLocalDecimal(keypoint.scaleY, sep),
                                                     toLocalDecimal(keypoint.angle, sep),
                                                     toLocalDecimal(keypoint.centreX, sep),
                                                     toLocalDecimal(keypoint.centreY, sep),
                                                     toLocalDecimal(keypoint.angleX, sep),
                                                     toLocalDecimal(keypoint.angleY, sep),
                                                     toLocalDecimal(keypoint.zPos, sep)};

    Controls& c = ctx_.controls;
    if (target == 0 || target == 1) {
        for (int i = 0; i < parameterCount; ++i) {
            const ParameterInfo& info = parameterInfo(i);
            c.setText(target == 0 ? info.startEdit : info.endEdit, values[static_cast<size_t>(i)]);
        }
        return;
    }
    static constexpr LabelId valueLabels[parameterCount] = {
        ids::LblVOpacity, ids::LblVZoomX, ids::LblVZoomY, ids::LblVRotation, ids::LblVCentreX,
        ids::LblVCentreY, ids::LblV3DX,   ids::LblV3DY,   ids::LblV3DZ};
    c.hide(ids::ShpPointActuel);
    c.show(ids::LbliValeursEnreg);
    for (int i = 0; i < parameterCount; ++i)
        c.setCaption(valueLabels[i], values[static_cast<size_t>(i)]);
    const AngleState& angles = doc.parameters.angles;
    const Extended angle = parseNumber(keypoint.angle).value_or(0.0);
    c.setCaption(ids::LblAngleRelTang, fixed2(relativeRotation(angles, k, angle)));
    const SamplePoint& point = doc.curve.samplePoints[static_cast<size_t>(std::min(k, maxSamplePoints - 1))];
    const auto percent = [](int v, int origin, int size) {
        return size > 0 ? 100.0L * (v - origin) / (size / 2.0L) : 0.0L;
    };
    const QPoint& origin = doc.editor.workOrigin;
    const QPoint& reference = doc.editor.workReference;
    c.setCaption(ids::LblXY, QStringLiteral("X=") + fixed2(percent(point.x, origin.x(), reference.x())) +
                                 QStringLiteral("%  Y=") +
                                 fixed2(percent(point.y, origin.y(), reference.y())) + QLatin1Char('%'));
}

void ParameterRecorder::traceFinalAngles() {
    CurveDocument& doc = ctx_.doc;
    const QChar sep = ctx_.services.system.decimalSeparator();
    doc.lists.LbxParametres << QStringLiteral("*********");
    const int count =
        std::clamp(doc.curve.sampleCount, 0, static_cast<int>(doc.parameters.angles.tangentAngles.size()));
    for (int i = 1; i <= count; ++i)
        doc.lists.LbxParametres << QStringLiteral("pt%1  a =   nouveau : ").arg(i) +
                                       formatFixed(
                                           doc.parameters.angles.tangentAngles[static_cast<size_t>(i - 1)], 3,
                                           sep);
}

QString ParameterRecorder::fixed2(long double value) const {
    return formatFixed(static_cast<double>(value), 2, ctx_.services.system.decimalSeparator());
}

} // namespace trajecta
