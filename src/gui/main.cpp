#include "gui/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trajecta::KeyPointsBezier window;
    window.resizeToDefault();
    window.showAtStoredPlace();
    return app.exec();
}
