#pragma once

#include "gui/Bindings.h"

#include <QObject>
#include <functional>

class QKeyEvent;

namespace trajecta {

class StateSync;

// Hands the user's input to the model through its user entry points, then
// writes the control again from the model, so that a refused input leaves
// no trace on screen. Installed as the application's event filter, it takes
// the presses and releases of the controls that act as buttons, the keys of
// the model's windows and the focus ring; the widgets' own signals reach it
// through the handlers below. An exception from the model never leaves it
// (see guarded).
class InputRouter : public QObject {
  public:
    // `afterInput` runs after every input handed to the model.
    InputRouter(Bindings& bindings, StateSync& sync, const std::function<void()>& afterInput)
        : b_(bindings), sync_(sync), afterInput_(afterInput) {}

    // The model took an input of `name`: its widget is written again.
    void delivered(const QString& name);
    // The window manager closed a window or a dialog: the model hides it.
    void windowClosed(const QString& name);
    // The user changed the text of an edit; what was typed ends at `caret`.
    void edited(const QString& name, const QString& text, int caret);
    // The caret or the selection moved in the edit.
    void followCaret(const QString& name, const QLineEdit* edit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool mousePress(const QString& name);
    bool mouseRelease(QObject* watched, QEvent* event);
    void release(QString name, bool fromKey, const QPoint& globalPos);
    void pressOrRelease(const QString& name);
    bool keyPress(QObject* watched, QEvent* event);
    bool pressFromKey(QWidget* focus, QKeyEvent* key);
    bool toModel(QObject* watched, QWidget* focus, QKeyEvent* key);
    bool keyRelease(QEvent* event);
    bool focusUses(QWidget* focus, QKeyEvent* key) const;
    void afterInput();
    void showFocus(QWidget* focused);
    bool followFocus(QObject* watched, QEvent* event);

    Bindings& b_;
    StateSync& sync_;
    const std::function<void()>& afterInput_;
    int pressKey_ = 0;               // the key holding a press given from the keyboard
    QPointer<QWidget> pressedFocus_; // the button that had the focus when the key pressed it
    QPointer<QWidget> focusRing_;
};

} // namespace trajecta
