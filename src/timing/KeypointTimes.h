#pragma once

#include "core/Context.h"
#include "timing/TimeTable.h"

namespace trajecta {

class HostExchange;
class KeypointCursor;
class Workflow;

// The time of every keypoint, edited in step 4: the first keypoint's time in
// EdtTemps1st and the times of a range of keypoints between EdtTempsDeb and
// EdtTempsFin. Changes go to the working column first; "Enregistrer" commits
// them and logs one group of lines in the time record LbxColTemps, which a
// saved curve replays through the same operations.
//
// The range itself is chosen by the range chooser of the parameter step,
// which calls the time branches below while timeStepActive holds.
class KeypointTimes {
  public:
    KeypointTimes(Context& ctx, Workflow& workflow, HostExchange& host);
    // The keypoint cursor is built after the times; the session connects it.
    void connect(KeypointCursor& cursor) { cursor_ = &cursor; }

    // Change handlers of the three fields and of ChBxSpeedUp, and the key
    // filter of the range fields.
    void registerHandlers();

    // A new table for the finished curve: row 0 from the loaded object's first
    // time, every other row the initial gap; the record gets its first lines.
    void initialiseTimes();
    // The curve finished again with the same sample count: the working column
    // returns to the committed one.
    void keepTimes();
    // The table follows a changed sample count: rows from the count the times
    // were built for on copy both columns of that count's last row.
    void resizeTimes(int newCount);
    // The first keypoint time of a newly read object, committed at once.
    void takeFirstTime(int ms);
    // The time part of entering step 4: no range, personal mode, the cursor on
    // row 1, the record count.
    void prepareTimeControls();
    // LblTempsPointActuel for row i.
    void showKeypointTime(int row);

    void onFirstTimeChanged();
    void onRangeStartChanged();
    void onRangeEndChanged();
    void refreshTimeRange();

    // The time branches of "Début" and "Fin", after the range chooser set
    // rangeStart or rangeEnd.
    void startChosen();
    void endChosen();
    // "Enregistrer" and "Annuler" in personal mode.
    void recordTimes();
    void cancelTimes();
    // A first time typed and not yet recorded is settled before anything else
    // records times or leaves the step, so that the field, line 1 of the
    // record, the total and the object's first Time always agree. Recording
    // (any "Enregistrer", "Terminé") commits it with its record line;
    // cancelling (any "Annuler", going back a step) shows the committed time
    // again. Both do nothing when no first time is pending.
    void recordFirstTime();
    void dropFirstTime();
    // "Terminé" of step 4: the committed times go to the sample points.
    void leaveTimeStep();

    // formatDuration of the total of the working column.
    QString totalText() const;
    // The committed times handed to the sample points and the first keypoint
    // time; the Time lines of the keypoint list follow when they are stale.
    void handOver();

  private:
    void onRangeFieldChanged(EditId field, QString& accepted, bool& set);
    void copyToSamples();
    void setSaveState(bool saving);
    void refuse(EditId field, const QString& lastText);
    void showFirstTime();
    void showTotal();

    Context& ctx_;
    Workflow& workflow_;
    HostExchange& host_;
    KeypointCursor* cursor_ = nullptr;
    TimeListingMemo listing_;
};

} // namespace trajecta
