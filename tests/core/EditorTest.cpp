#include "core/CurveSession.h"

#include <algorithm>
#include <iterator>
#include <random>

using namespace trajecta;

namespace {

constexpr std::uint32_t blue = 0xFF0000;
constexpr std::uint32_t green = 0x008000;

// Step 3 with two parts whose tangents the first stop aligned:
// codes 13 11 12 10 11 12 14.
class EditorTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        create();
        mark({{100, 100}, {200, 60}, {300, 60}, {400, 200}, {500, 340}, {600, 340}, {700, 200}});
        click("LblStopMarquage");
        ASSERT_EQ(doc().workflow.currentStep, Step::Shaping);
    }
    CursorShape cursor() { return controls().get("ImgDessin").cursor; }
    std::vector<int> states() {
        const auto& s = doc().curve.pointStates;
        return {s.begin(), s.begin() + doc().curve.controlPointCount};
    }
};

TEST_F(EditorTest, FirstStopAlignsEveryTangent) {
    EXPECT_EQ(states(), (std::vector<int>{13, 11, 12, 10, 11, 12, 14}));
}

TEST_F(EditorTest, HoverBoxIsSixteenPixelsWide) {
    for (QPoint p : {QPoint(92, 92), QPoint(107, 107), QPoint(92, 107), QPoint(100, 100)}) {
        mouse(MouseAction::Move, p.x(), p.y(), false);
        EXPECT_EQ(doc().editor.hoverIndex, 0) << p.x() << "," << p.y();
        EXPECT_EQ(cursor(), CursorShape::Hand);
    }
    for (QPoint p : {QPoint(108, 100), QPoint(100, 108), QPoint(91, 100), QPoint(100, 91)}) {
        mouse(MouseAction::Move, p.x(), p.y(), false);
        EXPECT_EQ(doc().editor.hoverIndex, -1) << p.x() << "," << p.y();
        EXPECT_EQ(cursor(), CursorShape::Arrow);
    }
}

TEST_F(EditorTest, CoordinatesAreShownFromTheCentre) {
    mouse(MouseAction::Move, 960, 180, false);
    EXPECT_EQ(controls().text("LblCoordSouris"), "X=320  Y=-180");
    EXPECT_EQ(controls().text("LblCoordPourCent"), "X=50,00%  Y=-50,00%");
    mouse(MouseAction::Move, 0, 719, false);
    EXPECT_EQ(controls().text("LblCoordSouris"), "X=-640  Y=359");
    EXPECT_EQ(controls().text("LblCoordPourCent"), "X=-100,00%  Y=99,72%");
}

TEST_F(EditorTest, DraggingAnAlignedAnchorCarriesBothHandles) {
    mouse(MouseAction::Move, 400, 200, false);
    mouse(MouseAction::Down, 400, 200);
    mouse(MouseAction::Move, 410, 195);
    // While dragging, the handle lines of the anchor are drawn.
    EXPECT_EQ(at(460, 265), blue);  // on the line to (510, 335)
    EXPECT_EQ(at(360, 125), green); // on the line to (310, 55)
    mouse(MouseAction::Up, 410, 195);
    EXPECT_EQ(point(2), QPoint(310, 55));
    EXPECT_EQ(point(3), QPoint(410, 195));
    EXPECT_EQ(point(4), QPoint(510, 335));
    EXPECT_FALSE(doc().editor.dragging);
    EXPECT_TRUE(doc().workflow.positionsStale);
    // The release resamples: part 1 ends on the moved anchor.
    EXPECT_EQ(doc().curve.samplePoints[20].x, 410);
    EXPECT_EQ(doc().curve.samplePoints[20].y, 195);
}

