#include "curvefile/CurveFile.h"

#include "core/Bezier.h"
#include "core/CurveView.h"
#include "core/Editor.h"
#include "core/Messages.h"
#include "core/Workflow.h"
#include "curvefile/CurveFileCheck.h"
#include "curvefile/CurveFileText.h"
#include "document/ControlIds.h"
#include "extras/Extras.h"
#include "parameters/ParameterStep.h"
#include "platform/Numbers.h"
#include "timing/TimeLogReplay.h"

#include <QFileInfo>

namespace trajecta {

namespace {

// The dialogs show the projects by a name a person reads.
const TextPair fileFilter{QStringLiteral("Projets de trajectoire (*.tjc)"),
                          QStringLiteral("Motion path projects (*.tjc)")};
const QString defaultSuffix = QStringLiteral("tjc");

const TextPair fileError{QStringLiteral("Erreur dans le fichier, j'abandonne"),
                         QStringLiteral("Error in the file, I give up")};
const TextPair lineDetail{QStringLiteral("ligne %1 : %2"), QStringLiteral("line %1: %2")};
const TextPair lineMissing{QStringLiteral("ligne %1 : une ligne manque"),
                           QStringLiteral("line %1: a line is missing")};
const TextPair notReplayed{QStringLiteral("le fichier ne se rejoue pas sur cette courbe"),
                           QStringLiteral("the file does not replay on this curve")};
const TextPair wouldNotLoad{
    QStringLiteral("La courbe n'est pas enregistrée : le fichier ne se chargerait pas"),
    QStringLiteral("The curve is not saved: the file would not load")};

int rescaled(int value, int now, int then) {
    return roundEven(Extended(value) * now / then);
}

} // namespace

CurveFile::CurveFile(Context& ctx, Workflow& workflow, CurveView& view, TimeLogReplay& replay,
                     ParameterStep& parameters, Extras& extras)
    : ctx_(ctx), workflow_(workflow), view_(view), replay_(replay), parameters_(parameters), extras_(extras) {
}

void CurveFile::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onClick(ids::LblEnregistrerCourbe, [this] { saveCurveFile(); });
    c.onClick(ids::LblChargerFichier, [this] { loadCurveFile(); });
    c.onMouseDown(ids::LblEnregistrerCourbe, [&c] {
        c.setLowered(ids::PnlEnregistrerCourbe, true);
        c.setFontHeight(ids::LblEnregistrerCourbe, -17);
    });
    c.onMouseUp(ids::LblEnregistrerCourbe, [&c] {
        c.setLowered(ids::PnlEnregistrerCourbe, false);
        c.setFontHeight(ids::LblEnregistrerCourbe, -18);
    });
    c.onMouseDown(ids::LblChargerFichier, [&c] {
        c.setLowered(ids::PnlChargerFichier, true);
        c.setFontHeight(ids::LblChargerFichier, -20);
    });
    c.onMouseUp(ids::LblChargerFichier, [&c] {
        c.setLowered(ids::PnlChargerFichier, false);
        c.setFontHeight(ids::LblChargerFichier, -21);
    });
}

void CurveFile::setCaption(const QString& path) {
    ctx_.controls.setCaption(ids::KeyPointsBezier, QFileInfo(path).fileName());
}

QString CurveFile::lineText(const QStringList& lines, qsizetype line) const {
    const int lang = ctx_.language();
    return line < lines.size() ? lineDetail.in(lang).arg(QString::number(line + 1), lines[line])
                               : lineMissing.in(lang).arg(line + 1);
}

