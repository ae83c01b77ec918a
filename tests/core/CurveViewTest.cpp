#include "app/Session.h"
#include "core/Bezier.h"
#include "core/Messages.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

using namespace trajecta;

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t red = 0x0000FF;
constexpr std::uint32_t blue = 0xFF0000;
constexpr std::uint32_t green = 0x008000;
constexpr std::uint32_t black = 0x000000;

// A session with a white 200 × 160 work area and a curve placed directly in the
// document, as if it had been marked.
class CurveViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CurveDocument& doc = session.document();
        doc.pictures.grid = QImage(200, 160, QImage::Format_RGB32);
        doc.pictures.grid.fill(Qt::white);
        doc.pictures.work = doc.pictures.grid.copy();
        doc.workflow.workWidth = 200;
        doc.workflow.workHeight = 160;
        doc.display.showMarks = false;
    }

    void setCurve(std::initializer_list<QPoint> points, std::initializer_list<int> states = {}) {
        CurveGeometry& curve = doc().curve;
        curve.controlPointCount = static_cast<int>(points.size());
        std::copy(points.begin(), points.end(), curve.controlPoints.begin());
        std::copy(states.begin(), states.end(), curve.pointStates.begin());
        curve.partCount = completeParts(curve.controlPointCount);
        for (int p = 0; p < curve.partCount; ++p)
            curve.partSampleCounts[p] = 20;
        doc().workflow.curveExists = true;
        view().sampleCurve();
    }

    CurveDocument& doc() { return session.document(); }
    CurveView& view() { return session.curveView(); }
    Controls& controls() { return session.controls(); }
    std::uint32_t at(int x, int y) { return bgrAt(session.workPicture(), x, y); }
    // A user click on a label, with the panels around it shown as in step 3.
    void press(const QString& name) {
        for (QString n = name; !n.isEmpty(); n = controls().get(n).parent)
            controls().show(n);
        ASSERT_TRUE(controls().userClick(name));
    }

    FakeServices fakes;
    Session session{fakes.services()};
};

TEST_F(CurveViewTest, MarksHaveTheirShapeColourAndSize) {
    setCurve({QPoint(20, 20), QPoint(60, 20), QPoint(100, 20), QPoint(140, 20)}, {3, 1, 12, 4});
    doc().display.showMarks = true;
    doc().display.displayMode = CurveLook::Path;
    doc().curve.pointStates[3] = 14;
    view().redrawCurve();

    // First point: square of radius 4, blue outline from x−4 to x+3, red inside.
    EXPECT_EQ(at(16, 20), blue);
    EXPECT_EQ(at(23, 20), blue);
    EXPECT_EQ(at(20, 16), blue);
    EXPECT_EQ(at(20, 23), blue);
    EXPECT_EQ(at(21, 21), red);
    EXPECT_EQ(at(24, 24), white);
    EXPECT_EQ(at(15, 15), white);
    // First handle: blue square of radius 3.
    EXPECT_EQ(at(57, 17), blue);
    EXPECT_EQ(at(62, 22), blue);
    EXPECT_EQ(at(63, 23), white);
    EXPECT_EQ(at(56, 16), white);
    // Aligned second handle: green circle of radius 4.
    EXPECT_EQ(at(100, 20), green);
    EXPECT_EQ(at(96, 16), white);
    // Aligned last point: circle of radius 5, blue rim, red inside, corners clear.
    EXPECT_EQ(at(140, 20), red);
    EXPECT_EQ(at(135, 20), blue);
    EXPECT_EQ(at(135, 15), white);
    EXPECT_EQ(at(140, 26), white);

    // Closing puts the last point on the first: both ends get the white mark.
    controls().setChecked("ChBxFermerCourbe", true);
    EXPECT_EQ(doc().curve.controlPoints[3], QPoint(20, 20));
    EXPECT_EQ(at(20, 20), white);
    EXPECT_EQ(at(140, 20), white);
    // The last point's circle comes last: its red rim, two pixels wide, lies
    // on the outermost rings of its box on every side.
    for (int d : {-5, -4, 3, 4}) {
        EXPECT_EQ(at(20 + d, 20), red) << d;
        EXPECT_EQ(at(20, 20 + d), red) << d;
    }
    EXPECT_EQ(at(17, 20), white);
    EXPECT_EQ(at(22, 20), white);
}

