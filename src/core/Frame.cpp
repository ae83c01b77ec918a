#include "core/Frame.h"

namespace trajecta {
Frame::Frame(Context& ctx, CurveHooks& hooks, CurveView& view) : ctx_(ctx), hooks_(hooks), view_(view) {}
} // namespace trajecta
