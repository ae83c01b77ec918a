#include "curvefile/CurveFileText.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace trajecta;

namespace {

struct CliRun {
    int code = -1;
    QByteArray out;
    QString err;
};

CliRun cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TRAJECTA_CLI), QStringList{"apply"} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

const QString curve = QStringLiteral(TRAJECTA_TEST_DATA "/curve_file_saved.tjc");
const QString object = QStringLiteral(TRAJECTA_TEST_DATA "/host_object_in.txt");

// The object text the window put on the clipboard when the same file was
// loaded with a work area of the stored size.
QByteArray clipboardOfTheLoadJourney() {
    const QStringList out = testDataLines("curve_file_load.out");
    return (out.mid(out.indexOf("PicturesToExe-Objects 1.0")).join("\r\n") + "\r\n").toUtf8();
}

// One object to standard output or a file, several into a folder: each time
// exactly the text the window gives.
TEST(CurveApply, ObjectsGetTheSavedPath) {
    const QByteArray expected = clipboardOfTheLoadJourney();
    CliRun run = cli({curve, object});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), expected.toStdString());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    run = cli({curve, object, "-o", dir.filePath("out.txt")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(readWholeFile(dir.filePath("out.txt")), expected);

    ASSERT_TRUE(QDir(dir.path()).mkdir("in"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    ASSERT_TRUE(QFile::copy(object, dir.filePath("in/a.txt")));
    ASSERT_TRUE(QFile::copy(object, dir.filePath("in/b.txt")));
    run = cli({curve, dir.filePath("in/a.txt"), dir.filePath("in/b.txt"), "-o", dir.filePath("out")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(readWholeFile(dir.filePath("out/a.txt")), expected);
    EXPECT_EQ(readWholeFile(dir.filePath("out/b.txt")), expected);
}

// A damaged curve file or a text that is no object: the file (and the line)
// on standard error, exit code 1, and nothing written for any object.
TEST(CurveApply, FailuresWriteNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList lines = decodeCurveFile(*readWholeFile(curve));
    lines[9] = "point 2 (20Ox100)";
    const QString bad = dir.filePath("bad.tjc");
    ASSERT_EQ(writeFileAtomically(bad, encodeCurveFile(lines)), "");
    CliRun run = cli({bad, object, "-o", dir.filePath("out.txt")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.trimmed(),
              "error: " + bad + ": Error in the file, I give up: line 10: point 2 (20Ox100)");
    EXPECT_FALSE(QFile::exists(dir.filePath("out.txt")));

    const QString notObject = dir.filePath("c.txt");
    ASSERT_EQ(writeFileAtomically(notObject, "hello\r\n"), "");
    run = cli({curve, object, notObject, "-o", dir.path()});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.trimmed(), "error: " + notObject + ": This is not a PTE object");
    EXPECT_FALSE(QFile::exists(dir.filePath("host_object_in.txt")));

    EXPECT_EQ(cli({curve, object, notObject}).code, 2) << "several objects need a folder";
}

} // namespace
