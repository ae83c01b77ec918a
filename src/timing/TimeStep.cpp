#include "timing/TimeStep.h"

#include "core/CurveView.h"
#include "timing/KeypointTimes.h"
#include "timing/TimeLogReplay.h"
#include "timing/TimePresets.h"

namespace trajecta {

TimeStep::TimeStep(Context& ctx, CurveView& view, KeypointTimes& times, TimePresets& presets,
                   TimeLogReplay& replay)
    : ctx_(ctx), view_(view), times_(times), presets_(presets), replay_(replay) {}

bool TimeStep::presetOpen() const {
    return ctx_.doc.timeEdit.timeMode != TimeMode::Personal;
}

void TimeStep::enter() {
    times_.prepareTimeControls();
    // The cursor usually stands on keypoint 1 already, so no move draws its
    // mark: it is shown here.
    cursor_->cursorMoved();
}

void TimeStep::leave() {
    if (presetOpen()) presets_.cancel();
    const KeypointRange& r = ctx_.doc.range;
    if (r.rangeStart >= 0 || r.rangeEnd >= 0) times_.cancelTimes();
    times_.dropFirstTime();
    cursor_->forgetRange();
}

void TimeStep::finish() {
    view_.removeTangentSegments();
    times_.recordFirstTime();
    if (presetOpen()) presets_.cancel();
    const KeypointRange& r = ctx_.doc.range;
    const bool pending = r.rangeStart >= 0 || r.rangeEnd >= 0;
    cursor_->removeMarks();
    if (pending) times_.cancelTimes();
    times_.leaveTimeStep();
}

bool TimeStep::curveFinished(bool rebuild) {
    const CurveDocument& doc = ctx_.doc;
    const std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    // Times kept for a curve whose count changed while they were valid must
    // still have one row per sample point.
    if (!rebuild && !times.empty() && static_cast<int>(times.size()) != doc.curve.sampleCount)
        times_.resizeTimes(doc.curve.sampleCount);
    const bool kept = !rebuild && !times.empty();
    if (kept)
        times_.keepTimes();
    else
        times_.initialiseTimes();
    return kept;
}

void TimeStep::resizeTimes(int count) {
    times_.resizeTimes(count);
}

void TimeStep::timesKept() {
    replay_.followThePath();
    // The replay leaves the controls as its last record did.
    enter();
}

QString TimeStep::totalTimeText() const {
    return times_.totalText();
}

void TimeStep::takeFirstTime(int ms) {
    times_.takeFirstTime(ms);
}

void TimeStep::showKeypoint(int k) {
    times_.showKeypointTime(k);
}

void TimeStep::startChosen(int) {
    times_.startChosen();
}

void TimeStep::endChosen(int) {
    times_.endChosen();
}

void TimeStep::cancelChoice() {
    if (presetOpen()) return presets_.cancel();
    cursor_->removeMarks();
    cursor_->resume(true);
    times_.cancelTimes();
}

void TimeStep::saveChoice() {
    if (presetOpen()) return presets_.record();
    if (!ctx_.doc.timeEdit.rangeReady) return times_.recordTimes();
    // The record enters the time step again and puts the cursor on the old
    // end; the cursor then follows from there.
    cursor_->removeMarks();
    times_.recordTimes();
    cursor_->resume(false);
}

} // namespace trajecta
