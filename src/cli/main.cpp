#include "app/CurveApply.h"
#include "app/ScriptRunner.h"
#include "curvefile/CurveFileText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>

using namespace trajecta;

namespace {

int usage() {
    std::fprintf(stderr, "usage: trajecta-cli script FILE|- [--lang fr|en] [--decimal-separator C] "
                         "[--date YYYY-MM-DD]\n"
                         "       trajecta-cli apply CURVE.tjc OBJECT.txt [-o OUT.txt]\n"
                         "       trajecta-cli apply CURVE.tjc OBJECT.txt... -o FOLDER\n");
    return 2;
}

int failure(const QString& file, const QString& why) {
    std::fprintf(stderr, "error: %s: %s\n", qPrintable(file), qPrintable(why));
    return 1;
}

// Every object is finished in memory first: one that fails leaves every
// output unwritten, and each output is written whole or not at all.
int apply(const QStringList& args) {
    QStringList objects;
    QString output;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !output.isEmpty()) return usage();
            output = args[++i];
        } else {
            objects << args[i];
        }
    }
    if (objects.size() < 2 || (objects.size() > 2 && output.isEmpty())) return usage();
    const QString curvePath = objects.takeFirst();
    QString why;
    const std::optional<QByteArray> curve = readWholeFile(curvePath, &why);
    if (!curve) return failure(curvePath, why);
    const QStringList curveLines = decodeCurveFile(*curve);

    const bool intoFolder = objects.size() > 1 || QFileInfo(output).isDir();
    QStringList targets;
    QList<QByteArray> texts;
    for (const QString& objectPath : objects) {
        const std::optional<QByteArray> object = readWholeFile(objectPath, &why);
        if (!object) return failure(objectPath, why);
        const AppliedCurve applied = applyCurve(curveLines, decodeText(*object));
        if (!applied.error.isEmpty())
            return failure(applied.error.startsWith(QLatin1String("Error in the file")) ? curvePath
                                                                                        : objectPath,
                           applied.error);
        const QString target = intoFolder ? QDir(output).filePath(QFileInfo(objectPath).fileName()) : output;
        if (targets.contains(target))
            return failure(target, QStringLiteral("two objects would be written here"));
        targets << target;
        texts << applied.objectText.toUtf8();
    }
    if (intoFolder && !QFileInfo(output).isDir()) return failure(output, QStringLiteral("no such folder"));
    for (int i = 0; i < targets.size(); ++i) {
        if (targets[i].isEmpty()) {
            std::fwrite(texts[i].constData(), 1, size_t(texts[i].size()), stdout);
            continue;
        }
        const QString error = writeFileAtomically(targets[i], texts[i]);
        if (!error.isEmpty()) return failure(targets[i], error);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && args[1] == QLatin1String("apply")) return apply(args.mid(2));
    if (args.size() < 3 || args[1] != QLatin1String("script")) return usage();
    // A script keeps its work in the user's data folder, as the window does.
    ScriptOptions options;
    options.recoveryFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::optional<int> code = runScriptFile(args.mid(2), std::move(options));
    return code ? *code : usage();
}
