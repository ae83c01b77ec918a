#include "gui/MainWindow.h"
#include "shell/AppIcon.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(trajecta::AppIcon::picture(size)));
    QApplication::setWindowIcon(icon);
    // Matches the installed trajecta.desktop, whose icon the desktop shows for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("trajecta"));
    trajecta::KeyPointsBezier window;
    window.resizeToDefault();
    window.showAtStoredPlace();
    return app.exec();
}
