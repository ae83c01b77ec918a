#include "app/Session.h"
#include "support/FakeServices.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace trajecta;

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString notAnObject = QStringLiteral("message: Ce n'est pas un objet PTE [OK] -> OK");

class HostExchangeTest : public ::testing::Test {
  protected:
    FakeServices fakes;
    Session session{fakes.services()};
    CurveDocument& doc = session.document();
    Controls& controls = session.controls();
    HostExchange& host = session.host();

    void copy(const QString& text) { fakes.clipboardText = text; }
    QString clipboard() const { return fakes.clipboardText.value_or("<none>"); }

    void load(const QString& dataFile) {
        copy(testData(dataFile));
        ASSERT_TRUE(controls.userClick("ImgChargeObjetPte_Haut"));
        ASSERT_TRUE(doc.host.objectAccepted);
    }

    // Four sample points in a 1000 x 600 work area without a frame; record 0's
    // time is replaced by the first keypoint time when the list is written.
    void setCurve() {
        doc.workflow.workWidth = 1000;
        doc.workflow.workHeight = 600;
        doc.frame.framePresent = false;
        doc.curve.sampleCount = 4;
        const SamplePoint points[] = {{500, 300, 0}, {750, 150, 400}, {1000, 600, 600}, {333, 100, 250}};
        for (int k = 0; k < 4; ++k)
            doc.curve.samplePoints[static_cast<size_t>(k)] = points[k];
        doc.timing.keypointTimes = {{500, 500}, {400, 400}, {600, 600}, {250, 250}};
        doc.lists.LbxColTemps = QStringList{"=== Etape 4 le temps ===", "temps 1er point: (500)", "x", "y"};
    }

    // Loads the golden object, builds the keypoint list and writes it.
    void writeGolden() {
        fakes.separator = QLatin1Char(','); // the host text keeps "." whatever the locale says
        load("host_object_in.txt");
        setCurve();
        host.rebuildKeyPointList();
        ASSERT_TRUE(host.writeObjectText(doc.lists.LbxListeKP, WrittenList::Keypoints));
    }
};

} // namespace

TEST_F(HostExchangeTest, TheProgramStartsWithTheLoadPanelAndTheSampleObject) {
    EXPECT_TRUE(controls.showing("PnlChargeObjetPte"));
    EXPECT_EQ(doc.lists.LbxPoucet.size(), 45);
    EXPECT_EQ(doc.lists.LbxPoucet.first(), "object petit Poucet:Box");

    // The raised picture hides while the button is held.
    ASSERT_TRUE(controls.userMouseDown("ImgChargeObjetPte_Haut"));
    EXPECT_FALSE(controls.visible("ImgChargeObjetPte_Haut"));
    ASSERT_TRUE(controls.userMouseUp("ImgChargeObjetPte_Haut"));
    EXPECT_TRUE(controls.visible("ImgChargeObjetPte_Haut"));

    doc.shell.clientWidth = 1366;
    doc.shell.clientHeight = 768;
    host.formActivate();
    const ControlState& panel = controls.get("PnlChargeObjetPte");
    EXPECT_EQ((QList<int>{panel.left, panel.top, panel.width, panel.height}),
              (QList<int>{558, 256, 250, 54}));
    EXPECT_EQ(controls.get("LblTravauxEnCours").left, 558);
    EXPECT_EQ(controls.get("LblTravauxEnCours").top, 390);
}

