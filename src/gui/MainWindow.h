#pragma once

#include "app/Session.h"
#include "gui/Binder.h"
#include "gui/QtServices.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>
#include <optional>
#include <vector>

class QScrollArea;
class QTimer;
class QTranslator;
class QToolButton;

namespace trajecta {

class PhotoDialogView;
class ShellView;
class WorkArea;

// The main window: the work area at the top-left corner, the message line
// below it, the right region beside the work area and the bottom band under
// it holding the other panels. The tools of the time and parameter steps that
// are tall and narrow (the keypoint cursor, the time group, the values at
// the point) stand in the right region, whatever panel holds them in the model.
//
// The right region's groups flow top to bottom in as many sub-columns as its
// width holds; the band's groups stand side by side; a band group that does
// not fit the band goes to the right region where it fits whole. Panels the
// model hides collapse and the visible ones close up: the window places the
// groups again, once, after every change of what shows and on every resize.
// Where the groups do not fit at all the band and the right region scroll.
//
// The work area keeps the size the model gave it. When the window leaves it
// less room (the window was made smaller, or the column came back beside it),
// it shows fitted to that room, or at 100 % in a view that scrolls: the user
// chooses with the "100 %" button at the end of the message line, which shows
// only then. Every widget but that button is a control of the session's model
// (see Binder); the window only places them.
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
    // The work is kept in a recovery file of `folder` from now on, after the
    // question about the work of a run that ended without closing, if any.
    void keepWorkIn(const QString& folder);
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
    void showHelpPictures();
    QSize minimumClientSize() const;
    void scheduleRelayout();
    void relayout();
    QRect placeWorkArea();
    int roomBeside();
    void placeGroups(const QRect& band, const QRect& right);
    void placeFitToggle(const QRect& messageBox);
    void setUpPreview();
    void followPreview();
    void focusStepButton();
    void speakQtLanguage(int language);
    void showUnsavedMark();

    std::unique_ptr<QtServices> qtServices_;
    Session session_;
    QWidget* client_ = nullptr;
    WorkArea* work_ = nullptr;
    QScrollArea* workView_ = nullptr; // holds the work area
    QScrollArea* rightColumn_ = nullptr;
    QScrollArea* bottomBand_ = nullptr;
    std::vector<QWidget*> columnGroups_; // in reading order
    std::vector<QWidget*> bandGroups_;   // in reading order; those that do not fit go to the right
    QWidget* cursorHolder_ = nullptr;    // in the column, holds the cursor group's host panel
    QToolButton* fitToggle_ = nullptr;   // checked: the work area at 100 %, else fitted
    QTimer* relayoutTimer_ = nullptr;
    std::unique_ptr<Binder> binder_;
    std::unique_ptr<PhotoDialogView> photoDialog_;
    std::unique_ptr<ShellView> shellView_;
    QTimer* playTimer_ = nullptr;
    QElapsedTimer playClock_;
    int pictureLanguage_ = 0;
    std::unique_ptr<QTranslator> qtFrench_; // Qt's own texts in French, while the program speaks it
    Step shownStep_ = Step::Start;          // the step whose main button took the focus last
    bool activated_ = false;
    Subscription placement_; // last: stops before the widgets go
};

} // namespace trajecta
