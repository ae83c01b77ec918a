#include "core/Messages.h"
#include "document/KeypointBlock.h"
#include "support/ScriptHarness.h"
#include "support/UserSession.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace trajecta {
namespace {

const QSize window(1366, 768);

// The keypoint lines of one kind, trimmed, in the order they come.
QStringList keypointLines(const QStringList& lines, const QString& kind) {
    QStringList found;
    for (const QString& line : lines)
        if (line.trimmed().startsWith(kind + QLatin1Char('='))) found << line.trimmed();
    return found;
}

// Journeys that go back from a finished project, change something and come
// back to step 6: the object on the clipboard, the keypoint list and the
// object a fresh load of the saved project gives must agree.
class StepBackJourney : public ::testing::Test {
  protected:
    // Eleven keypoints, a time range 1..5 and an opacity record 2..5: step 6.
    void SetUp() override {
        u.loadObject(object);
        markCurve({QPoint(100, 200), QPoint(250, 100), QPoint(400, 100), QPoint(700, 300)}, 10);
        range(1, 5);
        u.type(QStringLiteral("EdtTempsDeb"), QStringLiteral("100"));
        u.type(QStringLiteral("EdtTempsFin"), QStringLiteral("600"));
        u.click(QStringLiteral("LblVarSave"));
        u.click(QStringLiteral("LblParaFini"));
        range(2, 5);
        u.set(QStringLiteral("ChbxOpacite"), 1);
        u.type(QStringLiteral("EdtOpaDeb"), QStringLiteral("100"));
        u.type(QStringLiteral("EdtOpaFin"), QStringLiteral("40"));
        u.click(QStringLiteral("LblVarSave"));
        u.click(QStringLiteral("LblParaFini"));
        ASSERT_EQ(u.step(), Step::Finished);
        ASSERT_TRUE(u.refused.isEmpty()) << u.refused.join('\n').toStdString();
    }

    // A curve of one part marked at `points`, `samples` samples: step 4.
    void markCurve(std::initializer_list<QPoint> points, int samples) {
        u.click(QStringLiteral("LbCreation"));
        for (const QPoint& p : points)
            u.clickAt(p);
        u.click(QStringLiteral("LblStopMarquage"));
        u.set(QStringLiteral("ChBx1"), 1);
        u.set(QStringLiteral("TbrQPoints"), samples);
        u.click(QStringLiteral("LblOKcourbe"));
    }
    void range(int first, int last) {
        u.set(QStringLiteral("TbMontrePoint"), first);
        u.click(QStringLiteral("LblVarDep"));
        u.set(QStringLiteral("TbMontrePoint"), last);
        u.click(QStringLiteral("LblVarFin"));
    }
    void backTo(Step step) {
        while (u.step() > step)
            ASSERT_TRUE(u.click(QStringLiteral("LblEtapeAvant")));
    }
    void forwardToFinished() {
        if (u.step() == Step::Shaping) u.click(QStringLiteral("LblOKcourbe"));
        while (u.step() != Step::Finished)
            ASSERT_TRUE(u.click(QStringLiteral("LblParaFini")));
    }