bool CurveFile::saveCurveFile() {
    NamedLists& lists = ctx_.doc.lists;
    lists.LbxFichier = lists.LbxCollecter + lists.LbxColTemps + lists.LbxColParametres;
    const int lang = ctx_.language();
    // A file the loader would refuse is never written.
    const CheckedCurveFile checked = checkCurveFile(lists.LbxFichier, ctx_.doc.curve.partCount);
    if (checked.error) {
        ctx_.services.messages.warning(wouldNotLoad.in(lang) + QLatin1Char('\n') +
                                       lineText(lists.LbxFichier, checked.error->line));
        return false;
    }
    std::optional<QString> path = ctx_.services.files.saveFile(fileFilter.in(ctx_.language()));
    if (!path || path->isEmpty()) return false;
    if (QFileInfo(*path).suffix().isEmpty()) *path += QLatin1Char('.') + defaultSuffix;
    if (QFileInfo::exists(*path) &&
        ctx_.services.messages.yesNo(Messages::fileExists.in(lang)) != MessageAnswer::Yes) {
        setCaption(*path);
        return false;
    }
    const QString why = writeFileAtomically(*path, encodeCurveFile(lists.LbxFichier));
    if (!why.isEmpty()) {
        // The caption keeps naming the file last written or loaded.
        ctx_.services.messages.warning(Messages::notWritten.in(lang).arg(*path, why));
        return false;
    }
    setCaption(*path);
    if (guard_) guard_->nothingUnsaved();
    return true;
}

void CurveFile::loadCurveFile() {
    if (guard_ && !guard_->mayDiscardWork()) return;
    const std::optional<QString> path = ctx_.services.files.openFile(fileFilter.in(ctx_.language()));
    if (!path || path->isEmpty()) return;
    QString why;
    const std::optional<QByteArray> bytes = readWholeFile(*path, &why);
    if (!bytes) {
        ctx_.services.messages.warning(Messages::notRead.in(ctx_.language()).arg(*path, why));
        return;
    }
    if (!loadLines(decodeCurveFile(*bytes)).isEmpty()) return;
    setCaption(*path);
    if (guard_) guard_->nothingUnsaved();
}

QString CurveFile::fail(const QString& detail) {
    const QString text = fileError.in(ctx_.language()) + QLatin1Char('\n') + detail;
    ctx_.controls.hide(ids::LblTravauxEnCours);
    ctx_.services.messages.warning(text);
    return text;
}

QString CurveFile::loadLines(const QStringList& lines, Step until) {
    CurveDocument& doc = ctx_.doc;
    const int lang = ctx_.language();
    const CheckedCurveFile checked = checkCurveFile(lines, doc.curve.partCount);
    if (checked.error) return fail(lineText(lines, checked.error->line));
    ctx_.controls.show(ids::LblTravauxEnCours);
    ctx_.canvas.flush();
    const CurveDocument before = doc;
    const std::vector<ControlState> shown = ctx_.controls.states();
    if (!replay(checked.content, lines, until)) {
        ctx_.canvas.flush();
        doc = before;
        ctx_.controls.restoreStates(shown);
        return fail(notReplayed.in(lang));
    }
    if (until == Step::Finished) doc.lists.LbxFichier = lines;
    doc.workflow.replayingFile = false;
    ctx_.controls.hide(ids::LblTravauxEnCours);
    return {};
}

// The replay runs the user's operations without drawing them: each would draw
// the work area again, or move the keypoint marks over it. The project ends in
// the step it is replayed to, whose picture the curve view draws in full from
// the document (a failed replay gives the document back, picture and all).
bool CurveFile::replay(const CurveFileContent& content, const QStringList& lines, Step until) {
    ctx_.doc.workflow.replayingFile = true;
    struct Held {
        Canvas& canvas;
        explicit Held(Canvas& c) : canvas(c) { canvas.setHeld(true); }
        ~Held() { canvas.setHeld(false); }
    };
    {
        const Held held(ctx_.canvas);
        if (!replayCurve(content, until) || (until >= Step::Times && !replayTimes(content, until)) ||
            (until >= Step::Parameters && !replayParameters(content, lines, until)))
            return false;
    }
    view_.redrawCurve();
    return true;
}

bool CurveFile::createRecordedCurve(const RecordedCurve& recorded) {
    Controls& c = ctx_.controls;
    c.setItemIndex(ids::RdgChoixEcran, formatItem(c.get(ids::RdgChoixEcran).items, recorded.formatName,
                                                  recorded.width, recorded.height));
    workflow_.createCurve();
    return ctx_.doc.workflow.currentStep == Step::Marking;
}

