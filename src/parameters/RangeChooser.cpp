#include "parameters/RangeChooser.h"

#include "core/CurveView.h"
#include "core/Layout.h"
#include "core/Messages.h"
#include "core/StepScreens.h"
#include "document/ControlIds.h"
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

const TextPair lastPointAsStart{QStringLiteral("Le dernier point ne peut être choisi comme départ"),
                                QStringLiteral("The last point can not be chosen as start")};

// The cursor group, hidden while a whole range is chosen.
constexpr AnyControlId cursorGroup[] = {ids::TbMontrePoint,    ids::PnlGroupeFleches,
                                        ids::LblPointSelect,   ids::LblDeplaceCurseur,
                                        ids::LbliTempsCePoint, ids::LblTempsPointActuel};
} // namespace

RangeChooser::RangeChooser(Context& ctx, CurveView& view, KeypointTimes& times, TimePresets& presets,
                           ParameterStep& step, ParameterPanel& panel, HostExchange& host)
    : ctx_(ctx), view_(view), times_(times), presets_(presets), step_(step), panel_(panel), host_(host) {}

void RangeChooser::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onChange(ids::TbMontrePoint, [this] { cursorMoved(); });
    c.onClick(ids::ImgFG_haut, [this] { first(); });
    c.onClick(ids::ImgCentreHaut, [this] { middle(); });
    c.onClick(ids::ImgFD_haut, [this] { last(); });
    c.onMouseDown(ids::ImgCentreHaut, [&c] { c.hide(ids::ImgCentreHaut); });
    c.onMouseUp(ids::ImgCentreHaut, [&c] { c.show(ids::ImgCentreHaut); });
    c.onClick(ids::LblVarDep, [this] { chooseStart(); });
    c.onClick(ids::LblVarFin, [this] { chooseEnd(); });
    c.onClick(ids::LblVarAnnule, [this] { cancelRange(); });
    c.onClick(ids::LblVarSave, [this] { save(); });
    c.onClick(ids::LblParaAnnuleTout, [this] { cancelAll(); });
    c.onClick(ids::LblParaFini, [this] { finish(); });
    c.onClick(ids::ChBxTangenteAuPoint, [this] { tangentDisplay(); });
    pressLook(ids::LblVarDep, ids::ImgVarDepHaut, ids::ImgVarDepBas, 11, 12);
    pressLook(ids::LblVarFin, ids::ImgVarFinHaut, ids::ImgVarFinBas, 11, 12);
    pressLook(ids::LblVarAnnule, ids::ImgVarAnnuleHaut, ids::ImgVarAnnuleBas, 11, 12);
    pressLook(ids::LblVarSave, ids::ImgVarOKHaut, ids::ImgVarOKBas, 11, 13);
    pressLook(ids::LblParaAnnuleTout, ids::ImgAnnuleToutHaut, ids::ImgAnnuleToutBas, 11, 12);
    pressLook(ids::LblParaFini, ids::ImgParaFiniHaut, ids::ImgParaFiniBas, 13, 14);
}

void RangeChooser::pressLook(LabelId label, ImageId raised, ImageId pressed, int pressedSize,
                             int releasedSize) {
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
    r.shownKeypoint = c.position(ids::TbMontrePoint);
    // Drawn over itself when the keypoint did not change, the cross stays.
    view_.markKeypoint(r.previousPoint, r.shownKeypoint);
    c.setCaption(ids::LblPointSelect, QString::number(r.shownKeypoint + 1));
    times_.showKeypointTime(r.shownKeypoint);
    if (!timeStep()) panel_.loadValues(r.shownKeypoint, 2);
    c.setItemIndex(ids::LbxListeKP, -1);
    const QChar sep = ctx_.services.system.decimalSeparator();
    c.setCaption(ids::LblNombrePoints,
                 QStringLiteral("AngleDecalInitial=") +
                     generalNumber(static_cast<double>(doc.parameters.angles.initialAngleOffset), sep));
    view_.keypointTangentAngle(r.shownKeypoint);
}

void RangeChooser::first() {
    if (ctx_.doc.range.cursorLive) ctx_.controls.setPosition(ids::TbMontrePoint, timeStep() ? 1 : 0);
}

void RangeChooser::middle() {
    if (!ctx_.doc.range.cursorLive) return;
    const ControlState& s = ctx_.controls.get(ids::TbMontrePoint);
    ctx_.controls.setPosition(ids::TbMontrePoint, s.min + (s.max - s.min) / 2);
}

void RangeChooser::last() {
    if (ctx_.doc.range.cursorLive)
        ctx_.controls.setPosition(ids::TbMontrePoint, ctx_.doc.curve.sampleCount - 1);
}

