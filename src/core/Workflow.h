#pragma once

#include "core/Context.h"

namespace trajecta {

class CurveView;
class Editor;
class Frame;

// The step machine: from the screen format through marking to the finished curve.
class Workflow {
public:
    Workflow(Context& ctx, CurveHooks& hooks, CurveView& view, Editor& editor, Frame& frame);

    // The program's start: only the host object loading panel shows.
    void returnToStart();
    // Every mouse event of the work area: frame editing first, then the editor,
    // and a click while marking adds a control point.
    void workAreaMouse(const MouseEvent& event);

private:
    Context& ctx_;
    CurveHooks& hooks_;
    CurveView& view_;
    Editor& editor_;
    Frame& frame_;
};

} // namespace trajecta