TEST_F(HostExchangeTest, RefusedTextsAreAnnouncedAndLeaveTheHeldObject) {
    load("host_object_in.txt");
    const QStringList held = doc.lists.LbxAcquiClipboard;
    const CurveDocument before = doc;
    controls.show("PnlChargeObjetPte");
    for (const std::optional<QString>& text :
         {std::optional<QString>(), std::optional<QString>(""), std::optional<QString>("just\r\ntext"),
          std::optional<QString>(QString::fromLatin1("\x89PNG\r\n\x1a\n") + QChar(0) +
                                 "PicturesToExe-Objects")}) {
        fakes.clipboardText = text;
        fakes.log.clear();
        ASSERT_TRUE(controls.userClick("ImgChargeObjetPte_Haut"));
        EXPECT_EQ(fakes.log, QStringList{notAnObject});
        EXPECT_TRUE(controls.showing("PnlChargeObjetPte"));
        EXPECT_FALSE(controls.visible("LblTravauxEnCours"));
        EXPECT_EQ(doc.lists.LbxAcquiClipboard, held);
        EXPECT_EQ(doc.host.slideOffset, before.host.slideOffset);
        EXPECT_EQ(doc.host.keyPointDefaults.opacity, "80");
    }
    // A bad time in the PanSpeed value gets its own message only.
    QString bad = testData("host_object_in.txt");
    bad.replace("Origin=SlideBegin", "Origin=SlideEnd").replace("3;4500;5500;7000;", "3;4500;55x0;7000;");
    bad.replace("Time=1000\r\n    Origin=PrevEffectEnd", "Time=1000\r\n    Origin=SlideBegin");
    copy(bad);
    fakes.log.clear();
    ASSERT_TRUE(controls.userClick("ImgChargeObjetPte_Haut"));
    EXPECT_EQ(fakes.log,
              QStringList{"message: Valeur incorrecte dans la ligne PanSpeed : \"55x0\" [OK] -> OK"});
    EXPECT_EQ(doc.lists.LbxAcquiClipboard, held);
}

TEST_F(HostExchangeTest, LoadingAnObjectKeepsItsValuesAndReachesStepOne) {
    QString text = testData("host_object_in.txt");
    text.replace("\r\n", "\r"); // line ends of another platform are read the same
    copy(text);
    ASSERT_TRUE(controls.userClick("ImgChargeObjetPte_Haut"));
    EXPECT_TRUE(fakes.log.isEmpty()) << fakes.log.join('\n').toStdString();
    EXPECT_FALSE(controls.visible("PnlChargeObjetPte"));
    EXPECT_EQ(doc.workflow.currentStep, Step::Format);
    EXPECT_TRUE(controls.showing("RdgChoixEcran"));
    EXPECT_EQ(doc.lists.LbxAcquiClipboard, testDataLines("host_object_in.txt"));
    const HostObjectState& h = doc.host;
    EXPECT_EQ(h.firstKeypointTime, 500);
    EXPECT_EQ(h.slideOffset, 4000);
    EXPECT_EQ(h.loadedFirstTimeText, "500");
    EXPECT_EQ(controls.text("Lbl1erKP"), "500");
    EXPECT_EQ(h.firstAngle, 12.5L);
    EXPECT_EQ((QStringList{h.keyPointDefaults.opacity, h.keyPointDefaults.angle, h.keyPointDefaults.scaleX,
                           h.keyPointDefaults.scaleY, h.keyPointDefaults.centreX, h.keyPointDefaults.centreY,
                           h.keyPointDefaults.angleX, h.keyPointDefaults.angleY, h.keyPointDefaults.zPos}),
              (QStringList{"80", "12.5", "150", "120", "5", "-5", "0", "10", "0"}));
    EXPECT_FALSE(h.zoomEqual);
    EXPECT_FALSE(h.centreEqual);

    // A first keypoint not counted from the slide is announced, and accepted;
    // the trace about the first keypoint is written once the warning is read.
    controls.show("PnlChargeObjetPte");
    copy(testData("host_object_in.txt").replace("Origin=SlideBegin", "Origin=PrevEffectEnd"));
    QStringList traceDuringWarning;
    fakes.report = [&](const QString&) { traceDuringWarning = doc.lists.LbxPointsCourbe; };
    ASSERT_TRUE(controls.userClick("ImgChargeObjetPte_Haut"));
    fakes.report = nullptr;
    EXPECT_EQ(traceDuringWarning, QStringList{"Ligne de PanSpeed = 12"});
    EXPECT_EQ(doc.lists.LbxPointsCourbe.size(), 6);
    EXPECT_EQ(fakes.log,
              QStringList{"message: Il est possible que le temps du premier point-clé soit faux : à vous "
                          "de le rectifier à l'étape 4 [OK] -> OK"});
    EXPECT_EQ(doc.host.firstKeypointTime, 2000);
    EXPECT_FALSE(doc.host.firstTimeReliable);
}

