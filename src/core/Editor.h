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
class Editor {
  public:
    Editor(Context& ctx, CurveView& view);

    // The mouse position relative to the coordinate origin, in pixels and in
    // percent of the half reference size (LblCoordSouris, LblCoordPourCent).
    void showCoordinates(int x, int y);
    // A mouse move outside frame editing: hover, the marking position or a drag.
    void mouseMove(int x, int y);
    // The lowest control point whose 16-pixel box holds (x, y), or -1.
    int pointAt(int x, int y) const;
    void beginDrag(int x, int y);
    void dragTo(int x, int y);
    void endDrag();
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
