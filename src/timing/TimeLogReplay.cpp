#include "timing/TimeLogReplay.h"

#include "document/ControlIds.h"
#include "timing/KeypointTimes.h"
#include "timing/PresetMath.h"
#include "timing/RangeTarget.h"
#include "timing/TimePresets.h"

#include <algorithm>

namespace trajecta {

namespace {

// Replayed records that reach a keypoint time beyond maxKeypointTime, or a
// total beyond this, are refused.
constexpr long long maxTotalTime = 2147483647;

bool timesSound(const std::vector<KeypointTime>& times) {
    long long total = 0;
    for (const KeypointTime& t : times) {
        if (t.inUse < 0 || t.inUse > maxKeypointTime || t.committed < 0 || t.committed > maxKeypointTime)
            return false;
        total += t.committed;
    }
    return total <= maxTotalTime;
}

} // namespace

TimeLogReplay::TimeLogReplay(Context& ctx, KeypointTimes& times, TimePresets& presets)
    : ctx_(ctx), times_(times), presets_(presets) {}

bool TimeLogReplay::replay(std::optional<int> firstTime, const std::vector<TimeRecord>& records,
                           const CurveGeometry& measured) {
    CurveDocument& doc = ctx_.doc;
    // The first keypoint time as the user set it: typed, then "Enregistrer"
    // when it differs from the object's.
    if (firstTime) {
        ctx_.controls.setText(ids::EdtTemps1st, QString::number(*firstTime));
        if (doc.timeEdit.firstTimePending) cursor_->save();
    }
    for (const TimeRecord& r : records) {
        const bool replayed =
            r.kind == TimeRecord::Kind::Unknown ||
            (r.kind == TimeRecord::Kind::Range ? replayRange(r) : replayPreset(r, measured));
        if (!replayed || doc.range.rangeStart >= 0 || doc.timeEdit.timeMode != TimeMode::Personal ||
            !timesSound(doc.timing.keypointTimes))
            return false;
    }
    ctx_.controls.setCaption(ids::LblTempsTotalVue, times_.totalText());
    return true;
}

void TimeLogReplay::followThePath() {
    CurveDocument& doc = ctx_.doc;
    const QStringList log = doc.lists.LbxColTemps;
    std::vector<TimeRecord> records;
    qsizetype end = 0;
    if (log.value(0) != timeLogHeader || readTimeRecords(log, 2, doc.curve.sampleCount, records, end) >= 0 ||
        std::none_of(records.begin(), records.end(), measuresThePath))
        return;
    const CurveDocument before = doc;
    const std::vector<ControlState> shown = ctx_.controls.states();
    doc.lists.LbxColTemps = QStringList{timeLogHeader};
    times_.initialiseTimes();
    // The presets take the values of the records, not those they offer.
    doc.workflow.replayingFile = true;
    const bool replayed = replay(recordedFirstTime(log.value(1)), records, doc.curve);
    doc.workflow.replayingFile = false;
    if (!replayed) {
        doc = before;
        ctx_.controls.restoreStates(shown);
    }
}

// A personal range: the cursor on each end with "Début" and "Fin", the two
// times typed, the speed-up box set, then "Enregistrer".
bool TimeLogReplay::replayRange(const TimeRecord& r) {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    TimeEditState& t = doc.timeEdit;
    // Each time is made the field's last accepted text before it is typed: a
    // time above what may be typed, which "Début" or "Fin" loaded when the
    // record was made, then stands as it stood then.
    cursor_->moveCursor(r.first);
    cursor_->chooseStart();
    t.rangeStartText = QString::number(r.startTime);
    c.setText(ids::EdtTempsDeb, t.rangeStartText);
    cursor_->moveCursor(r.last);
    cursor_->chooseEnd();
    t.rangeEndText = QString::number(r.endTime);
    c.setText(ids::EdtTempsFin, t.rangeEndText);
    c.setChecked(ids::ChBxSpeedUp, r.speedUp);
    if (doc.range.rangeStart != r.first || doc.range.rangeEnd != r.last || !t.rangeReady ||
        t.rangeStartText != QString::number(r.startTime) || t.rangeEndText != QString::number(r.endTime))
        return false;
    cursor_->save();
    return true;
}

// A preset: the option list opened, the preset chosen with the values of the
// record, then "Enregistrer".
bool TimeLogReplay::replayPreset(const TimeRecord& r, const CurveGeometry& measured) {
    presets_.openOptions();
    measureDistances(measured, ctx_.doc.presets);
    switch (r.kind) {
    case TimeRecord::Kind::ConstantTime:
        presets_.chooseConstantTime();
        presets_.setConstantGap(r.gap);
        break;
    case TimeRecord::Kind::ConstantSpeed:
        presets_.supplySpeedCoefficient(r.coefficient);
        presets_.chooseConstantSpeed();
        break;
    case TimeRecord::Kind::Proportional:
        presets_.replayProportional(r.factor, r.offset, r.maximum);
        break;
    case TimeRecord::Kind::SlowDownStart:
    case TimeRecord::Kind::SlowDownEnd:
        presets_.chooseSlowDown();
        cursor_->moveCursor(r.extent);
        if (!presets_.applySlowDown(r.kind == TimeRecord::Kind::SlowDownEnd, r.extent, r.strength)) {
            presets_.cancel();
            return false;
        }
        break;
    default:
        return false;
    }
    presets_.record();
    return true;
}

} // namespace trajecta
