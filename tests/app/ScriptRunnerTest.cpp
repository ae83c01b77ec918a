#include "support/ScriptHarness.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace trajecta;

TEST(ScriptRunner, UnknownCommandsAndControlsStopWithExitCodeTwo) {
    ScriptResult r = runScript("print PnlChargeObjetPte\nclick NoSuchControl\nprint PnlChargeObjetPte");
    EXPECT_EQ(r.exitCode, 2);
    ASSERT_EQ(r.output.size(), 2);
    EXPECT_EQ(r.output[1], "error: line 2: no control named NoSuchControl");

    r = runScript("# a comment\n\nfly away");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.output.value(0), "error: line 3: unknown command: fly");
}

TEST(ScriptRunner, HiddenControlsRefuseTheUserAndTheScriptGoesOn) {
    const ScriptResult r =
        runScript("click LbCreation\nprint LbCreation\nprint RdgChoixEcran\nprint TbrQPoints");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.output, (QStringList{
                            "error: click LbCreation refused: not showing",
                            "LbCreation visible=1 showing=0 enabled=1 text=\"Créer une nouvelle courbe\"",
                            "RdgChoixEcran visible=0 showing=0 enabled=1 text=\"  format d'écran  \" index=0",
                            "TbrQPoints visible=1 showing=0 enabled=1 min=10 max=60 position=20",
                        }));
}

TEST(ScriptRunner, TheCommandLineDriverRunsScriptsFromStandardInput) {
    QProcess cli;
    cli.start(TRAJECTA_CLI, {"script", "-"});
    ASSERT_TRUE(cli.waitForStarted());
    cli.write("print PnlChargeObjetPte\nclick Nothing\n");
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished());
    EXPECT_EQ(cli.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()),
              "PnlChargeObjetPte visible=1 showing=1 enabled=1 text=\"\"\n"
              "error: line 2: no control named Nothing\n");
}

// Journey tests check the document after every command through this call.
TEST(ScriptRunner, TheCheckRunsAfterEveryCommand) {
    ScriptOptions options;
    QStringList seen;
    options.afterCommand = [&](const QString& line, const CurveDocument&) { seen << line; };
    runScript("print PnlChargeObjetPte\n# a comment\n\nclick LbCreation", options);
    EXPECT_EQ(seen, (QStringList{"print PnlChargeObjetPte", "click LbCreation"}));
}

// "--lang en" starts the session as a stored English setting does: English
// captions and check marks, English messages.
TEST(ScriptRunner, EnglishFromTheCommandLineIsTheStoredEnglishStart) {
    QProcess cli;
    cli.start(TRAJECTA_CLI, {"script", "-", "--lang", "en"});
    ASSERT_TRUE(cli.waitForStarted());
    cli.write("print French\nprint English\nprint LbCreation\nclick ImgChargeObjetPte_Haut\n");
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished());
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()),
              "French visible=1 showing=1 enabled=1 text=\"French\" checked=0\n"
              "English visible=1 showing=1 enabled=1 text=\"English\" checked=1\n"
              "LbCreation visible=1 showing=0 enabled=1 text=\"Create a new curve\"\n"
              "message: This is not a PTE object [OK] -> OK\n");
}
