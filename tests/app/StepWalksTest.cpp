#include "support/ProjectGenerator.h"
#include "timing/TimeLog.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>

namespace trajecta {
namespace {

// Seeded walks through a generated project: back to an earlier step, an edit
// there, and forward again to step 6, a few times over.
class Walker {
  public:
    Walker(unsigned seed, UserSession& u, const QString& second) : u_(u), random_(seed), second_(second) {}

    // Back to a step from 1 to 5, one edit of that step, then forward to
    // step 6; now and then "nouvel objet" with the second object instead.
    // The faults of the road: not back in step 6, or records thrown away
    // without an OK to the question, or kept after one.
    QStringList leg() {
        if (newObject_.isEmpty() && pick(0, 7) == 0) {
            newObject_ = second_;
            u_.readNewObject(newObject_);
            return {};
        }
        const Step target = static_cast<Step>(pick(1, 5));
        const int format = u_.doc().workflow.workFormatIndex;
        const QStringList before = records();
        const qsizetype asked = u_.fakes.log.size();
        while (u_.step() > target) {
            if (!u_.click(QStringLiteral("LblEtapeAvant"))) break;
            // The object text is current only in step 6: before it, no
            // transfer may hand out the object of an earlier visit.
            for (const char* panel :
                 {"PnlTransfertSeul", "Pnl_nouvel_objet", "PnlEnregistrerCourbe", "LblObjetCopie"})
                if (u_.c().showing(QLatin1String(panel)))
                    return {QStringLiteral("%1 is offered in step %2").arg(panel).arg(int(u_.step()))};
        }
        edit();
        if (!forward()) return {QStringLiteral("the road does not lead back to step 6")};
        // Another format is a new curve: its work starts anew.
        if (target > Step::Shaping || u_.doc().workflow.workFormatIndex != format) return {};
        const bool ok = !u_.fakes.log.mid(asked).filter(QStringLiteral("[OK/Cancel] -> OK")).isEmpty();
        const bool thrown = records() != before;
        if (thrown && !ok)
            return {QStringLiteral("records thrown away without the question"), before.join("\n"),
                    records().join("\n")};
        if (ok && !thrown) return {QStringLiteral("the question was answered OK, yet every record was kept")};
        return {};
    }

    // The object read with "nouvel objet", if any.
    const QString& newObject() const { return newObject_; }

