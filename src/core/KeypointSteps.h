#pragma once

#include <QString>

namespace trajecta {

// A step of the keypoints as the step machine sees it. The screen the step
// machine shows on the way in comes first; the step then does its own part.
class StepScreen {
  public:
    virtual ~StepScreen() = default;
    // Entered forward (step 4 also when coming back from step 5).
    virtual void enter() = 0;
    // Left back to the step before.
    virtual void leave() = 0;
    // "Terminé" (also "Etape suivante" while it is enabled): left forward.
    virtual void finish() = 0;
};

// Step 4, the keypoint times. It is built after the curve core and the host
// exchange; the session connects it.
class TimeScreen : public StepScreen {
  public:
    // The curve is finished: a new time table (rebuild) or the kept one, which
    // first follows the sample count (added rows repeat the last row).
    // Returns whether the times were kept.
    virtual bool curveFinished(bool rebuild) = 0;
    // The time table follows a changed sample count.
    virtual void resizeTimes(int count) = 0;
    // The curve was finished again with its times kept: times whose records
    // measure the path are made again on the path as it is now.
    virtual void timesKept() = 0;
    // The total of the working times, formatted.
    virtual QString totalTimeText() const = 0;
    // A new object was read for the same path: its first keypoint time.
    virtual void takeFirstTime(int ms) = 0;
};

// Step 5, the parameters, which step 6 is left back into.
class ParameterScreen : public StepScreen {
  public:
    // The curve is finished: the tangent table of the keypoints and the angle
    // offsets.
    virtual void curveFinished() = 0;
    // Back from step 6: the step-5 controls with no range.
    virtual void restore() = 0;
    // A new project, or the parameters cancelled with a new sample count: no
    // parameter record yet, nothing for "Annuler tout" to cancel.
    virtual void resetParameterCount() = 0;
    // The keypoint list is about to be built from a new curve: recorded
    // parameters are given up only after the question; on OK the log and the
    // count start anew. Returns false when the user keeps them.
    virtual bool dropParameters() = 0;
    // A new object was read for the same path: its first angle.
    virtual void objectRead() = 0;
};

// The keypoint marks of steps 4 and 5, drawn again over a freshly drawn work
// area.
class KeypointMarks {
  public:
    virtual ~KeypointMarks() = default;
    virtual void redrawMarks() = 0;
};

} // namespace trajecta
