#include "core/Editor.h"

#include "core/CurveView.h"
#include "core/Tangents.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace trajecta {

namespace {

using namespace colours;
constexpr int hitHalf = 8; // a point is hit inside a 16-pixel box centred on it

// Percent of the half reference size, "0.00"; an empty reference gives 0.
QString percentText(int offset, int reference, QChar separator) {
    if (reference == 0) return formatFixed(0.0, 2, separator);
    const Extended value = offset / (reference / Extended(2)) * 100;
    return formatFixed(static_cast<double>(value), 2, separator);
}

} // namespace

void resetWorkOrigin(CurveDocument& doc) {
    const WorkflowState& w = doc.workflow;
    doc.editor.workOrigin = QPoint(w.workWidth / 2, w.workHeight / 2);
    doc.editor.workReference = QPoint(w.workWidth, w.workHeight);
}

QPoint straightened(QPoint from, QPoint to) {
    const QPoint d = to - from;
    const long long ax = std::abs(d.x()), ay = std::abs(d.y());
    // tan 22.5° = 0.41421…: the sectors of 45° around each direction.
    if (ay * 100000 <= ax * 41421) return {to.x(), from.y()};
    if (ax * 100000 <= ay * 41421) return {from.x(), to.y()};
    const int m = static_cast<int>((ax + ay) / 2);
    return from + QPoint(d.x() < 0 ? -m : m, d.y() < 0 ? -m : m);
}

Editor::Editor(Context& ctx, CurveView& view) : ctx_(ctx), view_(view) {
    ctx_.controls.onClick(ids::RdgActionsTangentes, [this] { setTangentAction(); });
    ctx_.controls.onClick(ids::LblRetourPoints, [this] { bringPointsBack(); });
}

void Editor::showCoordinates(int x, int y) {
    const EditorState& e = ctx_.doc.editor;
    const int dx = x - e.workOrigin.x();
    const int dy = y - e.workOrigin.y();
    const QChar sep = ctx_.services.system.decimalSeparator();
    ctx_.controls.setCaption(ids::LblCoordSouris, QStringLiteral("X=%1  Y=%2").arg(dx).arg(dy));
    ctx_.controls.setCaption(ids::LblCoordPourCent, QStringLiteral("X=%1%  Y=%2%")
                                                        .arg(percentText(dx, e.workReference.x(), sep),
                                                             percentText(dy, e.workReference.y(), sep)));
}

int Editor::pointAt(int x, int y) const {
    const CurveGeometry& curve = ctx_.doc.curve;
    for (int i = 0; i < usedPoints(curve); ++i) {
        const QPoint& p = curve.controlPoints[i];
        if (x >= p.x() - hitHalf && x < p.x() + hitHalf && y >= p.y() - hitHalf && y < p.y() + hitHalf)
            return i;
    }
    return -1;
}

void Editor::hover(int x, int y) {
    EditorState& e = ctx_.doc.editor;
    e.hoverIndex = pointAt(x, y);
    ctx_.controls.setCursor(ids::ImgDessin, e.hoverIndex >= 0 ? CursorShape::Hand : CursorShape::Arrow);
}

void Editor::mouseMove(int x, int y, bool straight) {
    EditorState& e = ctx_.doc.editor;
    if (!e.dragging) hover(x, y);
    if (ctx_.doc.workflow.markingActive) e.markPos = QPoint(x, y);
    if (e.dragging) {
        const QPoint to = straight ? straightened(e.dragOrigin, QPoint(x, y)) : QPoint(x, y);
        dragTo(to.x(), to.y());
    }
    drawDragTangents(e.dragIndex);
}

void Editor::beginDrag(int x, int y) {
    const WorkflowState& w = ctx_.doc.workflow;
    EditorState& e = ctx_.doc.editor;
    // The geometry is edited in step 3 only: the times, the parameters and
    // the object of steps 4 to 6 were made for the curve as it was finished.
    if (w.markingActive || w.currentStep >= Step::Times) return;
    // The press picks what the last move over this spot hovered.
    hover(x, y);
    if (e.hoverIndex < 0) return;
    CurveGeometry& curve = ctx_.doc.curve;
    e.dragIndex = e.selectedIndex = e.hoverIndex;
    e.lastDragPos = e.dragOrigin = curve.controlPoints[e.dragIndex];
    e.dragging = true;
    if (w.curveExists) {
        e.dragTangentsShown = true;
        drawDragTangents(e.dragIndex);
    }
    if (e.breakOnClick) breakTangentAt(curve, e.dragIndex);
    if (e.alignOnClick) alignTangentAt(curve, e.dragIndex);
}