TEST_F(CurveViewTest, UncheckingTheClosingBoxMovesTheLastPointOffTheFirst) {
    setCurve({QPoint(20, 20), QPoint(20, 120), QPoint(150, 120), QPoint(150, 20)});
    controls().setChecked("ChBxFermerCourbe", true);
    EXPECT_TRUE(doc().curve.closedCurve);
    EXPECT_EQ(doc().curve.controlPoints[3], QPoint(20, 20));
    EXPECT_EQ(doc().curve.samplePoints[20].x, 20);
    controls().setChecked("ChBxFermerCourbe", false);
    EXPECT_FALSE(doc().curve.closedCurve);
    EXPECT_EQ(doc().curve.controlPoints[3], QPoint(15, 15));
    EXPECT_EQ(doc().curve.samplePoints[20].x, 15);
}

TEST_F(CurveViewTest, ClosingAlignsAgainAndRebuildsOnlyMatchingObjectText) {
    setCurve({QPoint(20, 20), QPoint(20, 60), QPoint(60, 80), QPoint(100, 80), QPoint(120, 80),
              QPoint(150, 60), QPoint(150, 30)});
    doc().editor.alignAllActive = true;
    doc().workflow.objectTextBuilt = true;
    doc().workflow.timesValid = true;
    doc().workflow.savedSampleCount = 41;
    controls().setChecked("ChBxFermerCourbe", true);
    EXPECT_EQ(doc().curve.controlPoints[6], QPoint(20, 20));
    // The first handle of part 2 mirrors the second handle of part 1 through their anchor.
    EXPECT_EQ(doc().curve.controlPoints[4], QPoint(140, 80));
    EXPECT_GE(doc().curve.pointStates[0], alignedCode);
    ASSERT_EQ(doc().lists.LbxListeKP.size(), 41 * 13) << "the list is written for the curve";
    const QString closedEnd = doc().lists.LbxListeKP[40 * 13 + 7];

    doc().workflow.savedSampleCount = 61;
    controls().setChecked("ChBxFermerCourbe", false);
    EXPECT_EQ(doc().lists.LbxListeKP[40 * 13 + 7], closedEnd) << "a list for another count is left alone";
}

TEST_F(CurveViewTest, MovingTheSliderSwitchesLinesToDotsAndCountsOnlySelectedParts) {
    setCurve({QPoint(10, 10), QPoint(10, 50), QPoint(50, 50), QPoint(50, 10), QPoint(50, 0), QPoint(90, 0),
              QPoint(90, 40)});
    controls().setItemIndex("RdgModeAff", 1);
    controls().setChecked("ChBx2", true);
    EXPECT_EQ(doc().curve.partSampleCounts[1], 20);
    EXPECT_FALSE(doc().curve.allPartsSelected);

    controls().setPosition("TbrQPoints", 35);
    EXPECT_EQ(controls().itemIndex("RdgModeAff"), 0);
    EXPECT_EQ(doc().display.displayMode, CurveLook::Dots);
    EXPECT_EQ(doc().curve.partSampleCounts[0], 20);
    EXPECT_EQ(doc().curve.partSampleCounts[1], 35);
    EXPECT_EQ(doc().curve.sampleCount, 56);
    EXPECT_EQ(controls().text("LblTotalPts"), "56");
    EXPECT_EQ(controls().text("LBlQpCourbe"), "35");
    EXPECT_EQ(doc().curve.samplePoints[55].y, 40);

    // "Tout" selects every part; a box ticked takes the slider's count at once.
    press("LblTout");
    EXPECT_TRUE(doc().curve.allPartsSelected);
    EXPECT_EQ(doc().curve.sampleCount, 71);
    controls().setPosition("TbrQPoints", 12);
    EXPECT_EQ(doc().curve.sampleCount, 25);
    press("LblRien");
    EXPECT_FALSE(doc().curve.allPartsSelected);
    EXPECT_FALSE(controls().checked("ChBx1"));
}

