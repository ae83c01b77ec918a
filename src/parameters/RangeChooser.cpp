#include "parameters/RangeChooser.h"

#include "core/CurveView.h"
#include "core/Layout.h"
#include "core/Messages.h"
#include "core/StepScreens.h"
#include "host/HostExchange.h"
#include "parameters/ParameterPanel.h"
#include "parameters/ParameterRecord.h"
#include "parameters/ParameterStep.h"
#include "platform/Colours.h"
#include "timing/KeypointTimes.h"
#include "timing/TimePresets.h"

#include <algorithm>

namespace trajecta {

namespace {
const QString cursor = QStringLiteral("TbMontrePoint");
const QString startButton = QStringLiteral("LblVarDep");
const QString endButton = QStringLiteral("LblVarFin");
const QString cancelButton = QStringLiteral("LblVarAnnule");
const QString saveButton = QStringLiteral("LblVarSave");
const QString cancelAllButton = QStringLiteral("LblParaAnnuleTout");
const QString finishButton = QStringLiteral("LblParaFini");
const QString nextStepButton = QStringLiteral("LblEtapeApres");

const TextPair lastPointAsStart{QStringLiteral("Le dernier point ne peut être choisi comme départ"),
                                QStringLiteral("The last point can not be chosen as start")};

// The cursor group, hidden while a whole range is chosen.
const char* const cursorGroup[] = {"TbMontrePoint",     "PnlGroupeFleches", "LblPointSelect",
                                   "LblDeplaceCurseur", "LbliTempsCePoint", "LblTempsPointActuel"};
} // namespace

RangeChooser::RangeChooser(Context& ctx, CurveView& view, KeypointTimes& times, TimePresets& presets,
                           ParameterStep& step, ParameterPanel& panel, HostExchange& host)
    : ctx_(ctx), view_(view), times_(times), presets_(presets), step_(step), panel_(panel), host_(host) {}

void RangeChooser::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onChange(cursor, [this] { cursorMoved(); });
    c.onClick(QStringLiteral("ImgFG_haut"), [this] { first(); });
    c.onClick(QStringLiteral("ImgCentreHaut"), [this] { middle(); });
    c.onClick(QStringLiteral("ImgFD_haut"), [this] { last(); });
    c.onMouseDown(QStringLiteral("ImgCentreHaut"), [&c] { c.hide(QStringLiteral("ImgCentreHaut")); });
    c.onMouseUp(QStringLiteral("ImgCentreHaut"), [&c] { c.show(QStringLiteral("ImgCentreHaut")); });
    c.onClick(startButton, [this] { chooseStart(); });
    c.onClick(endButton, [this] { chooseEnd(); });
    c.onClick(cancelButton, [this] { cancelRange(); });
    c.onClick(saveButton, [this] { save(); });
    c.onClick(cancelAllButton, [this] { cancelAll(); });
    c.onClick(finishButton, [this] { finish(); });
    c.onClick(QStringLiteral("ChBxTangenteAuPoint"), [this] { tangentDisplay(); });
    pressLook(startButton, QStringLiteral("ImgVarDepHaut"), QStringLiteral("ImgVarDepBas"), 11, 12);
    pressLook(endButton, QStringLiteral("ImgVarFinHaut"), QStringLiteral("ImgVarFinBas"), 11, 12);
    pressLook(cancelButton, QStringLiteral("ImgVarAnnuleHaut"), QStringLiteral("ImgVarAnnuleBas"), 11, 12);
    pressLook(saveButton, QStringLiteral("ImgVarOKHaut"), QStringLiteral("ImgVarOKBas"), 11, 13);
    pressLook(cancelAllButton, QStringLiteral("ImgAnnuleToutHaut"), QStringLiteral("ImgAnnuleToutBas"), 11,
              12);
    pressLook(finishButton, QStringLiteral("ImgParaFiniHaut"), QStringLiteral("ImgParaFiniBas"), 13, 14);
}

void RangeChooser::pressLook(const QString& label, const QString& raised, const QString& pressed,
                             int pressedSize, int releasedSize) {
    Controls& c = ctx_.controls;
    c.onMouseDown(label, [&c, label, raised, pressed, pressedSize] {
        c.hide(raised);
        c.show(pressed);
        c.setFontHeight(label, pressedSize);
    });
    c.onMouseUp(label, [&c, label, raised, pressed, releasedSize] {
        c.show(raised);
        c.hide(pressed);
        c.setFontHeight(label, releasedSize);
    });
}

