#include "core/CurveSession.h"
#include "core/Messages.h"

using namespace trajecta;

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t gridMajor = 0xB0E0FF;
constexpr std::uint32_t gridMinor = 0xF0F4FF;
constexpr std::uint32_t gridAxes = 0x80B0D0;
constexpr std::uint32_t red = 0x0000FF;

class WorkflowTest : public CurveSession {
  protected:
    // Two parts; the first handle of part 2 is off the mirror line, so the
    // alignment of the first stop moves it to (500, 300).
    void markTwoParts() {
        mark({{100, 200}, {200, 100}, {300, 100}, {400, 200}, {520, 310}, {600, 300}, {700, 200}});
    }
    // Times as the timing step builds them: one row per sample point.
    // Back to step 0 and a new host object loaded into a window of this size.
    void reload(int width, int height) {
        workflow().previousStep();
        ASSERT_EQ(doc().workflow.currentStep, Step::Start);
        session.setClientSize(width, height);
        workflow().createCurve();
        workflow().enterFormatStep();
    }
    // Finishes the curve and gives it times as the timing step builds them:
    // one row per sample point.
    void finishWithTimes() {
        click("LblOKcourbe");
        const int n = doc().curve.sampleCount;
        doc().timing.keypointTimes.clear();
        for (int i = 0; i < n; ++i)
            doc().timing.keypointTimes.push_back({100 + i, 100 + i});
        doc().workflow.savedSampleCount = n;
        doc().workflow.timesValid = true;
    }
};

TEST_F(WorkflowTest, StartsAtStepOneWithTheFormatControls) {
    EXPECT_EQ(doc().workflow.currentStep, Step::Format);
    EXPECT_TRUE(controls().showing("LbCreation"));
    EXPECT_TRUE(controls().showing("RdgChoixEcran"));
    EXPECT_FALSE(controls().showing("ImgDessin"));
    EXPECT_EQ(controls().text("LbInfos"), stepMessage(StepMessage::ChooseFormat).fr);
}

TEST_F(WorkflowTest, CreatingSizesTheWorkAreaAndDrawsTheGrid) {
    create();
    EXPECT_EQ(doc().workflow.currentStep, Step::Marking);
    EXPECT_EQ(doc().workflow.workWidth, 1280);
    EXPECT_EQ(doc().workflow.workHeight, 720);
    EXPECT_EQ(session.workPicture().size(), QSize(1280, 720));
    EXPECT_EQ(doc().pictures.grid.size(), QSize(1280, 720));
    EXPECT_EQ(doc().pictures.plain.size(), QSize(1280, 720));
    EXPECT_EQ(bgrAt(doc().pictures.plain, 17, 700), 0xE6FFFEu);
    EXPECT_TRUE(controls().showing("ImgDessin"));
    EXPECT_TRUE(controls().showing("LblStopMarquage"));
    EXPECT_FALSE(controls().showing("GbxAffichage")) << "the display group waits for the stop";
    EXPECT_EQ(controls().text("LbInfos"), stepMessage(StepMessage::MarkPoints).fr);

    // Centre (640, 360): a line every 5 pixels, every 25th stronger, axes last.
    EXPECT_EQ(at(640, 362), gridAxes);
    EXPECT_EQ(at(645, 362), gridMinor);
    EXPECT_EQ(at(635, 362), gridMinor);
    EXPECT_EQ(at(665, 362), gridMajor);
    EXPECT_EQ(at(615, 362), gridMajor);
    EXPECT_EQ(at(642, 362), white);
    EXPECT_EQ(at(642, 360), gridAxes);
    EXPECT_EQ(at(642, 385), gridMajor);
    EXPECT_EQ(at(665, 365), gridMinor) << "horizontal lines are drawn over vertical ones";
    EXPECT_EQ(at(640, 365), gridAxes);
    EXPECT_EQ(at(1275, 0), gridMinor); // i = 127, the last vertical line
    EXPECT_EQ(at(5, 719), gridMinor);  // cx − 5·127
    EXPECT_EQ(at(1279, 719), white);

    const QStringList expected{"Fait le 08/12/2026",   "-----", "=== Etape 1 ===", "format : 16/9",
                               "taille : /1280x720\\", "-----"};
    EXPECT_EQ(doc().lists.LbxCollecter, expected);
}

