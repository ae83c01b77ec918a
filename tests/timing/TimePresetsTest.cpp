#include "timing/TimePresets.h"
#include "core/CurveSession.h"
#include "timing/PresetMath.h"

#include <numeric>

namespace trajecta {
namespace {

// The presets over a real session of 41 keypoints in step 4, driven as a user
// clicks them.
class TimePresetsTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        doc().host.loadedFirstTimeText = "2000";
        create();
        markMany(7);
        click("LblStopMarquage");
        click("LblOKcourbe");
        base = doc().lists.LbxColTemps;
    }

    void open(const QString& option) {
        click("LblChoixTemps");
        click(option);
    }
    std::vector<int> working() {
        std::vector<int> out;
        for (const KeypointTime& row : doc().timing.keypointTimes)
            out.push_back(row.inUse);
        return out;
    }
    std::vector<int> committed() {
        std::vector<int> out;
        for (const KeypointTime& row : doc().timing.keypointTimes)
            out.push_back(row.committed);
        return out;
    }
    QStringList added() { return doc().lists.LbxColTemps.mid(2); }

    TimePresets& presets = session.timePresets();
    QStringList base;
};

TEST_F(TimePresetsTest, TheOptionListCancelsARangeAndMeasuresTheSteps) {
    click("LblVarDep");
    ASSERT_TRUE(controls().enabled("LblVarAnnule"));
    click("LblChoixTemps");
    EXPECT_EQ(doc().range.rangeStart, -1) << "the range in progress was cancelled";
    EXPECT_EQ(doc().timeEdit.timeMode, TimeMode::Options);
    EXPECT_TRUE(controls().showing("PnlOptionsTemps"));
    EXPECT_TRUE(controls().showing("ShpVitConstante"));
    EXPECT_FALSE(controls().visible("PnlVitConst"));
    EXPECT_FALSE(controls().enabled("LblVarDep"));
    EXPECT_FALSE(controls().enabled("LblVarSave"));
    EXPECT_TRUE(controls().enabled("LblVarAnnule"));
    EXPECT_EQ(doc().presets.sampleDistances.size(), 41u);
    EXPECT_GT(doc().presets.distanceSum, 0);

    // Clicking it again, or "Retour à la gestion personnelle du temps", keeps
    // or closes the list as it should.
    click("LblChoixTemps");
    EXPECT_TRUE(controls().showing("PnlOptionsTemps"));
    click("LblTempsPerso");
    EXPECT_FALSE(controls().visible("PnlOptionsTemps"));
    EXPECT_EQ(doc().timeEdit.timeMode, TimeMode::Personal);
    EXPECT_TRUE(controls().enabled("LblVarDep"));
    EXPECT_FALSE(controls().enabled("LblVarAnnule"));
}

TEST_F(TimePresetsTest, ConstantTimeRecordsOverEveryEarlierRecord) {
    open("LblTempsConstant");
    // 450000 div 40 = 11250, div 20: coarse 0..562 at 56, fine at 11.
    EXPECT_EQ(controls().get("TbrVitGros").max, 562);
    EXPECT_EQ(controls().position("TbrVitGros"), 56);
    EXPECT_EQ(working()[40], 56 * 20 + 11);
    EXPECT_EQ(committed()[40], 134) << "nothing is committed before Enregistrer";
    EXPECT_EQ(controls().text("LblindicReglage"),
              "Réglage du temps global pour durée constante entre les points");
    EXPECT_FALSE(controls().enabled("LblParaFini"));
    controls().userSetPosition("TbrVitGros", 22);
    EXPECT_EQ(working()[1], 451);
    EXPECT_EQ(working()[0], 2000);
    EXPECT_EQ(controls().text("LblTempsTotalVue"), "20 s 40 ms "); // 2000 + 40 x 451

    click("LblVarSave");
    EXPECT_EQ(committed()[17], 451);
    EXPECT_EQ(added(),
              (QStringList{"début/fin : (1,40) choix temps +1", "constante de durée tous points : (451)"}));
    EXPECT_EQ(controls().get("ShpTemoin").colour, 0x008000u);
    EXPECT_EQ(controls().text("LblQpara"), "1");
    EXPECT_FALSE(controls().visible("PnlOptionsTemps"));
    EXPECT_EQ(doc().timeEdit.timeMode, TimeMode::Personal);
    EXPECT_TRUE(controls().enabled("LblVarDep"));
    EXPECT_TRUE(controls().enabled("LblParaFini"));
    EXPECT_TRUE(doc().workflow.timesDirty);

    // Opened again with the sliders where they stand, the preset still sets
    // the times its sliders show.
    open("LblTempsConstant");
    click("LblVarAnnule");
    EXPECT_EQ(working()[5], 451);
    open("LblTempsConstant");
    EXPECT_EQ(controls().position("TbrVitGros"), 56);
    EXPECT_EQ(working()[5], 56 * 20 + 11);
}

