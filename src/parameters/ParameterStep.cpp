#include "parameters/ParameterStep.h"

#include "core/CurveView.h"
#include "core/Layout.h"
#include "core/StepScreens.h"
#include "document/ControlIds.h"
#include "host/HostExchange.h"
#include "parameters/ParameterPanel.h"
#include "parameters/ParameterRecorder.h"
#include "parameters/RangeChooser.h"
#include "timing/KeypointTimes.h"

namespace trajecta {

ParameterStep::ParameterStep(Context& ctx, CurveView& view, KeypointTimes& times, ParameterRecorder& recorder,
                             ParameterPanel& panel, RangeChooser& chooser, HostExchange& host)
    : ctx_(ctx), view_(view), times_(times), recorder_(recorder), panel_(panel), chooser_(chooser),
      host_(host) {}

void ParameterStep::registerHandlers() {
    ctx_.controls.onClick(ids::LblParaAnnuleTout, [this] { cancelAll(); });
}

void ParameterStep::enter() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    recorder_.startParameterLog();
    doc.workflow.currentStep = Step::Parameters;
    setStepMessage(ctx_, StepMessage::SetParameters);
    c.hide(ids::GbxTemps);
    for (AnyControlId name : AnyControlIds{ids::LbliQpara, ids::LblQpara, ids::GbxInfoParaPoint,
                                           ids::PnAnnulerTout, ids::GbxParaSurQuoi})
        c.show(name);
    c.hide(ids::LblChoixDep);
    c.hide(ids::LblChoixFin);
    chooser_.resume(true);
    c.setEnabled(ids::LblParaAnnuleTout, false);
    panel_.applyVisibility();
    c.setCaption(ids::LblQpara, QString::number(doc.parameters.parameterRecordCount));
    recorder_.refreshKeypointList();
    // A replay leaves the range and the cursor of its last record.
    if (rotationsFollowThePath()) {
        chooser_.resume(true);
        c.setEnabled(ids::LblParaAnnuleTout, false);
    }
    // The reversed path follows the times just recorded, once the keypoint
    // list it is built from has them too.
    host_.refreshReversedPath();
    hideGroup(ctx_, MovableGroup::Extras);
    panel_.loadValues(0, 2);
}

void ParameterStep::leave() {
    chooser_.removeMarks();
    chooser_.forgetRange();
}

void ParameterStep::finish() {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    view_.removeTangentSegments();
    if (r.rangeStart >= 0 || r.rangeEnd >= 0) cancelChoice();
    doc.workflow.stepDone[Done::Parameters] = true;
    hideGroup(ctx_, MovableGroup::Parameters);
    doc.workflow.currentStep = Step::Finished;
    c.setEnabled(ids::LblEtapeApres, false);
    chooser_.removeMarks();
    c.hide(ids::GbxInfoParaPoint);

    c.hide(ids::PnlTransfertEtRetour);
    for (AnyControlId name : AnyControlIds{ids::PnlTransfertSeul, ids::Pnl_nouvel_objet,
                                           ids::PnlEnregistrerCourbe, ids::LblTempsMiniVueFinal})
        c.show(name);
    c.setCaption(ids::LblTempsMiniVueFinal, c.text(ids::LbliDureeMiniVue) + c.text(ids::LblTempsTotalVue));
    // The writer announces the object only once it is on the clipboard.
    host_.writePathInForce();
    showGroup(ctx_, MovableGroup::Extras);
    recorder_.traceFinalAngles();
}

void ParameterStep::restore() {
    hideGroup(ctx_, MovableGroup::Extras);
    showGroup(ctx_, MovableGroup::Parameters);
    ctx_.controls.show(ids::GbxInfoParaPoint);
    noRange();
    panel_.applyVisibility();
}

void ParameterStep::curveFinished() {
    recorder_.buildTangentTable();
    recorder_.updateAngleOffsets();
}

void ParameterStep::resetParameterCount() {
    ctx_.doc.parameters.parameterRecordCount = 0;
    ctx_.controls.setCaption(ids::LblQpara, QStringLiteral("0"));
    ctx_.controls.setEnabled(ids::LblParaAnnuleTout, false);
}

bool ParameterStep::dropParameters() {
    if (ctx_.doc.parameters.parameterRecordCount == 0) return true;
    if (!recorder_.confirmDefaults()) return false;
    recorder_.startLogAnew();
    resetParameterCount();
    return true;
}

void ParameterStep::objectRead() {
    recorder_.updateAngleOffsets();
}

void ParameterStep::showKeypoint(int k) {
    times_.showKeypointTime(k);
    panel_.loadValues(k, 2);
}

void ParameterStep::startChosen(int k) {
    panel_.loadValues(k, 0);
    panel_.applyVisibility();
}

void ParameterStep::endChosen(int k) {
    panel_.loadValues(k, 1);
    panel_.applyVisibility();
}

void ParameterStep::cancelChoice() {
    chooser_.removeMarks();
    noRange();
}

// No range, the cursor on keypoint 0, and "Annuler tout" once a record exists.
void ParameterStep::noRange() {
    chooser_.resume(true);
    offerCancelAll();
}

void ParameterStep::offerCancelAll() {
    ctx_.controls.setEnabled(ids::LblParaAnnuleTout, ctx_.doc.parameters.parameterRecordCount >= 1);
}

void ParameterStep::saveChoice() {
    const int end = ctx_.doc.range.rangeEnd;
    if (!recorder_.saveRecord()) return;
    cancelChoice();
    // The next range can start where this one ended.
    if (end < ctx_.doc.curve.sampleCount - 1) chooser_.moveCursor(end);
}

void ParameterStep::cancelAll() {
    recorder_.cancelAllParameters();
    offerCancelAll();
}

} // namespace trajecta
