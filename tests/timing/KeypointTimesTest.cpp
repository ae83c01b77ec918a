#include "timing/KeypointTimes.h"
#include "core/CurveSession.h"
#include "timing/TimeTable.h"

namespace trajecta {
namespace {

// The time step over a real session: the curve core reaches the time table
// through the session's own wiring.
class KeypointTimesTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        doc().host.loadedFirstTimeText = "2000";
        create();
        markMany(7); // two parts: 41 keypoints
        click("LblStopMarquage");
        click("LblOKcourbe");
    }

    void chooseRange(int start, int end) {
        doc().range.rangeStart = start;
        times.startChosen();
        doc().range.rangeEnd = end;
        times.endChosen();
    }
    int committed(int row) { return doc().timing.keypointTimes[static_cast<size_t>(row)].committed; }
    int working(int row) { return doc().timing.keypointTimes[static_cast<size_t>(row)].inUse; }

    KeypointTimes& times = session.times();
};

TEST_F(KeypointTimesTest, FinishingBuildsTheTableAndItsRecord) {
    ASSERT_EQ(doc().timing.keypointTimes.size(), 41u);
    EXPECT_EQ(committed(0), 2000);
    EXPECT_EQ(committed(40), 134); // 5500 div 41
    EXPECT_EQ(doc().lists.LbxColTemps,
              (QStringList{"=== Etape 4 le temps ===", "temps 1er point: (2000)",
                           "début/fin : (1,40) choix temps +0", "temps : (134/134)  vitesse : -0"}));
    EXPECT_EQ(controls().text("LblTempsTotalVue"), "7 s 360 ms ");
    EXPECT_EQ(controls().get("TbMontrePoint").min, 1);
    EXPECT_EQ(controls().get("TbMontrePoint").max, 40);
    EXPECT_TRUE(controls().enabled("LblParaFini"));
    EXPECT_FALSE(controls().enabled("LblVarSave"));
}

TEST_F(KeypointTimesTest, ARangeIsFilledRecordedAndHandedOver) {
    chooseRange(2, 6);
    controls().setChecked("ChBxSpeedUp", true);
    controls().setText("EdtTempsDeb", "100");
    controls().setText("EdtTempsFin", "1600");
    EXPECT_EQ(working(4), 400);
    EXPECT_EQ(committed(4), 134) << "only the working column changes before the record";
    EXPECT_TRUE(controls().enabled("LblVarSave"));
    EXPECT_FALSE(controls().enabled("LblParaFini"));
    EXPECT_EQ(controls().text("LbliDebAbsolu"), "2 s 234 ms "); // 2000 + 134 + 100

    times.recordTimes();
    EXPECT_EQ(committed(5), 800);
    EXPECT_EQ(doc().curve.samplePoints[5].time, 800);
    EXPECT_EQ(doc().lists.LbxColTemps.mid(4),
              (QStringList{"début/fin : (2,6) choix temps +0", "temps : (100/1600)  vitesse : --1"}));
    EXPECT_EQ(doc().lists.LbxTempsKP.at(3), "point 3 : 200");
    EXPECT_EQ(controls().text("LblQpara"), "1");
    EXPECT_EQ(controls().get("ShpTemoin").colour, 0xFF0000u);
    EXPECT_EQ(controls().position("TbMontrePoint"), 6) << "the next range starts where this one ended";
    EXPECT_EQ(doc().range.rangeStart, -1);

    // A record over every keypoint but the first starts the record list anew.
    chooseRange(1, 40);
    controls().setText("EdtTempsDeb", "50");
    times.recordTimes();
    EXPECT_EQ(doc().lists.LbxColTemps.size(), 4);
    EXPECT_EQ(controls().text("LblQpara"), "1");
    EXPECT_EQ(controls().position("TbMontrePoint"), 1);
}

TEST_F(KeypointTimesTest, RefusedTextsReturnWithTheCaretAtTheEnd) {
    chooseRange(3, 5);
    controls().setText("EdtTempsDeb", "450");
    controls().setText("EdtTempsDeb", "45001");
    EXPECT_EQ(controls().text("EdtTempsDeb"), "450");
    EXPECT_EQ(controls().get("EdtTempsDeb").caret, 3);
    ASSERT_TRUE(controls().userType("EdtTempsFin", "-5"));
    EXPECT_EQ(controls().text("EdtTempsFin"), "5") << "the range fields take digits only";

    controls().setText("EdtTemps1st", "300000");
    EXPECT_EQ(working(0), 300000);
    controls().setText("EdtTemps1st", "300001");
    EXPECT_EQ(controls().text("EdtTemps1st"), "300000");
    // No key filter here: a text that is not a whole number is refused too.
    controls().setText("EdtTemps1st", "12a");
    EXPECT_EQ(controls().text("EdtTemps1st"), "300000");
    EXPECT_EQ(working(0), 300000);
    controls().setText("EdtTemps1st", "");
    EXPECT_EQ(working(0), 300000) << "an empty field keeps the last accepted time";
    EXPECT_FALSE(controls().enabled("LblVarSave"));
}

