#pragma once

#include "core/Context.h"

namespace trajecta {

class CurveView;

// The frame that stands for the slide: placing, moving, resizing, erasing.
class Frame {
public:
    Frame(Context& ctx, CurveHooks& hooks, CurveView& view);

private:
    Context& ctx_;
    CurveHooks& hooks_;
    CurveView& view_;
};

} // namespace trajecta
