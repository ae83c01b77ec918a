#include "gui/Binder.h"

#include <QApplication>

namespace trajecta {

Binder::Binder(Controls& controls, QWidget* owner, QMenuBar* menuBar, BinderLook look,
               std::map<QString, QWidget*> custom)
    : look_(std::move(look)), bindings_{controls, look_}, layout_(bindings_), sync_(bindings_, layout_),
      router_(bindings_, sync_, afterInput), factory_(bindings_, router_, owner, menuBar) {
    for (auto& [name, widget] : custom) {
        Bound& b = bindings_.bound[name];
        b.kind = controls.get(name).kind;
        b.widget = widget;
        b.parent = controls.get(name).parent;
    }
    for (const QString& name : controls.names())
        if (!bindings_.bound.count(name)) factory_.build(controls.get(name));

    std::map<QString, QStringList> children;
    for (const QString& name : controls.names()) {
        const ControlState& s = controls.get(name);
        if (!s.parent.isEmpty() && s.kind != ControlKind::MenuItem && !custom.count(s.parent))
            children[s.parent].append(name);
    }
    // Tables come last: their cells take controls from panels already arranged.
    const auto isTable = [this](const QString& name) {
        return look_.arrangement && look_.arrangement(name).kind == Arrangement::Table;
    };
    for (const bool tables : {false, true})
        for (auto& [container, names] : children)
            if (isTable(container) == tables) layout_.arrange(container, names);

    subscription_ = controls.addObserver([this](const ControlState& state) { sync_.sync(state); });
    qApp->installEventFilter(&router_);
}

Binder::~Binder() = default;

void Binder::syncAll() {
    for (const QString& name : bindings_.controls.names())
        sync_.sync(bindings_.controls.get(name));
    sync_.refreshPictures();
    layout_.applyTabOrder();
}

} // namespace trajecta
