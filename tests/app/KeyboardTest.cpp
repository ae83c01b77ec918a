#include "app/ControlInventory.h"
#include "app/Session.h"
#include "support/FakeServices.h"
#include "support/ScriptHarness.h"

#include <QDate>
#include <QKeySequence>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

// The same journey walked twice: once with the mouse, once with the keyboard.
// After every step both sessions must show exactly the same thing: a
// shortcut does what the click does, and nothing where the click could not.
class KeysAndClicks : public ::testing::Test {
  protected:
    struct Walk {
        FakeServices fakes;
        std::unique_ptr<Session> session;
        Controls& c() { return session->controls(); }
    } mouse, keys;

    void SetUp() override {
        for (Walk* w : {&mouse, &keys}) {
            w->fakes.today = QDate(2026, 12, 8);
            w->fakes.separator = QLatin1Char(',');
            w->fakes.clipboardText = testData("host_object_in.txt");
            w->session = std::make_unique<Session>(w->fakes.services());
            w->session->setClientSize(1366, 768);
        }
        both([](Controls& c) { return c.userClick("ImgChargeObjetPte_Haut"); });
    }

    void both(const std::function<bool(Controls&)>& input) {
        ASSERT_TRUE(input(mouse.c()));
        ASSERT_TRUE(input(keys.c()));
        expectSame();
    }
    // A click with the mouse, the shortcut on the keyboard.
    void press(const char* control, const char* shortcut) {
        SCOPED_TRACE(shortcut);
        ASSERT_EQ(keys.c().shortcutTarget(mainWindowName, shortcut), control);
        ASSERT_TRUE(mouse.c().userClick(control));
        ASSERT_TRUE(keys.c().userKey(mainWindowName, shortcut));
        expectSame();
    }
    // A shortcut whose control the user cannot reach now changes nothing.
    void refused(const char* shortcut) {
        SCOPED_TRACE(shortcut);
        EXPECT_EQ(keys.c().shortcutTarget(mainWindowName, shortcut), "");
        keys.c().userKey(mainWindowName, shortcut);
        expectSame();
    }
    void clickAt(int x, int y) {
        both([=](Controls& c) {
            for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
                c.userMouse("ImgDessin", MouseEvent{a, x, y, true});
            return true;
        });
    }
    void expectSame() {
        const auto a = mouse.c().states(), b = keys.c().states();
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i)
            EXPECT_TRUE(a[i] == b[i]) << a[i].name.toStdString();
        for (const QString& name : NamedLists::names())
            EXPECT_EQ(mouse.session->document().lists.find(name)->join('\n').toStdString(),
                      keys.session->document().lists.find(name)->join('\n').toStdString())
                << name.toStdString();
        EXPECT_TRUE(mouse.session->workPicture() == keys.session->workPicture());
        EXPECT_EQ(mouse.fakes.log.join('\n').toStdString(), keys.fakes.log.join('\n').toStdString());
    }
    int keypoint() { return keys.c().position("TbMontrePoint"); }
};

TEST_F(KeysAndClicks, EveryShortcutDoesWhatItsClickDoesAndNothingWhereItCannot) {
    // Step 1: loading a curve, with the dialog cancelled; no marking to stop yet.
    press("LblChargerFichier", "Ctrl+O");
    refused("Esc");
    refused("Ctrl+Return");
    both([](Controls& c) { return c.userClick("LbCreation"); });
    refused("Ctrl+O");
    for (int i = 0; i < 7; ++i)
        clickAt(100 + 100 * i, i % 2 ? 150 : 400);
    press("LblStopMarquage", "Esc");
    refused("Right");
    press("LblOKcourbe", "Ctrl+Enter");
    // A key typed in an edit is the edit's, not the cursor's.
    ASSERT_TRUE(keys.c().userKey("EdtTemps1st", "Right"));
    expectSame();
    // Steps 4 and 5: the arrows walk the keypoints as the cursor does, and stop at the ends.
    const int first = keypoint();
    for (int delta : {1, 1, -1, -1, -1, -1}) {
        ASSERT_TRUE(mouse.c().userSetPosition("TbMontrePoint", keypoint() + delta));
        ASSERT_TRUE(keys.c().userKey(mainWindowName, delta > 0 ? "Right" : "Left"));
        expectSame();
    }
    EXPECT_EQ(keypoint(), std::max(first - 2, keys.c().get("TbMontrePoint").min));
    press("LblEtapeApres", "PgDown");
    press("LblEtapeAvant", "PgUp");
    press("LblEtapeAvant", "PgUp");
    press("LblOKcourbe", "Ctrl+Return");
    press("LblLecture", "Space");
    press("LblLecture", "Space");
    press("AnnulerAction", "Ctrl+Z");
    press("RetablirAction", "Ctrl+Shift+Z");
    refused("Ctrl+Y"); // nothing left to redo
    refused("Ctrl+S");
}

