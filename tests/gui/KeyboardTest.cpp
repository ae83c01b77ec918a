#include "app/ControlInventory.h"
#include "gui/MainWindow.h"
#include "support/FakeServices.h"
#include "support/ScriptHarness.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QWindow>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

// The window driven from the keyboard alone, after a host object was loaded.
class KeyboardWindow : public ::testing::Test {
  protected:
    FakeServices fakes;
    KeyPointsBezier window{fakes.services()};
    Controls& controls = window.session().controls();

    void SetUp() override {
        fakes.clipboardText = testData("host_object_in.txt");
        window.resize(1366, 800);
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }

    QWidget* focus() { return QApplication::focusWidget(); }
    QString focused() { return focus() ? focus()->objectName() : QString(); }
    QWidget* widget(const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); }

    // A key pressed and released where the keyboard's input goes now.
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        pressOnly(code, modifiers);
        releaseOnly(code, modifiers);
        QApplication::processEvents(); // a window shown by the key becomes active
    }
    void pressOnly(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, code, modifiers);
        QCoreApplication::sendEvent(keyTarget(), &press);
    }
    void releaseOnly(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent release(QEvent::KeyRelease, code, modifiers);
        QCoreApplication::sendEvent(keyTarget(), &release);
    }
    // An open menu takes the keys, else the focused widget.
    QWidget* keyTarget() {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        return focus() ? focus() : &window;
    }
    // Tab until `name` has the focus, at least once; the names passed on the way, in order.
    QStringList tabTo(const QString& name) {
        QStringList passed;
        for (int i = 0; i < 300 && (i == 0 || focused() != name); ++i) {
            key(Qt::Key_Tab);
            passed << focused();
        }
        EXPECT_EQ(focused().toStdString(), name.toStdString()) << passed.mid(0, 40).join(" ").toStdString();
        return passed;
    }
    Step step() { return window.session().document().workflow.currentStep; }
    // A new curve of seven control points, still being marked.
    void markCurve() {
        ASSERT_TRUE(controls.userClick("ImgChargeObjetPte_Haut"));
        ASSERT_TRUE(controls.userClick("LbCreation"));
        for (int i = 0; i < 7; ++i)
            for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
                controls.userMouse("ImgDessin", MouseEvent{a, 100 + 100 * i, i % 2 ? 150 : 400, true});
    }
};

TEST_F(KeyboardWindow, SpaceAndEnterPressTheFocusedButtonAsTheMouseDoes) {
    // The load button is a picture over its pressed twin: the press shows the twin.
    ASSERT_EQ(step(), Step::Start);
    tabTo("ImgChargeObjetPte_Haut");
    ASSERT_NE(focus()->findChild<QWidget*>(), nullptr) << "the focus shows on the picture";
    pressOnly(Qt::Key_Space);
    EXPECT_TRUE(widget("ImgChargeObjetPte_Haut")->isHidden()) << "pressed, as under the mouse";
    EXPECT_EQ(step(), Step::Start) << "the click comes with the release";
    releaseOnly(Qt::Key_Space);
    EXPECT_EQ(step(), Step::Format);
    EXPECT_EQ(focused(), "LbCreation") << "the step's main button takes the focus";

    // A label button: its panel is sunken while Enter holds it.
    tabTo("LbCreation");
    auto* panel = qobject_cast<QFrame*>(widget("PnCreation"));
    ASSERT_NE(panel, nullptr);
    pressOnly(Qt::Key_Return);
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
    releaseOnly(Qt::Key_Return);
    EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
    EXPECT_EQ(step(), Step::Marking);
}

TEST_F(KeyboardWindow, TabVisitsTheStepButtonsThenTheStepThenTheOptions) {
    markCurve();
    ASSERT_TRUE(controls.userClick("LblStopMarquage"));
    QApplication::processEvents();
    tabTo("LblAide");
    const QStringList passed = tabTo("LblAide");

    auto at = [&](const char* name) {
        const qsizetype i = passed.indexOf(QLatin1String(name));
        EXPECT_GE(i, 0) << name << " is not reached with Tab";
        return i;
    };
    // One round, starting after the last option.
    EXPECT_LT(at("LblEtapeAvant"), at("LblEtapeApres"));
    EXPECT_LT(at("LblEtapeApres"), at("LblOKcourbe"));
    EXPECT_LT(at("LblOKcourbe"), at("LblRefairePoints"));
    EXPECT_LT(at("LblRefairePoints"), at("ChBxFermerCourbe"));
    EXPECT_LT(at("ChBxFermerCourbe"), at("LblRetourPoints"));
    EXPECT_EQ(passed.indexOf("LblStopMarquage"), -1) << "a hidden button is skipped";
    EXPECT_EQ(passed.indexOf("LbCreation"), -1);
}

TEST_F(KeyboardWindow, F10OpensTheMenuBar) {
    key(Qt::Key_F10);
    EXPECT_EQ(window.menuBar()->activeAction(), window.menuBar()->actions().value(0));
}

