#pragma once

#include "gui/BinderLook.h"
#include "gui/Bindings.h"
#include "gui/InputRouter.h"
#include "gui/LayoutEngine.h"
#include "gui/StateSync.h"
#include "gui/WidgetFactory.h"

#include <functional>
#include <map>

class QMenuBar;

namespace trajecta {

// Builds one widget per declared control (objectName = the control's name;
// menu items become menus and actions of the menu bar), mirrors every change
// of the model to its widget with the widget's signals blocked, and hands the
// user's input to the model through its user entry points. State and
// behaviour stay in the model: after each input the widget is written again
// from the model, so a refused input leaves no trace on screen.
//
// A press on a label, panel, group box, image or shape gives userMouseDown;
// its release gives userMouseUp and then, when released over the control,
// userClick. The release on an image also reaches the model with its position
// in the image (userMouse), before userMouseUp. The release goes to the control that took the press even when
// the press hid it.
//
// What the user types into an edit reaches the model as typed where it went
// in, over what it replaced (userInsert), so that the model judges each
// character in its place; the model follows the edit's caret and selection
// as the user moves them.
//
// A key press goes, as a "Ctrl+W"-style text (userKey), to the control of
// the window it was pressed in (where the model's shortcuts take it first),
// and then to the focused edit. Keys the focused widget uses itself (typing
// and the caret keys of an edit, the arrows of a slider, a list or a radio
// group, the space bar of a check box) stay with it when a shortcut wants
// them. A label, panel or image that acts as a button takes the focus (a
// ring shows it), and Space or Enter press it as the mouse does: down on the
// press, up and click on the release.
//
// Each window of the model is a top-level widget, each dialog an
// application-modal QDialog; closing one by the window manager hides it in
// the model. A control given a new parent in the model moves to the new
// parent's widget. An exception from the model never leaves an event handler
// (see guarded).
//
// The binder owns the four parts that do this: the widget factory, the
// layout engine, the state sync and the input router.
class Binder {
  public:
    // `owner` owns the windows and dialogs the binder creates; `custom`
    // supplies ready-made widgets for some controls (the work area, the main
    // window's client area), whose children the binder does not arrange.
    Binder(Controls& controls, QWidget* owner, QMenuBar* menuBar, BinderLook look,
           std::map<QString, QWidget*> custom = {});
    ~Binder();
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    QWidget* widget(const QString& name) const { return bindings_.widget(name); }
    QWidget* widget(AnyControlId id) const { return widget(id.str()); }
    // Writes every control's state to its widget (after the window placed them).
    void syncAll();
    // Asks the look again for the pictures of every image (the language changed).
    void refreshPictures() { sync_.refreshPictures(); }

    // Runs after every input handed to the model.
    std::function<void()> afterInput;

  private:
    BinderLook look_;
    Bindings bindings_;
    LayoutEngine layout_;
    StateSync sync_;
    InputRouter router_;
    WidgetFactory factory_;
    Subscription subscription_; // last: the model stops calling before the rest goes
};

} // namespace trajecta
