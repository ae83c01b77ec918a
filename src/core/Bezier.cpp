#include "core/Bezier.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace trajecta {

namespace {

constexpr Extended pi = 3.14159265358979323846264338327950288L;

// Each weighted coordinate is stored in single precision before the four are
// added in extended precision; the order is part of the result.
int weightedSum(const Extended w[4], int c0, int c1, int c2, int c3) {
    const float s0 = toSingle(w[0] * c0);
    const float s1 = toSingle(w[1] * c1);
    const float s2 = toSingle(w[2] * c2);
    const float s3 = toSingle(w[3] * c3);
    return roundEven(static_cast<Extended>(s0) + s1 + s2 + s3);
}

} // namespace

QPoint evaluateBezier(QPoint p0, QPoint p1, QPoint p2, QPoint p3, float t) {
    const float t2 = toSingle(static_cast<Extended>(t) * t);
    const float t3 = toSingle(static_cast<Extended>(t) * t2);
    const Extended et = t;
    const Extended w[4] = {
        1.0L - 3.0L * et + 3.0L * t2 - t3,
        3.0L * et - 6.0L * t2 + 3.0L * t3,
        3.0L * t2 - 3.0L * t3,
        static_cast<Extended>(t3),
    };
    return {weightedSum(w, p0.x(), p1.x(), p2.x(), p3.x()), weightedSum(w, p0.y(), p1.y(), p2.y(), p3.y())};
}

float sampleStep(int samples) {
    return samples > 0 ? toSingle(1.0L / samples) : 0.0f;
}

void sampleParts(CurveGeometry& curve) {
    curve.samplePoints[0].x = curve.controlPoints[0].x();
    curve.samplePoints[0].y = curve.controlPoints[0].y();
    int count = 1;
    const int parts = std::min(completeParts(curve.controlPointCount), maxParts);
    for (int p = 0; p < parts; ++p) {
        forEachSample(&curve.controlPoints[3 * p], curve.partSampleCounts[p], [&](QPoint s) {
            if (count >= maxSamplePoints) return;
            curve.samplePoints[count].x = s.x();
            curve.samplePoints[count].y = s.y();
            ++count;
        });
    }
    curve.sampleCount = count;
}

QPoint lerpPoint(QPoint a, QPoint b, float t) {
    const auto mix = [t](int ca, int cb) {
        const float fa = toSingle(ca);
        const float fb = toSingle(cb);
        return roundEven(static_cast<Extended>(fa) * t + (1.0L - t) * fb);
    };
    return {mix(a.x(), b.x()), mix(a.y(), b.y())};
}

float directionAngle(int dx, int dy) {
    const float a = toSingle(std::abs(static_cast<Extended>(dx)));
    const float b = toSingle(-static_cast<Extended>(dy));
    if (a < 0.001f) return b >= 0.0f ? 1.5707964f : 4.712389f;
    float e = toSingle(std::atan(static_cast<Extended>(b) / a));
    if (dx < 0) e = toSingle(pi - e);
    return e;
}

TangentSegment tangentSegment(const QPoint* part, float t) {
    const QPoint q0 = lerpPoint(part[1], part[0], t);
    const QPoint q1 = lerpPoint(part[2], part[1], t);
    const QPoint q2 = lerpPoint(part[3], part[2], t);
    TangentSegment segment;
    segment.r0 = lerpPoint(q1, q0, t);
    segment.r1 = lerpPoint(q2, q1, t);
    segment.angle = directionAngle(segment.r1.x() - segment.r0.x(), segment.r1.y() - segment.r0.y());
    return segment;
}

DotPattern dotPattern(int x, int y, bool big) {
    DotPattern dot;
    dot.pixels = {QPoint(x, y),         QPoint(x - 1, y),     QPoint(x + 1, y),     QPoint(x, y - 1),
                  QPoint(x, y + 1),     QPoint(x - 1, y - 1), QPoint(x - 1, y + 1), QPoint(x + 1, y - 1),
                  QPoint(x + 1, y + 1), QPoint(x - 2, y),     QPoint(x + 2, y),     QPoint(x, y - 2),
                  QPoint(x, y + 2)};
    dot.count = big ? 13 : 5;
    return dot;
}

} // namespace trajecta
