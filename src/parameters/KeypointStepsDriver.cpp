#include "parameters/KeypointStepsDriver.h"

#include "core/Context.h"
#include "document/ControlIds.h"
#include "parameters/ParameterStep.h"
#include "parameters/RangeChooser.h"
#include "parameters/TimeLogReplay.h"
#include "timing/KeypointTimes.h"

namespace trajecta {

KeypointStepsDriver::KeypointStepsDriver(Context& ctx, KeypointTimes& times, ParameterStep& step,
                                         RangeChooser& chooser, TimeLogReplay& replay)
    : ctx_(ctx), times_(times), step_(step), chooser_(chooser), replay_(replay) {}

void KeypointStepsDriver::curveFinished(bool rebuild) {
    if (rebuild)
        times_.initialiseTimes();
    else
        times_.keepTimes();
    step_.buildTangentTable();
    step_.updateAngleOffsets();
}

void KeypointStepsDriver::resizeTimes(int count) {
    times_.resizeTimes(count);
}

void KeypointStepsDriver::timesKept() {
    replay_.followThePath();
    // The replay leaves the controls as its last record did.
    enterTimeControls();
}

void KeypointStepsDriver::enterTimeControls() {
    times_.prepareTimeControls();
    // The cursor usually stands on row 1 already, so no slider change draws
    // its mark: the move is run here.
    chooser_.cursorMoved();
}

QString KeypointStepsDriver::totalTimeText() const {
    return times_.totalText();
}

void KeypointStepsDriver::finishStep() {
    chooser_.finish();
}

void KeypointStepsDriver::leaveTimeStep() {
    chooser_.leaveTimeStep();
}

void KeypointStepsDriver::leaveParameterStep() {
    chooser_.leaveParameterStep();
}

void KeypointStepsDriver::restoreParameterStep() {
    chooser_.restoreParameterStep();
}

void KeypointStepsDriver::redrawMarks() {
    chooser_.redrawMarks();
}

void KeypointStepsDriver::resetParameterCount() {
    ctx_.doc.parameters.parameterRecordCount = 0;
    ctx_.controls.setCaption(ids::LblQpara, QStringLiteral("0"));
    ctx_.controls.setEnabled(ids::LblParaAnnuleTout, false);
}

bool KeypointStepsDriver::dropParameters() {
    if (ctx_.doc.parameters.parameterRecordCount == 0) return true;
    if (!step_.confirmDefaults()) return false;
    step_.startLogAnew();
    resetParameterCount();
    return true;
}

void KeypointStepsDriver::newObjectRead() {
    times_.takeFirstTime(ctx_.doc.host.firstKeypointTime);
    step_.updateAngleOffsets();
}

} // namespace trajecta
