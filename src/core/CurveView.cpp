#include "core/CurveView.h"

#include "core/Bezier.h"
#include "core/Messages.h"
#include "core/Tangents.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"

#include <charconv>
#include <vector>

namespace trajecta {

namespace {

using namespace colours;

constexpr Extended degreesPerRadian = 57.295779513082320877L;

// The parameter of a trace line, in the shortest text that reads back as the same single.
QString shortestText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

} // namespace

CurveView::CurveView(Context& ctx, ObjectTextRefresh& objectText) : ctx_(ctx), objectText_(objectText) {
    Controls& c = ctx_.controls;
    c.onChange(ids::TbrQPoints, [this] { changeSampleCount(); });
    for (int k = 1; k <= maxParts; ++k)
        c.onClick(ids::curvePartBox(k), [this, k] { togglePart(k); });
    c.onClick(ids::LblTout, [this] { selectAllParts(true); });
    c.onClick(ids::LblRien, [this] { selectAllParts(false); });
    c.onClick(ids::ChBxFermerCourbe, [this] { setClosedCurve(); });
    c.onClick(ids::RdgModeAff, [this] { setDisplayMode(); });
    c.onClick(ids::ChbxAffichePc, [this] { setShowMarks(); });
    c.onClick(ids::RdgTangentes, [this] { setTangentDisplay(); });
}

void CurveView::sampleCurve() {
    sampleParts(ctx_.doc.curve);
}

void CurveView::redrawCurve() {
    removeTangentSegments();
    const CurveDocument& doc = ctx_.doc;
    if (!doc.workflow.curveExists) return;
    Canvas& canvas = ctx_.canvas;
    canvas.setPenDashed(false);
    canvas.setPenWidth(1);
    canvas.setPenColour(black);
    canvas.setBrushClear();
    canvas.setPenMode(PenMode::Copy);
    drawBackground();

    if (ctx_.controls.itemIndex(ids::RdgModeAff) == 2) ctx_.doc.display.displayMode = CurveLook::PartSegments;
    const CurveGeometry& curve = doc.curve;
    if (doc.display.displayMode == CurveLook::Path) {
        canvas.bezier(std::vector<QPoint>(curve.controlPoints.begin(),
                                          curve.controlPoints.begin() + curve.controlPointCount));
    } else {
        drawCurve(curve.controlPoints.data(), curve.controlPointCount, doc.display.displayMode, canvas);
    }
    if (doc.display.showMarks) {
        drawMarks();
        if (doc.display.tangentDisplay == TangentsShown::All) drawTangents();
    }
    if (doc.frame.framePresent) drawFrame();

    const Step step = doc.workflow.currentStep;
    const int shown = doc.range.shownKeypoint;
    if ((step == Step::Times || step == Step::Parameters) && doc.parameters.tangentShown && shown >= 0)
        keypointTangentAngle(shown);
    if ((step == Step::Times || step == Step::Parameters) && marks_) marks_->redrawMarks();
}

void CurveView::refreshObjectText() {
    WorkflowState& w = ctx_.doc.workflow;
    w.positionsStale = true;
    if (w.objectTextBuilt && w.timesValid && ctx_.doc.curve.sampleCount == w.savedSampleCount)
        objectText_.refreshPositions();
}

void CurveView::drawBackground() {
    const Pictures& pictures = ctx_.doc.pictures;
    const QImage* chosen = &pictures.grid;
    switch (ctx_.doc.background.backgroundKind) {
    case 1:
        chosen = &pictures.plain;
        break;
    case 2:
        chosen = &pictures.photo;
        break;
    case 3:
        chosen = &pictures.processed;
        break;
    default:
        break;
    }
    if (chosen->isNull()) chosen = &pictures.grid;
    if (!chosen->isNull()) ctx_.canvas.drawImage(0, 0, *chosen);
}

// The dashed inverting pen of the frame gives way to the solid copy pen of the
// marks again: points marked later are drawn with it.
void CurveView::drawFrame() {
    const FrameRect& r = ctx_.doc.frame.frameRect;
    Canvas& canvas = ctx_.canvas;
    const std::uint32_t colour = canvas.penColour();
    const int width = canvas.penWidth();
    canvas.setPenColour(lime);
    canvas.setPenDashed(true);
    canvas.setPenWidth(1);
    canvas.setBrushClear();
    canvas.setPenMode(PenMode::Xor);
    canvas.rectangle(r.left, r.top, r.right, r.bottom);
    canvas.setPenColour(colour);
    canvas.setPenWidth(width);
    canvas.setPenDashed(false);
    canvas.setPenMode(PenMode::Copy);
}

void CurveView::drawCurve(const QPoint* points, int count, CurveLook mode, Canvas& canvas) {
    CurveDocument& doc = ctx_.doc;
    CurveGeometry& curve = doc.curve;
    curve.duplicateCount = 0;
    if (count % 3 != 1) ctx_.services.messages.information(Messages::incorrectPointCount);
    if (count < 1) return;

    const bool lines = mode == CurveLook::PartSegments;
    const auto partColour = [&](int p) {
        if (lines) {
            static constexpr std::uint32_t byPart[3] = {black, red, blue};
            return byPart[p % 3];
        }
        const bool highlighted =
            doc.display.highlightSelected && !curve.allPartsSelected && curve.partSelected[p];
        return highlighted ? red : black;
    };

    const int parts = std::min(completeParts(count), maxParts);
    QPoint prev = points[0];
    if (!lines) {
        // Point 0 comes before any part: it takes the first part's colour.
        canvas.setPenColour(partColour(0));
        plotDot(canvas, prev);
    }
    canvas.moveTo(prev.x(), prev.y());
    for (int p = 0; p < parts; ++p) {
        canvas.setPenColour(partColour(p));
        forEachSample(points + 3 * p, curve.partSampleCounts[p], [&](QPoint s) {
            if (s == prev) ++curve.duplicateCount;
            if (lines)
                canvas.lineTo(s.x(), s.y());
            else
                plotDot(canvas, s);
            prev = s;
        });
    }
    if (lines && curve.closedCurve) canvas.lineTo(points[0].x(), points[0].y());
    ctx_.controls.setCaption(ids::LblPointsDoubles, QString::number(curve.duplicateCount));
}

void CurveView::plotDot(Canvas& canvas, QPoint at) {
    const DotPattern dot = dotPattern(at.x(), at.y(), ctx_.doc.display.bigDots);
    for (int i = 0; i < dot.count; ++i)
        canvas.pixel(dot.pixels[i].x(), dot.pixels[i].y());
}

void CurveView::drawMarks() {
    const CurveGeometry& curve = ctx_.doc.curve;
    Canvas& canvas = ctx_.canvas;
    canvas.setPenDashed(false);
    canvas.setPenWidth(1);
    canvas.setPenMode(PenMode::Copy);
    for (int i = 0; i < curve.controlPointCount; ++i) {
        const QPoint p = curve.controlPoints[i];
        const int code = curve.pointStates[i];
        const int plain = code % alignedCode;
        if (code < 0 || code > LastPoint + alignedCode || plain > LastPoint) continue;
        const bool circle = code >= alignedCode;
        std::uint32_t fill = red;
        std::uint32_t outline = blue;
        int r = circle ? 5 : 4;
        if (plain == FirstHandle) {
            fill = outline = blue;
            --r;
        } else if (plain == SecondHandle) {
            fill = outline = green;
            --r;
        }
        canvas.setPenColour(outline);
        canvas.setBrushSolid(fill);
        if (circle)
            canvas.ellipse(p.x() - r, p.y() - r, p.x() + r, p.y() + r);
        else
            canvas.rectangle(p.x() - r, p.y() - r, p.x() + r, p.y() + r);
    }
    if (!curve.closedCurve || curve.controlPointCount < 1) return;
    // The two ends of a closed curve lie on each other: both get the closing mark.
    canvas.setPenColour(red);
    canvas.setPenWidth(2);
    canvas.setBrushSolid(white);
    for (int i : {0, curve.controlPointCount - 1}) {
        const QPoint p = curve.controlPoints[i];
        if (curve.pointStates[i] >= alignedCode)
            canvas.ellipse(p.x() - 5, p.y() - 5, p.x() + 5, p.y() + 5);
        else
            canvas.rectangle(p.x() - 4, p.y() - 4, p.x() + 4, p.y() + 4);
    }
}

void CurveView::drawTangents() {
    const CurveGeometry& curve = ctx_.doc.curve;
    Canvas& canvas = ctx_.canvas;
    canvas.setPenDashed(false);
    canvas.setPenWidth(1);
    canvas.setPenMode(PenMode::Copy);
    const auto& pts = curve.controlPoints;
    const int n = curve.controlPointCount;
    for (int h = 1; h < n; h += 3) {
        canvas.setPenColour(blue);
        canvas.line(pts[h].x(), pts[h].y(), pts[h - 1].x(), pts[h - 1].y());
        // The second handle's anchor exists only once its part is complete.
        if (h + 2 < n) {
            canvas.setPenColour(green);
            canvas.line(pts[h + 1].x(), pts[h + 1].y(), pts[h + 2].x(), pts[h + 2].y());
        }
    }
}

float CurveView::traceTangentAt(const QPoint* points, int count, int s, float t) {
    if (count % 3 != 1) ctx_.services.messages.information(Messages::incorrectPointCount);
    // A part needs its four points among those in use.
    if (s < 0 || s % 3 != 0 || s + 3 > count - 1 || !(t >= 0.0f && t <= 1.0f)) return 0.0f;
    const TangentSegment segment = tangentSegment(points + s, t);
    ctx_.doc.lists.LbxPointsCourbe.append(QStringLiteral("NB, curpt, IndicePoint, tt : %1 %2 %3 %4")
                                              .arg(count - 1)
                                              .arg(s)
                                              .arg(ctx_.doc.range.shownKeypoint)
                                              .arg(shortestText(t)));
    if (ctx_.doc.parameters.tangentShown && segmentCount_ < 2) {
        drawTangentSegment(segment.r0, segment.r1);
        segments_[segmentCount_++] = {segment.r0, segment.r1};
    }
    return segment.angle;
}

void CurveView::drawTangentSegment(QPoint r0, QPoint r1) {
    Canvas& canvas = ctx_.canvas;
    canvas.setPenColour(yellow);
    canvas.setPenDashed(false);
    canvas.setPenWidth(1);
    canvas.setPenMode(PenMode::Xor);
    canvas.line(r0.x(), r0.y(), r1.x(), r1.y());
}

void CurveView::removeTangentSegments() {
    if (!ctx_.doc.parameters.tangentShown || segmentCount_ == 0) return;
    for (int i = 0; i < segmentCount_; ++i)
        drawTangentSegment(segments_[i][0], segments_[i][1]);
    segmentCount_ = 0;
}

QString CurveView::degreesText(double degrees) const {
    return formatFixed(degrees, 1, ctx_.services.system.decimalSeparator()) + QStringLiteral("°");
}

double CurveView::keypointTangentAngle(int k) {
    removeTangentSegments();
    const CurveGeometry& curve = ctx_.doc.curve;
    QStringList& trace = ctx_.doc.lists.LbxPointsCourbe;
    const int parts = std::min(curve.partCount, maxParts);
    int p = 0;
    int before = 0;
    int total = 0;
    for (; p < parts; ++p) {
        total = before + curve.partSampleCounts[p];
        if (total >= k) break;
        before = total;
    }
    if (k < 0 || p == parts) return 0.0;
    trace.append(QStringLiteral("Somme, IndPt = %1 %2").arg(before).arg(k));

    const int samples = curve.partSampleCounts[p];
    const float t = samples > 0 ? toSingle(static_cast<Extended>(k - before) / samples) : 0.0f;
    const auto degreesAt = [&](int start, float at) {
        const float radians = traceTangentAt(curve.controlPoints.data(), curve.controlPointCount, start, at);
        return static_cast<double>(radians * degreesPerRadian);
    };
    const double first = degreesAt(3 * p, t);
    QString text = degreesText(first);

    // At a junction of parts, and at both ends of a closed curve, the curve has
    // a second direction: the start of the part that follows.
    int secondStart = -1;
    float secondT = 0.0f;
    const bool junction = k == total && p < parts - 1;
    if (junction) {
        secondStart = 3 * (p + 1);
    } else if (curve.closedCurve && k == 0) {
        secondStart = 3 * parts - 3;
        secondT = 1.0f;
    } else if (curve.closedCurve && k == curve.sampleCount - 1) {
        secondStart = 0;
    }
    if (secondStart >= 0) {
        const double second = degreesAt(secondStart, secondT);
        // The junction is traced once its second direction is known.
        if (junction)
            trace.append(
                QStringLiteral("PtDepBB, BBEtat[PtDepBB] = %1 %2").arg(3 * p).arg(curve.pointStates[3 * p]));
        text += QStringLiteral("/") + degreesText(second);
    }
    ctx_.controls.setCaption(ids::LblAngletangente, text);
    ctx_.doc.parameters.angles.currentTangentAngle = first;
    return first;
}

void CurveView::markKeypoint(int i, int j) {
    const CurveGeometry& curve = ctx_.doc.curve;
    Canvas& canvas = ctx_.canvas;
    canvas.setPenColour(green);
    canvas.setPenDashed(false);
    canvas.setPenWidth(3);
    canvas.setPenMode(PenMode::NotXor);
    for (int k : {i, j}) {
        if (k < 0 || k >= curve.sampleCount) continue;
        const SamplePoint& s = curve.samplePoints[k];
        canvas.line(s.x, s.y - 10, s.x, s.y + 10);
        canvas.line(s.x - 10, s.y, s.x + 10, s.y);
    }
}

int CurveView::partSampleSum() const {
    const CurveGeometry& curve = ctx_.doc.curve;
    int sum = 0;
    for (int p = 0; p < std::min(curve.partCount, maxParts); ++p)
        sum += curve.partSampleCounts[p];
    return sum;
}

void CurveView::showSampleCount() {
    CurveGeometry& curve = ctx_.doc.curve;
    curve.sampleCount = 1 + partSampleSum();
    ctx_.controls.setCaption(ids::LblTotalPts, QString::number(curve.sampleCount));
}

void CurveView::changeSampleCount() {
    Controls& c = ctx_.controls;
    const int mode = c.itemIndex(ids::RdgModeAff);
    if (mode == 1 || mode == 2) c.setItemIndex(ids::RdgModeAff, 0);

    CurveGeometry& curve = ctx_.doc.curve;
    const int position = c.position(ids::TbrQPoints);
    for (int p = 0; p < std::min(curve.partCount, maxParts); ++p)
        if (curve.allPartsSelected || curve.partSelected[p]) curve.partSampleCounts[p] = position;
    c.setCaption(ids::LBlQpCourbe, QString::number(position));
    showSampleCount();
    const CurveLook look = ctx_.doc.display.displayMode;
    if (look == CurveLook::PartSegments || look == CurveLook::Dots) redrawCurve();
    sampleCurve();
}

void CurveView::togglePart(int k) {
    if (k < 1 || k > maxParts) return;
    CurveGeometry& curve = ctx_.doc.curve;
    const bool checked = ctx_.controls.checked(ids::curvePartBox(k));
    curve.partSelected[k - 1] = checked;
    if (checked) curve.partSampleCounts[k - 1] = ctx_.controls.position(ids::TbrQPoints);
    const int parts = std::min(curve.partCount, maxParts);
    bool all = parts >= 1;
    for (int p = 0; p < parts; ++p)
        all = all && curve.partSelected[p];
    curve.allPartsSelected = all;
    showSampleCount();
    sampleCurve();
    // The dots show the new count and the selection at once.
    redrawCurve();
}

void CurveView::selectAllParts(bool checked) {
    for (int k = 1; k <= std::min(ctx_.doc.curve.partCount, maxParts); ++k)
        ctx_.controls.setChecked(ids::curvePartBox(k), checked);
}

void CurveView::setClosedCurve() {
    CurveDocument& doc = ctx_.doc;
    CurveGeometry& curve = doc.curve;
    curve.closedCurve = ctx_.controls.checked(ids::ChBxFermerCourbe);
    const int last = curve.controlPointCount - 1;
    if (last > 0) {
        if (!curve.closedCurve) {
            // Off the first point again, so that the two ends can be told apart.
            curve.controlPoints[last] -= QPoint(5, 5);
            redrawCurve();
        } else if (doc.workflow.curveExists) {
            curve.controlPoints[last] = curve.controlPoints[0];
            if (doc.editor.alignAllActive) alignAllTangents(curve);
            redrawCurve();
        }
    }
    sampleCurve();
    refreshObjectText();
}

void CurveView::setDisplayMode() {
    DisplaySettings& display = ctx_.doc.display;
    switch (ctx_.controls.itemIndex(ids::RdgModeAff)) {
    case 0:
        display.displayMode = CurveLook::Dots;
        display.bigDots = false;
        break;
    case 1:
        display.displayMode = CurveLook::Path;
        break;
    case 2:
        display.displayMode = CurveLook::PartSegments;
        break;
    case 3:
        display.displayMode = CurveLook::Dots;
        display.bigDots = true;
        break;
    default:
        break;
    }
    redrawCurve();
}

void CurveView::setShowMarks() {
    ctx_.doc.display.showMarks = ctx_.controls.checked(ids::ChbxAffichePc);
    if (ctx_.doc.workflow.curveExists) redrawCurve();
}

void CurveView::setTangentDisplay() {
    ctx_.doc.display.tangentDisplay = static_cast<TangentsShown>(ctx_.controls.itemIndex(ids::RdgTangentes));
    redrawCurve();
}

} // namespace trajecta
