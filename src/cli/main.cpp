#include "app/ScriptRunner.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

using namespace trajecta;

namespace {

int usage() {
    std::fprintf(stderr, "usage: trajecta-cli script FILE|- [--lang fr|en] [--decimal-separator C] "
                         "[--date YYYY-MM-DD]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args[1] != QLatin1String("script")) return usage();
    ScriptOptions options;
    for (int i = 3; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString value = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--lang") && (value == QLatin1String("fr") || value == QLatin1String("en"))) {
            options.language = value == QLatin1String("en") ? 1 : 0;
        } else if (a == QLatin1String("--decimal-separator") && value.size() == 1) {
            options.decimalSeparator = value.at(0);
        } else if (a == QLatin1String("--date") && QDate::fromString(value, Qt::ISODate).isValid()) {
            options.today = QDate::fromString(value, Qt::ISODate);
        } else {
            return usage();
        }
        ++i;
    }
    QFile file;
    if (args[2] == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) return usage();
    } else {
        file.setFileName(args[2]);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "error: cannot read %s\n", qPrintable(args[2]));
            return 2;
        }
        options.baseFolder = QFileInfo(args[2]).absolutePath();
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    ScriptRunner runner(options);
    const int code = runner.run(lines, [&out](const QString& line) {
        out << line << '\n';
        out.flush();
    });
    return code;
}