TEST_F(WorkflowTest, WorkAreaFollowsTheWindowLayout) {
    reload(1366, 768);
    create();
    EXPECT_EQ(doc().workflow.workWidth, 949); // height limited by the 234 bottom margin
    EXPECT_EQ(doc().workflow.workHeight, 534);

    click("LblEtapeAvant");
    doc().shell.singleWindowLayout = false;
    ASSERT_TRUE(controls().userSetItemIndex("RdgChoixEcran", 3));
    create();
    EXPECT_EQ(doc().workflow.workHeight, 738); // 768 − 30
    EXPECT_EQ(doc().workflow.workWidth, 984);
    EXPECT_FLOAT_EQ(doc().workflow.aspectRatio, 4.0f / 3.0f);
}

TEST_F(WorkflowTest, WindowTooSmallIsRefusedAndStepOneStays) {
    reload(1366, 200);
    ASSERT_EQ(fakes.log.size(), 1) << "the load already finds the window too small";
    create();
    ASSERT_EQ(fakes.log.size(), 2);
    EXPECT_TRUE(fakes.log[0].contains(Messages::workAreaTooSmall.fr));
    EXPECT_EQ(doc().workflow.currentStep, Step::Format);
    EXPECT_FALSE(controls().showing("ImgDessin"));
    EXPECT_FALSE(doc().workflow.stepDone[Done::WorkArea]);

    // A narrow window: 29 × 16 pixels is no work area either.
    session.setClientSize(250, 500);
    create();
    EXPECT_EQ(fakes.log.size(), 3);
    EXPECT_EQ(doc().workflow.currentStep, Step::Format);

    // An existing area survives a refused change of format.
    session.setClientSize(1501, 960);
    create();
    mark({{100, 100}, {200, 100}});
    click("LblEtapeAvant");
    session.setClientSize(260, 960);
    ASSERT_TRUE(controls().userSetItemIndex("RdgChoixEcran", 4));
    create();
    EXPECT_EQ(doc().workflow.workWidth, 1280);
    EXPECT_EQ(doc().curve.controlPointCount, 2);
    EXPECT_EQ(doc().workflow.currentStep, Step::Format);
}

TEST_F(WorkflowTest, StoppingKeepsOnlyCompleteParts) {
    struct Case {
        int marked, kept, parts, samples;
    };
    for (const Case& c : {Case{4, 4, 1, 21}, Case{5, 4, 1, 21}, Case{6, 4, 1, 21}, Case{7, 7, 2, 41}}) {
        SCOPED_TRACE(c.marked);
        create();
        markMany(c.marked);
        click("LblStopMarquage");
        EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
        EXPECT_EQ(doc().curve.controlPointCount, c.kept);
        EXPECT_EQ(doc().curve.partCount, c.parts);
        EXPECT_EQ(doc().curve.sampleCount, c.samples);
        EXPECT_EQ(controls().text("LblTotalPts"), QString::number(c.samples));
        EXPECT_TRUE(controls().showing("ChBx1"));
        EXPECT_EQ(controls().showing("ChBx2"), c.parts == 2);
        EXPECT_EQ(controls().showing("LblTout"), c.parts > 1);
        EXPECT_EQ(controls().showing("RdgActionsTangentes"), c.kept >= 5);
        EXPECT_TRUE(controls().showing("LblCadre"));
        EXPECT_EQ(controls().text("LbInfos"), stepMessage(StepMessage::ShapeCurve).fr);
        fakes.answers.push_back("Ne pas enregistrer");
        click("LblRefaireTout");
        EXPECT_EQ(doc().workflow.currentStep, Step::Start);
        workflow().createCurve();
        workflow().enterFormatStep();
    }
}

TEST_F(WorkflowTest, StoppingWithThreePointsStaysInMarking) {
    doc().shell.languageIndex = 1;
    create();
    markMany(3);
    click("LblStopMarquage");
    ASSERT_EQ(fakes.log.size(), 1);
    EXPECT_TRUE(fakes.log[0].contains(Messages::tooFewPoints.en));
    EXPECT_EQ(doc().workflow.currentStep, Step::Marking);
    EXPECT_EQ(doc().curve.controlPointCount, 3);
    EXPECT_TRUE(doc().workflow.markingActive);
    markMany(1);
    EXPECT_EQ(doc().curve.partCount, 1);
}

