#include "app/Session.h"
#include "support/FakeServices.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

namespace trajecta {
namespace {

// One session driven as a user would, with the date, the separator and the
// window fixed.
struct Driven {
    FakeServices fakes;
    Session session{fakes.services()};

    Driven() {
        fakes.today = QDate(2026, 12, 8);
        fakes.separator = QLatin1Char(',');
        session.setClientSize(1366, 768);
        fakes.clipboardText = testData("host_object_in.txt");
        click("ImgChargeObjetPte_Haut");
    }
    Controls& c() { return session.controls(); }
    CurveDocument& doc() { return session.document(); }
    bool click(const QString& name) { return c().userClick(name); }
    void mouse(MouseAction action, int x, int y, bool left = true) {
        c().userMouse("ImgDessin", MouseEvent{action, x, y, left});
    }
    void clickAt(int x, int y) {
        mouse(MouseAction::Move, x, y, false);
        mouse(MouseAction::Down, x, y);
        mouse(MouseAction::Up, x, y);
        mouse(MouseAction::Click, x, y);
    }
    void drag(QPoint from, QPoint to) {
        mouse(MouseAction::Move, from.x(), from.y(), false);
        mouse(MouseAction::Down, from.x(), from.y());
        mouse(MouseAction::Move, to.x(), to.y());
        mouse(MouseAction::Up, to.x(), to.y());
    }
    void range(int a, int b) {
        c().userSetPosition("TbMontrePoint", a);
        click("LblVarDep");
        c().userSetPosition("TbMontrePoint", b);
        click("LblVarFin");
    }
};

// One of the four time presets with random settings, recorded.
template <typename Pick> void usePreset(Driven& d, Pick& pick) {
    d.click("LblChoixTemps");
    const auto slide = [&](const char* name) {
        const ControlState& s = d.c().get(name);
        d.c().userSetPosition(name, pick(s.min, s.max));
    };
    switch (pick(0, 3)) {
    case 0:
        d.click("LblTempsConstant");
        slide("TbrVitGros");
        slide("TbrVitFin");
        break;
    case 1:
        d.click("LblVitConstante");
        slide("TbrVitGros");
        break;
    case 2:
        d.click("LblChoixProportionnel");
        slide("TbrVitGros");
        slide("TbrVitFin");
        break;
    default:
        d.click("LblAllerAAuRalenti");
        d.c().userSetItemIndex("RdgChoixRalenti", pick(1, 2));
        d.c().userSetItemIndex("RdgbxRalForce", pick(0, 2));
        slide("TbEtendueRalenti");
        d.click("LblAppliquer");
        break;
    }
    d.click("LblVarSave");
    if (d.doc().timeEdit.timeMode != 0) d.click("LblVarAnnule");
}

// A random project: format, curve, sample counts, closing, a dragged point,
// a frame, time ranges and parameter records, finished to step 6.
void makeProject(Driven& d, std::mt19937& random) {
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    d.c().userSetItemIndex("RdgChoixEcran", pick(0, 4));
    d.click("LbCreation");
    const int w = d.doc().workflow.workWidth;
    const int h = d.doc().workflow.workHeight;
    const int parts = pick(1, 4);
    for (int i = 0; i < 3 * parts + 1; ++i)
        d.clickAt(pick(10, w - 10), pick(10, h - 10));
    d.click("LblStopMarquage");
    for (int k = 1; k <= parts; ++k) {
        if (pick(0, 1) == 0) continue;
        d.c().userSetChecked(QStringLiteral("ChBx%1").arg(k), true);
        d.c().userSetPosition("TbrQPoints", pick(2, 40));
        d.c().userSetChecked(QStringLiteral("ChBx%1").arg(k), false);
    }
    if (pick(0, 3) == 0) d.c().userSetChecked("ChBxFermerCourbe", true);
    const QPoint handle = d.doc().curve.controlPoints[size_t(pick(1, 2))];
    d.drag(handle, handle + QPoint(pick(-30, 30), pick(-30, 30)));
    if (pick(0, 1) == 0) {
        d.click("LblCadre");
        d.drag({pick(5, w / 3), pick(5, h / 3)}, {pick(w / 2, w - 5), pick(h / 2, h - 5)});
    }
    d.click("LblOKcourbe");
    const int last = d.doc().curve.sampleCount - 1;
    for (int r = pick(0, 3); r > 0; --r) {
        const int a = pick(1, last - 1);
        d.range(a, pick(a + 1, last));
        d.c().userType("EdtTempsDeb", QString::number(pick(1, 3000)));
        d.c().userType("EdtTempsFin", QString::number(pick(1, 3000)));
        d.c().userSetChecked("ChBxSpeedUp", pick(0, 1) == 1);
        d.click("LblVarSave");
    }
    for (int r = pick(0, 2); r > 0; --r)
        usePreset(d, pick);
    d.click("LblParaFini");
    for (int r = pick(0, 3); r > 0; --r) {
        const int a = pick(0, last - 1);
        d.range(a, pick(a + 1, last));
        d.c().userSetChecked("ChbxOpacite", true);
        d.c().userType("EdtOpaDeb", QString::number(pick(0, 100)));
        d.c().userType("EdtOpaFin", QString::number(pick(0, 100)));
        if (pick(0, 1) == 1) {
            d.c().userSetChecked("ChBxZoomX", true);
            d.c().userSetChecked("ChBxEgal", pick(0, 1) == 1);
            d.c().userType("EdtZoomXdeb", QString::number(pick(10, 300)));
            // Replayed values come back in general number form: no trailing zero.
            d.c().userType("EdtZoomXfin", QStringLiteral("%1,%2").arg(pick(10, 300)).arg(pick(1, 9)));
        }
        if (pick(0, 1) == 1) {
            d.c().userSetChecked("ChBxRotation", true);
            d.c().userType("EdtRotDeb", QString::number(pick(-360, 360)));
            d.c().userType("EdtRotFin", QString::number(pick(-360, 360)));
        }
        d.click("LblVarSave");
        if (d.doc().range.rangeStart >= 0) d.click("LblVarAnnule");
    }
    d.click("LblParaFini");
}

// Saved and loaded in a fresh session, 200 random projects come back with
// every list and the object text unchanged. Two lists are not compared: the
// sampling trace, which records every sampling the user's editing ran, and
// the time listing, which the replayed first record fills where the user's
// session, with no record made, never listed the same times.
TEST(CurveFileRoundTrip, SavedProjectsLoadBackUnchanged) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("project.tjc");
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        Driven saved;
        makeProject(saved, random);
        ASSERT_EQ(saved.doc().workflow.currentStep, Step::Finished);
        saved.fakes.answers = {path, "yes"};
        ASSERT_TRUE(saved.click("LblEnregistrerCourbe"));

        Driven loaded;
        loaded.fakes.answers = {path};
        ASSERT_TRUE(loaded.click("LblChargerFichier"));
        ASSERT_EQ(loaded.doc().workflow.currentStep, Step::Finished)
            << loaded.fakes.log.join('\n').toStdString();
        for (const QString& name : NamedLists::names()) {
            if (name == "LbxPointsCourbe" || name == "LbxTempsKP") continue;
            EXPECT_EQ(loaded.doc().lists.find(name)->join('\n').toStdString(),
                      saved.doc().lists.find(name)->join('\n').toStdString())
                << name.toStdString();
        }
        EXPECT_EQ(loaded.fakes.clipboardText, saved.fakes.clipboardText);
        if (HasFailure()) break;
    }
}

} // namespace
} // namespace trajecta
