#include "history/UndoHistory.h"

#include "core/Messages.h"
#include "document/ControlIds.h"

#include <algorithm>

namespace trajecta {

namespace {

// The project is the document but the shell's part: the language, the layout
// and the windows' places are the user's settings, not steps of the work.
bool sameProject(const CurveDocument& a, const CurveDocument& b) {
    if (!(a.curve == b.curve && a.workflow == b.workflow && a.frame == b.frame && a.lists == b.lists))
        return false;
    CurveDocument other = b;
    other.shell = a.shell;
    return a == other;
}

// Controls that belong to the shell keep the state they have now: the
// windows (shown, placed) and the menus (layout and language marks).
bool shellControl(ControlKind kind) {
    return kind == ControlKind::Window || kind == ControlKind::Dialog || kind == ControlKind::MenuItem;
}

std::size_t textBytes(const QString& text) {
    return std::size_t(text.size()) * sizeof(QChar);
}

std::size_t textBytes(const QStringList& lines) {
    std::size_t bytes = std::size_t(lines.size()) * sizeof(QString);
    for (const QString& line : lines)
        bytes += textBytes(line);
    return bytes;
}

struct MenuTexts {
    TextPair undo, redo;
};

const MenuTexts plainTexts{{"Annuler", "Undo"}, {"Rétablir", "Redo"}};
const MenuTexts addTexts{{"Annuler l'ajout du point %1", "Undo adding point %1"},
                         {"Rétablir l'ajout du point %1", "Redo adding point %1"}};
const MenuTexts moveTexts{{"Annuler le déplacement du point %1", "Undo move of point %1"},
                          {"Rétablir le déplacement du point %1", "Redo move of point %1"}};
const MenuTexts frameTexts{{"Annuler la modification du cadre", "Undo frame change"},
                           {"Rétablir la modification du cadre", "Redo frame change"}};
const MenuTexts curveTexts{{"Annuler la modification de la courbe", "Undo curve change"},
                           {"Rétablir la modification de la courbe", "Redo curve change"}};
const MenuTexts sliderTexts{{"Annuler le déplacement du curseur", "Undo slider move"},
                            {"Rétablir le déplacement du curseur", "Redo slider move"}};
const MenuTexts typingTexts{{"Annuler la saisie", "Undo typing"}, {"Rétablir la saisie", "Redo typing"}};
const MenuTexts controlTexts{{"Annuler « %1 »", "Undo \"%1\""}, {"Rétablir « %1 »", "Redo \"%1\""}};

} // namespace

UndoHistory::UndoHistory(Context& ctx, ShellRestore& shell) : ctx_(ctx), shell_(shell) {}

void UndoHistory::registerHandlers() {
    ctx_.controls.onClick(ids::AnnulerAction, [this] { undo(); });
    ctx_.controls.onClick(ids::RetablirAction, [this] { redo(); });
}

void UndoHistory::reset() {
    undo_.clear();
    redo_.clear();
    workAreaHeld_ = false;
    sliderHeld_.clear();
    dropPending();
    showMenu();
}

void UndoHistory::setCapacity(int steps) {
    capacity_ = std::size_t(std::max(steps, 1));
    while (undo_.size() > capacity_)
        undo_.pop_front();
    showMenu();
}

UndoHistory::Snapshot UndoHistory::take() {
    ctx_.canvas.flush();
    return Snapshot{ctx_.doc, ctx_.controls.states(), {}, false};
}

bool UndoHistory::undo() {
    if (undo_.empty()) return false;
    Step step = popTop(undo_);
    Snapshot target = std::move(step.state);
    step.state = take();
    dropPending();
    pushTop(redo_, std::move(step));
    restore(std::move(target));
    if (listener_) listener_->projectChanged();
    return true;
}

bool UndoHistory::redo() {
    if (redo_.empty()) return false;
    Step step = popTop(redo_);
    Snapshot target = std::move(step.state);
    step.state = take();
    dropPending();
    pushTop(undo_, std::move(step));
    restore(std::move(target));
    if (listener_) listener_->projectChanged();
    return true;
}

// The input that undoes or redoes is no step of its own.
void UndoHistory::dropPending() {
    pending_ = false;
    keyRun_ = false;
    before_ = {};
}

void UndoHistory::restore(Snapshot state) {
    ctx_.canvas.flush();
    const ShellState shell = ctx_.doc.shell;
    const std::vector<ControlState> shown = ctx_.controls.states();
    const bool otherLanguage = state.doc.shell.languageIndex != shell.languageIndex;
    const bool restoredOnMain = state.doc.shell.groupsOnMain;
    ctx_.doc = std::move(state.doc);
    ctx_.doc.shell = shell;
    // The controls come back as they were placed then; the groups then move
    // to the windows they are on now.
    ctx_.doc.shell.groupsOnMain = restoredOnMain;
    if (state.controls.size() == shown.size())
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shellControl(shown[i].kind) && state.controls[i].name == shown[i].name)
                state.controls[i] = shown[i];
    ctx_.controls.restoreStates(state.controls);
    shell_.placeGroups(shell.groupsOnMain);
    if (otherLanguage) shell_.applyLanguage();
    showMenu();
}

