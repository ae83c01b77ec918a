#include "gui/MainWindow.h"
#include "gui/ScriptedWindow.h"
#include "shell/AppIcon.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(trajecta::AppIcon::picture(size)));
    QApplication::setWindowIcon(icon);
    // Matches the installed trajecta.desktop, whose icon the desktop shows for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("trajecta"));
    const QStringList args = QApplication::arguments();
    // The work is kept here for a recovery after a crash.
    const QString recoveryFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (args.size() >= 2 && args[1] == QLatin1String("--script")) {
        trajecta::ScriptedWindow window;
        trajecta::ScriptOptions options;
        options.window = window.hooks();
        options.recoveryFolder = recoveryFolder;
        if (const std::optional<int> code = trajecta::runScriptFile(args.mid(2), std::move(options)))
            return *code;
        std::fprintf(stderr, "usage: trajecta [--script FILE|- [--lang fr|en] [--decimal-separator C] "
                             "[--date YYYY-MM-DD]]\n");
        return 2;
    }
    trajecta::KeyPointsBezier window;
    window.resizeToDefault();
    window.showAtStoredPlace();
    window.keepWorkIn(recoveryFolder);
    return app.exec();
}
