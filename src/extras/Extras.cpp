#include "extras/Extras.h"

#include "core/PressLook.h"
#include "document/ControlIds.h"
#include "extras/ExtrasChoice.h"
#include "host/HostExchange.h"
#include "timing/TimeTable.h"

#include <algorithm>

namespace trajecta {

Extras::Extras(Context& ctx, HostExchange& host) : ctx_(ctx), host_(host) {}

void Extras::registerHandlers() {
    Controls& c = ctx_.controls;
    registerPressLook(c, ids::LblExtras, ids::PnlExtras);
    c.onClick(ids::LblExtras, [this] { LblExtrasClick(); });
    c.onChange(ids::TbrSupDeb, [this] { TbrSupDebChange(); });
    c.onChange(ids::TbrSupFin, [this] { TbrSupFinChange(); });
    c.onClick(ids::ChBxSupKP, [this] { ChBxSupKPClick(); });
    c.onClick(ids::ChbxInverserCourbe, [this] { ChbxInverserCourbeClick(); });
    c.onClick(ids::ChBxRecalerTemps, [this] { refreshTimeLabels(); });
    c.onClick(ids::LblExtrasAppliquer, [this] { LblExtrasAppliquerClick(); });
    c.onClick(ids::BtnExtrasAnnuler, [this] { BtnExtrasAnnulerClick(); });
}

void Extras::LblExtrasClick() {
    CurveDocument& doc = ctx_.doc;
    if (!doc.extras.backupTaken) {
        doc.extras.backupTaken = true;
        doc.curve.backupPoints = doc.curve.controlPoints;
        doc.curve.backupStates = doc.curve.pointStates;
        doc.curve.backupCount = doc.curve.controlPointCount;
    }
    ctx_.controls.show(ids::TFExtras);
    formShow();
    formActivate();
}

void Extras::formShow() {
    Controls& c = ctx_.controls;
    c.setVisible(ids::Rdg_inverse180_OuPas, c.checked(ids::ChbxInverserCourbe));
    if (c.checked(ids::ChBxSupKP)) {
        c.show(ids::PnlSupVoir);
        showRetime();
    } else {
        c.hide(ids::PnlSupVoir);
    }
    refreshCounts();
    c.setPosition(ids::TbrSupDeb, ctx_.doc.extras.deleteAtStart);
    // The times may have changed since the last opening.
    refreshTimeLabels();
}

void Extras::formActivate() {
    ctx_.controls.setChecked(ids::ChbxInverserCourbe, ctx_.doc.extras.reversedActive);
}

void Extras::TbrSupDebChange() {
    ExtrasState& e = ctx_.doc.extras;
    e.deleteAtStart = ctx_.controls.position(ids::TbrSupDeb);
    e.keptCount = keptNow();
    refreshCounts();
    refreshTimeLabels();
    showRetime();
}

void Extras::TbrSupFinChange() {
    ExtrasState& e = ctx_.doc.extras;
    e.deleteAtEnd = ctx_.controls.position(ids::TbrSupFin);
    e.keptCount = keptNow();
    refreshCounts();
    refreshTimeLabels();
}

void Extras::ChBxSupKPClick() {
    Controls& c = ctx_.controls;
    ctx_.doc.extras.keptCount = keptNow();
    if (!c.checked(ids::ChBxSupKP)) {
        c.hide(ids::PnlSupVoir);
        return;
    }
    c.show(ids::PnlSupVoir);
    showRetime();
    refreshCounts();
    refreshTimeLabels();
}

void Extras::ChbxInverserCourbeClick() {
    ctx_.controls.setVisible(ids::Rdg_inverse180_OuPas, ctx_.controls.checked(ids::ChbxInverserCourbe));
    refreshTimeLabels();
}

void Extras::LblExtrasAppliquerClick() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    // The reversed list in force is built again first: it is only turned
    // below, and must carry every parameter recorded since it was built.
    if (!host_.refreshReversedPath()) return;
    ExtrasChoice choice;
    choice.reverse = c.checked(ids::ChbxInverserCourbe);
    choice.turnOver = c.itemIndex(ids::Rdg_inverse180_OuPas) == 0;
    choice.deleteKeypoints = c.checked(ids::ChBxSupKP);
    choice.atStart = doc.extras.deleteAtStart;
    choice.atEnd = doc.extras.deleteAtEnd;
    choice.retime = c.checked(ids::ChBxRecalerTemps);
    const ExtrasMemory memory{doc.extras.reversedActive, doc.extras.turnedOver};
    ExtrasApplied applied = applyExtras(memory, doc.lists.LbxListeKP, doc.lists.LbxKPinverse,
                                        keypointGaps(doc), choice, ctx_.services.system.decimalSeparator());
    if (!applied.ok()) {
        // Nothing has changed; the dialog stays open for another choice.
        ctx_.services.messages.warning(
            refusalMessage(applied.fault, applied.block, applied.badText, ctx_.language()));
        return;
    }
    doc.extras.reversedActive = applied.memory.reversedActive;
    doc.extras.turnedOver = applied.memory.turnedOver;
    doc.extras.keptCount = applied.keptCount;
    doc.lists.LbxKPinverse = std::move(applied.reversed);
    if (applied.mode == WrittenList::Partial) doc.lists.LbxListeKPpartielle = std::move(applied.partial);
    const QStringList& source = applied.mode == WrittenList::Partial    ? doc.lists.LbxListeKPpartielle
                                : applied.mode == WrittenList::Reversed ? doc.lists.LbxKPinverse
                                                                        : doc.lists.LbxListeKP;
    host_.writeObjectText(source, applied.mode);
    c.show(ids::ShpTemoinExtra);
    close();
}

