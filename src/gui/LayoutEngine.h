#pragma once

#include "gui/Bindings.h"

class QBoxLayout;
class QVBoxLayout;

namespace trajecta {

// Places the widgets of the binder: each container's children in the
// arrangement the look gives it, a control moved in the model into its new
// parent, and the order Tab visits the controls of each window.
class LayoutEngine {
  public:
    explicit LayoutEngine(Bindings& bindings) : b_(bindings) {}

    // Lays out the children of `container`, in declaration order.
    void arrange(const QString& container, const QStringList& children);
    // The control stands where the model's geometry puts it.
    bool placed(const ControlState& state) const;
    // Moves the widget to the widget of its new parent, at the end of its layout.
    void moveTo(const ControlState& state, Bound& bound);
    void applyTabOrder();

  private:
    Arrangement arrangementOf(const QString& container, const QStringList& children) const;
    void arrangeBox(QWidget* host, Arrangement::Kind kind, int margin, const QStringList& children);
    void arrangeColumns(QWidget* host, const Arrangement& how, int margin, const QStringList& children);
    void arrangeRows(QWidget* host, const Arrangement& how, int margin, const QStringList& children);
    void addRows(QVBoxLayout* rows, const QList<int>& counts, const QStringList& children);
    void arrangeTable(QWidget* host, const Arrangement& how, int margin, const QStringList& children);
    void arrangeGrid(QWidget* host, const Arrangement& how, int margin, const QStringList& children);
    void arrangeStacked(QWidget* host, const QStringList& children);
    bool holdsSeveral(const QString& name) const;

    Bindings& b_;
};

} // namespace trajecta
