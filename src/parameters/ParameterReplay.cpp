// The replay of a saved parameter log: each record drives the panel and the
// range buttons as the user did when it was made.

#include "document/ControlIds.h"
#include "parameters/ParameterPanel.h"
#include "parameters/ParameterRecord.h"
#include "parameters/ParameterRecorder.h"
#include "parameters/ParameterStep.h"
#include "parameters/RangeChooser.h"

#include <algorithm>

namespace trajecta {

bool ParameterStep::replayParameterLog(const QStringList& lines) {
    CurveDocument& doc = ctx_.doc;
    if (doc.workflow.currentStep != Step::Parameters || doc.timeEdit.timeStepActive) return false;
    const ParameterLog log = readParameterLog(lines, doc.curve.sampleCount);
    bool readable = log.readable;
    // The logged values are typed after the tangent option was ticked: the
    // option must not replace them with the values stored at the keypoints.
    panel_.setReplaying(true);
    for (const LoggedRecord& record : log.records) {
        TParametres& p = doc.parameters.currentParameters;
        p.opacityOn = p.zoomXOn = p.zoomYOn = p.zoomTied = p.centreTied = p.rotationOn = false;
        p.centreXOn = p.centreYOn = p.threeDOn = p.threeDXOn = p.threeDYOn = p.threeDZOn = false;
        recorder_.clearBoxes();
        // A record ties a pair only through its X line: one that changes Y
        // alone was made with "Egaux" cleared.
        ctx_.controls.setChecked(ids::ChBxEgal, false);
        ctx_.controls.setChecked(ids::ChBxCentreEgal, false);
        chooser_.moveCursor(record.start);
        chooser_.chooseStart();
        chooser_.moveCursor(record.end);
        chooser_.chooseEnd();
        for (const LoggedLine& line : record.lines)
            applyLogLine(line.number, line.text, line.tied, readable);
        chooser_.save();
        // A record that could not be made leaves its range chosen; the next
        // record starts from none.
        if (doc.range.rangeStart >= 0) chooser_.cancelRange();
    }
    panel_.setReplaying(false);
    return readable;
}

bool ParameterStep::rotationsFollowThePath() {
    CurveDocument& doc = ctx_.doc;
    // Read as a saved file holds it, after the time log.
    const QStringList lines = doc.lists.LbxColTemps + doc.lists.LbxColParametres;
    const ParameterLog log = readParameterLog(lines, doc.curve.sampleCount);
    const auto followsTangent = [](const LoggedRecord& record) {
        return std::any_of(record.lines.begin(), record.lines.end(), [](const LoggedLine& line) {
            return line.number == static_cast<int>(Parameter::Rotation) + 1 && rotationAddsTangent(line.text);
        });
    };
    if (!log.readable || std::none_of(log.records.begin(), log.records.end(), followsTangent)) return false;
    const CurveDocument before = doc;
    const std::vector<ControlState> shown = ctx_.controls.states();
    recorder_.restoreDefaults();
    if (!replayParameterLog(lines) || doc.parameters.parameterRecordCount != int(log.records.size())) {
        doc = before;
        ctx_.controls.restoreStates(shown);
        return false;
    }
    return true;
}

void ParameterStep::applyLogLine(int number, const QString& line, bool tied, bool& readable) {
    Controls& c = ctx_.controls;
    if (number == static_cast<int>(Parameter::Rotation) + 1) {
        const bool tangent = rotationAddsTangent(line);
        c.setChecked(ids::ChBxAngleRotation, tangent);
        c.setItemIndex(ids::RdgDecalage, tangent ? rotationZeroItem(line) : 0);
    }
    if (number < 1 || number > parameterCount) return;
    const std::optional<LoggedValues> values =
        readLoggedValues(LoggedLine{number, line, tied}, ctx_.services.system.decimalSeparator());
    if (!values) {
        readable = false;
        return;
    }
    const Parameter parameter = static_cast<Parameter>(number - 1);
    // The tie is made once the X values stand, so that it copies them into the
    // Y edits and ticks the Y box as it did for the user.
    const std::optional<CheckBoxId> tie = parameter == Parameter::ZoomX ? ids::ChBxEgal
                                          : parameter == Parameter::CentreX
                                              ? std::optional(ids::ChBxCentreEgal)
                                              : std::nullopt;
    if (tie) c.setChecked(*tie, false);
    if (number >= static_cast<int>(Parameter::ThreeDX) + 1) c.setChecked(ids::ChBx3D, true);
    const ParameterInfo& info = parameterInfo(parameter);
    c.setChecked(info.box, true);
    const EditId start = info.startEdit;
    const EditId end = info.endEdit;
    if (parameter == Parameter::Opacity) {
        // Opacity keeps its own rule for what its edits accept.
        c.setText(start, values->start);
        c.setText(end, values->end);
    } else {
        panel_.setEditText(start, values->start);
        panel_.setEditText(end, values->end);
    }
    if (tie) c.setChecked(*tie, tied);
}

} // namespace trajecta
