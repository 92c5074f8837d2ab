#include "Settings.h"

#include "IniFile.h"
#include "Prompts.h"

#include <QDir>
#include <QFileInfo>

void Settings::SetFolder(const QString& strFolder) {
    strPath = strFolder.endsWith(QLatin1Char('/')) ? strFolder : strFolder + QLatin1Char('/');
    strINIFile = strPath + QStringLiteral("zorv.ini");
}

bool LoadSettings(Settings& settings, Prompts& prompts) {
    if (!QFileInfo::exists(settings.strINIFile))
        return true; // a first run: the defaults stand until the first login writes the file
    if (ReadIniFile(settings.strINIFile, settings))
        return true;
    prompts.Inform(QStringLiteral("The settings file ") +
                   QDir::toNativeSeparators(settings.strINIFile) +
                   QStringLiteral(" could not be read.  The remembered servers and characters "
                                  "are not offered."));
    return false;
}

bool SaveSettings(const Settings& settings, Prompts& prompts) {
    if (WriteIniFile(settings.strINIFile, settings))
        return true;
    prompts.Inform(QStringLiteral("The settings could not be saved to ") +
                   QDir::toNativeSeparators(settings.strINIFile) + QLatin1Char('.'));
    return false;
}
