#include "app/ControlInventory.h"
#include "core/LayoutSizes.h"
#include "gui/ButtonPictures.h"
#include "gui/MainWindow.h"
#include "gui/QtServices.h"

#include "support/FakeServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QWindow>
#include <gtest/gtest.h>

#include <array>

namespace trajecta {
namespace {

TEST(ButtonPictures, CarryTheCaptionOfTheLanguageRaisedAndPressed) {
    EXPECT_EQ(ButtonPictures::caption("ImgChargeObjetPte_Haut", 0), "Charger un objet PTE");
    EXPECT_EQ(ButtonPictures::caption("ImgChargeObjetPte_Bas", 1), "Load a PTE object");
    EXPECT_EQ(ButtonPictures::caption("ImgTransfertSeul_Haut", 1), "Transfer only");
    EXPECT_EQ(ButtonPictures::caption("ImgNvlObjet_bas", 0), "Nouvel objet");
    EXPECT_EQ(ButtonPictures::caption("ImgTransfertTotalHaut", 0), "Transfert total et retour");
    EXPECT_EQ(ButtonPictures::caption("ImgTransfertTotalBas", 1), "Total transfer and return");
    EXPECT_TRUE(ButtonPictures::pressed("ImgNvlObjet_bas"));
    EXPECT_TRUE(ButtonPictures::pressed("ImgTransfertTotalBas"));
    EXPECT_FALSE(ButtonPictures::pressed("ImgTransfertTotalHaut"));

    const QImage raised = ButtonPictures::forImage("ImgNvlObjet_haut", 0).toImage();
    const QImage down = ButtonPictures::forImage("ImgNvlObjet_bas", 0).toImage();
    const QImage english = ButtonPictures::forImage("ImgNvlObjet_haut", 1).toImage();
    EXPECT_EQ(raised.size(), QSize(ButtonPictures::buttonWidth, ButtonPictures::buttonHeight));
    EXPECT_EQ(down.size(), raised.size());
    EXPECT_NE(raised, down);
    EXPECT_NE(raised, english);

    const QImage left = ButtonPictures::forImage("ImgFG_haut", 0).toImage();
    const QImage right = ButtonPictures::forImage("ImgFD_haut", 0).toImage();
    // Where the arrow's ink leans: the tip side holds fewer ink pixels than the base side.
    auto lean = [](const QImage& arrow) {
        long sum = 0, count = 0;
        for (int y = 3; y < arrow.height() - 3; ++y)
            for (int x = 3; x < arrow.width() - 3; ++x)
                if (qBlue(arrow.pixel(x, y)) > qRed(arrow.pixel(x, y)) + 40) sum += x, ++count;
        return count ? double(sum) / count - arrow.width() / 2.0 : 0.0;
    };
    EXPECT_GT(lean(left), 0.5) << "left arrow: base on the right";
    EXPECT_LT(lean(right), -0.5) << "right arrow: base on the left";
    EXPECT_TRUE(ButtonPictures::forImage("ImgSomethingElse", 0).isNull());
}

class WindowLayoutTest : public ::testing::Test {
  protected:
    FakeServices fakes;
    KeyPointsBezier window{fakes.services()};
    Controls& controls = window.session().controls();