void UndoHistory::workAreaMouse(const MouseEvent& event) {
    if (event.action == MouseAction::Down) workAreaHeld_ = true;
    if (event.action == MouseAction::Up) workAreaHeld_ = false;
}

bool UndoHistory::continues(const QString& name) const {
    return !ctx_.controls.openDialog().isEmpty() || (name == ids::ImgDessin && workAreaHeld_) ||
           (!sliderHeld_.isEmpty() && name == sliderHeld_);
}

void UndoHistory::beforeUserInput(const QString& name, UserInput input) {
    if (input == UserInput::Hover) return;
    if (input == UserInput::Key && name == ids::ImgDessin && keyRun_ && !pending_) {
        joining_ = true;
        return;
    }
    if (pending_) {
        if (continues(name)) return;
        // An operation whose release never came ends here.
        commit(pendingName_);
        workAreaHeld_ = false;
        sliderHeld_.clear();
    }
    before_ = take();
    pending_ = true;
}

void UndoHistory::afterUserInput(const QString& name, UserInput input) {
    if (input == UserInput::MouseDown && ctx_.controls.get(name).kind == ControlKind::Slider)
        sliderHeld_ = name;
    if (input == UserInput::MouseUp && name == sliderHeld_) sliderHeld_.clear();
    if (input == UserInput::Hover) return;
    if (joining_) {
        // The key adds to the step above: the project may have changed.
        joining_ = false;
        ctx_.canvas.flush();
        if (listener_) listener_->projectChanged();
        return;
    }
    pendingName_ = name;
    pendingInput_ = input;
    if (pending_ && !continues(name)) commit(name);
    showMenu();
}

void UndoHistory::commit(const QString& name) {
    pending_ = false;
    ctx_.canvas.flush();
    const bool changed = !sameProject(ctx_.doc, before_.doc);
    if (changed) {
        Step step = describe(name);
        step.state = std::move(before_);
        keyRun_ = name == ids::ImgDessin && pendingInput_ == UserInput::Key;
        pushTop(undo_, std::move(step));
        while (undo_.size() > capacity_)
            undo_.pop_front();
        redo_.clear();
    }
    // Holding no picture of the live document, so that its next drawing
    // needs no copy.
    before_ = {};
    if (changed && listener_) listener_->projectChanged();
}

