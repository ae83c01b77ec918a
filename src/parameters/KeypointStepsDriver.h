#pragma once

#include "core/KeypointSteps.h"

namespace trajecta {

struct Context;
class KeypointTimes;
class ParameterStep;
class RangeChooser;
class TimeLogReplay;

// The keypoint steps as the step machine and the host exchange see them: each
// request goes to the time table, the parameter step or the range chooser in
// the order the operations need.
class KeypointStepsDriver : public KeypointSteps {
  public:
    KeypointStepsDriver(Context& ctx, KeypointTimes& times, ParameterStep& step, RangeChooser& chooser,
                        TimeLogReplay& replay);

    void curveFinished(bool rebuild) override;
    void resizeTimes(int count) override;
    void timesKept() override;
    void enterTimeControls() override;
    QString totalTimeText() const override;
    void finishStep() override;
    void leaveTimeStep() override;
    void leaveParameterStep() override;
    void restoreParameterStep() override;
    void redrawMarks() override;
    void resetParameterCount() override;
    bool dropParameters() override;
    void newObjectRead() override;

  private:
    Context& ctx_;
    KeypointTimes& times_;
    ParameterStep& step_;
    RangeChooser& chooser_;
    TimeLogReplay& replay_;
};

} // namespace trajecta
