#include "core/CurveSession.h"
#include "support/ScriptHarness.h"

[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace trajecta {
namespace {

// The preview over a real session: a straight part from (100, 300) to
// (700, 300) sampled into 21 keypoints 30 px apart, the first at 500 ms and
// the others 261 ms apart (5720 ms in all), in the time step.
class PreviewTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        ASSERT_NO_FATAL_FAILURE(finishStraightCurve());
    }

    Preview& preview() { return session.preview(); }
    void slide(const QString& name, int position) {
        ASSERT_TRUE(controls().userSetPosition(name, position)) << name.toStdString();
    }
    void type(const QString& name, const QString& text) {
        ASSERT_TRUE(controls().userType(name, text)) << name.toStdString();
    }
    // Where the object's keypoint position stands on the work area at time t.
    QPointF pivotAt(int t) {
        slide("TbLecture", t);
        return QPointF(preview().state().pivotX, preview().state().pivotY);
    }
    void expectAt(int t, QPointF where) {
        const QPointF at = pivotAt(t);
        EXPECT_NEAR(at.x(), where.x(), 1e-3) << "at " << t << " ms";
        EXPECT_NEAR(at.y(), where.y(), 1e-3) << "at " << t << " ms";
    }
    QString text(const QString& name) { return controls().text(name); }
};

TEST_F(PreviewTest, LeavesNoTraceOnTheWorkArea) {
    const QImage before = session.workPicture().copy();
    slide("TbLecture", 1500);
    EXPECT_TRUE(preview().showing());
    EXPECT_NE(session.workPicture(), before) << "the marker shows";
    EXPECT_EQ(doc().pictures.work, before) << "the work area itself is never drawn on";
    EXPECT_TRUE(mouse(MouseAction::Move, 20, 20, false));
    EXPECT_TRUE(preview().showing()) << "a mouse passing over the work area is no action";

    click("LblLecture");
    EXPECT_TRUE(preview().playing());
    click("LblLecture");
    EXPECT_FALSE(preview().showing());
    EXPECT_EQ(session.workPicture(), before);

    // Any other input ends it first; the slider shows again where it stands.
    slide("TbLecture", 3000);
    type("EdtTemps1st", "600");
    EXPECT_FALSE(preview().showing());
    EXPECT_EQ(session.workPicture(), before);
    slide("TbLecture", 3000);
    EXPECT_TRUE(preview().showing());
    EXPECT_NE(session.workPicture(), before);
}

TEST_F(PreviewTest, PlaysInRealTimeAndStopsAtTheLastKeypoint) {
    Controls& c = controls();
    EXPECT_TRUE(c.showing("LblLecture"));
    EXPECT_EQ(c.get("TbLecture").max, 5720);
    click("LblLecture");
    EXPECT_EQ(text("LblLecture"), "Pause");
    preview().tick(10000);
    EXPECT_EQ(c.position("TbLecture"), 0) << "the first tick sets the clock";
    preview().tick(10250);
    EXPECT_EQ(c.position("TbLecture"), 250);
    preview().tick(11500);
    EXPECT_EQ(text("LblTempsLecture"), "1 s 500 ms ");
    preview().tick(20000);
    EXPECT_EQ(c.position("TbLecture"), 5720);
    EXPECT_FALSE(preview().playing());
    EXPECT_TRUE(preview().showing()) << "the object stays at its last keypoint";
    EXPECT_EQ(text("LblLecture"), "Lecture");
    expectAt(5720, {700, 300});
    click("LblLecture");
    EXPECT_EQ(c.position("TbLecture"), 0) << "from the beginning again";
    EXPECT_TRUE(preview().playing());
}

TEST_F(PreviewTest, PlaysTheCommittedTimesOfThePathInForce) {
    Controls& c = controls();
    expectAt(0, {100, 300});
    expectAt(499, {100, 300});
    expectAt(500 + 261 * 10, {400, 300});
    expectAt(500 + 261 * 10 + 87, {410, 300});

    // A range typed but not recorded changes nothing that plays.
    slide("TbMontrePoint", 1);
    click("LblVarDep");
    slide("TbMontrePoint", 20);
    click("LblVarFin");
    type("EdtTempsDeb", "100");
    type("EdtTempsFin", "100");
    EXPECT_EQ(c.get("TbLecture").max, 5720);
    click("LblVarSave");
    EXPECT_EQ(c.get("TbLecture").max, 2500);
    expectAt(600, {130, 300});

    // Reversed at step 6, the object starts from the far end.
    click("LblParaFini");
    click("LblParaFini");
    ASSERT_EQ(doc().workflow.currentStep, Step::Finished);
    EXPECT_TRUE(c.showing("LblLecture"));
    click("LblExtras");
    ASSERT_TRUE(c.userSetChecked("ChbxInverserCourbe", true));
    click("LblExtrasAppliquer");
    expectAt(0, {700, 300});
    expectAt(2500, {100, 300});

    // Trimmed by five at the start and re-timed: keypoint 6 of the reversed
    // path comes first, at the old first time.
    click("LblExtras");
    ASSERT_TRUE(c.userSetChecked("ChBxSupKP", true));
    slide("TbrSupDeb", 5);
    ASSERT_TRUE(c.userSetChecked("ChBxRecalerTemps", true));
    click("LblExtrasAppliquer");
    EXPECT_EQ(c.get("TbLecture").max, 2000);
    expectAt(500, {550, 300});

    // Back at step 5 the next transfer writes the whole reversed path again.
    click("LblEtapeAvant");
    ASSERT_EQ(doc().workflow.currentStep, Step::Parameters);
    EXPECT_EQ(c.get("TbLecture").max, 2500);
    click("LblEtapeAvant");
    click("LblEtapeAvant");
    EXPECT_FALSE(c.showing("LblLecture")) << "no preview while the curve is being shaped";
}

} // namespace
} // namespace trajecta
