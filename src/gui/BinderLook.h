#pragma once

#include "platform/Controls.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <functional>

class QWidget;

namespace trajecta {

// How a panel or a group box arranges its children, in declaration order.
struct Arrangement {
    enum Kind {
        Automatic, // images only: stacked (a raised picture over its pressed twin); otherwise Vertical
        Vertical,
        Horizontal,
        Columns, // `count` columns, filled top to bottom, left column first; or as `counts` says
        Grid,    // `count` cells a row; a label takes a whole row
        Pairs,   // two cells a row; a panel or group of several controls takes a whole row
        Stacked, // all in one place, the last declared on top
        Placed,  // each where the model's geometry puts it, in a container of the model's size
        Rows,    // rows of `counts[i]` controls side by side; any left over take a row each
    } kind = Automatic;
    int count = 1;
    QList<int> counts{}; // controls per row or column, in declaration order
};

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
