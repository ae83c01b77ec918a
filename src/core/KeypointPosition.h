#pragma once

#include "document/CurveDocument.h"

#include <utility>

namespace trajecta {

// The position of a point of the work area as the host slide sees it: percent
// of the half width and half height of the frame (or, without a frame, of the
// whole work area) from its centre. The centre gives (0, 0), the left and top
// edges -100, the right and bottom edges +100; points outside give values
// beyond +-100. Nothing is rounded. A degenerate reference (zero or negative
// size) gives 0 on that axis instead of an infinite value.
inline std::pair<double, double> keypointPosition(const CurveDocument& doc, int x, int y) {
    int left = 0, top = 0, w = doc.workflow.workWidth, h = doc.workflow.workHeight;
    if (doc.frame.framePresent) {
        const FrameRect& f = doc.frame.frameRect;
        left = f.left;
        top = f.top;
        w = f.right - f.left;
        h = f.bottom - f.top;
    }
    const int cx = left + w / 2;
    const int cy = top + h / 2;
    const double sx = w > 0 ? 100.0 / (w / 2.0) : 0.0;
    const double sy = h > 0 ? 100.0 / (h / 2.0) : 0.0;
    return {(x - cx) * sx, (y - cy) * sy};
}

inline std::pair<double, double> keypointPosition(const CurveDocument& doc, const SamplePoint& point) {
    return keypointPosition(doc, point.x, point.y);
}

} // namespace trajecta