bool RangeChooser::timeStep() const {
    return ctx_.doc.timeEdit.timeStepActive;
}

void RangeChooser::cursorMoved() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    if (!r.cursorLive) return;
    Controls& c = ctx_.controls;
    r.previousPoint = r.shownKeypoint;
    r.shownKeypoint = c.position(cursor);
    // Drawn over itself when the keypoint did not change, the cross stays.
    view_.markKeypoint(r.previousPoint, r.shownKeypoint);
    c.setCaption(QStringLiteral("LblPointSelect"), QString::number(r.shownKeypoint + 1));
    times_.showKeypointTime(r.shownKeypoint);
    if (!timeStep()) panel_.loadValues(r.shownKeypoint, 2);
    c.setItemIndex(QStringLiteral("LbxListeKP"), -1);
    const QChar sep = ctx_.services.system.decimalSeparator();
    c.setCaption(QStringLiteral("LblNombrePoints"),
                 QStringLiteral("AngleDecalInitial=") +
                     generalNumber(static_cast<double>(doc.parameters.angles.initialAngleOffset), sep));
    view_.keypointTangentAngle(r.shownKeypoint);
}

void RangeChooser::first() {
    if (ctx_.doc.range.cursorLive) ctx_.controls.setPosition(cursor, timeStep() ? 1 : 0);
}

void RangeChooser::middle() {
    if (!ctx_.doc.range.cursorLive) return;
    const ControlState& s = ctx_.controls.get(cursor);
    ctx_.controls.setPosition(cursor, s.min + (s.max - s.min) / 2);
}

void RangeChooser::last() {
    if (ctx_.doc.range.cursorLive) ctx_.controls.setPosition(cursor, ctx_.doc.curve.sampleCount - 1);
}

void RangeChooser::chooseStart() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    const int p = c.position(cursor);
    if (r.rangeStart >= 0) return;
    if (p >= doc.curve.sampleCount - 1) {
        ctx_.services.messages.information(lastPointAsStart.in(ctx_.language()));
        return;
    }
    r.rangeStart = p;
    r.cursorLive = false;
    c.setPosition(cursor, p + 1);
    view_.markKeypoint(r.shownKeypoint, -1);
    c.setCaption(QStringLiteral("LblChoixDep"), QString::number(p + 1));
    c.show(QStringLiteral("LblChoixDep"));
    rangeMark(p);
    r.shownKeypoint = p + 1;
    view_.markKeypoint(r.shownKeypoint, -1);
    c.setMin(cursor, p + 1);
    c.setCaption(QStringLiteral("LblPointSelect"), QString::number(p + 2));
    c.setEnabled(startButton, false);
    c.setEnabled(cancelButton, true);
    c.setEnabled(endButton, true);
    c.show(QStringLiteral("PnAnnulePara"));
    r.cursorLive = true;
    if (timeStep()) {
        times_.startChosen();
        return;
    }
    panel_.loadValues(p, 0);
    panel_.applyVisibility();
}

void RangeChooser::chooseEnd() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    const int p = c.position(cursor);
    if (r.rangeStart < 0 || p <= r.rangeStart || r.rangeEnd >= 0) return;
    r.rangeEnd = p;
    r.cursorLive = false;
    view_.markKeypoint(r.shownKeypoint, -1);
    r.shownKeypoint = r.previousPoint = -1;
    c.setCaption(QStringLiteral("LblChoixFin"), QString::number(p + 1));
    c.show(QStringLiteral("LblChoixFin"));
    rangeMark(p);
    c.setEnabled(endButton, false);
    c.setEnabled(cancelButton, true);
    c.show(QStringLiteral("PnFinPara"));
    c.show(QStringLiteral("PnOKPara"));
    c.setEnabled(saveButton, true);
    c.setEnabled(finishButton, false);
    c.setEnabled(nextStepButton, false);
    showCursorGroup(false);
    const double angle = view_.keypointTangentAngle(p);
    const QString angleText = generalNumber(angle, ctx_.services.system.decimalSeparator());
    c.setCaption(QStringLiteral("LblAngletangente"), angleText);
    panel_.setEditText(QStringLiteral("EdtRotFin"), angleText);
    if (timeStep()) {
        times_.endChosen();
        return;
    }
    panel_.loadValues(p, 1);
    panel_.applyVisibility();
}