void RangeChooser::chooseStart() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    const int p = c.position(ids::TbMontrePoint);
    if (r.rangeStart >= 0) return;
    if (p >= doc.curve.sampleCount - 1) {
        ctx_.services.messages.information(lastPointAsStart.in(ctx_.language()));
        return;
    }
    r.rangeStart = p;
    r.cursorLive = false;
    c.setPosition(ids::TbMontrePoint, p + 1);
    view_.markKeypoint(r.shownKeypoint, -1);
    c.setCaption(ids::LblChoixDep, QString::number(p + 1));
    c.show(ids::LblChoixDep);
    rangeMark(p);
    r.shownKeypoint = p + 1;
    view_.markKeypoint(r.shownKeypoint, -1);
    c.setMin(ids::TbMontrePoint, p + 1);
    c.setCaption(ids::LblPointSelect, QString::number(p + 2));
    c.setEnabled(ids::LblVarDep, false);
    c.setEnabled(ids::LblVarAnnule, true);
    c.setEnabled(ids::LblVarFin, true);
    c.show(ids::PnAnnulePara);
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
    const int p = c.position(ids::TbMontrePoint);
    if (r.rangeStart < 0 || p <= r.rangeStart || r.rangeEnd >= 0) return;
    r.rangeEnd = p;
    r.cursorLive = false;
    view_.markKeypoint(r.shownKeypoint, -1);
    r.shownKeypoint = r.previousPoint = -1;
    c.setCaption(ids::LblChoixFin, QString::number(p + 1));
    c.show(ids::LblChoixFin);
    rangeMark(p);
    c.setEnabled(ids::LblVarFin, false);
    c.setEnabled(ids::LblVarAnnule, true);
    c.show(ids::PnFinPara);
    c.show(ids::PnOKPara);
    c.setEnabled(ids::LblVarSave, true);
    c.setEnabled(ids::LblParaFini, false);
    c.setEnabled(ids::LblEtapeApres, false);
    showCursorGroup(false);
    const double angle = view_.keypointTangentAngle(p);
    const QString angleText = generalNumber(angle, ctx_.services.system.decimalSeparator());
    c.setCaption(ids::LblAngletangente, angleText);
    panel_.setEditText(ids::EdtRotFin, angleText);
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
        c.setMin(ids::TbMontrePoint, times ? 1 : 0);
        c.setMax(ids::TbMontrePoint, std::max(c.get(ids::TbMontrePoint).min, doc.curve.sampleCount - 1));
    }
    r.cursorLive = true;
    r.shownKeypoint = -1;
    if (cursorToStart) c.setPosition(ids::TbMontrePoint, 0);
    if (r.shownKeypoint < 0) cursorMoved();
    resetButtons();
    if (!times) c.setEnabled(ids::LblParaAnnuleTout, doc.parameters.parameterRecordCount >= 1);
    hideColumns();
    showCursorGroup(true);
}

void RangeChooser::hideColumns() {
    for (PanelId panel : {ids::PnParaDeb, ids::PnParaFin, ids::Pn3Ddeb, ids::Pn3Dfin})
        ctx_.controls.hide(panel);
}

void RangeChooser::resetButtons() {
    Controls& c = ctx_.controls;
    c.setEnabled(ids::LblVarFin, false);
    c.setEnabled(ids::LblVarAnnule, false);
    c.setEnabled(ids::LblVarSave, false);
    c.setEnabled(ids::LblVarDep, true);
    c.setEnabled(ids::LblParaFini, true);
    c.setEnabled(ids::LblEtapeApres, true);
    c.setCaption(ids::LblChoixDep, QString());
    c.setCaption(ids::LblChoixFin, QString());
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
    if (e < doc.curve.sampleCount - 1) ctx_.controls.setPosition(ids::TbMontrePoint, e);
}

void RangeChooser::cancelAll() {
    step_.cancelAllParameters();
    ctx_.controls.setEnabled(ids::LblParaAnnuleTout, ctx_.doc.parameters.parameterRecordCount >= 1);
}

void RangeChooser::finish() {
    if (timeStep())
        enterParameterStep();
    else if (ctx_.doc.workflow.currentStep == Step::Parameters)
        finishParameterStep();
}

void RangeChooser::tangentDisplay() {
    view_.removeTangentSegments();
    ctx_.doc.parameters.tangentShown = ctx_.controls.checked(ids::ChBxTangenteAuPoint);
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
    c.hide(ids::GbxTemps);
    for (AnyControlId name : AnyControlIds{ids::LbliQpara, ids::LblQpara, ids::GbxInfoParaPoint,
                                           ids::PnAnnulerTout, ids::GbxParaSurQuoi})
        c.show(name);
    c.hide(ids::LblChoixDep);
    c.hide(ids::LblChoixFin);
    resetChooser(true);
    c.setEnabled(ids::LblParaAnnuleTout, false);
    panel_.applyVisibility();
    c.setCaption(ids::LblQpara, QString::number(doc.parameters.parameterRecordCount));
    step_.refreshKeypointList();
    // A replay leaves the range and the cursor of its last record.
    if (rotationsFollowThePath()) {
        resetChooser(true);
        c.setEnabled(ids::LblParaAnnuleTout, false);
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
    c.setEnabled(ids::LblEtapeApres, false);
    view_.markKeypoint(r.shownKeypoint, -1);
    r.shownKeypoint = r.rangeStart = r.rangeEnd = -1;
    c.hide(ids::GbxInfoParaPoint);

    c.hide(ids::PnlTransfertEtRetour);
    for (AnyControlId name : AnyControlIds{ids::PnlTransfertSeul, ids::Pnl_nouvel_objet,
                                           ids::PnlEnregistrerCourbe, ids::LblTempsMiniVueFinal})
        c.show(name);
    c.setCaption(ids::LblTempsMiniVueFinal, c.text(ids::LbliDureeMiniVue) + c.text(ids::LblTempsTotalVue));
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
    c.show(ids::GbxInfoParaPoint);
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
    for (AnyControlId name : cursorGroup)
        ctx_.controls.setVisible(name, visible);
}

} // namespace trajecta
