#include "core/Frame.h"

#include "core/CurveView.h"
#include "core/Editor.h"
#include "core/StepScreens.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace trajecta {

namespace {

constexpr std::uint32_t frameColour = colours::lime;
constexpr int nearDistance = 8; // a corner is hit strictly closer than this

bool near(int a, int b) {
    return std::abs(a - b) < nearDistance;
}

// v rounded to the nearest integer, ties to even, computed in extended
// precision from the single-precision ratio.
int nearest(Extended v) {
    return roundEven(v);
}

} // namespace

// Zones 1 to 4: the edge that follows the mouse height, the side edge that
// follows the format, and on which side of their fixed edges they lie.
const Frame::Corner Frame::corners[4] = {
    {&FrameRect::top, &FrameRect::bottom, -1, &FrameRect::left, &FrameRect::right, -1}, // top-left
    {&FrameRect::top, &FrameRect::bottom, -1, &FrameRect::right, &FrameRect::left, +1}, // top-right
    {&FrameRect::bottom, &FrameRect::top, +1, &FrameRect::left, &FrameRect::right, -1}, // bottom-left
    {&FrameRect::bottom, &FrameRect::top, +1, &FrameRect::right, &FrameRect::left, +1}, // bottom-right
};

namespace {

CursorShape cursorForZone(int zone) {
    switch (zone) {
    case 1:
    case 4:
        return CursorShape::SizeFDiag;
    case 2:
    case 3:
        return CursorShape::SizeBDiag;
    case 5:
        return CursorShape::SizeAll;
    default:
        return CursorShape::Arrow;
    }
}

} // namespace

Frame::Frame(Context& ctx, CurveView& view) : ctx_(ctx), view_(view) {
    ctx_.controls.onClick(ids::LblCadre, [this] { startFrame(); });
    ctx_.controls.onClick(ids::LblEffacerCadre, [this] { eraseFrame(); });
    ctx_.controls.onClick(ids::RdgCadreOuPoints, [this] { chooseFrameOrPoints(); });
}

bool Frame::editing() const {
    return ctx_.doc.frame.frameDrawing || ctx_.doc.frame.frameAdjusting;
}

void Frame::switchOff() {
    FrameState& f = ctx_.doc.frame;
    f.frameDrawing = false;
    f.frameAdjusting = false;
    f.frameDragging = false;
    f.frameZone = 0;
    drawingPressed_ = false;
}

void Frame::startFrame() {
    ctx_.doc.frame.frameDrawing = true;
    showFramePlacing();
}

// The frame screen: the curve shown without its point marks.
void Frame::showFramePlacing() {
    Controls& c = ctx_.controls;
    c.setItemIndex(ids::RdgModeAff, 3);
    c.setChecked(ids::ChbxAffichePc, false);
    showScreen(ctx_, Screen::FramePlacing);
    setStepMessage(ctx_, StepMessage::PlaceFrame);
    ctx_.doc.display.highlightSelected = false;
    view_.redrawCurve();
}

void Frame::chooseFrameOrPoints() {
    Controls& c = ctx_.controls;
    FrameState& f = ctx_.doc.frame;
    const bool onFrame = c.itemIndex(ids::RdgCadreOuPoints) == 0;
    if (onFrame) {
        showFramePlacing();
        f.frameAdjusting = f.framePresent;
        f.frameDragging = false;
    } else {
        f.frameAdjusting = false;
        f.frameDrawing = false;
        c.setItemIndex(ids::RdgModeAff, 0);
        c.setChecked(ids::ChbxAffichePc, true);
        showScreen(ctx_, Screen::PointsEditing);
        ctx_.doc.display.highlightSelected = true;
        view_.redrawCurve();
        setStepMessage(ctx_, StepMessage::ShapeCurve);
        c.setCursor(ids::ImgDessin, CursorShape::Arrow);
    }
}

