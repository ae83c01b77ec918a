#include "platform/Canvas.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace trajecta {

QColor colourFromBgr(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t bgrFromColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

std::uint32_t bgrAt(const QImage& image, int x, int y) {
    return bgrFromColour(image.pixelColor(x, y));
}

Canvas::Canvas(QImage& image) : image_(image) {}
Canvas::~Canvas() {
    flush();
}

QPainter& Canvas::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        applyPen();
    }
    return *painter_;
}

void Canvas::flush() {
    painter_.reset();
}

QImage& Canvas::image() {
    flush();
    return image_;
}

QPen Canvas::pen() const {
    QPen pen(colourFromBgr(penColour_));
    pen.setWidth(penWidth_ <= 1 ? 0 : penWidth_);
    pen.setStyle(dashed_ ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Canvas::applyPen() {
    if (!painter_) return;
    painter_->setPen(pen());
    if (brushSolid_)
        painter_->setBrush(colourFromBgr(brushColour_));
    else
        painter_->setBrush(Qt::NoBrush);
    switch (mode_) {
    case PenMode::Copy:
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case PenMode::Xor:
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case PenMode::NotXor:
        painter_->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    }
}

void Canvas::setPenColour(std::uint32_t bgr) {
    penColour_ = bgr;
    applyPen();
}
void Canvas::setPenWidth(int width) {
    penWidth_ = width;
    applyPen();
}
void Canvas::setPenDashed(bool dashed) {
    dashed_ = dashed;
    applyPen();
}
void Canvas::setPenMode(PenMode mode) {
    mode_ = mode;
    applyPen();
}
void Canvas::setBrushSolid(std::uint32_t bgr) {
    brushSolid_ = true;
    brushColour_ = bgr;
    applyPen();
}
void Canvas::setBrushClear() {
    brushSolid_ = false;
    applyPen();
}

// Direct pixel access: dots are drawn by the thousand on every redraw, so the
// rows are found from a cached base pointer. It is taken again whenever the
// picture may have changed or become shared with a copy. The picture's key
// tells, where its address does not: a new picture, even of another size, can
// be given the rows an old one has just freed. False when there are no rows.
bool Canvas::rowsReady() {
    if (!bits_ || image_.cacheKey() != cacheKey_ || !image_.isDetached()) {
        flush();
        bits_ = image_.isNull() ? nullptr : image_.bits();
        cacheKey_ = image_.cacheKey(); // after bits(), which counts as a change
        stride_ = image_.bytesPerLine();
        width_ = image_.width();
        height_ = image_.height();
    } else if (painter_) {
        flush();
    }
    return bits_ != nullptr;
}

void Canvas::pixel(int x, int y) {
    if (!held_ && rowsReady()) put(x, y);
}

void Canvas::pixels(const QPoint* points, int count) {
    if (held_ || !rowsReady()) return;
    for (int i = 0; i < count; ++i)
        put(points[i].x(), points[i].y());
}

// One pixel in the pen, on rows made ready.
void Canvas::put(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    drew(x, y);
    auto* p = reinterpret_cast<QRgb*>(bits_ + y * stride_) + x;
    const QRgb pen = qRgb(penColour_ & 0xFF, (penColour_ >> 8) & 0xFF, (penColour_ >> 16) & 0xFF);
    switch (mode_) {
    case PenMode::Copy:
        *p = pen;
        break;
    case PenMode::Xor:
        *p = 0xFF000000u | ((*p ^ pen) & 0xFFFFFFu);
        break;
    case PenMode::NotXor:
        *p = 0xFF000000u | (~(*p ^ pen) & 0xFFFFFFu);
        break;
    }
}

// The raster engine applies the inverting pens through a generic path, several
// times slower than a copy. The same rasteriser draws the shape into a byte mask
// instead, and the covered pixels are inverted here: the same pixels change.
// The mask is kept all clear between calls, so only the areas that can hold the
// shape (`scan`, inside `bounds`, which lies in the picture) are read and cleared.
template <typename Draw>
void Canvas::invertCovered(QRect bounds, std::initializer_list<QRect> scan, Draw&& draw) {
    flush();
    if (mask_.width() < image_.width() || mask_.height() < image_.height()) {
        // The premultiplied format has the engine's fast paths; a byte mask does not.
        mask_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        mask_.fill(0);
    }
    {
        QPainter p(&mask_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setClipRect(bounds);
        p.setPen(pen());
        p.setBrush(Qt::NoBrush);
        draw(p);
    }
    const QRgb flip =
        (colourFromBgr(penColour_).rgb() ^ (mode_ == PenMode::NotXor ? 0xFFFFFFu : 0u)) & 0xFFFFFFu;
    for (QRect area : scan) {
        area = area.intersected(bounds);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* covered = reinterpret_cast<QRgb*>(mask_.scanLine(y));
            auto* out = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = area.left(); x <= area.right(); ++x) {
                if (covered[x] == 0) continue;
                covered[x] = 0;
                out[x] = 0xFF000000u | ((out[x] ^ flip) & 0xFFFFFFu);
            }
        }
    }
}

// The pixels nearest the ideal line, both ends included, as the classic
// integer line stepped from the first end sets them (a tie goes away from the
// first end). The raster engine's own aliased line lies half a pixel off it on
// slanted lines. Each pixel is computed directly from its step along the major
// axis, so that only the steps inside the picture are visited.
void Canvas::solidLine(int x0, int y0, int x1, int y1) {
    flush();
    const qint64 ax = std::abs(qint64(x1) - x0), ay = std::abs(qint64(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const bool xMajor = ax >= ay;
    const qint64 major = xMajor ? ax : ay, minor = xMajor ? ay : ax;
    const qint64 from = xMajor ? x0 : y0;
    const int step = xMajor ? sx : sy;
    const qint64 limit = xMajor ? image_.width() : image_.height();
    // The steps i in [0, major] whose major coordinate from + step·i lies in [0, limit).
    qint64 first = step > 0 ? -from : from - (limit - 1);
    qint64 last = step > 0 ? limit - 1 - from : from;
    first = std::max<qint64>(first, 0);
    last = std::min(last, major);
    if (!rowsReady()) return;
    for (qint64 i = first; i <= last; ++i) {
        const qint64 across = major == 0 ? 0 : (2 * i * minor + major) / (2 * major);
        if (xMajor)
            put(static_cast<int>(x0 + sx * i), static_cast<int>(y0 + sy * across));
        else
            put(static_cast<int>(x0 + sx * across), static_cast<int>(y0 + sy * i));
    }
}

void Canvas::line(int x0, int y0, int x1, int y1) {
    if (held_) {
        cursor_ = QPoint(x1, y1);
        return;
    }
    if (penWidth_ <= 1 && !dashed_) {
        solidLine(x0, y0, x1, y1);
        cursor_ = QPoint(x1, y1);
        return;
    }
    const int margin = penWidth_ + 1;
    const QRect bounds =
        QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1)))
            .adjusted(-margin, -margin, margin, margin);
    drew(bounds);
    // A line cut by the picture's edge is stepped from the cut point, so it
    // keeps the engine's own path.
    if (mode_ != PenMode::Copy && image_.rect().contains(bounds)) {
        invertCovered(bounds, {bounds}, [&](QPainter& p) { p.drawLine(x0, y0, x1, y1); });
    } else {
        painter().drawLine(x0, y0, x1, y1);
    }
    cursor_ = QPoint(x1, y1);
}

