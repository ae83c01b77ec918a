#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "core/Consistency.h"
#include "history/PackedPicture.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <random>

namespace trajecta {
namespace {

const QString undoItem = QStringLiteral("AnnulerAction");
const QString redoItem = QStringLiteral("RetablirAction");
const QString area = QStringLiteral("ImgDessin");

// Everything the user sees of the project: the document but its shell part,
// every named list, every control but the shell's (windows, dialogs, menus),
// and the work-area picture. The preview is ended first, as any input but the
// preview's own ends it: it is not part of the project.
void endPreview(Session& s) {
    s.preview().stop();
    s.preview().refresh();
}

struct Seen {
    CurveDocument doc;
    std::vector<ControlState> controls;
    QImage picture;

    explicit Seen(Session& s) : doc((endPreview(s), s.document())), picture(s.canvas().image().copy()) {
        doc.shell = {};
        doc.pictures.work = {};
        for (const ControlState& c : s.controls().states())
            if (c.kind != ControlKind::MenuItem && c.kind != ControlKind::Window &&
                c.kind != ControlKind::Dialog)
                controls.push_back(c);
    }
};

// The first difference, named, or an empty text.
QString firstDifference(const Seen& a, const Seen& b) {
    for (const QString& name : NamedLists::names())
        if (*CurveDocument(a.doc).lists.find(name) != *CurveDocument(b.doc).lists.find(name))
            return QStringLiteral("list ") + name;
    if (a.picture != b.picture) return QStringLiteral("picture");
    if (!(a.doc == b.doc)) return QStringLiteral("document");
    if (a.controls.size() != b.controls.size()) return QStringLiteral("control count");
    for (std::size_t i = 0; i < a.controls.size(); ++i)
        if (!(a.controls[i] == b.controls[i])) return QStringLiteral("control ") + a.controls[i].name;
    return {};
}

std::string difference(const Seen& a, const Seen& b) {
    return firstDifference(a, b).toStdString();
}

class UndoTest : public ::testing::Test {
  protected:
    UndoTest() {
        fakes.separator = QLatin1Char(',');
        session.setClientSize(900, 700);
    }
    Controls& c() { return session.controls(); }
    void mouse(MouseAction action, int x, int y) { c().userMouse(area, {action, x, y, true}); }
    void drag(QPoint from, QPoint to) {
        c().userMouse(area, {MouseAction::Move, from.x(), from.y(), false});
        mouse(MouseAction::Down, from.x(), from.y());
        mouse(MouseAction::Move, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        mouse(MouseAction::Move, to.x(), to.y());
        mouse(MouseAction::Up, to.x(), to.y());
    }
    // A loaded object and a curve of five points in step 3.
    void shapedCurve() {
        fakes.clipboardText = testData(QStringLiteral("host_object_in.txt"));
        c().userClick(QStringLiteral("ImgChargeObjetPte_Haut"));
        c().userClick(QStringLiteral("LbCreation"));
        for (int i = 0; i < 5; ++i)
            mouse(MouseAction::Click, 100 + 120 * i, 150 + 80 * (i % 2));
        c().userClick(QStringLiteral("LblStopMarquage"));
    }
    int undos() const { return const_cast<Session&>(session).history().undoCount(); }

    ScriptedServices fakes;
    Session session{fakes.services()};
};

TEST_F(UndoTest, EachKindOfOperationIsOneStepThatComesBackExactly) {
    EXPECT_FALSE(c().enabled(undoItem));
    EXPECT_FALSE(c().enabled(redoItem));
    shapedCurve();
    EXPECT_EQ(c().text(undoItem), QStringLiteral("Annuler « Arrêter le marquage »"));
    const int before = undos();

    // A drag is one step however many moves it has; hovering is none.
    c().userMouse(area, {MouseAction::Move, 5, 5, false});
    EXPECT_EQ(undos(), before);
    // The hover that leads into the drag is part of the state before it.
    c().userMouse(area, {MouseAction::Move, 340, 150, false});
    const Seen beforeDrag(session);
    drag({340, 150}, {360, 260});
    ASSERT_EQ(undos(), before + 1);
    EXPECT_EQ(c().text(undoItem), QStringLiteral("Annuler le déplacement du point 3"));
    const Seen afterDrag(session);
    ASSERT_TRUE(c().userClick(undoItem));
    EXPECT_EQ(difference(Seen(session), beforeDrag), "");
    EXPECT_EQ(c().text(redoItem), QStringLiteral("Rétablir le déplacement du point 3"));
    ASSERT_TRUE(c().userClick(redoItem));
    EXPECT_EQ(difference(Seen(session), afterDrag), "");

    // Closing the curve, then undoing it, leaves the curve as it was.
    ASSERT_TRUE(c().userSetChecked(QStringLiteral("ChBxFermerCourbe"), true));
    ASSERT_TRUE(c().userClick(undoItem));
    EXPECT_EQ(difference(Seen(session), afterDrag), "");
    EXPECT_FALSE(c().checked(QStringLiteral("ChBxFermerCourbe")));

    // A slider pressed, moved and released is one step; a new step clears redo.
    const QString slider = QStringLiteral("TbrQPoints");
    ASSERT_TRUE(c().enabled(redoItem));
    const int beforeSlider = undos();
    c().userMouseDown(slider);
    for (int p : {25, 30, 35})
        c().userSetPosition(slider, p);
    c().userMouseUp(slider);
    EXPECT_EQ(undos(), beforeSlider + 1);
    EXPECT_FALSE(c().enabled(redoItem));
    EXPECT_EQ(c().text(undoItem), QStringLiteral("Annuler le déplacement du curseur"));

    // Typing a text that changes nothing, or a click that changes nothing, takes no step.
    const int settled = undos();
    c().userClick(QStringLiteral("LbInfos"));
    EXPECT_EQ(undos(), settled);

    // "Tout recommencer" throws away the curve and the object: undo brings both back,
    // and neither undo nor redo writes the clipboard.
    const Seen beforeRestart(session);
    fakes.clipboardText = QStringLiteral("untouched");
    fakes.answers.push_back(QStringLiteral("Ne pas enregistrer"));
    ASSERT_TRUE(c().userClick(QStringLiteral("LblRefaireTout")));
    ASSERT_NE(difference(Seen(session), beforeRestart), "");
    ASSERT_TRUE(c().userClick(undoItem));
    EXPECT_EQ(difference(Seen(session), beforeRestart), "");
    EXPECT_TRUE(session.document().host.objectAccepted);
    EXPECT_EQ(*fakes.clipboardText, QStringLiteral("untouched"));
    EXPECT_TRUE(checkConsistency(session.document()).isEmpty());
}

TEST_F(UndoTest, TheLanguageAndTheLayoutStayAsTheUserSetThem) {
    shapedCurve();
    // The groups' hosts are not all where they started after a first move
    // there and back; that is the layout's own doing, left out here.
    c().userClick(QStringLiteral("Parametres"));
    c().userClick(QStringLiteral("Parametres"));
    c().userMouse(area, {MouseAction::Move, 340, 150, false});
    const Seen shaped(session);
    drag({340, 150}, {360, 260});
    // Neither is a step: undo goes past them to the drag.
    c().userClick(QStringLiteral("English"));
    c().userClick(QStringLiteral("Parametres"));
    EXPECT_EQ(c().text(undoItem), QStringLiteral("Undo move of point 3"));
    ASSERT_TRUE(c().userClick(undoItem));
    EXPECT_EQ(c().text(redoItem), QStringLiteral("Redo move of point 3"));
    EXPECT_EQ(session.document().shell.languageIndex, 1);
    EXPECT_EQ(c().text(QStringLiteral("LblEtapeApres")), QStringLiteral("Next step"));
    EXPECT_FALSE(session.document().shell.groupsOnMain);
    EXPECT_TRUE(c().get(QStringLiteral("Parametres")).checked);
    EXPECT_EQ(Seen(session).doc.curve, shaped.doc.curve);
    EXPECT_EQ(Seen(session).picture, shaped.picture);
    // Back in French on one window, the state is the one before the drag, control for control.
    c().userClick(QStringLiteral("French"));
    c().userClick(QStringLiteral("Parametres"));
    EXPECT_EQ(difference(Seen(session), shaped), "");
}

TEST_F(UndoTest, TheOldestStepsGoFirstAndAStepIsSmall) {
    shapedCurve();
    session.history().setCapacity(5);
    for (int i = 0; i < 8; ++i)
        drag({340, 150 + 10 * i}, {340, 160 + 10 * i});
    EXPECT_EQ(undos(), 5);
    // Pictures below the top are packed against their neighbour.
    EXPECT_LT(session.history().stepBytes(0), std::size_t(1) << 20);
    int undone = 0;
    while (c().userClick(undoItem))
        ++undone;
    EXPECT_EQ(undone, 5);
}

// A seeded random journey over everything a person can reach, with undos and
// redos among the operations.
class UndoJourney : public UndoTest {
  protected:
    int pick(qsizetype n) { return int(std::uniform_int_distribution<qsizetype>(0, n - 1)(random)); }

