#pragma once

#include "document/CurveDocument.h"

namespace trajecta {

// Tangent alignment rules over the control points (pure: no drawing, no controls).

// Every second handle's successor becomes its mirror through their common
// anchor, walking upward; then every plain code gains the aligned mark. Does
// nothing unless more than 4 control points exist.
void alignAllTangents(CurveGeometry& curve);

// Breaking and aligning at one point, by its state code (see the editor).
void breakTangentAt(CurveGeometry& curve, int index);
void alignTangentAt(CurveGeometry& curve, int index);

} // namespace trajecta
