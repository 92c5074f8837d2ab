#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorv"));
    QApplication::setOrganizationName(QStringLiteral("zorv"));
    frmMain window;
    window.show();
    return app.exec();
}
