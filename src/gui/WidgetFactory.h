#pragma once

#include "gui/Bindings.h"

class QMenuBar;

namespace trajecta {

class InputRouter;

// Builds what stands on screen for each declared control: a widget named
// after the control, in the widget of its parent (each window a top-level
// widget, each dialog an application-modal QDialog), or a menu or action of
// the menu bar for a menu item. The signals of the widgets that take input
// go to the input router.
class WidgetFactory {
  public:
    // `owner` owns the windows and dialogs.
    WidgetFactory(Bindings& bindings, InputRouter& router, QWidget* owner, QMenuBar* menuBar)
        : b_(bindings), router_(router), owner_(owner), menuBar_(menuBar) {}

    void build(const ControlState& state);

  private:
    QWidget* make(const ControlState& state, Bound& bound);
    QWidget* makeInput(const ControlState& state, Bound& bound, QWidget* parent);
    QWidget* makeEdit(const QString& name, QWidget* parent);
    void dressAsButton(const ControlState& state, Bound& bound);
    void buildMenu(const ControlState& state, Bound& bound);
    // Calls the model through `guarded`, then writes the control again.
    template <typename Call> auto input(const QString& name, Call call);

    Bindings& b_;
    InputRouter& router_;
    QWidget* owner_;
    QMenuBar* menuBar_;
};

} // namespace trajecta