    void SetUp() override {
        window.resize(1366, 768);
        window.show();
    }
    QWidget* widget(const QString& name) { return window.findChild<QWidget*>(name); }
    // Position in the client area, whatever region holds the widget.
    QPoint at(const QString& name) { return widget(name)->mapTo(window.centralWidget(), QPoint(0, 0)); }
};

TEST_F(WindowLayoutTest, TheLoadPanelStandsWhereTheHostPlacesIt) {
    const QWidget* client = window.centralWidget();
    const ControlState& load = controls.get("PnlChargeObjetPte");
    EXPECT_EQ(load.left, client->width() / 2 - load.width / 2);
    EXPECT_EQ(load.top, client->height() / 3);
    EXPECT_EQ(widget("PnlChargeObjetPte")->geometry(), QRect(load.left, load.top, load.width, load.height));
    EXPECT_TRUE(widget("ImgChargeObjetPte_Haut")->isVisible());
}

TEST_F(WindowLayoutTest, MessageLineAndBottomBandFollowTheWorkArea) {
    controls.setGeometry("ImgDessin", 0, 0, 640, 360);
    controls.show("ImgDessin");
    controls.show("PnMessages");
    controls.show("PnlDockFondOrg");
    EXPECT_EQ(widget("ImgDessin")->geometry(), QRect(0, 0, 640, 360));
    EXPECT_EQ(at("PnMessages").y(), 360);
    EXPECT_GE(at("RdgFond").y(), 360 + messageHeight);
    EXPECT_LT(at("RdgFond").x(), 640) << "the background group sits in the band under the work area";

    controls.setGeometry("ImgDessin", 0, 0, 800, 450);
    EXPECT_EQ(at("PnMessages").y(), 450);
}

TEST_F(WindowLayoutTest, HiddenPanelsOfTheRightColumnCloseUp) {
    controls.show("PnlDockOrgEtapes");
    controls.show("PnlDockAideOrg");
    QCoreApplication::processEvents();
    const int x = at("LblAide").x();
    EXPECT_GE(x, window.centralWidget()->width() - rightColumnWidth);
    const int below = at("LblAide").y();
    controls.hide("PnlDockOrgEtapes");
    QCoreApplication::processEvents();
    EXPECT_LT(at("LblAide").y(), below);
}

// Brings the window to step `step` (2 to 5) with a two-part curve, at the
// window's present size, as the user's clicks would; the sample object is
// loaded first when the window still waits for one.
void walkTo(Session& session, int step) {
    Workflow& flow = session.workflow();
    if (session.controls().showing("PnlChargeObjetPte")) session.host().ChargerExempleClick();
    flow.enterFormatStep();
    flow.createCurve();
    Controls& c = session.controls();
    for (int i = 0; i < 7; ++i) {
        const int x = 30 + 20 * i, y = i % 2 == 0 ? 40 : 90;
        for (MouseAction a : {MouseAction::Down, MouseAction::Up, MouseAction::Click})
            c.userMouse("ImgDessin", MouseEvent{a, x, y, true});
    }
    if (step >= 3) flow.stopMarking();
    if (step >= 4) flow.finishCurve();
    if (step >= 5) c.userClick("LblParaFini");
}

// Where a widget lies in the client area, whatever region or scroll position holds it.
QRect placeOf(const QWidget* w, const QWidget* client) {
    return QRect(w->mapTo(client, QPoint(0, 0)), w->size());
}

// The part of a widget a user sees: a scrolling region shows only what its viewport holds.
QRect seenPart(const QWidget* w, const QWidget* client) {
    QRect seen = placeOf(w, client);
    for (const QWidget* p = w; p && p != client; p = p->parentWidget())
        if (auto* region = qobject_cast<const QScrollArea*>(p)) seen &= placeOf(region->viewport(), client);
    return seen;
}

// A press on a button whose raised picture hides under the mouse moves the
// keyboard focus on; the region holding it must not scroll then, or the
// release lands beside the button and the transfer is lost.
TEST_F(WindowLayoutTest, APressThatMovesTheFocusLeavesTheColumnWhereItIs) {
    walkTo(window.session(), 5);
    controls.userClick("LblParaFini");
    QCoreApplication::processEvents();
    auto* column = qobject_cast<QScrollArea*>(widget("rightColumn")->parentWidget()->parentWidget());
    column->resize(column->width(), 60); // as on a screen far too small for the column
    QWidget* raised = widget("ImgTransfertSeul_Haut");
    column->ensureWidgetVisible(raised);
    QCoreApplication::processEvents();
    const int scrolled = column->verticalScrollBar()->value();
    ASSERT_GT(column->verticalScrollBar()->maximum(), 0) << "the column scrolls at this size";
    raised->setFocus(Qt::TabFocusReason); // reached by Tab before the click
    ASSERT_EQ(QApplication::focusWidget(), raised);
    const QPoint centre = raised->rect().center(), global = raised->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(raised, &press);
    QCoreApplication::processEvents();
    EXPECT_EQ(column->verticalScrollBar()->value(), scrolled);
    // The release as the platform delivers it: to the window, at the pointer.
    QWindow* platform = window.windowHandle();
    QMouseEvent release(QEvent::MouseButtonRelease, platform->mapFromGlobal(global), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(platform, &release);
    EXPECT_TRUE(fakes.clipboardText.has_value()) << "the transfer went through";
}

TEST_F(WindowLayoutTest, GroupsNeitherOverlapNorShrinkAtAnySizeFromTheMinimumUp) {
    QWidget* client = window.centralWidget();
    window.resize(200, 150);
    const QSize minimum = window.size();
    EXPECT_GT(minimum.width(), rightColumnWidth + 200) << "the window keeps room for its groups";
    EXPECT_GT(minimum.height(), bottomBandHeight);

    QStringList groups; // the main window's own controls that the two regions hold
    for (const QString& name : controls.children(mainWindowName))
        if (controls.get(name).kind != ControlKind::MenuItem && name != "ImgDessin" && name != "PnMessages" &&
            name != "PnlChargeObjetPte" && name != "LblTravauxEnCours")
            groups << name;

    for (const QSize size :
         {minimum, minimum + QSize(37, 23), QSize(1024, 700), QSize(1366, 768), QSize(1920, 800)}) {
        for (int step : {2, 3, 4, 5}) {
            window.resize(size);
            QCoreApplication::processEvents();
            walkTo(window.session(), step);
            QCoreApplication::processEvents();
            const std::string where = QStringLiteral("%1x%2 step %3")
                                          .arg(window.width())
                                          .arg(window.height())
                                          .arg(step)
                                          .toStdString();
            const QRect work = placeOf(widget("ImgDessin"), client);
            const QRect column =
                placeOf(widget("rightColumn")->parentWidget(), client); // the column's viewport
            EXPECT_EQ(column.left(), std::min(work.width(), client->width() - rightColumnWidth)) << where;
            EXPECT_FALSE(column.intersects(work)) << where;

            QList<QPair<QString, QRect>> shown;
            for (const QString& name : groups) {
                QWidget* w = widget(name);
                if (!w->isVisible()) continue;
                const QRect place = seenPart(w, client);
                EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name.toStdString() << " " << where;
                EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name.toStdString() << " " << where;
                EXPECT_FALSE(place.intersects(work)) << name.toStdString() << " " << where;
                for (const auto& [other, otherPlace] : shown)
                    EXPECT_FALSE(place.intersects(otherPlace))
                        << name.toStdString() << " overlaps " << other.toStdString() << " " << where;
                shown.append({name, place});
            }
            // Every radio item shows whole inside its group.
            for (QRadioButton* radio : client->findChildren<QRadioButton*>()) {
                if (!radio->isVisible()) continue;
                const QWidget* group = radio->parentWidget();
                EXPECT_TRUE(group->rect().contains(radio->geometry()))
                    << group->objectName().toStdString() << " " << where;
                EXPECT_GE(radio->height(), radio->minimumSizeHint().height())
                    << group->objectName().toStdString() << " " << where;
            }
        }
    }
}

// At the default size the controls of the time and parameter steps show
// whole, without scrolling either region; the cursor group stands in the
// column and goes with the parameter host.
TEST_F(WindowLayoutTest, TheToolsOfStepsFourAndFiveShowWholeAtTheDefaultSize) {
    QWidget* client = window.centralWidget();
    auto seenWhole = [&](const QStringList& names, const std::string& where) {
        for (const QString& name : names) {
            const QWidget* w = widget(name);
            ASSERT_TRUE(w->isVisible()) << name.toStdString() << " " << where;
            EXPECT_EQ(seenPart(w, client), placeOf(w, client)) << name.toStdString() << " " << where;
            EXPECT_TRUE(client->rect().contains(placeOf(w, client))) << name.toStdString() << " " << where;
        }
    };
    const QStringList cursor{"TbMontrePoint", "ImgFG_haut",   "ImgFD_haut", "LblVarDep",
                             "LblVarFin",     "LblVarAnnule", "LblVarSave", "LblParaFini"};
    auto inColumn = [&](const QString& name) {
        return placeOf(widget(name), client).left() >= placeOf(widget("ImgDessin"), client).right();
    };

    walkTo(window.session(), 4);
    QCoreApplication::processEvents();
    seenWhole(cursor + QStringList{"GbxTemps", "EdtTemps1st", "GbxParaSurQuoi"}, "step 4");
    EXPECT_TRUE(inColumn("TbMontrePoint"));
    EXPECT_TRUE(inColumn("GbxTemps"));
    // A range chosen: the start and end times to type.
    controls.userClick("LblVarDep");
    controls.userSetPosition("TbMontrePoint", 5);
    controls.userClick("LblVarFin");
    QCoreApplication::processEvents();
    seenWhole({"EdtTempsDeb", "EdtTempsFin", "LblVarSave"}, "step 4, range started");

    walkTo(window.session(), 5);
    controls.userSetChecked("ChbxOpacite", true);
    controls.userSetChecked("ChBxRotation", true);
    QCoreApplication::processEvents();
    // The range buttons stay under the mouse while the range is chosen.
    const QPoint endButton = placeOf(widget("LblVarFin"), client).topLeft();
    const QPoint saveButton = placeOf(widget("LblVarSave"), client).topLeft();
    controls.userClick("LblVarDep");
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget("LblChoixDep")->isVisible());
    EXPECT_EQ(placeOf(widget("LblVarFin"), client).topLeft(), endButton);
    seenWhole(cursor + QStringList{"GbxInfoParaPoint", "GbxParaSurQuoi", "EdtOpaDeb", "EdtRotDeb"}, "step 5");
    controls.userSetPosition("TbMontrePoint", 5);
    controls.userClick("LblVarFin");
    QCoreApplication::processEvents();
    EXPECT_FALSE(widget("TbMontrePoint")->isVisible()) << "the cursor hides once the range end is chosen";
    EXPECT_EQ(placeOf(widget("LblVarSave"), client).topLeft(), saveButton);
    seenWhole({"LblVarSave", "EdtOpaFin", "EdtRotFin"}, "step 5, range chosen");
    EXPECT_FALSE(widget("GbxTemps")->isVisible());
    // Numbers need no more room than a few digits.
    for (const char* name : {"EdtOpaDeb", "EdtRotDeb", "EdtTemps1st"})
        EXPECT_LT(widget(name)->width(), 120) << name;

    // Back to the curve, the cursor leaves the column with the parameter host.
    walkTo(window.session(), 3);
    QCoreApplication::processEvents();
    EXPECT_FALSE(controls.get("PnlDockParasOrg").visible);
    EXPECT_FALSE(widget("TbMontrePoint")->isVisible());
    walkTo(window.session(), 5);
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget("TbMontrePoint")->isVisible());
}

// A work area larger than its room shows fitted to it, and the mouse reaches
// the picture's pixel under the pointer; at 100 % it shows pixel for pixel in
// a view that scrolls. A point dragged past the edge stays on the work area,
// where it can be grabbed again.
TEST_F(WindowLayoutTest, AWorkAreaLargerThanItsRoomFitsAndItsPointsStayWithinReach) {
    walkTo(window.session(), 3);
    QCoreApplication::processEvents();
    const CurveDocument& doc = window.session().document();
    const QSize picture(doc.workflow.workWidth, doc.workflow.workHeight);
    window.resize(1000, 600);
    QCoreApplication::processEvents();
    QWidget* work = widget("ImgDessin");
    QWidget* client = window.centralWidget();
    const qreal scale = qreal(work->width()) / picture.width();
    ASSERT_LT(scale, 0.9);
    EXPECT_NEAR(work->height(), picture.height() * scale, 1);
    EXPECT_LE(placeOf(work, client).right(), client->width() - rightColumnWidth);
    auto mouse = [&](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
        QMouseEvent e(type, at, work->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(work, &e);
    };
    auto drag = [&](QPointF from, QPointF to) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    };
    const QPoint first = doc.curve.controlPoints[0];
    drag(QPointF(first) * scale, QPointF(work->width() + 80, first.y() * scale));
    EXPECT_EQ(doc.curve.controlPoints[0], QPoint(picture.width() - 1, first.y())) << "kept on the work area";
    drag(QPointF(doc.curve.controlPoints[0]) * scale, QPointF(300, 200));
    EXPECT_NEAR(doc.curve.controlPoints[0].x() * scale, 300, 1) << "the pixel under the pointer";
    EXPECT_NEAR(doc.curve.controlPoints[0].y() * scale, 200, 1);

    auto* actualSize = qobject_cast<QAbstractButton*>(widget("fitToggle"));
    ASSERT_TRUE(actualSize && actualSize->isVisible());
    actualSize->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(work->size(), picture);
    EXPECT_LE(placeOf(work->parentWidget(), client).right(), client->width() - rightColumnWidth);
    drag(QPointF(doc.curve.controlPoints[0]), QPointF(100, 120));
    EXPECT_EQ(doc.curve.controlPoints[0], QPoint(100, 120)) << "pixel for pixel at 100 %";
    window.resize(1366, 768);
    QCoreApplication::processEvents();
    EXPECT_FALSE(actualSize->isVisible()) << "no choice to make when the work area has its room";
}

// What of a widget its window shows: every parent, and the viewport of every
// scrolling region, cuts what lies outside it.
QRect shownPart(const QWidget* w, const QWidget* client) {
    QRect seen = seenPart(w, client);
    for (const QWidget* p = w->parentWidget(); p && p != client; p = p->parentWidget())
        seen &= placeOf(p, client);
    return seen & client->rect();
}

// Checks the window as the user sees it in every step, at three window sizes,
// in French and English, with one window and with two: every control shows
// whole, without a scroll, the groups neither overlap one another nor the
// work area, and the background's radio items stand in two columns.
class WholeWindowTest : public ::testing::Test {
  protected:
    FakeServices fakes;
    std::unique_ptr<KeyPointsBezier> window;
    std::string where;

