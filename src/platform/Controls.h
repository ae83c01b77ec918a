#pragma once

#include "platform/ControlId.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace trajecta {

const char* kindName(ControlKind kind);

enum class CursorShape { Arrow, Hand, SizeFDiag, SizeBDiag, SizeAll };

enum class MouseAction { Down, Move, Up, Click };

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    int x = 0;
    int y = 0;
    bool leftButton = true; // the left button is held (Down, Move) or was the one released
    bool shift = false;     // Shift is held
};

// The state of one control. Which fields matter depends on the kind; the
// others keep their defaults.
struct ControlState {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString parent; // empty: placed on the window itself
    bool visible = true;
    bool enabled = true;
    QString text; // caption, or the text of an edit
    QString hint; // tool tip
    bool checked = false;
    int itemIndex = -1;
    QStringList items;
    int min = 0;
    int max = 10;
    int position = 0;
    int caret = 0;
    // The other end of an edit's selection, which runs between it and the
    // caret; equal to the caret when nothing is selected.
    int anchor = 0;
    std::uint32_t colour = 0; // text colour, 0x00BBGGRR
    CursorShape cursor = CursorShape::Arrow;
    int fontHeight = 0;                           // 0: the default font
    bool lowered = false;                         // bevel of a panel pressed like a button
    int left = 0, top = 0, width = 0, height = 0; // geometry, where the core places a control
    // Keys that press the control, as "Ctrl+O" or "PgDown": a click for a
    // button or a menu item; for a slider the first key lowers its position
    // by one and the second raises it.
    QStringList shortcuts;

    bool operator==(const ControlState&) const = default;
};

class Controls;

// What a user input was, as the model's user entry points take it. A Hover is
// a mouse move with no button held.
enum class UserInput { Click, MouseDown, MouseUp, Type, Check, Item, Position, Hover, Mouse, Key };

// Hears of every user input the model accepts: before its handler runs and
// after it, and all it caused, has ended. Inputs that a handler gives in turn
// are part of the one being reported and are not reported themselves.
class UserInputListener {
  public:
    virtual ~UserInputListener() = default;
    virtual void beforeUserInput(const QString& name, UserInput input) = 0;
    virtual void afterUserInput(const QString& name, UserInput input) = 0;
};

// Keeps an observer of a Controls registered for its own lifetime. Safe to
// destroy after the Controls it came from.
class [[nodiscard]] Subscription {
  public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription();

    // Stops the observer; it is not called again, not even by a change
    // already being reported.
    void reset();

  private:
    friend class Controls;
    struct Entry;
    struct Registry;
    Subscription(std::weak_ptr<Registry> registry, std::shared_ptr<Entry> entry);
    std::weak_ptr<Registry> registry_;
    std::shared_ptr<Entry> entry_;
};

// The headless model of every control of the windows. Names are declared once
// and checked on every use: an undeclared name, or a name used as the wrong
// kind, throws std::logic_error (a programming error, never user input).
//
// Program changes run handlers as the classic desktop toolkits do: an edit's
// change handler when its text changes, a check box's or radio group's click
// handler when its state changes, a slider's change handler when its position
// changes (also when a new min or max clamps it). The value is stored before
// the handler runs, so handlers may read it and may change controls again.
class Controls {
  public:
    using Handler = std::function<void()>;
    using MouseHandler = std::function<void(const MouseEvent&)>;
    // Keys as the window names them: "Ctrl+W", "Ctrl+Shift+W", "A".
    using KeyHandler = std::function<void(const QString& keys)>;
    using Observer = std::function<void(const ControlState&)>;
    // A character typed into an edit, judged where it was typed: `text` is
    // the edit's text around the caret (a replaced selection already gone).
    // Gives the character that goes in, or nothing when the key is refused.
    using KeyFilter = std::function<std::optional<QChar>(QChar typed, const QString& text, int caret)>;

    Controls();
    ~Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    ControlState& declare(const QString& name, ControlKind kind, const QString& parent = {},
                          const QString& text = {});
    bool has(const QString& name) const;
    const ControlState& get(const QString& name) const;
    const ControlState& get(const QString& name, ControlKind kind) const;
    // Every declared name, in the order of declaration.
    const QStringList& names() const { return order_; }

