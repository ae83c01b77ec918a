#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace trajecta;

namespace {

// The eleven keypoints with a time range 1..5 (100 to 600 ms) and an opacity
// record 2..5 (100 to 40), the object on the clipboard: step 6.
QString finishedProject() {
    return elevenKeypointsScript() + QStringLiteral("set TbMontrePoint 1\n"
                                                    "click LblVarDep\n"
                                                    "set TbMontrePoint 5\n"
                                                    "click LblVarFin\n"
                                                    "type EdtTempsDeb 100\n"
                                                    "type EdtTempsFin 600\n"
                                                    "click LblVarSave\n"
                                                    "click LblParaFini\n"
                                                    "set TbMontrePoint 2\n"
                                                    "click LblVarDep\n"
                                                    "set TbMontrePoint 5\n"
                                                    "click LblVarFin\n"
                                                    "set ChbxOpacite 1\n"
                                                    "type EdtOpaDeb 100\n"
                                                    "type EdtOpaFin 40\n"
                                                    "click LblVarSave\n"
                                                    "click LblParaFini\n");
}

QStringList valuesOf(const QStringList& output, const QString& key) {
    QStringList values;
    for (const QString& line : output)
        if (line.startsWith(QStringLiteral("    ") + key + QLatin1Char('='))) values << line.section('=', 1);
    return values;
}

QStringList linesStarting(const QStringList& output, const QString& start) {
    QStringList lines;
    for (const QString& line : output)
        if (line.startsWith(start)) lines << line;
    return lines;
}

// The parameter log, the record count and the object written at the end.
struct Outcome {
    QStringList log, opacities, times;
    QString recordCount;
};

Outcome outcome(const QStringList& output) {
    Outcome o;
    const qsizetype logStart = output.lastIndexOf(QStringLiteral("=== Etape 5 les paramètres ==="));
    for (qsizetype i = logStart; i >= 0 && i < output.size() && !output[i].startsWith("PicturesToExe"); ++i)
        o.log << output[i];
    o.opacities = valuesOf(output, QStringLiteral("Opacity"));
    o.times = valuesOf(output, QStringLiteral("Time"));
    o.recordCount = linesStarting(output, QStringLiteral("LblQpara")).value(0);
    return o;
}

// Steps 5 and 6, then what the records and the object hold.
QString finishAndShow() {
    return QStringLiteral(
        "click LblParaFini\nclick LblParaFini\nprint LblQpara\nlist LbxColParametres\nclipboard print\n");
}

// The parameters given up with their records: none counted, none logged.
void expectNoRecord(const Outcome& o) {
    EXPECT_EQ(o.recordCount.section(' ', -1).toStdString(), "text=\"0\"");
    EXPECT_EQ(o.log, (QStringList{"=== Etape 5 les paramètres ===", "---"}));
}

// A sample count changed in step 3 and the curve finished again through step
// 2 throws the times and the parameters away: the question comes first, and
// its OK empties the log, the count and the object's parameters alike.
TEST(StepBackRecords, AChangedCountAsksAndDropsTheParametersEverywhere) {
    const ScriptResult result = runScript(finishedProject() + QStringLiteral(R"(click LblEtapeAvant
click LblEtapeAvant
click LblEtapeAvant
set ChBx1 1
set TbrQPoints 12
click LblEtapeAvant
click LblStopMarquage
answer cancel
click LblOKcourbe
print LbInfos
answer ok
click LblOKcourbe
)") + finishAndShow());
    EXPECT_TRUE(result.output.filter("error").isEmpty()) << result.output.join('\n').toStdString();
    const QStringList asked =
        linesStarting(result.output, QStringLiteral("message: La courbe avait 11points"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].endsWith("-> Cancel"));
    EXPECT_TRUE(linesStarting(result.output, "LbInfos").value(0).contains("Etape 3"));
    const Outcome o = outcome(result.output);
    expectNoRecord(o);
    EXPECT_EQ(o.opacities, QStringList(13, QStringLiteral("80")));
    // Times built again for 13 keypoints: 500 ms, then 423 ms apart.
    ASSERT_EQ(o.times.size(), 13);
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(o.times[k].toInt(), 500 + 423 * k) << k;
}

} // namespace

// Only the first stop aligns the tangents and opens the curve: a tangent
// broken, a handle moved and the curve closed in step 3 come back from a
// visit to step 2 as they were.
TEST(StepBackRecords, AStopAfterAVisitToStepTwoKeepsTheShapedCurve) {
    const ScriptResult result = runScript(QStringLiteral(R"(clipboard set host_object_in.txt
click ImgChargeObjetPte_Haut
click LbCreation
mouse click 100 300
mouse click 200 150
mouse click 300 150
mouse click 400 300
mouse click 500 450
mouse click 600 450
mouse click 700 300
click LblStopMarquage
set RdgActionsTangentes 3
mouse down 500 450
mouse move 540 400
mouse up 540 400
set ChBxFermerCourbe 1
click LblOKcourbe
list LbxCollecter
click LblEtapeAvant
click LblEtapeAvant
click LblStopMarquage
click LblOKcourbe
list LbxCollecter)"));
    EXPECT_TRUE(result.output.filter("error").isEmpty()) << result.output.join('\n').toStdString();
    const QStringList& out = result.output;
    const qsizetype first = out.indexOf(QStringLiteral("=== Etape 2 et 3 ==="));
    const qsizetype second = out.indexOf(QStringLiteral("=== Etape 2 et 3 ==="), first + 1);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, first);
    const QStringList shaped = out.mid(first, 13);
    ASSERT_EQ(shaped.last(), "Fermer la courbe : oui");
    EXPECT_TRUE(shaped[6].startsWith("point 5 (540x400)")) << shaped[6].toStdString();
    EXPECT_EQ(out.mid(second, 13).join('\n').toStdString(), shaped.join('\n').toStdString());
}

// "Refaire la courbe" gives up the recorded parameters only after the
// question; the new curve with the same count keeps the times, and the log,
// the count and the object all lose the parameters together.
TEST(StepBackRecords, RedoingTheCurveAsksBeforeDroppingTheParameters) {
    const ScriptResult result = runScript(finishedProject() + QStringLiteral(R"(clipboard print
click LblEtapeAvant
click LblEtapeAvant
click LblEtapeAvant
answer cancel
click LblRefairePoints
print LbInfos
answer ok
click LblRefairePoints
mouse click 100 300
mouse click 250 150
mouse click 450 150
mouse click 650 350
click LblStopMarquage
set ChBx1 1
set TbrQPoints 10
click LblOKcourbe
)") + finishAndShow());
    EXPECT_TRUE(result.output.filter("error").isEmpty()) << result.output.join('\n').toStdString();
    const QStringList asked = linesStarting(result.output, QStringLiteral("message: "));
    ASSERT_EQ(asked.size(), 2) << asked.join('\n').toStdString();
    EXPECT_TRUE(asked[0].startsWith("message: Tous les paramètres seront remis par défaut"));
    EXPECT_TRUE(asked[0].endsWith("-> Cancel"));
    EXPECT_TRUE(linesStarting(result.output, "LbInfos").value(0).contains("Etape 3"));
    const Outcome o = outcome(result.output);
    expectNoRecord(o);
    ASSERT_EQ(o.times.size(), 22);
    EXPECT_EQ(o.times.mid(11), o.times.mid(0, 11));
    EXPECT_EQ(o.opacities.mid(11), QStringList(11, QStringLiteral("80")));
    EXPECT_NE(o.opacities.mid(0, 11), QStringList(11, QStringLiteral("80")));
}