void Editor::dragTo(int x, int y) {
    CurveGeometry& curve = ctx_.doc.curve;
    const int a = ctx_.doc.editor.dragIndex;
    const int n = usedPoints(curve);
    if (a < 0 || a >= n) return;
    auto& p = curve.controlPoints;
    const std::array<QPoint, maxControlPoints> before = p;
    p[a] = QPoint(x, y);
    const int code = curve.pointStates[a];
    if (code < alignedCode) {
        if (curve.closedCurve && code == FirstPoint) p[n - 1] = p[0];
        if (curve.closedCurve && code == LastPoint) p[0] = p[n - 1];
    } else {
        moveAlignedDrag(a, x, y);
    }
    ctx_.doc.workflow.positionsStale = true;
    view_.redrawMoved(before);
}

// The points that follow a dragged point whose tangent is aligned.
void Editor::moveAlignedDrag(int a, int x, int y) {
    CurveGeometry& curve = ctx_.doc.curve;
    EditorState& e = ctx_.doc.editor;
    auto& p = curve.controlPoints;
    const int n = usedPoints(curve);
    const bool closed = curve.closedCurve && n >= 4;
    const QPoint d = QPoint(x, y) - e.lastDragPos;
    switch (curve.pointStates[a] - alignedCode) {
    case InnerAnchor:
        if (a > 0) p[a - 1] += d;
        if (a < n - 1) p[a + 1] += d;
        e.lastDragPos = QPoint(x, y);
        break;
    case FirstHandle:
        if (a >= 3)
            p[a - 2] = 2 * p[a - 1] - p[a];
        else if (closed && a == 1)
            p[n - 2] = p[n - 1] + p[0] - p[1];
        break;
    case SecondHandle:
        if (a + 2 < n)
            p[a + 2] = 2 * p[a + 1] - p[a];
        else if (closed && a == n - 2)
            p[1] = p[0] + p[n - 1] - p[n - 2];
        break;
    case FirstPoint:
        if (n > 1) p[1] += d;
        if (closed) {
            p[n - 1] = p[0];
            p[n - 2] += d;
        }
        e.lastDragPos = QPoint(x, y);
        break;
    case LastPoint:
        if (n >= 2) p[n - 2] += d;
        if (closed) {
            p[0] = p[n - 1];
            p[1] += d;
        }
        e.lastDragPos = QPoint(x, y);
        break;
    default:
        break;
    }
}

void Editor::endDrag() {
    EditorState& e = ctx_.doc.editor;
    const FrameState& f = ctx_.doc.frame;
    if (e.dragging && e.dragTangentsShown) {
        view_.redrawCurve();
        e.dragTangentsShown = false;
    }
    e.dragging = false;
    if (f.framePresent) {
        const FrameRect& r = f.frameRect;
        e.workOrigin = QPoint(r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2);
        e.workReference = QPoint(r.right - r.left, r.bottom - r.top);
    }
    view_.sampleCurve();
    // A release without a drag or a frame change leaves the geometry as it was.
    if (ctx_.doc.workflow.positionsStale) view_.refreshObjectText();
}

void Editor::nudge(int dx, int dy) {
    const WorkflowState& w = ctx_.doc.workflow;
    EditorState& e = ctx_.doc.editor;
    const CurveGeometry& curve = ctx_.doc.curve;
    if (w.currentStep != Step::Shaping || w.markingActive || e.dragging) return;
    if (e.selectedIndex < 0 || e.selectedIndex >= usedPoints(curve)) return;
    e.dragIndex = e.selectedIndex;
    e.lastDragPos = curve.controlPoints[e.dragIndex];
    const QPoint to = e.lastDragPos + QPoint(dx, dy);
    dragTo(std::clamp(to.x(), -mouseLimit, mouseLimit), std::clamp(to.y(), -mouseLimit, mouseLimit));
    view_.sampleCurve();
    if (w.positionsStale) view_.refreshObjectText();
}