TEST_F(WorkflowTest, SixteenthPartStopsMarking) {
    create();
    markMany(49);
    ASSERT_EQ(fakes.log.size(), 1);
    EXPECT_TRUE(fakes.log[0].contains(Messages::maxParts.fr));
    EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
    EXPECT_EQ(doc().curve.controlPointCount, 49);
    EXPECT_EQ(doc().curve.partCount, 16);
    EXPECT_EQ(doc().curve.sampleCount, 321);
    EXPECT_TRUE(controls().showing("ChBx16"));
    clickAt(1000, 600);
    EXPECT_EQ(doc().curve.controlPointCount, 49);

    // Back in marking with 16 parts: a further click cannot add a 50th point.
    click("LblEtapeAvant");
    EXPECT_EQ(doc().workflow.currentStep, Step::Marking);
    clickAt(1000, 600);
    EXPECT_EQ(doc().curve.controlPointCount, 49);
    EXPECT_EQ(doc().curve.partCount, 16);
    EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
}

TEST_F(WorkflowTest, MarkingResumesAfterAVisitToStepOne) {
    create();
    markMany(5);
    click("LblEtapeAvant");
    EXPECT_EQ(doc().workflow.currentStep, Step::Format);
    create();
    EXPECT_EQ(doc().workflow.currentStep, Step::Marking);
    EXPECT_EQ(doc().curve.controlPointCount, 5);
    EXPECT_EQ(doc().curve.partCount, 1);
    const QPoint fifth = point(4);
    EXPECT_EQ(at(fifth.x(), fifth.y()), red) << "the loose point is drawn as a red disc";
    EXPECT_EQ(at(fifth.x() + 7, fifth.y()), bgrAt(doc().pictures.grid, fifth.x() + 7, fifth.y()));
    mark({{900, 500}, {1000, 400}}); // the sixth and seventh points complete part 2
    EXPECT_EQ(doc().curve.partCount, 2);
    EXPECT_EQ(doc().curve.controlPointCount, 7);
}

// A point being marked is filled red and outlined with the pen in use: the
// default black pen before any part is drawn, then the pen that the last
// mark of the redrawn curve left (the blue outline of the last point).
TEST_F(WorkflowTest, MarkedPointsAreOutlinedWithThePenInUse) {
    constexpr std::uint32_t blue = 0xFF0000;
    create();
    mark({{100, 300}, {200, 200}});
    EXPECT_EQ(at(200, 200), red);
    EXPECT_EQ(at(195, 200), 0u);
    mark({{300, 200}, {400, 300}, {500, 400}});
    const QPoint fifth = point(4);
    EXPECT_EQ(at(fifth.x(), fifth.y()), red);
    EXPECT_EQ(at(fifth.x() - 5, fifth.y()), blue);

    click("LblEtapeAvant");
    create();
    EXPECT_EQ(at(fifth.x(), fifth.y()), red);
    EXPECT_EQ(at(fifth.x() - 5, fifth.y()), blue) << "the loose point is drawn again as it was";
}

// A closed curve redone: the new curve is marked open and keeps every point
// where the user put it.
TEST_F(WorkflowTest, RedoingAClosedCurveStartsAnOpenOne) {
    create();
    markMany(4);
    click("LblStopMarquage");
    ASSERT_TRUE(controls().userSetChecked("ChBxFermerCourbe", true));
    ASSERT_TRUE(doc().curve.closedCurve);
    click("LblRefairePoints");
    EXPECT_FALSE(doc().curve.closedCurve);
    mark({{100, 300}, {200, 300}, {300, 300}, {400, 400}});
    click("LblStopMarquage");
    EXPECT_EQ(point(3), QPoint(400, 400));
    EXPECT_FALSE(controls().checked("ChBxFermerCourbe"));
    EXPECT_FALSE(doc().curve.closedCurve);
}

// The record count stands on the keypoint panel: it shows with the time
// step and goes with the panel when the user steps back.
TEST_F(WorkflowTest, RecordCountShowsOnlyWithTheKeypointPanel) {
    create();
    markMany(4);
    click("LblStopMarquage");
    EXPECT_FALSE(controls().showing("LblQpara"));
    click("LblOKcourbe");
    EXPECT_TRUE(controls().showing("LblQpara"));
    click("LblEtapeAvant");
    EXPECT_FALSE(controls().showing("LblQpara"));
    click("LblEtapeAvant");
    click("LblEtapeAvant");
    EXPECT_EQ(doc().workflow.currentStep, Step::Format);
    EXPECT_FALSE(controls().showing("LblQpara"));
}

