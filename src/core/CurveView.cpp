#include "core/CurveView.h"

namespace trajecta {

CurveView::CurveView(Context& ctx, CurveHooks& hooks) : ctx_(ctx), hooks_(hooks) {}

void CurveView::sampleCurve() {}
void CurveView::redrawCurve() {}
void CurveView::removeTangentSegments() {}

} // namespace trajecta
