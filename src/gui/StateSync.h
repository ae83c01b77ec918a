#pragma once

#include "gui/Bindings.h"

namespace trajecta {

class LayoutEngine;

// Mirrors the model on screen: writes a control's state to its widget or
// menu entry with the widget's signals blocked, so that nothing written here
// comes back as input.
class StateSync {
  public:
    StateSync(Bindings& bindings, LayoutEngine& layout) : b_(bindings), layout_(layout) {}

    void sync(const ControlState& state);
    // Asks the look for the picture of every image.
    void refreshPictures();
    // A button is drawn sunken while the model lowers it or while the user
    // holds the press on it (or on the label it carries).
    void syncBevel(const QString& name);

  private:
    void syncKind(const ControlState& state, Bound& bound);
    void syncEdit(const ControlState& state, Bound& bound);
    void syncMenuItem(const ControlState& state, Bound& bound);
    void syncRadios(const ControlState& state, Bound& bound);
    void syncLook(const ControlState& state, Bound& bound);

    Bindings& b_;
    LayoutEngine& layout_;
};

} // namespace trajecta