    // The clipboard object, the keypoint list and the object of the project
    // saved and loaded again in a fresh window agree, line kind by line kind.
    void expectInStep() {
        const QStringList onClipboard = u.clipboard().split(QStringLiteral("\r\n"));
        const QStringList& list = u.doc().lists.LbxListeKP;
        u.answer(path);
        if (QFileInfo::exists(path)) u.answer(QStringLiteral("yes"));
        u.click(QStringLiteral("LblEnregistrerCourbe"));
        UserSession loaded(window);
        loaded.loadObject(object);
        loaded.answer(path);
        loaded.click(QStringLiteral("LblChargerFichier"));
        ASSERT_EQ(loaded.step(), Step::Finished);
        const QStringList reloaded = loaded.clipboard().split(QStringLiteral("\r\n"));
        for (const QString kind : {"Time", "Opacity", "Position", "Angle"}) {
            const std::string expected = keypointLines(list, kind).join(' ').toStdString();
            EXPECT_EQ(keypointLines(onClipboard, kind).join(' ').toStdString(), expected)
                << kind.toStdString();
            EXPECT_EQ(keypointLines(reloaded, kind).join(' ').toStdString(), expected) << kind.toStdString();
        }
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.tjc"));
    const QString object = testData(QStringLiteral("host_object_in.txt"));
    UserSession u{window};
};

// A new curve in another screen format starts a new keypoint list: nothing of
// the old curve's positions, parameters or first time stays on the
// clipboard, and a curve of another sample count reaches the clipboard as well.
TEST_F(StepBackJourney, ANewCurveInAnotherFormatStartsANewList) {
    backTo(Step::Times);
    u.type(QStringLiteral("EdtTemps1st"), QStringLiteral("120977"));
    u.click(QStringLiteral("LblVarSave"));
    forwardToFinished();
    for (const int samples : {10, 12}) {
        backTo(Step::Format);
        u.set(QStringLiteral("RdgChoixEcran"), samples == 10 ? 3 : 0);
        markCurve({QPoint(80, 80), QPoint(200, 300), QPoint(350, 300), QPoint(450, 90)}, samples);
        forwardToFinished();
        EXPECT_EQ(u.caption(QStringLiteral("LbInfos")), stepMessage(StepMessage::ObjectOnClipboard).in(0));
        EXPECT_EQ(keypointLines(u.doc().lists.LbxListeKP, QStringLiteral("Opacity")).count("Opacity=40"), 0);
        expectInStep();
    }
}

// Every change of the geometry in step 3 reaches the keypoint positions,
// also when the sample count differed at the time and was set back, when a
// time record comes between, and for the points brought back into the area.
TEST_F(StepBackJourney, EveryGeometryChangeReachesThePositions) {
    const auto atOtherCount = [&](const std::function<void()>& change) {
        u.set(QStringLiteral("ChBx1"), 1);
        u.set(QStringLiteral("TbrQPoints"), 12);
        change();
        u.set(QStringLiteral("TbrQPoints"), 10);
        u.click(QStringLiteral("LblOKcourbe"));
    };
    backTo(Step::Shaping);
    atOtherCount([&] { u.set(QStringLiteral("ChBxFermerCourbe"), 1); });
    forwardToFinished();
    expectInStep();

    backTo(Step::Shaping);
    atOtherCount([&] { u.drag(QPoint(100, 200), QPoint(140, 260)); });
    range(2, 4);
    u.type(QStringLiteral("EdtTempsDeb"), QStringLiteral("300"));
    u.type(QStringLiteral("EdtTempsFin"), QStringLiteral("900"));
    u.click(QStringLiteral("LblVarSave"));
    forwardToFinished();
    expectInStep();

    backTo(Step::Shaping);
    u.drag(QPoint(140, 260), QPoint(140, -40));
    u.click(QStringLiteral("LblRetourPoints"));
    forwardToFinished();
    EXPECT_TRUE(u.refused.isEmpty()) << u.refused.join('\n').toStdString();
    expectInStep();
}

// Constant speed and a rotation with the tangent are rules over the path: a
// reshaped path gets the times and angles they give on it, as a load of the
// saved project does, and never keeps those of the old shape.
TEST_F(StepBackJourney, RecordsThatMeasureThePathFollowIt) {
    backTo(Step::Times);
    u.click(QStringLiteral("LblChoixTemps"));
    u.click(QStringLiteral("LblVitConstante"));
    u.click(QStringLiteral("LblVarSave"));
    u.click(QStringLiteral("LblParaFini"));
    range(0, 6);
    u.set(QStringLiteral("ChBxRotation"), 1);
    u.set(QStringLiteral("ChBxAngleRotation"), 1);
    u.click(QStringLiteral("LblVarSave"));
    forwardToFinished();
    const QStringList before = u.doc().lists.LbxListeKP;
    backTo(Step::Shaping);
    u.drag(QPoint(250, 100), QPoint(300, 20));
    forwardToFinished();
    ASSERT_TRUE(u.refused.isEmpty()) << u.refused.join('\n').toStdString();
    for (const QString kind : {"Time", "Angle"})
        EXPECT_NE(keypointLines(u.doc().lists.LbxListeKP, kind).join(' ').toStdString(),
                  keypointLines(before, kind).join(' ').toStdString());
    expectInStep();
}

// The geometry belongs to step 3: the times and parameters of steps 4 to 6
// were made for it, so a press on a control point there drags nothing.
TEST_F(StepBackJourney, NoDragAfterTheCurveIsFinished) {
    const CurveGeometry before = u.doc().curve;
    backTo(Step::Parameters);
    u.drag(QPoint(100, 200), QPoint(160, 240));
    forwardToFinished();
    u.drag(QPoint(100, 200), QPoint(60, 260));
    EXPECT_EQ(u.doc().curve.controlPoints, before.controlPoints);
    expectInStep();
}

} // namespace
} // namespace trajecta
