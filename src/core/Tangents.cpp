#include "core/Tangents.h"

namespace trajecta {

namespace {

bool valid(const CurveGeometry& curve, int index) {
    return index >= 0 && index < usedPoints(curve);
}

void mark(CurveGeometry& curve, int index) {
    if (valid(curve, index) && curve.pointStates[index] < alignedCode)
        curve.pointStates[index] += alignedCode;
}

void unmark(CurveGeometry& curve, int index) {
    if (valid(curve, index) && curve.pointStates[index] >= alignedCode)
        curve.pointStates[index] -= alignedCode;
}

// Point h becomes the mirror image of point g through point c.
void mirror(CurveGeometry& curve, int c, int h, int g) {
    if (!valid(curve, c) || !valid(curve, h) || !valid(curve, g)) return;
    curve.controlPoints[h] = 2 * curve.controlPoints[c] - curve.controlPoints[g];
}

} // namespace

void alignAllTangents(CurveGeometry& curve) {
    const int n = usedPoints(curve);
    if (n <= 4) return;
    auto& p = curve.controlPoints;
    for (int i = 2; i < n; i += 3) {
        if (i + 2 < n) p[i + 2] = 2 * p[i + 1] - p[i];
        if (curve.closedCurve && i == n - 2) p[1] = p[0] - (p[n - 2] - p[n - 1]);
    }
    for (int i = 0; i < n; ++i)
        mark(curve, i);
}

void breakTangentAt(CurveGeometry& curve, int a) {
    if (!valid(curve, a)) return;
    const int n = usedPoints(curve);
    const bool closed = curve.closedCurve;
    switch (curve.pointStates[a]) {
    case alignedCode + InnerAnchor:
        unmark(curve, a);
        if (a > 0) unmark(curve, a - 1);
        if (a < n - 1) unmark(curve, a + 1);
        break;
    case alignedCode + FirstHandle:
        unmark(curve, a);
        unmark(curve, a - 1);
        if (a > 2) {
            unmark(curve, a - 2);
        } else if (closed && a == 1) {
            unmark(curve, n - 2);
            unmark(curve, n - 1);
        }
        break;
    case alignedCode + SecondHandle:
        unmark(curve, a);
        unmark(curve, a + 1);
        if (a + 2 < n) {
            unmark(curve, a + 2);
        } else if (closed && a == n - 2) {
            unmark(curve, 1);
        }
        break;
    case alignedCode + FirstPoint:
        unmark(curve, a);
        unmark(curve, 1);
        if (closed) {
            unmark(curve, n - 1);
            unmark(curve, n - 2);
        }
        break;
    case alignedCode + LastPoint:
        unmark(curve, a);
        unmark(curve, n - 2);
        if (closed) {
            unmark(curve, 0);
            unmark(curve, 1);
        }
        break;
    default:
        break;
    }
}

void alignTangentAt(CurveGeometry& curve, int a) {
    if (!valid(curve, a)) return;
    const int n = usedPoints(curve);
    const bool closed = curve.closedCurve;
    switch (curve.pointStates[a]) {
    case InnerAnchor:
        mark(curve, a);
        if (a > 0) mark(curve, a - 1);
        if (a < n - 1) {
            mark(curve, a + 1);
            mirror(curve, a, a + 1, a - 1);
        }
        break;
    case FirstHandle:
        mark(curve, a);
        mark(curve, a - 1);
        if (a > 2) {
            mark(curve, a - 2);
        } else if (closed && a == 1) {
            mark(curve, n - 2);
        }
        break;
    case SecondHandle:
        mark(curve, a);
        mark(curve, a + 1);
        if (a + 2 < n) {
            mark(curve, a + 2);
        } else if (closed && a == n - 2) {
            mark(curve, 1);
        }
        break;
    case FirstPoint:
        mark(curve, a);
        mark(curve, 1);
        if (closed) {
            mark(curve, n - 1);
            mark(curve, n - 2);
            mirror(curve, 0, 1, n - 2);
        }
        break;
    case LastPoint:
        mark(curve, a);
        mark(curve, n - 2);
        if (closed) {
            mark(curve, 0);
            mark(curve, 1);
            mirror(curve, n - 1, 1, n - 2);
        }
        break;
    default:
        break;
    }
}

} // namespace trajecta
