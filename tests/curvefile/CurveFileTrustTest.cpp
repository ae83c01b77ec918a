#include "document/KeypointBlock.h"
#include "support/ScriptHarness.h"
#include "support/UserSession.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace trajecta {
namespace {

// `object` read in a window of `window`, and the curve of 11 keypoints finished: step 4.
std::unique_ptr<UserSession> elevenKeypoints(QSize window, const QString& object) {
    auto u = std::make_unique<UserSession>(window);
    u->loadObject(object);
    u->click(QStringLiteral("LbCreation"));
    for (const QPoint& p : {QPoint(100, 200), QPoint(250, 100), QPoint(400, 100), QPoint(700, 300)})
        u->clickAt(p);
    u->click(QStringLiteral("LblStopMarquage"));
    u->set(QStringLiteral("ChBx1"), 1);
    u->set(QStringLiteral("TbrQPoints"), 10);
    u->click(QStringLiteral("LblOKcourbe"));
    return u;
}

// The lines of one kind of every keypoint, one after the other.
std::string linesAt(const QStringList& list, KeypointLine line, int first = 0, int count = 1000) {
    QStringList lines;
    for (qsizetype i = keypointLine(first, line); i < list.size() && lines.size() < count;
         i += keypointBlockLines)
        lines << list[i];
    return lines.join(QLatin1Char('\n')).toStdString();
}

class CurveFileTrust : public ::testing::Test {
  protected:
    // Finishes the project to step 6, saves it and loads it in a fresh window.
    std::unique_ptr<UserSession> saveAndLoad(UserSession& u, QSize window) {
        while (u.step() != Step::Finished)
            if (!u.click(QStringLiteral("LblParaFini"))) return nullptr;
        u.answer(path);
        u.answer(QStringLiteral("yes"));
        u.click(QStringLiteral("LblEnregistrerCourbe"));
        auto loaded = std::make_unique<UserSession>(window);
        loaded->loadObject(object);
        loaded->answer(path);
        loaded->click(QStringLiteral("LblChargerFichier"));
        return loaded;
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.tjc"));
    QString object = testData(QStringLiteral("host_object_in.txt"));
};

// Constant speed and the slow-downs measure the path: loaded in any window
// they give the times they gave where the project was saved.
TEST_F(CurveFileTrust, PresetTimesDoNotDependOnTheWindow) {
    const auto u = elevenKeypoints({1366, 787}, object);
    u->click(QStringLiteral("LblChoixTemps"));
    u->click(QStringLiteral("LblVitConstante"));
    u->click(QStringLiteral("LblVarSave"));
    u->click(QStringLiteral("LblChoixTemps"));
    u->click(QStringLiteral("LblAllerAAuRalenti"));
    u->set(QStringLiteral("RdgChoixRalenti"), 2);
    u->click(QStringLiteral("LblAppliquer"));
    u->click(QStringLiteral("LblVarSave"));
    u->click(QStringLiteral("LblParaFini"));
    const std::string times = linesAt(u->doc().lists.LbxListeKP, KeypointLine::Time);
    for (const QSize window : {QSize(1264, 680), QSize(1920, 1050)}) {
        const auto loaded = saveAndLoad(*u, window);
        ASSERT_EQ(loaded->step(), Step::Finished);
        EXPECT_EQ(linesAt(loaded->doc().lists.LbxListeKP, KeypointLine::Time), times) << window.width();
    }
}

// A record that changes zoom Y alone, made with "Egaux" cleared on an object
// whose zooms are equal, replays untied; the first keypoint time comes back.
TEST_F(CurveFileTrust, ZoomYAloneAndTheFirstTimeComeBack) {
    object.replace(QLatin1String("ScaleY=120"), QLatin1String("ScaleY=150"));
    const auto u = elevenKeypoints({1366, 768}, object);
    u->type(QStringLiteral("EdtTemps1st"), QStringLiteral("2500"));
    u->click(QStringLiteral("LblVarSave"));
    u->click(QStringLiteral("LblParaFini"));
    u->set(QStringLiteral("TbMontrePoint"), 2);
    u->click(QStringLiteral("LblVarDep"));
    u->set(QStringLiteral("TbMontrePoint"), 5);
    u->click(QStringLiteral("LblVarFin"));
    ASSERT_TRUE(u->c().checked(QStringLiteral("ChBxEgal")));
    u->set(QStringLiteral("ChBxEgal"), 0);
    u->set(QStringLiteral("ChBxZoomY"), 1);
    u->type(QStringLiteral("EdtZoomYdeb"), QStringLiteral("100"));
    u->type(QStringLiteral("EdtZoomYfin"), QStringLiteral("200"));
    u->click(QStringLiteral("LblVarSave"));
    const auto loaded = saveAndLoad(*u, {1366, 768});
    ASSERT_EQ(loaded->step(), Step::Finished);
    EXPECT_EQ(linesAt(loaded->doc().lists.LbxListeKP, KeypointLine::ScaleX, 2, 4),
              QStringList(4, QStringLiteral("  ScaleX=150")).join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(loaded->clipboard().toStdString(), u->clipboard().toStdString());
}

// "Fin" may load a time above what the field lets a user type: the field
// shows it, and the range recorded with it is saved and loaded like any other.
TEST_F(CurveFileTrust, ARangeEndAboveTheTypedLimitComesBack) {
    const auto u = elevenKeypoints({1366, 768}, object);
    u->click(QStringLiteral("LblChoixTemps"));
    u->click(QStringLiteral("LblVitConstante"));
    u->set(QStringLiteral("TbrVitGros"), u->c().get(QStringLiteral("TbrVitGros")).max);
    u->click(QStringLiteral("LblVarSave"));
    u->click(QStringLiteral("LblChoixTemps"));
    u->click(QStringLiteral("LblChoixProportionnel"));
    u->set(QStringLiteral("TbrVitGros"), u->c().get(QStringLiteral("TbrVitGros")).max);
    u->click(QStringLiteral("LblVarSave"));
    u->set(QStringLiteral("TbMontrePoint"), 3);
    u->click(QStringLiteral("LblVarDep"));
    u->set(QStringLiteral("TbMontrePoint"), 10);
    u->click(QStringLiteral("LblVarFin"));
    ASSERT_GT(u->c().text(QStringLiteral("EdtTempsFin")).toInt(), 45000);
    u->type(QStringLiteral("EdtTempsDeb"), QStringLiteral("1905"));
    u->click(QStringLiteral("LblVarSave"));
    const auto loaded = saveAndLoad(*u, {1366, 768});
    ASSERT_EQ(loaded->step(), Step::Finished) << loaded->fakes.log.join('\n').toStdString();
    EXPECT_EQ(loaded->clipboard().toStdString(), u->clipboard().toStdString());
}

} // namespace
} // namespace trajecta