TEST_F(HostExchangeTest, TheWrittenObjectMatchesTheGoldenTextAndWritingAgainChangesNothing) {
    writeGolden();
    EXPECT_EQ(doc.lists.LbxListeKP.size(), 52);
    EXPECT_EQ(doc.lists.LbxListeKP[13 + 7], "  Position=50,-50");
    EXPECT_EQ(clipboard(), testData("host_object_out.txt"));
    EXPECT_TRUE(controls.visible("PnlTransfertSeul"));
    EXPECT_TRUE(controls.visible("Pnl_nouvel_objet"));
    EXPECT_FALSE(controls.visible("PnlTransfertEtRetour"));
    EXPECT_EQ(doc.workflow.messageIndex, StepMessage::ObjectOnClipboard);
    EXPECT_EQ(controls.text("LbInfos"),
              "Etape 6 : L'objet PTE est dans le presse-papier, collez-le dans PTE");

    ASSERT_TRUE(host.writeObjectText(doc.lists.LbxListeKP, WrittenList::Keypoints));
    EXPECT_EQ(clipboard(), testData("host_object_out.txt"));

    // Transfer only puts the last object back after something else was copied.
    copy("something else");
    ASSERT_TRUE(controls.userClick("ImgTransfertSeul_Haut"));
    EXPECT_EQ(clipboard(), testData("host_object_out.txt"));
}

// The largest list, written over the golden object and again over the object
// read back from the clipboard with some positions changed, is every time the
// golden text with its speed values and its entries replaced, byte for byte.
TEST_F(HostExchangeTest, TheLargestListIsWrittenWholeOverTheEntriesItLeft) {
    writeGolden();
    const QStringList golden = testDataLines("host_object_out.txt");
    QString speed = "961;";
    for (int k = 0; k < 961; ++k)
        speed += QString::number(4500 + 10 * k) + ';';
    speed += "1;0;960;0;1;0;1;";
    const auto expected = [&] {
        QStringList lines = golden.mid(0, 17);
        for (QString& line : lines)
            for (const QString key : {"  PanSpeed=", "  RotateSpeed=", "  ZoomSpeed="})
                if (line.startsWith(key)) line = key + speed;
        for (const QString& line : doc.lists.LbxListeKP)
            lines << "  " + line;
        return (lines + golden.mid(69)).join("\r\n") + "\r\n";
    };
    doc.curve.sampleCount = 961;
    for (int k = 1; k < 961; ++k)
        doc.curve.samplePoints[static_cast<size_t>(k)] = {(k * 37) % 1000, (k * 53) % 600, 10};
    host.rebuildKeyPointList();
    ASSERT_TRUE(host.writeObjectText(doc.lists.LbxListeKP, WrittenList::Keypoints));
    ASSERT_EQ(clipboard(), expected());

    ASSERT_EQ(host.readObjectText(false), ObjectRead::Status::Accepted);
    for (int k = 1; k < 961; k += 3)
        doc.curve.samplePoints[static_cast<size_t>(k)].x += 1;
    host.rebuildKeyPointList();
    ASSERT_TRUE(host.writeObjectText(doc.lists.LbxListeKP, WrittenList::Keypoints));
    EXPECT_EQ(clipboard(), expected());
    EXPECT_EQ(doc.lists.LbxAcquiClipboard, splitClipboardText(clipboard()));
}

TEST_F(HostExchangeTest, ReversedAndPartialListsGiveTheTimesTheyCarry) {
    writeGolden();
    const QStringList& list = doc.lists.LbxListeKP;
    doc.lists.LbxKPinverse = list.mid(39, 13) + list.mid(26, 13) + list.mid(13, 13) + list.mid(0, 13);
    ASSERT_TRUE(host.writeObjectText(doc.lists.LbxKPinverse, WrittenList::Reversed));
    EXPECT_TRUE(clipboard().contains("  PanSpeed=4;1750;1500;900;500;1;0;3;0;1;0;1;\r\n"
                                     "  RotateSpeed=4;1750;1500;900;500;1;0;3;0;1;0;1;\r\n"));

    doc.lists.LbxListeKPpartielle = list.mid(13, 26);
    doc.extras.keptCount = 2;
    ASSERT_TRUE(host.writeObjectText(doc.lists.LbxListeKPpartielle, WrittenList::Partial));
    const QStringList out = splitClipboardText(clipboard());
    EXPECT_EQ(out.count("  ZoomSpeed=2;900;1500;1;0;1;0;1;0;1;"), 1);
    EXPECT_EQ(out.filter("  object KeyPoint").size(), 2);
    EXPECT_EQ(out.size(), testDataLines("host_object_out.txt").size() - 26);

    // A list that does not hold one block per keypoint is refused untouched.
    const QStringList held = doc.lists.LbxAcquiClipboard;
    copy("kept");
    fakes.log.clear();
    doc.extras.keptCount = 3;
    EXPECT_FALSE(host.writeObjectText(doc.lists.LbxListeKPpartielle, WrittenList::Partial));
    EXPECT_FALSE(host.writeObjectText(list.mid(0, 50), WrittenList::Keypoints));
    EXPECT_EQ(fakes.log, (QStringList{"beep", "beep"}));
    EXPECT_EQ(clipboard(), "kept");
    EXPECT_EQ(doc.lists.LbxAcquiClipboard, held);
}

