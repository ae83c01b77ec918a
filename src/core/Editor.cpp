#include "core/Editor.h"

namespace trajecta {
Editor::Editor(Context& ctx, CurveHooks& hooks, CurveView& view) : ctx_(ctx), hooks_(hooks), view_(view) {}
} // namespace trajecta
