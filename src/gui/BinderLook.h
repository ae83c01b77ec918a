#pragma once

#include "app/LookInventory.h"
#include "platform/Controls.h"

#include <QPixmap>
#include <QStringList>
#include <functional>

class QWidget;

namespace trajecta {

// The look the window gives its controls; the binder asks it, control by control.
struct BinderLook {
    std::function<Arrangement(const QString& name)> arrangement;
    // Labels and panels drawn as push buttons: raised, sunken while pressed.
    std::function<bool(const QString& name)> isButton;
    // Panels drawn sunken at rest, as a well for the text they hold.
    std::function<bool(const QString& name)> isWell;
    // Panels whose face is the model's colour (colour swatches).
    std::function<bool(const QString& name)> isSwatch;
    std::function<QPixmap(const QString& name)> picture; // of an image
    // The order Tab visits the controls of a window: each name stands for the
    // control and everything it holds, in declaration order; what no name
    // covers follows, in declaration order.
    std::function<QStringList()> tabOrder;
    // A widget of the look's own for a control, or nullptr for the binder's
    // usual one. It must be of the class the binder gives that kind (a QLabel
    // for a label, a QFrame for a panel or shape).
    std::function<QWidget*(const ControlState& state, QWidget* parent)> make;
};

} // namespace trajecta
