#include "app/ControlInventory.h"
#include "gui/MainWindow.h"

#include "support/FakeServices.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

class ShellWindowsTest : public ::testing::Test {
  protected:
    FakeServices fakes;
    std::unique_ptr<KeyPointsBezier> window;

    void open() {
        window = std::make_unique<KeyPointsBezier>(fakes.services());
        window->resizeToDefault();
        window->showAtStoredPlace();
        QCoreApplication::processEvents();
    }
    Controls& controls() { return window->session().controls(); }
    template <typename T = QWidget> T* widget(const QString& name) { return window->findChild<T*>(name); }
    void trigger(const QString& action) { widget<QAction>(action)->trigger(); }
    void clickOn(QWidget* w) {
        const QPoint at(w->width() / 2, w->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }
    void ctrlW(QWidget* in) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier, QStringLiteral("w"));
        QWidget* focus = QApplication::focusWidget();
        QCoreApplication::sendEvent(focus && focus->window() == in ? focus : in, &press);
    }
};

TEST_F(ShellWindowsTest, TheSecondWindowOpensAtItsPlaceHoldsTheGroupsAndClosesByCtrlW) {
    open();
    QWidget* second = widget(secondWindowName);
    ASSERT_NE(second, nullptr);
    trigger("Parametres");
    ASSERT_TRUE(second->isVisible());
    EXPECT_TRUE(widget<QAction>("Parametres")->isChecked());
    EXPECT_TRUE(widget<QAction>("VoirF2")->isEnabled());
    EXPECT_EQ(widget("PnRefaire")->window(), second);
    EXPECT_EQ(widget("GbxParaSurQuoi")->window(), second);
    const ControlState& model = controls().get(secondWindowName);
    EXPECT_EQ(second->pos(), QPoint(model.left, model.top));

    second->move(second->x() + 30, second->y() + 20); // the user moves it
    QCoreApplication::processEvents();
    EXPECT_EQ(QPoint(model.left, model.top), second->pos());
    ctrlW(second);
    EXPECT_FALSE(second->isVisible());
    ctrlW(window.get());
    EXPECT_TRUE(second->isVisible());
    second->close(); // by the window manager
    EXPECT_FALSE(controls().visible(secondWindowName));
    EXPECT_FALSE(window->session().document().shell.secondWindowShown);

    trigger("Parametres");
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(widget("PnRefaire")->window(), window.get());
}

// Placed against the screen's right edge, the second window grows with the
// groups of later steps and stays on the screen as far as its width allows.
TEST_F(ShellWindowsTest, TheSecondWindowGrowingInALaterStepStaysOnItsScreen) {
    open();
    QWidget* second = widget(secondWindowName);
    trigger("Parametres");
    controls().userClick("ChargerExemple");
    QCoreApplication::processEvents();
    const QRect room = second->screen()->availableGeometry();
    second->move(room.right() + 1 - second->frameGeometry().width(), room.top());
    QCoreApplication::processEvents();
    const int before = second->width();
    controls().userClick("LbCreation");
    for (int i = 0; i < 4; ++i)
        for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
            controls().userMouse("ImgDessin", MouseEvent{a, 30 + 40 * i, i % 2 == 0 ? 40 : 90, true});
    for (const char* next : {"LblStopMarquage", "LblOKcourbe", "LblParaFini"})
        controls().userClick(next);
    window->afterInput();
    QCoreApplication::processEvents();
    ASSERT_GT(second->width(), before);
    // Wider than the screen, it stands against the left edge.
    const QRect frame = second->frameGeometry();
    EXPECT_TRUE(frame.right() <= room.right() || frame.left() == room.left()) << frame.left();
    EXPECT_GE(frame.left(), room.left());
    const ControlState& model = controls().get(secondWindowName);
    EXPECT_EQ(QPoint(model.left, model.top), second->pos()) << "the model follows it";
}

