#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "core/Consistency.h"
#include "document/KeypointBlock.h"
#include "host/ObjectText.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace trajecta {
namespace {

// Thousands of seeded user actions over whatever a person can reach in steps
// 3 to 6: clicks, boxes, radio items, sliders, typed texts, the work area and
// message box answers. After every action the project must stay sound: the
// document's invariants hold, the keypoint list has one 13-line block per
// keypoint wherever it is in use, and the clipboard never holds anything but
// a whole object.
class RandomClicks {
  public:
    explicit RandomClicks(unsigned seed) : random_(seed) {
        fakes_.separator = QLatin1Char(',');
        session_.setClientSize(900, 700);
        start();
    }

    void act() {
        Controls& c = session_.controls();
        if (session_.document().workflow.currentStep <= Step::Marking) start();
        const QStringList reachable = reachableControls();
        if (reachable.isEmpty()) return;
        const QString name = reachable[pick(reachable.size())];
        if (pick(4) == 0) fakes_.answers.push_back(pick(2) ? QStringLiteral("ok") : QStringLiteral("cancel"));
        const ControlState& s = c.get(name);
        switch (s.kind) {
        case ControlKind::CheckBox:
            c.userSetChecked(name, !s.checked);
            break;
        case ControlKind::RadioGroup:
            if (!s.items.isEmpty()) c.userSetItemIndex(name, pick(s.items.size()));
            break;
        case ControlKind::Slider:
            c.userSetPosition(name, s.min + pick(std::max(1, s.max - s.min + 1)));
            break;
        case ControlKind::Edit:
            c.userType(name, randomText());
            break;
        case ControlKind::Image:
            if (name == QLatin1String("ImgDessin"))
                dragInWorkArea();
            else
                c.userClick(name);
            break;
        default:
            c.userMouseDown(name);
            c.userMouseUp(name);
            c.userClick(name);
            break;
        }
        fakes_.answers.clear();
        visited.insert(session_.document().workflow.currentStep);
    }

    std::set<Step> visited;

    // Empty when the project is sound after the last action.
    QStringList faults() {
        const CurveDocument& doc = session_.document();
        QStringList broken = checkConsistency(doc);
        const Step step = doc.workflow.currentStep;
        if (doc.workflow.objectTextBuilt && step >= Step::Parameters &&
            doc.lists.LbxListeKP.size() != keypointBlockLines * qsizetype(doc.curve.sampleCount))
            broken << QStringLiteral("keypoint list of %1 lines for %2 keypoints")
                          .arg(doc.lists.LbxListeKP.size())
                          .arg(doc.curve.sampleCount);
        if (fakes_.clipboardText && *fakes_.clipboardText != loadedText_) {
            const QStringList lines = splitClipboardText(*fakes_.clipboardText);
            if (lines.isEmpty() || !lines.first().contains(QLatin1String("PicturesToExe-Objects")) ||
                lines.last() != QLatin1String("end") ||
                !fakes_.clipboardText->endsWith(QLatin1String("\r\n")))
                broken << QStringLiteral("the clipboard holds a broken object");
        }
        return broken;
    }

  private:
    int pick(qsizetype n) {
        return static_cast<int>(std::uniform_int_distribution<qsizetype>(0, n - 1)(random_));
    }

    // A loaded object and a finished curve of one or two parts.
    void start() {
        Controls& c = session_.controls();
        fakes_.clipboardText = loadedText_;
        if (c.showing(QStringLiteral("ImgChargeObjetPte_Haut")))
            c.userClick(QStringLiteral("ImgChargeObjetPte_Haut"));
        if (c.showing(QStringLiteral("LbCreation"))) c.userClick(QStringLiteral("LbCreation"));
        const int points = pick(2) ? 4 : 7;
        for (int i = 0; i < points; ++i)
            click(40 + 80 * i, 100 + 60 * (i % 3));
        c.userClick(QStringLiteral("LblStopMarquage"));
        if (pick(2)) c.userClick(QStringLiteral("LblOKcourbe"));
    }

    void click(int x, int y) {
        session_.controls().userMouse(QStringLiteral("ImgDessin"), {MouseAction::Click, x, y, true});
    }

    void dragInWorkArea() {
        Controls& c = session_.controls();
        const QString area = QStringLiteral("ImgDessin");
        const int x = pick(600), y = pick(400);
        c.userMouse(area, {MouseAction::Move, x, y, true});
        c.userMouse(area, {MouseAction::Down, x, y, true});
        c.userMouse(area, {MouseAction::Move, x + pick(80) - 40, y + pick(80) - 40, true});
        c.userMouse(area, {MouseAction::Up, x, y, true});
    }

    QString randomText() {
        static const QStringList texts{"",   "0",    "5",   "100", "250",         "45000", "45001", "300001",
                                       "-3", "12,5", "1.5", "abc", "99999999999", "7x",    "-0,25", "1e3"};
        return texts[pick(texts.size())];
    }

    // The controls a person can act on now, the main window's menu aside.
    QStringList reachableControls() {
        const Controls& c = session_.controls();
        QStringList names;
        for (const QString& name : c.names()) {
            const ControlKind kind = c.get(name).kind;
            if (kind == ControlKind::Window || kind == ControlKind::Dialog || kind == ControlKind::MenuItem ||
                kind == ControlKind::List || kind == ControlKind::Panel || kind == ControlKind::GroupBox)
                continue;
            if (c.userCanReach(name)) names << name;
        }
        return names;
    }

    std::mt19937 random_;
    ScriptedServices fakes_;
    Session session_{fakes_.services()};
    const QString loadedText_ = testData(QStringLiteral("host_object_in.txt"));
};

TEST(RandomClicks, StepsThreeToSixStaySound) {
    for (unsigned seed : {1u, 2u, 3u}) {
        RandomClicks run(seed);
        for (int action = 0; action < 1500; ++action) {
            run.act();
            const QStringList faults = run.faults();
            ASSERT_TRUE(faults.isEmpty()) << "seed " << seed << ", action " << action << ": "
                                          << faults.join(QStringLiteral("; ")).toStdString();
        }
        for (Step step : {Step::Shaping, Step::Times, Step::Parameters, Step::Finished})
            EXPECT_TRUE(run.visited.count(step)) << "seed " << seed << " never reached step " << int(step);
    }
}

} // namespace
} // namespace trajecta
