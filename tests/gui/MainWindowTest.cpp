#include "gui/MainWindow.h"
#include "app/ControlInventory.h"
#include "gui/FadeButton.h"

#include "support/FakeServices.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QWindow>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    FakeServices fakes;
    KeyPointsBezier window{fakes.services()};
    Controls& controls = window.session().controls();
    QStringList events;

    void SetUp() override {
        window.resize(1200, 800);
        window.show();
    }

    template <typename T = QWidget> T* widget(const QString& name) {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    // A left press at `pressAt` of `pressOn`, released at `releaseAt` (global
    // position) over `releaseOn`.
    static void pressAndRelease(QWidget* pressOn, QPoint pressAt, QWidget* releaseOn, QPoint releaseAt) {
        QMouseEvent press(QEvent::MouseButtonPress, pressAt, pressOn->mapToGlobal(pressAt), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pressOn, &press);
        const QPoint local = releaseOn->mapFromGlobal(releaseAt);
        QMouseEvent release(QEvent::MouseButtonRelease, local, releaseAt, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(releaseOn, &release);
    }

    void record(const QString& name) {
        controls.onMouseDown(name, [this, name] { events << name + " down"; });
        controls.onMouseUp(name, [this, name] { events << name + " up"; });
        controls.onClick(name, [this, name] { events << name + " click"; });
    }
};

TEST_F(MainWindowTest, EveryControlHasExactlyOneWidgetOrAction) {
    EXPECT_EQ(window.objectName(), mainWindowName) << "the main window is the control of that name";
    for (const QString& name : controls.names()) {
        if (name == mainWindowName) continue;
        const auto found = window.findChildren<QObject*>(name);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        if (controls.get(name).kind == ControlKind::MenuItem && !found.isEmpty()) {
            EXPECT_TRUE(qobject_cast<QAction*>(found[0]) || qobject_cast<QMenu*>(found[0]))
                << name.toStdString();
        }
    }
    EXPECT_EQ(widget<QMenu>("Fichier")->title(), QStringLiteral("&Fichier")) << "Alt+F opens it";
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Trajecta"));
}

TEST_F(MainWindowTest, PressAndReleaseOnALabelGiveDownUpThenClick) {
    controls.show("PnlCoordSouris");
    record("LblCoordSouris");
    QLabel* label = widget<QLabel>("LblCoordSouris");
    const QPoint inside(2, 2);
    pressAndRelease(label, inside, label, label->mapToGlobal(inside));
    EXPECT_EQ(events, QStringList({"LblCoordSouris down", "LblCoordSouris up", "LblCoordSouris click"}));

    events.clear();
    pressAndRelease(label, inside, label, label->mapToGlobal(QPoint(-50, -50)));
    EXPECT_EQ(events, QStringList({"LblCoordSouris down", "LblCoordSouris up"}))
        << "released outside: no click";

    events.clear();
    controls.setEnabled("LblCoordSouris", false);
    pressAndRelease(label, inside, label, label->mapToGlobal(inside));
    EXPECT_TRUE(events.isEmpty()) << "a disabled label takes no click";
}

// The press shows in the button's sunken bevel; its caption keeps its size,
// at rest as it was before the press.
TEST_F(MainWindowTest, APressedCaptionKeepsItsSize) {
    controls.show("PnlAide");
    QLabel* caption = widget<QLabel>("LblAide");
    const QFont before = caption->font();
    const QPoint inside(4, 4);
    pressAndRelease(caption, inside, caption, caption->mapToGlobal(inside));
    EXPECT_EQ(caption->font(), before);
}

TEST_F(MainWindowTest, TheReleaseReachesTheImageThatTookThePressEvenWhenThePressHidIt) {
    const QString raised = "ImgChargeObjetPte_Haut";
    record(raised);
    controls.onMouseDown(raised, [&] {
        events << "down";
        controls.hide(raised);
    });
    controls.onMouseUp(raised, [&] {
        events << "up";
        controls.show(raised);
    });
    QWidget* top = widget(raised);
    QWidget* below = widget("ImgChargeObjetPte_Bas");
    ASSERT_EQ(top->geometry(), below->geometry()) << "the raised picture lies over its pressed twin";
    const QPoint centre = top->rect().center();
    pressAndRelease(top, centre, below, top->mapToGlobal(centre));
    EXPECT_EQ(events, QStringList({"down", "up", raised + " click"}));
    EXPECT_FALSE(top->isHidden());

    // The release as the platform first delivers it: to the window, before any widget.
    events.clear();
    QMouseEvent press(QEvent::MouseButtonPress, centre, top->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(top, &press);
    QWindow* platformWindow = window.windowHandle();
    ASSERT_NE(platformWindow, nullptr);
    const QPoint global = top->mapToGlobal(centre);
    QMouseEvent release(QEvent::MouseButtonRelease, platformWindow->mapFromGlobal(global), global,
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(platformWindow, &release);
    EXPECT_EQ(events, QStringList({"down", "up", raised + " click"}));
}

TEST_F(MainWindowTest, ModelChangesReachTheWidgets) {
    controls.setCaption("LbCreation", "Nouvelle");
    EXPECT_EQ(widget<QLabel>("LbCreation")->text(), "Nouvelle");
    controls.setCaption("LblRetourPoints", "a\rb");
    EXPECT_EQ(widget<QLabel>("LblRetourPoints")->text(), "a\nb");

    controls.show("RdgChoixEcran");
    EXPECT_TRUE(widget("RdgChoixEcran")->isVisible());
    controls.hide("RdgChoixEcran");
    EXPECT_FALSE(widget("RdgChoixEcran")->isVisible());

    controls.setItemIndex("RdgChoixEcran", 3);
    const auto radios = widget("RdgChoixEcran")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 5);
    EXPECT_TRUE(radios[3]->isChecked());
    EXPECT_EQ(radios[3]->text(), "4/3");

    controls.setChecked("ChBx3", true);
    EXPECT_TRUE(widget<QCheckBox>("ChBx3")->isChecked());
    controls.setMax("TbrQPoints", 40);
    controls.setPosition("TbrQPoints", 33);
    EXPECT_EQ(widget<QSlider>("TbrQPoints")->maximum(), 40);
    EXPECT_EQ(widget<QSlider>("TbrQPoints")->value(), 33);
    controls.setEnabled("ChBx3", false);
    EXPECT_FALSE(widget("ChBx3")->isEnabled());

    controls.setCaption("English", "English");
    controls.setChecked("English", true);
    auto* english = widget<QAction>("English");
    EXPECT_EQ(english->text(), "English");
    EXPECT_TRUE(english->isChecked());
}

TEST_F(MainWindowTest, UserInputGoesToTheModelAndARefusalLeavesNoTrace) {
    controls.show("RdgChoixEcran");
    int clicks = 0;
    controls.onClick("RdgChoixEcran", [&] { ++clicks; });
    widget("RdgChoixEcran")->findChildren<QRadioButton*>()[2]->click();
    EXPECT_EQ(controls.itemIndex("RdgChoixEcran"), 2);
    EXPECT_EQ(clicks, 1);

    // A handler that undoes the tick: the box shows what the model holds.
    controls.show("PnlDockFondOrg");
    controls.onClick("ChBxFermerCourbe", [&] { controls.setChecked("ChBxFermerCourbe", false); });
    widget<QCheckBox>("ChBxFermerCourbe")->click();
    EXPECT_FALSE(controls.checked("ChBxFermerCourbe"));
    EXPECT_FALSE(widget<QCheckBox>("ChBxFermerCourbe")->isChecked());

    // A menu item the model does not tick stays unticked.
    QStringList menu;
    controls.onClick("English", [&] { menu << "English"; });
    widget<QAction>("English")->trigger();
    EXPECT_EQ(menu, QStringList{"English"});
    EXPECT_FALSE(widget<QAction>("English")->isChecked());
}

TEST_F(MainWindowTest, TheWorkAreaDeliversPixelPositionsAndAClickAfterEachPressRelease) {
    std::vector<MouseEvent> seen;
    controls.onMouse("ImgDessin", [&](const MouseEvent& e) { seen.push_back(e); });
    controls.setGeometry("ImgDessin", 0, 0, 300, 200);
    controls.show("ImgDessin");
    QWidget* work = widget("ImgDessin");
    EXPECT_EQ(work->size(), QSize(300, 200));
    pressAndRelease(work, QPoint(10, 20), work, work->mapToGlobal(QPoint(12, 21)));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].action, MouseAction::Down);
    EXPECT_EQ(QPoint(seen[0].x, seen[0].y), QPoint(10, 20));
    EXPECT_EQ(seen[1].action, MouseAction::Up);
    EXPECT_EQ(seen[2].action, MouseAction::Click);
    EXPECT_EQ(QPoint(seen[2].x, seen[2].y), QPoint(12, 21));
}

