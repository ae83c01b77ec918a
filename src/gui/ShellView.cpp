#include "gui/ShellView.h"

#include "app/ControlInventory.h"
#include "gui/Binder.h"
#include "gui/Guarded.h"
#include "shell/ScreenPlace.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace trajecta {

ShellView::ShellView(Session& session, Binder& binder, QMainWindow& mainWindow)
    : session_(session), main_(mainWindow), second_(binder.widget(secondWindowName)) {
    secondShown_ = session_.document().shell.secondWindowShown;
    twoWindows_ = !session_.document().shell.singleWindowLayout;
    if (second_) {
        // As large as the groups it holds in the present step, no larger.
        if (QLayout* layout = second_->layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
        placeSecondWindow(session_.controls().get(secondWindowName));
        second_->installEventFilter(this);
    }
    main_.installEventFilter(this);
    watch_ = session_.controls().addObserver([this](const ControlState& state) {
        if (state.name == secondWindowName) placeSecondWindow(state);
        // "Quitter": the window closes once the command has run.
        if (state.name == mainWindowName && !state.visible)
            QTimer::singleShot(0, &main_, [this] { main_.close(); });
    });
}

void ShellView::placeSecondWindow(const ControlState& state) {
    if (!second_ || state.width <= 0 || state.height <= 0) return;
    if (second_->pos() != QPoint(state.left, state.top)) second_->move(state.left, state.top);
}

void ShellView::showMainWindow() {
    const ShellState& shell = session_.document().shell;
    const WindowPlace& place = shell.mainWindow;
    const QRect stored(place.left, place.top, place.width, place.height);
    if (shell.mainWindowStored && fitsOnScreens(stored, session_.services().system.screens())) {
        main_.move(stored.topLeft());
        main_.resize(stored.size());
    }
    // A window closed minimised opens in its normal state.
    if (shell.mainWindowStored && place.state == 2)
        main_.showMaximized();
    else
        main_.show();
}

void ShellView::keepMainWindowPlace() {
    WindowPlace& place = session_.document().shell.mainWindow;
    place.state = main_.isMinimized() ? 1 : main_.isMaximized() ? 2 : 0;
    // A maximised or minimised window is kept at the place it returns to.
    const QRect normal = place.state == 0 ? QRect(main_.pos(), main_.size()) : main_.normalGeometry();
    place.left = normal.left();
    place.top = normal.top();
    place.width = normal.width();
    place.height = normal.height();
}

void ShellView::mainWindowClosing() {
    keepMainWindowPlace();
    guarded([this] { session_.shell().closeMainWindow(); });
}

void ShellView::afterInput() {
    const ShellState& shell = session_.document().shell;
    const bool shown = shell.secondWindowShown;
    if (second_ && !shell.singleWindowLayout && !twoWindows_ && second_->isVisible()) placeBesideMainWindow();
    twoWindows_ = !shell.singleWindowLayout;
    if (second_ && shown && !secondShown_ && second_->isVisible()) {
        if (second_->isMinimized()) second_->showNormal();
        second_->raise();
        second_->activateWindow();
    }
    secondShown_ = shown;
}

// A second window over the main one goes on the right of the main window
// where its screen has room, else on its left, else against the screen's
// right edge, over the main window's column rather than its work area; level
// with the main window's top.
void ShellView::placeBesideMainWindow() {
    const QScreen* screen = main_.screen();
    const QRect main = main_.frameGeometry();
    if (!screen || !second_->frameGeometry().intersects(main)) return;
    const QRect room = screen->availableGeometry();
    const QSize size = second_->frameGeometry().size();
    int left = main.right() + 1;
    if (left + size.width() > room.right() + 1) left = main.left() - size.width();
    if (left < room.left()) left = room.right() + 1 - size.width();
    const int top =
        std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    second_->move(std::max(room.left(), left), top);
}

// The second window grows with the groups of a later step; growing past its
// screen's right edge, it moves left as far as it must, no further than the
// screen's left edge.
void ShellView::keepGrownSecondOnScreen(const QResizeEvent& event) {
    const QScreen* screen = second_->screen();
    if (!screen || !event.oldSize().isValid() || event.size().width() <= event.oldSize().width()) return;
    const QRect room = screen->availableGeometry();
    const QRect frame = second_->frameGeometry();
    if (frame.right() <= room.right()) return;
    second_->move(std::max(room.left(), room.right() + 1 - frame.width()), frame.top());
}

bool ShellView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &main_ && main_.isVisible() &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
         type == QEvent::WindowStateChange))
        keepMainWindowPlace();
    if (watched == second_ && second_->isVisible()) {
        if (type == QEvent::Resize) keepGrownSecondOnScreen(*static_cast<QResizeEvent*>(event));
        if (type == QEvent::Move || type == QEvent::Resize)
            guarded([this] {
                session_.controls().setGeometry(secondWindowName, second_->x(), second_->y(),
                                                second_->width(), second_->height());
            });
        if (type == QEvent::WindowDeactivate) {
            guarded([this] { session_.shell().secondWindowDeactivated(); });
            secondShown_ = false;
        }
    }
    return false;
}

} // namespace trajecta
