#include "parameters/ParameterRecorder.h"
#include "core/CurveSession.h"

namespace trajecta {
namespace {

// The parameter side of step 5 over a real session, with the keypoint list
// written by the host exchange.
class ParameterRecorderTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        Controls& c = controls();
        for (int i = 0; i < parameterCount; ++i) {
            const ParameterInfo& info = parameterInfo(i);
            c.setText(info.startEdit, info.initialText);
            c.setText(info.endEdit, info.initialText);
        }
        doc().host.keyPointDefaults = {"100", "0", "100", "100", "0", "0", "0", "0", "0"};
        doc().host.loadedFirstTimeText = "0";
        create();
        mark({{100, 300}, {300, 300}, {500, 300}, {700, 300}}); // a straight part to the right
        click("LblStopMarquage");
        click("LblOKcourbe");
        step.startParameterLog();
        step.refreshKeypointList();
    }

    QString line(int keypoint, int offset) { return doc().lists.LbxListeKP.at(13 * keypoint + offset); }

    ParameterRecorder& step = session.recorder();
};

TEST_F(ParameterRecorderTest, SavingAppliesLogsCountsAndClearsTheBoxes) {
    ASSERT_EQ(doc().lists.LbxListeKP.size(), 21 * 13);
    controls().setChecked("ChBxEgal", true);
    controls().setChecked("ChbxOpacite", true);
    controls().setText("EdtOpaFin", "40");
    controls().setChecked("ChBxRotation", true);
    controls().setText("EdtRotFin", "22,5");
    doc().range.rangeStart = 2;
    doc().range.rangeEnd = 5;
    EXPECT_TRUE(step.saveRecord());
    EXPECT_EQ(doc().lists.LbxColParametres,
              (QStringList{"=== Etape 5 les paramètres ===", "---", "Début-Fin : (2/5)",
                           "1-Opacité : (100/40)", "4-rotation : (0/22,5)  avec angle : Non  ", "---"}));
    EXPECT_EQ(line(3, 3), "  Opacity=80");
    EXPECT_EQ(line(5, 4), "  Angle=22.5");
    EXPECT_EQ(controls().text("LblQpara"), "1");
    EXPECT_FALSE(controls().checked("ChbxOpacite"));
    EXPECT_TRUE(controls().checked("ChBxEgal")) << "the Egaux boxes keep their state";

    // A range the list cannot hold is neither applied nor logged.
    controls().setChecked("ChbxOpacite", true);
    doc().range.rangeEnd = 21;
    const QStringList before = doc().lists.LbxListeKP;
    EXPECT_FALSE(step.saveRecord());
    EXPECT_EQ(doc().lists.LbxColParametres.size(), 6);
    EXPECT_EQ(doc().lists.LbxListeKP, before);
    EXPECT_EQ(controls().text("LblQpara"), "1");
}

TEST_F(ParameterRecorderTest, CancelAllAsksThenRestoresTheObjectValues) {
    controls().setChecked("ChbxOpacite", true);
    controls().setText("EdtOpaDeb", "5");
    doc().range.rangeStart = 0;
    doc().range.rangeEnd = 1;
    ASSERT_TRUE(step.saveRecord());
    fakes.answers.push_back("cancel");
    step.cancelAllParameters();
    EXPECT_EQ(line(0, 3), "  Opacity=5");
    step.cancelAllParameters(); // no answer queued: OK
    EXPECT_EQ(line(0, 3), "  Opacity=100");
    EXPECT_EQ(doc().lists.LbxColParametres, (QStringList{"=== Etape 5 les paramètres ===", "---"}));
    EXPECT_EQ(doc().parameters.parameterRecordCount, 0);
    EXPECT_EQ(controls().text("LblVOpacity"), "100");
}

TEST_F(ParameterRecorderTest, TangentTableAndTheValuesAtAKeypoint) {
    step.buildTangentTable();
    // A part straight to the right has direction 0 everywhere: 90 - 0.
    for (int k = 0; k < 21; ++k)
        EXPECT_DOUBLE_EQ(doc().parameters.angles.tangentAngles[static_cast<size_t>(k)], 90.0);
    EXPECT_EQ(doc().lists.LbxParametres.last(), "bon/nouv : /90,00");
    doc().host.firstAngle = 30;
    controls().setItemIndex("RdgDecalage", 1);
    step.updateAngleOffsets();
    EXPECT_EQ(doc().parameters.angles.rotationShift, -60.0L);

    doc().keypoints[4].angle = "12.5";
    step.loadKeypointValues(4, 1);
    EXPECT_EQ(controls().text("EdtRotFin"), "12,5");
    step.loadKeypointValues(4, 2);
    EXPECT_EQ(controls().text("LblAngleRelTang"), "-17,50"); // 12.5 - 90 + 60
    step.loadKeypointValues(21, 2);                          // beyond the list: nothing, no crash
}

} // namespace
} // namespace trajecta
