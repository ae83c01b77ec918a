#pragma once

#include "core/Context.h"
#include "core/KeypointSteps.h"
#include "timing/RangeTarget.h"

namespace trajecta {

class CurveView;
class HostExchange;
class KeypointTimes;
class ParameterPanel;
class ParameterRecorder;
class RangeChooser;

// Step 5: the parameters of the keypoints, and the way on to step 6 with the
// object on the clipboard. The keypoint cursor and the range buttons act on it
// while the time step is not active; a saved parameter log replays through
// them as the user's clicks made it.
class ParameterStep : public ParameterScreen, public RangeTarget {
  public:
    ParameterStep(Context& ctx, CurveView& view, KeypointTimes& times, ParameterRecorder& recorder,
                  ParameterPanel& panel, RangeChooser& chooser, HostExchange& host);

    // "Annuler tout".
    void registerHandlers();

    // From step 4: the keypoint list brought up to date, no range, the cursor
    // on keypoint 0.
    void enter() override;
    // Back to step 4: a pending range and every mark go.
    void leave() override;
    // Step 6, with the object on the clipboard.
    void finish() override;

    void curveFinished() override;
    void restore() override;
    void resetParameterCount() override;
    bool dropParameters() override;
    void objectRead() override;

    int firstKeypoint() const override { return 0; }
    void showKeypoint(int k) override;
    void startChosen(int k) override;
    void endChosen(int k) override;
    void cancelChoice() override;
    void saveChoice() override;

    // "Annuler tout": after the question, every keypoint has the loaded
    // object's values again.
    void cancelAll();
    // The parameter log of a saved curve replayed through the panel and the
    // buttons. False when a record's range cannot be read (the replay stops
    // there) or a parameter line's values cannot be read (the replay goes on).
    bool replayParameterLog(const QStringList& lines);
    // On entering step 5: when a record turns keypoints with the path's
    // tangent, the log is replayed on the object's values over the path as it
    // is now, so that the rotations are those a load of the saved project
    // makes. A log that does not replay whole leaves everything as it was.
    // Returns whether the log was replayed.
    bool rotationsFollowThePath();

  private:
    void noRange();
    void offerCancelAll();
    void applyLogLine(int number, const QString& line, bool tied, bool& readable);

    Context& ctx_;
    CurveView& view_;
    KeypointTimes& times_;
    ParameterRecorder& recorder_;
    ParameterPanel& panel_;
    RangeChooser& chooser_;
    HostExchange& host_;
};

} // namespace trajecta
