#pragma once

#include <vector>

namespace trajecta {

struct CurveDocument;

// What the timing chart of the time step plots, from the working times as they
// stand (they change with every field and slider before anything is
// recorded) and the points of the curve.
struct TimingChart {
    struct Bar {
        int keypoint = 0;  // from 0; the first keypoint has no gap and no bar
        int gap = 0;       // ms since the keypoint before
        double speed = 0;  // px/s along the path from the keypoint before
        bool jump = false; // no time between two distinct points: no finite speed
    };
    std::vector<Bar> bars; // keypoints 1 .. count - 1
    int maxGap = 0;
    double maxSpeed = 0; // over the finite speeds
    int rangeStart = -1; // the chosen range, -1 while not chosen
    int rangeEnd = -1;
    int shown = -1; // the keypoint under the cursor, -1 for none
};

TimingChart timingChart(const CurveDocument& doc);

} // namespace trajecta
