#include "platform/Controls.h"
#include "platform/ControlRecord.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace trajecta {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Panel:
        return "panel";
    case ControlKind::GroupBox:
        return "group box";
    case ControlKind::CheckBox:
        return "check box";
    case ControlKind::RadioGroup:
        return "radio group";
    case ControlKind::Slider:
        return "slider";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::Image:
        return "image";
    case ControlKind::Shape:
        return "shape";
    case ControlKind::List:
        return "list";
    case ControlKind::MenuItem:
        return "menu item";
    case ControlKind::Window:
        return "window";
    case ControlKind::Dialog:
        return "dialog";
    }
    return "control";
}

struct Subscription::Entry {
    Controls::Observer observer;
    bool active = true;
};

struct Subscription::Registry {
    std::vector<std::shared_ptr<Entry>> entries;
};

Subscription::Subscription(std::weak_ptr<Registry> registry, std::shared_ptr<Entry> entry)
    : registry_(std::move(registry)), entry_(std::move(entry)) {}

Subscription::Subscription(Subscription&& other) noexcept
    : registry_(std::move(other.registry_)), entry_(std::move(other.entry_)) {}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        registry_ = std::move(other.registry_);
        entry_ = std::move(other.entry_);
    }
    return *this;
}

Subscription::~Subscription() {
    reset();
}

void Subscription::reset() {
    if (!entry_) return;
    entry_->active = false;
    if (auto registry = registry_.lock()) std::erase(registry->entries, entry_);
    entry_.reset();
    registry_.reset();
}

Controls::Controls() : observers_(std::make_shared<Subscription::Registry>()) {}
Controls::~Controls() = default;

ControlState& Controls::declare(const QString& name, ControlKind kind, const QString& parent,
                                const QString& text) {
    if (controls_.count(name)) throw std::logic_error("control declared twice: " + name.toStdString());
    if (!parent.isEmpty() && !controls_.count(parent))
        throw std::logic_error("parent of " + name.toStdString() +
                               " is not declared: " + parent.toStdString());
    auto control = std::make_unique<Control>();
    control->state.name = name;
    control->state.kind = kind;
    control->state.parent = parent;
    control->state.text = text;
    ControlState& state = control->state;
    inOrder_.push_back(control.get());
    controls_.emplace(name, std::move(control));
    order_.append(name);
    return state;
}

bool Controls::has(const QString& name) const {
    return controls_.count(name) != 0;
}

Controls::Control& Controls::find(const QString& name) const {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("no control named " + name.toStdString());
    return *it->second;
}

Controls::Control& Controls::find(const QString& name, ControlKind kind) const {
    Control& c = find(name);
    if (c.state.kind != kind)
        throw std::logic_error(name.toStdString() + " is a " + kindName(c.state.kind) + ", not a " +
                               kindName(kind));
    return c;
}

const ControlState& Controls::get(const QString& name) const {
    return find(name).state;
}
const ControlState& Controls::get(const QString& name, ControlKind kind) const {
    return find(name, kind).state;
}

bool Controls::showing(const QString& name) const {
    for (const Control* c = &find(name);;) {
        if (!c->state.visible) return false;
        if (c->state.parent.isEmpty()) return true;
        c = &find(c->state.parent);
    }
}

QString Controls::windowOf(const QString& name) const {
    const Control* c = &find(name);
    while (!c->state.parent.isEmpty())
        c = &find(c->state.parent);
    return c->state.name;
}

QString Controls::openDialog() const {
    for (auto it = openDialogs_.crbegin(); it != openDialogs_.crend(); ++it)
        if (find(*it).state.visible) return *it;
    // A dialog declared visible was never shown through setVisible.
    QString last;
    for (const Control* c : inOrder_)
        if (c->state.kind == ControlKind::Dialog && c->state.visible) last = c->state.name;
    return last;
}

QString Controls::blockedBy(const QString& name) const {
    const QString dialog = openDialog();
    if (dialog.isEmpty() || windowOf(name) == dialog) return {};
    return dialog;
}

QStringList Controls::children(const QString& name) const {
    find(name);
    QStringList names;
    for (const Control* c : inOrder_)
        if (c->state.parent == name) names.append(c->state.name);
    return names;
}