TEST_F(CurveViewTest, DotsAreRedOnlyForSelectedPartsWhileNotAllAreSelected) {
    // Two flat parts along y = 40 and y = 100, sampled every 5 pixels.
    setCurve({QPoint(0, 40), QPoint(30, 40), QPoint(70, 40), QPoint(100, 40), QPoint(100, 70),
              QPoint(100, 90), QPoint(100, 100)});
    controls().setItemIndex("RdgModeAff", 0);
    controls().setChecked("ChBx1", true);
    view().redrawCurve();
    EXPECT_EQ(at(100, 40), red);
    EXPECT_EQ(at(101, 40), red);
    EXPECT_EQ(at(100, 100), black);
    EXPECT_EQ(at(102, 100), white);

    controls().setChecked("ChBx2", true);
    view().redrawCurve();
    EXPECT_EQ(at(100, 40), black);

    controls().setItemIndex("RdgModeAff", 3);
    EXPECT_EQ(at(102, 100), black); // big dots reach two pixels out
}

// Ticking a part, "Tout" and "Rien" change the counts and the highlight: the
// picture shows them at once, as a fresh redraw would.
TEST_F(CurveViewTest, PartBoxesRedrawTheDots) {
    setCurve({QPoint(0, 40), QPoint(30, 40), QPoint(70, 40), QPoint(100, 40), QPoint(100, 70),
              QPoint(100, 90), QPoint(100, 100)});
    controls().setItemIndex("RdgModeAff", 0);
    controls().setPosition("TbrQPoints", 35);
    const auto redrawn = [&] {
        const QImage shown = session.workPicture().copy();
        view().redrawCurve();
        return shown == session.workPicture();
    };
    controls().setChecked("ChBx1", true);
    EXPECT_EQ(doc().curve.partSampleCounts[0], 35);
    EXPECT_EQ(at(100, 40), red);
    EXPECT_TRUE(redrawn());
    press("LblTout");
    EXPECT_EQ(at(100, 40), black);
    EXPECT_TRUE(redrawn());
    press("LblRien");
    EXPECT_TRUE(redrawn());
}

TEST_F(CurveViewTest, CoincidentSamplesAreCountedAsDuplicates) {
    setCurve({QPoint(50, 50), QPoint(50, 50), QPoint(50, 50), QPoint(50, 50), QPoint(50, 80), QPoint(90, 80),
              QPoint(90, 50)});
    controls().setItemIndex("RdgModeAff", 2);
    EXPECT_EQ(doc().display.displayMode, CurveLook::PartSegments);
    EXPECT_EQ(doc().curve.duplicateCount, 20);
    EXPECT_EQ(controls().text("LblPointsDoubles"), "20");
    EXPECT_TRUE(fakes.log.isEmpty());
}

TEST_F(CurveViewTest, IncompletePartIsReportedAndLeftOut) {
    setCurve({QPoint(10, 10), QPoint(10, 50), QPoint(50, 50), QPoint(50, 10), QPoint(150, 150)});
    controls().setItemIndex("RdgModeAff", 2);
    ASSERT_EQ(fakes.log.size(), 1);
    EXPECT_TRUE(fakes.log[0].contains(Messages::incorrectPointCount));
    EXPECT_EQ(at(50, 10), black);
    EXPECT_EQ(at(100, 80), white); // no line towards the fifth point
}

TEST_F(CurveViewTest, BackgroundFollowsTheChosenPictureAndFallsBackToTheGrid) {
    setCurve({QPoint(10, 10), QPoint(10, 50), QPoint(50, 50), QPoint(50, 10)});
    doc().pictures.plain = QImage(200, 160, QImage::Format_RGB32);
    doc().pictures.plain.fill(colourFromBgr(0xE6FFFE));
    controls().setItemIndex("RdgFond", 1);
    view().redrawCurve();
    EXPECT_EQ(at(180, 150), 0xE6FFFEu);
    controls().setItemIndex("RdgFond", 2); // no photo loaded
    view().redrawCurve();
    EXPECT_EQ(at(180, 150), white);
}

