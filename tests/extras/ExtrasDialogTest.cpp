#include "app/ControlInventory.h"
#include "core/CurveSession.h"
#include "extras/Extras.h"
#include "support/ScriptHarness.h"

[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace trajecta {
namespace {

// The Extras dialog over a real session: a straight part sampled into 21
// keypoints (first time 500 ms, then 261 ms apart), taken to step 6 with the
// sample host object, whose first keypoint has the angle 12.5.
class ExtrasDialogTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        ASSERT_NO_FATAL_FAILURE(finishStraightCurve());
        click("LblParaFini");
        click("LblParaFini");
        ASSERT_EQ(doc().workflow.currentStep, Step::Finished);
        plain = doc().lists.LbxListeKP;
    }

    void set(const QString& name, bool checked) { ASSERT_TRUE(controls().userSetChecked(name, checked)); }
    void slide(const QString& name, int position) { ASSERT_TRUE(controls().userSetPosition(name, position)); }
    QString text(const QString& name) { return controls().text(name); }
    // Line `offset` of keypoint k (from 0) of the keypoint entries on the clipboard.
    QString pasted(int k, int offset) {
        const QStringList lines = fakes.clipboardText->split(QStringLiteral("\r\n"));
        const qsizetype first = lines.indexOf(QStringLiteral("  object KeyPoint1:KeyPoint"));
        return lines.at(first + 13 * k + offset).trimmed();
    }
    void toStep(Step step) {
        while (doc().workflow.currentStep != step)
            click("LblEtapeAvant");
    }

    QStringList plain; // LbxListeKP at step 6
};

TEST_F(ExtrasDialogTest, OpensModallyAndShowsTheDeletionCountsBarsAndTimes) {
    Controls& c = controls();
    EXPECT_TRUE(c.showing("LblExtras")) << "offered once the object is on the clipboard";
    click("LblExtras");
    EXPECT_TRUE(c.showing(extrasDialogName));
    EXPECT_FALSE(c.userClick("LblEtapeAvant")) << "the main window waits for the dialog";
    EXPECT_EQ(c.blockedBy("LblEtapeAvant"), extrasDialogName);
    EXPECT_FALSE(c.showing("Rdg_inverse180_OuPas"));
    EXPECT_FALSE(c.showing("PnlSupVoir"));
    set("ChbxInverserCourbe", true);
    EXPECT_TRUE(c.showing("Rdg_inverse180_OuPas"));
    set("ChbxInverserCourbe", false);

    set("ChBxSupKP", true);
    EXPECT_TRUE(c.showing("PnlSupVoir"));
    EXPECT_FALSE(c.showing("ChBxRecalerTemps"));
    EXPECT_EQ(c.get("TbrSupDeb").max, 20);
    EXPECT_EQ(text("LblResteKP"), "21 / 21");
    EXPECT_EQ(text("LblTemps1erPoint"), "500 ms");
    EXPECT_EQ(text("LblTempsDerPoint"), "5 s 720 ms ");

    slide("TbrSupDeb", 5);
    EXPECT_EQ(c.get("TbrSupFin").max, 15);
    EXPECT_EQ(text("LblSupDeb"), "5");
    EXPECT_EQ(text("LblResteKP"), "16 / 21");
    EXPECT_TRUE(c.showing("ShpSupDeb"));
    EXPECT_EQ(c.get("ShpSupDeb").width, 71); // trunc(5 / 21 * 300)
    EXPECT_FALSE(c.visible("ShpSupFin"));
    EXPECT_TRUE(c.showing("ChBxRecalerTemps"));
    EXPECT_EQ(text("LblTemps1erPoint"), "1 s 805 ms ");
    set("ChBxRecalerTemps", true);
    EXPECT_EQ(doc().extras.retimeOffset, 1305);
    EXPECT_EQ(text("LblTemps1erPoint"), "500 ms");
    EXPECT_EQ(text("LblTempsDerPoint"), "4 s 415 ms ");

    slide("TbrSupFin", 15);
    EXPECT_EQ(c.get("TbrSupDeb").max, 5);
    EXPECT_EQ(text("LblResteKP"), "1 / 21");
    EXPECT_EQ(c.get("ShpSupFin").left, 300 - 214);
    EXPECT_FALSE(c.userSetPosition("TbrSupFin", 16) && c.position("TbrSupFin") == 16)
        << "one keypoint always remains";
    set("ChbxInverserCourbe", true);
    // Reversed, the first kept keypoint is old keypoint 15: 500 + 5 gaps later, less the offset.
    EXPECT_EQ(text("LblTemps1erPoint"), "500 ms");
    slide("TbrSupDeb", 0);
    EXPECT_FALSE(c.showing("ChBxRecalerTemps"));
    EXPECT_EQ(doc().extras.keptCount, 6);
    set("ChBxSupKP", false);
    EXPECT_EQ(doc().extras.keptCount, 21);
    EXPECT_FALSE(c.showing("PnlSupVoir"));
}

TEST_F(ExtrasDialogTest, CancelChangesNothingButTheControlsKeepTheirStateForTheNextOpening) {
    Controls& c = controls();
    const QString before = *fakes.clipboardText;
    click("LblExtras");
    set("ChbxInverserCourbe", true);
    set("ChBxSupKP", true);
    slide("TbrSupDeb", 3);
    click("BtnExtrasAnnuler");
    EXPECT_FALSE(c.visible(extrasDialogName));
    EXPECT_EQ(*fakes.clipboardText, before);
    EXPECT_FALSE(doc().extras.reversedActive);
    EXPECT_EQ(text(mainWindowName), " Trajecta");
    EXPECT_FALSE(c.visible("ShpTemoinExtra"));
    EXPECT_TRUE(doc().lists.LbxKPinverse.isEmpty());

    click("LblExtras");
    EXPECT_FALSE(c.checked("ChbxInverserCourbe")) << "shows the reversal in force, none";
    EXPECT_FALSE(c.showing("Rdg_inverse180_OuPas"));
    EXPECT_TRUE(c.showing("PnlSupVoir"));
    EXPECT_EQ(c.position("TbrSupDeb"), 3);
    EXPECT_TRUE(c.showing("ChBxRecalerTemps"));
    EXPECT_EQ(doc().curve.backupCount, 4) << "the control points were backed up on the first opening";
}

TEST_F(ExtrasDialogTest, TheReversedPathStaysInForceAndFollowsLaterTimesAndParameters) {
    Controls& c = controls();
    click("LblExtras");
    set("ChbxInverserCourbe", true);
    click("LblExtrasAppliquer");
    EXPECT_FALSE(c.visible(extrasDialogName));
    EXPECT_TRUE(doc().extras.reversedActive);
    EXPECT_TRUE(doc().extras.turnedOver);
    EXPECT_EQ(text(mainWindowName), " Trajecta avec EXTRAS");
    EXPECT_TRUE(c.visible("ShpTemoinExtra"));
    EXPECT_EQ(pasted(0, 7), plain.at(13 * 20 + 7).trimmed());
    EXPECT_EQ(pasted(0, 4), "Angle=192.5");
    EXPECT_EQ(pasted(20, 1), "Time=5720");

    // Back to step 5: a rotation recorded on the first two keypoints of the
    // keypoint list reaches the last two of the reversed path.
    toStep(Step::Parameters);
    EXPECT_FALSE(c.showing("LblExtras"));
    ASSERT_TRUE(c.userSetPosition("TbMontrePoint", 0));
    click("LblVarDep");
    ASSERT_TRUE(c.userSetPosition("TbMontrePoint", 1));
    click("LblVarFin");
    set("ChBxRotation", true);
    ASSERT_TRUE(c.userType("EdtRotDeb", "30"));
    ASSERT_TRUE(c.userType("EdtRotFin", "30"));
    click("LblVarSave");
    click("LblParaFini");
    EXPECT_EQ(pasted(20, 4), "Angle=210");
    EXPECT_EQ(pasted(19, 4), "Angle=210");
    EXPECT_EQ(pasted(18, 4), "Angle=192.5");

    // Back to step 4: a new first time is in the reversed list as soon as
    // the time step is finished.
    toStep(Step::Times);
    ASSERT_TRUE(c.userType("EdtTemps1st", "1000"));
    click("LblVarSave");
    click("LblParaFini");
    ASSERT_EQ(doc().workflow.currentStep, Step::Parameters);
    EXPECT_EQ(doc().lists.LbxKPinverse.at(1), "  Time=1000");
    EXPECT_EQ(doc().lists.LbxKPinverse.at(13 * 20 + 1), "  Time=6220");

    // Plain again: the keypoint list on the clipboard, the caption back.
    click("LblParaFini");
    click("LblExtras");
    EXPECT_TRUE(c.checked("ChbxInverserCourbe"));
    set("ChbxInverserCourbe", false);
    click("LblExtrasAppliquer");
    EXPECT_FALSE(doc().extras.reversedActive);
    EXPECT_EQ(text(mainWindowName), " Trajecta");
    EXPECT_EQ(pasted(0, 4), "Angle=30");
}

TEST_F(ExtrasDialogTest, AnAngleThatIsNotANumberIsRefusedAndTheDialogStaysOpen) {
    for (int k = 0; k < 21; ++k)
        doc().lists.LbxListeKP[13 * k + 4] = QStringLiteral("  Angle=douze");
    const QString before = *fakes.clipboardText;
    click("LblExtras");
    set("ChbxInverserCourbe", true);
    click("LblExtrasAppliquer");
    ASSERT_FALSE(fakes.log.isEmpty());
    EXPECT_TRUE(fakes.log.last().contains("\"douze\"")) << fakes.log.last().toStdString();
    EXPECT_TRUE(controls().visible(extrasDialogName));
    EXPECT_FALSE(doc().extras.reversedActive);
    EXPECT_EQ(*fakes.clipboardText, before);

    // Without the turn the angles are only moved, never read.
    ASSERT_TRUE(controls().userSetItemIndex("Rdg_inverse180_OuPas", 1));
    click("LblExtrasAppliquer");
    EXPECT_TRUE(doc().extras.reversedActive);
    EXPECT_EQ(pasted(0, 4), "Angle=douze");
}

// A curve file replaces the project and its Extras choices: the dialog opens
// with nothing reversed or deleted, and the main window's mark is gone.
TEST_F(ExtrasDialogTest, ALoadedFileStartsWithoutTheFormerChoices) {
    Controls& c = controls();
    click("LblExtras");
    set("ChbxInverserCourbe", true);
    set("ChBxSupKP", true);
    slide("TbrSupDeb", 3);
    slide("TbrSupFin", 2);
    set("ChBxRecalerTemps", true);
    click("LblExtrasAppliquer");
    ASSERT_TRUE(c.visible("ShpTemoinExtra"));
    toStep(Step::Format);
    fakes.answers.push_back("Ne pas enregistrer");
    fakes.answers.push_back(TRAJECTA_TEST_DATA "/curve_file_saved.tjc");
    click("LblChargerFichier");
    ASSERT_EQ(doc().workflow.currentStep, Step::Finished);
    EXPECT_FALSE(c.visible("ShpTemoinExtra"));
    click("LblExtras");
    EXPECT_FALSE(c.checked("ChbxInverserCourbe"));
    EXPECT_FALSE(c.showing("Rdg_inverse180_OuPas"));
    EXPECT_FALSE(c.checked("ChBxSupKP"));
    EXPECT_FALSE(c.showing("PnlSupVoir"));
    EXPECT_EQ(std::pair(c.position("TbrSupDeb"), c.position("TbrSupFin")), std::pair(0, 0));
    EXPECT_FALSE(c.checked("ChBxRecalerTemps"));
    set("ChBxSupKP", true);
    EXPECT_EQ(text("LblResteKP"), "51 / 51");
    EXPECT_FALSE(c.showing("ShpSupDeb"));
    EXPECT_FALSE(c.showing("ChBxRecalerTemps"));
}

} // namespace
} // namespace trajecta