void RangeChooser::cancelRange() {
    if (timeStep() && ctx_.doc.timeEdit.timeMode != TimeMode::Personal) return presets_.cancel();
    removeMarks();
    resetChooser(true);
    if (timeStep()) times_.cancelTimes();
}

// Back to "no range": the cursor follows again (moved to the first keypoint
// it may show when `cursorToStart`) and the buttons allow a new start.
void RangeChooser::resetChooser(bool cursorToStart) {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    const bool times = timeStep();
    r.rangeStart = r.rangeEnd = -1;
    if (cursorToStart) {
        r.cursorLive = false;
        c.setMin(cursor, times ? 1 : 0);
        c.setMax(cursor, std::max(c.get(cursor).min, doc.curve.sampleCount - 1));
    }
    r.cursorLive = true;
    r.shownKeypoint = -1;
    if (cursorToStart) c.setPosition(cursor, 0);
    if (r.shownKeypoint < 0) cursorMoved();
    resetButtons();
    if (!times) c.setEnabled(cancelAllButton, doc.parameters.parameterRecordCount >= 1);
    hideColumns();
    showCursorGroup(true);
}

void RangeChooser::hideColumns() {
    for (const char* panel : {"PnParaDeb", "PnParaFin", "Pn3Ddeb", "Pn3Dfin"})
        ctx_.controls.hide(QString::fromLatin1(panel));
}

void RangeChooser::resetButtons() {
    Controls& c = ctx_.controls;
    c.setEnabled(endButton, false);
    c.setEnabled(cancelButton, false);
    c.setEnabled(saveButton, false);
    c.setEnabled(startButton, true);
    c.setEnabled(finishButton, true);
    c.setEnabled(nextStepButton, true);
    c.setCaption(QStringLiteral("LblChoixDep"), QString());
    c.setCaption(QStringLiteral("LblChoixFin"), QString());
}

void RangeChooser::save() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    if (timeStep()) {
        if (doc.timeEdit.timeMode != TimeMode::Personal) return presets_.record();
        if (!doc.timeEdit.rangeReady) return times_.recordTimes();
        // The record re-enters the time step and puts the cursor on the old
        // end; the chooser then follows the cursor from there.
        removeMarks();
        times_.recordTimes();
        resetChooser(false);
        return;
    }
    const int e = r.rangeEnd;
    if (!step_.saveRecord()) return;
    cancelRange();
    // The next range can start where this one ended.
    if (e < doc.curve.sampleCount - 1) ctx_.controls.setPosition(cursor, e);
}

void RangeChooser::cancelAll() {
    step_.cancelAllParameters();
    ctx_.controls.setEnabled(cancelAllButton, ctx_.doc.parameters.parameterRecordCount >= 1);
}

void RangeChooser::finish() {
    if (timeStep())
        enterParameterStep();
    else if (ctx_.doc.workflow.currentStep == Step::Parameters)
        finishParameterStep();
}

void RangeChooser::tangentDisplay() {
    view_.removeTangentSegments();
    ctx_.doc.parameters.tangentShown = ctx_.controls.checked(QStringLiteral("ChBxTangenteAuPoint"));
    cursorMoved();
}

void RangeChooser::enterParameterStep() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    view_.removeTangentSegments();
    // Leaving forward records a first time still pending; the range or
    // preset in progress is dropped.
    times_.recordFirstTime();
    if (doc.timeEdit.timeMode != TimeMode::Personal) presets_.cancel();
    const bool pending = r.rangeStart >= 0 || r.rangeEnd >= 0;
    removeMarks();
    if (pending) times_.cancelTimes();
    times_.leaveTimeStep();
    step_.startParameterLog();

    doc.workflow.currentStep = Step::Parameters;
    setStepMessage(ctx_, StepMessage::SetParameters);
    c.hide(QStringLiteral("GbxTemps"));
    for (const char* name : {"LbliQpara", "LblQpara", "GbxInfoParaPoint", "PnAnnulerTout", "GbxParaSurQuoi"})
        c.show(QString::fromLatin1(name));
    c.hide(QStringLiteral("LblChoixDep"));
    c.hide(QStringLiteral("LblChoixFin"));
    resetChooser(true);
    c.setEnabled(cancelAllButton, false);
    panel_.applyVisibility();
    c.setCaption(QStringLiteral("LblQpara"), QString::number(doc.parameters.parameterRecordCount));
    step_.refreshKeypointList();
    // A replay leaves the range and the cursor of its last record.
    if (rotationsFollowThePath()) {
        resetChooser(true);
        c.setEnabled(cancelAllButton, false);
    }
    // The reversed path follows the times just recorded, once the keypoint
    // list it is built from has them too.
    host_.refreshReversedPath();
    hideGroup(ctx_, MovableGroup::Extras);
    panel_.loadValues(0, 2);
}

