#include "gui/StateSync.h"

#include "gui/LayoutEngine.h"
#include "gui/ShownText.h"
#include "platform/Canvas.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace trajecta {

namespace {

using K = ControlKind;

Qt::CursorShape qtCursor(CursorShape shape) {
    switch (shape) {
    case CursorShape::Arrow:
        return Qt::ArrowCursor;
    case CursorShape::Hand:
        return Qt::PointingHandCursor;
    case CursorShape::SizeFDiag:
        return Qt::SizeFDiagCursor;
    case CursorShape::SizeBDiag:
        return Qt::SizeBDiagCursor;
    case CursorShape::SizeAll:
        return Qt::SizeAllCursor;
    }
    return Qt::ArrowCursor;
}

// The keys of a control as the menus and tool tips show them.
QString shownKeys(const QStringList& keys) {
    QStringList shown;
    for (const QString& k : keys)
        shown << QKeySequence::fromString(k, QKeySequence::PortableText).toString(QKeySequence::NativeText);
    return shown.join(QStringLiteral(", "));
}

} // namespace

int selectionAnchor(const QLineEdit* edit) {
    if (!edit->hasSelectedText()) return edit->cursorPosition();
    return edit->cursorPosition() == edit->selectionStart() ? edit->selectionEnd() : edit->selectionStart();
}

void StateSync::sync(const ControlState& state) {
    auto it = b_.bound.find(state.name);
    if (it == b_.bound.end()) return;
    Bound& bound = it->second;
    if (bound.kind == K::MenuItem) {
        syncKind(state, bound);
        return;
    }
    QWidget* w = bound.widget;
    if (!w) return;
    if (bound.parent != state.parent) layout_.moveTo(state, bound);
    const QSignalBlocker blocker(w);
    syncKind(state, bound);
    syncLook(state, bound);
    if (layout_.placed(state)) w->setGeometry(state.left, state.top, state.width, state.height);
    w->setEnabled(state.enabled);
    if (const bool shows = b_.shows(state); w->isHidden() == shows) {
        w->setVisible(shows);
        // A dialog takes the keyboard as it opens and gives it back to its
        // window as it closes, even with no window manager to hand it over.
        if (state.kind == K::Dialog) (shows ? w : w->parentWidget()->window())->activateWindow();
    }
    if (b_.lending.count(state.name))
        for (const QString& lent : b_.controls.children(state.name))
            sync(b_.controls.get(lent));
}

void StateSync::refreshPictures() {
    if (!b_.look.picture) return;
    for (auto& [name, bound] : b_.bound)
        if (bound.kind == K::Image)
            if (auto* image = qobject_cast<QLabel*>(bound.widget.data()))
                image->setPixmap(b_.look.picture(name));
}

void StateSync::syncLook(const ControlState& state, Bound& bound) {
    QWidget* w = bound.widget;
    w->setToolTip(state.shortcuts.isEmpty() || state.hint.isEmpty()
                      ? state.hint
                      : state.hint + QStringLiteral(" (") + shownKeys(state.shortcuts) + QLatin1Char(')'));
    w->setCursor(state.cursor == CursorShape::Arrow && b_.looksLikeButton(state) ? Qt::PointingHandCursor
                                                                                 : qtCursor(state.cursor));
    // The model's font heights are those of a caption under the press and at
    // rest; here the press shows in the button's sunken bevel, and the caption
    // keeps the look's size throughout.
    w->setFont(bound.font);
    QPalette palette = bound.palette;
    if (b_.look.isSwatch && b_.look.isSwatch(state.name)) {
        palette.setColor(QPalette::Window, colourFromBgr(state.colour));
        w->setAutoFillBackground(true);
    } else if (state.colour != 0) {
        const QColor colour = colourFromBgr(state.colour);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
    }
    w->setPalette(palette);
    syncBevel(state.name);
}