    // Visible here and in every parent up the chain.
    bool showing(const QString& name) const;
    // The window or dialog at the root of the control's parent chain.
    QString windowOf(const QString& name) const;
    // The modal dialog shown last and still visible, or an empty text.
    QString openDialog() const;
    // The open modal dialog that keeps the user from this control, or an
    // empty text when none does.
    QString blockedBy(const QString& name) const;
    // Names of the controls whose parent is `name`, in declaration order.
    QStringList children(const QString& name) const;

    // Moves a control (and what it holds) into another parent. A parent that
    // is not declared, or that lies inside the control, throws.
    void reparent(const QString& name, const QString& newParent);

    // Program changes.
    void setVisible(const QString& name, bool visible);
    void show(const QString& name) { setVisible(name, true); }
    void hide(const QString& name) { setVisible(name, false); }
    void setEnabled(const QString& name, bool enabled);
    void setCaption(const QString& name, const QString& text); // no handler runs
    void setHint(const QString& name, const QString& hint);
    // Edits: change handler on change; a new text drops the selection.
    void setText(const QString& name, const QString& text);
    void setCaret(const QString& name, int caret); // drops the selection
    // What the edit shows selected, from `anchor` to `caret` (equal: nothing).
    void setSelection(const QString& name, int anchor, int caret);
    void setChecked(const QString& name, bool checked); // click handler on change
    void setItems(const QString& name, const QStringList& items);
    // Radio groups: click handler on change. Lists (whose lines the document
    // holds) take any line index, or -1 for none, and run no handler.
    void setItemIndex(const QString& name, int index);
    void setMin(const QString& name, int min);
    void setMax(const QString& name, int max);
    void setPosition(const QString& name, int position); // change handler on change
    void setColour(const QString& name, std::uint32_t colour);
    void setCursor(const QString& name, CursorShape cursor);
    void setFontHeight(const QString& name, int height);
    void setLowered(const QString& name, bool lowered);
    void setGeometry(const QString& name, int left, int top, int width, int height);
    void setShortcuts(const QString& name, const QStringList& keys);

    // Convenience readers.
    bool visible(const QString& name) const { return get(name).visible; }
    bool enabled(const QString& name) const { return get(name).enabled; }
    bool checked(const QString& name) const { return get(name, ControlKind::CheckBox).checked; }
    int itemIndex(const QString& name) const { return get(name, ControlKind::RadioGroup).itemIndex; }
    int position(const QString& name) const { return get(name, ControlKind::Slider).position; }
    const QString& text(const QString& name) const { return get(name).text; }

    // Handlers, registered by the subsystem that owns the behaviour.
    void onClick(const QString& name, Handler handler);
    void onChange(const QString& name, Handler handler);
    void onMouseDown(const QString& name, Handler handler);
    void onMouseUp(const QString& name, Handler handler);
    void onMouse(const QString& name, MouseHandler handler);
    void onKey(const QString& name, KeyHandler handler);
    // A key handler is registered: the control decides what its keys do.
    bool handlesKeys(const QString& name) const;
    // A click handler is registered: the control acts as a button.
    bool handlesClicks(const QString& name) const;
    // Windows whose key presses reach the shortcuts of each other's controls
    // (a window that hosts groups of another). Any other window reaches only
    // its own.
    void shareShortcuts(const QStringList& windows) { sharedShortcutWindows_ = windows; }
    // The control that `keys` pressed at `name` would press: one the user can
    // reach, in the window of `name` or one sharing shortcuts with it, the
    // first declared; an empty text when none.
    QString shortcutTarget(const QString& name, const QString& keys) const;
    // Characters an edit accepts when typed; others are dropped.
    void setKeyFilter(const QString& name, KeyFilter filter);
    // The same for a filter that accepts characters wherever they are typed.
    void setKeyFilter(const QString& name, const std::function<bool(QChar)>& accepts);

