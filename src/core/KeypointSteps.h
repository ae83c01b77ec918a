#pragma once

#include <QString>

namespace trajecta {

// What the step machine and the host exchange ask of the keypoint steps (the
// times of step 4, the parameters of step 5). The keypoint steps are built
// after the curve core and the host exchange and implement this; the session
// connects it.
class KeypointSteps {
  public:
    virtual ~KeypointSteps() = default;

    // The curve is finished: a new time table (rebuild) or the kept one, then
    // the tangent table of the keypoints and the angle offsets.
    virtual void curveFinished(bool rebuild) = 0;
    // The time table follows a changed sample count: added rows repeat the
    // last row.
    virtual void resizeTimes(int count) = 0;
    // The curve was finished again with its times kept: times whose records
    // measure the path are made again on the path as it is now.
    virtual void timesKept() = 0;
    // The time part of entering step 4, after the step machine showed it.
    virtual void enterTimeControls() = 0;
    // The total of the working times, formatted.
    virtual QString totalTimeText() const = 0;
    // "Terminé" of steps 4 and 5 (also "Etape suivante" while it is enabled).
    virtual void finishStep() = 0;
    // Back from step 4 to 3, from 5 to 4, from 6 to 5.
    virtual void leaveTimeStep() = 0;
    virtual void leaveParameterStep() = 0;
    virtual void restoreParameterStep() = 0;
    // The keypoint marks drawn again over a freshly drawn work area.
    virtual void redrawMarks() = 0;
    // A new project, or the parameters cancelled with a new sample count: no
    // parameter record yet, nothing for "Annuler tout" to cancel.
    virtual void resetParameterCount() = 0;
    // The keypoint list is about to be built from a new curve: recorded
    // parameters are given up only after the question; on OK the log and the
    // count start anew. Returns false when the user keeps them.
    virtual bool dropParameters() = 0;
    // A new object was read for the same path: its first keypoint time and
    // its first angle.
    virtual void newObjectRead() = 0;
};

} // namespace trajecta
