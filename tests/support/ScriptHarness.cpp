#include "support/ScriptHarness.h"

#include "core/Consistency.h"

#include <QFile>
#include <gtest/gtest.h>

namespace trajecta {

ScriptResult runScript(const QString& script, ScriptOptions options) {
    if (options.baseFolder.isEmpty()) options.baseFolder = QStringLiteral(TRAJECTA_TEST_DATA);
    if (!options.today) options.today = QDate(2026, 12, 8);
    if (!options.decimalSeparator) options.decimalSeparator = QLatin1Char(',');
    if (!options.afterCommand) {
        options.afterCommand = [](const QString& line, const CurveDocument& doc) {
            for (const QString& broken : checkConsistency(doc))
                ADD_FAILURE() << "after \"" << line.toStdString() << "\": " << broken.toStdString();
        };
    }
    ScriptRunner runner(options);
    ScriptResult result;
    result.exitCode = runner.run(script.split(QLatin1Char('\n')),
                                 [&result](const QString& line) { result.output << line; });
    return result;
}

QString elevenKeypointsScript() {
    return QStringLiteral("clipboard set host_object_in.txt\n"
                          "click ImgChargeObjetPte_Haut\n"
                          "click LbCreation\n"
                          "mouse click 100 200\n"
                          "mouse click 250 100\n"
                          "mouse click 400 100\n"
                          "mouse click 700 300\n"
                          "click LblStopMarquage\n"
                          "set ChBx1 1\n"
                          "set TbrQPoints 10\n"
                          "click LblOKcourbe\n");
}

QString testData(const QString& name) {
    QFile file(QStringLiteral(TRAJECTA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList testDataLines(const QString& name) {
    QString text = testData(name);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void expectJourney(const QString& script, const QString& golden) {
    const ScriptResult result = runScript(script);
    EXPECT_EQ(result.exitCode, 0);
    const QStringList expected = testDataLines(golden);
    ASSERT_FALSE(expected.isEmpty()) << golden.toStdString();
    EXPECT_EQ(result.output.join('\n').toStdString(), expected.join('\n').toStdString());
}

} // namespace trajecta
