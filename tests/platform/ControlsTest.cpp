#include "platform/Controls.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace trajecta;

namespace {

struct ControlsTest : ::testing::Test {
    Controls c;
    QStringList events;
    void SetUp() override {
        c.declare("Pnl", ControlKind::Panel);
        c.declare("Lbl", ControlKind::Label, "Pnl", "caption");
        c.declare("Edt", ControlKind::Edit, "Pnl");
        c.declare("Chk", ControlKind::CheckBox, "Pnl");
        ControlState& r = c.declare("Rdg", ControlKind::RadioGroup);
        r.items = QStringList{"a", "b", "c"};
        ControlState& s = c.declare("Tb", ControlKind::Slider);
        s.min = 10;
        s.max = 60;
        s.position = 20;
        c.onClick("Lbl", [this] { events << "Lbl"; });
        c.onChange("Edt", [this] { events << "Edt:" + c.text("Edt"); });
        c.onClick("Chk", [this] { events << QString("Chk:%1").arg(c.checked("Chk")); });
        c.onClick("Rdg", [this] { events << QString("Rdg:%1").arg(c.itemIndex("Rdg")); });
        c.onChange("Tb", [this] { events << QString("Tb:%1").arg(c.position("Tb")); });
    }
};

} // namespace

TEST_F(ControlsTest, NamesAreCheckedByNameAndKind) {
    EXPECT_THROW(c.get("Nope"), std::logic_error);
    EXPECT_THROW(c.setPosition("Lbl", 3), std::logic_error);
    EXPECT_THROW(c.setText("Lbl", "x"), std::logic_error);
    EXPECT_THROW(c.declare("Lbl", ControlKind::Label), std::logic_error);
    EXPECT_THROW(c.declare("Orphan", ControlKind::Label, "NoParent"), std::logic_error);
    EXPECT_EQ(c.names().first(), "Pnl");
}

TEST_F(ControlsTest, ProgramChangesRunHandlersOnlyWhenTheValueChanges) {
    c.setText("Edt", "12");
    c.setText("Edt", "12");
    c.setChecked("Chk", true);
    c.setChecked("Chk", true);
    c.setItemIndex("Rdg", 2);
    c.setItemIndex("Rdg", 2);
    c.setPosition("Tb", 30);
    c.setPosition("Tb", 30);
    c.setPosition("Tb", 99); // clamped to the maximum
    c.setCaption("Lbl", "other");
    EXPECT_EQ(events, (QStringList{"Edt:12", "Chk:1", "Rdg:2", "Tb:30", "Tb:60"}));
}

TEST_F(ControlsTest, ANewRangeThatClampsThePositionRunsTheChangeHandler) {
    c.setMax("Tb", 50); // position 20 stays
    c.setMin("Tb", 25); // clamps to 25
    c.setMax("Tb", 15); // min follows down, position clamps to 15
    EXPECT_EQ(events, (QStringList{"Tb:25", "Tb:15"}));
    EXPECT_EQ(c.get("Tb").min, 15);
}

TEST_F(ControlsTest, HandlersMayChangeControlsAgain) {
    c.onChange("Tb", [this] {
        events << QString("Tb:%1").arg(c.position("Tb"));
        if (c.position("Tb") > 40) c.setPosition("Tb", 40); // re-entrant change of the same control
        c.setChecked("Chk", true);
    });
    c.setPosition("Tb", 50);
    EXPECT_EQ(events, (QStringList{"Tb:50", "Tb:40", "Chk:1"}));
    EXPECT_EQ(c.position("Tb"), 40);
}

TEST_F(ControlsTest, UserInputIsRefusedOnHiddenOrDisabledControls) {
    EXPECT_TRUE(c.userClick("Lbl"));
    c.hide("Pnl");
    EXPECT_TRUE(c.visible("Lbl"));
    EXPECT_FALSE(c.showing("Lbl"));
    EXPECT_FALSE(c.userClick("Lbl"));
    EXPECT_FALSE(c.userType("Edt", "5"));
    c.show("Pnl");
    c.setEnabled("Chk", false);
    EXPECT_FALSE(c.userClick("Chk"));
    EXPECT_FALSE(c.checked("Chk"));
    EXPECT_EQ(events, QStringList{"Lbl"});
}

TEST_F(ControlsTest, UserInputGoesThroughTheSameHandlers) {
    c.setKeyFilter("Edt", [](QChar ch) { return ch.isDigit(); });
    EXPECT_TRUE(c.userType("Edt", "1a2"));
    EXPECT_EQ(c.get("Edt").caret, 2);
    EXPECT_TRUE(c.userClick("Chk"));
    EXPECT_TRUE(c.userClick("Chk"));
    EXPECT_FALSE(c.userSetItemIndex("Rdg", 3));
    EXPECT_TRUE(c.userSetItemIndex("Rdg", 1));
    EXPECT_TRUE(c.userSetPosition("Tb", 5));
    EXPECT_EQ(events, (QStringList{"Edt:12", "Chk:1", "Chk:0", "Rdg:1", "Tb:10"}));
}

TEST_F(ControlsTest, ObserversSeeEveryStateChange) {
    QStringList seen;
    Subscription token = c.addObserver([&seen](const ControlState& s) { seen << s.name; });
    c.hide("Lbl");
    c.hide("Lbl");
    c.setCaption("Lbl", "new");
    c.setPosition("Tb", 11);
    EXPECT_EQ(seen, (QStringList{"Lbl", "Lbl", "Tb"}));
}