UndoHistory::Step UndoHistory::describe(const QString& name) const {
    Step step;
    step.control = name;
    const CurveDocument& before = before_.doc;
    const CurveDocument& now = ctx_.doc;
    if (name == ids::ImgDessin) {
        const CurveGeometry& a = before.curve;
        const CurveGeometry& b = now.curve;
        if (b.controlPointCount > a.controlPointCount) {
            step.action = Action::AddPoint;
            step.point = b.controlPointCount;
            return step;
        }
        const int count = std::min(usedPoints(a), usedPoints(b));
        const auto moved = [&](int i) {
            return i >= 0 && i < count && a.controlPoints[i] != b.controlPoints[i];
        };
        int first = 0;
        while (first < count && !moved(first))
            ++first;
        if (first < count) {
            step.action = Action::MovePoint;
            step.point = (moved(now.editor.dragIndex) ? now.editor.dragIndex : first) + 1;
        } else {
            step.action = before.frame == now.frame ? Action::Curve : Action::Frame;
        }
        return step;
    }
    switch (ctx_.controls.get(name).kind) {
    case ControlKind::Slider:
        step.action = Action::Slider;
        break;
    case ControlKind::Edit:
        step.action = Action::Typing;
        break;
    default:
        step.action = Action::Control;
        break;
    }
    return step;
}

void UndoHistory::pushTop(History& history, Step step) {
    if (!history.empty()) {
        Snapshot& top = history.back().state;
        top.packed = packPicture(top.doc.pictures.work, step.state.doc.pictures.work);
        top.doc.pictures.work = QImage();
        top.isPacked = true;
    }
    history.push_back(std::move(step));
}

UndoHistory::Step UndoHistory::popTop(History& history) {
    Step step = std::move(history.back());
    history.pop_back();
    if (!history.empty()) {
        Snapshot& top = history.back().state;
        top.doc.pictures.work = unpackPicture(top.packed, step.state.doc.pictures.work);
        top.packed = {};
        top.isPacked = false;
    }
    return step;
}

QString UndoHistory::menuText(const Step* step, bool undoing) const {
    const int language = ctx_.language();
    const auto text = [&](const MenuTexts& texts) -> QString {
        return (undoing ? texts.undo : texts.redo).in(language);
    };
    if (!step) return text(plainTexts);
    switch (step->action) {
    case Action::AddPoint:
        return text(addTexts).arg(step->point);
    case Action::MovePoint:
        return text(moveTexts).arg(step->point);
    case Action::Frame:
        return text(frameTexts);
    case Action::Curve:
        return text(curveTexts);
    case Action::Slider:
        return text(sliderTexts);
    case Action::Typing:
        return text(typingTexts);
    case Action::Control:
    case Action::Plain:
        break;
    }
    // A picture button has no caption: its tool tip says what it does.
    QString caption;
    if (ctx_.controls.has(step->control)) {
        const ControlState& control = ctx_.controls.get(step->control);
        caption = control.text.isEmpty() ? control.hint : control.text;
    }
    caption = caption.remove(QLatin1Char('&')).simplified();
    return caption.isEmpty() ? text(plainTexts) : text(controlTexts).arg(caption);
}

void UndoHistory::showMenu() {
    Controls& c = ctx_.controls;
    c.setCaption(ids::AnnulerAction, menuText(undo_.empty() ? nullptr : &undo_.back(), true));
    c.setEnabled(ids::AnnulerAction, !undo_.empty());
    c.setCaption(ids::RetablirAction, menuText(redo_.empty() ? nullptr : &redo_.back(), false));
    c.setEnabled(ids::RetablirAction, !redo_.empty());
}

std::size_t UndoHistory::stepBytes(int index) const {
    const Step& step = undo_.at(std::size_t(index));
    const Snapshot& s = step.state;
    std::size_t bytes = sizeof(Step) + std::size_t(s.packed.size()) + textBytes(step.control);
    if (!s.isPacked) bytes += std::size_t(s.doc.pictures.work.sizeInBytes());
    bytes += s.doc.timing.keypointTimes.capacity() * sizeof(KeypointTime);
    bytes += std::size_t(s.doc.keypoints.capacity()) * sizeof(Keypoint);
    NamedLists lists = s.doc.lists;
    for (const QString& name : NamedLists::names())
        bytes += textBytes(*lists.find(name));
    bytes += s.controls.capacity() * sizeof(ControlState);
    for (const ControlState& control : s.controls)
        bytes += textBytes(control.name) + textBytes(control.parent) + textBytes(control.text) +
                 textBytes(control.hint) + textBytes(control.items);
    return bytes;
}

} // namespace trajecta
