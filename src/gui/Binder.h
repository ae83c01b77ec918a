#pragma once

#include "platform/Controls.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <functional>
#include <map>

class QAction;
class QButtonGroup;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QMenuBar;
class QWidget;

namespace trajecta {

// How a panel or a group box arranges its children, in declaration order.
struct Arrangement {
    enum Kind {
        Automatic, // images only: stacked (a raised picture over its pressed twin); otherwise Vertical
        Vertical,
        Horizontal,
        Columns, // `count` columns, filled top to bottom, left column first; or as `counts` says
        Grid,    // `count` cells a row; a label takes a whole row
        Pairs,   // two cells a row; a panel or group of several controls takes a whole row
        Stacked, // all in one place, the last declared on top
        Placed,  // each where the model's geometry puts it, in a container of the model's size
        Rows,    // rows of `counts[i]` controls side by side; any left over take a row each
    } kind = Automatic;
    int count = 1;
    QList<int> counts{}; // controls per row or column, in declaration order
};

// The look the window gives its controls; the binder asks it, control by control.
struct BinderLook {
    std::function<Arrangement(const QString& name)> arrangement;
    // Labels and panels drawn as push buttons: raised, sunken while pressed.
    std::function<bool(const QString& name)> isButton;
    // Panels drawn sunken at rest, as a well for the text they hold.
    std::function<bool(const QString& name)> isWell;
    // Panels whose face is the model's colour (colour swatches).
    std::function<bool(const QString& name)> isSwatch;
    std::function<QPixmap(const QString& name)> picture; // of an image
    // The order Tab visits the controls of a window: each name stands for the
    // control and everything it holds, in declaration order; what no name
    // covers follows, in declaration order.
    std::function<QStringList()> tabOrder;
    // A widget of the look's own for a control, or nullptr for the binder's
    // usual one. It must be of the class the binder gives that kind (a QLabel
    // for a label, a QFrame for a panel or shape).
    std::function<QWidget*(const ControlState& state, QWidget* parent)> make;
};

// Builds one widget per declared control (objectName = the control's name;
// menu items become menus and actions of the menu bar), mirrors every change
// of the model to its widget with the widget's signals blocked, and hands the
// user's input to the model through its user entry points. State and
// behaviour stay in the model: after each input the widget is written again
// from the model, so a refused input leaves no trace on screen.
//
// A press on a label, panel, group box, image or shape gives userMouseDown;
// its release gives userMouseUp and then, when released over the control,
// userClick. The release on an image also reaches the model with its position
// in the image (userMouse), before userMouseUp. The release goes to the control that took the press even when
// the press hid it.
//
// What the user types into an edit reaches the model as typed where it went
// in, over what it replaced (userInsert), so that the model judges each
// character in its place; the model follows the edit's caret and selection
// as the user moves them.
//
// A key press goes, as a "Ctrl+W"-style text (userKey), to the control of
// the window it was pressed in (where the model's shortcuts take it first),
// and then to the focused edit. Keys the focused widget uses itself (typing
// and the caret keys of an edit, the arrows of a slider, a list or a radio
// group, the space bar of a check box) stay with it when a shortcut wants
// them. A label, panel or image that acts as a button takes the focus (a
// ring shows it), and Space or Enter press it as the mouse does: down on the
// press, up and click on the release.
//
// Each window of the model is a top-level widget, each dialog an
// application-modal QDialog; closing one by the window manager hides it in
// the model. A control given a new parent in the model moves to the new
// parent's widget. An exception from the model never leaves an event handler
// (see guarded).
class Binder : public QObject {
  public:
    // `owner` owns the windows and dialogs the binder creates; `custom`
    // supplies ready-made widgets for some controls (the work area, the main
    // window's client area), whose children the binder does not arrange.
    Binder(Controls& controls, QWidget* owner, QMenuBar* menuBar, BinderLook look,
           std::map<QString, QWidget*> custom = {});
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    QWidget* widget(const QString& name) const;
    // Writes every control's state to its widget (after the window placed them).
    void syncAll();
    // Asks the look again for the pictures of every image (the language changed).
    void refreshPictures();

    // Runs after every input handed to the model.
    std::function<void()> afterInput;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Bound {
        ControlKind kind = ControlKind::Label;
        QPointer<QWidget> widget;
        QPointer<QAction> action;
        QPointer<QMenu> menu;
        QButtonGroup* radios = nullptr;
        QString parent;   // the model's parent the widget was placed in
        QFont font;       // the look's font; a font height from the model adds to it
        QPalette palette; // the look's colours; a text colour from the model adds to it
    };

    // A button of the look, or the label that is the face of a button panel.
    bool looksLikeButton(const ControlState& state) const;
    void build(const ControlState& state);
    QWidget* makeWidget(const ControlState& state, Bound& bound);
    void buildMenu(const ControlState& state, Bound& bound);
    bool holdsSeveral(const QString& name) const;
    bool placed(const ControlState& state) const;
    void moveTo(const ControlState& state, Bound& bound);
    void windowClosed(const QString& name);
    void arrangeChildren(const QString& container, const QStringList& children);
    void sync(const ControlState& state);
    void syncKind(const ControlState& state, Bound& bound);
    void syncRadios(const ControlState& state, Bound& bound);
    void syncBevel(const QString& name);
    void syncLook(const ControlState& state, Bound& bound);
    void delivered(const QString& name);
    bool mousePress(const QString& name);
    void mouseRelease(const QPoint& globalPos);
    bool keyPress(QObject* watched, QEvent* event);
    bool keyRelease(QEvent* event);
    bool focusUses(QWidget* focus, QKeyEvent* key) const;
    void edited(const QString& name, const QString& text, int caret);
    void followCaret(const QString& name, const QLineEdit* edit);
    void release(QString name, bool fromKey, const QPoint& globalPos);
    void applyTabOrder();
    void showFocus(QWidget* focused);

    Controls& controls_;
    QWidget* owner_;
    QMenuBar* menuBar_;
    BinderLook look_;
    std::map<QString, Bound> bound_;
    std::map<QObject*, QString> clickable_;
    QString pressed_;
    int pressKey_ = 0;               // the key holding a press given from the keyboard
    QPointer<QWidget> pressedFocus_; // the button that had the focus when the key pressed it
    QPointer<QWidget> focusRing_;
    Subscription subscription_; // last: the model stops calling before the rest goes
};

} // namespace trajecta