bool CurveFile::replayMarking(const RecordedCurve& recorded, std::size_t from) {
    if (from == 0 && !createRecordedCurve(recorded)) return false;
    const WorkflowState& w = ctx_.doc.workflow;
    for (std::size_t i = from; i < recorded.points.size(); ++i) {
        const QPoint& p = recorded.points[i];
        MouseEvent click;
        click.action = MouseAction::Click;
        click.x = rescaled(p.x(), w.workWidth, recorded.width);
        click.y = rescaled(p.y(), w.workHeight, recorded.height);
        if (!w.markingActive || !withinMouseLimit(click.x) || !withinMouseLimit(click.y)) return false;
        workflow_.workAreaMouse(click);
    }
    return w.currentStep == Step::Marking;
}

// The geometry, rescaled to the work area of the recorded format, then the
// curve stopped and finished as the buttons do.
bool CurveFile::replayCurve(const CurveFileContent& content, Step until) {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    const RecordedCurve& recorded = content.curve;
    if (!createRecordedCurve(recorded)) return false;
    WorkflowState& w = doc.workflow;

    CurveGeometry& curve = doc.curve;
    const int count = int(recorded.points.size());
    for (int i = 0; i < count; ++i) {
        const QPoint& p = recorded.points[size_t(i)];
        const QPoint q(rescaled(p.x(), w.workWidth, recorded.width),
                       rescaled(p.y(), w.workHeight, recorded.height));
        if (!withinMouseLimit(q.x()) || !withinMouseLimit(q.y())) return false;
        curve.controlPoints[size_t(i)] = q;
        curve.pointStates[size_t(i)] = recorded.states[size_t(i)];
    }
    curve.controlPointCount = count;
    curve.partCount = (count - 1) / 3;
    for (const auto& [k, m] : recorded.parts)
        curve.partSampleCounts[size_t(k)] = m;
    curve.partSelected.fill(false);
    curve.allPartsSelected = false;
    FrameState& frame = doc.frame;
    frame.framePresent = recorded.framePresent;
    if (recorded.framePresent) {
        const FrameRect& f = recorded.frame;
        frame.frameRect = {rescaled(f.left, w.workWidth, recorded.width),
                           rescaled(f.top, w.workHeight, recorded.height),
                           rescaled(f.right, w.workWidth, recorded.width),
                           rescaled(f.bottom, w.workHeight, recorded.height)};
    }
    w.stepDone.undoFrom(Done::Curve);
    w.stepDone[Done::WorkArea] = w.stepDone[Done::Marking] = true;
    w.objectTextBuilt = w.timesDirty = w.positionsStale = false;
    // The Extras choices belonged to the project being replaced.
    extras_.reset();
    w.curveExists = true;
    c.setChecked(ids::ChBxFermerCourbe, recorded.closed);
    view_.sampleCurve();
    view_.redrawCurve();
    workflow_.stopMarking();
    if (until == Step::Shaping)
        return w.currentStep == Step::Shaping && curve.sampleCount == content.sampleCount;
    workflow_.finishCurve();
    return w.currentStep == Step::Times && curve.sampleCount == content.sampleCount;
}

bool CurveFile::replayTimes(const CurveFileContent& content, Step until) {
    // The presets measure the path as it was recorded, not as rescaled to this
    // work area, so that the times never depend on the screen.
    CurveGeometry recorded = ctx_.doc.curve;
    for (size_t i = 0; i < content.curve.points.size(); ++i)
        recorded.controlPoints[i] = content.curve.points[i];
    sampleParts(recorded);
    if (!replay_.replay(content.firstTime, content.times, recorded)) return false;
    if (until == Step::Times) return ctx_.doc.workflow.currentStep == Step::Times;
    workflow_.finishKeypointStep();
    return ctx_.doc.workflow.currentStep == Step::Parameters;
}

bool CurveFile::replayParameters(const CurveFileContent& content, const QStringList& lines, Step until) {
    CurveDocument& doc = ctx_.doc;
    const int before = doc.parameters.parameterRecordCount;
    if (!parameters_.replayParameterLog(lines)) return false;
    // A record the panel refused would be lost without a word.
    if (doc.parameters.parameterRecordCount - before != int(content.parameters.records.size())) return false;
    if (until == Step::Parameters) return doc.workflow.currentStep == Step::Parameters;
    workflow_.finishKeypointStep();
    return doc.workflow.currentStep == Step::Finished;
}

} // namespace trajecta
