#include "extras/Extras.h"

#include "core/PressLook.h"
#include "extras/ExtrasChoice.h"
#include "host/HostExchange.h"
#include "timing/TimeTable.h"

#include <algorithm>

namespace trajecta {

namespace {
const QString dialog = QStringLiteral("TFExtras");
const QString mainWindow = QStringLiteral("KeyPointsBezier");
const QString reverseBox = QStringLiteral("ChbxInverserCourbe");
const QString turnChoice = QStringLiteral("Rdg_inverse180_OuPas");
const QString deleteBox = QStringLiteral("ChBxSupKP");
const QString deletePanel = QStringLiteral("PnlSupVoir");
const QString startSlider = QStringLiteral("TbrSupDeb");
const QString endSlider = QStringLiteral("TbrSupFin");
const QString retimeBox = QStringLiteral("ChBxRecalerTemps");
const QString bar = QStringLiteral("PnlVoisSup");
const QString startMark = QStringLiteral("ShpSupDeb");
const QString endMark = QStringLiteral("ShpSupFin");
const QString witness = QStringLiteral("ShpTemoinExtra");
} // namespace

Extras::Extras(Context& ctx, HostExchange& host) : ctx_(ctx), host_(host) {}

void Extras::registerHandlers() {
    Controls& c = ctx_.controls;
    registerPressLook(c, QStringLiteral("LblExtras"), QStringLiteral("PnlExtras"));
    c.onClick(QStringLiteral("LblExtras"), [this] { LblExtrasClick(); });
    c.onChange(startSlider, [this] { TbrSupDebChange(); });
    c.onChange(endSlider, [this] { TbrSupFinChange(); });
    c.onClick(deleteBox, [this] { ChBxSupKPClick(); });
    c.onClick(reverseBox, [this] { ChbxInverserCourbeClick(); });
    c.onClick(retimeBox, [this] { refreshTimeLabels(); });
    c.onClick(QStringLiteral("LblExtrasAppliquer"), [this] { LblExtrasAppliquerClick(); });
    c.onClick(QStringLiteral("BtnExtrasAnnuler"), [this] { BtnExtrasAnnulerClick(); });
}

void Extras::LblExtrasClick() {
    CurveDocument& doc = ctx_.doc;
    if (!doc.extras.backupTaken) {
        doc.extras.backupTaken = true;
        doc.curve.backupPoints = doc.curve.controlPoints;
        doc.curve.backupStates = doc.curve.pointStates;
        doc.curve.backupCount = doc.curve.controlPointCount;
    }
    ctx_.controls.show(dialog);
    formShow();
    formActivate();
}

void Extras::formShow() {
    Controls& c = ctx_.controls;
    c.setVisible(turnChoice, c.checked(reverseBox));
    if (c.checked(deleteBox)) {
        c.show(deletePanel);
        showRetime();
    } else {
        c.hide(deletePanel);
    }
    refreshCounts();
    c.setPosition(startSlider, ctx_.doc.extras.deleteAtStart);
    // The times may have changed since the last opening.
    refreshTimeLabels();
}

void Extras::formActivate() {
    ctx_.controls.setChecked(reverseBox, ctx_.doc.extras.reversedActive);
}

void Extras::TbrSupDebChange() {
    ExtrasState& e = ctx_.doc.extras;
    e.deleteAtStart = ctx_.controls.position(startSlider);
    e.keptCount = keptNow();
    refreshCounts();
    refreshTimeLabels();
    showRetime();
}

void Extras::TbrSupFinChange() {
    ExtrasState& e = ctx_.doc.extras;
    e.deleteAtEnd = ctx_.controls.position(endSlider);
    e.keptCount = keptNow();
    refreshCounts();
    refreshTimeLabels();
}

void Extras::ChBxSupKPClick() {
    Controls& c = ctx_.controls;
    ctx_.doc.extras.keptCount = keptNow();
    if (!c.checked(deleteBox)) {
        c.hide(deletePanel);
        return;
    }
    c.show(deletePanel);
    showRetime();
    refreshCounts();
    refreshTimeLabels();
}

void Extras::ChbxInverserCourbeClick() {
    ctx_.controls.setVisible(turnChoice, ctx_.controls.checked(reverseBox));
    refreshTimeLabels();
}

void Extras::LblExtrasAppliquerClick() {
    CurveDocument& doc = ctx_.doc;
    Controls& c = ctx_.controls;
    // The reversed list in force is built again first: it is only turned
    // below, and must carry every parameter recorded since it was built.
    if (!host_.refreshReversedPath()) return;
    ExtrasChoice choice;
    choice.reverse = c.checked(reverseBox);
    choice.turnOver = c.itemIndex(turnChoice) == 0;
    choice.deleteKeypoints = c.checked(deleteBox);
    choice.atStart = doc.extras.deleteAtStart;
    choice.atEnd = doc.extras.deleteAtEnd;
    choice.retime = c.checked(retimeBox);
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
    if (applied.mode == 2) doc.lists.LbxListeKPpartielle = std::move(applied.partial);
    const QStringList& source = applied.mode == 2   ? doc.lists.LbxListeKPpartielle
                                : applied.mode == 1 ? doc.lists.LbxKPinverse
                                                    : doc.lists.LbxListeKP;
    host_.writeObjectText(source, applied.mode);
    c.show(witness);
    close();
}

void Extras::BtnExtrasAnnulerClick() {
    close();
}

void Extras::reset() {
    Controls& c = ctx_.controls;
    c.setChecked(reverseBox, false);
    c.setItemIndex(turnChoice, 0);
    c.setChecked(retimeBox, false);
    c.setChecked(deleteBox, false);
    c.setPosition(startSlider, 0);
    c.setPosition(endSlider, 0);
    ctx_.doc.extras = ExtrasState{};
    refreshCounts();
    showRetime();
    c.hide(witness);
}

void Extras::close() {
    ctx_.controls.hide(dialog);
    // This caption exists in French only.
    ctx_.controls.setCaption(mainWindow, ctx_.doc.extras.reversedActive
                                             ? QStringLiteral(" Trajecta avec EXTRAS")
                                             : QStringLiteral(" Trajecta"));
}

int Extras::sampleCount() const {
    return std::max(ctx_.doc.curve.sampleCount, 0);
}

int Extras::keptNow() const {
    const ExtrasState& e = ctx_.doc.extras;
    return ctx_.controls.checked(deleteBox) ? sampleCount() - e.deleteAtStart - e.deleteAtEnd : sampleCount();
}

void Extras::refreshCounts() {
    Controls& c = ctx_.controls;
    const ExtrasState& e = ctx_.doc.extras;
    // A new maximum may clamp a slider, whose handler then counts again; the
    // view below is taken from the counts as they end up.
    c.setMax(startSlider, std::max(0, sampleCount() - e.deleteAtEnd - 1));
    c.setMax(endSlider, std::max(0, sampleCount() - e.deleteAtStart - 1));
    const int width = c.get(bar).width;
    const DeletionView view = deletionView(sampleCount(), e.deleteAtStart, e.deleteAtEnd, width);
    c.setCaption(QStringLiteral("LblSupDeb"), QString::number(e.deleteAtStart));
    c.setCaption(QStringLiteral("LblSupFin"), QString::number(e.deleteAtEnd));
    c.setCaption(QStringLiteral("LblResteKP"), view.keptText);
    const int height = c.get(startMark).height;
    c.setVisible(startMark, e.deleteAtStart != 0);
    c.setGeometry(startMark, 0, 0, view.startMarkWidth, height);
    c.setVisible(endMark, e.deleteAtEnd != 0);
    c.setGeometry(endMark, view.endMarkLeft, 0, view.endMarkWidth, height);
}

void Extras::refreshTimeLabels() {
    Controls& c = ctx_.controls;
    ExtrasState& e = ctx_.doc.extras;
    const std::optional<KeptTimes> times = keptTimes(keypointGaps(ctx_.doc), e.deleteAtStart, e.deleteAtEnd,
                                                     c.checked(reverseBox), c.checked(retimeBox));
    e.retimeOffset = times ? static_cast<int>(times->retimeOffset) : 0;
    c.setCaption(QStringLiteral("LblTemps1erPoint"),
                 times ? formatDuration(times->first - times->retimeOffset) : QString());
    c.setCaption(QStringLiteral("LblTempsDerPoint"),
                 times ? formatDuration(times->last - times->retimeOffset) : QString());
}

void Extras::showRetime() {
    ctx_.controls.setVisible(retimeBox, ctx_.doc.extras.deleteAtStart > 0);
}

} // namespace trajecta
