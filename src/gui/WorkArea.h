#pragma once

#include "platform/Controls.h"

#include <QPainter>
#include <QWidget>
#include <functional>

namespace trajecta {

class Session;

// The work area ImgDessin: shows the session's work picture (with the
// object's name in the preview's marker while the preview shows) and hands
// every mouse event to the control model with work-area pixel positions. A
// left press followed by its release gives Down, Up and then Click.
//
// The picture shows at 1:1, or smaller when the window shows it fitted to
// less room: a position then maps to the picture's pixel under the pointer.
// A drag keeps to the picture: while the left button is held, positions past
// its edges reach the model at the edge, so that a dragged point or frame
// never leaves the part of the plane the user can see and grab again.
class WorkArea : public QWidget {
  public:
    WorkArea(Session& session, QWidget* parent = nullptr);

    // Runs after every event delivered to the model (the window repaints).
    std::function<void()> afterInput;

    // Shows a picture of `picture` pixels at `scale` (at most 1) of its size;
    // the widget takes the size it is shown at.
    void showAt(const QSize& picture, qreal scale);
    qreal scale() const { return scale_; }
    // The picture's pixel under a position of the widget.
    QPoint toPicture(const QPointF& pos) const;
    // Repaints what changed since the last call: the area the session's
    // canvas drew on, or all of it when another picture shows (a new size, an
    // undo or a load putting back another, the preview's frame).
    void showChanges();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The model has the arrows (through the input router): they must not
    // scroll the view around the work area as well.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void paintObjectName(QPainter& p);
    void deliver(MouseAction action, const QPoint& pos, bool leftButton);

    Session& session_;
    QSize picture_;
    qreal scale_ = 1;
    bool leftPressed_ = false;
    // The picture the last showChanges saw: its identity, size, and whether
    // it was the preview's.
    qint64 shownPicture_ = 0;
    QSize shownSize_;
    bool previewShown_ = false;
};

} // namespace trajecta
