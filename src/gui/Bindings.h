#pragma once

#include "gui/BinderLook.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <map>
#include <set>

class QAction;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QObject;

namespace trajecta {

// The face of a button at rest, and while it is held down.
inline const QColor buttonFace(0xdd, 0xe5, 0xef);
inline const QColor buttonDown(0xc4, 0xcf, 0xdc);

// What stands on screen for one control of the model.
struct Bound {
    ControlKind kind = ControlKind::Label;
    QPointer<QWidget> widget;
    QPointer<QAction> action;
    QPointer<QMenu> menu;
    QButtonGroup* radios = nullptr;
    QString parent;   // the model's parent the widget was placed in
    QFont font;       // the look's font, kept whatever font height the model sets
    QPalette palette; // the look's colours; a text colour from the model adds to it
};

// What the parts of the binder share: the model, the look, what stands on
// screen for each control, and the control the user holds pressed.
struct Bindings {
    Controls& controls;
    const BinderLook& look;
    std::map<QString, Bound> bound{};
    std::map<QObject*, QString> clickable{}; // the widgets that take presses, with their control
    QString pressed{};                       // by the mouse or by a key, until released
    // Panels whose controls stand in the cells of an outer container's table:
    // such a panel stays hidden, and its controls show while it is visible.
    std::set<QString> lending{};

    QWidget* widget(const QString& name) const {
        auto it = bound.find(name);
        return it == bound.end() ? nullptr : it->second.widget.data();
    }
    // Whether the control's widget shows, as far as the model and the tables say.
    bool shows(const ControlState& state) const {
        if (lending.count(state.name)) return false;
        return state.visible && (!lending.count(state.parent) || controls.get(state.parent).visible);
    }
    bool isButton(const QString& name) const { return look.isButton && look.isButton(name); }
    // A button of the look, or the label that is the face of a button panel.
    bool looksLikeButton(const ControlState& state) const {
        return isButton(state.name) || (state.kind == ControlKind::Label && isButton(state.parent));
    }
};

// The columns the look gives a radio group's items (1 unless it asks for more).
inline int radioColumns(const Bindings& b, const QString& name) {
    if (!b.look.arrangement) return 1;
    const Arrangement how = b.look.arrangement(name);
    return how.kind == Arrangement::Columns ? std::max(1, how.count) : 1;
}

// The other end of an edit's selection: its caret when nothing is selected.
int selectionAnchor(const QLineEdit* edit);

} // namespace trajecta
