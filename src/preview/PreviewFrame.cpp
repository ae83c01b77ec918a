#include "preview/PreviewFrame.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace trajecta {

namespace {

// The marker's face and edge. The face lets the curve show through; the edge
// never fades below a trace, so that an object made invisible can still be
// followed along its path.
constexpr int faceRgb[] = {255, 140, 0};
constexpr int edgeRgb[] = {96, 0, 96};
constexpr double faceAlpha = 0.55;
constexpr double edgeTrace = 0.25;

void copyPixels(const QImage& from, QImage& to, QRect part) {
    if (to.size() != from.size() || to.format() != from.format()) {
        to = QImage(from.size(), from.format());
        part = from.rect();
    }
    part &= from.rect();
    if (part.isEmpty()) return;
    const int depth = from.depth() / 8;
    const size_t bytes = static_cast<size_t>(part.width()) * static_cast<size_t>(depth);
    for (int y = part.top(); y <= part.bottom(); ++y)
        std::memcpy(to.scanLine(y) + part.left() * depth, from.constScanLine(y) + part.left() * depth, bytes);
}

} // namespace

void drawPreviewFrame(const QImage& work, const ObjectState& state, QImage& frame, QRect& stale) {
    copyPixels(work, frame, stale);
    stale = QRect();
    if (frame.isNull()) return;
    const double opacity = state.opacity / 100.0;
    QPainter p(&frame);
    const QPolygonF corners = markerCorners(state);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(faceRgb[0], faceRgb[1], faceRgb[2], static_cast<int>(255 * faceAlpha * opacity)));
    p.drawPolygon(corners);
    QPen edge(
        QColor(edgeRgb[0], edgeRgb[1], edgeRgb[2], static_cast<int>(255 * std::max(opacity, edgeTrace))));
    edge.setWidth(2);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(corners);
    // The pivot: the keypoint's own position, where the path runs.
    const QPointF pivot(state.pivotX, state.pivotY);
    p.drawLine(pivot - QPointF(4, 0), pivot + QPointF(4, 0));
    p.drawLine(pivot - QPointF(0, 4), pivot + QPointF(0, 4));
    // What was drawn, with room for the pen's width and the rounding of edges.
    const QRectF drawn = corners.boundingRect() | QRectF(pivot - QPointF(4, 4), pivot + QPointF(4, 4));
    stale = drawn.toAlignedRect().adjusted(-3, -3, 3, 3) & frame.rect();
}

} // namespace trajecta
