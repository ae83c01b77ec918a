#pragma once

#include "core/Context.h"

namespace trajecta {

class CurveView;

// The coordinate display measures from the work-area centre over its size, as
// after the work area is created or the frame erased.
void resetWorkOrigin(CurveDocument& doc);

// Mouse editing of the control points in the work area: the coordinate
// display, hovering, dragging with the rules that keep aligned tangents
// aligned, the tangent actions and bringing stray points back into view.
// Mouse positions, and the points the keys move, are limited far outside any
// screen, so that no later arithmetic on a dragged point can overflow.
constexpr int mouseLimit = 32767;
// A coordinate a mouse could give: within ±mouseLimit (and a number at all).
inline bool withinMouseLimit(double v) {
    return v >= -mouseLimit && v <= mouseLimit;
}

// Where a drag kept straight goes for the pointer at `to`: the nearest of
// the horizontal, the vertical and the two diagonals through `from`.
QPoint straightened(QPoint from, QPoint to);

class Editor {
  public:
    Editor(Context& ctx, CurveView& view);

    // The mouse position relative to the coordinate origin, in pixels and in
    // percent of the half reference size (LblCoordSouris, LblCoordPourCent).
    void showCoordinates(int x, int y);
    // A mouse move outside frame editing: hover, the marking position or a
    // drag; a `straight` drag (Shift held) keeps to the horizontal, the
    // vertical or a diagonal through where the point stood at the press.
    void mouseMove(int x, int y, bool straight = false);
    // The lowest control point whose 16-pixel box holds (x, y), or -1.
    int pointAt(int x, int y) const;
    void beginDrag(int x, int y);
    void dragTo(int x, int y);
    void endDrag();
    // Step 3: the point pressed last moves by (dx, dy), as a drag there would
    // move it. Nothing while marking, dragging or outside step 3.
    void nudge(int dx, int dy);
    // The handle lines of point `index` while it is dragged.
    void drawDragTangents(int index);
    // Handler of RdgActionsTangentes.
    void setTangentAction();
    // Aligns every tangent of the curve, as the action "align all" does, and
    // shows the curve and its object text again.
    void alignEveryTangent();
    // LblRetourPoints: moves every point outside the work area back 4 pixels inside.
    void bringPointsBack();

  private:
    void hover(int x, int y);
    void moveAlignedDrag(int a, int x, int y);

    Context& ctx_;
    CurveView& view_;
};

} // namespace trajecta