TEST_F(MainWindowTest, KeyPressesReachTheModelOnceAsTheWindowTheyWerePressedIn) {
    QStringList keys;
    controls.onKey(mainWindowName, [&](const QString& k) { keys << k; });
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier, QStringLiteral("w"));
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &shifted);
    EXPECT_EQ(keys, QStringList({"Ctrl+W", "Ctrl+Shift+W"}));
}

TEST_F(MainWindowTest, TheClientSizeReachesTheSession) {
    window.resize(1000, 700);
    QCoreApplication::processEvents();
    const QWidget* client = window.centralWidget();
    EXPECT_EQ(window.session().document().shell.clientWidth, client->width());
    EXPECT_EQ(window.session().document().shell.clientHeight, client->height());
}

// The handle's press and release reach the model around the moves, so that a
// drag of a slider is one operation.
TEST_F(MainWindowTest, ASliderDragIsFramedByItsPressAndRelease) {
    const QString name = QStringLiteral("TbrQPoints");
    for (QString n = name; !n.isEmpty(); n = controls.get(n).parent) {
        controls.show(n);
        controls.setEnabled(n, true);
    }
    controls.setMax(name, 60);
    record(name);
    controls.onChange(name, [&] { events << name + " change"; });
    auto* slider = widget<QSlider>(name);
    slider->setSliderDown(true);
    slider->setSliderPosition(20);
    slider->setSliderPosition(30);
    slider->setSliderDown(false);
    ASSERT_GE(events.size(), 3);
    EXPECT_EQ(events.first(), name + " down");
    EXPECT_EQ(events[1], name + " change");
    EXPECT_EQ(events.last(), name + " up");
    EXPECT_EQ(controls.position(name), 30);
}

} // namespace
} // namespace trajecta

