#include "gui/WorkArea.h"

#include "app/Session.h"
#include "document/ControlIds.h"
#include "gui/Guarded.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace trajecta {

WorkArea::WorkArea(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(ids::ImgDessin.str());
    setMouseTracking(true); // moves without a button drive the hover marks
    // A click gives it the keys: the arrows move the point pressed last.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WorkArea::showAt(const QSize& picture, qreal scale) {
    scale = std::clamp<qreal>(scale, 0.05, 1);
    // The window places everything again after many inputs: the same size at
    // the same scale shows nothing new (showChanges repaints what was drawn).
    if (picture == picture_ && scale == scale_ && !picture.isEmpty()) return;
    picture_ = picture;
    scale_ = scale;
    resize(scale_ == 1 ? picture : (QSizeF(picture) * scale_).toSize().expandedTo(QSize(1, 1)));
    update();
}

QPoint WorkArea::toPicture(const QPointF& pos) const {
    if (scale_ == 1) return pos.toPoint();
    // The centre of the screen pixel, in the picture.
    return {static_cast<int>(std::floor((std::floor(pos.x()) + 0.5) / scale_)),
            static_cast<int>(std::floor((std::floor(pos.y()) + 0.5) / scale_))};
}

void WorkArea::showChanges() {
    const QImage& shown = session_.workPicture();
    const QRect drawn = session_.canvas().takeDrawnArea();
    const bool preview = session_.preview().showing();
    // The upper half of the key names the picture's data, the lower half
    // counts its changes.
    const qint64 picture = shown.cacheKey() >> 32;
    const bool same = picture == shownPicture_ && shown.size() == shownSize_ && !preview && !previewShown_;
    shownPicture_ = picture;
    shownSize_ = shown.size();
    previewShown_ = preview;
    if (!same)
        update();
    else if (scale_ == 1)
        update(drawn);
    else if (!drawn.isEmpty())
        // A smoothed pixel spreads to its neighbours.
        update(QRectF(QRectF(drawn).topLeft() * scale_, QRectF(drawn).bottomRight() * scale_)
                   .toAlignedRect()
                   .adjusted(-2, -2, 2, 2));
}

// At 1:1 the opaque picture covers its own rectangle: only the rest is
// filled, and only the asked rectangle of the picture is copied.
void WorkArea::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& picture = session_.workPicture();
    if (scale_ == 1) {
        for (const QRect& uncovered : QRegion(event->rect()).subtracted(picture.rect()))
            p.fillRect(uncovered, palette().window());
        const QRect shown = event->rect() & picture.rect();
        p.drawImage(shown.topLeft(), picture, shown);
    } else {
        p.fillRect(event->rect(), palette().window());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale_, scale_);
        p.drawImage(QPoint(0, 0), picture);
    }
    paintObjectName(p);
}

// The preview's marker carries the object's name, turned and faded with it.
void WorkArea::paintObjectName(QPainter& p) {
    const Preview& preview = session_.preview();
    if (!preview.showing() || preview.name().isEmpty()) return;
    const ObjectState& s = preview.state();
    if (s.width < 4 || s.height < 4) return;
    const QRectF box(-s.width / 2, -s.height / 2, s.width, s.height);
    QFont font = p.font();
    font.setPixelSize(std::clamp(static_cast<int>(s.height / 3), 6, 48));
    p.setFont(font);
    p.setTransform(markerTransform(s) * QTransform::fromScale(scale_, scale_));
    p.setOpacity(std::max(s.opacity / 100.0, 0.25));
    p.setClipRect(box);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, preview.name());
}

void WorkArea::deliver(MouseAction action, const QPoint& pos, bool leftButton) {
    QPoint at = toPicture(pos);
    if (leftButton && action != MouseAction::Down && !picture_.isEmpty())
        at =
            QPoint(std::clamp(at.x(), 0, picture_.width() - 1), std::clamp(at.y(), 0, picture_.height() - 1));
    MouseEvent e;
    e.action = action;
    e.x = at.x();
    e.y = at.y();
    e.leftButton = leftButton;
    e.shift = (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) != 0;
    guarded([&] { session_.controls().userMouse(objectName(), e); });
    if (afterInput)
        guarded(afterInput);
    else
        showChanges();
}

void WorkArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void WorkArea::mousePressEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    if (left) leftPressed_ = true;
    deliver(MouseAction::Down, event->position().toPoint(), left);
}

// A second press in quick succession is a press like any other.
void WorkArea::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void WorkArea::mouseMoveEvent(QMouseEvent* event) {
    deliver(MouseAction::Move, event->position().toPoint(), (event->buttons() & Qt::LeftButton) != 0);
}

void WorkArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    const QPoint pos = event->position().toPoint();
    deliver(MouseAction::Up, pos, left);
    if (left && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(pos)) deliver(MouseAction::Click, pos, true);
    }
}

} // namespace trajecta
