#include "core/Tangents.h"

#include <gtest/gtest.h>

using namespace trajecta;

namespace {

// A closed two-part curve: the last point lies on the first.
CurveGeometry closedCurve() {
    CurveGeometry c;
    const QPoint points[] = {{0, 0}, {20, 20}, {40, 20}, {60, 0}, {80, -20}, {-10, 5}, {0, 0}};
    const int states[] = {3, 1, 2, 0, 1, 2, 4};
    c.controlPointCount = 7;
    for (int i = 0; i < 7; ++i) {
        c.controlPoints[i] = points[i];
        c.pointStates[i] = states[i];
    }
    c.closedCurve = true;
    return c;
}

std::vector<int> codes(const CurveGeometry& c) {
    return {c.pointStates.begin(), c.pointStates.begin() + 7};
}

TEST(Tangents, AligningAllMirrorsUpwardAndAcrossTheClosingPoint) {
    CurveGeometry c = closedCurve();
    alignAllTangents(c);
    EXPECT_EQ(c.controlPoints[2], QPoint(40, 20)) << "the first part's second handle never moves";
    EXPECT_EQ(c.controlPoints[4], QPoint(80, -20));
    EXPECT_EQ(c.controlPoints[1], QPoint(10, -5));
    EXPECT_EQ(codes(c), (std::vector<int>{13, 11, 12, 10, 11, 12, 14}));

    CurveGeometry single = closedCurve();
    single.controlPointCount = 4;
    alignAllTangents(single);
    EXPECT_EQ(single.pointStates[0], 3) << "one part: nothing to align";
}

TEST(Tangents, BreakingAndAligningAtTheFirstPointOfAClosedCurve) {
    CurveGeometry c = closedCurve();
    alignTangentAt(c, 0);
    EXPECT_EQ(codes(c), (std::vector<int>{13, 11, 2, 0, 1, 12, 14}));
    EXPECT_EQ(c.controlPoints[1], QPoint(10, -5)); // mirror of point 5 through point 0
    breakTangentAt(c, 6);
    EXPECT_EQ(codes(c), (std::vector<int>{3, 1, 2, 0, 1, 2, 4}));
    breakTangentAt(c, 6); // nothing aligned: nothing changes
    EXPECT_EQ(codes(c), (std::vector<int>{3, 1, 2, 0, 1, 2, 4}));
}

TEST(Tangents, AligningAtAHandleOnlyMarksCodes) {
    CurveGeometry c = closedCurve();
    alignTangentAt(c, 1);
    EXPECT_EQ(codes(c), (std::vector<int>{13, 11, 2, 0, 1, 12, 4}));
    alignTangentAt(c, 2);
    EXPECT_EQ(codes(c), (std::vector<int>{13, 11, 12, 10, 11, 12, 4}));
    EXPECT_EQ(c.controlPoints[4], QPoint(80, -20));
}

TEST(Tangents, IndicesOutsideTheCurveAreIgnored) {
    CurveGeometry c = closedCurve();
    for (int index : {-1, 7, 50, 51, 1000}) {
        alignTangentAt(c, index);
        breakTangentAt(c, index);
    }
    EXPECT_EQ(codes(c), (std::vector<int>{3, 1, 2, 0, 1, 2, 4}));
    c.controlPointCount = 500; // a corrupted count never reaches past the table
    alignAllTangents(c);
    alignTangentAt(c, 50);
    EXPECT_EQ(c.pointStates[50], 10);
}

} // namespace
