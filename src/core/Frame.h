#pragma once

#include "core/Context.h"

namespace trajecta {

class CurveView;

// The frame that stands for the slide: placing, moving, resizing, erasing.
// It keeps the proportions of the screen format and is drawn with an
// inverting pen, so drawing the same rectangle twice removes it.
class Frame {
  public:
    Frame(Context& ctx, CurveView& view);

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
    void showFramePlacing();
    struct Corner {
        int FrameRect::*edge; // top or bottom: follows the mouse
        int FrameRect::*fixedEdge;
        int edgeSign;         // +1 when the edge lies below its fixed edge
        int FrameRect::*side; // left or right: follows the format
        int FrameRect::*fixedSide;
        int sideSign; // +1 when the side lies right of its fixed side
    };
    static const Corner corners[4];

    void toggleRect(int left, int top, int right, int bottom);
    void toggleFrame();
    void moveDrawing(int y); // the height decides, the mouse x is ignored
    void adjust(int x, int y);
    void resizeCorner(const Corner& corner, int y);
    void move(int x, int y);
    void releaseDrawing();

    Context& ctx_;
    CurveView& view_;
    bool drawingPressed_ = false; // a press started the rectangle being drawn
    FrameRect pressedRect_;       // the frame as the press that adjusts it found it
};

} // namespace trajecta
