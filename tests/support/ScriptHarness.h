#pragma once

#include "app/ScriptRunner.h"

#include <QString>
#include <QStringList>

namespace trajecta {

struct ScriptResult {
    QStringList output;
    int exitCode = 0;
};

// Runs a script in-process, as `trajecta-cli script` would. Relative paths in
// the script are found in the test data folder. The date defaults to
// 2026-12-08 and the decimal separator to ",", so that records are stable.
// Unless the options bring their own check, the document's invariants are
// checked after every command and each broken one fails the running test.
ScriptResult runScript(const QString& script, ScriptOptions options = {});

// The sample object read and a curve of one part finished into eleven
// keypoints with a first time of 500 ms: the time step, as script lines.
QString elevenKeypointsScript();

// The text of a file in the test data folder.
QString testData(const QString& name);
QStringList testDataLines(const QString& name);

// A journey: `script` runs as a user would drive the program, ends without
// error, and its whole output is the golden file `golden` of the test data.
void expectJourney(const QString& script, const QString& golden);

} // namespace trajecta
