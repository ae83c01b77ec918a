#pragma once

#include "document/CurveDocument.h"

#include <QStringList>

namespace trajecta {

// The invariants of a curve project that every operation keeps:
// - at most 49 control points and 16 parts, and as many parts as the points
//   complete; once marking has stopped, 3 points a part and one more;
// - with a part, sampleCount is 1 + the sum of the parts' sample counts;
// - every control point in use carries a state code (0..4, or 10..14 aligned);
// - LbxListeKP holds whole 13-line keypoint blocks, one per sample point in
//   the steps that use it once it is built.
// Returns one line per broken invariant; empty when the document is sound.
QStringList checkConsistency(const CurveDocument& doc);

} // namespace trajecta