    // The controls a person can act on now.
    QStringList reachable() {
        QStringList names;
        for (const QString& name : c().names()) {
            const ControlKind kind = c().get(name).kind;
            if (kind != ControlKind::Window && kind != ControlKind::Dialog && kind != ControlKind::MenuItem &&
                kind != ControlKind::Panel && kind != ControlKind::GroupBox && kind != ControlKind::List &&
                c().userCanReach(name))
                names << name;
        }
        return names;
    }

    // One random action: a curve now and then before step 3, an undo or a
    // redo now and then, otherwise any reachable control used as its kind is.
    void act() {
        if (session.document().workflow.currentStep <= Step::Marking && pick(3) == 0) {
            if (c().showing(QStringLiteral("ImgChargeObjetPte_Haut"))) shapedCurve();
        }
        const QStringList names = reachable();
        if (names.isEmpty()) return;
        // Undo and redo now and then, so that steps are also taken over a redo history.
        if (const int r = pick(20); r < 3) {
            c().userClick(r == 0 ? redoItem : undoItem);
            return;
        }
        const QString name = names[pick(names.size())];
        fakes.answers.push_back(pick(2) ? QStringLiteral("ok") : QStringLiteral("cancel"));
        const ControlState s = c().get(name);
        if (name == area) {
            if (pick(2))
                mouse(MouseAction::Click, pick(800), pick(500));
            else
                drag({pick(800), pick(500)}, {pick(800), pick(500)});
        } else if (s.kind == ControlKind::CheckBox) {
            c().userSetChecked(name, !s.checked);
        } else if (s.kind == ControlKind::RadioGroup && !s.items.isEmpty()) {
            c().userSetItemIndex(name, pick(s.items.size()));
        } else if (s.kind == ControlKind::Slider) {
            c().userMouseDown(name);
            c().userSetPosition(name, s.min + pick(std::max(1, s.max - s.min + 1)));
            c().userMouseUp(name);
        } else if (s.kind == ControlKind::Edit) {
            c().userType(name, QString::number(pick(3000)));
        } else {
            c().userClick(name);
        }
        fakes.answers.clear();
    }