TEST_F(EditorTest, DraggingAnAlignedHandleMirrorsTheOtherSide) {
    drag({500, 340}, {520, 360});
    EXPECT_EQ(point(4), QPoint(520, 360));
    EXPECT_EQ(point(3), QPoint(400, 200));
    EXPECT_EQ(point(2), QPoint(280, 40));
    drag({280, 40}, {300, 100}); // the second handle of part 1 mirrors back
    EXPECT_EQ(point(4), QPoint(500, 300));
}

TEST_F(EditorTest, ThePressPicksTheLowerIndex) {
    click("LblRefairePoints");
    mark({{100, 100}, {110, 104}, {300, 60}, {400, 200}});
    click("LblStopMarquage");
    drag({106, 103}, {150, 150});
    EXPECT_EQ(point(0), QPoint(150, 150));
    EXPECT_EQ(point(1), QPoint(110, 104)) << "with one part no tangent is aligned";
}

TEST_F(EditorTest, NoAlignmentTurnsMarksIntoPlainCodes) {
    ASSERT_TRUE(controls().userSetItemIndex("RdgActionsTangentes", 1));
    EXPECT_EQ(states(), (std::vector<int>{3, 1, 2, 0, 1, 2, 4}));
    EXPECT_EQ(point(4), QPoint(500, 340));
    drag({400, 200}, {410, 195});
    EXPECT_EQ(point(2), QPoint(300, 60));
    EXPECT_EQ(point(4), QPoint(500, 340));
}

TEST_F(EditorTest, BreakAndAlignWhereTheUserClicks) {
    ASSERT_TRUE(controls().userSetItemIndex("RdgActionsTangentes", 3));
    drag({400, 200}, {400, 200});
    EXPECT_EQ(states(), (std::vector<int>{13, 11, 2, 0, 1, 12, 14}));
    drag({500, 340}, {520, 300});
    EXPECT_EQ(point(2), QPoint(300, 60)) << "a broken tangent leaves the other handle";

    ASSERT_TRUE(controls().userSetItemIndex("RdgActionsTangentes", 4));
    drag({400, 200}, {400, 200});
    EXPECT_EQ(states(), (std::vector<int>{13, 11, 12, 10, 11, 12, 14}));
    EXPECT_EQ(point(4), QPoint(500, 340)) << "aligning at an anchor mirrors the handle after it";
}

// On a closed curve the first handle and the last part's second handle meet
// at the shared end: dragging one mirrors the other through it, and aligning
// at the first point mirrors the first handle.
TEST_F(EditorTest, ClosedCurveMirrorsTheHandlesAcrossItsEnds) {
    ASSERT_TRUE(controls().userSetChecked("ChBxFermerCourbe", true));
    ASSERT_EQ(point(6), QPoint(100, 100));
    drag({200, 60}, {220, 40});
    EXPECT_EQ(point(1), QPoint(220, 40));
    EXPECT_EQ(point(5), QPoint(-20, 160));
    drag({-20, 160}, {0, 180});
    EXPECT_EQ(point(5), QPoint(0, 180));
    EXPECT_EQ(point(1), QPoint(200, 20));

    ASSERT_TRUE(controls().userSetItemIndex("RdgActionsTangentes", 1));
    drag({200, 20}, {260, 20}); // not aligned now: the other side stays
    EXPECT_EQ(point(5), QPoint(0, 180));
    ASSERT_TRUE(controls().userSetItemIndex("RdgActionsTangentes", 4));
    drag({100, 100}, {100, 100});
    EXPECT_EQ(states(), (std::vector<int>{13, 11, 2, 0, 1, 12, 14}));
    EXPECT_EQ(point(1), QPoint(200, 20));
}

TEST_F(EditorTest, PointsDraggedFarAwayAreBroughtBack) {
    ASSERT_TRUE(controls().userSetItemIndex("RdgActionsTangentes", 1));
    drag({100, 100}, {-30, 900});
    EXPECT_EQ(point(0), QPoint(-30, 900));
    drag({700, 200}, {5000000, -5000000}); // far beyond any screen
    click("LblRetourPoints");
    EXPECT_EQ(point(0), QPoint(4, 716));
    EXPECT_EQ(point(6), QPoint(1276, 4));
    EXPECT_EQ(point(1), QPoint(200, 60));
}

