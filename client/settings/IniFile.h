#pragma once
// The settings file "zorv.ini": the remembered servers and characters, the last ones used, the
// timeout and the picture option. CR LF lines of "Key = value"; passwords are never written.
#include "Servers.h"

#include <QString>

struct Settings {
    QString strIniVersion;
    qint16 iTimeoutTime = 30;
    qint16 iUsePics = 1;
    QString strLastServer;
    QString strLastPlayer;
    Servers objServers;
};

// Reads the lines into settings, the first matching rule for each line; unknown lines are
// skipped and missing keys leave their values as they were. False when the file is unreadable.
bool ReadIniFile(const QString& strFile, Settings& settings);
// Rewrites the whole file. False when it cannot be written.
bool WriteIniFile(const QString& strFile, const Settings& settings);