void RangeChooser::finishParameterStep() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    view_.removeTangentSegments();
    if (r.rangeStart >= 0 || r.rangeEnd >= 0) cancelRange();
    doc.workflow.stepDone[Done::Parameters] = true;
    hideGroup(ctx_, MovableGroup::Parameters);
    doc.workflow.currentStep = Step::Finished;
    c.setEnabled(nextStepButton, false);
    view_.markKeypoint(r.shownKeypoint, -1);
    r.shownKeypoint = r.rangeStart = r.rangeEnd = -1;
    c.hide(QStringLiteral("GbxInfoParaPoint"));

    c.hide(QStringLiteral("PnlTransfertEtRetour"));
    for (const char* name :
         {"PnlTransfertSeul", "Pnl_nouvel_objet", "PnlEnregistrerCourbe", "LblTempsMiniVueFinal"})
        c.show(QString::fromLatin1(name));
    c.setCaption(QStringLiteral("LblTempsMiniVueFinal"),
                 c.text(QStringLiteral("LbliDureeMiniVue")) + c.text(QStringLiteral("LblTempsTotalVue")));
    // The writer announces the object only once it is on the clipboard.
    host_.writePathInForce();
    showGroup(ctx_, MovableGroup::Extras);
    step_.traceFinalAngles();
}

void RangeChooser::leaveParameterStep() {
    removeMarks();
    forgetRange();
}

void RangeChooser::leaveTimeStep() {
    // An open preset is dropped with its unrecorded times and record lines.
    if (ctx_.doc.timeEdit.timeMode != TimeMode::Personal) presets_.cancel();
    const KeypointRange& r = ctx_.doc.range;
    if (r.rangeStart >= 0 || r.rangeEnd >= 0) times_.cancelTimes();
    // Going back drops a pending first time as it drops a pending range.
    times_.dropFirstTime();
    forgetRange();
}

// No range and no mark; the next cursor move draws the cursor mark afresh.
void RangeChooser::forgetRange() {
    KeypointRange& r = ctx_.doc.range;
    r.rangeStart = r.rangeEnd = r.shownKeypoint = r.previousPoint = -1;
    r.cursorLive = true;
    resetButtons();
    hideColumns();
    showCursorGroup(true);
}

void RangeChooser::restoreParameterStep() {
    Controls& c = ctx_.controls;
    hideGroup(ctx_, MovableGroup::Extras);
    showGroup(ctx_, MovableGroup::Parameters);
    c.show(QStringLiteral("GbxInfoParaPoint"));
    resetChooser(true);
    panel_.applyVisibility();
}

void RangeChooser::redrawMarks() {
    const KeypointRange& r = ctx_.doc.range;
    view_.markKeypoint(r.shownKeypoint, -1);
    rangeMark(r.rangeStart);
    rangeMark(r.rangeEnd);
}

// The marks on screen go: the range marks, and the cursor mark while the
// cursor still shows a keypoint (it stops showing one once an end is chosen).
void RangeChooser::removeMarks() {
    KeypointRange& r = ctx_.doc.range;
    rangeMark(r.rangeStart);
    rangeMark(r.rangeEnd);
    if (r.rangeEnd < 0) view_.markKeypoint(r.shownKeypoint, -1);
    r.shownKeypoint = -1;
}

void RangeChooser::rangeMark(int k) {
    const CurveGeometry& curve = ctx_.doc.curve;
    if (k < 0 || k >= curve.sampleCount) return;
    Canvas& canvas = ctx_.canvas;
    canvas.setPenColour(colours::red);
    canvas.setPenDashed(false);
    canvas.setPenWidth(3);
    canvas.setPenMode(PenMode::NotXor);
    const SamplePoint& s = curve.samplePoints[static_cast<size_t>(k)];
    canvas.line(s.x - 4, s.y - 4, s.x + 4, s.y + 4);
    canvas.line(s.x - 4, s.y + 4, s.x + 4, s.y - 4);
}

void RangeChooser::showCursorGroup(bool visible) {
    for (const char* name : cursorGroup)
        ctx_.controls.setVisible(QString::fromLatin1(name), visible);
}

} // namespace trajecta
