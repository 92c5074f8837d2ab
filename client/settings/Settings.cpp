#include "Settings.h"

#include "IniFile.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

void Settings::SetFolder(const QString& strFolder) {
    strPath = strFolder.endsWith(QLatin1Char('/')) ? strFolder : strFolder + QLatin1Char('/');
    strINIFile = strPath + QStringLiteral("zorv.ini");
}

QString DefaultSettingsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString SavedLanguage(const QString& strFolder) {
    Settings settings;
    settings.SetFolder(strFolder);
    ReadIniFile(settings.strINIFile, settings);
    return settings.strLanguage;
}

bool LoadSettings(Settings& settings, Prompts& prompts) {
    if (!QFileInfo::exists(settings.strINIFile))
        return true; // a first run: the defaults stand until the first login writes the file
    if (ReadIniFile(settings.strINIFile, settings))
        return true;
    //: %1 is the settings file.
    prompts.Inform(QCoreApplication::translate("Settings",
                                               "The settings file %1 could not be read.  The "
                                               "remembered servers and characters are not offered.")
                       .arg(QDir::toNativeSeparators(settings.strINIFile)));
    return false;
}

bool SaveSettings(const Settings& settings, Prompts& prompts) {
    if (WriteIniFile(settings.strINIFile, settings))
        return true;
    //: %1 is the settings file.
    prompts.Inform(QCoreApplication::translate("Settings", "The settings could not be saved to %1.")
                       .arg(QDir::toNativeSeparators(settings.strINIFile)));
    return false;
}
