#pragma once

#include "platform/ControlId.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

namespace trajecta {

// How a panel or a group box arranges its children, in declaration order.
struct Arrangement {
    enum Kind {
        Automatic, // images only: stacked (a raised picture over its pressed twin); otherwise Vertical
        Vertical,
        Horizontal,
        Columns, // `count` columns, filled top to bottom, left column first; or as `counts` says
                 // (a radio group's items too, in `count` columns)
        Grid,    // `count` cells a row; a label takes a whole row
        Pairs,   // two cells a row; a panel or group of several controls takes a whole row
        Stacked, // all in one place, the last declared on top
        Placed,  // each where the model's geometry puts it, in a container of the model's size
        Rows,    // rows of `counts[i]` controls side by side; any left over take a row each
        Table,   // the rows of `cells`, then the children no cell names as `Rows` places them
    } kind = Automatic;
    int count = 1;
    QList<int> counts{}; // controls per row or column, in declaration order
    // A table's rows of cells, by control name; an empty name leaves a cell
    // empty. A cell may name a control of a panel the container holds: that
    // panel then shows nothing of its own, and its controls show in their
    // cells while the panel is visible.
    QList<QStringList> cells{};
};

// The look of the declared controls, by name, written beside the
// declarations of each window and read by the widgets that show them.
struct ControlLooks {
    QSet<QString> buttons;  // labels and panels drawn as push buttons: raised, sunken while pressed
    QSet<QString> wells;    // panels drawn sunken at rest, as a well for the text they hold
    QSet<QString> swatches; // panels whose face is the model's colour (colour swatches)
    std::map<QString, std::uint32_t> faces;      // panels and shapes of one fixed colour, 0x00BBGGRR
    std::map<QString, Arrangement> arrangements; // containers not arranged automatically
    // The order Tab visits the controls of a window: each name stands for the
    // control and everything it holds; what no name covers follows, in
    // declaration order.
    QStringList tabOrder;

    Arrangement arrangement(const QString& name) const {
        auto it = arrangements.find(name);
        return it == arrangements.end() ? Arrangement{} : it->second;
    }
};

// The names of controls, for the sets above.
inline QSet<QString> nameSet(AnyControlIds ids) {
    const QStringList names = controlNames(ids);
    return {names.begin(), names.end()};
}

// The looks of every window's controls.
const ControlLooks& controlLooks();

namespace inventory {

// The looks of each part of the inventory, beside its declarations.
void describeMainWindow(ControlLooks& looks);
void describeDialogs(ControlLooks& looks); // help, about, photo processing, second window, Extras

} // namespace inventory
} // namespace trajecta