    std::mt19937 random{15};
};

// Undoing every step of a random journey gives back the start, list for list
// and pixel for pixel, and redoing every step gives back the end.
TEST_F(UndoJourney, UndoesToItsStartAndRedoesToItsEnd) {
    session.history().setCapacity(100000);
    const Seen start(session);
    for (int i = 0; i < 500; ++i)
        act();
    for (int i = 0; i < 500 && !c().openDialog().isEmpty(); ++i)
        act();
    ASSERT_TRUE(c().openDialog().isEmpty());
    const Seen end(session);
    const int steps = undos();
    const int redosLeft = session.history().redoCount();
    ASSERT_GT(steps, 60);

    for (int i = 0; i < steps; ++i) {
        ASSERT_TRUE(c().userClick(undoItem)) << i;
        ASSERT_TRUE(checkConsistency(session.document()).isEmpty()) << "undo " << i;
    }
    EXPECT_FALSE(c().enabled(undoItem));
    EXPECT_EQ(difference(Seen(session), start), "");
    for (int i = 0; i < steps; ++i)
        ASSERT_TRUE(c().userClick(redoItem)) << i;
    EXPECT_EQ(session.history().redoCount(), redosLeft);
    EXPECT_EQ(difference(Seen(session), end), "");
}

TEST(PackedPicture, GivesBackEveryPixelWhateverItsReference) {
    std::mt19937 random(7);
    QImage reference(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            reference.setPixel(x, y, random() | 0xFF000000u);
    QImage changed = reference.copy();
    for (int i = 0; i < 40; ++i)
        changed.setPixel(int(random() % 64), int(random() % 48), random() | 0xFF000000u);
    QImage other(30, 20, QImage::Format_RGB32);
    other.fill(0x123456);
    for (const QImage& picture : {changed, reference, QImage(other), QImage()}) {
        const PackedPicture packed = packPicture(picture, reference);
        EXPECT_EQ(unpackPicture(packed, reference), picture);
    }
    EXPECT_LT(packPicture(changed, reference).size(), 40 * 12 + 64);
}

} // namespace
} // namespace trajecta
