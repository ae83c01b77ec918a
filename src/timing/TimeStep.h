#pragma once

#include "core/Context.h"
#include "core/KeypointSteps.h"
#include "timing/RangeTarget.h"

namespace trajecta {

class CurveView;
class KeypointTimes;
class TimeLogReplay;
class TimePresets;

// Step 4: the time of every keypoint. The step machine enters and leaves it;
// the keypoint cursor and the range buttons act on it while timeStepActive
// holds, on the open preset while timeMode is not Personal.
class TimeStep : public TimeScreen, public RangeTarget {
  public:
    TimeStep(Context& ctx, CurveView& view, KeypointTimes& times, TimePresets& presets,
             TimeLogReplay& replay);
    // The keypoint cursor is built after the step; the session connects it.
    void connect(KeypointCursor& cursor) { cursor_ = &cursor; }

    // No range, personal mode, the cursor on keypoint 1, the record count.
    void enter() override;
    // Back to step 3: an open preset is dropped with its unrecorded times, a
    // pending time range and a pending first time too, and the cursor forgets
    // its marks, which the redrawn curve no longer carries.
    void leave() override;
    // Forward to step 5: a first time still pending is recorded, the range or
    // preset in progress dropped, and the committed times go to the sample
    // points.
    void finish() override;

    bool curveFinished(bool rebuild) override;
    void resizeTimes(int count) override;
    void timesKept() override;
    QString totalTimeText() const override;
    void takeFirstTime(int ms) override;

    int firstKeypoint() const override { return 1; }
    void showKeypoint(int k) override;
    void startChosen(int k) override;
    void endChosen(int k) override;
    void cancelChoice() override;
    void saveChoice() override;

  private:
    bool presetOpen() const;

    Context& ctx_;
    CurveView& view_;
    KeypointTimes& times_;
    TimePresets& presets_;
    TimeLogReplay& replay_;
    KeypointCursor* cursor_ = nullptr;
};

} // namespace trajecta
