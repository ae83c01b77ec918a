#include "app/WorkKeeper.h"

#include "core/CurveRecord.h"
#include "core/Messages.h"
#include "curvefile/CurveFile.h"

namespace trajecta {

namespace {

const TextPair unsavedQuestion{
    QStringLiteral("Le projet a des changements qui ne sont pas enregistrés. Les enregistrer ?"),
    QStringLiteral("The project has changes that are not saved. Save them?")};
const TextPair saveButton{QStringLiteral("Enregistrer"), QStringLiteral("Save")};
const TextPair discardButton{QStringLiteral("Ne pas enregistrer"), QStringLiteral("Don't Save")};
const TextPair cancelButton{QStringLiteral("Annuler"), QStringLiteral("Cancel")};
const TextPair saveInStep6{
    QStringLiteral("Le projet s'enregistre à l'étape 6 : terminez la trajectoire pour l'enregistrer."),
    QStringLiteral("A project is saved in step 6: finish the path to save it.")};
const TextPair resumeQuestion{QStringLiteral("Reprendre le travail interrompu ?"),
                              QStringLiteral("Resume the interrupted work?")};
const TextPair damagedRecovery{
    QStringLiteral("Le travail interrompu ne peut pas être repris : son fichier de reprise est abîmé. "
                   "Il est gardé sous le nom %1"),
    QStringLiteral("The interrupted work cannot be resumed: its recovery file is damaged. It is kept as %1")};
const TextPair notKept{
    QStringLiteral("Le travail n'est pas gardé pour une reprise après un arrêt brutal : %1"),
    QStringLiteral("The work is not kept for recovery after a crash: %1")};

// The furthest step whose records belong to the project in hand.
Step reachedStep(const CurveDocument& doc) {
    const WorkflowState& w = doc.workflow;
    if (w.stepDone[Done::Parameters]) return Step::Finished;
    if (w.stepDone[Done::ParameterLog]) return Step::Parameters;
    if (w.stepDone[Done::Curve]) return Step::Times;
    if (w.stepDone[Done::Marking] && w.curveStopped) return Step::Shaping;
    if (w.stepDone[Done::Marking] && usedPoints(doc.curve) > 0) return Step::Marking;
    return Step::Format;
}

} // namespace

WorkKeeper::WorkKeeper(Context& ctx, HostExchange& host, Workflow& workflow, CurveFile& curveFile)
    : ctx_(ctx), host_(host), workflow_(workflow), curveFile_(curveFile) {}

WorkKeeper::~WorkKeeper() = default;

QStringList WorkKeeper::curveRecord() const {
    const CurveDocument& doc = ctx_.doc;
    QStringList record = doc.lists.LbxCollecter;
    if (usedPoints(doc.curve) > 0)
        writeCurveBlock(record, doc, ctx_.services.system.decimalSeparator());
    else
        removeCurveBlock(record);
    return record;
}

QStringList WorkKeeper::projectLines(QStringList record, Step upTo) const {
    if (upTo >= Step::Times) record += ctx_.doc.lists.LbxColTemps;
    if (upTo >= Step::Parameters) record += ctx_.doc.lists.LbxColParametres;
    return record;
}

QStringList WorkKeeper::projectLines() const {
    return projectLines(curveRecord(), Step::Finished);
}

RecoveryContent WorkKeeper::recoveryContent(const QStringList& record) const {
    const CurveDocument& doc = ctx_.doc;
    if (doc.workflow.currentStep == Step::Start || !doc.host.objectAccepted) return {};
    const Step reached = reachedStep(doc);
    return {doc.workflow.currentStep, reached, doc.host.loadedObject, projectLines(record, reached)};
}

RecoveryContent WorkKeeper::recoveryContent() const {
    return recoveryContent(curveRecord());
}

bool WorkKeeper::mayDiscardWork() {
    unsaved_ = projectLines() != savedLines_;
    if (!unsaved_) return true;
    const int lang = ctx_.language();
    const QStringList buttons{saveButton.in(lang), discardButton.in(lang), cancelButton.in(lang)};
    switch (ctx_.services.messages.yesNoCancel(unsavedQuestion.in(lang), buttons)) {
    case MessageAnswer::Yes:
        return save();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

// The three records are whole only in step 6, where the save button is.
bool WorkKeeper::save() {
    if (ctx_.doc.workflow.currentStep != Step::Finished) {
        ctx_.services.messages.warning(saveInStep6.in(ctx_.language()));
        return false;
    }
    return curveFile_.saveCurveFile();
}

void WorkKeeper::nothingUnsaved() {
    savedLines_ = projectLines();
    unsaved_ = false;
}

void WorkKeeper::projectChanged() {
    const QStringList record = curveRecord();
    unsaved_ = projectLines(record, Step::Finished) != savedLines_;
    keep(record);
}

void WorkKeeper::keepIn(const QString& folder) {
    files_ = std::make_unique<RecoveryFiles>(folder);
    kept_ = {};
    keep(curveRecord());
}

// The recovery file follows the project; a session back at the start screen
// has nothing to keep.
void WorkKeeper::keep(const QStringList& record) {
    if (!files_) return;
    RecoveryContent content = recoveryContent(record);
    if (content == kept_) return;
    kept_ = std::move(content);
    if (kept_.step == Step::Start) return files_->remove();
    const QString why = files_->write(recoveryText(kept_));
    if (why.isEmpty() || failureShown_) return;
    failureShown_ = true;
    ctx_.services.messages.warning(notKept.in(ctx_.language()).arg(why));
}

void WorkKeeper::flush() {
    if (files_) files_->flush();
}

bool WorkKeeper::interruptedWorkWaiting() const {
    return files_ && files_->claimInterrupted().has_value();
}

void WorkKeeper::offerInterruptedWork() {
    std::optional<InterruptedRun> run = files_ ? files_->claimInterrupted() : std::nullopt;
    if (!run) return;
    if (ctx_.services.messages.yesNo(resumeQuestion.in(ctx_.language())) != MessageAnswer::Yes)
        return run->remove();
    takeBack(std::move(*run));
}

// A file that does not read whole, or whose replay fails on the way, leaves
// the session exactly as it was and is set aside.
void WorkKeeper::takeBack(InterruptedRun run) {
    const std::optional<QByteArray> bytes = run.bytes();
    const std::optional<RecoveryContent> content = bytes ? readRecoveryText(*bytes) : std::nullopt;
    ctx_.canvas.flush();
    const CurveDocument before = ctx_.doc;
    const std::vector<ControlState> shown = ctx_.controls.states();
    if (content && replay(*content)) {
        // Its work is in this program's file before the old one goes.
        projectChanged();
        flush();
        run.remove();
        return;
    }
    ctx_.canvas.flush();
    ctx_.doc = before;
    ctx_.controls.restoreStates(shown);
    nothingUnsaved();
    ctx_.services.messages.warning(damagedRecovery.in(ctx_.language()).arg(run.setAside()));
}

} // namespace trajecta