TEST_F(HostExchangeTest, RefreshingRewritesOnlyPositionsOrTimes) {
    writeGolden();
    QStringList& list = doc.lists.LbxListeKP;
    list[13 + 3] = "  Opacity=33"; // a parameter recorded in step 5
    doc.curve.samplePoints[1] = {500, 0, 100};
    doc.workflow.positionsStale = true;
    host.refreshPositions();
    EXPECT_EQ(list[13 + 7], "  Position=0,-100");
    EXPECT_EQ(list[13 + 3], "  Opacity=33");
    EXPECT_EQ(list[13 + 1], "  Time=900");
    EXPECT_FALSE(doc.workflow.positionsStale);
    doc.workflow.timesDirty = true;
    host.refreshTimes();
    EXPECT_EQ(list[13 + 1], "  Time=600");
    EXPECT_EQ(list[39 + 1], "  Time=1450");
    EXPECT_FALSE(doc.workflow.timesDirty);

    // Geometry moved later: the positions follow while the counts match.
    doc.workflow.timesValid = true;
    doc.workflow.savedSampleCount = 4;
    doc.frame.framePresent = true;
    doc.frame.frameRect = {100, 100, 500, 400};
    doc.curve.samplePoints[2] = {100, 100, 0};
    session.curveView().refreshObjectText();
    EXPECT_EQ(list[7], "  Position=100,33.333333");
    EXPECT_EQ(list[26 + 7], "  Position=-100,-100");
    EXPECT_EQ(list[13 + 3], "  Opacity=33");
}

TEST_F(HostExchangeTest, ANewObjectReceivesTheKeypointsWithItsOwnFirstTime) {
    writeGolden();
    const QString step6 = controls.text("LbInfos");
    // A refused object puts nothing on the clipboard, so the message line keeps saying what is there.
    copy("not an object");
    ASSERT_TRUE(controls.userClick("ImgNvlObjet_haut"));
    EXPECT_EQ(doc.workflow.messageIndex, StepMessage::ObjectOnClipboard);
    EXPECT_EQ(controls.text("LbInfos"), step6);

    copy("PicturesToExe-Objects\r\n" + doc.lists.LbxPoucet.join("\r\n"));
    ASSERT_TRUE(controls.userClick("ImgNvlObjet_haut"));
    const QStringList out = splitClipboardText(clipboard());
    EXPECT_EQ(out.mid(0, 21), (QStringList{"PicturesToExe-Objects"} + doc.lists.LbxPoucet.mid(0, 20)));
    EXPECT_EQ(out[21], "  PanSpeed=4;1000;1400;2000;2250;1;0;3;0;1;0;1;");
    EXPECT_EQ(out[31], "  object KeyPoint1:KeyPoint");
    EXPECT_EQ(out[32], "    Time=0");
    EXPECT_EQ(out.mid(31 + 52), (QStringList{"  Antialiased=0", "end"}));
    EXPECT_EQ(doc.timing.keypointTimes[0].committed, 0);
    EXPECT_EQ(doc.lists.LbxColTemps[1], "temps 1er point: (0)");
    EXPECT_EQ(doc.workflow.messageIndex, StepMessage::NewObjectOnClipboard);
    EXPECT_EQ(controls.text("LbInfos"), "Un nouvel objet a été mis dans le presse-papier,collez-le dans PTE");
    DoneSteps all;
    all.setAll(true);
    EXPECT_EQ(doc.workflow.stepDone, all);
    // The new first time (0 instead of 500) shortens the whole animation.
    EXPECT_EQ(controls.text("EdtTemps1st"), "0");
    EXPECT_EQ(controls.text("LblTempsMiniVueFinal"), "Durée minimum pour la vue : 1 s 250 ms ");
    EXPECT_EQ(doc.host.keyPointDefaults.opacity, "80"); // only a load at the start takes the values
    // A full rebuild gives the keypoints the values of that one object again,
    // its angle with the others, as the new object received them.
    const QStringList written = doc.lists.LbxListeKP;
    host.rebuildKeyPointList();
    EXPECT_EQ(doc.lists.LbxListeKP, written);
    EXPECT_EQ(doc.host.firstAngle, 12.5L);

    fakes.log.clear();
    copy("not an object");
    ASSERT_TRUE(controls.userClick("ImgNvlObjet_haut"));
    EXPECT_EQ(fakes.log, QStringList{notAnObject});
    EXPECT_EQ(clipboard(), "not an object");
    EXPECT_EQ(doc.workflow.messageIndex, StepMessage::NewObjectOnClipboard);
}

