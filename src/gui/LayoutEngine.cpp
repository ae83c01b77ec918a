#include "gui/LayoutEngine.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QWidget>
#include <algorithm>

namespace trajecta {

using K = ControlKind;

void LayoutEngine::arrange(const QString& container, const QStringList& children) {
    QWidget* host = b_.widget(container);
    if (!host || b_.controls.get(container).kind == K::RadioGroup) return;
    const Arrangement how = arrangementOf(container, children);
    const int margin = b_.controls.get(container).kind == K::GroupBox ? 6 : (b_.isButton(container) ? 3 : 2);
    switch (how.kind) {
    case Arrangement::Horizontal:
    case Arrangement::Vertical:
        arrangeBox(host, how.kind, margin, children);
        break;
    case Arrangement::Columns:
        arrangeColumns(host, how, margin, children);
        break;
    case Arrangement::Rows:
        arrangeRows(host, how, margin, children);
        break;
    case Arrangement::Table:
        arrangeTable(host, how, margin, children);
        break;
    case Arrangement::Grid:
    case Arrangement::Pairs:
        arrangeGrid(host, how, margin, children);
        break;
    case Arrangement::Placed: {
        const ControlState& size = b_.controls.get(container);
        host->setFixedSize(size.width, size.height);
        break;
    }
    case Arrangement::Stacked:
    case Arrangement::Automatic:
        arrangeStacked(host, children);
        break;
    }
}

Arrangement LayoutEngine::arrangementOf(const QString& container, const QStringList& children) const {
    Arrangement how = b_.look.arrangement ? b_.look.arrangement(container) : Arrangement{};
    if (how.kind == Arrangement::Automatic) {
        bool images = true;
        for (const QString& c : children)
            images = images && b_.controls.get(c).kind == K::Image;
        how.kind = images ? Arrangement::Stacked : Arrangement::Vertical;
    }
    return how;
}

void LayoutEngine::arrangeBox(QWidget* host, Arrangement::Kind kind, int margin,
                              const QStringList& children) {
    QBoxLayout* box = kind == Arrangement::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(host))
                                                      : static_cast<QBoxLayout*>(new QVBoxLayout(host));
    box->setContentsMargins(margin, margin, margin, margin);
    box->setSpacing(3);
    for (const QString& c : children)
        box->addWidget(b_.widget(c));
    // A row keeps its controls together at the left when they reach their largest.
    if (kind == Arrangement::Horizontal) box->addStretch(0);
}

void LayoutEngine::arrangeColumns(QWidget* host, const Arrangement& how, int margin,
                                  const QStringList& children) {
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
            column->addWidget(b_.widget(children[next]));
        column->addStretch(1);
        row->addLayout(column);
    }
}

void LayoutEngine::arrangeRows(QWidget* host, const Arrangement& how, int margin,
                               const QStringList& children) {
    auto* rows = new QVBoxLayout(host);
    rows->setContentsMargins(margin, margin, margin, margin);
    rows->setSpacing(3);
    addRows(rows, how.counts, children);
    rows->addStretch(1);
}

void LayoutEngine::addRows(QVBoxLayout* rows, const QList<int>& counts, const QStringList& children) {
    int next = 0;
    for (int r = 0; next < children.size(); ++r) {
        const int count = r < counts.size() ? std::max(1, counts[r]) : 1;
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        // The controls of a row share its width; a picture or a caption keeps its own.
        for (const int end = std::min<int>(children.size(), next + count); next < end; ++next) {
            const ControlState& s = b_.controls.get(children[next]);
            const bool own = s.kind == K::Image || (s.kind == K::Label && !b_.looksLikeButton(s));
            row->addWidget(b_.widget(s.name), own ? 0 : 1);
        }
        rows->addLayout(row);
    }
}

