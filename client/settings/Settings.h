#pragma once
// The user's settings as the program holds them while it runs: where the settings file lives,
// the remembered servers and characters, the last ones used, the timeout and the picture option.
// The main window owns the one instance; the server and character dialog and the options dialog
// edit it in place. Every default is written here and nowhere else.
#include "Servers.h"

#include <QString>

inline constexpr qint16 kDefaultTimeoutSeconds = 30;
inline constexpr qint16 kMinTimeoutSeconds = 10;
inline constexpr qint16 kMaxTimeoutSeconds = 30;
inline constexpr qint16 kDefaultUsePics = 1;

struct Settings {
    QString strIniVersion;
    qint16 iTimeoutTime = kDefaultTimeoutSeconds;
    qint16 iUsePics = kDefaultUsePics; // 1: the tree views show pictures
    QString strLastServer;
    QString strLastPlayer;
    QString strLanguage; // "de", "fr", ...: the client's language; empty for the system's
    Servers objServers;

    QString strPath;    // the settings folder, ending with "/"
    QString strINIFile; // strPath + "zorv.ini"

    // Places the settings file in strFolder.
    void SetFolder(const QString& strFolder);
};

class Prompts;

// The folder the settings file is in when the program is not told another.
QString DefaultSettingsFolder();
// The language the settings file in strFolder names; empty when it names none (the system's).
QString SavedLanguage(const QString& strFolder);

// Reads the settings file into settings when it exists; says so when it exists but cannot be
// read. False only in that case.
bool LoadSettings(Settings& settings, Prompts& prompts);
// Rewrites the settings file; says so, naming the file, when it cannot be written.
bool SaveSettings(const Settings& settings, Prompts& prompts);
