#pragma once

#include "svg/SvgReader.h"

#include <QPointF>
#include <vector>

namespace trajecta::svg {

// Arcs are cut finely enough to stay this close to the true arc, in pixels.
constexpr double arcTolerance = 0.5;

// A path made into one chain of cubic parts on the work area.
struct ImportedPath {
    enum class Error { None, BadData, BadTransform, NoSegment, TooManyParts };
    Error error = Error::None;
    qsizetype errorAt = -1; // BadData: the index of the character where reading stopped
    int partCount = 0;      // the parts the path makes, also when there are too many
    // 3 * partCount + 1 points in work-area pixels: the start, then two
    // handles and an end for every part.
    std::vector<QPointF> points;
    // For each of the partCount + 1 anchors: the curve goes through it
    // without a corner. The two ends of an open path have no join: false.
    std::vector<bool> smooth;
    bool closed = false;  // the path ends with a Z; its last point is its first
    int subpathCount = 0; // subpaths that draw something; only the first is taken
};

// The first subpath of `path` on a work area of `area` pixels showing the
// drawing's `viewport`, with at most `maxParts` parts. A Z adds a line back to
// the start unless the subpath ends within half a pixel of it, where it then
// ends exactly.
ImportedPath importPath(const SvgPath& path, const Viewport& viewport, QSizeF area, int maxParts);

} // namespace trajecta::svg