TEST_F(HostExchangeTest, TheTotalTransferTakesTheObjectCopiedAgain) {
    writeGolden();
    controls.show("PnlTransfertEtRetour");
    fakes.log.clear();
    for (const QString& bad :
         {QString("nothing"), QString("PicturesToExe-Objects\r\nobject A:B\r\nend\r\n")}) {
        copy(bad);
        ASSERT_TRUE(controls.userClick("ImgTransfertTotalHaut"));
        EXPECT_EQ(clipboard(), bad);
    }
    EXPECT_EQ(fakes.log, (QStringList{"beep", "beep"}));

    copy(testData("host_object_in.txt").replace("Time=500", "Time=abc"));
    ASSERT_TRUE(controls.userClick("ImgTransfertTotalHaut"));
    EXPECT_EQ(doc.host.firstKeypointTime, 0);
    EXPECT_EQ(doc.host.slideOffset, 4500);
    EXPECT_EQ(controls.text("Label10"), "0 / 4500");
    EXPECT_TRUE(clipboard().contains("  PanSpeed=4;5000;5400;6000;6250;"));
    EXPECT_EQ(doc.workflow.messageIndex, StepMessage::NewObjectOnClipboard);
    EXPECT_FALSE(controls.visible("PnlTransfertEtRetour"));

    copy(testData("host_object_in.txt"));
    controls.show("PnlTransfertEtRetour");
    ASSERT_TRUE(controls.userClick("ImgTransfertTotalHaut"));
    EXPECT_EQ(clipboard(), testData("host_object_out.txt"));
}

TEST_F(HostExchangeTest, TheSampleObjectLoadsLikeACopiedOne) {
    ASSERT_TRUE(controls.userClick("ChargerExemple"));
    EXPECT_FALSE(controls.visible("PnlChargeObjetPte"));
    EXPECT_EQ(doc.lists.LbxAcquiClipboard, QStringList{"PicturesToExe-Objects"} + doc.lists.LbxPoucet);
    EXPECT_EQ(doc.host.slideOffset, 1000);
    EXPECT_TRUE(doc.host.zoomEqual);
    EXPECT_TRUE(doc.host.centreEqual);
    EXPECT_EQ(doc.lists.LbxPointsCourbe.first(), "Ligne de PanSpeed = 21");
    // Once the work has started it would throw the curve away: refused.
    ASSERT_TRUE(controls.userClick("ChargerExemple"));
    EXPECT_EQ(fakes.log, QStringList{"beep"});
}

TEST(HostJourney, ACopiedObjectLeadsToStepOne) {
    const ScriptResult r = runScript("clipboard set host_object_in.txt\n"
                                     "click ImgChargeObjetPte_Haut\n"
                                     "print PnlChargeObjetPte\n"
                                     "print LbInfos\n"
                                     "list LbxPointsCourbe\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.output,
              (QStringList{
                  "PnlChargeObjetPte visible=0 showing=0 enabled=1 text=\"\"",
                  "LbInfos visible=1 showing=1 enabled=1 text=\"Etape 1 : choisissez le format d'écran et "
                  "cliquez sur Créer une nouvelle courbe\"",
                  "Ligne de PanSpeed = 12",
                  "Le clipboard a 59 lignes",
                  "La vue commence à : 4000",
                  "1er KP situé à : 4500 du début du diaporama",
                  "1er KP situé à : 500 du début de la vue",
                  "",
              }));
}
