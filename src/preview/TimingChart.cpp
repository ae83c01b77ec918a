#include "preview/TimingChart.h"

#include "document/CurveDocument.h"

#include <algorithm>
#include <cmath>

namespace trajecta {

TimingChart timingChart(const CurveDocument& doc) {
    TimingChart chart;
    const std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    const int n = std::min({doc.curve.sampleCount, maxSamplePoints, static_cast<int>(times.size())});
    for (int k = 1; k < n; ++k) {
        const SamplePoint& a = doc.curve.samplePoints[static_cast<size_t>(k - 1)];
        const SamplePoint& b = doc.curve.samplePoints[static_cast<size_t>(k)];
        TimingChart::Bar bar;
        bar.keypoint = k;
        bar.gap = std::max(0, times[static_cast<size_t>(k)].inUse);
        const double distance = std::hypot(double(b.x - a.x), double(b.y - a.y));
        if (bar.gap > 0)
            bar.speed = distance * 1000.0 / bar.gap;
        else
            bar.jump = distance > 0;
        chart.maxGap = std::max(chart.maxGap, bar.gap);
        chart.maxSpeed = std::max(chart.maxSpeed, bar.speed);
        chart.bars.push_back(bar);
    }
    chart.rangeStart = doc.range.rangeStart;
    chart.rangeEnd = doc.range.rangeEnd;
    chart.shown = doc.range.shownKeypoint;
    return chart;
}

} // namespace trajecta