TEST_F(KeyboardWindow, ShortcutsShowInMenusAndTipsAndReachTheModelOnce) {
    EXPECT_TRUE(window.findChild<QAction*>(QStringLiteral("Commencer"))->text().endsWith("\tCtrl+Q"));
    // The key as Qt names it in the program's language ("PgDown", or its French name).
    const QString pageDown = QKeySequence(Qt::Key_PageDown).toString(QKeySequence::NativeText);
    EXPECT_TRUE(widget("LblEtapeApres")->toolTip().endsWith("(" + pageDown + ")"));
    markCurve();
    key(Qt::Key_Escape);
    EXPECT_EQ(step(), Step::Shaping);
    key(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(step(), Step::Times);
    const int keypoint = controls.position("TbMontrePoint");
    key(Qt::Key_Right);
    EXPECT_EQ(controls.position("TbMontrePoint"), keypoint + 1) << "one step a key";

    // In an edit the arrows are the caret's, and undo is the window's, never the edit's own.
    widget("EdtTemps1st")->setFocus();
    const QString typed = controls.text("EdtTemps1st");
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QCoreApplication::sendEvent(focus(), &digit);
    const QString edited = controls.text("EdtTemps1st");
    ASSERT_NE(edited, typed);
    key(Qt::Key_Left);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(controls.text("EdtTemps1st"), typed) << "the typing is undone as one step";
    EXPECT_EQ(controls.position("TbMontrePoint"), keypoint + 1);
}

// Each dialog opens with the keyboard's focus inside it, is worked with Tab,
// Space and Enter, and closes with its own button or Escape; the focus then
// comes back to the main window.
TEST_F(KeyboardWindow, EveryDialogIsWorkedFromTheKeyboardAlone) {
    const auto dialog = [&](const char* name) { return window.findChild<QDialog*>(QLatin1String(name)); };
    const auto focusIn = [&](const char* name) { return focus() && focus()->window() == dialog(name); };
    const auto backInWindow = [&] { return focus() && focus()->window() == &window; };

    tabTo("ImgChargeObjetPte_Haut");
    key(Qt::Key_Space);
    key(Qt::Key_F1);
    ASSERT_TRUE(dialog("TFAide")->isVisible());
    EXPECT_TRUE(focusIn("TFAide"));
    key(Qt::Key_Return);
    EXPECT_FALSE(dialog("TFAide")->isVisible());
    EXPECT_TRUE(backInWindow());

    // About, the menu bar's command, by Alt and its first letter; Escape closes it.
    key(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(dialog("TFApropos")->isVisible());
    EXPECT_TRUE(focusIn("TFApropos"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(dialog("TFApropos")->isVisible());
    EXPECT_FALSE(controls.visible("TFApropos"));

    // The photo of a curve and its processing: the dialog's check boxes by
    // Tab and Space, OK by Enter.
    ASSERT_TRUE(controls.userClick("LbCreation"));
    for (int i = 0; i < 7; ++i)
        for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
            controls.userMouse("ImgDessin", MouseEvent{a, 100 + 100 * i, i % 2 ? 150 : 400, true});
    ASSERT_TRUE(controls.userClick("LblStopMarquage"));
    fakes.answers.push_back(QStringLiteral(TRAJECTA_TEST_DATA "/photo_journey.jpg"));
    tabTo("LblChoisirPhoto");
    key(Qt::Key_Space);
    ASSERT_FALSE(window.session().document().pictures.photo.isNull());
    tabTo("LblTraiter");
    key(Qt::Key_Space);
    ASSERT_TRUE(dialog("TFtraitePhoto")->isVisible());
    EXPECT_TRUE(focusIn("TFtraitePhoto"));
    const bool lines = controls.checked("ChbxTrait");
    tabTo("ChbxTrait");
    key(Qt::Key_Space);
    EXPECT_NE(controls.checked("ChbxTrait"), lines);
    tabTo("BtnOKTraitePhoto");
    key(Qt::Key_Return);
    EXPECT_FALSE(dialog("TFtraitePhoto")->isVisible());
    EXPECT_TRUE(backInWindow());

    // The extras of a finished project: a check box, a slider by the arrows, Escape cancels.
    for (const char* next : {"LblOKcourbe", "LblParaFini", "LblParaFini"})
        ASSERT_TRUE(controls.userClick(next)) << next;
    QApplication::processEvents();
    tabTo("LblExtras");
    key(Qt::Key_Space);
    ASSERT_TRUE(dialog("TFExtras")->isVisible());
    EXPECT_TRUE(focusIn("TFExtras"));
    tabTo("ChBxSupKP");
    key(Qt::Key_Space);
    ASSERT_TRUE(controls.checked("ChBxSupKP"));
    tabTo("TbrSupDeb");
    key(Qt::Key_Right);
    EXPECT_EQ(controls.position("TbrSupDeb"), 1);
    key(Qt::Key_Escape);
    EXPECT_FALSE(dialog("TFExtras")->isVisible());
    EXPECT_TRUE(backInWindow());
}

} // namespace
} // namespace trajecta
