#include "core/Bezier.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <set>
#include <vector>

using namespace trajecta;

namespace {

std::vector<QPoint> samplesOf(const std::array<QPoint, 4>& part, int n) {
    std::vector<QPoint> out;
    forEachSample(part.data(), n, [&](QPoint p) { out.push_back(p); });
    return out;
}

CurveGeometry randomCurve(std::mt19937& rng, int parts) {
    std::uniform_int_distribution<int> coordinate(-3000, 5000);
    std::uniform_int_distribution<int> samples(10, 60);
    CurveGeometry curve;
    curve.controlPointCount = 3 * parts + 1;
    for (int i = 0; i < curve.controlPointCount; ++i)
        curve.controlPoints[i] = QPoint(coordinate(rng), coordinate(rng));
    for (int p = 0; p < parts; ++p)
        curve.partSampleCounts[p] = samples(rng);
    return curve;
}

} // namespace

TEST(Bezier, ArchPartGivesItsEndsAndItsApex) {
    const std::array<QPoint, 4> arch{QPoint(0, 0), QPoint(0, 100), QPoint(100, 100), QPoint(100, 0)};
    EXPECT_EQ(evaluateBezier(arch[0], arch[1], arch[2], arch[3], 0.5f), QPoint(50, 75));
    EXPECT_EQ(evaluateBezier(arch[0], arch[1], arch[2], arch[3], 0.0f), QPoint(0, 0));

    CurveGeometry curve;
    curve.controlPointCount = 4;
    std::copy(arch.begin(), arch.end(), curve.controlPoints.begin());
    curve.partSampleCounts[0] = 20;
    sampleParts(curve);
    ASSERT_EQ(curve.sampleCount, 21);
    EXPECT_EQ(QPoint(curve.samplePoints[0].x, curve.samplePoints[0].y), QPoint(0, 0));
    EXPECT_EQ(QPoint(curve.samplePoints[10].x, curve.samplePoints[10].y), QPoint(50, 75));
    EXPECT_EQ(QPoint(curve.samplePoints[20].x, curve.samplePoints[20].y), QPoint(100, 0));
}

TEST(Bezier, HalvesRoundToEven) {
    // At t = 0.5 the last weight is exactly 1/8: 20/8 = 2.5 and 12/8 = 1.5 both give 2.
    EXPECT_EQ(evaluateBezier(QPoint(0, 0), QPoint(0, 0), QPoint(0, 0), QPoint(20, 12), 0.5f), QPoint(2, 2));
    EXPECT_EQ(evaluateBezier(QPoint(0, 0), QPoint(0, 0), QPoint(0, 0), QPoint(-20, 4), 0.5f), QPoint(-2, 0));
}

// Samples where single-precision products and the single-precision walk of t
// give another pixel than a plain double evaluation would; the expected points
// come from an exact rational evaluation of the same steps.
TEST(Bezier, SamplesFollowTheSingleAndExtendedSteps) {
    struct Case {
        std::array<QPoint, 4> part;
        int samples;
        int index; // 1-based sample of the part
        std::uint32_t tBits;
        QPoint expected;
    };
    const Case cases[] = {
        {{QPoint(-1965, 2750), QPoint(673, 607), QPoint(2586, 148), QPoint(759, -702)},
         46,
         26,
         1058058773u,
         QPoint(1269, 356)},
        {{QPoint(-549, 2265), QPoint(-1809, -1871), QPoint(-118, 1604), QPoint(-1288, 1718)},
         44,
         11,
         1048576001u,
         QPoint(-1031, 419)},
        {{QPoint(-69, 739), QPoint(-1706, -830), QPoint(2377, 2768), QPoint(2625, -1455)},
         57,
         27,
         1056081592u,
         QPoint(440, 607)},
        {{QPoint(1100, 277), QPoint(689, 2289), QPoint(2406, 535), QPoint(-1189, 70)},
         48,
         12,
         1048575998u,
         QPoint(1075, 1159)},
    };
    for (const Case& c : cases) {
        const float t = std::bit_cast<float>(c.tBits);
        EXPECT_EQ(evaluateBezier(c.part[0], c.part[1], c.part[2], c.part[3], t), c.expected);
        EXPECT_EQ(samplesOf(c.part, c.samples).at(c.index - 1), c.expected);
    }
}