void Frame::eraseFrame() {
    FrameState& f = ctx_.doc.frame;
    if (!f.framePresent) return;
    Controls& c = ctx_.controls;
    toggleFrame();
    f.framePresent = false;
    switchOff();
    showScreen(ctx_, Screen::FrameErased);
    c.setChecked(ids::ChbxAffichePc, true);
    c.setCursor(ids::ImgDessin, CursorShape::Arrow);
    resetWorkOrigin(ctx_.doc);
    view_.sampleCurve();
    view_.redrawCurve();
    view_.refreshObjectText();
    setStepMessage(ctx_, StepMessage::ShapeCurve);
    ctx_.doc.display.highlightSelected = true;
}

int Frame::zoneAt(int x, int y) const {
    const FrameRect& r = ctx_.doc.frame.frameRect;
    if (near(x, r.left) && near(y, r.top)) return 1;
    if (near(x, r.right) && near(y, r.top)) return 2;
    if (near(x, r.left) && near(y, r.bottom)) return 3;
    if (near(x, r.right) && near(y, r.bottom)) return 4;
    if (r.left < x && x < r.right && r.top < y && y < r.bottom) return 5;
    return 0;
}

void Frame::frameMouseDown(int x, int y) {
    FrameState& f = ctx_.doc.frame;
    if (f.frameDrawing) {
        if (f.framePresent) {
            toggleFrame();
            f.framePresent = false;
        }
        f.frameRect.left = x;
        f.frameRect.top = y;
        f.frameLast = QPoint(x, y);
        drawingPressed_ = true;
    } else if (f.frameAdjusting) {
        // The zone under the press, as the last hover over this spot found it.
        f.frameZone = zoneAt(x, y);
        f.frameDragging = true;
        f.frameLast = QPoint(x, y);
        pressedRect_ = f.frameRect;
    }
}

void Frame::frameMouseMove(int x, int y, bool leftButton) {
    FrameState& f = ctx_.doc.frame;
    if (f.frameDrawing) {
        if (drawingPressed_ && leftButton) moveDrawing(y);
    } else if (f.frameAdjusting) {
        if (f.frameDragging) {
            adjust(x, y);
        } else {
            f.frameZone = zoneAt(x, y);
            ctx_.controls.setCursor(ids::ImgDessin, cursorForZone(f.frameZone));
        }
    }
}

void Frame::frameMouseUp() {
    FrameState& f = ctx_.doc.frame;
    if (f.frameDrawing) {
        if (drawingPressed_) releaseDrawing();
        drawingPressed_ = false;
    } else if (f.frameAdjusting && f.frameDragging) {
        FrameRect& r = f.frameRect;
        if (r.right < r.left) std::swap(r.left, r.right);
        if (r.bottom < r.top) std::swap(r.top, r.bottom);
        // A corner dragged over its opposite may leave a frame too small to
        // place anything on, as a tiny drawing would: the frame stays as it was.
        if (r.right - r.left < minFrameSide || r.bottom - r.top < minFrameSide) {
            toggleFrame();
            r = pressedRect_;
            toggleFrame();
        } else {
            ctx_.doc.workflow.positionsStale = true;
            view_.refreshObjectText();
        }
    }
    f.frameDragging = false;
}

void Frame::moveDrawing(int y) {
    FrameState& f = ctx_.doc.frame;
    const WorkflowState& w = ctx_.doc.workflow;
    const Extended ratio = w.aspectRatio;
    const int left = f.frameRect.left;
    const int top = f.frameRect.top;
    toggleRect(left, top, f.frameLast.x(), f.frameLast.y());
    // The height decides and the width follows the screen format.
    int ny = std::clamp(y, 0, w.workHeight);
    int nx = left + nearest((ny - top) * ratio);
    if (nx < 0) {
        nx = 0;
        ny = top + nearest((0 - left) / ratio);
    } else if (nx > w.workWidth) {
        nx = w.workWidth;
        ny = top + nearest((w.workWidth - left) / ratio);
    }
    f.frameLast = QPoint(nx, ny);
    toggleRect(left, top, nx, ny);
}