TEST_F(TimePresetsTest, ConstantSpeedFollowsTheStepLengths) {
    open("LblVitConstante");
    const TimePresetState& p = doc().presets;
    const int c = controls().position("TbrVitGros") * 20 + controls().position("TbrVitFin");
    EXPECT_EQ(p.speedCoefficient, c) << "the slider setting is in force";
    EXPECT_EQ(controls().get("TbrVitGros").max,
              defaultSpeedCoefficient(p.sampleDistances, p.distanceMin, 41) / 20);
    for (int i = 1; i <= 40; ++i) {
        const Extended exact =
            static_cast<Extended>(c) * p.sampleDistances[static_cast<size_t>(i)] / p.distanceMin;
        EXPECT_LE(std::abs(working()[static_cast<size_t>(i)] - static_cast<double>(exact)), 0.5) << i;
    }
    click("LblVarSave");
    EXPECT_EQ(added().at(1), QStringLiteral("PourCoef {%1}  SommeDistances (%2)  DistMini-DistMaxi [%3/%4]")
                                 .arg(c)
                                 .arg(p.distanceSum)
                                 .arg(p.distanceMin)
                                 .arg(p.distanceMax));
    EXPECT_EQ(controls().get("ShpTemoin").colour, 0x00FF00u);

    // A replayed file supplies its own coefficient, which the preset keeps.
    doc().workflow.replayingFile = true;
    click("LblChoixTemps");
    presets.supplySpeedCoefficient(1234);
    click("LblVitConstante");
    EXPECT_EQ(p.speedCoefficient, 1234);
    EXPECT_EQ(working()[3], std::max(1, roundEven(1234.0L / p.distanceMin * p.sampleDistances[3])));
}

// A typed total sets the sliders to the setting whose times add up nearest to
// it; the field follows the sliders, and the proportional change has none.
TEST_F(TimePresetsTest, ATypedTotalSetsTheSlidersOfConstantTimeAndSpeed) {
    auto sum = [this] {
        const std::vector<int> t = working();
        return std::accumulate(t.begin(), t.end(), 0);
    };
    auto setting = [this] {
        return controls().position("TbrVitGros") * 20 + controls().position("TbrVitFin");
    };
    open("LblTempsConstant");
    EXPECT_EQ(controls().text("EdtDureeTotale"), QString::number(sum())) << "the field shows the total";
    ASSERT_TRUE(controls().userType("EdtDureeTotale", "12345"));
    EXPECT_EQ(doc().presets.constantGap, setting());
    EXPECT_EQ(setting(), 259) << "2000 + 40 gaps: 259 gives 12360, 258 gives 12320";
    EXPECT_EQ(sum(), 12360);
    EXPECT_EQ(controls().text("EdtDureeTotale"), "12345") << "what the user typed stays";
    ASSERT_TRUE(controls().userSetPosition("TbrVitFin", controls().position("TbrVitFin") - 1));
    EXPECT_EQ(controls().text("EdtDureeTotale"), QString::number(sum()));

    click("LblVarAnnule");
    open("LblVitConstante");
    ASSERT_TRUE(controls().userType("EdtDureeTotale", "30000"));
    const int found = setting();
    EXPECT_EQ(doc().presets.speedCoefficient, found);
    const int at = sum();
    for (int other : {found - 1, found + 1}) {
        controls().userSetPosition("TbrVitGros", other / 20);
        controls().userSetPosition("TbrVitFin", other % 20);
        if (setting() == other) {
            EXPECT_GE(std::abs(sum() - 30000), std::abs(at - 30000)) << other;
        }
    }

    click("LblVarAnnule");
    open("LblChoixProportionnel");
    EXPECT_FALSE(controls().showing("EdtDureeTotale"));
}

