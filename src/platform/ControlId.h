#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace trajecta {

// A Window is a top-level window the user can leave for another; a Dialog is
// modal: while one is visible, user input outside it is refused.
enum class ControlKind {
    Label,
    Panel,
    GroupBox,
    CheckBox,
    RadioGroup,
    Slider,
    Edit,
    Image,
    Shape,
    List,
    MenuItem,
    Window,
    Dialog
};

// A control named in the program, with the kind it was declared as: a call
// that needs a slider takes a SliderId, so the compiler refuses any other
// kind. Cheap to copy; the names live in document/ControlIds.h.
template <ControlKind K> struct ControlId {
    static constexpr ControlKind kind = K;
    const char* name;

    QString str() const { return QString::fromLatin1(name); }
};

using LabelId = ControlId<ControlKind::Label>;
using PanelId = ControlId<ControlKind::Panel>;
using GroupBoxId = ControlId<ControlKind::GroupBox>;
using CheckBoxId = ControlId<ControlKind::CheckBox>;
using RadioGroupId = ControlId<ControlKind::RadioGroup>;
using SliderId = ControlId<ControlKind::Slider>;
using EditId = ControlId<ControlKind::Edit>;
using ImageId = ControlId<ControlKind::Image>;
using ShapeId = ControlId<ControlKind::Shape>;
using ListId = ControlId<ControlKind::List>;
using MenuItemId = ControlId<ControlKind::MenuItem>;
using WindowId = ControlId<ControlKind::Window>;
using DialogId = ControlId<ControlKind::Dialog>;

// Any control, for what every kind takes (showing, enabling, captions,
// colours, geometry, handlers). Every handle converts to it.
struct AnyControlId {
    const char* name;
    ControlKind kind;

    template <ControlKind K>
    constexpr AnyControlId(ControlId<K> id) : name(id.name), kind(K) {} // NOLINT: converts on purpose

    QString str() const { return QString::fromLatin1(name); }
};

// A name from the model (an observer's state, a parent) is this control.
inline bool operator==(const QString& name, AnyControlId id) {
    return name == QLatin1String(id.name);
}

inline bool operator==(AnyControlId a, AnyControlId b) {
    return QLatin1String(a.name) == QLatin1String(b.name);
}

// A list of controls of mixed kinds: `for (AnyControlId id : AnyControlIds{...})`.
using AnyControlIds = std::initializer_list<AnyControlId>;

// The names of `ids`, in order, for the edges that speak names.
inline QStringList controlNames(AnyControlIds ids) {
    QStringList names;
    for (AnyControlId id : ids)
        names << id.str();
    return names;
}

} // namespace trajecta