void Editor::drawDragTangents(int a) {
    const EditorState& e = ctx_.doc.editor;
    const CurveGeometry& curve = ctx_.doc.curve;
    const int n = usedPoints(curve);
    if (ctx_.doc.display.tangentDisplay != TangentsShown::InUse || !e.dragTangentsShown || a < 0 || a >= n)
        return;
    Canvas& canvas = ctx_.canvas;
    canvas.setPenWidth(1);
    canvas.setPenDashed(false);
    canvas.setPenMode(PenMode::Copy);
    const bool closed = curve.closedCurve;
    auto line = [&](std::uint32_t colour, int from, int to) {
        if (from < 0 || from >= n || to < 0 || to >= n) return;
        canvas.setPenColour(colour);
        const QPoint& p = curve.controlPoints[from];
        const QPoint& q = curve.controlPoints[to];
        canvas.line(p.x(), p.y(), q.x(), q.y());
    };
    switch (curve.pointStates[a]) {
    case InnerAnchor:
    case alignedCode + InnerAnchor:
        line(blue, a, a + 1);
        line(green, a, a - 1);
        break;
    case FirstHandle:
        line(blue, a, a - 1);
        break;
    case SecondHandle:
        line(green, a, a + 1);
        break;
    case FirstPoint:
    case alignedCode + FirstPoint:
        line(blue, 0, 1);
        if (closed) line(green, 0, n - 2);
        break;
    case LastPoint:
    case alignedCode + LastPoint:
        line(green, a, a - 1);
        if (closed) line(blue, a, 1);
        break;
    case alignedCode + FirstHandle:
        line(blue, a - 1, a);
        if (a >= 3) line(green, a - 1, a - 2);
        if (closed && a == 1) line(green, 0, n - 2);
        break;
    case alignedCode + SecondHandle:
        line(green, a + 1, a);
        if (a + 2 < n - 1) line(blue, a + 1, a + 2);
        if (closed && n == a + 2) line(blue, n - 1, 1);
        break;
    default:
        break;
    }
}

void Editor::setTangentAction() {
    EditorState& e = ctx_.doc.editor;
    CurveGeometry& curve = ctx_.doc.curve;
    const int action = ctx_.controls.itemIndex(ids::RdgActionsTangentes);
    e.alignAllActive = action == 2;
    e.breakOnClick = action == 3;
    e.alignOnClick = action == 4;
    if (action == 1) {
        for (int i = 0; i < usedPoints(curve); ++i)
            if (curve.pointStates[i] >= alignedCode) curve.pointStates[i] -= alignedCode;
        view_.redrawCurve();
    } else if (action == 2) {
        alignEveryTangent();
    }
}

void Editor::alignEveryTangent() {
    alignAllTangents(ctx_.doc.curve);
    view_.sampleCurve();
    view_.refreshObjectText();
    view_.redrawCurve();
}

void Editor::bringPointsBack() {
    CurveGeometry& curve = ctx_.doc.curve;
    auto& p = curve.controlPoints;
    const int n = usedPoints(curve);
    const int w = ctx_.doc.workflow.workWidth;
    const int h = ctx_.doc.workflow.workHeight;
    auto moveBy = [&](int index, const QPoint& d) {
        if (index >= 0 && index < n) p[index] += d;
    };
    for (int i = 0; i < n; ++i) {
        const int code = curve.pointStates[i];
        const bool moves = (code >= 0 && code <= 4) || code == alignedCode + InnerAnchor ||
                           code == alignedCode + FirstPoint || code == alignedCode + LastPoint;
        if (!moves) continue;
        const QPoint before = p[i];
        int x = before.x(), y = before.y();
        if (x < 0)
            x = 4;
        else if (x > w)
            x = w - 4;
        if (y < 0)
            y = 4;
        else if (y > h)
            y = h - 4;
        p[i] = QPoint(x, y);
        const QPoint d = p[i] - before;
        if (code == alignedCode + InnerAnchor) {
            moveBy(i - 1, d);
            moveBy(i + 1, d);
        } else if (code == alignedCode + FirstPoint) {
            moveBy(1, d);
            if (curve.closedCurve) {
                moveBy(n - 1, d);
                moveBy(n - 2, d);
            }
        } else if (code == alignedCode + LastPoint) {
            moveBy(n - 2, d);
            if (curve.closedCurve) {
                moveBy(0, d);
                moveBy(1, d);
            }
        }
    }
    view_.sampleCurve();
    view_.refreshObjectText();
    view_.redrawCurve();
}

} // namespace trajecta