TEST_F(EditorTest, BringingBackAnAlignedAnchorCarriesItsHandles) {
    drag({400, 200}, {1300, 200});
    EXPECT_EQ(point(4), QPoint(1400, 340));
    click("LblRetourPoints");
    EXPECT_EQ(point(3), QPoint(1276, 200));
    EXPECT_EQ(point(2), QPoint(1176, 60));
    EXPECT_EQ(point(4), QPoint(1376, 340)) << "aligned handles move only with their anchor";
}

TEST_F(EditorTest, MarkingAndTheTimeStepBlockDragging) {
    click("LblEtapeAvant");
    ASSERT_EQ(doc().workflow.currentStep, Step::Marking);
    mouse(MouseAction::Move, 400, 200, false);
    mouse(MouseAction::Down, 400, 200);
    mouse(MouseAction::Move, 450, 250);
    EXPECT_FALSE(doc().editor.dragging);
    EXPECT_EQ(point(3), QPoint(400, 200));
    mouse(MouseAction::Up, 450, 250);
    mouse(MouseAction::Click, 450, 250);
    EXPECT_EQ(doc().curve.controlPointCount, 8) << "the click marked a point instead";

    click("LblStopMarquage");
    click("LblOKcourbe");
    ASSERT_EQ(doc().workflow.currentStep, Step::Times);
    drag({400, 200}, {450, 250});
    EXPECT_EQ(point(3), QPoint(400, 200));
}

} // namespace

// The keyboard moves the point pressed last as a drag there would, and a run
// of keys is one undo step; Shift keeps a drag straight.
TEST_F(EditorTest, ArrowsMoveThePressedPointAndShiftKeepsADragStraight) {
    const auto key = [this](const char* keys) { ASSERT_TRUE(controls().userKey("ImgDessin", keys)); };
    key("Right"); // no point pressed yet
    EXPECT_EQ(point(3), QPoint(400, 200));
    clickAt(400, 200);
    const CurveGeometry before = doc().curve;
    for (const char* k : {"Right", "Right", "Shift+Down", "Left"})
        key(k);
    mouse(MouseAction::Move, 20, 20, false); // a move between keys keeps the run
    key("Up");
    const CurveGeometry byKeys = doc().curve;
    EXPECT_EQ(point(3), QPoint(401, 209));
    EXPECT_EQ(point(4), QPoint(501, 349)) << "the aligned handles follow";
    ASSERT_TRUE(session.history().undo());
    EXPECT_EQ(doc().curve, before) << "one step for the whole run";
    drag({400, 200}, {401, 209});
    EXPECT_EQ(doc().curve, byKeys) << "the keys move as a drag moves";

    ASSERT_TRUE(session.history().undo());
    const auto straight = [this](QPoint to) {
        mouse(MouseAction::Move, 400, 200, false);
        mouse(MouseAction::Down, 400, 200);
        controls().userMouse("ImgDessin", MouseEvent{MouseAction::Move, to.x(), to.y(), true, true});
        mouse(MouseAction::Up, to.x(), to.y());
        const QPoint moved = point(3);
        session.history().undo();
        return moved;
    };
    EXPECT_EQ(straight({450, 215}), QPoint(450, 200));
    EXPECT_EQ(straight({390, 260}), QPoint(400, 260));
    EXPECT_EQ(straight({440, 236}), QPoint(438, 238));
    EXPECT_EQ(straight({360, 160}), QPoint(360, 160));
}

