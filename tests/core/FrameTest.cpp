#include "core/CurveSession.h"
#include "core/CurveView.h"
#include "core/KeypointPosition.h"
#include "core/Messages.h"

using namespace trajecta;

namespace {

// Step 3 with a two-part curve well inside the area, and the frame tool chosen.
class FrameTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        create();
        mark({{600, 500}, {700, 450}, {800, 450}, {900, 500}, {1000, 550}, {1100, 550}, {1200, 500}});
        click("LblStopMarquage");
        click("LblCadre");
        ASSERT_TRUE(doc().frame.frameDrawing);
    }
    FrameRect rect() { return doc().frame.frameRect; }
    CursorShape cursor() { return controls().get("ImgDessin").cursor; }
    // The picture as a fresh redraw of the current document shows it.
    QImage redrawn() {
        session.curveView().redrawCurve();
        return session.workPicture().copy();
    }
    void placeStandardFrame() { drag({100, 100}, {777, 280}); }
};

TEST_F(FrameTest, TheHeightDecidesAndTheWidthFollowsTheFormat) {
    EXPECT_EQ(controls().text("LbInfos"), stepMessage(StepMessage::PlaceFrame).fr);
    EXPECT_FALSE(controls().showing("LblCadre"));
    placeStandardFrame();
    EXPECT_TRUE(doc().frame.framePresent);
    EXPECT_TRUE(rect() == (FrameRect{100, 100, 420, 280}));
    EXPECT_TRUE(doc().frame.frameAdjusting);
    EXPECT_FALSE(doc().frame.frameDrawing);
    EXPECT_TRUE(controls().showing("RdgCadreOuPoints"));
    EXPECT_EQ(controls().itemIndex("RdgCadreOuPoints"), 0);
    EXPECT_TRUE(controls().showing("LblEffacerCadre"));
    // The release takes the frame as the coordinate reference.
    mouse(MouseAction::Move, 420, 100, false);
    EXPECT_EQ(controls().text("LblCoordSouris"), "X=160  Y=-90");
    EXPECT_EQ(controls().text("LblCoordPourCent"), "X=100,00%  Y=-100,00%");

    click("LblOKcourbe");
    EXPECT_TRUE(doc().lists.LbxCollecter.contains("cadre : 100,100,420,280,"));
}

TEST_F(FrameTest, ATinyDragGivesNoFrameAndLeavesNoTrace) {
    const QImage before = session.workPicture().copy();
    drag({100, 100}, {300, 109});
    EXPECT_FALSE(doc().frame.framePresent);
    EXPECT_TRUE(doc().frame.frameDrawing) << "the user can draw again";
    EXPECT_EQ(session.workPicture(), before);
    placeStandardFrame();
    EXPECT_TRUE(doc().frame.framePresent);
}

TEST_F(FrameTest, AnUpwardDragIsPutInOrderAndKeptInsideTheArea) {
    drag({300, 300}, {300, 120});
    // x = 300 − 320 would leave the area: the left edge stops at 0 and the
    // height follows, 300 / 1.7777778 rounded.
    EXPECT_TRUE(rect() == (FrameRect{0, 131, 300, 300}));
    drag({-500, 5000}, {-500, 5000}); // a press and release far outside change nothing
    EXPECT_TRUE(rect() == (FrameRect{0, 131, 300, 300}));
}

TEST_F(FrameTest, MovingStopsAtTheEdgesWithTheSizeKept) {
    placeStandardFrame();
    mouse(MouseAction::Move, 200, 200, false);
    EXPECT_EQ(cursor(), CursorShape::SizeAll);
    drag({200, 200}, {50, 210});
    EXPECT_TRUE(rect() == (FrameRect{0, 110, 320, 290}));
    drag({100, 200}, {2000, 900});
    EXPECT_TRUE(rect() == (FrameRect{960, 540, 1280, 720}));
    EXPECT_TRUE(doc().workflow.positionsStale);
}

TEST_F(FrameTest, CornersResizeWithTheFormat) {
    placeStandardFrame();
    const struct {
        QPoint at;
        CursorShape shape;
    } hovers[] = {{{103, 104}, CursorShape::SizeFDiag}, {{417, 96}, CursorShape::SizeBDiag},
                  {{93, 286}, CursorShape::SizeBDiag},  {{427, 273}, CursorShape::SizeFDiag},
                  {{428, 280}, CursorShape::Arrow},     {{300, 50}, CursorShape::Arrow}};
    for (const auto& h : hovers) {
        mouse(MouseAction::Move, h.at.x(), h.at.y(), false);
        EXPECT_EQ(cursor(), h.shape) << h.at.x() << "," << h.at.y();
    }
    drag({419, 279}, {0, 316});
    EXPECT_TRUE(rect() == (FrameRect{100, 100, 484, 316}));
    drag({101, 101}, {0, 0}); // top-left corner to the top: the left edge would pass 0
    EXPECT_TRUE(rect() == (FrameRect{0, 44, 484, 316}));
    // A corner dragged onto its opposite edge would leave a frame no file keeps.
    const QImage before = redrawn();
    drag({484, 316}, {484, 49});
    EXPECT_TRUE(rect() == (FrameRect{0, 44, 484, 316}));
    EXPECT_EQ(session.workPicture(), before);
}