// The cells first: a control of a panel the container holds leaves that panel
// for its cell, and the emptied panel stays out of the way. The children no
// cell names follow in rows.
void LayoutEngine::arrangeTable(QWidget* host, const Arrangement& how, int margin,
                                const QStringList& children) {
    auto* rows = new QVBoxLayout(host);
    rows->setContentsMargins(margin, margin, margin, margin);
    rows->setSpacing(3);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    QStringList rest = children;
    for (int r = 0; r < how.cells.size(); ++r)
        for (int c = 0; c < how.cells[r].size(); ++c) {
            const QString& name = how.cells[r][c];
            QWidget* w = b_.widget(name);
            if (!w) continue;
            const QString panel = b_.controls.get(name).parent;
            if (b_.widget(panel) != host) {
                if (QLayout* old = b_.widget(panel)->layout()) old->removeWidget(w);
                b_.lending.insert(panel);
                rest.removeAll(panel);
                b_.widget(panel)->hide();
            }
            rest.removeAll(name);
            grid->addWidget(w, r, c);
        }
    rows->addLayout(grid);
    addRows(rows, how.counts, rest);
    rows->addStretch(1);
}

void LayoutEngine::arrangeGrid(QWidget* host, const Arrangement& how, int margin,
                               const QStringList& children) {
    auto* grid = new QGridLayout(host);
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setSpacing(3);
    const bool pairs = how.kind == Arrangement::Pairs;
    const int columns = pairs ? 2 : std::max(1, how.count);
    int row = 0, col = 0;
    for (int i = 0; i < children.size(); ++i) {
        const QString& c = children[i];
        const bool wide = pairs ? holdsSeveral(c) : b_.controls.get(c).kind == K::Label;
        // Two buttons side by side share the row equally.
        const bool twoButtons = pairs && col == 0 && i + 1 < children.size() &&
                                b_.looksLikeButton(b_.controls.get(c)) &&
                                b_.looksLikeButton(b_.controls.get(children[i + 1]));
        if (wide || twoButtons) {
            if (col != 0) ++row;
            if (twoButtons) {
                auto* both = new QHBoxLayout;
                both->addWidget(b_.widget(c), 1);
                both->addWidget(b_.widget(children[++i]), 1);
                grid->addLayout(both, row++, 0, 1, columns);
            } else {
                grid->addWidget(b_.widget(c), row++, 0, 1, columns);
            }
            col = 0;
            continue;
        }
        grid->addWidget(b_.widget(c), row, col);
        if (++col == columns) {
            col = 0;
            ++row;
        }
    }
}

void LayoutEngine::arrangeStacked(QWidget* host, const QStringList& children) {
    auto* grid = new QGridLayout(host);
    grid->setContentsMargins(0, 0, 0, 0);
    // Pictures centre in the place; a caption fills it, as the face of a button does.
    for (const QString& c : children)
        grid->addWidget(b_.widget(c), 0, 0,
                        b_.controls.get(c).kind == K::Image ? Qt::AlignCenter : Qt::Alignment());
}

bool LayoutEngine::placed(const ControlState& state) const {
    return !state.parent.isEmpty() && b_.look.arrangement &&
           b_.look.arrangement(state.parent).kind == Arrangement::Placed;
}

bool LayoutEngine::holdsSeveral(const QString& name) const {
    int count = 0;
    for (const QString& other : b_.controls.names())
        if (b_.controls.get(other).parent == name && ++count > 1) return true;
    return false;
}

void LayoutEngine::moveTo(const ControlState& state, Bound& bound) {
    QWidget* w = bound.widget;
    QWidget* host = b_.widget(state.parent);
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
    bound.parent = state.parent;
    // A widget given a new parent is hidden until shown again.
    w->setVisible(state.visible);
    applyTabOrder();
}

void LayoutEngine::applyTabOrder() {
    const QStringList order = b_.look.tabOrder ? b_.look.tabOrder() : QStringList();
    auto rank = [&](const QString& name) {
        for (QString n = name; !n.isEmpty(); n = b_.controls.get(n).parent)
            if (const qsizetype i = order.indexOf(n); i >= 0) return i;
        return order.size();
    };
    // The focusable widgets of each window, in declaration order.
    std::map<QString, std::vector<std::pair<qsizetype, QWidget*>>> chains;
    for (const QString& name : b_.controls.names()) {
        auto it = b_.bound.find(name);
        if (it == b_.bound.end() || !it->second.widget || it->second.kind == K::Window ||
            it->second.kind == K::Dialog)
            continue;
        QList<QWidget*> widgets;
        if (it->second.radios)
            for (QAbstractButton* radio : it->second.radios->buttons())
                widgets << radio;
        else if (it->second.widget->focusPolicy() & Qt::TabFocus)
            widgets << it->second.widget;
        auto& chain = chains[b_.controls.windowOf(name)];
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

} // namespace trajecta
