#include "gui/ScriptedWindow.h"

#include "gui/MainWindow.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

namespace trajecta {

ScriptedWindow::ScriptedWindow() = default;
ScriptedWindow::~ScriptedWindow() = default;

ScriptWindow ScriptedWindow::hooks() {
    ScriptWindow hooks;
    hooks.open = [this](const Services& services) -> Session& {
        window_ = std::make_unique<KeyPointsBezier>(services);
        window_->resizeToDefault();
        window_->show();
        settle();
        return window_->session();
    };
    hooks.resize = [this](int width, int height) {
        window_->resize(width, height + window_->menuBar()->height());
        settle();
    };
    hooks.screenshot = [this](const QString& path) {
        settle();
        return shot(*window_).save(path, "PNG");
    };
    hooks.settle = [this] { settle(); };
    return hooks;
}

void ScriptedWindow::settle() {
    window_->afterInput();
    // Layouts and repaints posted by the command, and those they post.
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

QImage ScriptedWindow::shot(KeyPointsBezier& window) {
    QRect area = window.frameGeometry();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && w->isVisible()) area |= w->frameGeometry();
    // The screen as the server draws it holds the dialogs and menus too; a
    // platform without one gives each window's own drawing instead.
    if (QScreen* screen = window.screen()) {
        const QPixmap whole = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (!whole.isNull() && !whole.toImage().allGray()) return whole.toImage();
    }
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && w->isVisible())
            painter.drawPixmap(w->geometry().topLeft() - area.topLeft(), w->grab());
    return picture;
}

} // namespace trajecta
