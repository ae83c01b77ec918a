#include "app/Session.h"
#include "core/Messages.h"
#include "shell/CaptionTables.h"
#include "support/FakeServices.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

using Part = CaptionRow::Part;

bool showsText(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::MenuItem:
    case ControlKind::Window:
    case ControlKind::Dialog:
        return true;
    default:
        return false;
    }
}

// Controls whose text the operations write from the state: values, times,
// counts, positions, diagnostics, and the texts the language switch takes
// from the state (the step message, the preset texts, the load label, the
// minimum duration and the main window's caption).
const QSet<QString> stateTexts{
    "LbInfos",
    "LblObjetCopie",
    "LblLecture",
    "LblTempsLecture",
    "LblTempsPointActuel",
    "LblPointSelect",
    "LblChoixDep",
    "LblChoixFin",
    "LblQpara",
    "LblRetour",
    "LblTempsTotalVue",
    "LblindicReglage",
    "LbliRalDebOuFin",
    "LbliChoixDebutOuFin",
    "LbliDebAbsolu",
    "LbliFinAbsolu",
    "LblAngletangente",
    "LblVOpacity",
    "LblVZoomX",
    "LblVZoomY",
    "LblVRotation",
    "LblVCentreX",
    "LblVCentreY",
    "LblV3DX",
    "LblV3DY",
    "LblV3DZ",
    "LblAngleRelTang",
    "LblXY",
    "LblCoordSouris",
    "LblCoordPourCent",
    "LBlQpCourbe",
    "LblTotalPts",
    "LblPointsDoubles",
    "LblTempsMiniVueFinal",
    "Lbl1erKP",
    "Label10",
    "LblNombrePoints",
    "LblSupDeb",
    "LblSupFin",
    "LblResteKP",
    "LblTemps1erPoint",
    "LblTempsDerPoint",
    "LblChargerFichier",
    "LbliDureeMiniVue",
    "LblAppliquer",
    "LbliTitreRalenti",
    "RdgbxRalForce",
    "KeyPointsBezier",
    "GbxAffichage", // a group box without a title
};

// A session started as a stored language setting starts it.
struct StartedSession {
    explicit StartedSession(int language) {
        if (language == 1) fakes.setValue("parametres", "Langue", "1");
        session = std::make_unique<Session>(fakes.services());
    }
    FakeServices fakes;
    std::unique_ptr<Session> session;
};

// Every French text that has another English text: the caption rows and the
// step messages.
QSet<QString> frenchOnlyTexts() {
    QSet<QString> texts;
    for (const CaptionTable& table : captionTables())
        for (const CaptionRow& row : table.rows)
            if (row.text.fr != row.text.en) texts << row.text.fr;
    for (int m = 1; m <= 8; ++m)
        texts << stepMessage(static_cast<StepMessage>(m)).fr;
    for (const TextPair* pair : {&Messages::loadLabel, &Messages::minimumDuration})
        texts << pair->fr;
    return texts;
}

// The captions that stay the same in both languages ("Aide" of the help window).
QSet<QString> untranslatedCaptions() {
    QSet<QString> names;
    for (const CaptionTable& table : captionTables())
        for (const CaptionRow& row : table.rows)
            if (row.part == Part::Caption && row.text.fr == row.text.en) names << row.control;
    return names;
}

// The controls that show a French text while English is in force, one a line.
std::string frenchLeftOvers(const Controls& c) {
    static const QSet<QString> french = frenchOnlyTexts();
    static const QSet<QString> untranslated = untranslatedCaptions();
    QStringList found;
    for (const QString& name : c.names()) {
        const ControlState& s = c.get(name);
        QStringList shown{s.hint};
        if (!untranslated.contains(name)) shown << s.text;
        if (s.kind == ControlKind::RadioGroup) shown += s.items;
        for (const QString& text : shown)
            if (french.contains(text)) found << name + ": " + text;
    }
    return found.join('\n').toStdString();
}