void Controls::reparent(const QString& name, const QString& newParent) {
    Control& c = find(name);
    for (const Control* p = &find(newParent);; p = &find(p->state.parent)) {
        if (p == &c) throw std::logic_error("cannot move " + name.toStdString() + " into itself");
        if (p->state.parent.isEmpty()) break;
    }
    if (c.state.parent == newParent) return;
    c.state.parent = newParent;
    changed(c);
}

std::vector<ControlState> Controls::states() const {
    std::vector<ControlState> all;
    all.reserve(inOrder_.size());
    for (const Control* control : inOrder_)
        all.push_back(control->state);
    return all;
}

void Controls::restoreStates(const std::vector<ControlState>& states) {
    // States taken by states() come in declaration order: no look-up by name.
    const bool inOrder = states.size() == inOrder_.size();
    for (std::size_t i = 0; i < states.size(); ++i) {
        const ControlState& state = states[i];
        Control& c = inOrder && inOrder_[i]->state.name == state.name && inOrder_[i]->state.kind == state.kind
                         ? *inOrder_[i]
                         : find(state.name, state.kind);
        if (c.state == state) continue;
        c.state = state;
        dialogVisibility(c);
        changed(c);
    }
}

void Controls::changed(const Control& control) {
    // A copy: an observer may subscribe or unsubscribe while being told.
    const auto entries = observers_->entries;
    for (const auto& entry : entries)
        if (entry->active) entry->observer(control.state);
}

void Controls::dialogVisibility(const Control& control) {
    if (control.state.kind != ControlKind::Dialog) return;
    openDialogs_.removeAll(control.state.name);
    if (control.state.visible) openDialogs_.append(control.state.name);
}

void Controls::run(const Handler& handler) {
    // A copy, so that a handler which replaces itself keeps running safely.
    if (Handler h = handler) h();
}

void Controls::setVisible(const QString& name, bool visible) {
    Control& c = find(name);
    if (c.state.visible == visible) return;
    c.state.visible = visible;
    dialogVisibility(c);
    changed(c);
}

void Controls::setEnabled(const QString& name, bool enabled) {
    Control& c = find(name);
    if (c.state.enabled == enabled) return;
    c.state.enabled = enabled;
    changed(c);
}

void Controls::setCaption(const QString& name, const QString& text) {
    Control& c = find(name);
    if (c.state.text == text) return;
    c.state.text = text;
    changed(c);
}

void Controls::setHint(const QString& name, const QString& hint) {
    Control& c = find(name);
    c.state.hint = hint;
    changed(c);
}

void Controls::setText(const QString& name, const QString& text) {
    Control& c = find(name, ControlKind::Edit);
    if (c.state.text == text) return;
    c.state.text = text;
    c.state.caret = static_cast<int>(std::min<qsizetype>(c.state.caret, text.size()));
    c.state.anchor = c.state.caret;
    changed(c);
    run(c.change);
}

void Controls::setCaret(const QString& name, int caret) {
    setSelection(name, caret, caret);
}

void Controls::setSelection(const QString& name, int anchor, int caret) {
    Control& c = find(name, ControlKind::Edit);
    const int size = static_cast<int>(c.state.text.size());
    caret = std::clamp(caret, 0, size);
    anchor = std::clamp(anchor, 0, size);
    if (c.state.caret == caret && c.state.anchor == anchor) return;
    c.state.caret = caret;
    c.state.anchor = anchor;
    changed(c);
}

void Controls::setChecked(const QString& name, bool checked) {
    Control& c = find(name);
    if (c.state.kind != ControlKind::CheckBox && c.state.kind != ControlKind::MenuItem)
        throw std::logic_error(name.toStdString() + " cannot be checked");
    if (c.state.checked == checked) return;
    c.state.checked = checked;
    changed(c);
    if (c.state.kind == ControlKind::CheckBox) run(c.click);
}

void Controls::setItems(const QString& name, const QStringList& items) {
    Control& c = find(name, ControlKind::RadioGroup);
    c.state.items = items;
    if (c.state.itemIndex >= items.size()) c.state.itemIndex = -1;
    changed(c);
}

void Controls::setItemIndex(const QString& name, int index) {
    Control& c = find(name);
    const bool list = c.state.kind == ControlKind::List;
    if (!list) find(name, ControlKind::RadioGroup);
    if (index < -1 || (!list && index >= c.state.items.size()))
        throw std::logic_error("item index out of range for " + name.toStdString());
    if (c.state.itemIndex == index) return;
    c.state.itemIndex = index;
    changed(c);
    if (!list) run(c.click);
}

