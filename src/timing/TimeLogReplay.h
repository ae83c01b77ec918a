#pragma once

#include "core/Context.h"
#include "timing/TimeLog.h"

namespace trajecta {

class KeypointTimes;
class KeypointCursor;
class TimePresets;
struct CurveGeometry;

// The time step's records made again through its own controls, as the user's
// clicks made them: a saved project's times on a load, and the times of a
// reshaped path whose records measure it.
class TimeLogReplay {
  public:
    TimeLogReplay(Context& ctx, KeypointTimes& times, TimePresets& presets);
    // The keypoint cursor is built after the replay; the session connects it.
    void connect(KeypointCursor& cursor) { cursor_ = &cursor; }

    // On a fresh time table of the time step: the first time, then each record
    // in order. `measured` is the path the presets measure: the curve as the
    // records were made on it. False, with the replay stopped, on a record the
    // controls refuse or times the host cannot take.
    bool replay(std::optional<int> firstTime, const std::vector<TimeRecord>& records,
                const CurveGeometry& measured);

    // The curve was finished again with its times kept: when a record measures
    // the path, the log is replayed on a fresh table over the path as it is
    // now, so that the times are those a load of the saved project makes. A
    // log that does not replay leaves everything as it was.
    void followThePath();

  private:
    bool replayRange(const TimeRecord& record);
    bool replayPreset(const TimeRecord& record, const CurveGeometry& measured);

    Context& ctx_;
    KeypointTimes& times_;
    TimePresets& presets_;
    KeypointCursor* cursor_ = nullptr;
};

} // namespace trajecta