TEST(Bezier, RandomCurvesEndEveryPartOnItsAnchor) {
    std::mt19937 rng(20240611);
    for (int trial = 0; trial < 300; ++trial) {
        const int parts = 1 + trial % maxParts;
        CurveGeometry curve = randomCurve(rng, parts);
        for (int i = 0; i < maxSamplePoints; ++i)
            curve.samplePoints[i].time = i * 7;
        sampleParts(curve);

        int expectedCount = 1;
        for (int p = 0; p < parts; ++p) {
            expectedCount += curve.partSampleCounts[p];
            const SamplePoint& end = curve.samplePoints[expectedCount - 1];
            ASSERT_EQ(QPoint(end.x, end.y), curve.controlPoints[3 * p + 3])
                << "trial " << trial << " part " << p;
        }
        ASSERT_EQ(curve.sampleCount, expectedCount);
        EXPECT_EQ(QPoint(curve.samplePoints[0].x, curve.samplePoints[0].y), curve.controlPoints[0]);
        for (int i = 0; i < maxSamplePoints; ++i)
            ASSERT_EQ(curve.samplePoints[i].time, i * 7);
    }
}

TEST(Bezier, SamplingIgnoresAnIncompletePartAndNeverOverrunsTheTable) {
    std::mt19937 rng(5);
    CurveGeometry curve = randomCurve(rng, 2);
    curve.controlPointCount = 6; // one complete part and two points of the next
    sampleParts(curve);
    EXPECT_EQ(curve.sampleCount, 1 + curve.partSampleCounts[0]);

    CurveGeometry huge = randomCurve(rng, maxParts);
    huge.partSampleCounts.fill(500);
    sampleParts(huge);
    EXPECT_EQ(huge.sampleCount, maxSamplePoints);

    huge.partSampleCounts.fill(0);
    sampleParts(huge);
    EXPECT_EQ(huge.sampleCount, 1);
}

TEST(Bezier, DirectionAngleCoversTheCompassInSinglePrecision) {
    EXPECT_EQ(directionAngle(1, 0), 0.0f);
    EXPECT_EQ(directionAngle(0, -1), 1.5707964f);
    EXPECT_EQ(directionAngle(-1, 0), 3.14159265358979f);
    EXPECT_EQ(directionAngle(0, 1), 4.712389f);
    EXPECT_EQ(directionAngle(0, 0), 1.5707964f);
    EXPECT_EQ(directionAngle(1, 1), std::bit_cast<float>(3209236443u)); // -π/4
    EXPECT_EQ(directionAngle(-1, -1), std::bit_cast<float>(1075235812u));
    EXPECT_EQ(directionAngle(-3, 4), std::bit_cast<float>(1082274900u));
    EXPECT_EQ(directionAngle(5, -12), std::bit_cast<float>(1066829655u));
    // Down and slightly right is just above −π/2, not near 3π/2.
    EXPECT_EQ(directionAngle(1, 1000), std::bit_cast<float>(3217616662u));
}

TEST(Bezier, LerpPointRoundsEachCoordinateToEven) {
    EXPECT_EQ(lerpPoint(QPoint(7, -3), QPoint(100, 40), 0.0f), QPoint(100, 40));
    EXPECT_EQ(lerpPoint(QPoint(7, -3), QPoint(100, 40), 1.0f), QPoint(7, -3));
    EXPECT_EQ(lerpPoint(QPoint(3, 1), QPoint(0, 0), 0.5f), QPoint(2, 0)); // 1.5 → 2, 0.5 → 0
    EXPECT_EQ(lerpPoint(QPoint(5, -5), QPoint(0, 0), 0.5f), QPoint(2, -2));
}

TEST(Bezier, TangentSegmentFollowsTheArch) {
    const QPoint arch[4] = {QPoint(0, 0), QPoint(0, 100), QPoint(100, 100), QPoint(100, 0)};
    // y grows downward: the arch starts going down, crosses right, ends going up.
    const TangentSegment start = tangentSegment(arch, 0.0f);
    EXPECT_EQ(start.r0, QPoint(0, 0));
    EXPECT_EQ(start.r1, QPoint(0, 100));
    EXPECT_EQ(start.angle, 4.712389f);
    const TangentSegment middle = tangentSegment(arch, 0.5f);
    EXPECT_EQ(middle.r0, QPoint(25, 75));
    EXPECT_EQ(middle.r1, QPoint(75, 75));
    EXPECT_EQ(middle.angle, 0.0f);
    EXPECT_EQ(tangentSegment(arch, 1.0f).angle, 1.5707964f);
}

TEST(Bezier, DotsArePlusShapesOfFiveOrThirteenPixels) {
    for (bool big : {false, true}) {
        const DotPattern dot = dotPattern(10, 20, big);
        ASSERT_EQ(dot.count, big ? 13 : 5);
        std::set<std::pair<int, int>> pixels;
        for (int i = 0; i < dot.count; ++i) {
            const int dx = dot.pixels[i].x() - 10;
            const int dy = dot.pixels[i].y() - 20;
            EXPECT_LE(std::abs(dx) + std::abs(dy), big ? 2 : 1);
            pixels.insert({dx, dy});
        }
        EXPECT_EQ(pixels.size(), static_cast<size_t>(dot.count));
    }
}
