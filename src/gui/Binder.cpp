#include "gui/Binder.h"

#include "gui/Guarded.h"
#include "gui/ShownText.h"
#include "platform/Canvas.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace trajecta {

namespace {

using K = ControlKind;

constexpr int buttonHeight = 30;
const QColor buttonFace(0xdd, 0xe5, 0xef);
const QColor buttonDown(0xc4, 0xcf, 0xdc);

bool takesPresses(ControlKind kind) {
    return kind == K::Label || kind == K::Panel || kind == K::GroupBox || kind == K::Image ||
           kind == K::Shape;
}

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

// The other end of an edit's selection: its caret when nothing is selected.
int anchorOf(const QLineEdit* edit) {
    if (!edit->hasSelectedText()) return edit->cursorPosition();
    return edit->cursorPosition() == edit->selectionStart() ? edit->selectionEnd() : edit->selectionStart();
}

// The keys of a control as the menus and tool tips show them.
QString shownKeys(const QStringList& keys) {
    QStringList shown;
    for (const QString& k : keys)
        shown << QKeySequence::fromString(k, QKeySequence::PortableText).toString(QKeySequence::NativeText);
    return shown.join(QStringLiteral(", "));
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

Binder::Binder(Controls& controls, QWidget* owner, QMenuBar* menuBar, BinderLook look,
               std::map<QString, QWidget*> custom)
    : controls_(controls), owner_(owner), menuBar_(menuBar), look_(std::move(look)) {
    for (auto& [name, widget] : custom) {
        Bound& b = bound_[name];
        b.kind = controls_.get(name).kind;
        b.widget = widget;
        b.parent = controls_.get(name).parent;
    }
    for (const QString& name : controls_.names())
        if (!bound_.count(name)) build(controls_.get(name));

    std::map<QString, QStringList> children;
    for (const QString& name : controls_.names()) {
        const ControlState& s = controls_.get(name);
        if (!s.parent.isEmpty() && s.kind != K::MenuItem && !custom.count(s.parent))
            children[s.parent].append(name);
    }
    for (auto& [container, names] : children)
        arrangeChildren(container, names);

    subscription_ = controls_.addObserver([this](const ControlState& state) { sync(state); });
    qApp->installEventFilter(this);
}

Binder::~Binder() = default;

QWidget* Binder::widget(const QString& name) const {
    auto it = bound_.find(name);
    return it == bound_.end() ? nullptr : it->second.widget.data();
}

bool Binder::looksLikeButton(const ControlState& state) const {
    if (!look_.isButton) return false;
    return look_.isButton(state.name) || (state.kind == K::Label && look_.isButton(state.parent));
}

void Binder::build(const ControlState& state) {
    Bound& b = bound_[state.name];
    b.kind = state.kind;
    b.parent = state.parent;
    if (state.kind == K::MenuItem) {
        buildMenu(state, b);
        return;
    }
    b.widget = makeWidget(state, b);
    b.widget->setObjectName(state.name);
    // A label that fills a button panel is the button's face.
    if (looksLikeButton(state)) {
        b.font.setBold(true);
        b.palette.setColor(QPalette::Window, buttonFace);
        b.widget->setAutoFillBackground(true);
        if (auto* label = qobject_cast<QLabel*>(b.widget.data())) {
            label->setAlignment(Qt::AlignCenter);
            label->setWordWrap(true);
            label->setMinimumHeight(buttonHeight);
            label->setMargin(2);
            if (!look_.isButton(state.name)) {
                // The panel carries the bevel and the colour.
                b.palette = QPalette();
                b.widget->setAutoFillBackground(false);
            }
        }
    }
    if (takesPresses(state.kind)) {
        clickable_[b.widget.data()] = state.name;
        if (controls_.handlesClicks(state.name)) b.widget->setFocusPolicy(Qt::StrongFocus);
    }
}

QWidget* Binder::makeWidget(const ControlState& state, Bound& bound) {
    QWidget* parent = owner_;
    if (!state.parent.isEmpty())
        if (QWidget* w = widget(state.parent)) parent = w;
    if (look_.make)
        if (QWidget* own = look_.make(state, parent)) return own;
    const QString name = state.name;
    // Every handler of a widget's signal calls the model through `guarded`.
    auto input = [this, name](auto call) {
        return [this, name, call](auto... args) {
            guarded([&] { call(args...); });
            delivered(name);
        };
    };
    switch (state.kind) {
    case K::Window: {
        return new QWidget(owner_, Qt::Window);
    }
    case K::Dialog: {
        auto* dialog = new QDialog(owner_);
        dialog->setWindowModality(Qt::ApplicationModal);
        connect(dialog, &QDialog::finished, this, [this, name] { windowClosed(name); });
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
    case K::CheckBox: {
        auto* box = new QCheckBox(parent);
        connect(box, &QCheckBox::clicked, this,
                input([this, name](bool checked) { controls_.userSetChecked(name, checked); }));
        return box;
    }
    case K::RadioGroup: {
        auto* group = new QGroupBox(parent);
        new QVBoxLayout(group);
        bound.radios = new QButtonGroup(group);
        connect(bound.radios, &QButtonGroup::idClicked, this,
                input([this, name](int index) { controls_.userSetItemIndex(name, index); }));
        return group;
    }
    case K::Slider: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        connect(slider, &QSlider::valueChanged, this,
                input([this, name](int position) { controls_.userSetPosition(name, position); }));
        // The press and the release frame a drag of the handle, which the
        // model takes as one change.
        connect(slider, &QSlider::sliderPressed, this,
                input([this, name] { controls_.userMouseDown(name); }));
        connect(slider, &QSlider::sliderReleased, this, input([this, name] { controls_.userMouseUp(name); }));
        return slider;
    }
    case K::Edit: {
        auto* edit = new QLineEdit(parent);
        connect(edit, &QLineEdit::textEdited, this, input([this, name, edit](const QString& text) {
                    edited(name, text, edit->cursorPosition());
                }));
        // The model follows the caret and the selection as the user moves them.
        const auto follow = [this, name, edit] { guarded([&] { followCaret(name, edit); }); };
        connect(edit, &QLineEdit::cursorPositionChanged, this, follow);
        connect(edit, &QLineEdit::selectionChanged, this, follow);
        return edit;
    }
    case K::List: {
        auto* list = new QListWidget(parent);
        connect(list, &QListWidget::itemClicked, this, input([this, name, list](QListWidgetItem* item) {
                    controls_.userSetItemIndex(name, list->row(item));
                }));
        return list;
    }
    case K::MenuItem:
        break;
    }
    return new QWidget(parent);
}

void Binder::buildMenu(const ControlState& state, Bound& bound) {
    // A menu item placed on a window is a menu of its menu bar, or, when it
    // holds no items, a command of the menu bar itself.
    const bool onBar = state.parent.isEmpty() || controls_.get(state.parent).kind != K::MenuItem;
    if (onBar && !controls_.children(state.name).isEmpty()) {
        bound.menu = menuBar_->addMenu(shownText(state.text));
        bound.menu->setObjectName(state.name);
        return;
    }
    auto inMenu = [this](const QString& name) {
        const QString& parent = controls_.get(name).parent;
        return !parent.isEmpty() && controls_.get(parent).kind == K::MenuItem;
    };
    QString top = state.parent;
    while (inMenu(top))
        top = controls_.get(top).parent;
    QMenu* menu = onBar ? nullptr : bound_[top].menu.data();
    if (!onBar && !menu) return;
    bound.action =
        onBar ? menuBar_->addAction(shownText(state.text)) : menu->addAction(shownText(state.text));
    bound.action->setObjectName(state.name);
    const QString name = state.name;
    connect(bound.action, &QAction::triggered, this, [this, name] {
        guarded([&] { controls_.userClick(name); });
        delivered(name);
    });
}

void Binder::arrangeChildren(const QString& container, const QStringList& children) {
    QWidget* host = widget(container);
    if (!host || controls_.get(container).kind == K::RadioGroup) return;
    Arrangement how = look_.arrangement ? look_.arrangement(container) : Arrangement{};
    if (how.kind == Arrangement::Automatic) {
        bool images = true;
        for (const QString& c : children)
            images = images && controls_.get(c).kind == K::Image;
        how.kind = images ? Arrangement::Stacked : Arrangement::Vertical;
    }
    const bool button = look_.isButton && look_.isButton(container);
    const int margin = controls_.get(container).kind == K::GroupBox ? 6 : (button ? 3 : 2);
    switch (how.kind) {
    case Arrangement::Horizontal:
    case Arrangement::Vertical: {
        QBoxLayout* box = how.kind == Arrangement::Horizontal
                              ? static_cast<QBoxLayout*>(new QHBoxLayout(host))
                              : static_cast<QBoxLayout*>(new QVBoxLayout(host));
        box->setContentsMargins(margin, margin, margin, margin);
        box->setSpacing(3);
        for (const QString& c : children)
            box->addWidget(widget(c));
        // A row keeps its controls together at the left when they reach their largest.
        if (how.kind == Arrangement::Horizontal) box->addStretch(0);
        break;
    }
    case Arrangement::Columns: {
        auto* row = new QHBoxLayout(host);
        row->setContentsMargins(margin, margin, margin, margin);
        QList<int> counts = how.counts;
        if (counts.isEmpty()) {
            const int columns = std::max(1, how.count);
            counts = QList<int>(columns, (int(children.size()) + columns - 1) / columns);
        }
        // Controls past the given counts go to the last column.
        counts.back() = std::max<int>(counts.back(), children.size());
        int next = 0;
        for (const int count : counts) {
            auto* column = new QVBoxLayout;
            column->setSpacing(3);
            for (const int end = std::min<int>(children.size(), next + count); next < end; ++next)
                column->addWidget(widget(children[next]));
            column->addStretch(1);
            row->addLayout(column);
        }
        break;
    }
    case Arrangement::Rows: {
        auto* rows = new QVBoxLayout(host);
        rows->setContentsMargins(margin, margin, margin, margin);
        rows->setSpacing(3);
        int next = 0;
        for (int r = 0; next < children.size(); ++r) {
            const int count = r < how.counts.size() ? std::max(1, how.counts[r]) : 1;
            auto* row = new QHBoxLayout;
            row->setSpacing(3);
            // The controls of a row share its width; a picture or a caption keeps its own.
            for (const int end = std::min<int>(children.size(), next + count); next < end; ++next) {
                const ControlState& s = controls_.get(children[next]);
                const bool own = s.kind == K::Image || (s.kind == K::Label && !looksLikeButton(s));
                row->addWidget(widget(s.name), own ? 0 : 1);
            }
            rows->addLayout(row);
        }
        rows->addStretch(1);
        break;
    }
    case Arrangement::Grid:
    case Arrangement::Pairs: {
        auto* grid = new QGridLayout(host);
        grid->setContentsMargins(margin, margin, margin, margin);
        grid->setSpacing(3);
        const bool pairs = how.kind == Arrangement::Pairs;
        const int columns = pairs ? 2 : std::max(1, how.count);
        int row = 0, col = 0;
        for (int i = 0; i < children.size(); ++i) {
            const QString& c = children[i];
            const bool wide = pairs ? holdsSeveral(c) : controls_.get(c).kind == K::Label;
            // Two buttons side by side share the row equally.
            const bool twoButtons = pairs && col == 0 && i + 1 < children.size() &&
                                    looksLikeButton(controls_.get(c)) &&
                                    looksLikeButton(controls_.get(children[i + 1]));
            if (wide || twoButtons) {
                if (col != 0) ++row;
                if (twoButtons) {
                    auto* both = new QHBoxLayout;
                    both->addWidget(widget(c), 1);
                    both->addWidget(widget(children[++i]), 1);
                    grid->addLayout(both, row++, 0, 1, columns);
                } else {
                    grid->addWidget(widget(c), row++, 0, 1, columns);
                }
                col = 0;
                continue;
            }
            grid->addWidget(widget(c), row, col);
            if (++col == columns) {
                col = 0;
                ++row;
            }
        }
        break;
    }
    case Arrangement::Placed: {
        const ControlState& size = controls_.get(container);
        host->setFixedSize(size.width, size.height);
        break;
    }
    case Arrangement::Stacked:
    case Arrangement::Automatic: {
        auto* grid = new QGridLayout(host);
        grid->setContentsMargins(0, 0, 0, 0);
        // Pictures centre in the place; a caption fills it, as the face of a button does.
        for (const QString& c : children)
            grid->addWidget(widget(c), 0, 0,
                            controls_.get(c).kind == K::Image ? Qt::AlignCenter : Qt::Alignment());
        break;
    }
    }
}

bool Binder::placed(const ControlState& state) const {
    return !state.parent.isEmpty() && look_.arrangement &&
           look_.arrangement(state.parent).kind == Arrangement::Placed;
}

bool Binder::holdsSeveral(const QString& name) const {
    int count = 0;
    for (const QString& other : controls_.names())
        if (controls_.get(other).parent == name && ++count > 1) return true;
    return false;
}

void Binder::syncAll() {
    for (const QString& name : controls_.names())
        sync(controls_.get(name));
    refreshPictures();
    applyTabOrder();
}

void Binder::applyTabOrder() {
    const QStringList order = look_.tabOrder ? look_.tabOrder() : QStringList();
    auto rank = [&](const QString& name) {
        for (QString n = name; !n.isEmpty(); n = controls_.get(n).parent)
            if (const qsizetype i = order.indexOf(n); i >= 0) return i;
        return order.size();
    };
    // The focusable widgets of each window, in declaration order.
    std::map<QString, std::vector<std::pair<qsizetype, QWidget*>>> chains;
    for (const QString& name : controls_.names()) {
        auto it = bound_.find(name);
        if (it == bound_.end() || !it->second.widget || it->second.kind == K::Window ||
            it->second.kind == K::Dialog)
            continue;
        QList<QWidget*> widgets;
        if (it->second.radios)
            for (QAbstractButton* radio : it->second.radios->buttons())
                widgets << radio;
        else if (it->second.widget->focusPolicy() & Qt::TabFocus)
            widgets << it->second.widget;
        auto& chain = chains[controls_.windowOf(name)];
        for (QWidget* w : widgets)
            chain.emplace_back(rank(name), w);
    }
    for (auto& [window, chain] : chains) {
        std::stable_sort(chain.begin(), chain.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t i = 1; i < chain.size(); ++i)
            QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    }
}

void Binder::refreshPictures() {
    if (!look_.picture) return;
    for (auto& [name, b] : bound_)
        if (b.kind == K::Image)
            if (auto* image = qobject_cast<QLabel*>(b.widget.data())) image->setPixmap(look_.picture(name));
}

void Binder::sync(const ControlState& state) {
    auto it = bound_.find(state.name);
    if (it == bound_.end()) return;
    Bound& b = it->second;
    if (b.kind == K::MenuItem) {
        syncKind(state, b);
        return;
    }
    QWidget* w = b.widget;
    if (!w) return;
    if (b.parent != state.parent) moveTo(state, b);
    const QSignalBlocker blocker(w);
    syncKind(state, b);
    syncLook(state, b);
    if (placed(state)) w->setGeometry(state.left, state.top, state.width, state.height);
    w->setEnabled(state.enabled);
    if (w->isHidden() == state.visible) w->setVisible(state.visible);
}

void Binder::syncLook(const ControlState& state, Bound& b) {
    QWidget* w = b.widget;
    w->setToolTip(state.shortcuts.isEmpty() || state.hint.isEmpty()
                      ? state.hint
                      : state.hint + QStringLiteral(" (") + shownKeys(state.shortcuts) + QLatin1Char(')'));
    w->setCursor(state.cursor == CursorShape::Arrow && looksLikeButton(state) ? Qt::PointingHandCursor
                                                                              : qtCursor(state.cursor));
    QFont font = b.font;
    if (state.fontHeight != 0) font.setPixelSize(std::abs(state.fontHeight));
    w->setFont(font);
    QPalette palette = b.palette;
    if (look_.isSwatch && look_.isSwatch(state.name)) {
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

void Binder::syncKind(const ControlState& state, Bound& b) {
    QWidget* w = b.widget;
    switch (state.kind) {
    case K::Label:
        static_cast<QLabel*>(w)->setText(shownText(state.text));
        break;
    case K::Panel:
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
        syncRadios(state, b);
        break;
    case K::Slider: {
        auto* slider = static_cast<QSlider*>(w);
        slider->setRange(state.min, state.max);
        slider->setValue(state.position);
        break;
    }
    case K::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != state.text) edit->setText(state.text);
        if (edit->cursorPosition() != state.caret || anchorOf(edit) != state.anchor) {
            if (state.anchor == state.caret)
                edit->setCursorPosition(state.caret);
            else
                edit->setSelection(state.anchor, state.caret - state.anchor);
        }
        break;
    }
    case K::List: {
        auto* list = static_cast<QListWidget*>(w);
        list->clear();
        list->addItems(state.items);
        list->setCurrentRow(state.itemIndex);
        break;
    }
    case K::MenuItem:
        if (b.menu) b.menu->setTitle(shownText(state.text));
        if (b.action) {
            const QSignalBlocker blocker(b.action);
            // The shortcut stands in the menu's column of keys; the model presses the item.
            b.action->setText(state.shortcuts.isEmpty() ? shownText(state.text)
                                                        : shownText(state.text) + QLatin1Char('\t') +
                                                              shownKeys(state.shortcuts.mid(0, 1)));
            b.action->setCheckable(b.action->isCheckable() || state.checked);
            b.action->setChecked(state.checked);
            b.action->setEnabled(state.enabled);
            b.action->setVisible(state.visible);
        }
        if (b.menu) b.menu->menuAction()->setVisible(state.visible);
        break;
    case K::Image:
    case K::Shape:
        break;
    }
}

void Binder::syncRadios(const ControlState& state, Bound& b) {
    auto* group = static_cast<QGroupBox*>(b.widget.data());
    group->setTitle(state.text);
    QList<QAbstractButton*> buttons = b.radios->buttons();
    if (buttons.size() != state.items.size()) {
        for (QAbstractButton* button : buttons)
            delete button;
        buttons.clear();
        for (int i = 0; i < state.items.size(); ++i) {
            auto* radio = new QRadioButton(group);
            group->layout()->addWidget(radio);
            b.radios->addButton(radio, i);
            buttons.append(radio);
        }
    }
    const QSignalBlocker blocker(b.radios);
    // An exclusive group cannot show "nothing chosen"; it is lifted while writing.
    b.radios->setExclusive(false);
    for (int i = 0; i < buttons.size(); ++i) {
        const QSignalBlocker buttonBlocker(buttons[i]);
        buttons[i]->setText(shownText(state.items[i]));
        buttons[i]->setChecked(i == state.itemIndex);
    }
    b.radios->setExclusive(true);
}

// A button is drawn sunken while the model lowers it or while the user holds
// the press on it (or on the label it carries).
void Binder::syncBevel(const QString& name) {
    auto* frame = qobject_cast<QFrame*>(widget(name));
    if (!frame) return;
    const ControlState& s = controls_.get(name);
    if (!look_.isButton || !look_.isButton(name)) {
        const bool well = look_.isWell && look_.isWell(name);
        if (s.kind == K::Panel)
            frame->setFrameStyle(s.lowered || well ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        return;
    }
    bool down = s.lowered || pressed_ == name;
    if (!pressed_.isEmpty() && controls_.has(pressed_) && controls_.get(pressed_).parent == name) down = true;
    frame->setFrameStyle(QFrame::Panel | (down ? QFrame::Sunken : QFrame::Raised));
    frame->setLineWidth(2);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, down ? buttonDown : buttonFace);
    frame->setPalette(palette);
}

// Moves the widget to the widget of its new parent, at the end of its layout.
void Binder::moveTo(const ControlState& state, Bound& b) {
    QWidget* w = b.widget;
    QWidget* host = widget(state.parent);
    if (!host) return;
    if (QWidget* old = w->parentWidget(); old && old->layout()) old->layout()->removeWidget(w);
    w->setParent(host);
    if (!host->layout()) {
        auto* box = new QVBoxLayout(host);
        box->setContentsMargins(2, 2, 2, 2);
        box->setSpacing(3);
    }
    if (auto* grid = qobject_cast<QGridLayout*>(host->layout()))
        grid->addWidget(w, grid->rowCount(), 0, 1, grid->columnCount());
    else
        host->layout()->addWidget(w);
    b.parent = state.parent;
    // A widget given a new parent is hidden until shown again.
    w->setVisible(state.visible);
    applyTabOrder();
}

void Binder::windowClosed(const QString& name) {
    guarded([&] { controls_.setVisible(name, false); });
    if (afterInput) guarded(afterInput);
}

void Binder::delivered(const QString& name) {
    guarded([&] {
        sync(controls_.get(name));
        if (afterInput) afterInput();
    });
}

bool Binder::mousePress(const QString& name) {
    pressed_ = name;
    guarded([&] {
        syncBevel(name);
        if (const QString parent = controls_.get(name).parent; !parent.isEmpty()) syncBevel(parent);
        controls_.userMouseDown(name);
        if (afterInput) afterInput();
    });
    return true;
}

void Binder::mouseRelease(const QPoint& globalPos) {
    release(pressed_, false, globalPos);
}

// Ends the press on `name`: from the keyboard it always clicks; from the
// mouse when released over the control, whose picture hears where.
void Binder::release(QString name, bool fromKey, const QPoint& globalPos) {
    pressed_.clear();
    guarded([&] {
        syncBevel(name);
        if (const QString parent = controls_.get(name).parent; !parent.isEmpty()) syncBevel(parent);
        QWidget* w = widget(name);
        const QPoint local = w ? w->mapFromGlobal(globalPos) : QPoint();
        const bool over = fromKey || (w && w->rect().contains(local));
        if (!fromKey && w && controls_.get(name).kind == K::Image)
            controls_.userMouse(name, MouseEvent{MouseAction::Up, local.x(), local.y(), true});
        controls_.userMouseUp(name);
        if (over) controls_.userClick(name);
    });
    // A handler that failed leaves the others to run: the window repaints.
    if (afterInput) guarded(afterInput);
}

// The model types what the edit took in where it went in, over what it
// replaced, so that its key filter judges each character in its place.
void Binder::edited(const QString& name, const QString& text, int caret) {
    const TextChange change = textChange(controls_.text(name), text, caret);
    controls_.setSelection(name, change.from, change.to);
    controls_.userInsert(name, change.inserted);
}

// The caret or the selection moved in the edit. While the edit holds a text
// the model has not taken yet, the change of text brings its own caret.
void Binder::followCaret(const QString& name, const QLineEdit* edit) {
    const ControlState& state = controls_.get(name);
    if (edit->text() != state.text) return;
    const int caret = edit->cursorPosition();
    const int anchor = anchorOf(edit);
    if (caret != state.caret || anchor != state.anchor) controls_.setSelection(name, anchor, caret);
}

bool Binder::focusUses(QWidget* focus, QKeyEvent* key) const {
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

bool Binder::keyPress(QObject* watched, QEvent* event) {
    QWidget* focus = QApplication::focusWidget();
    // Each press once: at the focused control, or at the window when none has the focus.
    if (focus ? watched != focus : !static_cast<QWidget*>(watched)->isWindow()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool pressKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (focus && pressKey && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto it = clickable_.find(focus);
        if (it != clickable_.end() && controls_.handlesClicks(it->second)) {
            if (!key->isAutoRepeat() && pressed_.isEmpty()) {
                pressKey_ = key->key();
                pressedFocus_ = focus;
                mousePress(it->second);
            }
            return true;
        }
    }
    // The keypad's Enter is Enter wherever it was pressed.
    const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    const QString keys = QKeySequence(combination).toString(QKeySequence::PortableText);
    const bool edit =
        focus && controls_.has(focus->objectName()) && controls_.get(focus->objectName()).kind == K::Edit;
    // An edit whose clipboard keys the model handles must not also copy or
    // paste by itself, or a paste would land twice.
    // Nor undo or redo by itself: the window's undo gives back every text.
    const bool taken = edit && ((controls_.handlesKeys(focus->objectName()) &&
                                 (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
                                  key->matches(QKeySequence::Paste))) ||
                                key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo));
    // The window the press came from hears it before the focused edit; a
    // shortcut takes it from both, unless the focused widget uses the key.
    const QString window = static_cast<QWidget*>(watched)->window()->objectName();
    // Not an open menu, whose keys are its own.
    const bool modelWindow = controls_.has(window) && (controls_.get(window).kind == K::Window ||
                                                       controls_.get(window).kind == K::Dialog);
    const bool shortcut = modelWindow && !controls_.shortcutTarget(window, keys).isEmpty();
    const bool focusKey = focus && focusUses(focus, key);
    const bool toShortcut = shortcut && !focusKey;
    guarded([&] {
        if (modelWindow && (toShortcut || (!shortcut && controls_.handlesKeys(window))))
            controls_.userKey(window, keys);
        if (edit && !toShortcut) controls_.userKey(focus->objectName(), keys);
    });
    if (afterInput) guarded(afterInput);
    return taken || toShortcut;
}

bool Binder::keyRelease(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (pressKey_ == 0 || key->key() != pressKey_ || key->isAutoRepeat()) return false;
    pressKey_ = 0;
    release(pressed_, true, {});
    // A button that hid its raised picture while pressed lost the focus with it.
    if (pressedFocus_ && pressedFocus_->isVisible() && QApplication::focusWidget() != pressedFocus_)
        pressedFocus_->setFocus(Qt::OtherFocusReason);
    pressedFocus_.clear();
    return true;
}

void Binder::showFocus(QWidget* focused) {
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

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        // Taken where it first arrives: at the window, since Qt drops the
        // release of a press whose widget was hidden meanwhile.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressed_.isEmpty() || pressKey_ != 0 || mouse->button() != Qt::LeftButton) return false;
        if (!watched->isWidgetType() && !watched->isWindowType()) return false;
        mouseRelease(mouse->globalPosition().toPoint());
        return watched->isWidgetType();
    }
    if (!watched->isWidgetType()) return false;
    switch (event->type()) {
    case QEvent::Close: {
        // A window of the model closed by the window manager is hidden in the model too.
        auto* w = static_cast<QWidget*>(watched);
        auto it = bound_.find(w->objectName());
        if (it != bound_.end() && it->second.widget == w && it->second.kind == K::Window)
            windowClosed(it->first);
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto it = clickable_.find(watched);
        if (it == clickable_.end() || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        return mousePress(it->second);
    }
    case QEvent::KeyPress:
        return keyPress(watched, event);
    case QEvent::KeyRelease:
        return keyRelease(event);
    case QEvent::FocusIn: {
        auto* w = static_cast<QWidget*>(watched);
        showFocus(clickable_.count(watched) && (w->focusPolicy() & Qt::TabFocus) ? w : nullptr);
        return false;
    }
    case QEvent::FocusOut:
        if (focusRing_ && focusRing_->parentWidget() == watched) focusRing_->hide();
        return false;
    case QEvent::Resize:
        if (focusRing_ && focusRing_->parentWidget() == watched)
            focusRing_->setGeometry(static_cast<QWidget*>(watched)->rect());
        return false;
    default:
        return false;
    }
}

} // namespace trajecta