void Canvas::lineTo(int x, int y) {
    line(cursor_.x(), cursor_.y(), x, y);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (held_) return;
    if (right - left < 1 || bottom - top < 1) return;
    // The raster engine inverts some pixels twice where the sides of a box only
    // a few pixels across overlap, and at the closing corner of a box cut by the
    // picture's edge; such boxes keep the engine's own path.
    const int pad = penWidth_ + 1;
    drew(QRect(left - pad, top - pad, right - left + 2 * pad, bottom - top + 2 * pad));
    const bool plain =
        std::min(right - left, bottom - top) >= 2 * penWidth_ + 4 &&
        image_.rect().contains(QRect(left - pad, top - pad, right - left + 2 * pad, bottom - top + 2 * pad));
    if (!brushSolid_ && mode_ != PenMode::Copy && plain) {
        const int inset = penWidth_ <= 1 ? 0 : penWidth_ / 2;
        const QRect outline(left + inset, top + inset, right - left - 1 - 2 * inset,
                            bottom - top - 1 - 2 * inset);
        const int margin = penWidth_ + 1;
        const QRect bounds = outline.adjusted(-margin, -margin, margin, margin);
        // The outline lies within `margin` of the four sides.
        const int band = 2 * margin + 1;
        invertCovered(
            bounds,
            {QRect(bounds.left(), bounds.top(), bounds.width(), band),
             QRect(bounds.left(), bounds.bottom() - band + 1, bounds.width(), band),
             QRect(bounds.left(), bounds.top() + band, band, bounds.height() - 2 * band),
             QRect(bounds.right() - band + 1, bounds.top() + band, band, bounds.height() - 2 * band)},
            [&](QPainter& m) { m.drawRect(outline); });
        return;
    }
    QPainter& p = painter();
    if (brushSolid_ && penWidth_ <= 1) {
        // Outline on the outermost pixels of the box, fill inside it.
        p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    } else if (brushSolid_) {
        // A wide outline lies on the outermost rings of the box, as a thin one does.
        const int w = penWidth_;
        p.fillRect(QRect(left, top, right - left, bottom - top), colourFromBgr(penColour_));
        if (right - left > 2 * w && bottom - top > 2 * w)
            p.fillRect(QRect(left + w, top + w, right - left - 2 * w, bottom - top - 2 * w),
                       colourFromBgr(brushColour_));
    } else {
        const int inset = penWidth_ <= 1 ? 0 : penWidth_ / 2;
        p.drawRect(
            QRect(left + inset, top + inset, right - left - 1 - 2 * inset, bottom - top - 1 - 2 * inset));
    }
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (held_) return;
    if (right - left < 1 || bottom - top < 1) return;
    const int pad = penWidth_ + 1;
    drew(QRect(left - pad, top - pad, right - left + 2 * pad, bottom - top + 2 * pad));
    if (brushSolid_ && penWidth_ > 1 && mode_ == PenMode::Copy) {
        // A wide outline is made of the thin outlines of the box and of the
        // boxes shrunk by one pixel at a time, so it stays inside the box like
        // a thin one: a disc in the pen colour, then the innermost ring with
        // the fill inside it.
        const int w = penWidth_;
        QPainter& p = painter();
        QPen thin(colourFromBgr(penColour_));
        thin.setWidth(0);
        p.setPen(thin);
        p.setBrush(colourFromBgr(penColour_));
        p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
        const int l = left + w - 1, t = top + w - 1, r = right - w + 1, b = bottom - w + 1;
        if (r - l >= 1 && b - t >= 1) {
            p.setBrush(colourFromBgr(brushColour_));
            p.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
        }
        applyPen();
        return;
    }
    const int inset = penWidth_ <= 1 ? 0 : penWidth_ / 2;
    painter().drawEllipse(
        QRect(left + inset, top + inset, right - left - 1 - 2 * inset, bottom - top - 1 - 2 * inset));
}