namespace {

// A main window with a panel, a non-modal second window and two modal dialogs.
struct WindowsTest : ::testing::Test {
    Controls c;
    QStringList events;
    void SetUp() override {
        c.declare("Main", ControlKind::Window);
        c.declare("PnlMain", ControlKind::Panel, "Main");
        c.declare("LblMain", ControlKind::Label, "PnlMain", "main");
        c.declare("Menu", ControlKind::MenuItem, "Main");
        c.declare("Second", ControlKind::Window).visible = false;
        c.declare("PnlHost", ControlKind::Panel, "Second");
        c.declare("Dlg", ControlKind::Dialog).visible = false;
        c.declare("LblDlg", ControlKind::Label, "Dlg", "dialog");
        c.declare("Inner", ControlKind::Dialog).visible = false;
        c.declare("LblInner", ControlKind::Label, "Inner");
        for (const QString name : {"LblMain", "Menu", "LblDlg", "LblInner"})
            c.onClick(name, [this, name] { events << name; });
    }
};

} // namespace

TEST_F(WindowsTest, AHiddenWindowHidesWhatItHolds) {
    EXPECT_TRUE(c.showing("LblMain"));
    EXPECT_FALSE(c.showing("PnlHost"));
    c.show("Second");
    EXPECT_TRUE(c.showing("PnlHost"));
    EXPECT_EQ(c.windowOf("LblMain"), "Main");
    EXPECT_EQ(c.windowOf("Main"), "Main");
    EXPECT_TRUE(c.blockedBy("LblMain").isEmpty()) << "a non-modal window blocks nothing";
}

TEST_F(WindowsTest, AnOpenModalDialogBlocksEveryInputOutsideIt) {
    c.show("Dlg");
    EXPECT_EQ(c.openDialog(), "Dlg");
    EXPECT_EQ(c.blockedBy("LblMain"), "Dlg");
    EXPECT_FALSE(c.userClick("LblMain"));
    EXPECT_FALSE(c.userClick("Menu"));
    EXPECT_FALSE(c.userMouseUp("LblMain"));
    EXPECT_TRUE(c.userClick("LblDlg"));
    // A dialog opened from a dialog blocks the first one too.
    c.show("Inner");
    EXPECT_FALSE(c.userClick("LblDlg"));
    EXPECT_TRUE(c.userClick("LblInner"));
    c.hide("Inner");
    EXPECT_TRUE(c.userClick("LblDlg"));
    c.hide("Dlg");
    EXPECT_TRUE(c.openDialog().isEmpty());
    EXPECT_TRUE(c.userClick("LblMain"));
    EXPECT_EQ(events, (QStringList{"LblDlg", "LblInner", "LblDlg", "LblMain"}));
    // Program changes are not user input: a dialog does not stop them.
    c.show("Dlg");
    c.setCaption("LblMain", "changed");
    EXPECT_EQ(c.text("LblMain"), "changed");
}

TEST_F(WindowsTest, ReparentingMovesAGroupAndItsVisibilityFollowsTheNewHost) {
    QStringList seen;
    Subscription token = c.addObserver([&seen](const ControlState& s) { seen << s.name + ">" + s.parent; });
    c.reparent("PnlMain", "PnlHost");
    EXPECT_EQ(c.get("PnlMain").parent, "PnlHost");
    EXPECT_EQ(c.children("PnlHost"), QStringList{"PnlMain"});
    EXPECT_TRUE(c.children("Main").contains("Menu"));
    EXPECT_FALSE(c.showing("LblMain")) << "the second window is hidden";
    EXPECT_EQ(c.windowOf("LblMain"), "Second");
    c.reparent("PnlMain", "PnlHost"); // no change, no report
    EXPECT_EQ(seen, QStringList{"PnlMain>PnlHost"});
    EXPECT_THROW(c.reparent("PnlMain", "LblMain"), std::logic_error) << "into its own child";
    EXPECT_THROW(c.reparent("PnlMain", "PnlMain"), std::logic_error);
    EXPECT_THROW(c.reparent("PnlMain", "Nowhere"), std::logic_error);
    EXPECT_EQ(c.get("PnlMain").parent, "PnlHost");
}

TEST_F(WindowsTest, ASubscriptionStopsItsObserver) {
    QStringList seen;
    {
        Subscription token = c.addObserver([&seen](const ControlState& s) { seen << s.name; });
        c.hide("LblMain");
        Subscription moved = std::move(token);
        c.show("LblMain");
    }
    c.hide("LblMain");
    EXPECT_EQ(seen, (QStringList{"LblMain", "LblMain"}));

    // An observer that ends another one while a change is reported: the
    // ended one is not called for that change.
    Subscription second;
    Subscription first = c.addObserver([&](const ControlState&) { second.reset(); });
    second = c.addObserver([&seen](const ControlState& s) { seen << "late " + s.name; });
    c.show("LblMain");
    EXPECT_EQ(seen.size(), 2);

    // A subscription may outlive the model it came from.
    auto model = std::make_unique<Controls>();
    Subscription orphan = model->addObserver([](const ControlState&) {});
    model.reset();
    orphan.reset();
}
