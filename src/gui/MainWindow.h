#pragma once

#include "app/Session.h"
#include "gui/Binder.h"
#include "gui/QtServices.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class QBoxLayout;

namespace trajecta {

class WorkArea;

// The main window: the work area at the top-left corner, the message line
// below it, a right column and a bottom band holding the other panels. Panels
// the model hides collapse and the visible ones close up. Every widget is a
// control of the session's model (see Binder); the window only places them.
class KeyPointsBezier : public QMainWindow {
public:
    // Width of the right column and height of the bottom band, including the
    // message line, in the one-window layout; the work area is sized to leave them.
    static constexpr int rightColumnWidth = 221;
    static constexpr int bottomBandHeight = 234;
    static constexpr int messageHeight = 30;

    // Without `services` the window uses the Qt ones (clipboard, dialogs,
    // Trajecta.ini beside the executable); tests pass scripted ones.
    explicit KeyPointsBezier(std::optional<Services> services = std::nullopt, QWidget* parent = nullptr);
    ~KeyPointsBezier() override;

    Session& session() { return session_; }
    Binder& binder() { return *binder_; }
    // Gives the client area 1366 x 768 pixels when the screen has room for it.
    void resizeToDefault();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    BinderLook look();
    void placeControls();
    void relayout();
    void afterInput();

    std::unique_ptr<QtServices> qtServices_;
    Session session_;
    QWidget* client_ = nullptr;
    WorkArea* work_ = nullptr;
    QWidget* rightColumn_ = nullptr;
    QWidget* bottomBand_ = nullptr;
    QBoxLayout* rightLayout_ = nullptr;
    QBoxLayout* bottomLayout_ = nullptr;
    std::unique_ptr<Binder> binder_;
    int pictureLanguage_ = 0;
    bool activated_ = false;
    std::shared_ptr<KeyPointsBezier*> self_;
};

} // namespace trajecta
