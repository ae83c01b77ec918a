#pragma once

#include "app/Session.h"

#include <QObject>
#include <QPointer>

class QMainWindow;
class QResizeEvent;
class QWidget;

namespace trajecta {

class Binder;

// The windows' side of the shell: the second window stands where the model
// places it and the model follows it when the user moves or resizes it; the
// main window's place is kept in the document for the settings file and
// restored from it at start; the main window closes when the model closes it
// ("Quitter"), and closing it writes the settings.
class ShellView : public QObject {
  public:
    // Before the binder first writes the model to the widgets.
    ShellView(Session& session, Binder& binder, QMainWindow& mainWindow);

    // Shows the main window at the place the settings file gave, when that
    // place lies on a monitor there is now; otherwise where it is.
    void showMainWindow();
    // The main window is closing: the settings are written.
    void mainWindowClosing();
    // After every input: a second window the model has just shown again comes
    // to the front, in its normal state. When the user has just turned the
    // two-window layout on and the model shows the second window over the
    // main one (its default place is the middle of the screen), it goes
    // beside the main window instead (the model follows it there).
    void afterInput();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeSecondWindow(const ControlState& state);
    void placeBesideMainWindow();
    void keepGrownSecondOnScreen(const QResizeEvent& event);
    void keepMainWindowPlace();

    Session& session_;
    QMainWindow& main_;
    QPointer<QWidget> second_;
    bool secondShown_ = false;
    bool twoWindows_ = false;
    Subscription watch_;
};

} // namespace trajecta