TEST_F(ShellWindowsTest, HelpAndAboutAreModalWindowsThatTheirOwnControlsClose) {
    open();
    controls().userClick("ChargerExemple");
    auto* help = widget<QDialog>(helpWindowName);
    clickOn(widget("LblAide"));
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(widget("ImgAideT1Fr")->isVisible());
    EXPECT_FALSE(widget("ImgAideT1Eng")->isVisible());
    clickOn(widget("BtnOKAide"));
    EXPECT_FALSE(help->isVisible());

    auto* about = widget<QDialog>(aboutWindowName);
    trigger("Apropos");
    ASSERT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "A propos");
    clickOn(widget("ImgAproposFr"));
    EXPECT_FALSE(about->isVisible());
}

TEST_F(ShellWindowsTest, QuittingWritesTheMainWindowsPlaceAndTheNextStartRestoresIt) {
    open();
    window->move(40, 50);
    window->resize(1000, 700);
    QCoreApplication::processEvents();
    trigger("Commencer");
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible()) << "the window closes";
    EXPECT_EQ(fakes.settingsSaved, 1);
    EXPECT_EQ(fakes.value("EtatF1", "PosF1Left", ""), "40");
    EXPECT_EQ(fakes.value("EtatF1", "PosF1Width", ""), "1000");

    open();
    EXPECT_EQ(window->pos(), QPoint(40, 50));
    EXPECT_EQ(window->size(), QSize(1000, 700));
}

// The caption marks changes that no saved file holds; the window manager's
// close asks about them first, and a cancelled question keeps the window.
TEST_F(ShellWindowsTest, ClosingAWindowWithUnsavedChangesAsksFirst) {
    open();
    controls().userClick("ChargerExemple");
    controls().userClick("LbCreation");
    window->afterInput();
    EXPECT_EQ(window->windowTitle(), " Trajecta");
    for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
        controls().userMouse("ImgDessin", MouseEvent{a, 100, 100, true});
    window->afterInput();
    EXPECT_EQ(window->windowTitle(), "* Trajecta");

    fakes.answers.push_back("cancel");
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(fakes.log.filter("Le projet a des changements").size(), 1);
    fakes.answers.push_back("Ne pas enregistrer");
    window->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(fakes.log.filter("Le projet a des changements").size(), 2);
}

} // namespace
} // namespace trajecta

namespace trajecta {
namespace {

TEST_F(ShellWindowsTest, AStoredTwoWindowLayoutOpensWithTheGroupsOnTheSecondWindow) {
    fakes.setValue("F1seule", "TravauxSurF1", "0");
    open();
    QWidget* second = widget(secondWindowName);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(widget("PnlOKtout")->window(), second);
    EXPECT_TRUE(widget<QAction>("Parametres")->isChecked());
    EXPECT_TRUE(widget("PnlChargeObjetPte")->isVisible());
    EXPECT_TRUE(widget("ImgChargeObjetPte_Haut")->isVisible());
    EXPECT_EQ(widget("PnlChargeObjetPte")->window(), window.get());
    EXPECT_TRUE(window->centralWidget()->isVisible());

    // At the time step the groups are on the second window, which is as
    // large as they need, and the time group that stays on the main window
    // stands beside the work area, whole.
    Session& session = window->session();
    controls().userClick("ChargerExemple");
    session.workflow().createCurve();
    for (int i = 0; i < 7; ++i)
        for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
            controls().userMouse("ImgDessin", MouseEvent{a, 30 + 20 * i, i % 2 == 0 ? 40 : 90, true});
    session.workflow().stopMarking();
    session.workflow().finishCurve();
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget("LblParaFini")->isVisible());
    EXPECT_EQ(second->size(), second->sizeHint());
    QWidget* time = widget("EdtTemps1st");
    ASSERT_TRUE(time->isVisible());
    QWidget* client = window->centralWidget();
    const QPoint middle = time->mapTo(client, time->rect().center());
    QWidget* work = widget("ImgDessin");
    EXPECT_FALSE(QRect(work->mapTo(client, QPoint(0, 0)), work->size()).contains(middle));
    EXPECT_EQ(client->childAt(middle), time) << "the time field is not covered";
}

} // namespace
} // namespace trajecta
