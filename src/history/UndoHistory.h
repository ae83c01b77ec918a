#pragma once

#include "core/Context.h"
#include "history/PackedPicture.h"
#include "history/ShellRestore.h"

#include <deque>
#include <vector>

namespace trajecta {

// Hears of every change of the project the history sees: an operation kept as
// a step, an undo and a redo, each once it has ended.
class ProjectChangeListener {
  public:
    virtual ~ProjectChangeListener() = default;
    virtual void projectChanged() = 0;
};

// Undo and redo of the user's operations, through the "Edition" menu
// (AnnulerAction, RetablirAction).
//
// It hears of every user input as one of the controls' input listeners. The
// state is taken before an operation's first input; when the operation has
// changed the project (the document but the shell's part: the language, the
// window layout and places), that state becomes one undo step and the redo
// history is cleared. An operation that changed nothing of the project takes
// no step, and mouse moves without a button cost nothing. A drag on the work
// area is one operation from the press to the release, a slider one from its
// press to its release, a run of keys on the work area one, and everything
// done while a modal dialog is open one with the input that closes it.
//
// A step holds the document (whose lists and pictures share their data with
// the neighbouring steps until one of them changes), every control's state
// and the work-area picture, packed against the picture of the step next to
// it; only the step at the top of each history keeps its picture whole.
// Undo and redo put the whole state back exactly, keep the language and the
// window layout in force, and never touch the clipboard.
class UndoHistory : public UserInputListener {
  public:
    UndoHistory(Context& ctx, ShellRestore& shell);

    void registerHandlers();
    void connect(ProjectChangeListener& listener) { listener_ = &listener; }
    // The state as it stands is where the history starts; nothing to undo.
    void reset();
    // Steps kept to undo (100 unless set; at least 1); the oldest go first.
    void setCapacity(int steps);

    int undoCount() const { return int(undo_.size()); }
    int redoCount() const { return int(redo_.size()); }
    bool undo();
    bool redo();

    // The press and release of the work area, to keep a drag one step.
    void workAreaMouse(const MouseEvent& event);

    void beforeUserInput(const QString& name, UserInput input) override;
    void afterUserInput(const QString& name, UserInput input) override;

    // Bytes a step holds of its own, at most: the document, the controls, the
    // packed picture and every list line as if none were shared.
    std::size_t stepBytes(int index) const;

  private:
    struct Snapshot {
        CurveDocument doc; // pictures.work is empty while the picture is packed
        std::vector<ControlState> controls;
        PackedPicture packed;
        bool isPacked = false;
    };
    // What the step did, for the menu's text.
    enum class Action { Plain, AddPoint, MovePoint, Frame, Curve, Slider, Typing, Control };
    struct Step {
        Snapshot state;
        Action action = Action::Plain;
        int point = 0;
        QString control;
    };
    using History = std::deque<Step>;

    Snapshot take();
    void restore(Snapshot state);
    // The input carries on the operation under way: a drag of the work area
    // or of a slider, or anything inside an open modal dialog.
    bool continues(const QString& name) const;
    // The operation under way ends: a step when it changed the project.
    void commit(const QString& name);
    void dropPending();
    Step describe(const QString& name) const;
    // The top of a history keeps its picture whole; the one under it is
    // packed against it.
    static void pushTop(History& history, Step step);
    static Step popTop(History& history);
    void showMenu();
    QString menuText(const Step* step, bool undoing) const;

    Context& ctx_;
    ShellRestore& shell_;
    ProjectChangeListener* listener_ = nullptr;
    History undo_;
    History redo_;
    // The state before the operation under way, taken before its first input.
    Snapshot before_;
    bool pending_ = false;
    QString pendingName_; // the last input of the operation under way
    UserInput pendingInput_ = UserInput::Click;
    // The last step was made by a key on the work area: the keys that follow
    // it, until another step or an undo, add to that step.
    bool keyRun_ = false;
    bool joining_ = false;
    std::size_t capacity_ = 100;
    bool workAreaHeld_ = false;
    QString sliderHeld_;
};

} // namespace trajecta
