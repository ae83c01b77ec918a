#pragma once

#include "app/Session.h"
#include "gui/Binder.h"
#include "gui/QtServices.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>
#include <optional>

class QBoxLayout;
class QScrollArea;
class QTimer;

namespace trajecta {

class PhotoDialogView;
class ShellView;
class WorkArea;

// The main window: the work area at the top-left corner, the message line
// below it, a right column beside the work area and a bottom band under it
// holding the other panels. The tools of the time and parameter steps that
// are tall and narrow (the keypoint cursor, the time group, the values at
// the point) stand in the column, whatever panel holds them in the model.
// Panels the model hides collapse and the visible
// ones close up. The window is never smaller than the room its widest and
// tallest group needs; where the groups do not fit side by side the band and
// the column scroll. Every widget is a control of the session's model (see
// Binder); the window only places them.
class KeyPointsBezier : public QMainWindow {
  public:
    // Without `services` the window uses the Qt ones (clipboard, dialogs,
    // Trajecta.ini beside the executable); tests pass scripted ones.
    explicit KeyPointsBezier(std::optional<Services> services = std::nullopt, QWidget* parent = nullptr);
    ~KeyPointsBezier() override;

    Session& session() { return session_; }
    Binder& binder() { return *binder_; }
    // Gives the client area 1366 x 768 pixels when the screen has room for it.
    void resizeToDefault();
    // Shows the window, at the place the settings file gave when it fits a monitor.
    void showAtStoredPlace();
    // What an input changed beyond the controls' states: the work area, the
    // preview, the pictures of the language, the photo dialog, the shell's
    // windows. The window runs it after every input it delivers; a script
    // that drives the model runs it after each command.
    void afterInput();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    BinderLook look();
    void placeControls();
    void fitColumnControls();
    void placeCursorGroup();
    void syncCursorHolder();
    QSize minimumClientSize() const;
    void relayout();
    void setUpPreview();
    void followPreview();

    std::unique_ptr<QtServices> qtServices_;
    Session session_;
    QWidget* client_ = nullptr;
    WorkArea* work_ = nullptr;
    QScrollArea* rightColumn_ = nullptr;
    QScrollArea* bottomBand_ = nullptr;
    QBoxLayout* rightLayout_ = nullptr;
    QBoxLayout* bottomLayout_ = nullptr;
    QWidget* cursorHolder_ = nullptr; // in the column, holds the cursor group's host panel
    std::unique_ptr<Binder> binder_;
    std::unique_ptr<PhotoDialogView> photoDialog_;
    std::unique_ptr<ShellView> shellView_;
    QTimer* playTimer_ = nullptr;
    QElapsedTimer playClock_;
    int pictureLanguage_ = 0;
    bool activated_ = false;
    Subscription placement_; // last: stops before the widgets go
};

} // namespace trajecta