TEST_F(TimePresetsTest, SlowDownAppliedThenCancelledLeavesNoTrace) {
    const std::vector<int> before = committed();
    open("LblAllerAAuRalenti");
    EXPECT_TRUE(controls().showing("PnlFaireRalenti"));
    EXPECT_FALSE(controls().visible("PnlAppliquer"));
    controls().userSetItemIndex("RdgChoixRalenti", 1);
    // Start: extent 3 .. 41 div 2, in the middle; the cursor shows it and is locked.
    EXPECT_EQ(controls().get("TbEtendueRalenti").min, 3);
    EXPECT_EQ(controls().get("TbEtendueRalenti").max, 20);
    EXPECT_EQ(controls().position("TbEtendueRalenti"), 11);
    EXPECT_EQ(controls().position("TbMontrePoint"), 11);
    EXPECT_FALSE(controls().enabled("TbMontrePoint"));
    EXPECT_EQ(controls().text("LbliRalDebOuFin"), "le ralenti commence au premier point");
    controls().userSetPosition("TbEtendueRalenti", 8);
    EXPECT_EQ(controls().position("TbMontrePoint"), 8);
    EXPECT_FALSE(controls().enabled("LblVarSave"));
    controls().userSetItemIndex("RdgbxRalForce", 2);
    click("LblAppliquer");
    EXPECT_FALSE(controls().enabled("LblAppliquer")) << "one application per choice";
    EXPECT_TRUE(controls().enabled("LblVarSave"));
    EXPECT_GT(working()[1], 4 * before[8]);
    EXPECT_LT(working()[1], 9 * before[8]);
    EXPECT_EQ(working()[8], before[8]);
    EXPECT_EQ(added().mid(2), QStringList{"Ralenti -début : (8,9)"});

    // The end as well, on the times the start left.
    controls().userSetItemIndex("RdgChoixRalenti", 2);
    EXPECT_EQ(controls().get("TbEtendueRalenti").min, 13); // 41 div 3
    EXPECT_EQ(controls().get("TbEtendueRalenti").max, 37); // 41 - 4
    click("LblAppliquer");
    EXPECT_EQ(added().mid(2), (QStringList{"Ralenti -début : (8,9)", "Ralenti -fin : (25,9)"}));

    click("LblVarAnnule");
    EXPECT_EQ(working(), before);
    EXPECT_EQ(doc().lists.LbxColTemps, base);
    EXPECT_TRUE(controls().enabled("TbMontrePoint"));
    EXPECT_TRUE(controls().enabled("ImgFG_haut"));
    EXPECT_EQ(doc().timeEdit.timeMode, TimeMode::Personal);
}

TEST_F(TimePresetsTest, SlowDownRecordedKeepsItsLinesAndTurnsTheIndicatorBlue) {
    const QString count = controls().text("LblQpara");
    open("LblAllerAAuRalenti");
    controls().userSetItemIndex("RdgChoixRalenti", 2);
    click("LblAppliquer");
    EXPECT_EQ(working()[40], 6 * 134);
    click("LblVarSave");
    EXPECT_EQ(committed()[40], 6 * 134);
    EXPECT_EQ(added().last(), "Ralenti -fin : (25,6)");
    EXPECT_EQ(controls().get("ShpTemoin").colour, 0xFF0000u);
    EXPECT_TRUE(controls().enabled("TbMontrePoint"));
    EXPECT_EQ(controls().text("LblQpara"), count) << "a slow-down does not count as a record";

    // Stepping back from a slow-down left open drops its line with the times.
    open("LblAllerAAuRalenti");
    controls().userSetItemIndex("RdgChoixRalenti", 1);
    click("LblAppliquer");
    click("LblEtapeAvant");
    EXPECT_EQ(added().last(), "Ralenti -fin : (25,6)");
    EXPECT_TRUE(controls().enabled("TbMontrePoint"));
}

TEST_F(TimePresetsTest, ProportionalSlidersPersistAndCancelRestoresTheSnapshot) {
    open("LblTempsConstant");
    controls().userSetPosition("TbrVitGros", 10);
    click("LblVarSave");
    const std::vector<int> before = working();

    open("LblChoixProportionnel");
    EXPECT_EQ(controls().text("LblindicReglage"),
              "Augmenter ou diminuer le temps de l'animation (proportionnel)");
    EXPECT_EQ(controls().get("TbrVitGros").min, 1);
    EXPECT_EQ(controls().position("TbrVitGros"), 10);
    EXPECT_EQ(controls().get("TbrVitFin").max, 30);
    const TimePresetState& p = doc().presets;
    EXPECT_DOUBLE_EQ(static_cast<double>(p.proportionalFactor),
                     10.5 * static_cast<double>(p.proportionalStep));
    EXPECT_EQ(working()[1], roundEven(before[1] * p.proportionalFactor + p.proportionalOffset));
    click("LblVarAnnule");
    EXPECT_EQ(working(), before);

    open("LblChoixProportionnel");
    controls().userSetPosition("TbrVitFin", 0);
    click("LblVarSave");
    EXPECT_EQ(added().last(), proportionalRecordLine(p.proportionalFactor, p.proportionalOffset,
                                                     p.proportionalMax, QLatin1Char(',')));
    EXPECT_EQ(controls().get("ShpTemoin").colour, 0x008000u) << "a proportional record leaves the indicator";

    // The fine slider keeps the proportional range in the other presets.
    open("LblTempsConstant");
    EXPECT_EQ(controls().get("TbrVitFin").max, 30);
    EXPECT_EQ(controls().get("TbrVitGros").min, 1);
}

TEST_F(TimePresetsTest, TheTitleFollowsTheLanguage) {
    open("LblVitConstante");
    EXPECT_EQ(doc().presets.titleIndex, 1);
    doc().shell.languageIndex = 1;
    presets.showTitle();
    EXPECT_EQ(controls().text("LblindicReglage"), "Setting the overall time to move at constant speed");
}

} // namespace
} // namespace trajecta