void Controls::setMin(const QString& name, int min) {
    Control& c = find(name, ControlKind::Slider);
    c.state.min = min;
    if (c.state.max < min) c.state.max = min;
    const bool clamped = c.state.position < min;
    if (clamped) c.state.position = min;
    changed(c);
    if (clamped) run(c.change);
}

void Controls::setMax(const QString& name, int max) {
    Control& c = find(name, ControlKind::Slider);
    c.state.max = max;
    if (c.state.min > max) c.state.min = max;
    const bool clamped = c.state.position > max;
    if (clamped) c.state.position = max;
    changed(c);
    if (clamped) run(c.change);
}

void Controls::setPosition(const QString& name, int position) {
    Control& c = find(name, ControlKind::Slider);
    position = std::clamp(position, c.state.min, c.state.max);
    if (c.state.position == position) return;
    c.state.position = position;
    changed(c);
    run(c.change);
}

void Controls::setColour(const QString& name, std::uint32_t colour) {
    Control& c = find(name);
    if (c.state.colour == colour) return;
    c.state.colour = colour;
    changed(c);
}

void Controls::setCursor(const QString& name, CursorShape cursor) {
    Control& c = find(name);
    if (c.state.cursor == cursor) return;
    c.state.cursor = cursor;
    changed(c);
}

void Controls::setFontHeight(const QString& name, int height) {
    Control& c = find(name);
    if (c.state.fontHeight == height) return;
    c.state.fontHeight = height;
    changed(c);
}

void Controls::setLowered(const QString& name, bool lowered) {
    Control& c = find(name);
    if (c.state.lowered == lowered) return;
    c.state.lowered = lowered;
    changed(c);
}

void Controls::setGeometry(const QString& name, int left, int top, int width, int height) {
    Control& c = find(name);
    ControlState& s = c.state;
    if (s.left == left && s.top == top && s.width == width && s.height == height) return;
    s.left = left;
    s.top = top;
    s.width = width;
    s.height = height;
    changed(c);
}

void Controls::setShortcuts(const QString& name, const QStringList& keys) {
    Control& c = find(name);
    if (c.state.shortcuts == keys) return;
    c.state.shortcuts = keys;
    changed(c);
}

void Controls::onClick(const QString& name, Handler handler) {
    find(name).click = std::move(handler);
}
void Controls::onChange(const QString& name, Handler handler) {
    find(name).change = std::move(handler);
}
void Controls::onMouseDown(const QString& name, Handler handler) {
    find(name).mouseDown = std::move(handler);
}
void Controls::onMouseUp(const QString& name, Handler handler) {
    find(name).mouseUp = std::move(handler);
}
void Controls::onMouse(const QString& name, MouseHandler handler) {
    find(name).mouse = std::move(handler);
}
void Controls::onKey(const QString& name, KeyHandler handler) {
    find(name).key = std::move(handler);
}

bool Controls::handlesKeys(const QString& name) const {
    return static_cast<bool>(find(name).key);
}
bool Controls::handlesClicks(const QString& name) const {
    return static_cast<bool>(find(name).click);
}

QString Controls::shortcutTarget(const QString& name, const QString& keys) const {
    if (keys.isEmpty()) return {};
    const QString window = windowOf(name);
    const bool shared = sharedShortcutWindows_.contains(window);
    for (const Control* c : inOrder_) {
        const QString& other = c->state.name;
        if (!c->state.shortcuts.contains(keys) || !userCanReach(other)) continue;
        const QString otherWindow = windowOf(other);
        if (otherWindow == window || (shared && sharedShortcutWindows_.contains(otherWindow))) return other;
    }
    return {};
}

void Controls::setKeyFilter(const QString& name, KeyFilter filter) {
    find(name, ControlKind::Edit).keyFilter = std::move(filter);
}

void Controls::setKeyFilter(const QString& name, const std::function<bool(QChar)>& accepts) {
    setKeyFilter(name, [accepts](QChar typed, const QString&, int) -> std::optional<QChar> {
        if (accepts(typed)) return typed;
        return std::nullopt;
    });
}

Subscription Controls::addObserver(Observer observer) {
    auto entry = std::make_shared<Subscription::Entry>();
    entry->observer = std::move(observer);
    observers_->entries.push_back(entry);
    return Subscription(observers_, std::move(entry));
}

} // namespace trajecta