    // User input: what a person can do. Each refuses a control that is not
    // showing, not enabled or outside the open modal dialog, and then returns
    // false without any effect.
    bool userCanReach(const QString& name) const;
    bool userClick(const QString& name);
    bool userMouseDown(const QString& name);
    bool userMouseUp(const QString& name);
    // Replaces the whole text of an edit as typing it into an emptied edit
    // would: character after character at the end, each through the key filter.
    bool userType(const QString& name, const QString& text);
    // Types `text` at the caret: the selection goes, then each character is
    // judged by the key filter where it is typed; the caret follows what went
    // in. Nothing changes when every character is refused. An empty text
    // deletes the selection (Backspace or Delete over what they remove).
    bool userInsert(const QString& name, const QString& text);
    bool userSetChecked(const QString& name, bool checked);
    // A list runs its click handler on every click of a line.
    bool userSetItemIndex(const QString& name, int index);
    bool userSetPosition(const QString& name, int position);
    bool userMouse(const QString& name, const MouseEvent& event);
    // A key pressed at `name` (a window, or the edit with the focus). At a
    // window a shortcut takes it first, and it is reported as the input the
    // shortcut gives (a click, or a new position); otherwise the key handler
    // of `name` hears it.
    bool userKey(const QString& name, const QString& keys);

    // The same through the handles: the kind-specific calls take only the
    // kind they work on, so the compiler sees which control each call reaches.
    template <ControlKind K>
    ControlState& declare(ControlId<K> id, const QString& parent = {}, const QString& text = {}) {
        return declare(id.str(), K, parent, text);
    }
    template <ControlKind K>
    ControlState& declare(ControlId<K> id, AnyControlId parent, const QString& text = {}) {
        return declare(id.str(), K, parent.str(), text);
    }
    const ControlState& get(AnyControlId id) const { return get(id.str()); }
    const ControlState& get(AnyControlId id, ControlKind kind) const { return get(id.str(), kind); }
    bool showing(AnyControlId id) const { return showing(id.str()); }
    QString windowOf(AnyControlId id) const { return windowOf(id.str()); }
    QString blockedBy(AnyControlId id) const { return blockedBy(id.str()); }
    QStringList children(AnyControlId id) const { return children(id.str()); }
    void reparent(AnyControlId id, AnyControlId newParent) { reparent(id.str(), newParent.str()); }
    void setVisible(AnyControlId id, bool visible) { setVisible(id.str(), visible); }
    void show(AnyControlId id) { setVisible(id.str(), true); }
    void hide(AnyControlId id) { setVisible(id.str(), false); }
    void setEnabled(AnyControlId id, bool enabled) { setEnabled(id.str(), enabled); }
    void setCaption(AnyControlId id, const QString& text) { setCaption(id.str(), text); }
    void setHint(AnyControlId id, const QString& hint) { setHint(id.str(), hint); }
    void setText(EditId id, const QString& text) { setText(id.str(), text); }
    void setCaret(EditId id, int caret) { setCaret(id.str(), caret); }
    void setSelection(EditId id, int anchor, int caret) { setSelection(id.str(), anchor, caret); }
    void setChecked(CheckBoxId id, bool checked) { setChecked(id.str(), checked); }
    void setChecked(MenuItemId id, bool checked) { setChecked(id.str(), checked); }
    void setItems(RadioGroupId id, const QStringList& items) { setItems(id.str(), items); }
    void setItemIndex(RadioGroupId id, int index) { setItemIndex(id.str(), index); }
    void setItemIndex(ListId id, int index) { setItemIndex(id.str(), index); }
    void setMin(SliderId id, int min) { setMin(id.str(), min); }
    void setMax(SliderId id, int max) { setMax(id.str(), max); }
    void setPosition(SliderId id, int position) { setPosition(id.str(), position); }
    void setColour(AnyControlId id, std::uint32_t colour) { setColour(id.str(), colour); }
    void setCursor(AnyControlId id, CursorShape cursor) { setCursor(id.str(), cursor); }
    void setFontHeight(AnyControlId id, int height) { setFontHeight(id.str(), height); }
    void setLowered(AnyControlId id, bool lowered) { setLowered(id.str(), lowered); }
    void setGeometry(AnyControlId id, int left, int top, int width, int height) {
        setGeometry(id.str(), left, top, width, height);
    }
    void setShortcuts(AnyControlId id, const QStringList& keys) { setShortcuts(id.str(), keys); }
    bool visible(AnyControlId id) const { return visible(id.str()); }
    bool enabled(AnyControlId id) const { return enabled(id.str()); }
    bool checked(CheckBoxId id) const { return checked(id.str()); }
    int itemIndex(RadioGroupId id) const { return itemIndex(id.str()); }
    int position(SliderId id) const { return position(id.str()); }
    const QString& text(AnyControlId id) const { return text(id.str()); }
    void onClick(AnyControlId id, Handler handler) { onClick(id.str(), std::move(handler)); }
    // Only edits and sliders change by themselves.
    void onChange(EditId id, Handler handler) { onChange(id.str(), std::move(handler)); }
    void onChange(SliderId id, Handler handler) { onChange(id.str(), std::move(handler)); }
    void onMouseDown(AnyControlId id, Handler handler) { onMouseDown(id.str(), std::move(handler)); }
    void onMouseUp(AnyControlId id, Handler handler) { onMouseUp(id.str(), std::move(handler)); }
    void onMouse(AnyControlId id, MouseHandler handler) { onMouse(id.str(), std::move(handler)); }
    void onKey(AnyControlId id, KeyHandler handler) { onKey(id.str(), std::move(handler)); }
    bool handlesKeys(AnyControlId id) const { return handlesKeys(id.str()); }
    bool handlesClicks(AnyControlId id) const { return handlesClicks(id.str()); }
    void setKeyFilter(EditId id, KeyFilter filter) { setKeyFilter(id.str(), std::move(filter)); }
    void setKeyFilter(EditId id, const std::function<bool(QChar)>& accepts) {
        setKeyFilter(id.str(), accepts);
    }
    bool userCanReach(AnyControlId id) const { return userCanReach(id.str()); }
    bool userClick(AnyControlId id) { return userClick(id.str()); }
    bool userMouseDown(AnyControlId id) { return userMouseDown(id.str()); }
    bool userMouseUp(AnyControlId id) { return userMouseUp(id.str()); }
    bool userType(EditId id, const QString& text) { return userType(id.str(), text); }
    bool userInsert(EditId id, const QString& text) { return userInsert(id.str(), text); }
    bool userSetChecked(CheckBoxId id, bool checked) { return userSetChecked(id.str(), checked); }
    bool userSetItemIndex(RadioGroupId id, int index) { return userSetItemIndex(id.str(), index); }
    bool userSetItemIndex(ListId id, int index) { return userSetItemIndex(id.str(), index); }
    bool userSetPosition(SliderId id, int position) { return userSetPosition(id.str(), position); }
    bool userMouse(AnyControlId id, const MouseEvent& event) { return userMouse(id.str(), event); }
    bool userKey(AnyControlId id, const QString& keys) { return userKey(id.str(), keys); }

