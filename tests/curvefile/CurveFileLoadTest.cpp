#include "core/CurveSession.h"
#include "curvefile/CurveFileText.h"
#include "support/ScriptHarness.h"

#include <QTemporaryDir>

namespace trajecta {
namespace {

QStringList fileFor(const QString& size, const QStringList& points, const QString& frame) {
    QStringList f{"Fait le 01/01/2020", "-----", "=== Etape 1 ===",      "format : 15/10",
                  "taille : " + size,   "-----", "=== Etape 2 et 3 ===", "parties= /1\\"};
    f << points << frame << "partie (0) [10]"
      << "Fermer la courbe : non"
      << "=== Etape 4 le temps ==="
      << "temps 1er point: (0)"
      << "début/fin : (2,6) choix temps +0"
      << "temps : (100/1600)  vitesse : --1"
      << "=== Etape 5 les paramètres ==="
      << "---"
      << "Début-Fin : (3/10)"
      << "1-Opacité : (20/80)"
      << "---";
    return f;
}

const QStringList points{"point 1 (5x7)  %[0x0]  Etat : /3\\", "point 2 (500x300)  %[0x0]  Etat : /1\\",
                         "point 3 (900x300)  %[0x0]  Etat : /2\\", "point 4 (1300x900)  %[0x0]  Etat : /4\\"};

// Loading from the step-1 screen of a session that holds a host object; the
// window gives the 15/10 format a work area of 720 × 480.
class CurveFileLoad : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        ASSERT_TRUE(folder.isValid());
        session.setClientSize(2000, 480 + 234);
        fakes.clipboardText = testData("host_object_in.txt");
        click("ImgChargeObjetPte_Haut");
        ASSERT_EQ(doc().workflow.currentStep, Step::Format);
    }
    QString write(const QStringList& lines, const QString& name = "c.tjc") {
        const QString path = folder.filePath(name);
        EXPECT_EQ(writeFileAtomically(path, encodeCurveFile(lines)), "");
        return path;
    }
    void load(const QString& path) {
        fakes.answers.push_back(path);
        click("LblChargerFichier");
    }
    // Loads each file and expects it refused with the line named in `detail`,
    // changing nothing but the message: the lists, the pictures, the controls
    // and the clipboard stay.
    void expectRefused(const std::vector<std::pair<QStringList, QString>>& cases) {
        fakes.clipboardText = "before";
        const QImage picture = session.workPicture().copy();
        const std::vector<ControlState> shown = controls().states();
        NamedLists lists = doc().lists;
        for (const auto& [file, detail] : cases) {
            fakes.log.clear();
            load(write(file));
            ASSERT_EQ(fakes.log.size(), 2) << detail.toStdString();
            EXPECT_EQ(
                fakes.log[1].toStdString(),
                ("message: Erreur dans le fichier, j'abandonne\\n" + detail + " [OK] -> OK").toStdString());
            EXPECT_EQ(doc().workflow.currentStep, Step::Format);
            EXPECT_FALSE(doc().workflow.replayingFile);
            EXPECT_EQ(fakes.clipboardText, "before");
            EXPECT_TRUE(session.workPicture() == picture) << detail.toStdString();
            EXPECT_TRUE(controls().states() == shown) << detail.toStdString();
            for (const QString& name : NamedLists::names())
                EXPECT_EQ(*doc().lists.find(name), *lists.find(name)) << name.toStdString();
        }
    }

    QTemporaryDir folder;
};

