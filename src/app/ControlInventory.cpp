#include "app/ControlInventory.h"

#include "app/LookInventory.h"

namespace trajecta {

namespace inventory {

ControlState& radio(Controls& c, RadioGroupId id, AnyControlId parent, const QStringList& items, int index) {
    ControlState& s = c.declare(id, parent);
    s.items = items;
    s.itemIndex = index;
    return s;
}

ControlState& radio(Controls& c, RadioGroupId id, AnyControlId parent, int itemCount, int index) {
    return radio(c, id, parent, QStringList(itemCount, QString()), index);
}

ControlState& slider(Controls& c, SliderId id, AnyControlId parent, int min, int max, int position) {
    ControlState& s = c.declare(id, parent);
    s.min = min;
    s.max = max;
    s.position = position;
    return s;
}

} // namespace inventory

void declareControls(Controls& c) {
    inventory::declareMainWindow(c);
    inventory::declareDialogs(c);
    inventory::declareSecondWindow(c);
    inventory::declareExtrasDialog(c);
}

const ControlLooks& controlLooks() {
    static const ControlLooks looks = [] {
        ControlLooks l;
        inventory::describeMainWindow(l);
        inventory::describeDialogs(l);
        return l;
    }();
    return looks;
}

} // namespace trajecta
