#pragma once

#include "platform/Controls.h"

#include <QPainter>
#include <QWidget>
#include <functional>

namespace trajecta {

class Session;

// The work area ImgDessin: shows the session's work picture at 1:1 (with the
// object's name in the preview's marker while the preview shows) and hands
// every mouse event to the control model with work-area pixel positions. A
// left press followed by its release gives Down, Up and then Click.
class WorkArea : public QWidget {
  public:
    WorkArea(Session& session, QWidget* parent = nullptr);

    // Runs after every event delivered to the model (the window repaints).
    std::function<void()> afterInput;

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
    bool leftPressed_ = false;
};

} // namespace trajecta
