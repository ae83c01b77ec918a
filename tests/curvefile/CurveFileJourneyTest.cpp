#include "curvefile/CurveFileText.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace trajecta;

namespace {

// Journeys that save into and load from a folder of their own.
class CurveFileJourney : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QStringList run(const QString& script) {
        const ScriptResult result = runScript(script);
        EXPECT_EQ(result.exitCode, 0);
        return result.output;
    }
    void expectGolden(const QStringList& output, const QString& name) {
        EXPECT_EQ(output.join('\n').toStdString(), testDataLines(name).join('\n').toStdString());
    }

    QTemporaryDir folder;
    QString previous;
};

// Saved in step 6 and loaded in a fresh session: the file is exactly the
// three records in Windows-1252 with CR LF, and the loaded session ends in
// step 6 with the same records and the same object on the clipboard.
TEST_F(CurveFileJourney, SavedProjectLoadsBackWhole) {
    const QStringList saved = run(testData("curve_file_save.txt"));
    expectGolden(saved, "curve_file_save.out");
    const std::optional<QByteArray> bytes = readWholeFile("saved.tjc");
    ASSERT_TRUE(bytes.has_value());
    QFile golden(QStringLiteral(TRAJECTA_TEST_DATA "/curve_file_saved.tjc"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytes->toStdString(), golden.readAll().toStdString());

    const QStringList loaded = run(testData("curve_file_load.txt"));
    expectGolden(loaded, "curve_file_load.out");
    const qsizetype records = saved.size() - saved.indexOf("Fait le 08/12/2026");
    ASSERT_GT(records, 50);
    EXPECT_EQ(loaded.mid(loaded.size() - records), saved.mid(saved.size() - records));
}

// A range whose end keeps the time it had, only its start typed: the record
// replays into the times the window showed, also when the project is loaded
// again in the same window, where the end field already shows that time.
TEST_F(CurveFileJourney, ARangeReplaysAsItWasShown) {
    const QStringList output = run(elevenKeypointsScript() + QStringLiteral(R"(set TbMontrePoint 1
click LblVarDep
set TbMontrePoint 5
click LblVarFin
type EdtTempsDeb 1000
click LblVarSave
set TbMontrePoint 1
click LblVarDep
set TbMontrePoint 3
click LblVarFin
set ChBxSpeedUp 1
click LblVarSave
click LblParaFini
click LblParaFini
clipboard print
answer range.tjc
click LblEnregistrerCourbe
click LblRefaireTout
click ImgChargeObjetPte_Haut
answer range.tjc
click LblChargerFichier
clipboard print)"));
    // The second range is recorded with the times "Fin" found in its fields.
    EXPECT_TRUE(output.filter("error").isEmpty()) << output.filter("error").join('\n').toStdString();
    QStringList times;
    for (const QString& line : output)
        if (line.startsWith("    Time=")) times << line.mid(9);
    ASSERT_EQ(times.size(), 22);
    EXPECT_EQ(times.mid(0, 6).join(' ').toStdString(), "500 1500 2366 3116 3741 4241");
    EXPECT_EQ(times.mid(11).join(' ').toStdString(), times.mid(0, 11).join(' ').toStdString());
}

} // namespace