namespace trajecta {
namespace {

TEST_F(MainWindowTest, DialogsAreModalWindowsThatTheModelOpensAndTheUserCloses) {
    auto* extras = widget<QDialog>(extrasDialogName);
    ASSERT_NE(extras, nullptr);
    EXPECT_EQ(extras->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(extras->isWindow());
    EXPECT_FALSE(extras->isVisible());
    EXPECT_EQ(extras->windowTitle(), "Extras");
    EXPECT_TRUE(widget(secondWindowName)->isWindow());
    EXPECT_EQ(widget(secondWindowName)->windowModality(), Qt::NonModal);

    controls.show("PnlCoordSouris");
    record("LblCoordSouris");
    controls.show(extrasDialogName);
    EXPECT_TRUE(extras->isVisible());
    QLabel* label = widget<QLabel>("LblCoordSouris");
    pressAndRelease(label, QPoint(2, 2), label, label->mapToGlobal(QPoint(2, 2)));
    EXPECT_EQ(events, QStringList{}) << "the open dialog blocks the main window";

    extras->reject(); // Escape or the window's close button
    EXPECT_FALSE(controls.visible(extrasDialogName));
    pressAndRelease(label, QPoint(2, 2), label, label->mapToGlobal(QPoint(2, 2)));
    EXPECT_EQ(events, QStringList({"LblCoordSouris down", "LblCoordSouris up", "LblCoordSouris click"}));

    // The flat cancel button of the Extras dialog closes it like a label button.
    controls.show(extrasDialogName);
    QLabel* cancel = widget<QLabel>("BtnExtrasAnnuler");
    ASSERT_NE(dynamic_cast<FadeButton*>(cancel), nullptr);
    pressAndRelease(cancel, QPoint(2, 2), cancel, cancel->mapToGlobal(QPoint(2, 2)));
    EXPECT_FALSE(controls.visible(extrasDialogName));
    EXPECT_FALSE(extras->isVisible());
}

TEST_F(MainWindowTest, AGroupMovedInTheModelMovesToTheSecondWindow) {
    QWidget* group = widget("PnlFondEtCourbe");
    controls.reparent("PnlFondEtCourbe", "PnlDockFondDest");
    EXPECT_EQ(group->parentWidget(), widget("PnlDockFondDest"));
    EXPECT_EQ(group->window(), widget(secondWindowName));
    controls.show(secondWindowName);
    EXPECT_TRUE(group->isVisible());
    controls.reparent("PnlFondEtCourbe", "PnlDockFondOrg");
    EXPECT_EQ(group->parentWidget(), widget("PnlDockFondOrg"));
    EXPECT_FALSE(group->isHidden()) << "it keeps its own visibility";

    // The window manager closing the second window hides it in the model.
    widget(secondWindowName)->close();
    EXPECT_FALSE(controls.visible(secondWindowName));
}

TEST_F(MainWindowTest, AnErrorOfTheModelIsReportedAndTheWindowGoesOn) {
    controls.show("PnlCoordSouris");
    controls.onClick("LblCoordSouris", [this] { controls.show("NoSuchControl"); });
    QLabel* label = widget<QLabel>("LblCoordSouris");
    testing::internal::CaptureStderr();
    pressAndRelease(label, QPoint(2, 2), label, label->mapToGlobal(QPoint(2, 2)));
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("no control named NoSuchControl"), std::string::npos) << reported;

    record("LblCoordSouris");
    pressAndRelease(label, QPoint(2, 2), label, label->mapToGlobal(QPoint(2, 2)));
    EXPECT_EQ(events.size(), 3) << "the next input is handled as usual";
}

TEST_F(MainWindowTest, AnEditWhoseKeysTheModelHandlesPastesOnce) {
    controls.show("GbxTemps");
    QApplication::processEvents();
    auto* edit = widget<QLineEdit>("EdtTemps1st");
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    controls.setText("EdtTemps1st", "3");
    controls.setCaret("EdtTemps1st", 1);
    fakes.clipboardText = "12";
    QGuiApplication::clipboard()->setText("12"); // what the field itself would paste
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "v");
    QCoreApplication::sendEvent(edit, &paste);
    QApplication::processEvents();
    EXPECT_EQ(controls.text("EdtTemps1st"), "312");
    EXPECT_EQ(edit->text(), "312");
}

TEST_F(MainWindowTest, AnEditTypesAndPastesWhereItsCaretAndSelectionAre) {
    for (const char* name : {"PnlDockParasOrg", "PnlPourDockGbxPara", "GbxParaSurQuoi", "PnParaFin"})
        controls.show(name);
    ASSERT_TRUE(controls.userCanReach("EdtZoomXfin"));
    QApplication::processEvents();
    QApplication::setActiveWindow(&window);
    auto* zoom = widget<QLineEdit>("EdtZoomXfin");
    zoom->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), zoom);
    controls.setText("EdtZoomXfin", "100");
    zoom->selectAll();
    fakes.clipboardText = "120";
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "v");
    QCoreApplication::sendEvent(zoom, &paste);
    EXPECT_EQ(controls.text("EdtZoomXfin"), "120") << "the paste replaces the selection";
    EXPECT_EQ(zoom->text(), "120");

    // Backspace on the "0" of "0.5" removes that character and nothing else.
    auto* centre = widget<QLineEdit>("EdtCentreXFin");
    centre->setFocus();
    controls.setText("EdtCentreXFin", "0.5");
    centre->setCursorPosition(1);
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(centre, &backspace);
    EXPECT_EQ(controls.text("EdtCentreXFin"), ".5");
    // A separator typed at the start is refused there, and the text stays.
    QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, ".");
    QCoreApplication::sendEvent(centre, &point);
    EXPECT_EQ(controls.text("EdtCentreXFin"), ".5");
    EXPECT_EQ(centre->text(), ".5");
    EXPECT_EQ(centre->cursorPosition(), 0);
}

} // namespace
} // namespace trajecta

namespace trajecta {
namespace {

// Qt's own texts (file dialogs, message box buttons) speak the program's language.
TEST_F(MainWindowTest, QtsOwnTextsFollowTheLanguage) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(cancel(), "Annuler");
    ASSERT_TRUE(controls.userClick("English"));
    window.afterInput();
    EXPECT_EQ(cancel(), "Cancel");
}

} // namespace
} // namespace trajecta
