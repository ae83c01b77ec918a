#pragma once

#include "core/Context.h"

namespace trajecta {

class CurveView;

// Mouse editing of the control points in the work area.
class Editor {
public:
    Editor(Context& ctx, CurveHooks& hooks, CurveView& view);

private:
    Context& ctx_;
    CurveHooks& hooks_;
    CurveView& view_;
};

} // namespace trajecta