// Seeded curves of every look over the grid (1 to 16 parts, points past the
// edges too, aligned or not, closed or not, a frame or none, parts
// highlighted), dragged by random points in random steps. After every move the
// work area is the picture a full redraw gives with the handle lines over it,
// and the canvas names an area holding every pixel that changed.
class DragRedrawTest : public CurveSession {
  protected:
    static QRect changedArea(const QImage& a, const QImage& b) {
        QRect area;
        for (int y = 0; y < a.height(); ++y) {
            const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            if (std::equal(p, p + a.width(), q)) continue;
            const int left = int(std::mismatch(p, p + a.width(), q).first - p);
            const int right =
                a.width() - 1 -
                int(std::mismatch(std::reverse_iterator(p + a.width()), std::reverse_iterator(p),
                                  std::reverse_iterator(q + a.width()))
                        .first -
                    std::reverse_iterator(p + a.width()));
            area |= QRect(QPoint(left, y), QPoint(right, y));
        }
        return area;
    }
    std::mt19937 random{11};
    int pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    void randomCurve() {
        CurveDocument& d = doc();
        CurveGeometry& curve = d.curve;
        const int parts = 1 + pick(16), n = 3 * parts + 1;
        curve.controlPointCount = n;
        curve.partCount = parts;
        for (int i = 0; i < n; ++i) {
            curve.controlPoints[i] = QPoint(pick(1400) - 60, pick(840) - 60);
            const int plain = i == 0 ? FirstPoint : i == n - 1 ? LastPoint : i % 3;
            curve.pointStates[i] = plain + (pick(3) > 0 ? alignedCode : 0);
            if (i < parts) curve.partSampleCounts[i] = 1 + pick(60);
            if (i < parts) curve.partSelected[i] = pick(3) == 0;
        }
        curve.allPartsSelected = pick(4) == 0;
        curve.closedCurve = pick(3) == 0;
        if (curve.closedCurve) curve.controlPoints[n - 1] = curve.controlPoints[0];
        d.workflow.curveExists = true;
        d.workflow.currentStep = Step::Shaping;
        d.workflow.markingActive = false;
        d.display.showMarks = pick(4) > 0;
        d.display.highlightSelected = pick(2) == 0;
        d.display.tangentDisplay = static_cast<TangentsShown>(pick(3));
        d.frame.framePresent = pick(2) == 0;
        const int left = pick(900), top = pick(500);
        d.frame.frameRect = {left, top, left + 12 + pick(400), top + 12 + pick(300)};
        controls().setItemIndex("RdgModeAff", pick(4)); // draws the curve
        session.curveView().sampleCurve();
        session.curveView().redrawCurve();
    }
};

TEST_F(DragRedrawTest, EveryMoveGivesThePictureOfAFullRedraw) {
    Editor& editor = session.editor();
    for (int round = 0; round < 30; ++round) {
        randomCurve();
        for (int drag = 0; drag < 4; ++drag) {
            const QPoint from = point(pick(doc().curve.controlPointCount));
            editor.mouseMove(from.x(), from.y());
            editor.beginDrag(from.x(), from.y());
            QPoint at = from;
            for (int move = 0; move < 6; ++move) {
                const int step = pick(4) == 0 ? 400 : 40;
                at += QPoint(pick(2 * step + 1) - step, pick(2 * step + 1) - step);
                const QImage prior = session.workPicture().copy();
                session.canvas().takeDrawnArea();
                editor.mouseMove(at.x(), at.y(), pick(5) == 0);
                const QImage moved = session.workPicture().copy();
                // The window repaints what the canvas says it drew.
                const QRect changed = changedArea(prior, moved);
                ASSERT_TRUE(changed.isEmpty() || session.canvas().takeDrawnArea().contains(changed));
                session.curveView().redrawCurve();
                editor.drawDragTangents(doc().editor.dragIndex);
                ASSERT_EQ(moved, session.workPicture())
                    << "round " << round << ", drag " << drag << ", move " << move << ", look "
                    << static_cast<int>(doc().display.displayMode);
            }
            editor.endDrag();
        }
    }
}
