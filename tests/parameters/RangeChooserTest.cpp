#include "parameters/RangeChooser.h"
#include "core/CurveSession.h"
#include "support/ScriptHarness.h"

[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace trajecta {
namespace {

// Steps 4 to 6 over a real session: a straight part to the right sampled into
// 21 keypoints 30 pixels apart, finished with the sample host object.
class RangeChooserTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        ASSERT_NO_FATAL_FAILURE(finishStraightCurve());
        CurveView& view = session.curveView();
        view.markKeypoint(r().shownKeypoint, -1);
        clean = session.workPicture().copy();
        view.markKeypoint(r().shownKeypoint, -1);
    }

    void moveTo(int k) { ASSERT_TRUE(controls().userSetPosition("TbMontrePoint", k)); }
    void range(int s, int e) {
        moveTo(s);
        click("LblVarDep");
        moveTo(e);
        click("LblVarFin");
    }
    void toParameterStep() { click("LblParaFini"); }
    QString line(int keypoint, int offset) { return doc().lists.LbxListeKP.at(13 * keypoint + offset); }
    // The work area with every mark the chooser knows of removed equals the
    // curve as drawn before any mark: no stray mark is left anywhere.
    bool onlyKnownMarks() {
        RangeChooser& c = session.rangeChooser();
        c.redrawMarks();
        const bool same = session.workPicture() == clean;
        c.redrawMarks();
        return same;
    }
    const KeypointRange& r() { return doc().range; }
    void twoRecords();

    QImage clean;
};

TEST_F(RangeChooserTest, TimeStepRangeIsChosenRecordedAndMarkedCleanly) {
    Controls& c = controls();
    EXPECT_EQ(r().shownKeypoint, 1);
    EXPECT_NE(session.workPicture(), clean) << "the cursor mark shows";
    EXPECT_TRUE(onlyKnownMarks());

    moveTo(3);
    click("LblVarDep");
    EXPECT_EQ(c.position("TbMontrePoint"), 4);
    EXPECT_EQ(c.get("TbMontrePoint").min, 4);
    EXPECT_EQ(c.text("LblPointSelect"), "5");
    EXPECT_EQ(c.text("LblChoixDep"), "4");
    EXPECT_FALSE(c.enabled("LblVarDep"));
    EXPECT_TRUE(c.enabled("LblVarFin"));
    EXPECT_TRUE(onlyKnownMarks());

    moveTo(8);
    click("LblVarFin");
    EXPECT_FALSE(c.showing("TbMontrePoint"));
    EXPECT_TRUE(onlyKnownMarks());
    // The parameter panel shares the screen with the times but not "Enregistrer".
    c.setChecked("ChbxOpacite", true);
    c.setText("EdtTempsDeb", "300");
    EXPECT_TRUE(c.enabled("LblVarSave"));
    c.setChecked("ChbxOpacite", false);
    EXPECT_TRUE(c.enabled("LblVarSave"));

    click("LblVarSave");
    EXPECT_EQ(doc().timing.keypointTimes[3].committed, 300);
    EXPECT_EQ(c.position("TbMontrePoint"), 8) << "the next range starts where this one ended";
    EXPECT_EQ(r().shownKeypoint, 8);
    EXPECT_TRUE(r().cursorLive);
    EXPECT_TRUE(c.showing("TbMontrePoint"));
    EXPECT_TRUE(c.enabled("LblVarDep"));
    EXPECT_FALSE(c.enabled("LblVarAnnule"));
    EXPECT_TRUE(onlyKnownMarks());

    range(15, 18);
    click("LblVarAnnule");
    EXPECT_EQ(c.position("TbMontrePoint"), 1);
    EXPECT_EQ(c.get("TbMontrePoint").min, 1);
    EXPECT_TRUE(onlyKnownMarks());

    moveTo(20);
    click("LblVarDep");
    EXPECT_EQ(fakes.log.last(), "message: Le dernier point ne peut être choisi comme départ [OK] -> OK");
    EXPECT_EQ(r().rangeStart, -1);
    EXPECT_TRUE(c.enabled("LblVarDep"));
}

TEST_F(RangeChooserTest, ParameterStepRecordsAndPlacesTheCursor) {
    Controls& c = controls();
    toParameterStep();
    EXPECT_EQ(doc().workflow.currentStep, Step::Parameters);
    EXPECT_EQ(c.get("TbMontrePoint").min, 0);
    EXPECT_EQ(r().shownKeypoint, 0);
    EXPECT_FALSE(c.enabled("LblParaAnnuleTout"));
    EXPECT_EQ(doc().lists.LbxListeKP.size(), 21 * 13);
    EXPECT_TRUE(onlyKnownMarks());

    range(3, 10);
    EXPECT_FALSE(c.enabled("LblVarSave")) << "nothing ticked yet";
    EXPECT_EQ(c.text("LblRetour"), "Valide=0 Qcoches=0");
    click("ChbxOpacite");
    EXPECT_TRUE(c.showing("EdtOpaFin"));
    EXPECT_TRUE(c.enabled("LblVarSave"));
    EXPECT_FALSE(c.enabled("LblParaFini"));
    ASSERT_TRUE(c.userType("EdtOpaFin", "15"));
    ASSERT_TRUE(c.userType("EdtOpaFin", "150"));
    EXPECT_EQ(c.text("EdtOpaFin"), "15");
    EXPECT_EQ(c.get("EdtOpaFin").caret, 2);
    ASSERT_TRUE(c.userType("EdtOpaFin", ""));
    EXPECT_FALSE(c.enabled("LblVarSave")) << "an empty text is not a number";
    EXPECT_EQ(c.text("LblRetour"), "Valide=0 Qcoches=1");
    ASSERT_TRUE(c.userType("EdtOpaFin", "40"));

    click("LblVarSave");
    EXPECT_EQ(line(10, 3), "  Opacity=40");
    EXPECT_EQ(c.position("TbMontrePoint"), 10);
    EXPECT_EQ(r().rangeStart, -1);
    EXPECT_TRUE(c.enabled("LblParaAnnuleTout"));
    EXPECT_EQ(c.text("LblQpara"), "1");
    EXPECT_FALSE(c.checked("ChbxOpacite"));
    EXPECT_TRUE(onlyKnownMarks());

    // A record that ends on the last keypoint leaves the cursor on the first.
    range(10, 20);
    click("ChbxOpacite");
    click("LblVarSave");
    EXPECT_EQ(c.position("TbMontrePoint"), 0);

    // A 3D value without ChBx3D records nothing and keeps the range.
    range(2, 4);
    c.setChecked("ChBx3DX", true);
    session.rangeChooser().save();
    EXPECT_EQ(c.text("LblQpara"), "2");
    EXPECT_FALSE(c.checked("ChBx3DX"));
    EXPECT_EQ(r().rangeStart, 2);
}

// The middle button puts the cursor halfway between its two ends, whatever
// the lower end: the first time row, or the keypoint after a chosen start.
TEST_F(RangeChooserTest, TheMiddleButtonCentresTheCursorInItsRange) {
    Controls& c = controls();
    click("ImgCentreHaut");
    EXPECT_EQ(c.position("TbMontrePoint"), 10) << "1 + (20 - 1) div 2";
    EXPECT_EQ(r().shownKeypoint, 10);
    moveTo(5);
    click("LblVarDep");
    click("ImgCentreHaut");
    EXPECT_EQ(c.position("TbMontrePoint"), 13) << "6 + (20 - 6) div 2";
    EXPECT_EQ(c.text("LblPointSelect"), "14");
}

// Accepting the loss of the times and parameters for a new sample count
// leaves no parameter record to count or to cancel.
TEST_F(RangeChooserTest, ANewSampleCountClearsTheParameterCount) {
    Controls& c = controls();
    toParameterStep();
    range(3, 10);
    click("ChbxOpacite");
    click("LblVarSave");
    ASSERT_EQ(c.text("LblQpara"), "1");
    workflow().previousStep();
    workflow().previousStep();
    ASSERT_EQ(doc().workflow.currentStep, Step::Shaping);
    ASSERT_TRUE(c.userSetChecked("ChBx1", true));
    ASSERT_TRUE(c.userSetPosition("TbrQPoints", 30));
    fakes.answers.push_back("ok");
    click("LblOKcourbe");
    ASSERT_EQ(doc().curve.sampleCount, 31);
    toParameterStep();
    EXPECT_EQ(doc().parameters.parameterRecordCount, 0);
    EXPECT_EQ(c.text("LblQpara"), "0");
    range(2, 4);
    click("LblVarAnnule");
    EXPECT_FALSE(c.enabled("LblParaAnnuleTout"));
}

TEST_F(RangeChooserTest, PanelTiesFiltersAndTheTangentOption) {
    Controls& c = controls();
    toParameterStep();
    // The loaded object's zooms and centres differ, so the "Egaux" boxes start clear.
    EXPECT_FALSE(c.checked("ChBxEgal"));
    click("ChBxEgal");
    click("ChBxCentreEgal");
    doc().keypoints[3].angle = "120";
    doc().parameters.angles.tangentAngles[3] = 30;
    range(3, 6);
    click("ChBxZoomX");
    EXPECT_TRUE(c.checked("ChBxZoomY")) << "Egaux ties the boxes";
    EXPECT_TRUE(c.showing("EdtZoomXdeb"));
    EXPECT_FALSE(c.showing("EdtRotDeb"));
    ASSERT_TRUE(c.userType("EdtZoomXdeb", "-1a2.5,3"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "12,53") << "no minus in a zoom, one separator";
    EXPECT_EQ(c.text("EdtZoomYdeb"), "12,53");
    click("ChBxCentreX");
    ASSERT_TRUE(c.userType("EdtCentreXFin", "-.5-"));
    EXPECT_EQ(c.text("EdtCentreXFin"), "-5");
    EXPECT_EQ(c.text("EdtCentreYFin"), "-5");

    EXPECT_FALSE(c.showing("ChBx3DY"));
    click("ChBx3D");
    EXPECT_TRUE(c.showing("ChBx3DY"));
    click("ChBx3DY");
    EXPECT_TRUE(c.showing("Edt3DYdeb"));

    click("ChBxAngleRotation");
    EXPECT_TRUE(c.checked("ChBxRotation"));
    EXPECT_TRUE(c.showing("RdgDecalage"));
    EXPECT_EQ(c.text("EdtRotDeb"), "90,00");
    EXPECT_EQ(c.get("EdtRotDeb").colour, 12048127u);
    EXPECT_EQ(c.text("EdtZoomXdeb"), line(3, 5).mid(9)) << "the stored values replace the typed ones";
    click("ChBxAngleRotation");
    EXPECT_FALSE(c.showing("RdgDecalage"));
    EXPECT_EQ(c.get("EdtRotDeb").colour, 12058623u);
}

TEST_F(RangeChooserTest, ClipboardKeysOfTheIntegerEdits) {
    Controls& c = controls();
    range(2, 5); // the range fields show once both ends are chosen
    ASSERT_TRUE(c.userType("EdtTempsDeb", "250"));
    fakes.clipboardText = "kept";
    ASSERT_TRUE(c.userKey("EdtTempsDeb", "Ctrl+C"));
    EXPECT_EQ(fakes.clipboardText, "kept") << "nothing selected, nothing copied";
    c.setSelection("EdtTempsDeb", 3, 1);
    ASSERT_TRUE(c.userKey("EdtTempsDeb", "Ctrl+C"));
    EXPECT_EQ(fakes.clipboardText, "50");
    fakes.clipboardText = "7x";
    c.setCaret("EdtTempsDeb", 1);
    ASSERT_TRUE(c.userKey("EdtTempsDeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtTempsDeb"), "250");
    EXPECT_EQ(c.get("EdtTempsDeb").caret, 1);
    fakes.clipboardText = "1";
    ASSERT_TRUE(c.userKey("EdtTempsDeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtTempsDeb"), "2150");
    EXPECT_EQ(c.get("EdtTempsDeb").caret, 2);
    c.setSelection("EdtTempsDeb", 1, 3);
    ASSERT_TRUE(c.userKey("EdtTempsDeb", "Ctrl+X"));
    EXPECT_EQ(fakes.clipboardText, "15");
    EXPECT_EQ(c.text("EdtTempsDeb"), "") << "a cut empties the whole field";
}

TEST_F(RangeChooserTest, ClipboardKeysOfTheRealEdits) {
    Controls& c = controls();
    toParameterStep();
    click("ChBxEgal");
    moveTo(2);
    click("LblVarDep");
    click("ChbxOpacite");
    click("ChBxZoomX");
    fakes.clipboardText = "-5";
    c.setCaret("EdtOpaDeb", 0);
    const QString opacity = c.text("EdtOpaDeb");
    ASSERT_TRUE(c.userKey("EdtOpaDeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtOpaDeb"), opacity) << "no negative opacity";
    c.setText("EdtZoomXdeb", "");
    ASSERT_TRUE(c.userKey("EdtZoomXdeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "-5") << "a pasted minus is kept";
    EXPECT_EQ(c.text("EdtZoomYdeb"), "-5");
    fakes.clipboardText = ".5";
    ASSERT_TRUE(c.userKey("EdtZoomXdeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "-5,5");
    fakes.clipboardText = ",5";
    ASSERT_TRUE(c.userKey("EdtZoomXdeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "-5,5") << "a second separator is undone";

    // A paste replaces the selection, wherever the caret stands in it.
    fakes.clipboardText = "120";
    c.setSelection("EdtZoomXdeb", 4, 0);
    ASSERT_TRUE(c.userKey("EdtZoomXdeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "120");
    EXPECT_EQ(c.text("EdtZoomYdeb"), "120");
    EXPECT_EQ(c.get("EdtZoomXdeb").caret, 3);
    fakes.clipboardText = "x";
    c.setSelection("EdtZoomXdeb", 1, 2);
    ASSERT_TRUE(c.userKey("EdtZoomXdeb", "Ctrl+V"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "120") << "undone: text, caret and selection stay";
    EXPECT_EQ(c.get("EdtZoomXdeb").anchor, 1);
    EXPECT_EQ(c.get("EdtZoomXdeb").caret, 2);
}

// A typed character is judged where it goes in, against the text around it,
// and the rest of the text stays as it was.
TEST_F(RangeChooserTest, TypingIsJudgedWhereItGoesInAndLeavesTheRestAlone) {
    Controls& c = controls();
    toParameterStep();
    range(3, 6);
    click("ChBxCentreX");
    click("ChBxZoomX");
    const QString centre = QStringLiteral("EdtCentreXDeb");
    c.setText(centre, "0,5");
    c.setSelection(centre, 1, 0);
    ASSERT_TRUE(c.userInsert(centre, "")); // Backspace on the "0"
    EXPECT_EQ(c.text(centre), ",5");
    ASSERT_TRUE(c.userInsert(centre, "1"));
    EXPECT_EQ(c.text(centre), "1,5");
    c.setCaret(centre, 3);
    ASSERT_TRUE(c.userInsert(centre, ".-7"));
    EXPECT_EQ(c.text(centre), "1,57") << "a second separator, and a minus after the start, are refused";
    EXPECT_EQ(c.get(centre).caret, 4);
    c.setCaret(centre, 0);
    ASSERT_TRUE(c.userInsert(centre, "-"));
    EXPECT_EQ(c.text(centre), "-1,57");

    fakes.clipboardText = "-5";
    c.setText("EdtZoomXdeb", "");
    ASSERT_TRUE(c.userKey("EdtZoomXdeb", "Ctrl+V"));
    ASSERT_TRUE(c.userInsert("EdtZoomXdeb", "0"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "-50") << "the pasted minus stays";
    c.setSelection("EdtZoomXdeb", 1, 3);
    ASSERT_TRUE(c.userInsert("EdtZoomXdeb", "x"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "-50") << "a refused key changes nothing";
    EXPECT_EQ(c.get("EdtZoomXdeb").anchor, 1);
    ASSERT_TRUE(c.userInsert("EdtZoomXdeb", "7"));
    EXPECT_EQ(c.text("EdtZoomXdeb"), "-7") << "an accepted one replaces the selection";
}

// The rotation edits of the tangent option show the stored angles as the
// record reads them back: saving them unchanged keeps every angle, also with
// the object at the origin (a rotation shift).
TEST_F(RangeChooserTest, SavingTheShownRelativeRotationsKeepsTheStoredAngles) {
    Controls& c = controls();
    toParameterStep();
    range(4, 9);
    click("ChBxAngleRotation");
    ASSERT_TRUE(c.userSetItemIndex("RdgDecalage", 1));
    ASSERT_NE(doc().parameters.angles.rotationShift, 0.0L);
    ASSERT_TRUE(c.userType("EdtRotDeb", "10"));
    ASSERT_TRUE(c.userType("EdtRotFin", "40"));
    click("LblVarSave");
    const QStringList stored = doc().lists.LbxListeKP;

    range(4, 9);
    EXPECT_EQ(c.text("LblAngleRelTang"), "40,00");
    click("ChBxAngleRotation");
    EXPECT_EQ(c.text("EdtRotDeb"), "10,00");
    EXPECT_EQ(c.text("EdtRotFin"), "40,00");
    click("LblVarSave");
    EXPECT_EQ(doc().lists.LbxListeKP, stored);
}

// Two parameter records in step 5: opacity and tied zooms over 0..6, then
// rotation with the tangent, the centres and 3D Z over 6..14.
void RangeChooserTest::twoRecords() {
    Controls& c = controls();
    toParameterStep();
    click("ChBxEgal");
    range(0, 6);
    click("ChbxOpacite");
    ASSERT_TRUE(c.userType("EdtOpaFin", "20"));
    click("ChBxZoomX");
    ASSERT_TRUE(c.userType("EdtZoomXdeb", "150"));
    ASSERT_TRUE(c.userType("EdtZoomXfin", "150,5"));
    click("LblVarSave");
    range(6, 14);
    click("ChBxAngleRotation");
    ASSERT_TRUE(c.userSetItemIndex("RdgDecalage", 1));
    ASSERT_TRUE(c.userType("EdtRotFin", "45"));
    click("ChBxCentreX");
    click("ChBxCentreY");
    ASSERT_TRUE(c.userType("EdtCentreYFin", "-12,25"));
    click("ChBx3D");
    click("ChBx3DZ");
    ASSERT_TRUE(c.userType("Edt3DZfin", "30"));
    click("LblVarSave");
    ASSERT_EQ(c.text("LblQpara"), "2");
}

TEST_F(RangeChooserTest, ReplayingTheLogRebuildsTheSameKeypoints) {
    Controls& c = controls();
    ASSERT_NO_FATAL_FAILURE(twoRecords());
    const QStringList log = doc().lists.LbxColParametres;
    const QStringList keypoints = doc().lists.LbxListeKP;
    ASSERT_NE(keypoints.at(13 * 10 + 4), "  Angle=0");

    fakes.answers.push_back("ok");
    click("LblParaAnnuleTout");
    EXPECT_EQ(fakes.lastTitle, "Effacer tous les paramètres");
    ASSERT_NE(doc().lists.LbxListeKP, keypoints);
    c.setChecked("ChBxCentreEgal", true);
    c.setItemIndex("RdgDecalage", 0);
    EXPECT_TRUE(session.parameterStep().replayParameterLog(QStringList{"=== Etape 1 ==="} + log));
    // The same records, the values read back in general number format.
    ASSERT_EQ(doc().lists.LbxColParametres.size(), log.size());
    EXPECT_EQ(doc().lists.LbxColParametres.at(8), "Début-Fin : (6/14)");
    EXPECT_TRUE(doc().lists.LbxColParametres.at(9).endsWith("avec angle : Oui  0=DécalageOrigine"));
    EXPECT_EQ(doc().lists.LbxListeKP, keypoints);
    EXPECT_EQ(c.text("LblQpara"), "2");
    EXPECT_TRUE(onlyKnownMarks());
}

// An unreadable value spoils the result but not the records after it; an
// unreadable range ends the replay.
TEST_F(RangeChooserTest, AnUnreadableLineSpoilsTheReplayButNotTheRecordsAfterIt) {
    ASSERT_NO_FATAL_FAILURE(twoRecords());
    const QStringList keypoints = doc().lists.LbxListeKP;
    const QStringList bad{"x",
                          "=== Etape 5 les paramètres ===",
                          "---",
                          "Début-Fin : (1/3)",
                          "1-Opacité : (a/5)",
                          "---",
                          "Début-Fin : (2/4)",
                          "1-Opacité : (7/9)",
                          "---",
                          "Début-Fin : (x/4)",
                          "1-Opacité : (1/1)",
                          "---"};
    EXPECT_FALSE(session.parameterStep().replayParameterLog(bad));
    EXPECT_EQ(line(4, 3), "  Opacity=9");
    EXPECT_EQ(line(1, 3), keypoints.at(13 * 1 + 3));
    EXPECT_EQ(controls().text("LblQpara"), "3");
}

TEST_F(RangeChooserTest, FinishingPutsTheObjectOnTheClipboardAndStepsBackAndForth) {
    Controls& c = controls();
    toParameterStep();
    range(4, 8);
    fakes.clipboardText.reset();
    click("LblParaFini");
    EXPECT_EQ(doc().workflow.currentStep, Step::Finished);
    EXPECT_TRUE(doc().workflow.stepDone[Done::Parameters]);
    ASSERT_TRUE(fakes.clipboardText.has_value());
    EXPECT_EQ(fakes.clipboardText->count("object KeyPoint"), 21);
    EXPECT_EQ(c.text("LblTempsMiniVueFinal"), "Durée minimum pour la vue : " + c.text("LblTempsTotalVue"));
    EXPECT_TRUE(c.showing("Pnl_nouvel_objet"));
    EXPECT_EQ(doc().lists.LbxParametres.count("*********"), 1);
    EXPECT_EQ(session.workPicture(), clean) << "no mark is left in step 6";

    workflow().previousStep();
    EXPECT_EQ(doc().workflow.currentStep, Step::Parameters);
    EXPECT_TRUE(c.showing("TbMontrePoint"));
    EXPECT_TRUE(c.enabled("LblVarDep"));
    EXPECT_TRUE(onlyKnownMarks());
    range(1, 2);
    workflow().previousStep();
    EXPECT_EQ(doc().workflow.currentStep, Step::Times);
    EXPECT_EQ(c.get("TbMontrePoint").min, 1);
    EXPECT_TRUE(c.enabled("LblVarDep"));
    EXPECT_TRUE(onlyKnownMarks());
    click("LblParaFini");
    EXPECT_EQ(doc().workflow.currentStep, Step::Parameters);
    EXPECT_TRUE(onlyKnownMarks());
}

} // namespace
} // namespace trajecta
