#pragma once

#include "document/CurveDocument.h"

#include <cmath>

namespace trajecta::bench {

// The work area of the 16/9 format on a 1920-pixel screen.
constexpr int workWidth = 1920 - 221;
inline const int workHeight = static_cast<int>(std::nearbyint(workWidth / 1.7777778f));

// A 16-part spiral of 49 control points over the whole work area, every kind
// of point, 60 keypoints a part.
inline void placeSpiral(CurveGeometry& curve) {
    curve.controlPointCount = 49;
    curve.partCount = 16;
    for (int i = 0; i < 49; ++i) {
        const double a = i * 0.37;
        curve.controlPoints[i] = QPoint(static_cast<int>(workWidth / 2 + std::cos(a) * (80 + 14 * i)),
                                        static_cast<int>(workHeight / 2 + std::sin(a) * (60 + 8 * i)));
        curve.pointStates[i] = i % 3 == 0 ? 10 : i % 3;
    }
    curve.partSampleCounts.fill(60);
}

} // namespace trajecta::bench