// The shortcuts of the two windows reach each other (the groups move between
// them); a modal dialog keeps every shortcut outside it from the user.
TEST(Shortcuts, ReachTheGroupsOfBothWindowsButNotPastAModalDialog) {
    FakeServices fakes;
    fakes.clipboardText = testData("host_object_in.txt");
    Session session(fakes.services());
    session.setClientSize(1366, 768);
    Controls& c = session.controls();
    ASSERT_TRUE(c.userClick("ImgChargeObjetPte_Haut"));
    ASSERT_TRUE(c.userClick("Parametres"));
    ASSERT_EQ(c.windowOf("LblAide"), secondWindowName);
    c.show(secondWindowName);
    EXPECT_EQ(c.shortcutTarget(mainWindowName, "F1"), "LblAide");
    EXPECT_EQ(c.shortcutTarget(secondWindowName, "Ctrl+O"), "LblChargerFichier");
    EXPECT_EQ(c.shortcutTarget(helpWindowName, "Ctrl+O"), "")
        << "the help window has shortcuts of its own only";
    c.show(extrasDialogName);
    EXPECT_EQ(c.shortcutTarget(mainWindowName, "F1"), "");
    EXPECT_FALSE(c.userKey(mainWindowName, "F1"));
    c.hide(extrasDialogName);
    ASSERT_TRUE(c.userKey(mainWindowName, "F1"));
    EXPECT_TRUE(c.visible(helpWindowName));
}

// Every shortcut is a key as the window names a key press, and every
// control that acts as a button says what it does.
TEST(Shortcuts, AreKeysTheWindowSendsAndEveryButtonHasATip) {
    FakeServices fakes;
    Session session(fakes.services());
    const Controls& c = session.controls();
    for (const QString& name : c.names()) {
        const ControlState& s = c.get(name);
        for (const QString& k : s.shortcuts)
            EXPECT_EQ(QKeySequence::fromString(k, QKeySequence::PortableText).toString(), k);
        const bool button = s.kind == ControlKind::Label || s.kind == ControlKind::Panel ||
                            s.kind == ControlKind::Image || s.kind == ControlKind::Shape;
        EXPECT_FALSE(button && c.handlesClicks(name) && s.hint.isEmpty()) << name.toStdString();
    }
}

// The script driver reaches the shortcuts through its key command, the keys
// written as the window names them or as a person does; an unknown key stops it.
TEST(Shortcuts, TheScriptDriverPressesThem) {
    const ScriptResult keys =
        runScript("clipboard set host_object_in.txt\nclick ImgChargeObjetPte_Haut\nclick LbCreation\n"
                  "mouse click 100 300\nmouse click 200 150\nmouse click 300 150\nmouse click 400 300\n"
                  "key KeyPointsBezier Escape\nkey KeyPointsBezier Ctrl+Enter\nkey KeyPointsBezier Page "
                  "Up\nprint LbInfos");
    EXPECT_EQ(keys.exitCode, 0);
    EXPECT_TRUE(keys.output.value(0).contains("Etape 3")) << keys.output.join('\n').toStdString();

    const ScriptResult unknown = runScript("key KeyPointsBezier PageLeft");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.output.value(0), "error: line 1: unknown keys: PageLeft");
}

} // namespace
} // namespace trajecta