// Each corner keeps the format; a side that would leave the area stops at its
// border and the height follows it. A move stops at the top edge too.
TEST_F(FrameTest, CornersStopAtTheBordersAndMovesAtTheTop) {
    placeStandardFrame();
    drag({200, 200}, {1000, 200});
    ASSERT_TRUE(rect() == (FrameRect{900, 100, 1220, 280}));
    drag({1220, 100}, {1220, 0}); // top-right corner up: the right edge would pass 1280
    EXPECT_TRUE(rect() == (FrameRect{900, 66, 1280, 280}));

    drag({1000, 200}, {200, 200});
    ASSERT_TRUE(rect() == (FrameRect{100, 66, 480, 280}));
    drag({100, 280}, {100, 400}); // bottom-left corner down: the left edge would pass 0
    EXPECT_TRUE(rect() == (FrameRect{0, 66, 480, 336}));

    drag({200, 200}, {210, 50}); // moved up past the top: the size is kept
    EXPECT_TRUE(rect() == (FrameRect{10, 0, 490, 270}));
}

TEST_F(FrameTest, ErasingLeavesNoTraceAndRestoresTheCentre) {
    placeStandardFrame();
    drag({200, 200}, {300, 250});
    drag({419, 279}, {0, 300});
    click("LblEffacerCadre");
    EXPECT_FALSE(doc().frame.framePresent);
    EXPECT_FALSE(doc().frame.frameAdjusting);
    EXPECT_TRUE(controls().showing("LblCadre"));
    EXPECT_FALSE(controls().showing("RdgCadreOuPoints"));
    EXPECT_EQ(doc().editor.workOrigin, QPoint(640, 360));
    EXPECT_EQ(controls().text("LbInfos"), stepMessage(StepMessage::ShapeCurve).fr);
    const QImage now = session.workPicture().copy();
    EXPECT_EQ(now, redrawn());
}

TEST_F(FrameTest, PointsAndFrameTakeTurns) {
    placeStandardFrame();
    ASSERT_TRUE(controls().userSetItemIndex("RdgCadreOuPoints", 1));
    EXPECT_FALSE(doc().frame.frameAdjusting);
    EXPECT_TRUE(controls().showing("RdgActionsTangentes"));
    drag({900, 500}, {910, 510});
    EXPECT_EQ(point(3), QPoint(910, 510));
    EXPECT_TRUE(rect() == (FrameRect{100, 100, 420, 280}));

    ASSERT_TRUE(controls().userSetItemIndex("RdgCadreOuPoints", 0));
    EXPECT_TRUE(doc().frame.frameAdjusting);
    drag({200, 200}, {210, 200});
    EXPECT_TRUE(rect() == (FrameRect{110, 100, 430, 280}));
    EXPECT_EQ(point(3), QPoint(910, 510));
    // The frame shown is exactly the frame of the document.
    const QImage now = session.workPicture().copy();
    EXPECT_EQ(now, redrawn());
}

// The frame is drawn with a dashed inverting pen; points marked after going
// back to step 2 are still red discs outlined like the curve's last mark.
TEST_F(FrameTest, PointsMarkedAfterAFrameAreSolid) {
    constexpr std::uint32_t red = 0x0000FF;
    constexpr std::uint32_t blue = 0xFF0000;
    placeStandardFrame();
    click("LblEtapeAvant");
    ASSERT_EQ(doc().workflow.currentStep, Step::Marking);
    clickAt(800, 650);
    ASSERT_EQ(doc().curve.controlPointCount, 8);
    EXPECT_EQ(at(800, 650), red);
    EXPECT_EQ(at(802, 651), red);
    EXPECT_EQ(at(795, 650), blue);
    clickAt(900, 650);
    EXPECT_EQ(at(900, 650), red);
}

TEST(KeypointPosition, PercentOfTheHalfFrameFromItsCentre) {
    CurveDocument doc;
    doc.workflow.workWidth = 1280;
    doc.workflow.workHeight = 720;
    auto at = [&](int x, int y) { return keypointPosition(doc, x, y); };
    EXPECT_EQ(at(0, 0), std::make_pair(-100.0, -100.0));
    EXPECT_EQ(at(640, 360), std::make_pair(0.0, 0.0));
    EXPECT_EQ(at(1280, 720), std::make_pair(100.0, 100.0));

    doc.frame.framePresent = true;
    doc.frame.frameRect = {100, 100, 500, 300};
    EXPECT_EQ(at(100, 100), std::make_pair(-100.0, -100.0));
    EXPECT_EQ(at(300, 200), std::make_pair(0.0, 0.0));
    EXPECT_EQ(at(700, 0), std::make_pair(200.0, -200.0));
    // An odd width puts the centre on the pixel left of the middle.
    doc.frame.frameRect = {0, 0, 321, 181};
    EXPECT_EQ(at(160, 90).first, 0.0);
    EXPECT_DOUBLE_EQ(at(321, 181).first, 161 * (100 / 160.5));

    doc.frame.frameRect = {10, 10, 10, 10}; // a degenerate frame gives no infinities
    EXPECT_EQ(at(50, 50), std::make_pair(0.0, 0.0));
}

} // namespace