TEST_F(WorkflowTest, FinishingWritesTheCurveRecord) {
    create();
    markTwoParts();
    click("LblStopMarquage");
    EXPECT_EQ(point(4), QPoint(500, 300)) << "the first stop aligns every tangent";
    click("LblOKcourbe");
    EXPECT_EQ(doc().workflow.currentStep, Step::Times);
    EXPECT_EQ(controls().text("LbInfos"), stepMessage(StepMessage::SetTimes).fr);
    const QStringList expected{
        "Fait le 08/12/2026",
        "-----",
        "=== Etape 1 ===",
        "format : 16/9",
        "taille : /1280x720\\",
        "-----",
        "=== Etape 2 et 3 ===",
        "parties= /2\\",
        "point 1 (100x200)  %[7,81250x27,77778]  Etat : /13\\",
        "point 2 (200x100)  %[15,62500x13,88889]  Etat : /11\\",
        "point 3 (300x100)  %[23,43750x13,88889]  Etat : /12\\",
        "point 4 (400x200)  %[31,25000x27,77778]  Etat : /10\\",
        "point 5 (500x300)  %[39,06250x41,66667]  Etat : /11\\",
        "point 6 (600x300)  %[46,87500x41,66667]  Etat : /12\\",
        "point 7 (700x200)  %[54,68750x27,77778]  Etat : /14\\",
        "cadre : ---",
        "partie (0) [20]",
        "partie (1) [20]",
        "Fermer la courbe : non",
    };
    EXPECT_EQ(doc().lists.LbxCollecter, expected);
    EXPECT_EQ(doc().lists.LbxColTemps,
              (QStringList{"=== Etape 4 le temps ===", "temps 1er point: (0)",
                           "début/fin : (1,40) choix temps +0", "temps : (134/134)  vitesse : -0"}));
    EXPECT_TRUE(controls().showing("GbxTemps"));
    EXPECT_FALSE(controls().showing("LblOKcourbe"));
    EXPECT_EQ(controls().get("TbMontrePoint").max, 40);
}

TEST_F(WorkflowTest, BackFromTimesRemovesTheCurveBlockAndListsTheTimes) {
    create();
    markMany(4);
    click("LblStopMarquage");
    finishWithTimes();
    ASSERT_EQ(doc().lists.LbxCollecter.size(), 6 + 2 + 4 + 1 + 1 + 1);
    click("LblEtapeAvant");
    EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
    EXPECT_EQ(doc().lists.LbxCollecter.size(), 6);
    ASSERT_EQ(doc().lists.LbxTempsKP.size(), 21);
    EXPECT_EQ(doc().lists.LbxTempsKP[0], "point 0 : 100");
    EXPECT_EQ(doc().lists.LbxTempsKP[20], "point 20 : 120");
    EXPECT_TRUE(controls().showing("LblOKcourbe"));
    EXPECT_TRUE(controls().showing("RdgActionsTangentes"));
    EXPECT_FALSE(controls().showing("GbxTemps"));

    // Finishing again with the same count keeps the times and the time record,
    // and rewrites the block once.
    doc().lists.LbxColTemps << "temps 1er point: (0)";
    const QStringList timeRecord = doc().lists.LbxColTemps;
    click("LblOKcourbe");
    EXPECT_EQ(doc().lists.LbxColTemps, timeRecord);
    EXPECT_EQ(doc().timing.keypointTimes[20].inUse, 120);
    EXPECT_EQ(doc().lists.LbxCollecter.size(), 15);
    EXPECT_TRUE(fakes.log.isEmpty());
}

