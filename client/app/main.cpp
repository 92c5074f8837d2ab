#include "Settings.h"
#include "Translations.h"
#include "frmMain.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings folder is named after the application, so it stays "zorv". The desktop entry
    // is named after the reverse-domain id: Wayland compositors find it, and the icon with it,
    // by this name, as the window's app id.
    QApplication::setApplicationName(QStringLiteral("zorv"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorv.zorv"));
    // Every text is translated as its window is built: the language comes first.
    InstallTranslations(
        ChosenLanguage(SavedLanguage(DefaultSettingsFolder()), QLocale::system().uiLanguages()));
    frmMain window;
    window.Start();
    return app.exec();
}