// Every coordinate is rescaled to the work area of the moment, halves to even;
// the records are replayed on the rescaled curve and step 6 is reached.
TEST_F(CurveFileLoad, GeometryIsRescaledAndTheRecordsReplayed) {
    load(write(fileFor("/1440x960\\", points, "cadre : 101,100,1300,900,")));
    ASSERT_EQ(doc().workflow.currentStep, Step::Finished) << fakes.log.join('\n').toStdString();
    EXPECT_EQ(doc().workflow.workWidth, 720);
    EXPECT_EQ(doc().workflow.workHeight, 480);
    EXPECT_EQ(point(0), QPoint(2, 4));
    EXPECT_EQ(point(1), QPoint(250, 150));
    EXPECT_EQ(point(3), QPoint(650, 450));
    EXPECT_EQ(doc().curve.pointStates[2], 2) << "a broken tangent stays broken";
    const FrameRect& f = doc().frame.frameRect;
    EXPECT_EQ(std::tuple(f.left, f.top, f.right, f.bottom), std::tuple(50, 50, 650, 450));
    EXPECT_FALSE(doc().workflow.replayingFile);
    EXPECT_FALSE(controls().visible("LblTravauxEnCours"));
    EXPECT_EQ(controls().text("KeyPointsBezier"), "c.tjc");
    EXPECT_EQ(doc().lists.LbxColTemps.mid(4),
              (QStringList{"début/fin : (2,6) choix temps +0", "temps : (100/1600)  vitesse : --1"}));
    EXPECT_EQ(doc().parameters.parameterRecordCount, 1);
    EXPECT_TRUE(fakes.clipboardText->startsWith("PicturesToExe-Objects"));
}

// A damaged file, or one that fails while it is replayed, changes nothing but
// the message: the lists, the pictures, the controls and the clipboard stay.
TEST_F(CurveFileLoad, DamagedFilesLeaveTheSessionAsItWas) {
    QStringList many = points;
    for (int i = 0; i < 48; ++i)
        many.insert(1, "point 2 (1x1)  %[0x0]  Etat : /1\\");
    QStringList noSeparator = fileFor("/1440x960\\", points, "cadre : ---");
    noSeparator.removeAll("-----");
    QStringList badRange = fileFor("/1440x960\\", points, "cadre : ---");
    badRange[18] = "temps : (100/1,5)  vitesse : -0";
    // A slow-down that ends on the first keypoint has nothing to spread over.
    QStringList noSpread = fileFor("/1440x960\\", points, "cadre : ---");
    noSpread.insert(19, "Ralenti -début : (1,6)");
    const std::vector<std::pair<QStringList, QString>> cases{
        {noSeparator, "ligne 23 : une ligne manque"},
        {fileFor("/1440x960\\", many, "cadre : ---"), "ligne 58 : point 2 (500x300)  %[0x0]  Etat : /1\\"},
        {badRange, "ligne 19 : temps : (100/1,5)  vitesse : -0"},
        // Sound on its own, but a pixel of the recorded area grows past any screen.
        {fileFor("/1x1\\",
                 {"point 1 (0x0)  %[0x0]  Etat : /3\\", "point 2 (1x1)  %[0x0]  Etat : /1\\",
                  "point 3 (1x1)  %[0x0]  Etat : /2\\", "point 4 (32767x1)  %[0x0]  Etat : /4\\"},
                 "cadre : ---"),
         "le fichier ne se rejoue pas sur cette courbe"},
        {noSpread, "le fichier ne se rejoue pas sur cette courbe"},
    };
    ASSERT_NO_FATAL_FAILURE(expectRefused(cases));
    const std::vector<ControlState> shown = controls().states();
    fakes.log.clear();
    load(folder.path());
    ASSERT_EQ(fakes.log.size(), 2);
    EXPECT_TRUE(fakes.log[1].startsWith("message: Le fichier " + folder.path() + " n'a pas pu être lu"));
    EXPECT_TRUE(controls().states() == shown);
}