void StateSync::syncKind(const ControlState& state, Bound& bound) {
    QWidget* w = bound.widget;
    switch (state.kind) {
    case K::Label:
        static_cast<QLabel*>(w)->setText(shownText(state.text));
        break;
    case K::Window:
    case K::Dialog:
        w->window()->setWindowTitle(state.text);
        break;
    case K::GroupBox:
        static_cast<QGroupBox*>(w)->setTitle(state.text);
        break;
    case K::CheckBox: {
        auto* box = static_cast<QCheckBox*>(w);
        box->setText(shownText(state.text));
        box->setChecked(state.checked);
        break;
    }
    case K::RadioGroup:
        syncRadios(state, bound);
        break;
    case K::Slider: {
        auto* slider = static_cast<QSlider*>(w);
        slider->setRange(state.min, state.max);
        slider->setValue(state.position);
        break;
    }
    case K::Edit:
        syncEdit(state, bound);
        break;
    case K::List: {
        auto* list = static_cast<QListWidget*>(w);
        list->clear();
        list->addItems(state.items);
        list->setCurrentRow(state.itemIndex);
        break;
    }
    case K::MenuItem:
        syncMenuItem(state, bound);
        break;
    case K::Panel:
    case K::Image:
    case K::Shape:
        break;
    }
}

void StateSync::syncEdit(const ControlState& state, Bound& bound) {
    auto* edit = static_cast<QLineEdit*>(bound.widget.data());
    if (edit->text() != state.text) edit->setText(state.text);
    if (edit->cursorPosition() != state.caret || selectionAnchor(edit) != state.anchor) {
        if (state.anchor == state.caret)
            edit->setCursorPosition(state.caret);
        else
            edit->setSelection(state.anchor, state.caret - state.anchor);
    }
}

void StateSync::syncMenuItem(const ControlState& state, Bound& bound) {
    if (bound.menu) bound.menu->setTitle(menuTitle(state.text));
    if (bound.action) {
        const QSignalBlocker blocker(bound.action);
        // The shortcut stands in the menu's column of keys; the model presses
        // the item. A command of the menu bar opens with Alt as a menu does.
        const bool onBar = qobject_cast<QMenuBar*>(bound.action->parent());
        bound.action->setText(onBar                       ? menuTitle(state.text)
                              : state.shortcuts.isEmpty() ? shownText(state.text)
                                                          : shownText(state.text) + QLatin1Char('\t') +
                                                                shownKeys(state.shortcuts.mid(0, 1)));
        bound.action->setCheckable(bound.action->isCheckable() || state.checked);
        bound.action->setChecked(state.checked);
        bound.action->setEnabled(state.enabled);
        bound.action->setVisible(state.visible);
    }
    if (bound.menu) bound.menu->menuAction()->setVisible(state.visible);
}

void StateSync::syncRadios(const ControlState& state, Bound& bound) {
    auto* group = static_cast<QGroupBox*>(bound.widget.data());
    group->setTitle(state.text);
    QList<QAbstractButton*> buttons = bound.radios->buttons();
    if (buttons.size() != state.items.size()) {
        for (QAbstractButton* button : buttons)
            delete button;
        buttons.clear();
        // Filled top to bottom, the left column first.
        const int columns = radioColumns(b_, state.name);
        const int rows = (int(state.items.size()) + columns - 1) / columns;
        auto* grid = qobject_cast<QGridLayout*>(group->layout());
        for (int i = 0; i < state.items.size(); ++i) {
            auto* radio = new QRadioButton(group);
            if (grid)
                grid->addWidget(radio, i % rows, i / rows);
            else
                group->layout()->addWidget(radio);
            bound.radios->addButton(radio, i);
            buttons.append(radio);
        }
    }
    const QSignalBlocker blocker(bound.radios);
    // An exclusive group cannot show "nothing chosen"; it is lifted while writing.
    bound.radios->setExclusive(false);
    for (int i = 0; i < buttons.size(); ++i) {
        const QSignalBlocker buttonBlocker(buttons[i]);
        buttons[i]->setText(shownText(state.items[i]));
        buttons[i]->setChecked(i == state.itemIndex);
    }
    bound.radios->setExclusive(true);
}

void StateSync::syncBevel(const QString& name) {
    auto* frame = qobject_cast<QFrame*>(b_.widget(name));
    if (!frame) return;
    const ControlState& s = b_.controls.get(name);
    if (!b_.isButton(name)) {
        const bool well = b_.look.isWell && b_.look.isWell(name);
        if (s.kind == K::Panel)
            frame->setFrameStyle(s.lowered || well ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        return;
    }
    const QString& pressed = b_.pressed;
    bool down = s.lowered || pressed == name;
    if (!pressed.isEmpty() && b_.controls.has(pressed) && b_.controls.get(pressed).parent == name)
        down = true;
    frame->setFrameStyle(QFrame::Panel | (down ? QFrame::Sunken : QFrame::Raised));
    frame->setLineWidth(2);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, down ? buttonDown : buttonFace);
    frame->setPalette(palette);
}

} // namespace trajecta
