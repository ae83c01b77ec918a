#pragma once

#include "app/Session.h"
#include "support/FakeServices.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

namespace trajecta {

// A session driven only through what a person can do, each action kept as the
// script-driver line that repeats it, so that a failing run can be replayed
// with `trajecta-cli script -`. The date and the decimal separator are fixed
// so that records are stable.
class UserSession {
  public:
    explicit UserSession(QSize window);
    UserSession(const UserSession&) = delete;
    UserSession& operator=(const UserSession&) = delete;

    Controls& c() { return session.controls(); }
    CurveDocument& doc() { return session.document(); }
    Step step() { return doc().workflow.currentStep; }

    // Each returns whether the control took the input (false when a person
    // could not reach it).
    bool click(const QString& name);
    bool set(const QString& name, int value); // slider, radio group or check box
    bool type(const QString& name, const QString& text);
    void clickAt(QPoint p);
    void drag(QPoint from, QPoint to);
    // The answer to the next message box or file dialog.
    void answer(const QString& text);
    // Puts `text` on the clipboard and presses the load button.
    bool loadObject(const QString& text);
    // Puts `text` on the clipboard and presses "nouvel objet" (step 6).
    bool readNewObject(const QString& text);

    QString clipboard() const { return fakes.clipboardText.value_or(QString()); }
    QString caption(const QString& name) { return c().get(name).text; }

    const QSize windowSize;
    FakeServices fakes;
    Session session;
    QStringList script;
    QStringList refused; // the lines of the actions the controls refused

  private:
    bool took(bool done);
    void mouse(MouseAction action, QPoint p, bool left);
};

} // namespace trajecta
