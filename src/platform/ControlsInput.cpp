// What a person does to the controls: every user input, refused where a
// person could not reach the control, reported to the listener around its
// handling.

#include "platform/ControlRecord.h"
#include "platform/Controls.h"

#include <algorithm>

namespace trajecta {

namespace {
// What goes in when `typed` is typed at `caret` of `text`: with no filter,
// the character itself.
std::optional<QChar> admitted(const Controls::KeyFilter& filter, QChar typed, const QString& text,
                              int caret) {
    if (!filter) return typed;
    return filter(typed, text, caret);
}
} // namespace

// Reports one accepted user input to the listener around its handling. An
// input given while another is being handled belongs to the outer one.
class Controls::InputScope {
  public:
    InputScope(Controls& controls, const QString& name, UserInput input)
        : controls_(controls), name_(name), input_(input), outer_(controls.inputDepth_++ == 0) {
        if (outer_ && controls_.inputListener_) controls_.inputListener_->beforeUserInput(name_, input_);
    }
    ~InputScope() {
        --controls_.inputDepth_;
        // Not while an exception unwinds: it reports a programming error, and
        // the listener must not add a second one.
        if (outer_ && controls_.inputListener_ && std::uncaught_exceptions() == 0)
            controls_.inputListener_->afterUserInput(name_, input_);
    }
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;

  private:
    Controls& controls_;
    QString name_;
    UserInput input_;
    bool outer_;
};

bool Controls::userCanReach(const QString& name) const {
    return showing(name) && find(name).state.enabled && blockedBy(name).isEmpty();
}

bool Controls::userClick(const QString& name) {
    if (!userCanReach(name)) return false;
    InputScope scope(*this, name, UserInput::Click);
    Control& c = find(name);
    switch (c.state.kind) {
    case ControlKind::CheckBox:
        setChecked(name, !c.state.checked);
        break;
    case ControlKind::Edit:
    case ControlKind::Slider:
        break;
    default:
        run(c.click);
        break;
    }
    return true;
}

bool Controls::userMouseDown(const QString& name) {
    if (!userCanReach(name)) return false;
    InputScope scope(*this, name, UserInput::MouseDown);
    run(find(name).mouseDown);
    return true;
}

bool Controls::userMouseUp(const QString& name) {
    // The release reaches the control that took the press, even if the press
    // hid it (an image button hides its raised picture while pressed).
    Control& c = find(name);
    if (!c.state.enabled || !blockedBy(name).isEmpty()) return false;
    InputScope scope(*this, name, UserInput::MouseUp);
    run(c.mouseUp);
    return true;
}

bool Controls::userType(const QString& name, const QString& text) {
    if (!userCanReach(name)) return false;
    InputScope scope(*this, name, UserInput::Type);
    Control& c = find(name, ControlKind::Edit);
    QString accepted;
    for (QChar ch : text)
        if (const std::optional<QChar> k =
                admitted(c.keyFilter, ch, accepted, static_cast<int>(accepted.size())))
            accepted += *k;
    c.state.caret = c.state.anchor = static_cast<int>(accepted.size());
    setText(name, accepted);
    return true;
}

bool Controls::userInsert(const QString& name, const QString& text) {
    if (!userCanReach(name)) return false;
    InputScope scope(*this, name, UserInput::Type);
    Control& c = find(name, ControlKind::Edit);
    const int from = std::min(c.state.anchor, c.state.caret);
    const int to = std::max(c.state.anchor, c.state.caret);
    QString result = c.state.text.left(from) + c.state.text.mid(to);
    int caret = from;
    bool changes = text.isEmpty();
    for (QChar ch : text) {
        if (const std::optional<QChar> k = admitted(c.keyFilter, ch, result, caret)) {
            result.insert(caret++, *k);
            changes = true;
        }
    }
    if (!changes) return true;
    c.state.caret = c.state.anchor = caret;
    if (result == c.state.text)
        changed(c);
    else
        setText(name, result);
    return true;
}

bool Controls::userSetChecked(const QString& name, bool checked) {
    if (!userCanReach(name)) return false;
    InputScope scope(*this, name, UserInput::Check);
    find(name, ControlKind::CheckBox);
    setChecked(name, checked);
    return true;
}

bool Controls::userSetItemIndex(const QString& name, int index) {
    if (!userCanReach(name)) return false;
    const Control& c = find(name);
    if (c.state.kind == ControlKind::List) {
        if (index < 0) return false;
        setItemIndex(name, index);
        run(c.click);
        return true;
    }
    find(name, ControlKind::RadioGroup);
    if (index < 0 || index >= c.state.items.size()) return false;
    InputScope scope(*this, name, UserInput::Item);
    setItemIndex(name, index);
    return true;
}

bool Controls::userSetPosition(const QString& name, int position) {
    if (!userCanReach(name)) return false;
    InputScope scope(*this, name, UserInput::Position);
    setPosition(name, position);
    return true;
}

bool Controls::userMouse(const QString& name, const MouseEvent& event) {
    if (!userCanReach(name)) return false;
    const bool hover = event.action == MouseAction::Move && !event.leftButton;
    InputScope scope(*this, name, hover ? UserInput::Hover : UserInput::Mouse);
    if (MouseHandler h = find(name).mouse) h(event);
    return true;
}

bool Controls::userKey(const QString& name, const QString& keys) {
    if (!userCanReach(name)) return false;
    const ControlKind kind = find(name).state.kind;
    // A key pressed in a control (an edit) is the control's own.
    const bool atWindow = kind == ControlKind::Window || kind == ControlKind::Dialog;
    if (const QString target = atWindow ? shortcutTarget(name, keys) : QString(); !target.isEmpty()) {
        const ControlState& s = find(target).state;
        if (s.kind != ControlKind::Slider) return userClick(target);
        const int step = s.shortcuts.indexOf(keys) == 0 ? -1 : 1;
        return userSetPosition(target, s.position + step);
    }
    InputScope scope(*this, name, UserInput::Key);
    if (KeyHandler h = find(name).key) h(keys);
    return true;
}

} // namespace trajecta