  private:
    // The user's records as they read back: the time records (a preset line
    // also shows the distances it measured, which follow the path) and the
    // parameter log.
    QStringList records() {
        const CurveDocument& doc = u_.doc();
        std::vector<TimeRecord> times;
        qsizetype end = 0;
        readTimeRecords(doc.lists.LbxColTemps, 2, doc.curve.sampleCount, times, end);
        QStringList lines{doc.lists.LbxColTemps.value(1)};
        for (const TimeRecord& r : times)
            lines << QStringLiteral("%1 %2-%3 %4/%5 %6 %7 %8 %9 %10 %11 %12 %13")
                         .arg(int(r.kind))
                         .arg(r.first)
                         .arg(r.last)
                         .arg(r.startTime)
                         .arg(r.endTime)
                         .arg(r.speedUp)
                         .arg(r.gap)
                         .arg(r.coefficient)
                         .arg(r.factor)
                         .arg(r.offset)
                         .arg(r.maximum)
                         .arg(r.extent)
                         .arg(r.strength);
        // The Y line after a tie is passed over when the log is read back,
        // and values read back as numbers ("12,50" as "12,5").
        static const QRegularExpression number(QStringLiteral("-?\\d+(,\\d+)?"));
        const QStringList& log = doc.lists.LbxColParametres;
        for (qsizetype i = 0; i < log.size(); ++i) {
            if (i > 0 && log[i - 1].endsWith(QStringLiteral("Egal : vrai"))) continue;
            QString line = log[i];
            for (auto m = number.globalMatch(log[i]); m.hasNext();) {
                const QString found = m.next().captured();
                line.replace(found, QString::number(QString(found).replace(',', '.').toDouble(), 'g', 15));
            }
            lines << line;
        }
        return lines;
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    void edit() {
        const int w = u_.doc().workflow.workWidth, h = u_.doc().workflow.workHeight;
        switch (u_.step()) {
        case Step::Format:
            u_.set(QStringLiteral("RdgChoixEcran"), pick(0, 4));
            u_.click(QStringLiteral("LbCreation"));
            break;
        case Step::Shaping:
            shape(w, h);
            break;
        case Step::Times:
        case Step::Parameters: {
            // Another record of the step over a range.
            const int last = u_.doc().curve.sampleCount - 1;
            const int a = pick(u_.step() == Step::Times ? 1 : 0, last - 1);
            u_.set(QStringLiteral("TbMontrePoint"), a);
            u_.click(QStringLiteral("LblVarDep"));
            u_.set(QStringLiteral("TbMontrePoint"), pick(a + 1, last));
            u_.click(QStringLiteral("LblVarFin"));
            if (u_.step() == Step::Times) {
                u_.type(QStringLiteral("EdtTempsDeb"), QString::number(pick(1, 2000)));
            } else {
                u_.set(QStringLiteral("ChbxOpacite"), 1);
                u_.type(QStringLiteral("EdtOpaDeb"), QString::number(pick(0, 100)));
            }
            u_.click(QStringLiteral("LblVarSave"));
            break;
        }
        default:
            break;
        }
    }

    // One change of the curve's geometry or sampling in step 3.
    void shape(int w, int h) {
        const CurveGeometry& curve = u_.doc().curve;
        switch (pick(0, 6)) {
        case 0: {
            const QPoint p = curve.controlPoints[size_t(pick(0, curve.controlPointCount - 1))];
            u_.drag(p, p + QPoint(pick(-40, 40), pick(-40, 40)));
            break;
        }
        case 1:
            u_.set(QStringLiteral("ChBxFermerCourbe"),
                   u_.c().checked(QStringLiteral("ChBxFermerCourbe")) ? 0 : 1);
            break;
        case 2: {
            const QString box = QStringLiteral("ChBx%1").arg(pick(1, curve.partCount));
            u_.set(box, 1);
            u_.set(QStringLiteral("TbrQPoints"), pick(2, 30));
            u_.set(box, 0);
            break;
        }
        case 3:
            if (curve.controlPointCount >= 7) {
                u_.set(QStringLiteral("RdgActionsTangentes"), pick(3, 4));
                u_.clickAt(curve.controlPoints[3]);
                u_.set(QStringLiteral("RdgActionsTangentes"), 0);
            }
            break;
        case 4:
            if (u_.c().showing(QStringLiteral("LblEffacerCadre")) && pick(0, 1) == 0) {
                u_.click(QStringLiteral("LblEffacerCadre"));
            } else if (u_.c().showing(QStringLiteral("LblCadre"))) {
                u_.click(QStringLiteral("LblCadre"));
                u_.drag({pick(5, w / 3), pick(5, h / 3)}, {pick(w / 2, w - 5), pick(h / 2, h - 5)});
            }
            break;
        case 5:
            u_.click(QStringLiteral("LblRefairePoints"));
            break;
        default: {
            const QPoint p = curve.controlPoints[0];
            u_.drag(p, {w + 50, h / 2});
            if (u_.c().showing(QStringLiteral("LblRetourPoints")))
                u_.click(QStringLiteral("LblRetourPoints"));
            break;
        }
        }
    }

    // Forward as a user goes: a new curve marked where there is none, the
    // question answered either way (a Cancel is asked again), a time left
    // typed recorded.
    bool forward() {
        for (int tries = 0; tries < 12 && u_.step() != Step::Finished; ++tries) {
            const int w = u_.doc().workflow.workWidth, h = u_.doc().workflow.workHeight;
            switch (u_.step()) {
            case Step::Format:
                u_.click(QStringLiteral("LbCreation"));
                break;
            case Step::Marking:
                for (int i = u_.doc().curve.controlPointCount; i < 4; ++i)
                    u_.clickAt({pick(10, w - 10), pick(10, h - 10)});
                u_.click(QStringLiteral("LblStopMarquage"));
                break;
            case Step::Shaping:
                u_.answer(pick(0, 2) == 0 ? QStringLiteral("cancel") : QStringLiteral("ok"));
                u_.click(QStringLiteral("LblOKcourbe"));
                u_.fakes.answers.clear();
                break;
            default:
                if (!u_.c().enabled(QStringLiteral("LblParaFini"))) u_.click(QStringLiteral("LblVarAnnule"));
                if (!u_.c().enabled(QStringLiteral("LblParaFini"))) u_.click(QStringLiteral("LblVarSave"));
                u_.click(QStringLiteral("LblParaFini"));
                break;
            }
        }
        return u_.step() == Step::Finished;
    }

    UserSession& u_;
    std::mt19937 random_;
    const QString second_;
    QString newObject_;
};

// Another object for "nouvel objet": another first time, opacity and angle.
QString secondObject(const QString& first) {
    QString text = first;
    text.replace(QLatin1String("Time=500"), QLatin1String("Time=750"));
    text.replace(QLatin1String("Opacity=80"), QLatin1String("Opacity=60"));
    text.replace(QLatin1String("Angle=12.5"), QLatin1String("Angle=30"));
    return text;
}

// Whatever road a project takes back and forth through the steps, in step 6
// the object on the clipboard is the one its records describe: the one a
// fresh load of the saved project gives, and `trajecta-cli apply`; its labels,
// fields and records agree with it. Records go only after an OK to the
// question that says so.
TEST(StepWalks, TheObjectDependsOnTheProjectNeverOnTheRoad) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("walk.tjc"));
    for (const unsigned seed : ProjectGenerator::seeds("TRAJECTA_FIRST_WALK", "TRAJECTA_WALKS", 200)) {
        const QString object = ProjectGenerator::objectFor(seed);
        UserSession u(ProjectGenerator::windowFor(seed));
        u.loadObject(object);
        ProjectGenerator(seed, u).build([] {});
        Walker walker(seed, u, secondObject(object));
        u.click(QStringLiteral("LblParaFini"));
        QStringList faults;
        for (int leg = 0; leg < 4 && faults.isEmpty(); ++leg) {
            faults = walker.leg();
            if (faults.isEmpty()) faults = finishedProjectFaults(u, object, path, false, walker.newObject());
        }
        ASSERT_TRUE(faults.isEmpty())
            << "walk " << seed << ":\n  " << faults.join("\n  ").toStdString() << "\nscript:\n"
            << u.script.join('\n').toStdString();
    }
}

} // namespace
} // namespace trajecta
