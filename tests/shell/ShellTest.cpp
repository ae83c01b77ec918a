#include "app/ControlInventory.h"
#include "app/Session.h"
#include "core/Layout.h"
#include "shell/SettingsFile.h"
#include "support/FakeServices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace trajecta {
namespace {

// The eight groups: the controls that move, the host of each side.
struct Group {
    MovableGroup group;
    QStringList controls;
    QString mainHost, secondHost;
};
const std::vector<Group> groups{
    {MovableGroup::Parameters, {"GbxParaSurQuoi", "PnlLePoint"}, "PnlDockParasOrg", "PnlDockParasDest"},
    {MovableGroup::StepButtons, {"PnRefaire"}, "PnlDockOrgEtapes", "PnlDockDestEtapes"},
    {MovableGroup::Background, {"PnlFondEtCourbe"}, "PnlDockFondOrg", "PnlDockFondDest"},
    {MovableGroup::Completion, {"PnlOKtout"}, "PnlDockOKtoutOrg", "PnlDockOKtoutDest"},
    {MovableGroup::Display, {"GbxAffichage"}, "PnlDockAffichageOrg", "PnlDockAffichageDest"},
    {MovableGroup::PointsOnCurve,
     {"PnlPointsSurCourbe"},
     "PnlDockPointsSurCourbeOrg",
     "PnlDockPointsSurCourbeDest"},
    {MovableGroup::Help, {"PnlAide"}, "PnlDockAideOrg", "PnlDockAideDest"},
    {MovableGroup::Extras, {"PnlExtras"}, "PnlDockOrgExtras", "PnlDockDestExtras"},
};

class ShellTest : public ::testing::Test {
  protected:
    FakeServices fakes;
    std::unique_ptr<Session> session;

    void start() {
        session = std::make_unique<Session>(fakes.services());
        session->setClientSize(1501, 960);
    }
    void SetUp() override { start(); }
    Controls& c() { return session->controls(); }
    ShellState& shell() { return session->document().shell; }
    void click(const QString& name) { ASSERT_TRUE(c().userClick(name)) << name.toStdString(); }
    Step step() { return session->document().workflow.currentStep; }

    // On from the present step to `target` (1 to 5), with a two-part curve, by the user's clicks.
    void walkTo(int target) {
        auto at = [&](Step s) { return step() == s && static_cast<int>(s) < target; };
        if (at(Step::Start)) click("ChargerExemple");
        if (at(Step::Format)) {
            click("LbCreation");
            for (int i = 0; i < 7; ++i)
                for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
                    c().userMouse("ImgDessin", MouseEvent{a, 30 + 20 * i, i % 2 == 0 ? 40 : 90, true});
            click("LblStopMarquage");
        }
        if (at(Step::Shaping)) click("LblOKcourbe");
        if (at(Step::Times)) click("LblParaFini");
        ASSERT_EQ(static_cast<int>(step()), target);
    }