TEST_F(WorkflowTest, ChangedSampleCountAsksBeforeDiscardingTimes) {
    create();
    markMany(4);
    click("LblStopMarquage");
    finishWithTimes();
    click("LblEtapeAvant");
    ASSERT_TRUE(controls().userSetChecked("ChBx1", true));
    ASSERT_TRUE(controls().userSetPosition("TbrQPoints", 30));
    ASSERT_EQ(doc().curve.sampleCount, 31);
    const QStringList record = doc().lists.LbxCollecter;

    fakes.answers.push_back("cancel");
    click("LblOKcourbe");
    ASSERT_EQ(fakes.log.size(), 1);
    EXPECT_TRUE(fakes.log[0].contains("La courbe avait 21points")) << fakes.log[0].toStdString();
    EXPECT_TRUE(fakes.log[0].contains(
        "les paramètres déjà introduits (temps...) seront annulés. [OK/Cancel] -> Cancel"));
    EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
    EXPECT_EQ(doc().lists.LbxCollecter, record);
    EXPECT_EQ(doc().timing.keypointTimes.size(), 21u);
    EXPECT_EQ(doc().lists.LbxColTemps.size(), 4);

    // OK starts the time record anew, for times built over again.
    fakes.answers.push_back("ok");
    click("LblOKcourbe");
    EXPECT_EQ(doc().workflow.currentStep, Step::Times);
    EXPECT_EQ(doc().timing.keypointTimes.size(), 31u);
    EXPECT_EQ(doc().lists.LbxColTemps,
              (QStringList{"=== Etape 4 le temps ===", "temps 1er point: (0)",
                           "début/fin : (1,30) choix temps +0", "temps : (177/177)  vitesse : -0"}));
    EXPECT_FALSE(doc().workflow.stepDone[Done::ParameterLog]);
}

TEST_F(WorkflowTest, StoppingAgainExtendsTheTimesToNewPoints) {
    create();
    markMany(4);
    click("LblStopMarquage");
    finishWithTimes();
    click("LblEtapeAvant");
    click("LblEtapeAvant");
    EXPECT_EQ(doc().workflow.currentStep, Step::Marking);
    mark({{700, 500}, {800, 500}, {900, 400}});
    click("LblEtapeApres");
    EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
    EXPECT_EQ(controls().text("LblNombrePoints"), "Avant : 21  et : 41");
    const auto& times = doc().timing.keypointTimes;
    ASSERT_EQ(times.size(), 41u);
    EXPECT_EQ(times[19].inUse, 119);
    EXPECT_EQ(times[20].inUse, 120);
    EXPECT_EQ(times[40].inUse, 120);
    EXPECT_EQ(times[40].committed, 120);
    EXPECT_TRUE(doc().workflow.timesValid);
}

TEST_F(WorkflowTest, RedoAndRestart) {
    create();
    markMany(7);
    click("LblStopMarquage");
    click("LblRefairePoints");
    EXPECT_EQ(doc().workflow.currentStep, Step::Marking);
    EXPECT_EQ(doc().curve.controlPointCount, 0);
    EXPECT_FALSE(doc().workflow.curveExists);
    EXPECT_EQ(at(point(3).x(), point(3).y()), bgrAt(doc().pictures.grid, point(3).x(), point(3).y()));
    markMany(4);
    EXPECT_EQ(doc().curve.partCount, 1);

    fakes.answers.push_back("Ne pas enregistrer");
    click("LblRefaireTout");
    EXPECT_EQ(doc().workflow.currentStep, Step::Start);
    for (const QString& name : controls().names()) {
        const ControlKind kind = controls().get(name).kind;
        if (kind == ControlKind::Panel && controls().get(name).parent.isEmpty() && name != "TFparametres") {
            EXPECT_EQ(controls().showing(name), name == "PnlChargeObjetPte") << name.toStdString();
        }
    }
    EXPECT_FALSE(doc().workflow.stepDone[Done::WorkArea]);
}

TEST_F(WorkflowTest, NextStepFollowsTheCurrentStep) {
    create();
    markMany(4);
    click("LblEtapeApres");
    EXPECT_EQ(doc().workflow.currentStep, Step::Shaping);
    click("LblEtapeApres");
    EXPECT_EQ(doc().workflow.currentStep, Step::Times);
    click("LblEtapeApres"); // "Terminé" of the time step
    EXPECT_EQ(doc().workflow.currentStep, Step::Parameters);
    click("LblEtapeApres");
    EXPECT_EQ(doc().workflow.currentStep, Step::Finished);
    EXPECT_FALSE(controls().userClick("LblEtapeApres")) << "nothing follows step 6";
}

TEST_F(WorkflowTest, PlainBackgroundWhileMarking) {
    create();
    mark({{300, 300}});
    ASSERT_TRUE(controls().userSetItemIndex("RdgFond", 1));
    EXPECT_EQ(at(10, 10), 0xE6FFFEu);
    EXPECT_EQ(at(300, 300), red);
    ASSERT_TRUE(controls().userSetItemIndex("RdgFond", 0));
    EXPECT_EQ(at(640, 10), gridAxes);
    EXPECT_EQ(at(300, 300), red);
}

} // namespace
