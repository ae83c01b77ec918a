#include "timing/PresetMath.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <cmath>

namespace trajecta {
namespace {

std::vector<KeypointTime> table(std::initializer_list<int> working) {
    std::vector<KeypointTime> t;
    for (int w : working)
        t.push_back({w, w});
    return t;
}

std::vector<int> workingOf(const std::vector<KeypointTime>& t) {
    std::vector<int> out;
    for (const KeypointTime& row : t)
        out.push_back(row.inUse);
    return out;
}

TEST(PresetMath, IntegerDistanceIsTheSquareRootWithinOnePixel) {
    EXPECT_EQ(integerDistance(0, 0, 3, 4), 5);
    EXPECT_EQ(integerDistance(7, 9, 7, 9), 0);
    EXPECT_EQ(integerDistance(100, 50, 0, 50), 100);
    QRandomGenerator rng(9);
    for (int i = 0; i < 2000; ++i) {
        const int x0 = rng.bounded(1700), y0 = rng.bounded(960), x1 = rng.bounded(1700),
                  y1 = rng.bounded(960);
        const double exact = std::hypot(x1 - x0, y1 - y0);
        EXPECT_LT(std::abs(integerDistance(x0, y0, x1, y1) - exact), 1.0)
            << x0 << ',' << y0 << ' ' << x1 << ',' << y1;
    }
}

TEST(PresetMath, DistancesOfTheSamplePoints) {
    CurveGeometry curve;
    curve.sampleCount = 4;
    curve.samplePoints[0] = {0, 0, 0};
    curve.samplePoints[1] = {3, 4, 0};
    curve.samplePoints[2] = {3, 4, 0}; // the same pixel twice
    curve.samplePoints[3] = {3, 14, 0};
    TimePresetState p;
    measureDistances(curve, p);
    EXPECT_EQ(p.sampleDistances, (std::vector<int>{0, 5, 0, 10}));
    EXPECT_EQ(p.distanceSum, 15);
    EXPECT_EQ(p.distanceMin, 1) << "the smallest step never divides by 0";
    EXPECT_EQ(p.distanceMax, 10);

    curve.sampleCount = 2;
    curve.samplePoints[1] = {0, 0, 0}; // a zero-length curve
    measureDistances(curve, p);
    EXPECT_EQ(p.distanceSum, 0);
    EXPECT_EQ(p.distanceMin, 1);
    EXPECT_EQ(p.distanceMax, 1);
}

TEST(PresetMath, ConstantTimeAndConstantSpeed) {
    EXPECT_EQ(constantTimeCoarseMax(101), 225); // 450000 div 100 = 4500, div 20
    EXPECT_EQ(constantTimeCoarseMax(1), 22500) << "a single keypoint does not divide by 0";

    // Eleven points, every step 10 pixels: 10 x 10000 ms stays below 300000.
    const std::vector<int> even{0, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};
    EXPECT_EQ(defaultSpeedCoefficient(even, 10, 11), 10020);
    // 31 steps of 10000 ms add up to 310000: the coefficient is scaled down to
    // round(300000 / 310000 x 10000) = 9677, then raised to 9680.
    EXPECT_EQ(defaultSpeedCoefficient(std::vector<int>(32, 1000), 1000, 32), 9680);

    auto t = table({700, 5, 5, 5});
    applySpeedCoefficient(t, {0, 4, 0, 10}, 4, 1011);
    EXPECT_EQ(workingOf(t), (std::vector<int>{700, 1011, 1, 2528})) << "a zero step still takes 1 ms";
    EXPECT_EQ(t[1].committed, 5) << "only the working column changes";

    applyConstantGap(t, 451);
    EXPECT_EQ(workingOf(t), (std::vector<int>{700, 451, 451, 451}));
}

TEST(PresetMath, SlowDownAtTheStartGrowsTowardsTheFirstPoint) {
    // k = 4, strength 6, four steps of 5 pixels: rows 3, 2, 1 take c times
    // 6^(1/4), 6^(1/2), 6^(3/4).
    auto t = table({2000, 100, 100, 100, 100, 77, 88});
    const std::vector<int> d{0, 5, 5, 5, 5, 3, 3};
    ASSERT_TRUE(slowDownAtStart(t, d, 4, 6));
    EXPECT_EQ(workingOf(t), (std::vector<int>{2000, 383, 245, 157, 100, 77, 88}));

    // Unequal steps: the growth follows the path, not the row count.
    auto u = table({0, 50, 50, 50});
    ASSERT_TRUE(slowDownAtStart(u, {0, 1, 3, 0}, 3, 9));
    EXPECT_EQ(workingOf(u), (std::vector<int>{0, 260, 50, 50}))
        << "row 1 lies 3 of the 4 pixels from k: 50 x 9^(3/4)";
}

TEST(PresetMath, SlowDownAtTheEndReachesStrengthTimesTheGap) {
    auto t = table({500, 10, 200, 1, 1, 1});
    ASSERT_TRUE(slowDownAtEnd(t, {0, 7, 7, 4, 4, 4}, 2, 6));
    EXPECT_EQ(workingOf(t), (std::vector<int>{500, 10, 200, 363, 660, 1200}));
}

TEST(PresetMath, SlowDownsWithNothingToSpreadOverChangeNothing) {
    auto t = table({500, 10, 20, 30});
    const std::vector<int> d{0, 5, 5, 5};
    EXPECT_FALSE(slowDownAtStart(t, d, 1, 6));
    EXPECT_FALSE(slowDownAtStart(t, d, 4, 6));
    EXPECT_FALSE(slowDownAtEnd(t, d, 3, 6));
    EXPECT_FALSE(slowDownAtEnd(t, d, 0, 6));
    EXPECT_EQ(workingOf(t), (std::vector<int>{500, 10, 20, 30}));

    // A zero-length path or a gap of 0 at k: no logarithm of 0, no NaN; the
    // rows take the gap at k.
    ASSERT_TRUE(slowDownAtStart(t, {0, 0, 0, 0}, 3, 6));
    EXPECT_EQ(workingOf(t), (std::vector<int>{500, 30, 30, 30}));
    auto z = table({500, 10, 0, 30});
    ASSERT_TRUE(slowDownAtEnd(z, d, 2, 9));
    EXPECT_EQ(workingOf(z), (std::vector<int>{500, 10, 0, 0}));
}

TEST(PresetMath, ProportionalChange) {
    // Gaps 100, 200, 400: offset 5 / 100; the longest gap scales to 5000 at
    // 12.5, the sum 1250 + 2500 + 5000 + 1000 = 9750 brings it to
    // 12.5 x 300000 / 9750; the step is a hundredth of the way there.
    const std::vector<int> snapshot{1000, 100, 200, 400};
    const ProportionalSetup s = setupProportional(snapshot);
    EXPECT_DOUBLE_EQ(static_cast<double>(s.offset), 0.05);
    EXPECT_DOUBLE_EQ(static_cast<double>(s.max), 12.5 * 300000 / 9750);
    EXPECT_DOUBLE_EQ(static_cast<double>(s.step), (12.5 * 300000 / 9750 - 0.05) / 100);
    const Extended f = proportionalFactor(10, 15, s.step);
    EXPECT_DOUBLE_EQ(static_cast<double>(f), 10.5 * static_cast<double>(s.step));

    auto t = table({1000, 1, 1, 1});
    applyProportional(t, snapshot, f, s.offset);
    EXPECT_EQ(workingOf(t), (std::vector<int>{1000, 4038, 8076, 16152}));
    EXPECT_EQ(proportionalRecordLine(f, s.offset, s.max, QLatin1Char(',')),
              "propo : (40,3793653846154)  [0,05]  {384,615384615385}");
}

TEST(PresetMath, ProportionalChangeNeverDividesByZeroNorGoesNegative) {
    const ProportionalSetup zeros = setupProportional({0, 0, 0});
    EXPECT_TRUE(std::isfinite(zeros.max) && std::isfinite(zeros.step));

    // A gap of 1 ms puts the offset at 5 while the long gaps pull the scale
    // below it: the factor is negative, the times stay at 0 or above.
    std::vector<int> snapshot(200, 45000);
    snapshot[1] = 1;
    const ProportionalSetup s = setupProportional(snapshot);
    ASSERT_LT(s.step, 0);
    std::vector<KeypointTime> t(200);
    applyProportional(t, snapshot, proportionalFactor(100, 30, s.step), s.offset);
    for (const KeypointTime& row : t)
        EXPECT_GE(row.inUse, 0);
}

TEST(PresetMath, ShortestGeneralText) {
    const QChar comma(',');
    EXPECT_EQ(shortestGeneral(10.5L, comma), "10,5");
    EXPECT_EQ(shortestGeneral(2, comma), "2");
    EXPECT_EQ(shortestGeneral(1200, comma), "1200");
    EXPECT_EQ(shortestGeneral(-0.5L, QLatin1Char('.')), "-0.5");
    EXPECT_EQ(shortestGeneral(1.0L / 3, comma), "0,333333333333333");
    EXPECT_EQ(shortestGeneral(2.0L / 3, comma), "0,666666666666667");
    EXPECT_EQ(shortestGeneral(0.00001L, comma), "0,00001");
    EXPECT_EQ(shortestGeneral(0.0000015L, comma), "1,5E-6");
    EXPECT_EQ(shortestGeneral(123456789012345.0L, comma), "123456789012345");
    EXPECT_EQ(shortestGeneral(1234567890123456.0L, comma), "1,23456789012346E15");
}

TEST(PresetMath, RecordLines) {
    EXPECT_EQ(constantTimeRecordLine(451), "constante de durée tous points : (451)");
    EXPECT_EQ(speedRecordLine(10020, 100, 10, 10),
              "PourCoef {10020}  SommeDistances (100)  DistMini-DistMaxi [10/10]");
    EXPECT_EQ(slowDownRecordLine(false, 4, 6), "Ralenti -début : (4,6)");
    EXPECT_EQ(slowDownRecordLine(true, 30, 9), "Ralenti -fin : (30,9)");
}

} // namespace
} // namespace trajecta