    // Toggles the layout and checks that every group went with the visibility
    // its host had on the window it left.
    void toggleAndCheck() {
        const bool toSecond = shell().groupsOnMain;
        std::map<QString, bool> before;
        for (const Group& g : groups)
            before[g.mainHost] = c().visible(toSecond ? g.mainHost : g.secondHost);
        click("Parametres");
        const int s = static_cast<int>(step());
        for (const Group& g : groups) {
            const QString& now = toSecond ? g.secondHost : g.mainHost;
            for (const QString& control : g.controls)
                EXPECT_EQ(c().windowOf(control), toSecond ? secondWindowName : mainWindowName)
                    << control.toStdString() << " in step " << s;
            EXPECT_EQ(groupHost(session->document(), g.group), now);
            bool expected = before[g.mainHost];
            if (g.group == MovableGroup::Parameters) expected = s == 4 || s == 5;
            EXPECT_EQ(c().visible(now), expected) << now.toStdString() << " in step " << s;
            if (toSecond) {
                EXPECT_FALSE(c().visible(g.mainHost)) << g.mainHost.toStdString();
            }
        }
        if (toSecond) {
            EXPECT_TRUE(c().visible("PnRefaire"));
        }
        EXPECT_EQ(c().visible(secondWindowName), toSecond);
        EXPECT_EQ(shell().secondWindowShown, toSecond);
        EXPECT_EQ(shell().singleWindowLayout, !toSecond);
        EXPECT_EQ(c().get("Parametres").checked, toSecond);
        EXPECT_EQ(c().enabled("VoirF2"), toSecond);
    }
};

TEST_F(ShellTest, EveryGroupMovesWithItsHostsVisibilityAndBackAtEveryStep) {
    toggleAndCheck(); // step 0: every host hidden, the step buttons themselves shown
    toggleAndCheck();
    for (int s : {1, 3, 4, 5}) {
        walkTo(s);
        toggleAndCheck();
        toggleAndCheck();
    }

    // The work goes on from the second window: the steps show and hide its hosts.
    toggleAndCheck();
    click("LblEtapeAvant"); // back to step 4
    EXPECT_TRUE(c().showing("PnlDockParasDest"));
    click("LblEtapeAvant"); // back to step 3
    EXPECT_FALSE(c().visible("PnlDockParasDest"));
    EXPECT_TRUE(c().showing("LblOKcourbe"));
    EXPECT_FALSE(c().visible("PnlDockParasOrg"));
    click("LblOKcourbe");
    EXPECT_TRUE(c().showing("LblParaFini")) << "the cursor group works on the second window";
    click("LblAide");
    EXPECT_TRUE(c().visible(helpWindowName));
}

TEST_F(ShellTest, CtrlWShowsAndHidesTheSecondWindowFromBothWindowsOnlyInTheTwoWindowLayout) {
    ASSERT_TRUE(c().userKey(mainWindowName, "Ctrl+W"));
    EXPECT_FALSE(c().visible(secondWindowName)) << "one-window layout";

    click("Parametres");
    ASSERT_TRUE(c().visible(secondWindowName));
    c().userKey(secondWindowName, "Ctrl+Shift+W");
    c().userKey(secondWindowName, "W");
    EXPECT_TRUE(c().visible(secondWindowName));
    c().userKey(secondWindowName, "Ctrl+W");
    EXPECT_FALSE(c().visible(secondWindowName));
    EXPECT_FALSE(shell().secondWindowShown);
    EXPECT_FALSE(c().userKey(secondWindowName, "Ctrl+W")) << "a hidden window takes no keys";
    c().userKey(mainWindowName, "Ctrl+W");
    EXPECT_TRUE(c().visible(secondWindowName));

    // Left for the main window, it comes back to the front, and the next Ctrl+W closes it.
    session->shell().secondWindowDeactivated();
    c().userKey(mainWindowName, "Ctrl+W");
    EXPECT_TRUE(c().visible(secondWindowName));
    EXPECT_TRUE(shell().secondWindowShown);
    c().userKey(mainWindowName, "Ctrl+W");
    EXPECT_FALSE(c().visible(secondWindowName));

    click("VoirF2");
    EXPECT_TRUE(c().visible(secondWindowName));
    click("VoirF2");
    EXPECT_FALSE(c().visible(secondWindowName));
}

TEST_F(ShellTest, TheSecondWindowKeepsItsPlaceAndNeverOpensOffTheScreen) {
    EXPECT_TRUE(c().enabled("VoirF2")) << "no settings file: the menu item keeps its own state";
    const ControlState& window = c().get(secondWindowName);
    click("VoirF2");
    EXPECT_EQ(QPoint(window.left, window.top), QPoint(1920 / 2 - window.width / 2, 1080 / 6));
    c().setGeometry(secondWindowName, 100, 200, window.width, window.height); // the user moves it
    click("VoirF2");
    // A smaller monitor now: 200 pixels wider and 150 taller than the window.
    const int width = window.width, height = window.height;
    fakes.monitors = {QRect(0, 0, width + 200, height + 150)};
    c().setGeometry(secondWindowName, 1200, 650, width, height); // meanwhile, hidden
    click("VoirF2");
    EXPECT_EQ(QPoint(window.left, window.top), QPoint(100, 150))
        << "its place when it was hidden, moved onto the smaller monitor";
    c().setGeometry(secondWindowName, width + 150, height + 100, width, height);
    click("VoirF2");
    click("VoirF2");
    EXPECT_EQ(QPoint(window.left, window.top), QPoint(200, 150));
    click("F2MilieuEcran1");
    EXPECT_EQ(QPoint(window.left, window.top), QPoint((width + 200) / 2 - width / 2, (height + 150) / 6));
    EXPECT_FALSE(shell().secondWindowShown);
}

TEST_F(ShellTest, SettingsAreReadAtStartAndEveryKeyIsWrittenOnceAtClose) {
    fakes.setValue("parametres", "Langue", "1");
    fakes.setValue("F1seule", "TravauxSurF1", "0");
    fakes.setValue("positionF2", "PosLeft", "5000"); // a monitor that is gone
    fakes.setValue("positionF2", "PosTop", "40");
    fakes.setValue("EtatF1", "Wst", "2");
    fakes.setValue("EtatF1", "PosF1Left", "10");
    fakes.setValue("EtatF1", "PosF1Top", "x20");
    start();
    EXPECT_EQ(shell().languageIndex, 1);
    EXPECT_TRUE(c().get("English").checked);
    EXPECT_FALSE(c().get("French").checked);
    EXPECT_FALSE(shell().singleWindowLayout) << "the two-window layout is back";
    EXPECT_EQ(c().windowOf("PnRefaire"), secondWindowName);
    EXPECT_TRUE(c().get("Parametres").checked);
    EXPECT_TRUE(c().visible(secondWindowName));
    const ControlState& window = c().get(secondWindowName);
    EXPECT_TRUE(
        QRect(0, 0, 1920, 1080).contains(QRect(window.left, window.top, window.width, window.height)));
    EXPECT_EQ(shell().mainWindow.state, 2);
    EXPECT_FALSE(shell().mainWindowStored) << "a position that is not a number is no position";

    shell().mainWindow = WindowPlace{0, 30, 40, 1200, 700};
    c().setGeometry(secondWindowName, 300, 400, window.width, window.height);
    click("Commencer");
    EXPECT_FALSE(c().visible(mainWindowName));
    EXPECT_EQ(fakes.settingsSaved, 1);
    const std::map<QString, QString> written{{"parametres/Langue", "1"},    {"parametres/PnlVarSurF1", "0"},
                                             {"positionF2/PosLeft", "300"}, {"positionF2/PosTop", "400"},
                                             {"F1seule/TravauxSurF1", "0"}, {"EtatF1/Wst", "0"},
                                             {"EtatF1/PosF1Left", "30"},    {"EtatF1/PosF1Top", "40"},
                                             {"EtatF1/PosF1Width", "1200"}, {"EtatF1/PosF1Height", "700"}};
    EXPECT_EQ(fakes.settingsValues.size(), qsizetype(written.size()));
    for (const auto& [key, value] : written)
        EXPECT_EQ(fakes.settingsValues.value(key), value) << key.toStdString();
    session->shell().closeMainWindow();
    EXPECT_EQ(fakes.settingsSaved, 1) << "written once";
}

TEST_F(ShellTest, MissingKeysAndValuesThatAreNotNumbersTakeTheDefaults) {
    fakes.setValue("parametres", "Langue", "anglais");
    fakes.setValue("F1seule", "TravauxSurF1", "");
    fakes.setValue("positionF2", "PosLeft", "12.5");
    start();
    EXPECT_EQ(shell().languageIndex, 0);
    EXPECT_TRUE(c().get("French").checked);
    EXPECT_TRUE(shell().singleWindowLayout);
    EXPECT_FALSE(c().enabled("VoirF2")) << "a settings file with the one-window layout";
    EXPECT_EQ(shell().secondWindowLeft, 1920 / 2 - c().get(secondWindowName).width / 2);
    EXPECT_EQ(shell().secondWindowTop, 180);
}

TEST_F(ShellTest, TheLanguageTheLayoutAndThePlaceSurviveARestartThroughTheFile) {
    QTemporaryDir dir;
    const QString exe = dir.path() + "/";
    auto run = [&](const std::function<void(Session&)>& work) {
        SettingsFile file(exe, dir.path() + "/config/");
        Services services{fakes, fakes, fakes, file, fakes};
        Session s(services);
        work(s);
        s.shell().closeMainWindow();
    };
    run([](Session& s) {
        s.document().shell.languageIndex = 1;
        s.controls().userClick("Parametres");
        // Hidden by Ctrl+W and never shown again: the place it had stays.
        const ControlState& w = s.controls().get(secondWindowName);
        s.controls().setGeometry(secondWindowName, 111, 222, w.width, w.height);
        s.controls().userKey(mainWindowName, "Ctrl+W");
    });
    run([](Session& s) {
        EXPECT_EQ(s.document().shell.languageIndex, 1);
        EXPECT_FALSE(s.document().shell.singleWindowLayout);
        EXPECT_EQ(s.controls().get(secondWindowName).left, 111);
        s.controls().userKey(mainWindowName, "Ctrl+W");
        s.controls().userClick("Parametres"); // back to one window
    });
    run([](Session& s) {
        EXPECT_TRUE(s.document().shell.singleWindowLayout);
        EXPECT_FALSE(s.controls().visible(secondWindowName));
        EXPECT_EQ(s.document().shell.secondWindowLeft, 111) << "kept by a run that never showed it";
    });
}

TEST_F(ShellTest, HelpShowsThePictureOfTheStepAndLanguageAndAboutItsOwn) {
    auto shownPictures = [&] {
        QStringList shown;
        for (const QString& name : c().children(helpWindowName))
            if (c().get(name).kind == ControlKind::Image && c().visible(name)) shown << name;
        return shown;
    };
    click("ChargerExemple");
    click("LblAide");
    EXPECT_EQ(shownPictures(), QStringList{"ImgAideT1Fr"});
    EXPECT_FALSE(c().userClick("LbCreation")) << "the help window is modal";
    click("BtnOKAide");
    EXPECT_FALSE(c().visible(helpWindowName));

    walkTo(3);
    click("English");
    click("LblAide");
    EXPECT_EQ(shownPictures(), QStringList{"ImgT3eng"});
    click("BtnOKAide");
    click("LblCadre"); // the frame is being placed
    click("LblAide");
    EXPECT_EQ(shownPictures(), QStringList{"ImgT3engbis"});
    click("BtnOKAide");

    // The press look of the help button.
    ASSERT_TRUE(c().userMouseDown("LblAide"));
    EXPECT_TRUE(c().get("PnlAide").lowered);
    EXPECT_EQ(c().get("LblAide").fontHeight, -20);
    c().userMouseUp("LblAide");
    EXPECT_FALSE(c().get("PnlAide").lowered);
    EXPECT_EQ(c().get("LblAide").fontHeight, -21);

    click("Apropos");
    EXPECT_EQ(c().text(aboutWindowName), "About");
    EXPECT_TRUE(c().showing("ImgAproposEng"));
    EXPECT_FALSE(c().visible("ImgAproposFr"));
    EXPECT_FALSE(c().userClick("LblAide")) << "the about window is modal";
    click("ImgAproposEng");
    EXPECT_FALSE(c().visible(aboutWindowName));
    click("French");
    click("Apropos");
    EXPECT_EQ(c().text(aboutWindowName), "A propos");
    click("ImgAproposFr");
}

TEST_F(ShellTest, TheListViewShowsOneListAndAClickedKeypointLineMovesTheCursor) {
    c().setItemIndex("RdgVoir", 2);
    for (const QString& list : NamedLists::names())
        EXPECT_EQ(c().visible(list), list == "LbxColParametres") << list.toStdString();

    walkTo(5);
    // The inspection view is never shown to the user: the program takes the click.
    click("VoirF2");
    c().show("PnlLbxSauve");
    c().show("LbxListeKP");
    ASSERT_TRUE(c().userSetItemIndex("LbxListeKP", 13 * 4 + 5));
    EXPECT_EQ(c().position("TbMontrePoint"), 4);
    EXPECT_EQ(session->document().range.shownKeypoint, 4);
    EXPECT_EQ(c().get("LbxListeKP").itemIndex, 13 * 4 + 5) << "the clicked line stays selected";
    c().userSetPosition("TbMontrePoint", 2);
    EXPECT_EQ(c().get("LbxListeKP").itemIndex, -1) << "a move of the cursor clears the selection";
}

} // namespace
} // namespace trajecta
