#include "parameters/RangeChooser.h"

#include "core/CurveView.h"
#include "core/Messages.h"
#include "document/ControlIds.h"
#include "parameters/ParameterPanel.h"
#include "parameters/ParameterRecord.h"
#include "platform/Colours.h"

#include <algorithm>

namespace trajecta {

namespace {

const TextPair lastPointAsStart{QStringLiteral("Le dernier point ne peut être choisi comme départ"),
                                QStringLiteral("The last point can not be chosen as start")};

// The cursor group, hidden while a whole range is chosen.
constexpr AnyControlId cursorGroup[] = {ids::TbMontrePoint,    ids::PnlGroupeFleches,
                                        ids::LblPointSelect,   ids::LblDeplaceCurseur,
                                        ids::LbliTempsCePoint, ids::LblTempsPointActuel};

// A button label pressed: its raised picture gives way to the pressed one and
// its caption takes the pressed size.
void pressLook(Controls& c, LabelId label, ImageId raised, ImageId pressed, int pressedSize,
               int releasedSize) {
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
} // namespace

RangeChooser::RangeChooser(Context& ctx, CurveView& view, ParameterPanel& panel)
    : ctx_(ctx), view_(view), panel_(panel) {}

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
    c.onClick(ids::ChBxTangenteAuPoint, [this] { tangentDisplay(); });
    pressLook(c, ids::LblVarDep, ids::ImgVarDepHaut, ids::ImgVarDepBas, 11, 12);
    pressLook(c, ids::LblVarFin, ids::ImgVarFinHaut, ids::ImgVarFinBas, 11, 12);
    pressLook(c, ids::LblVarAnnule, ids::ImgVarAnnuleHaut, ids::ImgVarAnnuleBas, 11, 12);
    pressLook(c, ids::LblVarSave, ids::ImgVarOKHaut, ids::ImgVarOKBas, 11, 13);
    pressLook(c, ids::LblParaAnnuleTout, ids::ImgAnnuleToutHaut, ids::ImgAnnuleToutBas, 11, 12);
    pressLook(c, ids::LblParaFini, ids::ImgParaFiniHaut, ids::ImgParaFiniBas, 13, 14);
}

RangeTarget& RangeChooser::target() const {
    return ctx_.doc.timeEdit.timeStepActive ? *times_ : *parameters_;
}

void RangeChooser::moveCursor(int k) {
    // The cursor's change handler follows the move.
    ctx_.controls.setPosition(ids::TbMontrePoint, k);
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
    target().showKeypoint(r.shownKeypoint);
    c.setItemIndex(ids::LbxListeKP, -1);
    const QChar sep = ctx_.services.system.decimalSeparator();
    c.setCaption(ids::LblNombrePoints,
                 QStringLiteral("AngleDecalInitial=") +
                     generalNumber(static_cast<double>(doc.parameters.angles.initialAngleOffset), sep));
    view_.keypointTangentAngle(r.shownKeypoint);
}

void RangeChooser::first() {
    if (ctx_.doc.range.cursorLive) moveCursor(target().firstKeypoint());
}

void RangeChooser::middle() {
    if (!ctx_.doc.range.cursorLive) return;
    const ControlState& s = ctx_.controls.get(ids::TbMontrePoint);
    moveCursor(s.min + (s.max - s.min) / 2);
}

void RangeChooser::last() {
    if (ctx_.doc.range.cursorLive) moveCursor(ctx_.doc.curve.sampleCount - 1);
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
    moveCursor(p + 1);
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
    target().startChosen(p);
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
    // The label keeps the angle as the cursor shows it ("0.0°"); the end
    // rotation takes it whole.
    const double angle = view_.keypointTangentAngle(p);
    panel_.setEditText(ids::EdtRotFin, generalNumber(angle, ctx_.services.system.decimalSeparator()));
    target().endChosen(p);
}

void RangeChooser::cancelRange() {
    target().cancelChoice();
}

void RangeChooser::save() {
    target().saveChoice();
}

void RangeChooser::resume(bool cursorToStart) {
    CurveDocument& doc = ctx_.doc;
    KeypointRange& r = doc.range;
    Controls& c = ctx_.controls;
    r.rangeStart = r.rangeEnd = -1;
    if (cursorToStart) {
        r.cursorLive = false;
        c.setMin(ids::TbMontrePoint, target().firstKeypoint());
        c.setMax(ids::TbMontrePoint, std::max(c.get(ids::TbMontrePoint).min, doc.curve.sampleCount - 1));
    }
    r.cursorLive = true;
    r.shownKeypoint = -1;
    if (cursorToStart) moveCursor(0);
    if (r.shownKeypoint < 0) cursorMoved();
    resetButtons();
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

void RangeChooser::tangentDisplay() {
    view_.removeTangentSegments();
    ctx_.doc.parameters.tangentShown = ctx_.controls.checked(ids::ChBxTangenteAuPoint);
    cursorMoved();
}

void RangeChooser::forgetRange() {
    KeypointRange& r = ctx_.doc.range;
    r.rangeStart = r.rangeEnd = r.shownKeypoint = r.previousPoint = -1;
    r.cursorLive = true;
    resetButtons();
    hideColumns();
    showCursorGroup(true);
}

void RangeChooser::redrawMarks() {
    const KeypointRange& r = ctx_.doc.range;
    view_.markKeypoint(r.shownKeypoint, -1);
    rangeMark(r.rangeStart);
    rangeMark(r.rangeEnd);
}

// The range marks, and the cursor mark while the cursor still shows a
// keypoint (it stops showing one once an end is chosen).
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
