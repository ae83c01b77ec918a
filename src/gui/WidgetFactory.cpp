#include "gui/WidgetFactory.h"

#include "gui/Guarded.h"
#include "gui/InputRouter.h"
#include "gui/ShownText.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QVBoxLayout>

namespace trajecta {

namespace {

using K = ControlKind;

constexpr int buttonHeight = 30;

bool takesPresses(ControlKind kind) {
    return kind == K::Label || kind == K::Panel || kind == K::GroupBox || kind == K::Image ||
           kind == K::Shape;
}

} // namespace

template <typename Call> auto WidgetFactory::input(const QString& name, Call call) {
    return [this, name, call](auto... args) {
        guarded([&] { call(args...); });
        router_.delivered(name);
    };
}

void WidgetFactory::build(const ControlState& state) {
    Bound& bound = b_.bound[state.name];
    bound.kind = state.kind;
    bound.parent = state.parent;
    if (state.kind == K::MenuItem) {
        buildMenu(state, bound);
        return;
    }
    bound.widget = make(state, bound);
    bound.widget->setObjectName(state.name);
    if (b_.looksLikeButton(state)) dressAsButton(state, bound);
    if (takesPresses(state.kind)) {
        b_.clickable[bound.widget.data()] = state.name;
        if (b_.controls.handlesClicks(state.name)) bound.widget->setFocusPolicy(Qt::StrongFocus);
    }
}

// A label that fills a button panel is the button's face.
void WidgetFactory::dressAsButton(const ControlState& state, Bound& bound) {
    bound.font.setBold(true);
    bound.palette.setColor(QPalette::Window, buttonFace);
    bound.widget->setAutoFillBackground(true);
    auto* label = qobject_cast<QLabel*>(bound.widget.data());
    if (!label) return;
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMinimumHeight(buttonHeight);
    label->setMargin(2);
    if (!b_.isButton(state.name)) {
        // The panel carries the bevel and the colour.
        bound.palette = QPalette();
        bound.widget->setAutoFillBackground(false);
    }
}

QWidget* WidgetFactory::make(const ControlState& state, Bound& bound) {
    QWidget* parent = owner_;
    if (!state.parent.isEmpty())
        if (QWidget* w = b_.widget(state.parent)) parent = w;
    if (b_.look.make)
        if (QWidget* own = b_.look.make(state, parent)) return own;
    switch (state.kind) {
    case K::Window:
        return new QWidget(owner_, Qt::Window);
    case K::Dialog: {
        auto* dialog = new QDialog(owner_);
        dialog->setWindowModality(Qt::ApplicationModal);
        // Closed by Escape or by the window manager, it gives the keyboard back too.
        QObject::connect(dialog, &QDialog::finished, &router_, [this, dialog, name = state.name] {
            router_.windowClosed(name);
            dialog->parentWidget()->window()->activateWindow();
        });
        return dialog;
    }
    case K::Label:
        return new QLabel(parent);
    case K::Image: {
        auto* image = new QLabel(parent);
        image->setAlignment(Qt::AlignCenter);
        return image;
    }
    case K::Panel:
    case K::Shape:
        return new QFrame(parent);
    case K::GroupBox:
        return new QGroupBox(parent);
    case K::CheckBox:
    case K::RadioGroup:
    case K::Slider:
    case K::Edit:
    case K::List:
        return makeInput(state, bound, parent);
    case K::MenuItem:
        break;
    }
    return new QWidget(parent);
}

// A widget that takes input; every handler of its signals calls the model
// through `guarded`.
QWidget* WidgetFactory::makeInput(const ControlState& state, Bound& bound, QWidget* parent) {
    Controls& c = b_.controls;
    const QString name = state.name;
    if (state.kind == K::CheckBox) {
        auto* box = new QCheckBox(parent);
        QObject::connect(box, &QCheckBox::clicked, &router_,
                         input(name, [&c, name](bool checked) { c.userSetChecked(name, checked); }));
        return box;
    }
    if (state.kind == K::RadioGroup) {
        auto* group = new QGroupBox(parent);
        // Items in columns when the look asks for them, else one under the other.
        if (radioColumns(b_, name) > 1)
            new QGridLayout(group);
        else
            new QVBoxLayout(group);
        bound.radios = new QButtonGroup(group);
        QObject::connect(bound.radios, &QButtonGroup::idClicked, &router_,
                         input(name, [&c, name](int index) { c.userSetItemIndex(name, index); }));
        return group;
    }
    if (state.kind == K::Slider) {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        QObject::connect(slider, &QSlider::valueChanged, &router_,
                         input(name, [&c, name](int position) { c.userSetPosition(name, position); }));
        // The press and the release frame a drag of the handle, which the
        // model takes as one change.
        QObject::connect(slider, &QSlider::sliderPressed, &router_,
                         input(name, [&c, name] { c.userMouseDown(name); }));
        QObject::connect(slider, &QSlider::sliderReleased, &router_,
                         input(name, [&c, name] { c.userMouseUp(name); }));
        return slider;
    }
    if (state.kind == K::Edit) return makeEdit(name, parent);
    auto* list = new QListWidget(parent);
    QObject::connect(
        list, &QListWidget::itemClicked, &router_,
        input(name, [&c, name, list](QListWidgetItem* item) { c.userSetItemIndex(name, list->row(item)); }));
    return list;
}

QWidget* WidgetFactory::makeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textEdited, &router_,
                     input(name, [this, name, edit](const QString& text) {
                         router_.edited(name, text, edit->cursorPosition());
                     }));
    // The model follows the caret and the selection as the user moves them.
    const auto follow = [this, name, edit] { guarded([&] { router_.followCaret(name, edit); }); };
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, &router_, follow);
    QObject::connect(edit, &QLineEdit::selectionChanged, &router_, follow);
    return edit;
}

// A menu item placed on a window is a menu of its menu bar, or, when it holds
// no items, a command of the menu bar itself.
void WidgetFactory::buildMenu(const ControlState& state, Bound& bound) {
    Controls& c = b_.controls;
    const bool onBar = state.parent.isEmpty() || c.get(state.parent).kind != K::MenuItem;
    if (onBar && !c.children(state.name).isEmpty()) {
        bound.menu = menuBar_->addMenu(menuTitle(state.text));
        bound.menu->setObjectName(state.name);
        return;
    }
    auto inMenu = [&c](const QString& name) {
        const QString& parent = c.get(name).parent;
        return !parent.isEmpty() && c.get(parent).kind == K::MenuItem;
    };
    QString top = state.parent;
    while (inMenu(top))
        top = c.get(top).parent;
    QMenu* menu = onBar ? nullptr : b_.bound[top].menu.data();
    if (!onBar && !menu) return;
    bound.action =
        onBar ? menuBar_->addAction(menuTitle(state.text)) : menu->addAction(shownText(state.text));
    bound.action->setObjectName(state.name);
    QObject::connect(bound.action, &QAction::triggered, &router_, [this, name = state.name] {
        guarded([&] { b_.controls.userClick(name); });
        router_.delivered(name);
    });
}

} // namespace trajecta