// What the program never writes is refused on its line: a saved file cut
// short or with its parameter header mangled, a frame below the editor's
// 10 x 10, a constant time of 0 between keypoints.
TEST_F(CurveFileLoad, SavedFilesCutShortOrWithImpossibleValuesAreRefused) {
    const std::optional<QByteArray> bytes = readWholeFile(TRAJECTA_TEST_DATA "/curve_file_saved.tjc");
    ASSERT_TRUE(bytes.has_value());
    const QStringList saved = decodeCurveFile(*bytes);
    ASSERT_EQ(saved.size(), 36);
    const auto with = [&saved](qsizetype line, const QString& text) {
        QStringList file = saved;
        file[line - 1] = text;
        return file;
    };
    QStringList noGap = with(22, "début/fin : (1,50) choix temps +1");
    noGap[22] = "constante de durée tous points : (0)";
    ASSERT_NO_FATAL_FAILURE(expectRefused({
        {saved.mid(0, 25), "ligne 26 : une ligne manque"},
        {saved.mid(0, 26), "ligne 27 : une ligne manque"},
        {saved.mid(0, 35), "ligne 36 : une ligne manque"},
        {with(26, "=== Etape 5 les paramÃ¨tres ==="), "ligne 26 : === Etape 5 les paramÃ¨tres ==="},
        {with(16, "cadre : 100,100,100,100,"), "ligne 16 : cadre : 100,100,100,100,"},
        {with(16, "cadre : 567,450,100,100,"), "ligne 16 : cadre : 567,450,100,100,"},
        {with(16, "cadre : 100,100,567,109,"), "ligne 16 : cadre : 100,100,567,109,"},
        {noGap, "ligne 23 : constante de durée tous points : (0)"},
    }));
    load(write(saved.mid(0, 27)));
    EXPECT_EQ(doc().workflow.currentStep, Step::Finished) << "an empty parameter log still loads";
}

// Saving: the default extension, the replace question, and a write that
// cannot happen, which names the file and leaves the caption alone.
TEST_F(CurveFileLoad, SavingAsksBeforeReplacingAndReportsFailures) {
    load(write(fileFor("/1440x960\\", points, "cadre : ---"), "first.tjc"));
    ASSERT_EQ(doc().workflow.currentStep, Step::Finished);
    const QString target = folder.filePath("copy");
    fakes.answers.push_back(target);
    click("LblEnregistrerCourbe");
    EXPECT_EQ(controls().text("KeyPointsBezier"), "copy.tjc");
    const std::optional<QByteArray> written = readWholeFile(target + ".tjc");
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(decodeCurveFile(*written), doc().lists.LbxFichier);

    ASSERT_EQ(writeFileAtomically(target + ".tjc", "old"), "");
    fakes.answers.push_back(target + ".tjc");
    fakes.answers.push_back("yes");
    click("LblEnregistrerCourbe");
    EXPECT_EQ(readWholeFile(target + ".tjc"), written);
    EXPECT_TRUE(fakes.log.last().contains("Le fichier existe, voulez-vous le remplacer ? [Yes/No] -> Yes"));

    fakes.answers.push_back(folder.filePath("missing/x.tjc"));
    click("LblEnregistrerCourbe");
    EXPECT_TRUE(fakes.log.last().startsWith("message: Le fichier " + folder.filePath("missing/x.tjc") +
                                            " n'a pas été écrit"));
    EXPECT_EQ(controls().text("KeyPointsBezier"), "copy.tjc");
}

// Only step 6 offers the save; a save whose file would not load back is
// refused before anything is asked or written.
TEST_F(CurveFileLoad, OnlyAFileThatLoadsBackIsSaved) {
    load(write(fileFor("/1440x960\\", points, "cadre : ---"), "first.tjc"));
    ASSERT_EQ(doc().workflow.currentStep, Step::Finished);
    click("LblEtapeAvant");
    EXPECT_FALSE(controls().showing("PnlEnregistrerCourbe")) << "step 5";
    click("LblEtapeAvant");
    click("LblEtapeAvant");
    ASSERT_EQ(doc().workflow.currentStep, Step::Shaping);
    fakes.log.clear();
    fakes.answers.push_back(folder.filePath("early.tjc"));
    session.curveFile().saveCurveFile();
    fakes.answers.clear();
    EXPECT_EQ(fakes.log.join('\n').toStdString(),
              "message: La courbe n'est pas enregistrée : le fichier ne se chargerait pas\\n"
              "ligne 18 : une ligne manque [OK] -> OK");
    EXPECT_FALSE(QFile::exists(folder.filePath("early.tjc")));
    EXPECT_EQ(controls().text("KeyPointsBezier"), "first.tjc");
}

} // namespace
} // namespace trajecta
