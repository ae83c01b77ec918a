#pragma once

#include "core/Context.h"

namespace trajecta {

// Sampling and drawing of the curve, and the controls that change them: the
// sample-count slider, the part check boxes, the closing check box and the
// display controls.
class CurveView {
public:
    CurveView(Context& ctx, CurveHooks& hooks);

    void sampleCurve();
    void redrawCurve();
    void removeTangentSegments();
    // (The other named operations of sampling and drawing live here too.)

private:
    Context& ctx_;
    CurveHooks& hooks_;
};

} // namespace trajecta
