#pragma once

#include "svg/Affine.h"
#include "svg/PathData.h"

#include <vector>

namespace trajecta::svg {

struct Cubic {
    QPointF p0, p1, p2, p3;
};

// Arcs are cut into at most this many pieces, whatever their size.
constexpr int maxArcPieces = 1 << 16;

// How many cubic pieces `segment` becomes under `map`: one for a line, a
// quadratic or a cubic; for an arc, as few as keep every piece, after the
// map, within `tolerance` of the true arc (and no piece over a quarter turn).
int cubicCount(const Segment& segment, const Affine& map, double tolerance);

// Appends those pieces, their points mapped through `map`. Lines and
// quadratic segments are raised exactly; the arc's pieces start and end
// exactly at the segment's ends.
void appendCubics(const Segment& segment, const Affine& map, double tolerance, std::vector<Cubic>& out);

} // namespace trajecta::svg