    QWidget* widget(const QString& name) { return window->findChild<QWidget*>(name); }
    void settle() {
        window->afterInput();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    void click(const QString& name) {
        window->session().controls().userClick(name);
        settle();
    }
    void checkStep(const std::string& step);
    void checkParameterColumns();
};

// Each ticked parameter's start and end values stand under its name, the
// start over the end; an unticked one shows none.
void WholeWindowTest::checkParameterColumns() {
    // The group stands in the main window or the second one.
    const auto widget = [](const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* w = top->findChild<QWidget*>(name)) return w;
        return static_cast<QWidget*>(nullptr);
    };
    const QWidget* client = widget("GbxParaSurQuoi");
    for (const auto& [box, start, end] : {std::array<QString, 3>{"ChbxOpacite", "EdtOpaDeb", "EdtOpaFin"},
                                          std::array<QString, 3>{"ChBxRotation", "EdtRotDeb", "EdtRotFin"}}) {
        ASSERT_TRUE(widget(start)->isVisible() && widget(end)->isVisible()) << box.toStdString() << where;
        const QRect name = placeOf(widget(box), client), first = placeOf(widget(start), client),
                    last = placeOf(widget(end), client);
        EXPECT_EQ(first.left(), name.left()) << box.toStdString() << where;
        EXPECT_EQ(last.left(), name.left()) << box.toStdString() << where;
        EXPECT_LT(name.bottom(), first.top()) << box.toStdString() << where;
        EXPECT_LT(first.bottom(), last.top()) << box.toStdString() << where;
    }
    EXPECT_FALSE(widget("EdtZoomXdeb")->isVisible() || widget("EdtCentreXFin")->isVisible()) << where;
}

void WholeWindowTest::checkStep(const std::string& step) {
    const std::string at = where + " " + step;
    QWidget* client = window->centralWidget();
    Controls& controls = window->session().controls();
    for (const QString& name : controls.names()) {
        const QWidget* w = widget(name);
        // The menu bar (with the copy notice in its corner) is not the client's.
        if (!w || w == client || !client->isAncestorOf(w) || !w->isVisible() || w->size().isEmpty()) continue;
        EXPECT_EQ(shownPart(w, client), placeOf(w, client)) << name.toStdString() << " is cut, " << at;
    }
    for (const char* region : {"rightColumn", "bottomBand"}) {
        const auto* area = qobject_cast<const QScrollArea*>(widget(region)->parentWidget()->parentWidget());
        ASSERT_NE(area, nullptr);
        EXPECT_FALSE(area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible())
            << region << " scrolls, " << at;
    }
    const QRect work = widget("ImgDessin")->isVisible() ? placeOf(widget("ImgDessin"), client) : QRect();
    QList<QPair<QString, QRect>> shown;
    QStringList groups = controls.children(mainWindowName) << "cursorColumn";
    for (const QString& name : groups) {
        const QWidget* w = widget(name);
        if (!w || !client->isAncestorOf(w) || !w->isVisible() || name == "ImgDessin" ||
            name == "PnlChargeObjetPte" || name == "LblTravauxEnCours" || w->size().isEmpty())
            continue;
        const QRect place = placeOf(w, client);
        EXPECT_FALSE(place.intersects(work)) << name.toStdString() << " over the work area, " << at;
        for (const auto& [other, otherPlace] : shown) {
            const bool preview = name == "PnlLecture" && other == "PnMessages"; // on the message line
            EXPECT_TRUE(preview || !place.intersects(otherPlace))
                << name.toStdString() << " overlaps " << other.toStdString() << ", " << at;
        }
        shown.append({name, place});
    }
    if (widget("RdgFond")->isVisible()) {
        QSet<int> columns;
        for (const QRadioButton* radio : widget("RdgFond")->findChildren<QRadioButton*>())
            columns.insert(radio->x());
        EXPECT_EQ(columns.size(), 2) << at;
    }
}

TEST_F(WholeWindowTest, EveryStepShowsWholeAtThreeSizesInBothLanguagesAndBothLayouts) {
    for (const QSize size : {QSize(1264, 680), QSize(1366, 728), QSize(1920, 1050)})
        for (const char* language : {"French", "English"})
            for (const bool twoWindows : {false, true}) {
                window = std::make_unique<KeyPointsBezier>(fakes.services());
                window->show();
                window->resize(size.width(), size.height() + window->menuBar()->height());
                settle();
                where = QStringLiteral("%1x%2 %3%4")
                            .arg(window->centralWidget()->width())
                            .arg(window->centralWidget()->height())
                            .arg(language, twoWindows ? " two windows" : "")
                            .toStdString();
                window->findChild<QAction*>(language)->trigger();
                if (twoWindows) window->findChild<QAction*>("Parametres")->trigger();
                settle();
                checkStep("step 0");
                click("ChargerExemple");
                checkStep("step 1");
                for (int step : {2, 3, 4}) {
                    walkTo(window->session(), step);
                    settle();
                    checkStep("step " + std::to_string(step));
                }
                click("LblChoixTemps");
                click("LblVitConstante");
                checkStep("step 4, a preset open");
                click("LblVarAnnule");
                click("LblParaFini");
                Controls& controls = window->session().controls();
                controls.userSetPosition("TbMontrePoint", 3);
                click("LblVarDep");
                controls.userSetPosition("TbMontrePoint", 20);
                click("LblVarFin");
                controls.userSetChecked("ChbxOpacite", true);
                controls.userSetChecked("ChBxRotation", true);
                settle();
                checkStep("step 5, a range and two parameters chosen");
                checkParameterColumns();
                click("LblVarAnnule");
                click("LblParaFini");
                checkStep("step 6");
                window->close();
            }
}

TEST_F(WindowLayoutTest, ButtonPicturesFollowTheLanguageAfterAnInput) {
    auto picture = [&] { return static_cast<QLabel*>(widget("ImgChargeObjetPte_Haut"))->pixmap().toImage(); };
    EXPECT_EQ(picture(), ButtonPictures::forImage("ImgChargeObjetPte_Haut", 0).toImage());
    window.findChild<QAction*>("English")->trigger();
    EXPECT_EQ(picture(), ButtonPictures::forImage("ImgChargeObjetPte_Haut", 1).toImage());
    // The widgets follow the captions: the window title, the menus, the labels.
    EXPECT_EQ(window.windowTitle(), "  Trajecta");
    EXPECT_EQ(window.findChild<QMenu*>("Langage")->title(), "&Language");
    EXPECT_TRUE(window.findChild<QAction*>("English")->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>("French")->isChecked());
    EXPECT_EQ(static_cast<QLabel*>(widget("LbCreation"))->text(), "Create a new curve");
    window.findChild<QAction*>("French")->trigger();
    EXPECT_EQ(window.findChild<QMenu*>("Langage")->title(), "&Langue");
    EXPECT_EQ(picture(), ButtonPictures::forImage("ImgChargeObjetPte_Haut", 0).toImage());
}

TEST(QtServices, SettingsLiveInTrajectaIniBesideAWritableExecutable) {
    const QString path = QtServices().exeFolder() + "Trajecta.ini";
    QFile::remove(path);
    QtServices services;
    EXPECT_EQ(services.settingsPath(), path);
    EXPECT_FALSE(services.exists());
    EXPECT_EQ(services.value("parametres", "Langue", "0"), "0");
    services.setValue("parametres", "Langue", "1");
    services.setValue("F1seule", "TravauxSurF1", "0");
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written before the window closes";
    ASSERT_TRUE(services.save());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[parametres]\nLangue=1\n\n[F1seule]\nTravauxSurF1=0\n");
    QtServices next;
    EXPECT_TRUE(next.exists());
    EXPECT_EQ(next.value("F1seule", "TravauxSurF1", "1"), "0") << "a new run reads what was written";
    QFile::remove(path);
    EXPECT_FALSE(services.todayShort().isEmpty());
    ASSERT_FALSE(services.screens().isEmpty());
    EXPECT_FALSE(services.screens().front().isEmpty());
}

} // namespace
} // namespace trajecta
