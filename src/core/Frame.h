#pragma once

#include "core/Context.h"

namespace trajecta {

class CurveView;

// The frame that stands for the slide: placing, moving, resizing, erasing.
// It keeps the proportions of the screen format and is drawn with an
// inverting pen, so drawing the same rectangle twice removes it.
class Frame {
public:
    Frame(Context& ctx, CurveHooks& hooks, CurveView& view);

    void startFrame();          // LblCadre
    void eraseFrame();          // LblEffacerCadre
    void chooseFrameOrPoints(); // RdgCadreOuPoints

    // Presses, moves and releases in the work area go here first while true.
    bool editing() const;
    // Ends drawing and adjusting, as finishing or re-marking the curve does.
    void switchOff();

    void frameMouseDown(int x, int y);
    void frameMouseMove(int x, int y, bool leftButton);
    void frameMouseUp();

    // Which part of the frame is at (x, y): 0 none, 1 top-left, 2 top-right,
    // 3 bottom-left, 4 bottom-right corner, 5 inside.
    int zoneAt(int x, int y) const;

private:
    void toggleRect(int left, int top, int right, int bottom);
    void toggleFrame();
    void moveDrawing(int y); // the height decides, the mouse x is ignored
    void adjust(int x, int y);
    void releaseDrawing();
    void refreshObjectText();

    Context& ctx_;
    CurveHooks& hooks_;
    CurveView& view_;
    bool drawingPressed_ = false; // a press started the rectangle being drawn
};

} // namespace trajecta