TEST_F(KeypointTimesTest, FirstTimeAloneIsRecordedAndCancelRestoresTheTotal) {
    const QString total = controls().text("LblTempsTotalVue");
    chooseRange(2, 4);
    controls().setText("EdtTempsDeb", "9000");
    EXPECT_NE(controls().text("LblTempsTotalVue"), total);
    times.cancelTimes();
    EXPECT_EQ(controls().text("LblTempsTotalVue"), total);
    EXPECT_EQ(working(3), committed(3));

    controls().setText("EdtTemps1st", "1500");
    EXPECT_TRUE(doc().timeEdit.firstTimePending);
    times.recordTimes();
    EXPECT_EQ(committed(0), 1500);
    EXPECT_EQ(doc().host.firstKeypointTime, 1500);
    EXPECT_EQ(doc().lists.LbxColTemps.at(1), "temps 1er point: (1500)");
    EXPECT_TRUE(controls().enabled("LblParaFini"));
    EXPECT_TRUE(doc().lists.LbxListeKP.isEmpty()) << "no keypoint list exists yet";
}

TEST_F(KeypointTimesTest, ResizingRepeatsTheLastRow) {
    doc().timing.keypointTimes.back() = {77, 88};
    times.resizeTimes(43);
    EXPECT_EQ(working(42), 77);
    EXPECT_EQ(committed(41), 88);
    times.resizeTimes(3);
    EXPECT_EQ(doc().timing.keypointTimes.size(), 3u);
}

const QString timeStep = elevenKeypointsScript();

// The text a printed control shows, from the first line that prints it.
std::string shown(const QStringList& output, const QString& name) {
    for (const QString& line : output) {
        if (!line.startsWith(name + QLatin1Char(' '))) continue;
        const qsizetype at = line.indexOf(QStringLiteral(" text=\""));
        return at < 0 ? std::string() : line.mid(at + 7).chopped(1).toStdString();
    }
    return {};
}

bool enabled(const QStringList& output, const QString& name) {
    for (const QString& line : output)
        if (line.startsWith(name + QLatin1Char(' '))) return line.contains(QStringLiteral(" enabled=1 "));
    return false;
}

// A refused first time on an unchanged field leaves the buttons of an
// unchanged field; one refused over a pending time leaves that time pending.
TEST(FirstTimeJourney, ARefusedFirstTimeChangesNothing) {
    const QStringList unchanged = runScript(timeStep + R"(type EdtTemps1st 300001
print EdtTemps1st
print LblVarSave
print LblParaFini
print LblEtapeApres)")
                                      .output;
    EXPECT_EQ(shown(unchanged, "EdtTemps1st"), "500");
    EXPECT_FALSE(enabled(unchanged, "LblVarSave"));
    EXPECT_TRUE(enabled(unchanged, "LblParaFini"));
    EXPECT_TRUE(enabled(unchanged, "LblEtapeApres"));

    const QStringList pending = runScript(timeStep + R"(type EdtTemps1st 2500
type EdtTemps1st 300001
print LblParaFini
click LblVarSave
list LbxColTemps)")
                                    .output;
    EXPECT_FALSE(enabled(pending, "LblParaFini"));
    EXPECT_TRUE(pending.contains("temps 1er point: (2500)"));
}

// A typed first time not yet recorded is committed with its record line by a
// preset's record and by "Terminé" or "Etape suivante", and given up by every
// cancel and by going back: the field, the record line, the total and the
// object on the clipboard always tell the same first time.
TEST(FirstTimeJourney, APendingFirstTimeIsRecordedOrDroppedWhole) {
    const QList<std::pair<QString, QString>> paths{
        {"click LblVarDep\nclick LblVarAnnule", "500"},
        {"click LblChoixTemps\nclick LblTempsConstant\nclick LblVarSave", "5000"},
        {"click LblChoixTemps\nclick LblVitConstante\nclick LblVarAnnule", "500"},
        {"click LblChoixTemps\nclick LblTempsPerso", "500"},
        {"click LblChoixTemps\nclick LblParaFini", "5000"},
        {"click LblChoixTemps\nclick LblEtapeApres", "5000"},
        {"click LblEtapeAvant\nclick LblOKcourbe", "500"},
    };
    for (const auto& [path, first] : paths) {
        SCOPED_TRACE(path.toStdString());
        const QStringList out = runScript(timeStep + "type EdtTemps1st 5000\n" + path + R"(
print EdtTemps1st
print LblTempsTotalVue
list LbxColTemps
click LblParaFini
click LblParaFini
clipboard print)")
                                    .output;
        EXPECT_EQ(shown(out, "EdtTemps1st"), first.toStdString());
        EXPECT_TRUE(out.contains("temps 1er point: (" + first + ")"));
        QStringList times;
        for (const QString& line : out)
            if (line.startsWith("    Time=")) times << line.mid(9);
        ASSERT_EQ(times.size(), 11);
        EXPECT_EQ(times.first().toStdString(), first.toStdString());
        EXPECT_EQ(shown(out, "LblTempsTotalVue"), formatDuration(times.last().toLongLong()).toStdString());
    }
}

} // namespace
} // namespace trajecta
