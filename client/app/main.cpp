#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings folder is named after the application, so it stays "zorv". The desktop entry
    // is named after the reverse-domain id: Wayland compositors find it, and the icon with it,
    // by this name, as the window's app id.
    QApplication::setApplicationName(QStringLiteral("zorv"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorv.zorv"));
    frmMain window;
    window.Start();
    return app.exec();
}
