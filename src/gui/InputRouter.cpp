#include "gui/InputRouter.h"

#include "gui/Guarded.h"
#include "gui/StateSync.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

namespace trajecta {

namespace {

using K = ControlKind;

// What an edit replaced: the characters from..to of the text before by
// `inserted`.
struct TextChange {
    int from = 0;
    int to = 0;
    QString inserted;
};

// The change from `before` to `after`, where what was typed ends at `caret`
// of `after`: the text after the caret is what stayed, and so is the part the
// two texts share before the change.
TextChange textChange(const QString& before, const QString& after, int caret) {
    qsizetype tail = after.size() - caret;
    if (tail < 0 || tail > before.size() || !before.endsWith(after.mid(caret))) {
        tail = 0;
        while (tail < std::min(before.size(), after.size()) &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
    }
    qsizetype head = 0;
    const qsizetype limit = std::min(before.size(), after.size()) - tail;
    while (head < limit && before[head] == after[head])
        ++head;
    return {static_cast<int>(head), static_cast<int>(before.size() - tail),
            after.mid(head, after.size() - tail - head)};
}

// Drawn over the button that has the keyboard focus, which a label or a
// picture would not show by itself.
class FocusRing : public QWidget {
  public:
    explicit FocusRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

} // namespace

void InputRouter::afterInput() {
    if (afterInput_) guarded(afterInput_);
}

void InputRouter::windowClosed(const QString& name) {
    guarded([&] { b_.controls.setVisible(name, false); });
    afterInput();
}

void InputRouter::delivered(const QString& name) {
    guarded([&] {
        sync_.sync(b_.controls.get(name));
        if (afterInput_) afterInput_();
    });
}

// The model types what the edit took in where it went in, over what it
// replaced, so that its key filter judges each character in its place.
void InputRouter::edited(const QString& name, const QString& text, int caret) {
    const TextChange change = textChange(b_.controls.text(name), text, caret);
    b_.controls.setSelection(name, change.from, change.to);
    b_.controls.userInsert(name, change.inserted);
}

// While the edit holds a text the model has not taken yet, the change of
// text brings its own caret.
void InputRouter::followCaret(const QString& name, const QLineEdit* edit) {
    const ControlState& state = b_.controls.get(name);
    if (edit->text() != state.text) return;
    const int caret = edit->cursorPosition();
    const int anchor = selectionAnchor(edit);
    if (caret != state.caret || anchor != state.anchor) b_.controls.setSelection(name, anchor, caret);
}

// The bevels of the control and of the panel it is the face of.
void InputRouter::pressOrRelease(const QString& name) {
    sync_.syncBevel(name);
    if (const QString parent = b_.controls.get(name).parent; !parent.isEmpty()) sync_.syncBevel(parent);
}

bool InputRouter::mousePress(const QString& name) {
    b_.pressed = name;
    guarded([&] {
        pressOrRelease(name);
        b_.controls.userMouseDown(name);
        if (afterInput_) afterInput_();
    });
    return true;
}

// Taken where it first arrives: at the window, since Qt drops the release of
// a press whose widget was hidden meanwhile.
bool InputRouter::mouseRelease(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (b_.pressed.isEmpty() || pressKey_ != 0 || mouse->button() != Qt::LeftButton) return false;
    if (!watched->isWidgetType() && !watched->isWindowType()) return false;
    release(b_.pressed, false, mouse->globalPosition().toPoint());
    return watched->isWidgetType();
}

// Ends the press on `name`: from the keyboard it always clicks; from the
// mouse when released over the control, whose picture hears where.
void InputRouter::release(QString name, bool fromKey, const QPoint& globalPos) {
    b_.pressed.clear();
    guarded([&] {
        pressOrRelease(name);
        QWidget* w = b_.widget(name);
        const QPoint local = w ? w->mapFromGlobal(globalPos) : QPoint();
        const bool over = fromKey || (w && w->rect().contains(local));
        if (!fromKey && w && b_.controls.get(name).kind == K::Image)
            b_.controls.userMouse(name, MouseEvent{MouseAction::Up, local.x(), local.y(), true});
        b_.controls.userMouseUp(name);
        if (over) b_.controls.userClick(name);
    });
    // A handler that failed leaves the others to run: the window repaints.
    afterInput();
}

bool InputRouter::focusUses(QWidget* focus, QKeyEvent* key) const {
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        // Undo and redo are the window's: the model keeps every text.
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) return false;
        QKeyEvent probe(QEvent::ShortcutOverride, key->key(), key->modifiers(), key->text());
        probe.ignore();
        QCoreApplication::sendEvent(edit, &probe);
        return probe.isAccepted();
    }
    const int k = key->key();
    const bool arrow = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
    if (qobject_cast<QAbstractSlider*>(focus) || qobject_cast<QAbstractItemView*>(focus)) return arrow;
    if (qobject_cast<QRadioButton*>(focus)) return arrow || k == Qt::Key_Space;
    if (qobject_cast<QAbstractButton*>(focus)) return k == Qt::Key_Space;
    return false;
}

bool InputRouter::keyPress(QObject* watched, QEvent* event) {
    QWidget* focus = QApplication::focusWidget();
    // Each press once: at the focused control, or at the window when none has the focus.
    if (focus ? watched != focus : !static_cast<QWidget*>(watched)->isWindow()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (pressFromKey(focus, key)) return true;
    return toModel(watched, focus, key);
}

// Space or Enter on a focused control that acts as a button press it as the
// mouse does; the release of the key ends the press.
bool InputRouter::pressFromKey(QWidget* focus, QKeyEvent* key) {
    const bool pressKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!focus || !pressKey || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto it = b_.clickable.find(focus);
    if (it == b_.clickable.end() || !b_.controls.handlesClicks(it->second)) return false;
    if (!key->isAutoRepeat() && b_.pressed.isEmpty()) {
        pressKey_ = key->key();
        pressedFocus_ = focus;
        mousePress(it->second);
    }
    return true;
}

// Gives the key to the window it was pressed in and to the focused edit.
// Returns whether the widgets must not see it.
bool InputRouter::toModel(QObject* watched, QWidget* focus, QKeyEvent* key) {
    const Controls& c = b_.controls;
    // The keypad's Enter is Enter wherever it was pressed.
    const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    const QString keys = QKeySequence(combination).toString(QKeySequence::PortableText);
    const bool edit = focus && c.has(focus->objectName()) && c.get(focus->objectName()).kind == K::Edit;
    // A focused control other than an edit hears the keys it handles itself
    // (the arrows of the work area).
    const bool ownKeys = focus && !edit && c.has(focus->objectName()) && c.handlesKeys(focus->objectName());
    // An edit whose clipboard keys the model handles must not also copy or
    // paste by itself, or a paste would land twice.
    // Nor undo or redo by itself: the window's undo gives back every text.
    const bool taken = edit && ((c.handlesKeys(focus->objectName()) &&
                                 (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
                                  key->matches(QKeySequence::Paste))) ||
                                key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo));
    // The window the press came from hears it before the focused edit; a
    // shortcut takes it from both, unless the focused widget uses the key.
    const QString window = static_cast<QWidget*>(watched)->window()->objectName();
    // Not an open menu, whose keys are its own.
    const bool modelWindow =
        c.has(window) && (c.get(window).kind == K::Window || c.get(window).kind == K::Dialog);
    const bool shortcut = modelWindow && !c.shortcutTarget(window, keys).isEmpty();
    const bool focusKey = focus && focusUses(focus, key);
    const bool toShortcut = shortcut && !focusKey;
    guarded([&] {
        if (modelWindow && (toShortcut || (!shortcut && c.handlesKeys(window))))
            b_.controls.userKey(window, keys);
        if ((edit || ownKeys) && !toShortcut) b_.controls.userKey(focus->objectName(), keys);
    });
    afterInput();
    return taken || toShortcut;
}

bool InputRouter::keyRelease(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (pressKey_ == 0 || key->key() != pressKey_ || key->isAutoRepeat()) return false;
    pressKey_ = 0;
    release(b_.pressed, true, {});
    // A button that hid its raised picture while pressed lost the focus with it.
    if (pressedFocus_ && pressedFocus_->isVisible() && QApplication::focusWidget() != pressedFocus_)
        pressedFocus_->setFocus(Qt::OtherFocusReason);
    pressedFocus_.clear();
    return true;
}

void InputRouter::showFocus(QWidget* focused) {
    if (!focused) {
        if (focusRing_) focusRing_->hide();
        return;
    }
    if (!focusRing_) focusRing_ = new FocusRing(focused);
    focusRing_->setParent(focused);
    focusRing_->setGeometry(focused->rect());
    focusRing_->show();
    focusRing_->raise();
}

// The focus ring follows the focus and the size of the button it marks.
bool InputRouter::followFocus(QObject* watched, QEvent* event) {
    auto* w = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn)
        showFocus(b_.clickable.count(watched) && (w->focusPolicy() & Qt::TabFocus) ? w : nullptr);
    else if (focusRing_ && focusRing_->parentWidget() == watched && event->type() == QEvent::FocusOut)
        focusRing_->hide();
    else if (focusRing_ && focusRing_->parentWidget() == watched && event->type() == QEvent::Resize)
        focusRing_->setGeometry(w->rect());
    return false;
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) return mouseRelease(watched, event);
    if (!watched->isWidgetType()) return false;
    switch (event->type()) {
    case QEvent::Close: {
        // A window of the model closed by the window manager is hidden in the model too.
        auto* w = static_cast<QWidget*>(watched);
        auto it = b_.bound.find(w->objectName());
        if (it != b_.bound.end() && it->second.widget == w && it->second.kind == K::Window)
            windowClosed(it->first);
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto it = b_.clickable.find(watched);
        if (it == b_.clickable.end() || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        return mousePress(it->second);
    }
    case QEvent::KeyPress:
        return keyPress(watched, event);
    case QEvent::KeyRelease:
        return keyRelease(event);
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Resize:
        return followFocus(watched, event);
    default:
        return false;
    }
}

} // namespace trajecta
