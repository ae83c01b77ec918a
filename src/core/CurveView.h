#pragma once

#include "core/Context.h"
#include "core/KeypointSteps.h"
#include "core/ObjectTextRefresh.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <optional>

namespace trajecta {

// Sampling and drawing of the curve, and the controls that change them: the
// sample-count slider, the part check boxes, the closing check box and the
// display controls.
class CurveView {
  public:
    CurveView(Context& ctx, ObjectTextRefresh& objectText);
    // The keypoint marks, which a redraw in steps 4 and 5 puts back;
    // connected once by the session.
    void connect(KeypointMarks& marks) { marks_ = &marks; }

    // Fills the sample points and sampleCount from the control points.
    void sampleCurve();
    // Background, curve, marks, tangents and frame, in this order; nothing but
    // the removal of tangent segments while no curve exists.
    void redrawCurve();
    // After a move of control points (`before` holds them as they were): the
    // picture redrawCurve gives, drawn again only around the parts and marks
    // that moved, where they were and where they are now. Shapes that reach
    // that area are drawn whole on a picture of its own, and the area alone is
    // copied back, so that every pixel is the one a full redraw sets.
    void redrawMoved(const std::array<QPoint, maxControlPoints>& before);
    // Draws the stored tangent segments again with the inverting pen, which
    // removes them.
    void removeTangentSegments();
    // After a change of the geometry: the keypoint positions are stale until
    // rewritten; the keypoint list, once written, takes the new positions at
    // once while it still matches the sample count its times were built for.
    void refreshObjectText();

    // The sampled curve of the complete parts among `points[0..count)`: mode 1
    // draws lines coloured by part, mode 2 dots. Counts the repeated samples
    // into duplicateCount and shows them.
    void drawCurve(const QPoint* points, int count, CurveLook mode, Canvas& canvas);
    // The tangent angle in radians at parameter t of the part starting at
    // control point s (0 when s or t is out of range). It also traces the
    // point in LbxPointsCourbe and, while the tangent is shown, draws its
    // segment (at most two at a time).
    float traceTangentAt(const QPoint* points, int count, int s, float t);
    // The tangent angle at keypoint k in degrees, shown in LblAngletangente.
    // At a junction of parts, and at the ends of a closed curve, the label
    // also shows the second direction; the result is always the first.
    double keypointTangentAngle(int k);
    // The green cross on sample points i and j (each only when ≥ 0), drawn with
    // the NOT-XOR pen: drawing it twice removes it.
    void markKeypoint(int i, int j);
    // The background picture of backgroundKind (the grid when that picture is
    // missing), copied over the whole work area.
    void drawBackground();

    // Control events.
    void changeSampleCount();
    void togglePart(int k);
    void selectAllParts(bool checked);
    void setClosedCurve();
    void setDisplayMode();
    void setShowMarks();
    void setTangentDisplay();

  private:
    // The shapes a redraw draws: all of them, or those whose box meets an area.
    struct Within {
        std::optional<QRect> area;
        bool meets(const QRect& box) const { return !area || area->intersects(box); }
    };
    // The pen set, then everything but the background, on `canvas`.
    void drawScene(Canvas& canvas, const Within& only);
    void drawCurve(const QPoint* points, int count, CurveLook mode, Canvas& canvas, const Within& only);
    void drawPath(Canvas& canvas, const Within& only);
    void drawMarks(Canvas& canvas, const Within& only);
    void drawTangents(Canvas& canvas, const Within& only);
    void drawFrame(Canvas& canvas, const Within& only);
    // The picture drawBackground copies, or nullptr.
    const QImage* chosenBackground() const;
    // Whether a redraw of an area can give the pixels of a full one.
    bool redrawsByArea() const;
    void plotDot(Canvas& canvas, QPoint at);
    void drawTangentSegment(QPoint r0, QPoint r1);
    int partSampleSum() const;
    void showSampleCount();
    QString degreesText(double degrees) const;

    Context& ctx_;
    ObjectTextRefresh& objectText_;
    KeypointMarks* marks_ = nullptr;
    // Tangent segments on screen in the parameter step: how many, and where.
    int segmentCount_ = 0;
    std::array<std::array<QPoint, 2>, 2> segments_{};
    // The picture an area is drawn on before it is copied to the work area.
    QImage scratch_;
    Canvas scratchCanvas_{scratch_};
};

} // namespace trajecta
