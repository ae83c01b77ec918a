#include "core/Workflow.h"

#include "core/CurveRecord.h"
#include "core/CurveView.h"
#include "core/Editor.h"
#include "core/Frame.h"
#include "core/Layout.h"
#include "core/LayoutSizes.h"
#include "core/Messages.h"
#include "core/StepScreens.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>

namespace trajecta {

namespace {

// The screen formats of RdgChoixEcran, width over height in single precision.
constexpr std::array<float, 5> formatRatios{16.0f / 9.0f, 1.6f, 1.5f, 4.0f / 3.0f, 1.25f};

// Below this a work area cannot hold a curve and its frame: the window is
// refused as too small rather than producing an empty or negative picture.
constexpr int minWorkSide = 50;

using namespace colours;
constexpr std::uint32_t plainColour = 0xE6FFFE;
constexpr std::uint32_t gridMajor = 0xB0E0FF;
constexpr std::uint32_t gridMinor = 0xF0F4FF;
constexpr std::uint32_t gridAxes = 0x80B0D0;
constexpr std::uint32_t messageColour = 0x00A800;

} // namespace

QSize workAreaSize(int formatIndex, const ShellState& shell) {
    const int index = std::clamp(formatIndex, 0, int(formatRatios.size()) - 1);
    const float ratio = formatRatios[static_cast<size_t>(index)];
    int width = shell.clientWidth - (shell.singleWindowLayout ? rightColumnWidth : 0);
    int height = roundEven(Extended(width) / ratio);
    const int margin = shell.singleWindowLayout ? bottomBandHeight : messageHeight;
    if (shell.clientHeight - height < margin) {
        height = shell.clientHeight - margin;
        width = roundEven(Extended(height) * ratio);
    }
    return {width, height};
}

Workflow::Workflow(Context& ctx, CurveView& view, Editor& editor, Frame& frame)
    : ctx_(ctx), view_(view), editor_(editor), frame_(frame) {
    Controls& c = ctx_.controls;
    c.onClick(ids::LbCreation, [this] { createCurve(); });
    c.onClick(ids::LblStopMarquage, [this] { stopMarking(); });
    c.onClick(ids::LblOKcourbe, [this] { finishCurve(); });
    c.onClick(ids::LblEtapeAvant, [this] { previousStep(); });
    c.onClick(ids::LblEtapeApres, [this] { nextStep(); });
    c.onClick(ids::LblRefairePoints, [this] { redoCurve(); });
    c.onClick(ids::LblRefaireTout, [this] { restartAll(); });
    c.onClick(ids::LblParaFini, [this] { finishKeypointStep(); });
    c.onKey(ids::ImgDessin, [this](const QString& keys) { workAreaKey(keys); });
}

void Workflow::returnToStart() {
    ctx_.doc.shell.copiedKeypoints = 0;
    showCopyNotice(ctx_);
    showScreen(ctx_, Screen::Start);
    ctx_.doc.workflow.currentStep = Step::Start;
}

void Workflow::createCurve() {
    WorkflowState& w = ctx_.doc.workflow;
    const int index = ctx_.controls.itemIndex(ids::RdgChoixEcran);
    if (w.stepDone[Done::WorkArea] && index == w.workFormatIndex) {
        ctx_.controls.setGeometry(ids::PnMessages, 0, w.workHeight, w.workWidth, messageHeight);
    } else if (!sizeWorkArea()) {
        return;
    }
    enterMarkingStep();
    lists_->showList(ids::LbxListeKP);
    hideGroup(ctx_, MovableGroup::Display);
}

// Sizes the work area and its pictures for the chosen format. Returns false,
// with a message and nothing changed, when the window leaves no usable area.
bool Workflow::sizeWorkArea() {
    WorkflowState& w = ctx_.doc.workflow;
    const int index =
        std::clamp(ctx_.controls.itemIndex(ids::RdgChoixEcran), 0, int(formatRatios.size()) - 1);
    const float ratio = formatRatios[static_cast<size_t>(index)];
    const QSize size = workAreaSize(index, ctx_.doc.shell);
    const int width = size.width();
    const int height = size.height();
    if (width < minWorkSide || height < minWorkSide) {
        ctx_.services.messages.warning(Messages::workAreaTooSmall.in(ctx_.language()));
        return false;
    }
    if (w.stepDone[Done::WorkArea]) {
        w.stepDone.undoFrom(Done::Marking);
        ctx_.doc.frame.framePresent = false;
    }
    w.workFormatIndex = index;
    w.aspectRatio = ratio;
    w.workWidth = width;
    w.workHeight = height;
    ctx_.controls.setGeometry(ids::ImgDessin, 0, 0, width, height);
    ctx_.controls.setGeometry(ids::PnMessages, 0, height, width, messageHeight);

    Pictures& pictures = ctx_.doc.pictures;
    ctx_.canvas.flush();
    pictures.work = QImage(width, height, QImage::Format_RGB32);
    pictures.plain = QImage(width, height, QImage::Format_RGB32);
    pictures.plain.fill(colourFromBgr(plainColour));
    drawGrid();
    background_->workAreaResized();
    ctx_.canvas.drawImage(0, 0, pictures.grid);
    resetWorkOrigin(ctx_.doc);
    w.stepDone[Done::WorkArea] = true;
    return true;
}

// A line every 5 pixels from the centre outward, every fifth one stronger,
// and the two axes through the centre.
void Workflow::drawGrid() {
    const int width = ctx_.doc.workflow.workWidth;
    const int height = ctx_.doc.workflow.workHeight;
    QImage& grid = ctx_.doc.pictures.grid;
    grid = QImage(width, height, QImage::Format_RGB32);
    grid.fill(colourFromBgr(white));
    Canvas canvas(grid);
    canvas.setPenWidth(1);
    const int cx = width / 2;
    const int cy = height / 2;
    for (int i = 1; i <= width / 10; ++i) {
        canvas.setPenColour(i % 5 == 0 ? gridMajor : gridMinor);
        canvas.line(cx + 5 * i, 0, cx + 5 * i, height - 1);
        canvas.line(cx - 5 * i, 0, cx - 5 * i, height - 1);
    }
    for (int j = 1; j <= height / 10; ++j) {
        canvas.setPenColour(j % 5 == 0 ? gridMajor : gridMinor);
        canvas.line(0, cy + 5 * j, width - 1, cy + 5 * j);
        canvas.line(0, cy - 5 * j, width - 1, cy - 5 * j);
    }
    canvas.setPenColour(gridAxes);
    canvas.line(cx, 0, cx, height - 1);
    canvas.line(0, cy, width - 1, cy);
    canvas.flush();
}

// While marking: the complete parts as a curve, and the points after the last
// complete part as red discs.
void Workflow::drawMarkedPoints() {
    CurveGeometry& curve = ctx_.doc.curve;
    const int count = usedPoints(curve);
    view_.drawBackground();
    ctx_.canvas.setBrushSolid(red);
    int firstLoose = 0;
    if (ctx_.doc.workflow.curveExists && count > 3) {
        firstLoose = count - (count - 1) % 3;
        curve.controlPointCount = firstLoose;
        view_.redrawCurve();
        curve.controlPointCount = count;
    }
    // The circles take the brush and pen that the redraw left (the last
    // mark's), as the point being marked does.
    Canvas& canvas = ctx_.canvas;
    for (int i = firstLoose; i < count; ++i) {
        const QPoint& p = curve.controlPoints[i];
        canvas.ellipse(p.x() - 5, p.y() - 5, p.x() + 5, p.y() + 5);
    }
}

void Workflow::redrawBackground() {
    const WorkflowState& w = ctx_.doc.workflow;
    if (w.markingActive)
        drawMarkedPoints();
    else if (w.curveExists)
        view_.redrawCurve();
}

void Workflow::enterMarkingStep() {
    Controls& c = ctx_.controls;
    CurveDocument& doc = ctx_.doc;
    WorkflowState& w = doc.workflow;
    w.currentStep = Step::Marking;
    setStepMessage(ctx_, StepMessage::MarkPoints);
    showScreen(ctx_, Screen::Marking);
    c.setChecked(ids::ChbxAffichePc, true);
    c.setItemIndex(ids::RdgActionsTangentes, 0);

    frame_.switchOff();
    doc.display.highlightSelected = true;
    w.markingActive = true;

    if (w.stepDone[Done::Marking]) {
        drawMarkedPoints();
    } else {
        w.curveExists = false;
        w.curveStopped = false;
        // A new curve starts a new keypoint list: nothing of the old curve's
        // positions or parameters may reach the clipboard.
        w.objectTextBuilt = false;
        parameters_->resetParameterCount();
        doc.curve.controlPointCount = 0;
        doc.editor.selectedIndex = -1;
        doc.curve.partCount = 0;
        // A new curve starts open. Opening it later, at the first stop, would
        // move the last point the user marked off its place.
        c.setChecked(ids::ChBxFermerCourbe, false);
        view_.drawBackground();
    }
    c.setItemIndex(ids::RdgModeAff, 1);
    c.setChecked(ids::ChbxAffichePc, true);
    c.setItemIndex(ids::RdgTangentes, 2);
    // A drawn path is imported in place of marking, before the first point.
    c.setVisible(ids::PnlImporterSvg, doc.curve.controlPointCount == 0);

    const ControlState& format = c.get(ids::RdgChoixEcran);
    doc.lists.LbxCollecter = curveRecordStart(
        ctx_.services.system.todayShort(), format.items.value(format.itemIndex), w.workWidth, w.workHeight);
    w.stepDone[Done::Marking] = true;
}

void Workflow::addControlPoint(QPoint position) {
    CurveDocument& doc = ctx_.doc;
    CurveGeometry& curve = doc.curve;
    WorkflowState& w = doc.workflow;
    if (!w.markingActive) return;
    // Back in step 2 with 16 parts already: no further point fits.
    if (curve.partCount >= maxParts || curve.controlPointCount >= maxMarkedPoints) {
        ctx_.services.messages.information(Messages::maxParts.in(ctx_.language()));
        stopMarking();
        return;
    }
    const int index = std::max(curve.controlPointCount, 0);
    ctx_.controls.hide(ids::PnlImporterSvg);
    curve.controlPoints[index] = position;
    curve.pointStates[index] = InnerAnchor;
    // Red-filled, outlined in the current pen: black at first, the outline
    // of the last mark once a part has been drawn.
    Canvas& canvas = ctx_.canvas;
    canvas.setBrushSolid(red);
    canvas.ellipse(position.x() - 5, position.y() - 5, position.x() + 5, position.y() + 5);
    curve.controlPointCount = index + 1;

    const int count = curve.controlPointCount;
    if (count == 4 || (count > 4 && (count - 4) % 3 == 0)) {
        ++curve.partCount;
        curve.partSampleCounts[curve.partCount - 1] = curve.defaultPartSamples;
        int sum = 0;
        for (int p = 0; p < curve.partCount; ++p)
            sum += curve.partSampleCounts[p];
        curve.sampleCount = 1 + sum;
        w.timesValid = false;
        if (!w.curveExists)
            w.curveExists = true;
        else
            curve.allPartsSelected = false;
        // The codes come first, so the new part is drawn with its own marks.
        assignStates();
        view_.redrawCurve();
        if (curve.partCount >= maxParts) {
            ctx_.services.messages.information(Messages::maxParts.in(ctx_.language()));
            stopMarking();
        }
    }
}

void Workflow::assignStates() {
    CurveGeometry& curve = ctx_.doc.curve;
    if (!ctx_.doc.workflow.curveExists) return;
    const int n = usedPoints(curve);
    auto& s = curve.pointStates;
    if (n > 0) s[0] = FirstPoint;
    if (n > 1) s[1] = FirstHandle;
    if (n > 2) s[2] = SecondHandle;
    if (n > 3) s[3] = n == 4 ? LastPoint : InnerAnchor;
    static constexpr std::array<int, 3> cycle{FirstHandle, SecondHandle, InnerAnchor};
    for (int i = 4; i <= n - 2; ++i)
        s[i] = cycle[static_cast<size_t>((i - 4) % 3)];
    if (n > 4) s[n - 1] = LastPoint;
}

void Workflow::stopMarking() {
    Controls& c = ctx_.controls;
    CurveDocument& doc = ctx_.doc;
    CurveGeometry& curve = doc.curve;
    WorkflowState& w = doc.workflow;
    if (curve.controlPointCount < 4) {
        ctx_.services.messages.information(Messages::tooFewPoints.in(ctx_.language()));
        return;
    }
    const int loose = (curve.controlPointCount - 1) % 3;
    if (loose > 0) {
        curve.controlPointCount -= loose;
        view_.redrawCurve();
    }
    for (int k = 1; k <= maxParts; ++k) {
        const CheckBoxId box = ids::curvePartBox(k);
        c.setVisible(box, k <= curve.partCount);
        if (k <= curve.partCount) c.setChecked(box, false);
    }
    c.show(ids::PnlPartiesBz);
    c.setVisible(ids::PnlTout, curve.partCount > 1);
    c.setVisible(ids::PnlRien, curve.partCount > 1);

    w.markingActive = false;
    doc.editor.dragging = false;
    if (!w.stepDone[Done::Marking]) assignStates();
    showStep3Controls(false);
    w.curveExists = true;
    w.currentStep = Step::Shaping;
    setStepMessage(ctx_, StepMessage::ShapeCurve);

    if (w.stepDone[Done::Curve] && !w.timesValid) {
        c.setCaption(
            ids::LblNombrePoints,
            Messages::countBeforeAndNow.in(ctx_.language()).arg(w.savedSampleCount).arg(curve.sampleCount));
        if (!doc.timing.keypointTimes.empty()) times_->resizeTimes(curve.sampleCount);
        w.timesValid = true;
        view_.redrawCurve();
    } else if (!w.replayingFile && !w.curveStopped) {
        // A freshly marked curve starts with every tangent aligned. A curve
        // read from a file, or stopped before, keeps its tangents and its
        // closing as they are.
        // The actions stay on "none"; standing on "align all" already, they
        // leave the tangents as they are.
        c.setChecked(ids::ChBxFermerCourbe, false);
        if (c.itemIndex(ids::RdgActionsTangentes) != 2) editor_.alignEveryTangent();
        c.setItemIndex(ids::RdgActionsTangentes, 0);
    }
    w.curveStopped = true;
}

// The controls of step 3, on stopping the marking and on coming back from step 4.
void Workflow::showStep3Controls(bool tangentActionsAlways) {
    Controls& c = ctx_.controls;
    const CurveDocument& doc = ctx_.doc;
    showScreen(ctx_, Screen::Shaping);
    c.setItemIndex(ids::RdgModeAff, 1);
    c.setItemIndex(ids::RdgTangentes, 2);
    c.setChecked(ids::ChbxAffichePc, true);
    c.setVisible(ids::RdgActionsTangentes, tangentActionsAlways || doc.curve.controlPointCount >= 5);
    c.setCaption(ids::LblTotalPts, QString::number(doc.curve.sampleCount));
    if (doc.frame.framePresent) {
        c.show(ids::RdgCadreOuPoints);
        c.setItemIndex(ids::RdgCadreOuPoints, 1);
        c.hide(ids::PnlCadre);
        c.show(ids::PnlEffacerCadre);
    } else {
        c.hide(ids::RdgCadreOuPoints);
        c.hide(ids::PnlEffacerCadre);
        c.show(ids::PnlCadre);
    }
}

void Workflow::finishCurve() {
    CurveDocument& doc = ctx_.doc;
    WorkflowState& w = doc.workflow;
    if (!w.curveExists || doc.curve.partCount < 1) return;
    bool rebuild = true;
    if (w.stepDone[Done::Curve]) {
        rebuild = false;
        // Only a table that exists can be lost.
        if (doc.curve.sampleCount != w.savedSampleCount && w.timesValid &&
            !doc.timing.keypointTimes.empty()) {
            const int lang = ctx_.language();
            const QString text = Messages::curveHad.in(lang) + QString::number(w.savedSampleCount) +
                                 Messages::curveHadRest.in(lang);
            if (ctx_.services.messages.okCancel(text, QString()) == MessageAnswer::Cancel) return;
            rebuild = true;
            w.objectTextBuilt = false;
            w.stepDone.undoFrom(Done::Curve);
            // The parameters go with the times: no record is left to count,
            // to save or to replay, and the next step 5 starts the log anew.
            parameters_->resetParameterCount();
            doc.lists.LbxColParametres.clear();
        }
    }
    view_.changeSampleCount();
    frame_.switchOff();
    writeCurveBlock(doc.lists.LbxCollecter, doc, ctx_.services.system.decimalSeparator());
    if (rebuild) doc.lists.LbxColTemps = QStringList{QStringLiteral("=== Etape 4 le temps ===")};
    ctx_.controls.setChecked(ids::ChbxAffichePc, false);
    doc.display.highlightSelected = false;
    const bool kept = times_->curveFinished(rebuild);
    parameters_->curveFinished();
    enterTimeStep();
    if (kept) times_->timesKept();
    ctx_.controls.setCaption(ids::LblTempsTotalVue, times_->totalTimeText());
    w.stepDone[Done::Curve] = true;
    showScreen(ctx_, Screen::CurveFinished);
}

void Workflow::enterTimeStep() {
    showScreen(ctx_, Screen::Times);
    ctx_.doc.workflow.currentStep = Step::Times;
    setStepMessage(ctx_, StepMessage::SetTimes);
    // The keypoint slider's range (1 .. sampleCount - 1, at its start) comes
    // with the time controls.
    times_->enter();
}

void Workflow::enterFormatStep() {
    Controls& c = ctx_.controls;
    CurveDocument& doc = ctx_.doc;
    WorkflowState& w = doc.workflow;
    showScreen(ctx_, Screen::Format);
    c.setColour(ids::PnMessages, messageColour);
    if (w.currentStep != Step::Marking) {
        w.stepDone.setAll(false);
        w.objectTextBuilt = false;
        doc.frame.framePresent = false;
        frame_.switchOff();
        parameters_->resetParameterCount();
    }
    w.timesValid = false;
    w.replayingFile = false;
    doc.curve.defaultPartSamples = 20;
    background_->resetPhotoOptions();
    w.currentStep = Step::Format;
    setStepMessage(ctx_, StepMessage::ChooseFormat);
}

void Workflow::previousStep() {
    CurveDocument& doc = ctx_.doc;
    WorkflowState& w = doc.workflow;
    Controls& c = ctx_.controls;
    view_.removeTangentSegments();
    c.hide(ids::LblTempsMiniVueFinal);
    switch (w.currentStep) {
    case Step::Format:
        view_.setDisplayMode();
        view_.setTangentDisplay();
        view_.setShowMarks();
        w.stepDone.setAll(false);
        w.objectTextBuilt = false;
        w.curveExists = false;
        returnToStart();
        break;
    case Step::Marking:
        enterFormatStep();
        break;
    case Step::Shaping:
        // savedSampleCount stays the count the times and the parameters were
        // made for, so that finishing with another count still asks first.
        enterMarkingStep();
        w.timesValid = true;
        hideGroup(ctx_, MovableGroup::Display);
        break;
    case Step::Times: {
        times_->leave();
        removeCurveBlock(doc.lists.LbxCollecter);
        showStep3Controls(true);
        w.currentStep = Step::Shaping;
        setStepMessage(ctx_, StepMessage::ShapeCurve);
        view_.redrawCurve();
        QStringList& listing = doc.lists.LbxTempsKP;
        listing.clear();
        const int rows = std::min(doc.curve.sampleCount, static_cast<int>(doc.timing.keypointTimes.size()));
        for (int i = 0; i < rows; ++i)
            listing << QStringLiteral("point %1 : %2")
                           .arg(i)
                           .arg(doc.timing.keypointTimes[static_cast<size_t>(i)].inUse);
        break;
    }
    case Step::Parameters:
        parameters_->leave();
        enterTimeStep();
        hideGroup(ctx_, MovableGroup::Display);
        break;
    case Step::Finished:
        // Saving belongs to step 6, where the three records are whole: the
        // steps back take them apart (step 3 drops the curve block). So do
        // the transfers: the object text is current only there, and a
        // transfer from an earlier step would hand out the old object.
        for (PanelId panel : {ids::PnlEnregistrerCourbe, ids::PnlTransfertSeul, ids::Pnl_nouvel_objet})
            c.hide(panel);
        ctx_.doc.shell.copiedKeypoints = 0;
        showCopyNotice(ctx_);
        w.currentStep = Step::Parameters;
        setStepMessage(ctx_, StepMessage::SetParameters);
        parameters_->restore();
        break;
    case Step::Start:
        break;
    }
}

void Workflow::nextStep() {
    switch (ctx_.doc.workflow.currentStep) {
    case Step::Marking:
        stopMarking();
        break;
    case Step::Shaping:
        if (ctx_.controls.enabled(ids::LblOKcourbe)) finishCurve();
        break;
    case Step::Times:
    case Step::Parameters:
        if (ctx_.controls.enabled(ids::LblParaFini)) finishKeypointStep();
        break;
    default:
        break;
    }
}

void Workflow::finishKeypointStep() {
    if (ctx_.doc.timeEdit.timeStepActive) {
        times_->finish();
        parameters_->enter();
    } else if (ctx_.doc.workflow.currentStep == Step::Parameters) {
        parameters_->finish();
    }
}

void Workflow::redoCurve() {
    WorkflowState& w = ctx_.doc.workflow;
    // The new curve's keypoints start from the loaded object's values: the
    // parameters recorded for the old one go with them, or the redo waits.
    if (!parameters_->dropParameters()) return;
    w.stepDone[Done::Marking] = false;
    ctx_.doc.frame.framePresent = false;
    enterMarkingStep();
    w.objectTextBuilt = false;
}

void Workflow::restartAll() {
    if (guard_ && !guard_->mayDiscardWork()) return;
    view_.removeTangentSegments();
    enterFormatStep();
    hideGroup(ctx_, MovableGroup::Help);
    ctx_.doc.workflow.currentStep = Step::Format;
    previousStep();
    if (guard_) guard_->nothingUnsaved();
}

void Workflow::workAreaKey(const QString& keys) {
    static const QStringList arrows{QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Up"),
                                    QStringLiteral("Down")};
    const bool shift = keys.startsWith(QLatin1String("Shift+"));
    const qsizetype arrow = arrows.indexOf(shift ? keys.mid(6) : keys);
    if (arrow < 0 || frame_.editing()) return;
    const int step = shift ? 10 : 1;
    const int dx = arrow == 0 ? -step : arrow == 1 ? step : 0;
    const int dy = arrow == 2 ? -step : arrow == 3 ? step : 0;
    editor_.nudge(dx, dy);
}

void Workflow::workAreaMouse(const MouseEvent& event) {
    const int x = std::clamp(event.x, -mouseLimit, mouseLimit);
    const int y = std::clamp(event.y, -mouseLimit, mouseLimit);
    WorkflowState& w = ctx_.doc.workflow;
    // The next control point goes where the mouse is; a press or click
    // carries that position as well as the moves before it.
    if (w.markingActive) ctx_.doc.editor.markPos = QPoint(x, y);
    switch (event.action) {
    case MouseAction::Down:
        if (frame_.editing())
            frame_.frameMouseDown(x, y);
        else
            editor_.beginDrag(x, y);
        break;
    case MouseAction::Move:
        editor_.showCoordinates(x, y);
        if (frame_.editing())
            frame_.frameMouseMove(x, y, event.leftButton);
        else
            editor_.mouseMove(x, y, event.shift);
        break;
    case MouseAction::Up:
        if (frame_.editing()) frame_.frameMouseUp();
        editor_.endDrag();
        break;
    case MouseAction::Click:
        if (w.markingActive) addControlPoint(ctx_.doc.editor.markPos);
        break;
    }
}

} // namespace trajecta