TEST(LanguageTables, EveryControlShowsItsTextInBothLanguages) {
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        StartedSession started(language);
        const Controls& c = started.session->controls();
        QSet<QString> captioned;
        QSet<QString> hinted;
        for (const CaptionTable& table : captionTables()) {
            for (const CaptionRow& row : table.rows) {
                const std::string where = row.control.toStdString();
                ASSERT_TRUE(c.has(row.control)) << where;
                EXPECT_EQ(c.windowOf(row.control), table.window) << where;
                const ControlState& s = c.get(row.control);
                const QString& text = row.text.in(language);
                EXPECT_FALSE(text.isEmpty()) << where;
                switch (row.part) {
                case Part::Caption:
                    EXPECT_TRUE(showsText(s.kind)) << where;
                    EXPECT_FALSE(captioned.contains(row.control)) << where << " has two caption rows";
                    captioned << row.control;
                    EXPECT_EQ(s.text, text) << where;
                    break;
                case Part::Item:
                    ASSERT_EQ(s.kind, ControlKind::RadioGroup) << where;
                    ASSERT_LT(row.item, s.items.size()) << where;
                    EXPECT_EQ(s.items[row.item], text) << where << " item " << row.item;
                    break;
                case Part::Hint:
                    hinted << row.control;
                    EXPECT_EQ(s.hint, text) << where;
                    break;
                }
            }
        }
        for (const QString& name : c.names()) {
            const ControlState& s = c.get(name);
            const std::string where = name.toStdString();
            EXPECT_TRUE(s.hint.isEmpty() || hinted.contains(name))
                << where << " has a hint outside the tables";
            if (!showsText(s.kind)) continue;
            for (const QString& item : s.items)
                EXPECT_FALSE(item.isEmpty()) << where << " has an item without text";
            if (captioned.contains(name) || stateTexts.contains(name)) continue;
            // Anything else shows a number, the same in both languages.
            EXPECT_FALSE(s.text.isEmpty()) << where << " shows no text";
            EXPECT_FALSE(s.text.contains(letter))
                << where << " shows \"" << s.text.toStdString() << "\" from outside the tables";
        }
        EXPECT_EQ(c.text("LblChargerFichier"), Messages::loadLabel.in(language));
        EXPECT_EQ(c.text("KeyPointsBezier"), Messages::windowTitle.in(language));
        EXPECT_EQ(c.text("LbliDureeMiniVue"), Messages::minimumDuration.in(language));
        EXPECT_EQ(c.get("English", ControlKind::MenuItem).checked, language == 1);
        EXPECT_EQ(c.get("French", ControlKind::MenuItem).checked, language == 0);
        if (language == 1) {
            EXPECT_EQ(frenchLeftOvers(c), "");
        }
    }
}

TEST(LanguageTables, ChoosingTheLanguageInForceDoesNothing) {
    StartedSession started(0);
    Session& session = *started.session;
    Controls& c = session.controls();
    c.setCaption("KeyPointsBezier", "courbe.tjc");
    ASSERT_TRUE(c.userClick("French"));
    EXPECT_EQ(c.text("KeyPointsBezier"), "courbe.tjc") << "nothing was applied again";
    ASSERT_TRUE(c.userClick("English"));
    EXPECT_EQ(session.document().shell.languageIndex, 1);
    EXPECT_EQ(c.text("KeyPointsBezier"), "  Trajecta");
    EXPECT_EQ(c.text("Commencer"), "Exit");
    c.setCaption("KeyPointsBezier", "curve.tjc");
    ASSERT_TRUE(c.userClick("English"));
    EXPECT_EQ(c.text("KeyPointsBezier"), "curve.tjc");
    ASSERT_TRUE(c.userClick("French"));
    EXPECT_EQ(c.text("Commencer"), "Quitter");
    EXPECT_EQ(c.text("KeyPointsBezier"), " Trajecta");
}

TEST(LanguageTables, StoredValuesOtherThanOneStartInFrench) {
    for (const char* stored : {"0", "2", "en", ""}) {
        FakeServices fakes;
        fakes.setValue("parametres", "Langue", stored);
        Session session(fakes.services());
        EXPECT_EQ(session.document().shell.languageIndex, 0) << stored;
        EXPECT_EQ(session.controls().text("Commencer"), "Quitter") << stored;
    }
}

// Switching to English and back at any step changes nothing but texts: every
// chosen item, tick, visibility and value stays, the texts that depend on the
// state follow it, and French again gives back exactly what was shown.
class LanguageSwitch : public ::testing::Test {
  protected:
    void SetUp() override {
        fakes.today = QDate(2026, 12, 8);
        fakes.separator = QLatin1Char(',');
        session.setClientSize(1366, 768);
    }

