#include "timing/KeypointTimes.h"

#include "core/Workflow.h"
#include "document/ControlIds.h"
#include "host/HostExchange.h"
#include "platform/Colours.h"
#include "platform/Numbers.h"
#include "timing/RangeTarget.h"
#include "timing/TimeTable.h"

#include <algorithm>

namespace trajecta {

namespace {
const QString noTime = QStringLiteral("- - -");

int valueOf(const QString& text) {
    return wholeNumber(text).value_or(0);
}
} // namespace

KeypointTimes::KeypointTimes(Context& ctx, Workflow& workflow, HostExchange& host)
    : ctx_(ctx), workflow_(workflow), host_(host) {}

void KeypointTimes::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onChange(ids::EdtTemps1st, [this] { onFirstTimeChanged(); });
    c.onChange(ids::EdtTempsDeb, [this] { onRangeStartChanged(); });
    c.onChange(ids::EdtTempsFin, [this] { onRangeEndChanged(); });
    c.onClick(ids::ChBxSpeedUp, [this] {
        if (ctx_.doc.timeEdit.timeStepActive) refreshTimeRange();
    });
    c.setKeyFilter(ids::EdtTempsDeb, rangeKeyAccepted);
    c.setKeyFilter(ids::EdtTempsFin, rangeKeyAccepted);
}

void KeypointTimes::initialiseTimes() {
    CurveDocument& doc = ctx_.doc;
    const int count = std::clamp(doc.curve.sampleCount, 0, maxSamplePoints);
    const int first = parseInteger(doc.host.loadedFirstTimeText).value_or(0);
    const int gap = initialGap(count);
    doc.timing.keypointTimes.assign(static_cast<size_t>(count), KeypointTime{gap, gap});
    if (count > 0) doc.timing.keypointTimes[0] = KeypointTime{first, first};
    // The object's first time follows the table, also for a curve that
    // replaces one whose first time the user had changed.
    doc.host.firstKeypointTime = first;

    doc.host.firstTimeText = QString::number(first);
    ctx_.controls.setText(ids::EdtTemps1st, doc.host.firstTimeText);
    // Nothing is pending after a fresh table, whatever the field's change
    // handler made of the new text.
    doc.timeEdit.firstTimePending = false;
    setSaveState(false);
    doc.workflow.savedSampleCount = count;
    doc.workflow.timesValid = true;

    const QString gapText = QString::number(gap);
    doc.lists.LbxColTemps << firstTimeRecordLine(doc.host.firstTimeText)
                          << rangeRecordLine(1, count - 1, doc.timeEdit.timeMode)
                          << timesRecordLine(gapText, gapText, false);
    showTotal();
}

void KeypointTimes::keepTimes() {
    CurveDocument& doc = ctx_.doc;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    for (KeypointTime& row : times)
        row.inUse = row.committed;
    const int first = times.empty() ? 0 : times[0].committed;
    doc.host.firstTimeText = QString::number(first);
    ctx_.controls.setText(ids::EdtTemps1st, doc.host.firstTimeText);
    doc.timeEdit.firstTimePending = false;
    setSaveState(false);
    showTotal();
}

// Rows from the count the times were built for on repeat the last row of that
// count, also rows that an earlier resize added.
void KeypointTimes::resizeTimes(int newCount) {
    std::vector<KeypointTime>& times = ctx_.doc.timing.keypointTimes;
    const int wanted = std::clamp(newCount, 0, maxSamplePoints);
    const int kept = std::clamp(ctx_.doc.workflow.savedSampleCount, 0, static_cast<int>(times.size()));
    const KeypointTime fill = kept > 0 ? times[static_cast<size_t>(kept - 1)] : KeypointTime{};
    times.resize(static_cast<size_t>(wanted));
    for (int i = kept; i < wanted; ++i)
        times[static_cast<size_t>(i)] = fill;
}

void KeypointTimes::takeFirstTime(int ms) {
    CurveDocument& doc = ctx_.doc;
    if (!doc.timing.keypointTimes.empty()) doc.timing.keypointTimes[0] = {ms, ms};
    doc.host.firstTimeText = QString::number(ms);
    // Shown without running the change rule: the new time is committed, not pending.
    ctx_.controls.setCaption(ids::EdtTemps1st, doc.host.firstTimeText);
    showTotal();
}

void KeypointTimes::prepareTimeControls() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    TimeEditState& t = doc.timeEdit;
    doc.range.rangeStart = doc.range.rangeEnd = -1;
    t.rangeReady = t.rangeStartSet = t.rangeEndSet = false;
    t.timeStepActive = true;
    t.timeMode = TimeMode::Personal;
    // Row 0 is never chosen here: its time is only edited in EdtTemps1st.
    c.setMin(ids::TbMontrePoint, 1);
    c.setMax(ids::TbMontrePoint, std::max(1, doc.curve.sampleCount - 1));
    cursor_->moveCursor(c.get(ids::TbMontrePoint).min);
    c.hide(ids::PnlOptionsTemps);
    c.hide(ids::PnlTempsDebFin);
    c.show(ids::LbliTempsCePoint);
    c.show(ids::LblTempsPointActuel);
    if (!doc.workflow.stepDone[Done::Curve]) t.timeRecordCount = 0;
    c.setCaption(ids::LblQpara, QString::number(t.timeRecordCount));
}

