// Writes the program's icon as it is installed: trajecta.svg and
// trajecta-N.png for N = 16, 32, 48, 64, 128 and 256, into FOLDER.
//   trajecta_app_icons FOLDER

#include "shell/AppIcon.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trajecta_app_icons FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QFile svg(folder.filePath(QStringLiteral("trajecta.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(trajecta::AppIcon::svg().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = folder.filePath(QStringLiteral("trajecta-%1.png").arg(size));
        if (!trajecta::AppIcon::picture(size).save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