void Extras::BtnExtrasAnnulerClick() {
    close();
}

void Extras::reset() {
    Controls& c = ctx_.controls;
    c.setChecked(ids::ChbxInverserCourbe, false);
    c.setItemIndex(ids::Rdg_inverse180_OuPas, 0);
    c.setChecked(ids::ChBxRecalerTemps, false);
    c.setChecked(ids::ChBxSupKP, false);
    c.setPosition(ids::TbrSupDeb, 0);
    c.setPosition(ids::TbrSupFin, 0);
    ctx_.doc.extras = ExtrasState{};
    refreshCounts();
    showRetime();
    c.hide(ids::ShpTemoinExtra);
}

void Extras::close() {
    ctx_.controls.hide(ids::TFExtras);
    // This caption exists in French only.
    ctx_.controls.setCaption(ids::KeyPointsBezier, ctx_.doc.extras.reversedActive
                                                       ? QStringLiteral(" Trajecta avec EXTRAS")
                                                       : QStringLiteral(" Trajecta"));
}

int Extras::sampleCount() const {
    return std::max(ctx_.doc.curve.sampleCount, 0);
}

int Extras::keptNow() const {
    const ExtrasState& e = ctx_.doc.extras;
    return ctx_.controls.checked(ids::ChBxSupKP) ? sampleCount() - e.deleteAtStart - e.deleteAtEnd
                                                 : sampleCount();
}

void Extras::refreshCounts() {
    Controls& c = ctx_.controls;
    const ExtrasState& e = ctx_.doc.extras;
    // A new maximum may clamp a slider, whose handler then counts again; the
    // view below is taken from the counts as they end up.
    c.setMax(ids::TbrSupDeb, std::max(0, sampleCount() - e.deleteAtEnd - 1));
    c.setMax(ids::TbrSupFin, std::max(0, sampleCount() - e.deleteAtStart - 1));
    const int width = c.get(ids::PnlVoisSup).width;
    const DeletionView view = deletionView(sampleCount(), e.deleteAtStart, e.deleteAtEnd, width);
    c.setCaption(ids::LblSupDeb, QString::number(e.deleteAtStart));
    c.setCaption(ids::LblSupFin, QString::number(e.deleteAtEnd));
    c.setCaption(ids::LblResteKP, view.keptText);
    const int height = c.get(ids::ShpSupDeb).height;
    c.setVisible(ids::ShpSupDeb, e.deleteAtStart != 0);
    c.setGeometry(ids::ShpSupDeb, 0, 0, view.startMarkWidth, height);
    c.setVisible(ids::ShpSupFin, e.deleteAtEnd != 0);
    c.setGeometry(ids::ShpSupFin, view.endMarkLeft, 0, view.endMarkWidth, height);
}

void Extras::refreshTimeLabels() {
    Controls& c = ctx_.controls;
    ExtrasState& e = ctx_.doc.extras;
    const std::optional<KeptTimes> times =
        keptTimes(keypointGaps(ctx_.doc), e.deleteAtStart, e.deleteAtEnd, c.checked(ids::ChbxInverserCourbe),
                  c.checked(ids::ChBxRecalerTemps));
    e.retimeOffset = times ? static_cast<int>(times->retimeOffset) : 0;
    c.setCaption(ids::LblTemps1erPoint,
                 times ? formatDuration(times->first - times->retimeOffset) : QString());
    c.setCaption(ids::LblTempsDerPoint,
                 times ? formatDuration(times->last - times->retimeOffset) : QString());
}

void Extras::showRetime() {
    ctx_.controls.setVisible(ids::ChBxRecalerTemps, ctx_.doc.extras.deleteAtStart > 0);
}

} // namespace trajecta
