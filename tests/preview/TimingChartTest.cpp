#include "preview/TimingChart.h"
#include "document/CurveDocument.h"

#include <gtest/gtest.h>

namespace trajecta {
namespace {

// Gaps from the working column (not the committed one), speeds in px/s over
// the distance from the point before; no time for no distance is a pause, no
// time for a distance a jump.
TEST(TimingChartNumbers, GapsAndSpeedsOfTheWorkingTimes) {
    CurveDocument doc;
    const QPoint points[] = {{0, 0}, {30, 40}, {30, 40}, {90, 120}, {90, 130}};
    const int working[] = {700, 500, 0, 2000, 0};
    doc.curve.sampleCount = 5;
    for (int k = 0; k < 5; ++k) {
        doc.curve.samplePoints[k] = SamplePoint{points[k].x(), points[k].y(), 999};
        doc.timing.keypointTimes.push_back(KeypointTime{working[k], 999});
    }
    doc.range.rangeStart = 1;
    doc.range.rangeEnd = 3;
    doc.range.shownKeypoint = 2;

    const TimingChart chart = timingChart(doc);
    ASSERT_EQ(chart.bars.size(), 4u) << "the first keypoint has no gap to show";
    EXPECT_EQ(chart.bars[0].keypoint, 1);
    EXPECT_EQ(chart.bars[0].gap, 500);
    EXPECT_DOUBLE_EQ(chart.bars[0].speed, 100); // 50 px in 0.5 s
    EXPECT_FALSE(chart.bars[1].jump);
    EXPECT_DOUBLE_EQ(chart.bars[1].speed, 0);
    EXPECT_EQ(chart.bars[2].gap, 2000);
    EXPECT_DOUBLE_EQ(chart.bars[2].speed, 50); // 100 px in 2 s
    EXPECT_TRUE(chart.bars[3].jump);
    EXPECT_EQ(chart.maxGap, 2000);
    EXPECT_DOUBLE_EQ(chart.maxSpeed, 100);
    EXPECT_EQ(chart.rangeStart, 1);
    EXPECT_EQ(chart.rangeEnd, 3);
    EXPECT_EQ(chart.shown, 2);

    // A table shorter than the curve (times not built again yet) is read only as far as it goes.
    doc.timing.keypointTimes.resize(3);
    EXPECT_EQ(timingChart(doc).bars.size(), 2u);
}

} // namespace
} // namespace trajecta