void KeypointTimes::showKeypointTime(int row) {
    ctx_.controls.setCaption(ids::LblTempsPointActuel, keypointTimeText(ctx_.doc.timing.keypointTimes, row));
}

void KeypointTimes::onFirstTimeChanged() {
    CurveDocument& doc = ctx_.doc;
    TimeEditState& t = doc.timeEdit;
    const QString text = ctx_.controls.text(ids::EdtTemps1st);
    switch (judgeFirstTime(text)) {
    case FieldVerdict::Keep:
        doc.host.firstTimeText = text;
        t.firstTimePending = true;
        break;
    case FieldVerdict::Refuse:
        // Nothing changes: the field shows the last accepted text again, still
        // pending or not as it was, and the buttons stay as they were.
        showFirstTime();
        break;
    case FieldVerdict::Empty:
        break;
    }
    if (t.firstTimePending) setSaveState(true);
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    if (!times.empty()) times[0].inUse = valueOf(doc.host.firstTimeText);
    showTotal();
    // An empty field keeps the last accepted time in force.
    if (text.isEmpty()) setSaveState(false);
    if (doc.range.shownKeypoint >= 0) showKeypointTime(doc.range.shownKeypoint);
}

void KeypointTimes::onRangeStartChanged() {
    TimeEditState& t = ctx_.doc.timeEdit;
    onRangeFieldChanged(ids::EdtTempsDeb, t.rangeStartText, t.rangeStartSet);
}

void KeypointTimes::onRangeEndChanged() {
    TimeEditState& t = ctx_.doc.timeEdit;
    onRangeFieldChanged(ids::EdtTempsFin, t.rangeEndText, t.rangeEndSet);
}

// One end's field changed: its last accepted text and whether it is set
// follow the field's rule, then the range is filled when both ends are set.
void KeypointTimes::onRangeFieldChanged(EditId field, QString& accepted, bool& set) {
    TimeEditState& t = ctx_.doc.timeEdit;
    const QString text = ctx_.controls.text(field);
    const FieldVerdict verdict = judgeRangeTime(text);
    if (verdict == FieldVerdict::Keep) {
        accepted = text;
        set = valueOf(text) > 0;
    } else if (verdict == FieldVerdict::Refuse) {
        refuse(field, accepted);
    } else {
        set = false;
    }
    t.rangeReady = t.rangeStartSet && t.rangeEndSet;
    setSaveState(t.rangeReady && !ctx_.controls.text(ids::EdtTemps1st).isEmpty());
    refreshTimeRange();
}

void KeypointTimes::refreshTimeRange() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    const TimeEditState& t = doc.timeEdit;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    if (t.rangeReady) {
        fillRange(times, doc.range.rangeStart, doc.range.rangeEnd, valueOf(t.rangeStartText),
                  valueOf(t.rangeEndText), c.checked(ids::ChBxSpeedUp));
        c.setCaption(ids::LbliDebAbsolu, formatDuration(absoluteWorking(times, doc.range.rangeStart)));
        c.setCaption(ids::LbliFinAbsolu, formatDuration(absoluteWorking(times, doc.range.rangeEnd)));
        showTotal();
    } else {
        c.setCaption(ids::LbliDebAbsolu, noTime);
        c.setCaption(ids::LbliFinAbsolu, noTime);
    }
    listing_.refresh(doc.lists.LbxTempsKP, times);
}

void KeypointTimes::startChosen() {
    CurveDocument& doc = ctx_.doc;
    const int row = doc.range.rangeStart;
    if (row < 0 || row >= static_cast<int>(doc.timing.keypointTimes.size())) return;
    // The time is taken before the field shows it: a time above what may be
    // typed is still the one the field shows and the record keeps.
    const QString text = QString::number(doc.timing.keypointTimes[static_cast<size_t>(row)].committed);
    doc.timeEdit.rangeStartText = text;
    ctx_.controls.setText(ids::EdtTempsDeb, text);
}

void KeypointTimes::endChosen() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    TimeEditState& t = doc.timeEdit;
    const std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const int row = doc.range.rangeEnd;
    if (row < 0 || row >= static_cast<int>(times.size())) return;
    c.show(ids::PnlTempsDebFin);
    const QString text = QString::number(times[static_cast<size_t>(row)].inUse);
    t.rangeEndText = text;
    c.setText(ids::EdtTempsFin, text);
    // A committed time of 0 cannot start or end a fill.
    t.rangeStartSet = valueOf(t.rangeStartText) > 0;
    t.rangeEndSet = valueOf(text) > 0;
    t.rangeReady = t.rangeStartSet && t.rangeEndSet;
    // Filled and offered for recording here, not only when a field's text
    // changed: the times shown are then those the record line gives and a
    // replay of it rebuilds.
    setSaveState(t.rangeReady && !c.text(ids::EdtTemps1st).isEmpty());
    refreshTimeRange();
}

