#pragma once

#include "document/CurveDocument.h"
#include "platform/Numbers.h"

#include <QPoint>
#include <array>

namespace trajecta {

// Pure geometry of the curve: evaluation, sampling, tangent directions. Every
// result is an integer pixel or a single-precision angle, computed in a fixed
// order of single and extended precision steps so that a curve always gives the
// same keypoints to the last pixel.

// The point at parameter t of the cubic part P0..P3.
QPoint evaluateBezier(QPoint p0, QPoint p1, QPoint p2, QPoint p3, float t);

// The parameter step of a part taken with n samples: 1/n in single precision.
float sampleStep(int samples);

// Walks the n sample points of the part that starts at `part[0]` (four control
// points), from the first one after t = 0 to the one at t = 1. The parameter
// is accumulated in single precision, so the last point is the end anchor once
// rounded. A count below 1 gives no points.
template <typename Visit> void forEachSample(const QPoint* part, int samples, Visit&& visit) {
    const float step = sampleStep(samples);
    float t = 0.0f;
    for (int i = 0; i < samples; ++i) {
        t = t + step;
        visit(evaluateBezier(part[0], part[1], part[2], part[3], t));
    }
}

// Complete parts among `count` control points (3n+1 points make n parts).
inline int completeParts(int count) {
    return count >= 4 ? (count - 1) / 3 : 0;
}

// Fills the x and y of `samplePoints` and `sampleCount` from the control points
// and the per-part sample counts: record 0 is control point 0, then every
// sample of every complete part. The time fields are left as they are, and no
// more records than the table holds are written.
void sampleParts(CurveGeometry& curve);

// A·t + B·(1 − t), rounded: t = 0 gives B and t = 1 gives A.
QPoint lerpPoint(QPoint a, QPoint b, float t);

// The direction of (dx, dy) on screen, counter-clockwise from the positive x
// axis with y growing downward, in (−π/2, 3π/2): right 0, up π/2, left π,
// down 3π/2; a zero vector gives π/2.
float directionAngle(int dx, int dy);

// The tangent at parameter t of the part P0..P3, by de Casteljau on integer
// points: the segment R0–R1 and its direction.
struct TangentSegment {
    QPoint r0;
    QPoint r1;
    float angle = 0.0f;
};
TangentSegment tangentSegment(const QPoint* part, float t);

// The pixels of a dot at (x, y): a plus of 5 pixels, or 13 for big dots.
struct DotPattern {
    std::array<QPoint, 13> pixels;
    int count = 0;
};
DotPattern dotPattern(int x, int y, bool big);

} // namespace trajecta
