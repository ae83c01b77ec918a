// The work kept for a recovery, through the command-line program as a user
// meets it: a run ended abruptly is taken back whole at the next start, a
// damaged file is set aside, and the work of a run still going is not offered.

#include "platform/Files.h"
#include "support/ScriptHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

// A journey through every step; a run ends abruptly at one of the marks.
const QString journey = QStringLiteral(R"(clipboard set %1/host_object_in.txt
click ImgChargeObjetPte_Haut
click LbCreation
mouse click 100 300
mouse click 200 150
mouse click 300 150
mouse click 400 300
mouse click 500 350
#marking
click LblStopMarquage
set TbrQPoints 8
mouse down 200 150
mouse move 220 170
mouse up 220 170
click LblCadre
mouse down 50 50
mouse move 600 400
mouse up 600 400
set RdgCadreOuPoints 1
#shaping
click LblOKcourbe
set TbMontrePoint 2
click LblVarDep
set TbMontrePoint 6
click LblVarFin
type EdtTempsDeb 100
type EdtTempsFin 1600
click LblVarSave
#times
click LblParaFini
set TbMontrePoint 2
click LblVarDep
set TbMontrePoint 5
click LblVarFin
set ChbxOpacite 1
type EdtOpaDeb 100
type EdtOpaFin 40
click LblVarSave
#parameters
click LblParaFini
#finished
click LblEtapeAvant
click LblEtapeAvant
#back
)")
                            .arg(QStringLiteral(TRAJECTA_TEST_DATA));

// What must come back: the step, the records, the keypoint list, the object,
// and the geometry (the SVG drawing from step 3 on, the work area before).
const QString checks = QStringLiteral(R"(print LbInfos
list LbxCollecter
list LbxColTemps
list LbxColParametres
list LbxListeKP
list LbxAcquiClipboard
picture %1.png
answer %1.svg
click LblExporterSvg
)");

class Recovery : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("data/trajecta-cli")); }

    // trajecta-cli running `script`, its data folder in `dir`: the output lines.
    QStringList cli(const QString& script, int exitCode = 0) {
        QFile file(dir.filePath(QStringLiteral("script.txt")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.toUtf8());
        file.close();
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TRAJECTA_CLI), {"script", file.fileName(), "--date", "2026-12-08"});
        EXPECT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), exitCode) << program.readAllStandardError().toStdString();
        return QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    QStringList files(const QString& pattern) const {
        return QDir(folder()).entryList({pattern}, QDir::Files, QDir::Name);
    }
    // A run that ended abruptly while marking.
    void interruptedRun() {
        cli(journey.left(journey.indexOf(QLatin1String("#marking"))) + "crash\n", 3);
        ASSERT_EQ(files("*.recovery").size(), 1);
    }
};

class RecoveryJourney : public Recovery, public ::testing::WithParamInterface<const char*> {};

TEST_P(RecoveryJourney, ARunEndedAbruptlyIsTakenBackWhereTheUserWas) {
    const QString mark = QLatin1Char('#') + QLatin1String(GetParam());
    const QString before = dir.filePath(QStringLiteral("before"));
    const QString after = dir.filePath(QStringLiteral("after"));
    const QStringList ended = cli(journey.left(journey.indexOf(mark)) + checks.arg(before) + "crash\n", 3);
    ASSERT_EQ(files("*.recovery").size(), 1) << "the recovery file stays";

    QStringList resumed = cli("answer yes\n" + checks.arg(after));
    ASSERT_FALSE(resumed.isEmpty());
    EXPECT_EQ(resumed.takeFirst(), "message: Reprendre le travail interrompu ? [Yes/No] -> Yes");
    EXPECT_EQ(resumed.join('\n').replace(after, before).toStdString(), ended.join('\n').toStdString());
    const bool drawing = QFile::exists(before + ".svg");
    const QString geometry = drawing ? QStringLiteral(".svg") : QStringLiteral(".png");
    const std::optional<QByteArray> kept = readWholeFile(before + geometry);
    ASSERT_TRUE(kept && !kept->isEmpty());
    EXPECT_EQ(readWholeFile(after + geometry), kept) << "the geometry comes back exactly";
    EXPECT_TRUE(files(QStringLiteral("*")).isEmpty()) << "taken back, then closed normally";
}

INSTANTIATE_TEST_SUITE_P(EveryStep, RecoveryJourney,
                         ::testing::Values("marking", "shaping", "times", "parameters", "finished", "back"));

// The work of an interrupted run at the next start, answered on the script's
// first line: a damaged file is set aside and the session stays at the
// start; "no" removes it; the file of a run still going is never offered.
TEST_F(Recovery, InterruptedWorkAtTheNextStart) {
    const QString question = QStringLiteral("message: Reprendre le travail interrompu ? [Yes/No] -> %1");
    const QString atStart = QStringLiteral("PnlChargeObjetPte visible=1 showing=1 enabled=1 text=\"\"");
    struct Road {
        const char* name;
        const char* answer;
        std::function<void(const QString& file)> before;
        QStringList output;
        QStringList left; // the files left in the folder, by their ending
    };
    QLockFile* held = nullptr;
    const std::vector<Road> roads{
        {"damaged",
         "yes",
         [](const QString& file) {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.seek(40);
             f.write("#");
         },
         {question.arg("Yes"),
          "message: Le travail interrompu ne peut pas être repris : son fichier de reprise est abîmé. Il est "
          "gardé "
          "sous le nom %1 [OK] -> OK",
          atStart},
         {".damaged"}},
        {"refused", "no", [](const QString&) {}, {question.arg("No"), atStart}, {}},
        {"still going",
         "yes",
         [&held](const QString& file) {
             // A live program holds the lock under its own name.
             QCoreApplication::setApplicationName(
                 QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName());
             held = new QLockFile(file + ".lock");
             ASSERT_TRUE(held->tryLock(0));
         },
         {atStart},
         {".recovery", ".lock"}},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        QDir(folder()).removeRecursively();
        interruptedRun();
        const QString file = QDir(folder()).filePath(files("*.recovery").first());
        road.before(file);
        QStringList output = cli(QStringLiteral("answer %1\nprint PnlChargeObjetPte\n").arg(road.answer));
        for (QString& line : output)
            line.replace(QRegularExpression(QStringLiteral("nom .*\\.damaged-\\d{8}-\\d{6}")), "nom %1");
        EXPECT_EQ(output, road.output);
        QStringList left;
        for (const QString& name : files(QStringLiteral("*")))
            left << QStringLiteral(".") + name.section(QLatin1Char('.'), -1).section(QLatin1Char('-'), 0, 0);
        EXPECT_EQ(left, road.left);
        delete held;
        held = nullptr;
    }
}

// A recovery file that cannot be written is said once, not at every change.
TEST(RecoveryFile, AFailedWriteIsReportedOnce) {
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ScriptOptions options;
    options.recoveryFolder = dir.filePath(QStringLiteral("plain/trajecta"));
    const ScriptResult r =
        runScript(elevenKeypointsScript() + "click LblParaFini\nclick LblParaFini\n", options);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.output.filter(QStringLiteral("n'est pas gardé pour une reprise")).size(), 1)
        << r.output.join('\n').toStdString();
}

} // namespace
} // namespace trajecta
