#include "core/CurveView.h"

#include "core/Bezier.h"
#include "core/Messages.h"
#include "core/Tangents.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <initializer_list>
#include <vector>

namespace trajecta {

namespace {

using namespace colours;

constexpr Extended degreesPerRadian = 57.295779513082320877L;

// How far any mark, dot or line of the curve reaches from the points it is
// drawn from, with room to spare.
constexpr int reach = 8;

QRect boxAround(std::initializer_list<QPoint> points) {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        top = std::min(top, p.y());
        right = std::max(right, p.x());
        bottom = std::max(bottom, p.y());
    }
    return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-reach, -reach, reach, reach);
}

// The samples of a part, and so its dots and lines, lie within the hull of its
// four control points.
QRect partBox(const QPoint* part) {
    return boxAround({part[0], part[1], part[2], part[3]});
}
QRect markBox(QPoint p) {
    return boxAround({p});
}
QRect lineBox(QPoint a, QPoint b) {
    return boxAround({a, b});
}

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
    drawScene(ctx_.canvas, {});

    const Step step = doc.workflow.currentStep;
    const int shown = doc.range.shownKeypoint;
    if ((step == Step::Times || step == Step::Parameters) && doc.parameters.tangentShown && shown >= 0)
        keypointTangentAngle(shown);
    if ((step == Step::Times || step == Step::Parameters) && marks_) marks_->redrawMarks();
}

void CurveView::redrawMoved(const std::array<QPoint, maxControlPoints>& before) {
    if (!redrawsByArea()) {
        redrawCurve();
        return;
    }
    const CurveGeometry& curve = ctx_.doc.curve;
    const auto& now = curve.controlPoints;
    const int n = usedPoints(curve);
    const int parts = std::min(completeParts(n), maxParts);
    QRect area;
    for (int i = 0; i < n; ++i) {
        if (before[i] == now[i]) continue;
        area |= markBox(before[i]) | markBox(now[i]);
        for (int p = std::max(i / 3 - 1, 0); p <= std::min(i / 3, parts - 1); ++p)
            if (3 * p <= i && i <= 3 * p + 3)
                area |= partBox(before.data() + 3 * p) | partBox(now.data() + 3 * p);
    }
    // The closing line of the lines by part joins the last point to the first.
    if (curve.closedCurve && n > 1 && (before[0] != now[0] || before[n - 1] != now[n - 1]))
        area |= lineBox(before[0], before[n - 1]) | lineBox(now[0], now[n - 1]);

    QImage& work = ctx_.doc.pictures.work;
    if (scratch_.size() != work.size() || scratch_.format() != work.format()) {
        scratchCanvas_.flush();
        scratch_ = QImage(work.size(), work.format());
        scratch_.fill(0);
    }
    area &= work.rect();
    scratchCanvas_.takePen(ctx_.canvas);
    drawScene(scratchCanvas_, Within{area});
    ctx_.canvas.takePen(scratchCanvas_);
    ctx_.canvas.copyArea(scratch_, area);
}

// The steps of the keypoints draw their marks and tangent segments over the
// picture; a background of another size leaves pixels of the picture before.
bool CurveView::redrawsByArea() const {
    const CurveDocument& doc = ctx_.doc;
    const Step step = doc.workflow.currentStep;
    const QImage* background = chosenBackground();
    const QImage& work = doc.pictures.work;
    return doc.workflow.curveExists && step != Step::Times && step != Step::Parameters &&
           !(doc.parameters.tangentShown && segmentCount_ > 0) && !ctx_.canvas.held() && background &&
           work.depth() == 32 && background->size() == work.size() && background->format() == work.format();
}

// One path through every complete part. By area, each run of parts that meets
// the area is drawn with one part more at each end, so that it is stroked
// there as the whole path is; the run's own ends lie outside the area.
void CurveView::drawPath(Canvas& canvas, const Within& only) {
    const CurveGeometry& curve = ctx_.doc.curve;
    const QPoint* points = curve.controlPoints.data();
    if (!only.area) {
        canvas.bezier(std::vector<QPoint>(points, points + curve.controlPointCount));
        return;
    }
    const int parts = completeParts(curve.controlPointCount);
    for (int p = 0; p < parts; ++p) {
        if (!only.meets(partBox(points + 3 * p))) continue;
        int last = p;
        while (last + 1 < parts && only.meets(partBox(points + 3 * (last + 1))))
            ++last;
        const int from = std::max(p - 1, 0), to = std::min(last + 1, parts - 1);
        canvas.bezier(std::vector<QPoint>(points + 3 * from, points + 3 * to + 4));
        p = last;
    }
}

void CurveView::refreshObjectText() {
    WorkflowState& w = ctx_.doc.workflow;
    w.positionsStale = true;
    if (w.objectTextBuilt && w.timesValid && ctx_.doc.curve.sampleCount == w.savedSampleCount)
        objectText_.refreshPositions();
}