TEST_F(CurveViewTest, FrameIsDrawnWithTheInvertingLimePen) {
    setCurve({QPoint(10, 10), QPoint(10, 50), QPoint(50, 50), QPoint(50, 10)});
    doc().frame.framePresent = true;
    doc().frame.frameRect = {100, 60, 180, 140};
    view().redrawCurve();
    EXPECT_EQ(at(100, 60), 0xFF00FFu); // white XOR lime
    EXPECT_EQ(at(140, 100), white);
    EXPECT_EQ(at(181, 141), white);
}

TEST_F(CurveViewTest, TangentsOfKeypointsAtAJunctionAndTheirSegments) {
    // Part 1 ends going right; part 2 leaves its start going down.
    setCurve({QPoint(10, 80), QPoint(10, 40), QPoint(60, 40), QPoint(100, 40), QPoint(100, 80),
              QPoint(140, 120), QPoint(180, 120)});
    doc().parameters.tangentShown = true;
    doc().range.shownKeypoint = 20;

    view().redrawCurve();
    const QImage before = session.workPicture().copy();
    EXPECT_DOUBLE_EQ(view().keypointTangentAngle(20), 0.0);
    EXPECT_EQ(controls().text("LblAngletangente"), QStringLiteral("0.0°/270.0°"));
    EXPECT_NE(session.workPicture(), before);
    // The junction line follows the traces of both directions.
    const QStringList expectedTrace = {QStringLiteral("Somme, IndPt = 0 20"),
                                       QStringLiteral("NB, curpt, IndicePoint, tt : 6 0 20 1"),
                                       QStringLiteral("NB, curpt, IndicePoint, tt : 6 3 20 0"),
                                       QStringLiteral("PtDepBB, BBEtat[PtDepBB] = 0 0")};
    EXPECT_EQ(doc().lists.LbxPointsCourbe.mid(doc().lists.LbxPointsCourbe.size() - 4), expectedTrace);

    // Both yellow segments vanish when removed.
    view().removeTangentSegments();
    EXPECT_EQ(session.workPicture(), before);

    view().keypointTangentAngle(10);
    EXPECT_FALSE(controls().text("LblAngletangente").contains('/'));
    EXPECT_TRUE(doc().lists.LbxPointsCourbe.contains(QStringLiteral("Somme, IndPt = 0 10")));
    EXPECT_TRUE(
        doc().lists.LbxPointsCourbe.contains(QStringLiteral("NB, curpt, IndicePoint, tt : 6 0 20 0.5")));

    // Out of range: no angle, no segment.
    doc().parameters.tangentShown = false;
    EXPECT_EQ(view().traceTangentAt(doc().curve.controlPoints.data(), 7, 3, 1.5f), 0.0f);
    EXPECT_EQ(view().traceTangentAt(doc().curve.controlPoints.data(), 7, 6, 0.5f), 0.0f);
    EXPECT_EQ(view().traceTangentAt(doc().curve.controlPoints.data(), 7, 2, 0.5f), 0.0f);
}

TEST_F(CurveViewTest, ClosedCurveShowsTheOtherEndsDirectionAtBothEnds) {
    setCurve({QPoint(40, 40), QPoint(40, 100), QPoint(160, 100), QPoint(160, 40)});
    doc().curve.closedCurve = true;
    view().keypointTangentAngle(0);
    EXPECT_EQ(controls().text("LblAngletangente"), QStringLiteral("270.0°/90.0°"));
    view().keypointTangentAngle(20);
    EXPECT_EQ(controls().text("LblAngletangente"), QStringLiteral("90.0°/270.0°"));
}

TEST_F(CurveViewTest, KeypointCrossDrawnTwiceVanishes) {
    setCurve({QPoint(10, 10), QPoint(10, 50), QPoint(50, 50), QPoint(50, 10)});
    view().redrawCurve();
    const QImage before = session.workPicture().copy();
    view().markKeypoint(20, -1);
    // Green NOT-XOR white gives green's complement... of white XOR: NOT(white ^ green) = green.
    EXPECT_EQ(at(50, 0), green);
    EXPECT_EQ(at(41, 10), green);
    view().markKeypoint(20, -1);
    EXPECT_EQ(session.workPicture(), before);
}

} // namespace