void Frame::releaseDrawing() {
    FrameState& f = ctx_.doc.frame;
    FrameRect& r = f.frameRect;
    r.right = f.frameLast.x();
    r.bottom = f.frameLast.y();
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    if (r.right - r.left < minFrameSide || r.bottom - r.top < minFrameSide) {
        f.framePresent = false;
        toggleFrame();
        return;
    }
    f.framePresent = true;
    showScreen(ctx_, Screen::FramePlaced);
    f.frameAdjusting = true;
    f.frameDrawing = false;
    ctx_.controls.setItemIndex(ids::RdgCadreOuPoints, 0);
    view_.refreshObjectText();
}

void Frame::adjust(int x, int y) {
    FrameState& f = ctx_.doc.frame;
    toggleFrame();
    if (f.frameZone >= 1 && f.frameZone <= 4)
        resizeCorner(corners[f.frameZone - 1], y);
    else if (f.frameZone == 5)
        move(x, y);
    toggleFrame();
}

// The dragged corner's edge follows the mouse height, the side edge follows
// the format; a side edge that would leave the area stops at its border and
// the height follows it instead.
void Frame::resizeCorner(const Corner& corner, int y) {
    const WorkflowState& w = ctx_.doc.workflow;
    const Extended ratio = w.aspectRatio;
    FrameRect& r = ctx_.doc.frame.frameRect;
    int& edge = r.*corner.edge;
    int& side = r.*corner.side;
    const int fixedEdge = r.*corner.fixedEdge;
    const int fixedSide = r.*corner.fixedSide;
    edge = std::clamp(y, 0, w.workHeight);
    side = fixedSide + corner.sideSign * nearest((r.bottom - r.top) * ratio);
    const int border = side < 0 ? 0 : side > w.workWidth ? w.workWidth : side;
    if (border != side) {
        side = border;
        edge = fixedEdge + corner.edgeSign * nearest(corner.sideSign * (border - fixedSide) / ratio);
    }
}

// The frame moves with the mouse and is pushed back inside the area without
// changing its size.
void Frame::move(int x, int y) {
    FrameState& f = ctx_.doc.frame;
    const WorkflowState& w = ctx_.doc.workflow;
    FrameRect& r = f.frameRect;
    const QPoint d = QPoint(x, y) - f.frameLast;
    f.frameLast = QPoint(x, y);
    r.left += d.x();
    r.right += d.x();
    r.top += d.y();
    r.bottom += d.y();
    int shift = 0;
    if (r.left < 0)
        shift = -r.left;
    else if (r.right > w.workWidth)
        shift = w.workWidth - r.right;
    r.left += shift;
    r.right += shift;
    shift = 0;
    if (r.top < 0)
        shift = -r.top;
    else if (r.bottom > w.workHeight)
        shift = w.workHeight - r.bottom;
    r.top += shift;
    r.bottom += shift;
}

void Frame::toggleFrame() {
    const FrameRect& r = ctx_.doc.frame.frameRect;
    toggleRect(r.left, r.top, r.right, r.bottom);
}

// The rectangle is drawn with its corners put in order, so that a rectangle
// dragged up or to the left shows too and is removed by the same call.
void Frame::toggleRect(int left, int top, int right, int bottom) {
    Canvas& canvas = ctx_.canvas;
    canvas.setPenColour(frameColour);
    canvas.setPenWidth(1);
    canvas.setPenDashed(true);
    canvas.setPenMode(PenMode::Xor);
    canvas.setBrushClear();
    canvas.rectangle(std::min(left, right), std::min(top, bottom), std::max(left, right),
                     std::max(top, bottom));
    canvas.setPenDashed(false);
    canvas.setPenMode(PenMode::Copy);
}

} // namespace trajecta