void Canvas::bezier(const std::vector<QPoint>& points) {
    if (held_) return;
    if (points.size() < 4) return;
    QPainterPath path(points[0]);
    const int pad = penWidth_ + 1;
    for (size_t i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    drew(path.controlPointRect().toAlignedRect().adjusted(-pad, -pad, pad, pad));
    QPainter& p = painter();
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    applyPen();
}

void Canvas::fillRect(int left, int top, int right, int bottom, std::uint32_t bgr) {
    if (held_) return;
    if (right - left < 1 || bottom - top < 1) return;
    drew(QRect(left, top, right - left, bottom - top));
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(left, top, right - left, bottom - top), colourFromBgr(bgr));
    applyPen();
}

void Canvas::drawImage(int x, int y, const QImage& picture) {
    if (held_) return;
    drew(QRect(QPoint(x, y), picture.size()));
    if (x == 0 && y == 0 && picture.size() == image_.size() && picture.format() == image_.format()) {
        // The whole background under the curve: a plain copy of the rows.
        flush();
        const qsizetype bytes = std::min(picture.bytesPerLine(), image_.bytesPerLine());
        for (int row = 0; row < image_.height(); ++row)
            std::memcpy(image_.scanLine(row), picture.constScanLine(row), bytes);
        return;
    }
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, picture);
    applyPen();
}

void Canvas::stretchImage(int left, int top, int right, int bottom, const QImage& picture) {
    if (held_) return;
    drew(QRect(left, top, right - left, bottom - top));
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(left, top, right - left, bottom - top), picture);
    applyPen();
}

void Canvas::copyArea(const QImage& picture, QRect area) {
    area &= image_.rect();
    if (held_ || area.isEmpty()) return;
    flush();
    drew(area);
    const qsizetype offset = qsizetype(area.left()) * 4, bytes = qsizetype(area.width()) * 4;
    for (int row = area.top(); row <= area.bottom(); ++row)
        std::memcpy(image_.scanLine(row) + offset, picture.constScanLine(row) + offset, bytes);
}

void Canvas::takePen(const Canvas& other) {
    penColour_ = other.penColour_;
    brushColour_ = other.brushColour_;
    penWidth_ = other.penWidth_;
    dashed_ = other.dashed_;
    brushSolid_ = other.brushSolid_;
    mode_ = other.mode_;
    cursor_ = other.cursor_;
    applyPen();
}

void Canvas::drew(QRect box) {
    box = box.normalized();
    drawnLeft_ = std::min(drawnLeft_, box.left());
    drawnTop_ = std::min(drawnTop_, box.top());
    drawnRight_ = std::max(drawnRight_, box.right());
    drawnBottom_ = std::max(drawnBottom_, box.bottom());
}

void Canvas::drew(int x, int y) {
    drawnLeft_ = std::min(drawnLeft_, x);
    drawnTop_ = std::min(drawnTop_, y);
    drawnRight_ = std::max(drawnRight_, x);
    drawnBottom_ = std::max(drawnBottom_, y);
}

QRect Canvas::takeDrawnArea() {
    const QRect area = drawnLeft_ > drawnRight_ || drawnTop_ > drawnBottom_
                           ? QRect()
                           : QRect(QPoint(drawnLeft_, drawnTop_), QPoint(drawnRight_, drawnBottom_));
    drawnLeft_ = drawnTop_ = INT_MAX;
    drawnRight_ = drawnBottom_ = INT_MIN;
    return area & image_.rect();
}

} // namespace trajecta