    // The one listener to user input, or nullptr. It must outlive the model
    // or be removed first.
    void setInputListener(UserInputListener* listener) { inputListener_ = listener; }

    // Every control's state, in declaration order, and putting such states
    // back: an operation that fails halfway restores what the user saw. No
    // handler runs; observers hear of every control that changes.
    std::vector<ControlState> states() const;
    void restoreStates(const std::vector<ControlState>& states);

    // The binder of a window listens to every state change (and to every
    // change of parent) for as long as it keeps the subscription.
    Subscription addObserver(Observer observer);

  private:
    struct Control;
    Control& find(const QString& name) const;
    Control& find(const QString& name, ControlKind kind) const;
    void changed(const Control& control);
    void dialogVisibility(const Control& control);
    static void run(const Handler& handler);
    class InputScope;

    struct NameHash {
        size_t operator()(const QString& name) const { return qHash(name); }
    };
    std::unordered_map<QString, std::unique_ptr<Control>, NameHash> controls_;
    QStringList order_;
    std::vector<Control*> inOrder_; // the controls of order_, for walking them all without look-ups
    std::shared_ptr<Subscription::Registry> observers_;
    QStringList openDialogs_; // visible modal dialogs, the last shown last
    UserInputListener* inputListener_ = nullptr;
    QStringList sharedShortcutWindows_;
    int inputDepth_ = 0; // user inputs under way, nested ones included
};

} // namespace trajecta
