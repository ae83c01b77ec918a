#include "host/HostExchange.h"

#include "core/KeypointPosition.h"
#include "core/Messages.h"
#include "core/StepScreens.h"
#include "core/Workflow.h"
#include "document/ControlIds.h"
#include "host/KeypointList.h"

#include <algorithm>

namespace trajecta {

namespace {

int samples(const CurveDocument& doc) {
    return std::clamp(doc.curve.sampleCount, 0, maxSamplePoints);
}
} // namespace

HostExchange::HostExchange(Context& ctx, Workflow& workflow) : ctx_(ctx), workflow_(workflow) {
    Controls& c = ctx_.controls;
    c.onClick(ids::ImgChargeObjetPte_Haut, [this] { ImgChargeObjetPte_HautClick(); });
    c.onClick(ids::ImgTransfertSeul_Haut, [this] { ImgTransfertSeul_HautClick(); });
    c.onClick(ids::ImgNvlObjet_haut, [this] { ImgNvlObjet_hautClick(); });
    c.onClick(ids::ImgTransfertTotalHaut, [this] { ImgTransfertTotalHautClick(); });
    c.onClick(ids::ChargerExemple, [this] { ChargerExempleClick(); });
    c.onClick(ids::LblObjetExemple, [this] { ChargerExempleClick(); });
    for (ImageId upper : {ids::ImgChargeObjetPte_Haut, ids::ImgTransfertSeul_Haut, ids::ImgNvlObjet_haut,
                          ids::ImgTransfertTotalHaut})
        pressLook(upper);
    ctx_.doc.lists.LbxPoucet = sampleObjectLines();
}

// The raised picture lies over its pressed twin: hiding it while the button
// is held shows the pressed one.
void HostExchange::pressLook(ImageId upper) {
    ctx_.controls.onMouseDown(upper, [this, upper] { ctx_.controls.hide(upper); });
    ctx_.controls.onMouseUp(upper, [this, upper] { ctx_.controls.show(upper); });
}

ObjectRead::Status HostExchange::readObjectText(bool takeValues) {
    ctx_.controls.show(ids::LblTravauxEnCours);
    ctx_.doc.lists.LbxPointsCourbe.clear();
    const std::optional<QString> text = ctx_.services.clipboard.text();
    if (!text) {
        ctx_.controls.hide(ids::LblTravauxEnCours);
        return ObjectRead::Status::NotAnObject;
    }
    return takeRead(splitClipboardText(*text), takeValues);
}

ObjectRead::Status HostExchange::readObjectLines(const QStringList& lines, bool takeValues) {
    ctx_.controls.show(ids::LblTravauxEnCours);
    ctx_.doc.lists.LbxPointsCourbe.clear();
    return takeRead(lines, takeValues);
}

ObjectRead::Status HostExchange::takeRead(const QStringList& lines, bool takeValues) {
    const ObjectRead read = readObject(lines, takeValues);
    CurveDocument& doc = ctx_.doc;
    // Only the PanSpeed line is traced before a refusal or the warning about
    // the first time; the lines about the first keypoint follow the warning.
    doc.lists.LbxPointsCourbe = read.trace.mid(0, 1);
    if (read.status == ObjectRead::Status::BadSpeedField)
        ctx_.services.messages.warning(Messages::badSpeedField.in(ctx_.language()) + QLatin1Char('"') +
                                       read.badText + QLatin1Char('"'));
    if (read.status != ObjectRead::Status::Accepted) {
        ctx_.controls.hide(ids::LblTravauxEnCours);
        return read.status;
    }
    HostObjectState& host = doc.host;
    doc.lists.LbxAcquiClipboard = lines;
    host.objectAccepted = true;
    host.firstKeypointTime = read.firstKeypointTime;
    host.slideOffset = read.slideOffset;
    host.firstTimeText = read.firstTimeText;
    host.firstTimeReliable = read.firstTimeReliable;
    host.loadedFirstTimeText = QString::number(read.firstKeypointTime);
    ctx_.controls.setCaption(ids::Lbl1erKP, host.loadedFirstTimeText);
    if (!read.firstTimeReliable)
        ctx_.services.messages.warning(Messages::firstTimeDoubtful.in(ctx_.language()));
    doc.lists.LbxPointsCourbe = read.trace;
    // The keypoint values, the angle with them, all come from the object
    // loaded at the start: an object read later takes the path as it is.
    if (read.valuesTaken) {
        host.firstAngle = read.firstAngle;
        host.keyPointDefaults = read.defaults;
        host.zoomEqual = read.zoomEqual;
        host.centreEqual = read.centreEqual;
        host.loadedObject = lines;
    }
    ctx_.controls.hide(ids::LblTravauxEnCours);
    return ObjectRead::Status::Accepted;
}

void HostExchange::putObjectText() {
    const QStringList& lines = ctx_.doc.lists.LbxAcquiClipboard;
    ctx_.services.clipboard.setText(joinObjectText(lines));
    ctx_.doc.shell.copiedKeypoints = int(std::count_if(lines.begin(), lines.end(), isKeyPointLine));
    showCopyNotice(ctx_);
}

bool HostExchange::keyPointListComplete() const {
    const int n = samples(ctx_.doc);
    return n > 0 && ctx_.doc.lists.LbxListeKP.size() == keypointBlockLines * n &&
           ctx_.doc.keypoints.size() == n;
}

void HostExchange::rebuildKeyPointList() {
    CurveDocument& doc = ctx_.doc;
    const int n = samples(doc);
    if (n > 0) doc.curve.samplePoints[0].time = doc.host.firstKeypointTime;
    QStringList& list = doc.lists.LbxListeKP;
    list.clear();
    list.reserve(keypointBlockLines * n);
    doc.keypoints.clear();
    doc.keypoints.reserve(n);
    qint64 t = 0;
    for (int k = 0; k < n; ++k) {
        const SamplePoint& point = doc.curve.samplePoints[static_cast<size_t>(k)];
        t += point.time;
        const auto [x, y] = keypointPosition(doc, point);
        doc.keypoints.push_back(keypointWith(doc.host.keyPointDefaults, t));
        list += keyPointBlock(k + 1, doc.keypoints.back(), positionLine(x, y));
    }
    // Every keypoint carries the loaded object's values again, so the "Egaux"
    // boxes say whether those values are equal.
    ctx_.controls.setChecked(ids::ChBxEgal, doc.host.zoomEqual);
    ctx_.controls.setChecked(ids::ChBxCentreEgal, doc.host.centreEqual);
    doc.workflow.objectTextBuilt = true;
    doc.workflow.positionsStale = false;
}

void HostExchange::refreshPositions() {
    if (!keyPointListComplete()) return rebuildKeyPointList();
    CurveDocument& doc = ctx_.doc;
    doc.curve.samplePoints[0].time = doc.host.firstKeypointTime;
    for (int k = 0; k < samples(doc); ++k) {
        const auto [x, y] = keypointPosition(doc, doc.curve.samplePoints[static_cast<size_t>(k)]);
        doc.lists.LbxListeKP[keypointLine(k, KeypointLine::Position)] = positionLine(x, y);
    }
    doc.workflow.objectTextBuilt = true;
    doc.workflow.positionsStale = false;
}

void HostExchange::refreshTimes() {
    if (!keyPointListComplete()) return rebuildKeyPointList();
    CurveDocument& doc = ctx_.doc;
    doc.curve.samplePoints[0].time = doc.host.firstKeypointTime;
    qint64 t = 0;
    for (int k = 0; k < samples(doc); ++k) {
        t += doc.curve.samplePoints[static_cast<size_t>(k)].time;
        Keypoint& keypoint = doc.keypoints[k];
        keypoint.time = t;
        doc.lists.LbxListeKP[keypointLine(k, KeypointLine::Time)] =
            keypointLineText(keypoint, k + 1, KeypointLine::Time);
    }
    doc.workflow.objectTextBuilt = true;
    doc.workflow.timesDirty = false;
}

bool HostExchange::writeObjectText(const QStringList& source, WrittenList mode) {
    CurveDocument& doc = ctx_.doc;
    ctx_.controls.show(ids::LblTravauxEnCours);
    const int n = mode == WrittenList::Partial ? doc.extras.keptCount : samples(doc);
    bool merged = false;
    if (n > 0 && source.size() == keypointBlockLines * n) {
        const std::vector<QString> times = mode == WrittenList::Keypoints
                                               ? runningTimes(doc, n, doc.host.slideOffset)
                                               : listedTimes(source, n);
        merged = mergeKeyPointListInto(doc.lists.LbxAcquiClipboard, source, speedValue(times),
                                       &doc.lists.LbxPointsCourbe);
    }
    if (!merged) {
        ctx_.controls.hide(ids::LblTravauxEnCours);
        ctx_.services.messages.beep();
        return false;
    }
    doc.host.writtenMode = mode;
    putObjectText();
    showTransferPanels();
    setStepMessage(ctx_, StepMessage::ObjectOnClipboard);
    ctx_.controls.hide(ids::LblTravauxEnCours);
    return true;
}

bool HostExchange::refreshReversedPath() {
    CurveDocument& doc = ctx_.doc;
    if (!doc.extras.reversedActive || !doc.workflow.objectTextBuilt) return true;
    ListResult reversed = reversedInForce(doc, ctx_.services.system.decimalSeparator());
    if (!reversed.ok()) {
        ctx_.services.messages.warning(
            refusalMessage(reversed.fault, reversed.block, reversed.badText, ctx_.language()));
        return false;
    }
    doc.lists.LbxKPinverse = std::move(reversed.lines);
    return true;
}

bool HostExchange::writePathInForce() {
    CurveDocument& doc = ctx_.doc;
    if (!doc.extras.reversedActive) return writeObjectText(doc.lists.LbxListeKP, WrittenList::Keypoints);
    return refreshReversedPath() && writeObjectText(doc.lists.LbxKPinverse, WrittenList::Reversed);
}

void HostExchange::showTransferPanels() {
    ctx_.controls.hide(ids::PnlTransfertEtRetour);
    ctx_.controls.show(ids::PnlTransfertSeul);
    ctx_.controls.show(ids::Pnl_nouvel_objet);
}

bool HostExchange::loadFrom(const std::optional<QStringList>& lines) {
    // The project in hand goes only for an object that will be taken.
    if (guard_) {
        const std::optional<QString> text = lines ? std::nullopt : ctx_.services.clipboard.text();
        const QStringList offered = lines ? *lines : text ? splitClipboardText(*text) : QStringList();
        if (readObject(offered, true).status == ObjectRead::Status::Accepted && !guard_->mayDiscardWork())
            return false;
    }
    const ObjectRead::Status status = lines ? readObjectLines(*lines, true) : readObjectText(true);
    if (status == ObjectRead::Status::NotAnObject) {
        ctx_.controls.hide(ids::LblTravauxEnCours);
        ctx_.services.messages.information(Messages::notAnObject.in(ctx_.language()));
    }
    if (status != ObjectRead::Status::Accepted) return false;
    workflow_.createCurve();
    ctx_.controls.hide(ids::PnlChargeObjetPte);
    ctx_.controls.hide(ids::PnlAccueil);
    workflow_.enterFormatStep();
    if (guard_) guard_->nothingUnsaved();
    return true;
}

bool HostExchange::loadObject(const QStringList& lines) {
    return loadFrom(lines);
}

void HostExchange::ImgChargeObjetPte_HautClick() {
    loadFrom(std::nullopt);
}

// Only where the load button itself could be pressed: a load starts the work anew.
void HostExchange::ChargerExempleClick() {
    if (!ctx_.controls.showing(ids::PnlChargeObjetPte)) return ctx_.services.messages.beep();
    loadFrom(QStringList{QStringLiteral("PicturesToExe-Objects")} + ctx_.doc.lists.LbxPoucet);
}

void HostExchange::ImgTransfertSeul_HautClick() {
    putObjectText();
}

void HostExchange::ImgNvlObjet_hautClick() {
    CurveDocument& doc = ctx_.doc;
    const ObjectRead::Status status = readObjectText(false);
    if (status == ObjectRead::Status::NotAnObject) {
        ctx_.services.messages.information(Messages::notAnObject.in(ctx_.language()));
        ctx_.controls.hide(ids::LblTravauxEnCours);
    }
    if (status != ObjectRead::Status::Accepted) return;
    const int first = doc.host.firstKeypointTime;
    times_->takeFirstTime(first);
    parameters_->objectRead();
    refreshTimes();
    if (doc.lists.LbxColTemps.size() > 1)
        doc.lists.LbxColTemps[1] = QStringLiteral("temps 1er point: (%1)").arg(first);
    const bool written = writePathInForce();
    // Only an object that reached the clipboard is announced; the writer's own
    // step-6 message gives way to the one that names the new object.
    if (written) setStepMessage(ctx_, StepMessage::NewObjectOnClipboard);
    doc.workflow.stepDone.setAll(true);
    ctx_.controls.setCaption(ids::LblTempsTotalVue, times_->totalTimeText());
    ctx_.controls.setCaption(ids::LblTempsMiniVueFinal, ctx_.controls.text(ids::LbliDureeMiniVue) +
                                                            ctx_.controls.text(ids::LblTempsTotalVue));
}

void HostExchange::ImgTransfertTotalHautClick() {
    CurveDocument& doc = ctx_.doc;
    const std::optional<QString> text = ctx_.services.clipboard.text();
    QStringList lines = text ? splitClipboardText(*text) : QStringList();
    const std::optional<TransferTarget> target = readTransferTarget(lines);
    bool merged = false;
    if (target && keyPointListComplete()) {
        const std::vector<QString> times = runningTimes(doc, samples(doc), target->offset);
        merged = mergeKeyPointListInto(lines, doc.lists.LbxListeKP, speedValue(times));
    }
    if (!merged) return ctx_.services.messages.beep();
    doc.host.firstKeypointTime = target->firstKeypointTime;
    doc.host.slideOffset = target->offset;
    ctx_.controls.setCaption(ids::Label10,
                             QStringLiteral("%1 / %2").arg(target->firstKeypointTime).arg(target->offset));
    doc.lists.LbxAcquiClipboard = std::move(lines);
    doc.host.objectAccepted = true;
    doc.host.writtenMode = WrittenList::Keypoints;
    putObjectText();
    showTransferPanels();
    setStepMessage(ctx_, StepMessage::NewObjectOnClipboard);
}

void HostExchange::formActivate() {
    const ShellState& shell = ctx_.doc.shell;
    const int top = shell.clientHeight / 3;
    const int left = shell.clientWidth / 2 - loadPanelWidth / 2;
    ctx_.controls.setGeometry(ids::PnlChargeObjetPte, left, top, loadPanelWidth, loadPanelHeight);
    const ControlState& busy = ctx_.controls.get(ids::LblTravauxEnCours);
    ctx_.controls.setGeometry(ids::LblTravauxEnCours, left, top + loadPanelHeight + 80, busy.width,
                              busy.height);
}

} // namespace trajecta