void KeypointTimes::recordTimes() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    TimeEditState& t = doc.timeEdit;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    QStringList& record = doc.lists.LbxColTemps;
    const int count = static_cast<int>(times.size());
    if (t.rangeReady) {
        doc.workflow.timesDirty = true;
        for (KeypointTime& row : times)
            row.committed = row.inUse;
        const int start = doc.range.rangeStart;
        const int end = doc.range.rangeEnd;
        // A record over every keypoint but the first replaces all records before it.
        if (start == 1 && end == count - 1) {
            if (record.size() > 2) record.erase(record.begin() + 2, record.end());
            t.timeRecordCount = 0;
        }
        ++t.timeRecordCount;
        c.setCaption(ids::LblQpara, QString::number(t.timeRecordCount));
        recordFirstTime();
        record << rangeRecordLine(start, end, t.timeMode)
               << timesRecordLine(t.rangeStartText, t.rangeEndText, c.checked(ids::ChBxSpeedUp));
        c.setColour(ids::ShpTemoin, colours::blue);
        workflow_.enterTimeStep();
        // The next range can start where this one ended.
        if (end < count - 1) cursor_->moveCursor(end);
    } else if (t.firstTimePending) {
        recordFirstTime();
        setSaveState(false);
    }
    listing_.refresh(doc.lists.LbxTempsKP, times);
    handOver();
}

void KeypointTimes::cancelTimes() {
    CurveDocument& doc = ctx_.doc;
    TimeEditState& t = doc.timeEdit;
    doc.range.rangeStart = doc.range.rangeEnd = -1;
    t.rangeReady = t.rangeEndSet = false;
    for (KeypointTime& row : doc.timing.keypointTimes)
        row.inUse = row.committed;
    dropFirstTime();
    ctx_.controls.hide(ids::PnlTempsDebFin);
    showTotal();
}

void KeypointTimes::recordFirstTime() {
    CurveDocument& doc = ctx_.doc;
    if (!doc.timeEdit.firstTimePending) return;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    if (!times.empty()) {
        times[0].committed = times[0].inUse;
        doc.host.firstKeypointTime = times[0].committed;
    }
    // Line 1 of the record is always the first time's line.
    QStringList& record = doc.lists.LbxColTemps;
    const QString line = firstTimeRecordLine(doc.host.firstTimeText);
    if (record.size() > 1)
        record[1] = line;
    else
        record << line;
    doc.timeEdit.firstTimePending = false;
    doc.workflow.timesDirty = true;
    // An emptied field shows again the time now in force.
    showFirstTime();
}

void KeypointTimes::dropFirstTime() {
    CurveDocument& doc = ctx_.doc;
    std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    if (!doc.timeEdit.firstTimePending || times.empty()) return;
    doc.timeEdit.firstTimePending = false;
    times[0].inUse = times[0].committed;
    doc.host.firstTimeText = QString::number(times[0].committed);
    showFirstTime();
    showTotal();
    if (doc.range.shownKeypoint >= 0) showKeypointTime(doc.range.shownKeypoint);
}

void KeypointTimes::leaveTimeStep() {
    copyToSamples();
    ctx_.doc.timeEdit.timeStepActive = false;
    ctx_.controls.hide(ids::GbxTemps);
}

QString KeypointTimes::totalText() const {
    return formatDuration(totalWorking(ctx_.doc.timing.keypointTimes));
}

void KeypointTimes::copyToSamples() {
    CurveDocument& doc = ctx_.doc;
    const std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const size_t rows = std::min(times.size(), doc.curve.samplePoints.size());
    for (size_t i = 0; i < rows; ++i)
        doc.curve.samplePoints[i].time = times[i].committed;
}

void KeypointTimes::handOver() {
    CurveDocument& doc = ctx_.doc;
    copyToSamples();
    const std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    if (!times.empty()) doc.host.firstKeypointTime = times[0].committed;
    if (doc.workflow.timesDirty && doc.workflow.objectTextBuilt) host_.refreshTimes();
}

void KeypointTimes::setSaveState(bool saving) {
    Controls& c = ctx_.controls;
    c.setEnabled(ids::LblVarSave, saving);
    c.setEnabled(ids::LblParaFini, !saving);
    c.setEnabled(ids::LblEtapeApres, !saving);
}

// A refused text: the field returns to its last accepted text (its change
// handler runs again on it) with the caret at the end.
void KeypointTimes::refuse(EditId field, const QString& lastText) {
    ctx_.controls.setText(field, lastText);
    ctx_.controls.setCaret(field, static_cast<int>(lastText.size()));
}

// The last accepted first time, shown without running the field's change
// rule, with the caret at the end.
void KeypointTimes::showFirstTime() {
    const QString& text = ctx_.doc.host.firstTimeText;
    ctx_.controls.setCaption(ids::EdtTemps1st, text);
    ctx_.controls.setCaret(ids::EdtTemps1st, static_cast<int>(text.size()));
}

void KeypointTimes::showTotal() {
    ctx_.controls.setCaption(ids::LblTempsTotalVue, totalText());
}

} // namespace trajecta