    void click(const char* name) { ASSERT_TRUE(c.userClick(name)) << name; }
    void mouse(MouseAction action, int x, int y) { c.userMouse("ImgDessin", MouseEvent{action, x, y, true}); }

    void roundTrip(const char* where, const std::function<void()>& inEnglish = {}) {
        SCOPED_TRACE(where);
        const std::vector<ControlState> before = c.states();
        click("English");
        const std::vector<ControlState> english = c.states();
        ASSERT_EQ(english.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            ControlState s = english[i];
            s.text = before[i].text;
            s.items = before[i].items;
            s.hint = before[i].hint;
            if (s.kind == ControlKind::MenuItem) s.checked = before[i].checked;
            EXPECT_TRUE(s == before[i]) << s.name.toStdString() << " changed more than its text";
        }
        EXPECT_EQ(c.text("LbInfos"), stepMessage(doc.workflow.messageIndex).en);
        EXPECT_EQ(frenchLeftOvers(c), "");
        if (inEnglish) inEnglish();
        click("French");
        const std::vector<ControlState> after = c.states();
        for (size_t i = 0; i < before.size(); ++i) {
            // The hidden repeat of the total time takes the total of the moment.
            if (after[i].name == "LblTempsMiniVueFinal" && !after[i].visible) continue;
            EXPECT_TRUE(after[i] == before[i]) << after[i].name.toStdString() << " is not back as it was";
        }
    }

    FakeServices fakes;
    Session session{fakes.services()};
    Controls& c = session.controls();
    CurveDocument& doc = session.document();
};

TEST_F(LanguageSwitch, AtEveryStepKeepsTheState) {
    roundTrip("step 0");
    // The start screen's own button loads the sample object, and its line goes with it.
    click("LblObjetExemple");
    EXPECT_FALSE(c.showing("PnlAccueil"));
    roundTrip("step 1");
    click("LbCreation");
    for (int i = 0; i < 7; ++i)
        for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
            mouse(a, 60 + 90 * i, i % 2 == 0 ? 120 : 300);
    roundTrip("step 2");
    click("LblStopMarquage");
    c.userSetItemIndex("RdgFond", 1);
    roundTrip("step 3", [&] {
        EXPECT_EQ(c.get("RdgFond").items, (QStringList{"grid", "plain", "photo", "processed"}));
        EXPECT_EQ(c.itemIndex("RdgFond"), 1);
    });
    click("LblCadre");
    roundTrip("placing the frame");
    mouse(MouseAction::Down, 100, 100);
    mouse(MouseAction::Move, 500, 325);
    mouse(MouseAction::Up, 500, 325);
    click("LblOKcourbe");
    ASSERT_EQ(doc.workflow.currentStep, Step::Times);
    roundTrip("step 4");
    click("LblChoixTemps");
    click("LblVitConstante");
    roundTrip("constant speed", [&] {
        EXPECT_EQ(c.text("LblindicReglage"), "Setting the overall time to move at constant speed");
    });
    click("LblVarAnnule");
    click("LblChoixTemps");
    click("LblAllerAAuRalenti");
    roundTrip("slow-down, no side chosen");
    ASSERT_TRUE(c.userSetItemIndex("RdgChoixRalenti", 2));
    roundTrip("slow-down at the end", [&] {
        EXPECT_EQ(c.text("LbliRalDebOuFin"), "the slow down ends at the last point");
        EXPECT_EQ(c.text("LbliChoixDebutOuFin"), "choose where to begin to do");
        EXPECT_EQ(c.text("RdgbxRalForce"), " intensity of slow down ");
    });
    click("LblVarAnnule");
    click("LblParaFini");
    ASSERT_EQ(doc.workflow.currentStep, Step::Parameters);
    roundTrip("step 5");
    click("LblParaFini");
    ASSERT_EQ(doc.workflow.currentStep, Step::Finished);
    roundTrip("step 6", [&] {
        EXPECT_EQ(c.text("LblTempsMiniVueFinal"),
                  "Minimum time for the slide : " + c.text("LblTempsTotalVue"));
    });
}

} // namespace
} // namespace trajecta