// The background goes under everything else, drawn after the pen is set: over
// the whole picture, or within the area from the background's own rows.
void CurveView::drawScene(Canvas& canvas, const Within& only) {
    CurveDocument& doc = ctx_.doc;
    canvas.setPenDashed(false);
    canvas.setPenWidth(1);
    canvas.setPenColour(black);
    canvas.setBrushClear();
    canvas.setPenMode(PenMode::Copy);
    if (only.area)
        canvas.copyArea(*chosenBackground(), *only.area);
    else
        drawBackground();

    if (ctx_.controls.itemIndex(ids::RdgModeAff) == 2) doc.display.displayMode = CurveLook::PartSegments;
    const CurveGeometry& curve = doc.curve;
    if (doc.display.displayMode == CurveLook::Path)
        drawPath(canvas, only);
    else
        drawCurve(curve.controlPoints.data(), curve.controlPointCount, doc.display.displayMode, canvas, only);
    if (doc.display.showMarks) {
        drawMarks(canvas, only);
        if (doc.display.tangentDisplay == TangentsShown::All) drawTangents(canvas, only);
    }
    if (doc.frame.framePresent) drawFrame(canvas, only);
}

const QImage* CurveView::chosenBackground() const {
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
    return chosen->isNull() ? nullptr : chosen;
}

void CurveView::drawBackground() {
    if (const QImage* chosen = chosenBackground()) ctx_.canvas.drawImage(0, 0, *chosen);
}

// The dashed inverting pen of the frame gives way to the solid copy pen of the
// marks again: points marked later are drawn with it.
void CurveView::drawFrame(Canvas& canvas, const Within& only) {
    const FrameRect& r = ctx_.doc.frame.frameRect;
    const std::uint32_t colour = canvas.penColour();
    const int width = canvas.penWidth();
    canvas.setPenColour(lime);
    canvas.setPenDashed(true);
    canvas.setPenWidth(1);
    canvas.setBrushClear();
    canvas.setPenMode(PenMode::Xor);
    // The dashes run along the whole outline: it is drawn whole or not at all.
    const QRect outer =
        QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)).adjusted(-reach, -reach, reach, reach);
    const QRect inner = outer.adjusted(2 * reach, 2 * reach, -2 * reach, -2 * reach);
    if (!only.area || (only.area->intersects(outer) && !inner.contains(*only.area)))
        canvas.rectangle(r.left, r.top, r.right, r.bottom);
    canvas.setPenColour(colour);
    canvas.setPenWidth(width);
    canvas.setPenDashed(false);
    canvas.setPenMode(PenMode::Copy);
}

void CurveView::drawCurve(const QPoint* points, int count, CurveLook mode, Canvas& canvas) {
    drawCurve(points, count, mode, canvas, {});
}

// Every sample is walked, drawn or not, for the count of repeated samples.
void CurveView::drawCurve(const QPoint* points, int count, CurveLook mode, Canvas& canvas,
                          const Within& only) {
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
        if (only.meets(markBox(prev))) plotDot(canvas, prev);
    }
    canvas.moveTo(prev.x(), prev.y());
    for (int p = 0; p < parts; ++p) {
        canvas.setPenColour(partColour(p));
        const bool drawn = only.meets(partBox(points + 3 * p));
        if (lines) canvas.moveTo(prev.x(), prev.y());
        forEachSample(points + 3 * p, curve.partSampleCounts[p], [&](QPoint s) {
            if (s == prev) ++curve.duplicateCount;
            if (drawn && lines)
                canvas.lineTo(s.x(), s.y());
            else if (drawn)
                plotDot(canvas, s);
            prev = s;
        });
    }
    if (lines && curve.closedCurve) {
        canvas.moveTo(prev.x(), prev.y());
        if (only.meets(lineBox(prev, points[0]))) canvas.lineTo(points[0].x(), points[0].y());
    }
    ctx_.controls.setCaption(ids::LblPointsDoubles, QString::number(curve.duplicateCount));
}

void CurveView::plotDot(Canvas& canvas, QPoint at) {
    const DotPattern dot = dotPattern(at.x(), at.y(), ctx_.doc.display.bigDots);
    canvas.pixels(dot.pixels.data(), dot.count);
}

void CurveView::drawMarks(Canvas& canvas, const Within& only) {
    const CurveGeometry& curve = ctx_.doc.curve;
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
        if (!only.meets(markBox(p)))
            continue;
        else if (circle)
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
        if (!only.meets(markBox(p)))
            continue;
        else if (curve.pointStates[i] >= alignedCode)
            canvas.ellipse(p.x() - 5, p.y() - 5, p.x() + 5, p.y() + 5);
        else
            canvas.rectangle(p.x() - 4, p.y() - 4, p.x() + 4, p.y() + 4);
    }
}

void CurveView::drawTangents(Canvas& canvas, const Within& only) {
    const CurveGeometry& curve = ctx_.doc.curve;
    canvas.setPenDashed(false);
    canvas.setPenWidth(1);
    canvas.setPenMode(PenMode::Copy);
    const auto& pts = curve.controlPoints;
    const int n = curve.controlPointCount;
    const auto line = [&](QPoint a, QPoint b) {
        if (only.meets(lineBox(a, b)))
            canvas.line(a.x(), a.y(), b.x(), b.y());
        else
            canvas.moveTo(b.x(), b.y());
    };
    for (int h = 1; h < n; h += 3) {
        canvas.setPenColour(blue);
        line(pts[h], pts[h - 1]);
        // The second handle's anchor exists only once its part is complete.
        if (h + 2 < n) {
            canvas.setPenColour(green);
            line(pts[h + 1], pts[h + 2]);
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
